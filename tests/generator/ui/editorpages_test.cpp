// The menu, lookup and barcode pages and the symbology dialogs, driven offscreen.
#include "generator/ui/barcodepage.h"
#include "generator/ui/editorsheet.h"
#include "generator/ui/lookuppage.h"
#include "generator/ui/menupage.h"
#include "generator/ui/symbologydlg.h"
#include "tests/generator/ui/editorfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace vosket;

namespace {

using testsupport::Control;

using EditorPages = testsupport::EditorTest;
using testsupport::Kind;

TEST_F(EditorPages, MenuItemsFollowTheFontAndTransferItsRule)
{
    project.menus[1].largeFont() = 0;
    EditorWorkCopy work(project);
    MenuPage page(work);
    auto* item = Control<QLineEdit>(&page, "edit501");
    item->setText("ABCDEFGHIJKLMNOPQ");
    EXPECT_EQ(item->text(), QStringLiteral("ABCDEFGHIJKL")); // menu 1 is large-font
    Control<QComboBox>(&page, "combo690")->activated(1);
    item->setText("ABCDEFGHIJKLMNOPQ");
    EXPECT_EQ(item->text(), QStringLiteral("ABCDEFGHIJKLMNOP"));
    EXPECT_EQ(SlotText(work.menus[1].item(0)), QStringLiteral("ABCDEFGHIJKLMNOP"));

    auto* transfer = Control<QCheckBox>(&page, "check104");
    Control<QCheckBox>(&page, "check105")->setChecked(true);
    Control<QCheckBox>(&page, "check102")->setChecked(true);
    EXPECT_TRUE(transfer->isChecked());
    EXPECT_FALSE(transfer->isEnabled());
    Control<QCheckBox>(&page, "check105")->setChecked(false);
    EXPECT_TRUE(transfer->isEnabled());
    Control<QCheckBox>(&page, "check102")->setChecked(false);
    EXPECT_FALSE(transfer->isChecked());
    EXPECT_FALSE(transfer->isEnabled());
    Control<QCheckBox>(&page, "check103")->setChecked(true);
    EXPECT_TRUE(transfer->isEnabled());
    EXPECT_FALSE(transfer->isChecked());

    Control<QPushButton>(&page, "button201")->click();
    item->setText("ABCDEFGHIJKLMNOPQ");
    EXPECT_EQ(item->text(), QStringLiteral("ABCDEFGHIJKL")); // every menu is large-font after 复位
}

TEST_F(EditorPages, OkAfterOnlyAMenuChangeKeepsItAndMarksTheProject)
{
    EditorSheet sheet(project, {});
    sheet.tabs()->setCurrentIndex(1);
    Control<QLineEdit>(sheet.page(1), "edit501")->setText("入库");
    Control<QCheckBox>(sheet.page(1), "check105")->setChecked(true);
    sheet.accept();
    EXPECT_EQ(SlotText(project.menus[0].item(0)), QStringLiteral("入库"));
    EXPECT_EQ(project.system.formFilesOn(), 1);
    EXPECT_TRUE(project.modified);
    EXPECT_EQ(sheet.page(2), nullptr); // pages never shown are never created
}

TEST_F(EditorPages, LookupRowsNumbersAndTheSeparatorMode)
{
    EditorWorkCopy work(project);
    LookupPage page(work);
    Control<QComboBox>(&page, "combo601")->setCurrentIndex(2);
    EXPECT_TRUE(Control<QLineEdit>(&page, "edit512")->isEnabled());
    EXPECT_FALSE(Control<QLineEdit>(&page, "edit513")->isEnabled());
    EXPECT_FALSE(Control<QRadioButton>(&page, "radio303")->isEnabled());

    auto* length = Control<QLineEdit>(&page, "edit511");
    length->setText("12");
    length->setText("251");
    EXPECT_EQ(work.lookups[0].fieldLength(0), 12);
    length->setText("k");
    EXPECT_EQ(length->text(), QStringLiteral("0"));
    EXPECT_EQ(work.lookups[0].fieldLength(0), 0);

    // 分隔符 over a fixed definition asks for the separator; without one the definition stays fixed.
    auto* separator = Control<QLineEdit>(&page, "edit519");
    auto* separated = Control<QRadioButton>(&page, "radio312");
    EXPECT_EQ(separator->text(), QStringLiteral("0"));
    separated->click();
    EXPECT_EQ(dialogs.prompts.size(), 1);
    EXPECT_TRUE(Control<QRadioButton>(&page, "radio311")->isChecked());
    EXPECT_EQ(work.lookups[0].separator(), 0);
    EXPECT_EQ(Control<QLabel>(&page, "static401")->text(), QStringLiteral("   长度"));
    dialogs.inputs = { QStringLiteral("44") };
    separated->click();
    EXPECT_TRUE(separated->isChecked());
    EXPECT_EQ(work.lookups[0].separator(), 44); // the number typed, not the code of "4"
    EXPECT_EQ(separator->text(), QStringLiteral("44"));
    EXPECT_EQ(Control<QLabel>(&page, "static401")->text(), QStringLiteral("最大长度"));
    separator->setText("0"); // no separator is no separator mode: the page shows what stays
    EXPECT_EQ(separator->text(), QStringLiteral("44"));
    EXPECT_EQ(work.lookups[0].separator(), 44);
    EXPECT_FALSE(Control<QLineEdit>(&page, "edit501")->isEnabled());
    length->setText("5");
    Control<QLineEdit>(&page, "edit512")->setText("10");
    page.apply(project);
    EXPECT_EQ(project.lookups[0].recordLength(), 16);
    EXPECT_EQ(project.lookups[0].fieldOffset(1), 7);

    Control<QPushButton>(&page, "button201")->click();
    EXPECT_EQ(work.lookups[0].separator(), 0);
    EXPECT_EQ(Control<QLabel>(&page, "static401")->text(), QStringLiteral("   长度"));
}

// The 23 bytes of a barcode block that is zero except for the given (byte, value) pairs.
std::array<uint8_t, 23> Bytes(std::initializer_list<std::pair<int, int>> set)
{
    std::array<uint8_t, 23> bytes {};
    for (const auto& [byte, value] : set)
        bytes[static_cast<std::size_t>(byte)] = static_cast<uint8_t>(value);
    return bytes;
}

TEST_F(EditorPages, BarcodePageControlsOwnTheirBits)
{
    project.barcode.bytes.fill(0);
    project.barcode.at(20) = 0x06; // the low nibble beside the scan mode stays
    project.barcode.at(11) = 0x20; // so does the reserved bit beside the redundancy
    EditorWorkCopy work(project);
    BarcodePage page(work);
    const struct {
        int id;
        int byte;
        int bit;
    } boxes[] = { { 101, 0, 0x80 }, { 102, 0, 0x40 }, { 103, 0, 0x20 }, { 104, 0, 0x10 }, { 105, 0, 0x08 },
        { 106, 0, 0x04 }, { 107, 0, 0x02 }, { 110, 0, 0x01 }, { 111, 1, 0x80 }, { 113, 1, 0x40 },
        { 114, 1, 0x20 }, { 115, 1, 0x10 }, { 116, 1, 0x08 }, { 117, 1, 0x04 }, { 118, 1, 0x02 },
        { 119, 1, 0x01 }, { 120, 2, 0x80 }, { 121, 2, 0x40 }, { 108, 2, 0x20 }, { 109, 2, 0x10 },
        { 123, 2, 0x04 }, { 122, 11, 0x10 } };
    for (const auto& box : boxes) {
        auto* check = Control<QCheckBox>(&page, QStringLiteral("check%1").arg(box.id));
        check->setChecked(true);
        page.apply(project);
        std::array<uint8_t, 23> expected = Bytes({ { 11, 0x20 }, { 20, 0x06 } });
        expected[static_cast<std::size_t>(box.byte)] |= static_cast<uint8_t>(box.bit);
        EXPECT_EQ(project.barcode.bytes, expected) << box.id;
        check->setChecked(false);
    }
    Control<QComboBox>(&page, "combo601")->setCurrentIndex(8); // Aiming
    Control<QComboBox>(&page, "combo602")->setCurrentIndex(3); // 三次
    // The time-out: a letter becomes "0", a number past the byte is shown and stored as 255.
    const struct {
        const char* typed;
        const char* shown;
        int stored;
    } timeouts[] = { { "x", "0", 0 }, { "300", "255", 255 }, { "200", "200", 200 } };
    auto* timeout = Control<QLineEdit>(&page, "edit501");
    for (const auto& t : timeouts) {
        timeout->setText(t.typed);
        EXPECT_EQ(timeout->text(), QString::fromLatin1(t.shown)) << t.typed;
        page.apply(project);
        EXPECT_EQ(project.barcode.scanTimeout(), t.stored) << t.typed;
    }
    EXPECT_EQ(project.barcode.bytes, Bytes({ { 11, 0x2C }, { 20, 0x86 }, { 21, 200 } }));
}

TEST_F(EditorPages, BarcodeChangesAreKeptByOkAndDroppedByCancel)
{
    const BarcodeSettings before = project.barcode;
    const auto code39Dialog = [this] {
        modal.steps.push_back(testsupport::ScriptedModal::closing(
            [](QDialog& d) { d.findChild<QCheckBox*>("check104")->setChecked(true); }));
    };
    {
        EditorSheet sheet(project, {});
        sheet.tabs()->setCurrentIndex(3);
        code39Dialog();
        Control<QPushButton>(sheet.page(3), "button201")->click();
        Control<QCheckBox>(sheet.page(3), "check110")->setChecked(false); // Code 93
        sheet.reject();
    }
    EXPECT_EQ(project.barcode.bytes, before.bytes) << "Cancel drops the dialog's change too";
    {
        EditorSheet sheet(project, {});
        sheet.tabs()->setCurrentIndex(3);
        Control<QCheckBox>(sheet.page(3), "check101")->setChecked(false); // Code 39
        Control<QPushButton>(sheet.page(3), "button224")->click(); // 复位 brings it back
        code39Dialog();
        Control<QPushButton>(sheet.page(3), "button201")->click();
        sheet.accept();
    }
    BarcodeSettings expected = before;
    expected.at(5) |= 0x10; // Code 39 全字符
    EXPECT_EQ(project.barcode.bytes, expected.bytes);
}

TEST_F(EditorPages, EachSymbologyControlSetsItsBitOnOkAndCancelSetsNone)
{
    // From a zero block, one control switched on: the bits OK sets in a byte. A dialog with a length
    // pair also writes the pair, fixed lengths 1 and 1, at its byte.
    struct Bit {
        const char* control;
        std::size_t byte;
        uint8_t bits;
    };
    const struct {
        const char* dialog;
        std::optional<std::size_t> pair;
        std::vector<Bit> bits;
    } kinds[] = {
        { "Code39Dlg", {},
            { { "check101", 5, 0x80 }, { "check102", 5, 0x40 }, { "check103", 5, 0x20 },
                { "check104", 5, 0x10 } } },
        { "ItalyPharmaDlg", {}, { { "check101", 5, 0x08 } } },
        { "FrenchPharmaDlg", {}, { { "check101", 5, 0x04 } } },
        { "Industrial25Dlg", 12,
            { { "check101", 6, 0x80 }, { "check102", 6, 0x40 }, { "radio302", 6, 0x01 },
                { "radio303", 6, 0x02 }, { "radio305", 12, 0x80 } } },
        { "Interleave25Dlg", 14,
            { { "check101", 5, 0x02 }, { "check102", 5, 0x01 }, { "radio302", 6, 0x04 },
                { "radio303", 6, 0x08 }, { "radio305", 14, 0x80 } } },
        { "Matrix25Dlg", 16,
            { { "check101", 6, 0x20 }, { "check102", 6, 0x10 }, { "radio302", 7, 0x40 },
                { "radio303", 7, 0x80 }, { "radio305", 16, 0x80 } } },
        { "CodabarDlg", {},
            { { "radio302", 7, 0x08 }, { "radio303", 7, 0x18 }, { "radio304", 7, 0x28 },
                { "radio305", 7, 0x38 } } },
        { "MSIDlg", 18,
            { { "radio302", 9, 0x40 }, { "radio303", 9, 0x80 }, { "radio305", 9, 0x10 },
                { "radio306", 9, 0x20 }, { "radio308", 18, 0x80 } } },
        { "PlesseyDlg", {}, { { "check101", 9, 0x04 }, { "check102", 9, 0x08 } } },
        { "UPCEDlg", {}, { { "check101", 9, 0x02 }, { "check102", 10, 0x02 }, { "check103", 10, 0x20 } } },
        { "EAN8Dlg", {}, { { "check101", 11, 0x80 }, { "check102", 10, 0x08 } } },
        { "EAN13Dlg", {},
            { { "check101", 10, 0x80 }, { "check102", 10, 0x40 }, { "check103", 10, 0x04 },
                { "check104", 10, 0x01 }, { "check105", 10, 0x10 }, { "check106", 9, 0x01 } } },
        { "TelepenDlg", {}, { { "radio301", 2, 0x02 } } },
    };
    for (const auto& kind : kinds) {
        for (const Bit& bit : kind.bits) {
            std::array<uint8_t, 23> expected {};
            if (kind.pair)
                expected[*kind.pair] = expected[*kind.pair + 1] = 1;
            expected[bit.byte] |= bit.bits;
            BarcodeSettings settings;
            SymbologyDlg dialog(Kind(kind.dialog), settings);
            Control<QAbstractButton>(&dialog, QString::fromLatin1(bit.control))->click();
            dialog.accept();
            EXPECT_EQ(settings.bytes, expected) << kind.dialog << " " << bit.control;
        }
    }
    for (const auto& [button, kind] : SymbologyKinds()) {
        BarcodeSettings settings;
        settings.bytes.fill(0xA5);
        const BarcodeSettings before = settings;
        SymbologyDlg dialog(kind, settings);
        for (QAbstractButton* control : dialog.findChildren<QAbstractButton*>()) {
            if (!qobject_cast<QPushButton*>(control))
                control->click();
        }
        dialog.reject();
        EXPECT_EQ(settings.bytes, before.bytes) << kind.dialog;
    }
}

TEST_F(EditorPages, LengthPairsCodabarAndTelepenAsTheDialogsShowThem)
{
    BarcodeSettings& s = project.barcode;
    {
        SymbologyDlg dialog(Kind("Industrial25Dlg"), s);
        Control<QRadioButton>(&dialog, "radio305")->click();
        Control<QLineEdit>(&dialog, "edit501")->setText("20");
        Control<QLineEdit>(&dialog, "edit502")->setText("30");
        dialog.accept();
    }
    EXPECT_EQ(s.lengthPair(BarcodeSettings::kIndustrial25Length).maxMin, true);
    EXPECT_EQ(s.lengthPair(BarcodeSettings::kIndustrial25Length).second, 20);
    {
        SymbologyDlg dialog(Kind("Interleave25Dlg"), s);
        Control<QLineEdit>(&dialog, "edit501")->setText("200");
        Control<QLineEdit>(&dialog, "edit502")->setText("");
        dialog.accept();
    }
    EXPECT_EQ(s.lengthPair(BarcodeSettings::kInterleave25Length).first, 127);
    EXPECT_EQ(s.lengthPair(BarcodeSettings::kInterleave25Length).second, 1);

    s.setLengthPair(BarcodeSettings::kMsiLength, { false, 10, 12 });
    SymbologyDlg msi(Kind("MSIDlg"), s);
    EXPECT_EQ(Control<QLabel>(&msi, "static401")->text(), QStringLiteral("固定长度 1:"));
    EXPECT_TRUE(Control<QRadioButton>(&msi, "radio307")->isChecked());

    {
        SymbologyDlg dialog(Kind("CodabarDlg"), s);
        Control<QRadioButton>(&dialog, "radio305")->click();
        dialog.accept();
    }
    EXPECT_EQ(s.bits(BarcodeSettings::kOptionsMatrixCodabar, 3, 3), 0b111u);
    {
        SymbologyDlg dialog(Kind("CodabarDlg"), s);
        EXPECT_TRUE(Control<QRadioButton>(&dialog, "radio305")->isChecked());
        Control<QRadioButton>(&dialog, "radio301")->click();
        dialog.accept();
    }
    EXPECT_EQ(s.bits(BarcodeSettings::kOptionsMatrixCodabar, 3, 3), 0u);

    s.setTelepenOriginal(1);
    SymbologyDlg telepen(Kind("TelepenDlg"), s);
    EXPECT_TRUE(Control<QRadioButton>(&telepen, "radio301")->isChecked());
}

} // namespace
