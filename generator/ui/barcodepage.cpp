#include "generator/ui/barcodepage.h"

#include "generator/ui/editorcontrols.h"
#include "generator/ui/pagerules.h"
#include "generator/ui/symbologydlg.h"
#include "platform/ui/modal.h"

#include <QGridLayout>
#include <QLabel>

namespace vosket {

namespace {

// The check boxes: id, caption, the bit they own. "Negative Barcode" is the last one.
struct SymbologyBox {
    int id;
    const char* caption;
    std::size_t byte;
    unsigned bit;
};
const SymbologyBox kBoxes[] = { { 101, "Code 39", 0, 7 }, { 102, "Italian  Pharmacode", 0, 6 },
    { 103, "French  Pharmacode", 0, 5 }, { 104, "Industrial 25", 0, 4 }, { 105, "Interleave 25", 0, 3 },
    { 106, "Matrix 25", 0, 2 }, { 107, "Codabar", 0, 1 }, { 108, "MSI", 2, 5 }, { 109, "Plessey", 2, 4 },
    { 110, "Code 93", 0, 0 }, { 111, "Code 128", 1, 7 }, { 113, "UPCE", 1, 6 }, { 114, "UPCE  Addon 2", 1, 5 },
    { 115, "UPCE  Addon 5", 1, 4 }, { 116, "EAN8", 1, 3 }, { 117, "EAN8  Addon 2", 1, 2 },
    { 118, "EAN8  Addon 5", 1, 1 }, { 119, "EAN13  &&  UPCA", 1, 0 }, { 120, "EAN13  Addon 2", 2, 7 },
    { 121, "EAN13  Addon 5", 2, 6 }, { 123, "Telepen", 2, 2 }, { 122, "Negative Barcode", 11, 4 } };

} // namespace

BarcodePage::BarcodePage(EditorWorkCopy&, Project& project, QWidget* parent)
    : EditorPage(parent)
    , settings(project.barcode)
    , scanMode(IdCombo(this, 601,
          { "Auto Off", "Continuous", "Auto Power Off", "Alternate", "Momentary", "Repeat", "Laser", "Test", "Aiming" }))
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
    for (const SymbologyBox& box : kBoxes) {
        QCheckBox* check = IdCheck(this, box.id, QString::fromUtf8(box.caption));
        symbologies.push_back(check);
        const int column = row < 13 ? 0 : 2;
        layout->addWidget(check, row < 13 ? row : row - 11, column);
        for (const auto& [buttonId, kind] : SymbologyKinds()) {
            if (buttonId != box.id + 100)
                continue;
            QPushButton* parameters = IdButton(this, buttonId, QStringLiteral("参数..."));
            layout->addWidget(parameters, row < 13 ? row : row - 11, column + 1);
            connect(parameters, &QPushButton::clicked, this, [this, &kind = kind] {
                SymbologyDlg dialog(kind, settings, this);
                platform::runModal(dialog);
            });
        }
        ++row;
    }
    QPushButton* reset = IdButton(this, 224, QStringLiteral("复位"));
    layout->addWidget(reset, 1, 3);
    connect(reset, &QPushButton::clicked, this, [this] {
        ResetBarcodeSettings(settings);
        ShowBarcodeSettings();
    });
    connect(timeout, &QLineEdit::textChanged, this, [this] {
        const EditOutcome outcome = TimeoutEdit(timeout->text());
        if (outcome.store)
            timeoutValue = *outcome.store;
        if (outcome.replaceText)
            timeout->setText(*outcome.replaceText);
    });
    ShowBarcodeSettings();
}

void BarcodePage::ShowBarcodeSettings()
{
    SetIndex(scanMode, static_cast<uint8_t>(settings.scanMode()));
    SetIndex(redundancy, static_cast<uint8_t>(settings.readRedundancy()));
    timeout->setText(QString::number(settings.scanTimeout()));
    for (std::size_t i = 0; i < symbologies.size(); ++i)
        symbologies[i]->setChecked(settings.bits(kBoxes[i].byte, kBoxes[i].bit) != 0);
}

void BarcodePage::apply(Project& project)
{
    BarcodeSettings& s = project.barcode;
    if (scanMode->currentIndex() >= 0)
        s.setScanMode(static_cast<unsigned>(scanMode->currentIndex()));
    if (redundancy->currentIndex() >= 0)
        s.setReadRedundancy(static_cast<unsigned>(redundancy->currentIndex()));
    s.scanTimeout() = timeoutValue;
    for (std::size_t i = 0; i < symbologies.size(); ++i)
        s.setBits(kBoxes[i].byte, kBoxes[i].bit, 1, symbologies[i]->isChecked() ? 1 : 0);
}

} // namespace vosket
