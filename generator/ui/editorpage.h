#pragma once
// A page of the editor sheet. The sheet creates a page the first time it is shown; the page edits
// the sheet's work copy and, on the sheet's OK, writes back into the project what it owns.
#include "generator/ui/editorworkcopy.h"

#include <QWidget>

namespace vosket {

class EditorPage : public QWidget {
public:
    using QWidget::QWidget;
    virtual void apply(Project& project) = 0;
};

} // namespace vosket
