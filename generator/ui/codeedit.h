#pragma once
// A prefix or suffix edit of the "属性" dialogs: it shows its codes by name and changes only
// through the code grid, which a click opens. While the grid is open the edit is painted blue.
#include "generator/ui/codepicks.h"

#include <QLineEdit>

namespace vosket {

class CodeEdit : public QLineEdit {
    Q_OBJECT
public:
    CodeEdit(int id, CodeBuffer& codes, QWidget* parent = nullptr);

    // Opens the code grid over this edit's buffer (what a click does).
    void openGrid();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    CodeBuffer& codes;
    bool picking = false;
};

} // namespace vosket
