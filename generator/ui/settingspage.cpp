#include "generator/ui/settingspage.h"

#include "generator/ui/editorcontrols.h"
#include "generator/ui/settingsrules.h"
#include "generator/ui/systemsettingsdlg.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/modal.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace vosket {

SettingsPage::SettingsPage(EditorWorkCopy& work, QWidget* parent)
    : EditorPage(parent)
    , work(work)
    , settings(work.system)
    , password(IdEdit(this, 501))
    , fnKey(IdCombo(this, 601, {}))
    , function(IdCombo(this, 602, FnFunctionNames()))
{
    for (int k = 0; k < SystemSettings::kFnKeys; ++k)
        fnKey->addItem(QStringLiteral(" FN+") + QString::number(k));
    const char* captions[SystemSettings::kSecurityFlags] = { "设置", "编辑数据", "删除数据", "设置日期&&时间",
        "下载应用程序", "下载索引文件", "上传端口", "下载端口", "波特率", "背光", "数据删除", "记录提示" };
    auto* security = new QGroupBox(QStringLiteral("安全检查"));
    auto* securityGrid = new QGridLayout(security);
    for (int i = 0; i < SystemSettings::kSecurityFlags; ++i) {
        QCheckBox* box = flags[static_cast<std::size_t>(i)]
            = IdCheck(this, 101 + i, QString::fromUtf8(captions[i]));
        securityGrid->addWidget(box, i / 3, i % 3);
        connect(box, &QCheckBox::toggled, this, [this, i](bool on) {
            if (!showing)
                settings.securityFlag(i) = on ? 1 : 0;
        });
    }
    QPushButton* all = IdButton(this, 203, QStringLiteral("选择全部"));
    QPushButton* none = IdButton(this, 204, QStringLiteral("全部不选"));
    securityGrid->addWidget(all, 4, 0);
    securityGrid->addWidget(none, 4, 1);
    for (auto [button, value] : { std::pair { all, true }, std::pair { none, false } }) {
        connect(button, &QPushButton::clicked, this, [this, value = value] {
            for (QCheckBox* box : flags)
                box->setChecked(value);
        });
    }
    QPushButton* system = IdButton(this, 201, QStringLiteral("系统初始化设置 ..."));
    QPushButton* reset = IdButton(this, 202, QStringLiteral("复位"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("安全检查密码 (最多10位) :")), 0, 0);
    layout->addWidget(password, 0, 1);
    layout->addWidget(security, 1, 0, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("设置功能键 :")), 2, 0);
    layout->addWidget(fnKey, 2, 1);
    layout->addWidget(new QLabel(QStringLiteral("映射为 :")), 3, 0);
    layout->addWidget(function, 3, 1);
    layout->addWidget(system, 4, 0);
    layout->addWidget(reset, 4, 1);
    layout->setRowStretch(5, 1);

    connect(password, &QLineEdit::textChanged, this, &SettingsPage::checkPassword);
    connect(fnKey, &QComboBox::currentIndexChanged, this, [this](int k) {
        if (k >= 0)
            SetIndex(function, settings.fnKey(k));
    });
    StoreIndex(
        function, [this] { return &settings.fnKey(std::max(fnKey->currentIndex(), 0)); }, &showing);
    connect(system, &QPushButton::clicked, this, [this] {
        SystemSettingsDlg dialog(settings, this);
        platform::runModal(dialog);
    });
    connect(reset, &QPushButton::clicked, this, [this] {
        ResetSystemSettings(settings);
        showSettings();
    });
    showSettings();
}

void SettingsPage::apply(Project& project)
{
    ApplySettingsPage(work, project);
}

void SettingsPage::showSettings()
{
    showing = true;
    password->setText(SlotText(settings.password()));
    for (int i = 0; i < SystemSettings::kSecurityFlags; ++i)
        flags[static_cast<std::size_t>(i)]->setChecked(settings.securityFlag(i) != 0);
    fnKey->setCurrentIndex(0);
    SetIndex(function, settings.fnKey(0));
    showing = false;
}

void SettingsPage::checkPassword()
{
    if (showing)
        return;
    const PasswordOutcome outcome = PasswordEdit(password->text());
    if (!outcome.warning.isEmpty()) {
        platform::dialogs().message(
            outcome.warning, QStringLiteral("警告"), platform::Buttons::Ok, platform::Icon::Warning);
    }
    if (outcome.replace) {
        password->setText(outcome.store); // the change this makes checks and stores it once more
        return;
    }
    SetSlotText(settings.password(), outcome.store);
}

} // namespace vosket
