#include "generator/ui/aboutbox.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vosket {

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("关于"));
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(QStringLiteral("Zentravox7300应用程序产生器"), this);
    auto* version = new QLabel(QStringLiteral("版本 1.02"), this);
    for (QLabel* label : { name, version }) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignCenter);
}

} // namespace vosket
