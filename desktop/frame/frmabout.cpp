#include "desktop/frame/frmabout.h"

#include "desktop/frame/programtitle.h"
#include "desktop/frame/systemtools.h"
#include "platform/ui/dialogs.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace korvell {

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("关于 ") + programTitle());

    auto* picIcon = new QLabel;
    picIcon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
    auto* lblTitle = new QLabel(QStringLiteral("Velmora电子称重仓库管理系统"));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont(QStringLiteral("黑体"));
    titleFont.setPointSize(16);
    lblTitle->setFont(titleFont);
    auto* lblVersion = new QLabel(QStringLiteral("1.0版"));
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    auto* Line1 = new QFrame;
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    cmdOK = new QPushButton(QStringLiteral("确定"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(QStringLiteral("系统信息(&S)..."));
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->addWidget(picIcon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(lblTitle, 0, 1, 1, 2);
    layout->addWidget(lblVersion, 1, 1, 1, 2);
    layout->addWidget(Line1, 2, 0, 1, 3);
    layout->addWidget(cmdOK, 3, 2);
    layout->addWidget(cmdSysInfo, 4, 2);
    layout->setColumnStretch(1, 1);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::cmdSysInfo_Click()
{
    if (!startFirstProgram(systemInfoPrograms()))
        platform::dialogs().message(
            QStringLiteral("此时系统信息无效"), programTitle(), platform::Buttons::Ok, platform::Icon::None);
}

} // namespace korvell
