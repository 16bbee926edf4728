#include "generator/ui/okcancel.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace vosket {

QDialogButtonBox* OkCancelButtons(QDialog* dialog)
{
    auto* buttons = new QDialogButtonBox(dialog);
    buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("ok"));
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancel"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace vosket
