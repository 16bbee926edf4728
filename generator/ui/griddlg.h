#pragma once
// "栅格控件": the 16 x 16 grid of all code values, where up to ten codes are clicked in order.
// OK writes the picks into the buffer and their names into the edit; Cancel changes neither.
#include "generator/ui/codepicks.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace vosket {

class CodeGrid;

class GridDlg : public QDialog {
    Q_OBJECT
public:
    GridDlg(CodeBuffer& codes, QLineEdit* target, QWidget* parent = nullptr);

    // A click on the cell in column and row (1-16 each; headings are ignored).
    void clickCell(int column, int row);
    const CodePicks& picks() const { return picked; }
    CodeGrid* grid() const { return cells; }

    void accept() override;
    void reject() override;

private:
    void showResult();

    CodeBuffer& codes;
    QLineEdit* target;
    CodePicks picked;
    CodeGrid* cells;
    QLabel* result;
};

// The grid control: headings, code names, the selected cell in blue.
class CodeGrid : public QWidget {
    Q_OBJECT
public:
    explicit CodeGrid(QWidget* parent = nullptr);

    void select(int column, int row);
    int selectedCode() const { return CodeAtCell(column, row); }

signals:
    void cellClicked(int column, int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int column = 1;
    int row = 1;
};

} // namespace vosket
