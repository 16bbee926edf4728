#include "generator/ui/systemsettingsdlg.h"

#include "generator/ui/editorcontrols.h"
#include "generator/ui/okcancel.h"
#include "generator/ui/settingsrules.h"

#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

namespace vosket {

namespace {

    const QStringList kPorts { "通讯座", "IrDA", "Modem" };
    constexpr uint8_t kModem = 2;

} // namespace

SystemSettingsDlg::SystemSettingsDlg(SystemSettings& settings, QWidget* parent)
    : QDialog(parent)
    , settings(settings)
    , backup(settings)
    , uploadPort(IdCombo(this, 601, kPorts))
    , backlight(IdCombo(this, 604, { "关闭", "打开" }))
    , recordPrompt(IdCombo(this, 606, { "无提示", "显示数量", "显示数据" }))
    , phone(IdEdit(this, 501))
    , onScreen(IdRadio(this, 301, QStringLiteral("在LCD上显示")))
    , untilKey(IdRadio(this, 302, QStringLiteral("按任意键继续")))
{
    setWindowTitle(QStringLiteral("系统初始化设置"));
    QComboBox* downloadPort = IdCombo(this, 602, kPorts);
    QComboBox* baud = IdCombo(this, 603, { "115200 bps", "57600 bps", "38400 bps", "19200 bps", "9600 bps" });
    QComboBox* erase = IdCombo(this, 605, { "手工", "自动" });
    showing = true;
    backlightTime = timeEdit(504, 9, settings.backlightOffTime());
    promptTime = timeEdit(506, 99, settings.promptDuration());
    const std::pair<QComboBox*, uint8_t*> lists[]
        = { { uploadPort, &settings.uploadPort() }, { downloadPort, &settings.downloadPort() },
              { baud, &settings.linkBaud() }, { backlight, &settings.backlight() },
              { erase, &settings.eraseAfterUpload() }, { recordPrompt, &settings.recordPrompt() } };
    for (const auto& [combo, field] : lists) {
        SetIndex(combo, *field);
        StoreIndex(
            combo, [field = field] { return field; }, &showing);
    }
    phone->setText(SlotText(settings.phoneNumber()));
    phone->setEnabled(settings.uploadPort() == kModem);
    backlightTime->setEnabled(settings.backlight() == 1);
    (settings.promptDuration() != 0 ? onScreen : untilKey)->setChecked(true);
    promptTime->setEnabled(settings.promptDuration() != 0);
    showing = false;
    enablePrompt();

    connect(
        uploadPort, &QComboBox::currentIndexChanged, this, [this](int i) { phone->setEnabled(i == kModem); });
    connect(backlight, &QComboBox::currentIndexChanged, this,
        [this](int i) { backlightTime->setEnabled(i == 1); });
    connect(recordPrompt, &QComboBox::currentIndexChanged, this, &SystemSettingsDlg::enablePrompt);
    connect(phone, &QLineEdit::textChanged, this, [this] {
        if (const auto cut = CutToBytes(phone->text(), SystemSettings::kPhoneNumberWidth - 1)) {
            phone->setText(*cut); // the change this makes stores the cut text
            return;
        }
        SetSlotText(this->settings.phoneNumber(), phone->text());
    });
    connect(onScreen, &QRadioButton::clicked, this, [this] {
        promptTime->setText(QString::number(this->settings.promptDuration()));
        promptTime->setEnabled(true);
    });
    connect(untilKey, &QRadioButton::clicked, this, [this] {
        this->settings.promptDuration() = 0;
        promptTime->setText(QStringLiteral("0"));
        promptTime->setEnabled(false);
    });

    auto* layout = new QGridLayout(this);
    const std::pair<const char*, QWidget*> rows[] = { { "1.  上传端口", uploadPort }, { "电话号码", phone },
        { "2.  下载端口", downloadPort }, { "3.  波特率", baud }, { "4.  背光", backlight },
        { "关闭背光如果空闲", backlightTime }, { "5.  数据删除", erase }, { "6.  记录提示", recordPrompt } };
    int row = 0;
    for (const auto& [label, control] : rows) {
        layout->addWidget(new QLabel(QString::fromUtf8(label)), row, 0);
        layout->addWidget(control, row++, 1);
    }
    layout->addWidget(new QLabel(QStringLiteral("(1 ~ 9) x 10 秒")), 5, 2);
    layout->addWidget(onScreen, row, 0);
    layout->addWidget(promptTime, row, 1);
    layout->addWidget(new QLabel(QStringLiteral("(1 ~ 99)x100 ms")), row++, 2);
    layout->addWidget(untilKey, row++, 0);
    layout->addWidget(OkCancelButtons(this), row, 0, 1, 3);
}

void SystemSettingsDlg::reject()
{
    settings = backup;
    QDialog::reject();
}

void SystemSettingsDlg::enablePrompt()
{
    const bool prompted = recordPrompt->currentIndex() > 0;
    onScreen->setEnabled(prompted);
    untilKey->setEnabled(prompted);
    promptTime->setEnabled(prompted && onScreen->isChecked());
}

QLineEdit* SystemSettingsDlg::timeEdit(int id, unsigned limit, uint8_t& field)
{
    QLineEdit* edit = IdEdit(this, id);
    edit->setText(QString::number(field));
    connect(edit, &QLineEdit::textChanged, this, [this, edit, limit, &field] {
        if (showing)
            return;
        const EditOutcome outcome = SettingsTimeEdit(edit->text(), limit);
        if (outcome.store)
            field = *outcome.store;
        if (outcome.replaceText)
            edit->setText(*outcome.replaceText);
    });
    return edit;
}

} // namespace vosket
