#include "generator/ui/comsettingdlg.h"

#include "generator/link/comport.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vosket {

ComSettingDlg::ComSettingDlg(CommSettings& comm, QWidget* parent)
    : QDialog(parent)
    , comm(comm)
    , port(new QComboBox(this))
    , baud(new QComboBox(this))
    , device(new QLabel(this))
{
    setWindowTitle(QStringLiteral("COM口设置"));
    port->setObjectName(QStringLiteral("combo601"));
    baud->setObjectName(QStringLiteral("combo602"));
    port->addItems(comPortNames());
    baud->addItems(baudRateNames());
    port->setCurrentIndex(comm.port());
    baud->setCurrentIndex(comm.baudChoice());
    showDevice(port->currentIndex());
    connect(port, &QComboBox::currentIndexChanged, this, &ComSettingDlg::showDevice);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("COM端口 :"), port);
    form->addRow(QString(), device);
    form->addRow(QStringLiteral("波特率 :"), baud);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void ComSettingDlg::showDevice(int portIndex)
{
    device->setText(comPortDevice(portIndex));
}

void ComSettingDlg::accept()
{
    comm.portIndex() = static_cast<uint8_t>(port->currentIndex());
    comm.baudIndex() = static_cast<uint8_t>(baud->currentIndex());
    QDialog::accept();
}

} // namespace vosket
