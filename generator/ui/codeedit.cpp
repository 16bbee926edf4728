#include "generator/ui/codeedit.h"

#include "generator/ui/griddlg.h"
#include "platform/ui/modal.h"

#include <QMouseEvent>
#include <QPainter>

namespace vosket {

CodeEdit::CodeEdit(int id, CodeBuffer& codes, QWidget* parent)
    : QLineEdit(parent)
    , codes(codes)
{
    setObjectName(QStringLiteral("edit") + QString::number(id));
    setReadOnly(true);
    setText(FormatCodeList(codes));
}

void CodeEdit::openGrid()
{
    setFocus();
    picking = true;
    update();
    GridDlg grid(codes, this, window());
    platform::runModal(grid);
    picking = false;
    update();
}

void CodeEdit::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && isEnabled()) {
        openGrid();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void CodeEdit::paintEvent(QPaintEvent* event)
{
    if (!picking) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter(this).fillRect(rect(), QColor(0, 0, 255));
}

} // namespace vosket
