#include "generator/ui/griddlg.h"

#include "generator/ui/okcancel.h"
#include "platform/ui/dialogs.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace vosket {

GridDlg::GridDlg(CodeBuffer& codes, QLineEdit* target, QWidget* parent)
    : QDialog(parent)
    , codes(codes)
    , target(target)
    , picked(codes)
    , cells(new CodeGrid(this))
    , result(new QLabel(this))
{
    setWindowTitle(QStringLiteral("栅格控件"));
    cells->setObjectName(QStringLiteral("grid401"));
    result->setObjectName(QStringLiteral("result402"));
    result->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    result->setIndent(5);
    result->setStyleSheet(QStringLiteral("background: white; color: rgb(128, 128, 128);"));
    connect(cells, &CodeGrid::cellClicked, this, &GridDlg::clickCell);

    QDialogButtonBox* buttons = OkCancelButtons(this);
    QPushButton* clear = buttons->addButton(QStringLiteral("清除"), QDialogButtonBox::ResetRole);
    clear->setObjectName(QStringLiteral("button201"));
    connect(clear, &QPushButton::clicked, this, [this] {
        picked.clear();
        showResult();
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cells, 1);
    layout->addWidget(result);
    layout->addWidget(buttons);
    resize(560, 520);
    showResult();
}

void GridDlg::clickCell(int column, int row)
{
    const int code = CodeAtCell(column, row);
    if (code < 0)
        return;
    cells->select(column, row);
    // Code 0 would end the list: it only moves the highlight.
    if (code == 0)
        return;
    if (!picked.pick(static_cast<uint8_t>(code))) {
        platform::dialogs().message(QStringLiteral("字符太多 !!!"), QStringLiteral("错误"),
            platform::Buttons::Ok, platform::Icon::Warning);
        return;
    }
    showResult();
}

void GridDlg::showResult()
{
    result->setText(picked.resultText());
}

void GridDlg::accept()
{
    target->setText(picked.resultText());
    codes = picked.result();
    QDialog::accept();
}

void GridDlg::reject()
{
    target->setText(picked.textAtOpening());
    QDialog::reject();
}

CodeGrid::CodeGrid(QWidget* parent)
    : QWidget(parent)
{
    setMinimumSize(17 * 28, 17 * 22);
}

void CodeGrid::select(int c, int r)
{
    column = c;
    row = r;
    update();
}

void CodeGrid::mousePressEvent(QMouseEvent* event)
{
    const int cellWidth = std::max(1, width() / kCodeGridCells);
    const int cellHeight = std::max(1, height() / kCodeGridCells);
    emit cellClicked(
        event->position().toPoint().x() / cellWidth, event->position().toPoint().y() / cellHeight);
}

void CodeGrid::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int w = width() / kCodeGridCells;
    const int h = height() / kCodeGridCells;
    const QRect all(0, 0, w * kCodeGridCells, h * kCodeGridCells);
    p.fillRect(all, Qt::white);
    p.fillRect(QRect(0, 0, all.width(), h), Qt::lightGray);
    p.fillRect(QRect(0, 0, w, all.height()), Qt::lightGray);
    for (int c = 0; c < kCodeGridCells; ++c) {
        for (int r = 0; r < kCodeGridCells; ++r) {
            const QRect cell(c * w, r * h, w, h);
            const bool heading = c == 0 || r == 0;
            const bool selected = c == column && r == row;
            if (selected)
                p.fillRect(cell, QColor(0, 0, 255));
            p.setPen(heading ? Qt::white : QColor(196, 196, 196));
            p.drawRect(cell.adjusted(0, 0, -1, -1));
            const QString text
                = heading ? CodeGridHeading(c, r) : CodeName(static_cast<uint8_t>(CodeAtCell(c, r)));
            p.setPen(selected ? Qt::white : Qt::black);
            p.drawText(cell, Qt::AlignCenter, text);
        }
    }
    p.setPen(Qt::black);
    p.drawRect(all.adjusted(0, 0, -1, -1));
    p.drawLine(0, h, all.width(), h);
    p.drawLine(w, 0, w, all.height());
}

} // namespace vosket
