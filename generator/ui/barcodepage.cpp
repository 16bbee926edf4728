#include "generator/ui/barcodepage.h"

#include "generator/ui/editorcontrols.h"
#include "generator/ui/pagerules.h"
#include "generator/ui/symbologydlg.h"
#include "platform/ui/modal.h"

#include <QGridLayout>
#include <QLabel>

namespace vosket {

BarcodePage::BarcodePage(EditorWorkCopy& work, QWidget* parent)
    : EditorPage(parent)
    , work(work)
    , scanMode(IdCombo(this, 601,
          { "Auto Off", "Continuous", "Auto Power Off", "Alternate", "Momentary", "Repeat", "Laser", "Test",
              "Aiming" }))
    , redundancy(IdCombo(this, 602, { "无", "一次", "两次", "三次" }))
    , timeout(IdEdit(this, 501))
{
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("扫描模式")), 0, 0);
    layout->addWidget(scanMode, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("读取冗余")), 0, 2);
    layout->addWidget(redundancy, 0, 3);
    layout->addWidget(new QLabel(QStringLiteral("超时时间")), 1, 0);
    layout->addWidget(timeout, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("秒")), 1, 2);
    int row = 2;
    for (const SymbologyBox& box : SymbologyBoxes()) {
        QCheckBox* check = IdCheck(this, box.id, QString::fromUtf8(box.caption));
        symbologies.push_back(check);
        connect(check, &QCheckBox::toggled, this, [this, &box](bool on) {
            if (!showing)
                this->work.barcode.setBits(box.byte, box.bit, 1, on ? 1 : 0);
        });
        const int column = row < 13 ? 0 : 2;
        layout->addWidget(check, row < 13 ? row : row - 11, column);
        for (const auto& [buttonId, kind] : SymbologyKinds()) {
            if (buttonId != box.id + 100)
                continue;
            QPushButton* parameters = IdButton(this, buttonId, QStringLiteral("参数..."));
            layout->addWidget(parameters, row < 13 ? row : row - 11, column + 1);
            connect(parameters, &QPushButton::clicked, this, [this, &kind = kind] {
                SymbologyDlg dialog(kind, this->work.barcode, this);
                platform::runModal(dialog);
            });
        }
        ++row;
    }
    QPushButton* reset = IdButton(this, 224, QStringLiteral("复位"));
    layout->addWidget(reset, 1, 3);
    connect(reset, &QPushButton::clicked, this, [this] {
        ResetBarcodeSettings(this->work.barcode);
        ShowBarcodeSettings();
    });
    connect(scanMode, &QComboBox::currentIndexChanged, this, [this](int mode) {
        if (!showing && mode >= 0)
            this->work.barcode.setScanMode(static_cast<unsigned>(mode));
    });
    connect(redundancy, &QComboBox::currentIndexChanged, this, [this](int level) {
        if (!showing && level >= 0)
            this->work.barcode.setReadRedundancy(static_cast<unsigned>(level));
    });
    connect(timeout, &QLineEdit::textChanged, this, [this] {
        if (showing)
            return;
        const EditOutcome outcome = TimeoutEdit(timeout->text());
        if (outcome.store)
            this->work.barcode.scanTimeout() = *outcome.store;
        if (outcome.replaceText)
            timeout->setText(*outcome.replaceText);
    });
    ShowBarcodeSettings();
}

void BarcodePage::ShowBarcodeSettings()
{
    const BarcodeSettings& settings = work.barcode;
    showing = true;
    SetIndex(scanMode, static_cast<uint8_t>(settings.scanMode()));
    SetIndex(redundancy, static_cast<uint8_t>(settings.readRedundancy()));
    timeout->setText(QString::number(settings.scanTimeout()));
    for (std::size_t i = 0; i < symbologies.size(); ++i)
        symbologies[i]->setChecked(settings.bits(SymbologyBoxes()[i].byte, SymbologyBoxes()[i].bit) != 0);
    showing = false;
}

void BarcodePage::apply(Project& project)
{
    ApplyBarcodePage(work, project);
}

} // namespace vosket
