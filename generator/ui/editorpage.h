#pragma once
// A page of the editor sheet. The sheet creates a page the first time it is shown; a page copies
// its blocks into the work copy then, and writes them back into the project on the sheet's OK.
#include "generator/ui/editorworkcopy.h"

#include <QWidget>

namespace vosket {

class EditorPage : public QWidget {
public:
    using QWidget::QWidget;
    virtual void apply(Project& project) = 0;
};

} // namespace vosket
