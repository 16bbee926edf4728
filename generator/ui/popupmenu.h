#pragma once
// The popup menu "PopMenu7300" as a QMenu; each command's action carries its number as data and
// hands it to the dispatcher when triggered.
#include <QMenu>
#include <functional>

namespace vosket {

QMenu* createPopupMenu(QWidget* parent, const std::function<void(int)>& dispatch);

} // namespace vosket
