// The menu, lookup and barcode pages and the symbology dialogs, driven offscreen.
#include "generator/link/projectlink.h"
#include "generator/project/gbk.h"
#include "generator/project/programimage.h"
#include "generator/ui/barcodepage.h"
#include "generator/ui/editorsheet.h"
#include "generator/ui/lookuppage.h"
#include "generator/ui/menupage.h"
#include "generator/ui/symbologydlg.h"
#include "tests/generator/ui/findcontrol.h"
#include "tests/generator/ui/widgetapp.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/scriptedmodal.h"
#include "tests/support/simterminal.h"

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

class EditorPages : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testsupport::ensureWidgetApplication(); }
    void SetUp() override
    {
        NewProject(project);
        ResetBarcodeSettings(project.barcode);
    }

    Project project;
    EditorWorkCopy work;
    testsupport::ScriptedModal modal;
    testsupport::ScriptedDialogs dialogs;
};

TEST_F(EditorPages, MenuItemsFollowTheFontAndTransferItsRule)
{
    project.menus[1].largeFont() = 0;
    MenuPage page(work, project);
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
    LookupPage page(work, project);
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

TEST_F(EditorPages, BarcodeOkWritesOnlyThePagesBitsAndDialogsSurviveCancel)
{
    {
        EditorSheet sheet(project, {});
        sheet.tabs()->setCurrentIndex(3);
        const BarcodeSettings before = project.barcode;
        Control<QCheckBox>(sheet.page(3), "check110")->setChecked(false); // Code 93
        auto* timeout = Control<QLineEdit>(sheet.page(3), "edit501");
        timeout->setText("t");
        EXPECT_EQ(timeout->text(), QStringLiteral("0"));
        timeout->setText("300"); // past the byte: shown and stored as 255
        EXPECT_EQ(timeout->text(), QStringLiteral("255"));
        sheet.accept();
        BarcodeSettings expected = before;
        expected.setEnabled(Symbology::Code93, false);
        expected.scanTimeout() = 255;
        EXPECT_EQ(project.barcode.bytes, expected.bytes);
    }
    EditorSheet sheet(project, {});
    sheet.tabs()->setCurrentIndex(3);
    modal.steps.push_back([](QDialog& d) {
        d.findChild<QCheckBox*>("check104")->setChecked(true);
        d.accept();
        return static_cast<int>(QDialog::Accepted);
    });
    Control<QPushButton>(sheet.page(3), "button201")->click();
    sheet.reject();
    EXPECT_EQ(project.barcode.bits(BarcodeSettings::kOptions39, 4), 1u);
}

TEST_F(EditorPages, EditedBarcodeSettingsAndMenusReachTheTerminal)
{
    {
        EditorSheet sheet(project, {});
        sheet.tabs()->setCurrentIndex(1);
        Control<QLineEdit>(sheet.page(1), "edit501")->setText("出库");
        sheet.tabs()->setCurrentIndex(3);
        Control<QCheckBox>(sheet.page(3), "check110")->setChecked(false); // Code 93
        Control<QCheckBox>(sheet.page(3), "check108")->setChecked(true); // MSI
        sheet.accept();
    }
    linktest::PtyPair pty;
    qputenv("VOSKET_COM1", pty.slavePath.toLocal8Bit());
    linktest::SimTerminal terminal(pty, linktest::SimBehaviour {});
    project.comm.portIndex() = 0;
    const int sent = DownloadToTerminal(project, 0, 0);
    terminal.stop();
    qunsetenv("VOSKET_COM1");
    ASSERT_EQ(sent, 1) << dialogs.messages.join('|').toStdString();
    ASSERT_GE(terminal.image.size(), kImageMenusOffset + MenuRecord::kSize);
    const std::vector<uint8_t> barcode(terminal.image.begin(), terminal.image.begin() + BarcodeSettings::kSize);
    EXPECT_EQ(barcode, std::vector<uint8_t>(project.barcode.bytes.begin(), project.barcode.bytes.end()));
    BarcodeSettings received;
    std::copy(barcode.begin(), barcode.end(), received.bytes.begin());
    EXPECT_FALSE(received.enabled(Symbology::Code93));
    EXPECT_TRUE(received.enabled(Symbology::Msi));
    const QByteArray item = ToGbk(QStringLiteral("出库"));
    const auto start = terminal.image.begin() + kImageMenusOffset + MenuRecord::kItemTexts;
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(&*start), item.size()), item);
}

TEST_F(EditorPages, EachSymbologyDialogWritesOnlyItsOwnBitsOnOk)
{
    for (const auto& [button, kind] : SymbologyKinds()) {
        BarcodeSettings settings;
        settings.bytes.fill(0xA5);
        const BarcodeSettings before = settings;
        {
            SymbologyDlg dialog(kind, settings);
            for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
                box->toggle();
            dialog.reject();
        }
        EXPECT_EQ(settings.bytes, before.bytes) << kind.dialog;
        SymbologyDlg dialog(kind, settings);
        for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
            box->toggle();
        for (QRadioButton* radio : dialog.findChildren<QRadioButton*>())
            radio->click();
        dialog.accept();
        for (const SymbologyCheck& c : kind.checks)
            EXPECT_NE(settings.bits(c.byte, c.bit), before.bits(c.byte, c.bit)) << kind.dialog << " " << c.id;
        // A dialog of check boxes alone changes exactly their bits.
        if (kind.groups.empty() && !kind.lengths) {
            BarcodeSettings expected = before;
            for (const SymbologyCheck& c : kind.checks)
                expected.setBits(c.byte, c.bit, 1, before.bits(c.byte, c.bit) ^ 1u);
            EXPECT_EQ(settings.bytes, expected.bytes) << kind.dialog;
        }
    }
}

TEST_F(EditorPages, LengthPairsCodabarAndTelepenAsTheDialogsShowThem)
{
    const auto kind = [](const char* name) -> const SymbologyKind& {
        for (const auto& entry : SymbologyKinds()) {
            if (QString::fromLatin1(entry.second.dialog) == name)
                return entry.second;
        }
        throw std::logic_error(name);
    };
    BarcodeSettings& s = project.barcode;
    {
        SymbologyDlg dialog(kind("Industrial25Dlg"), s);
        Control<QRadioButton>(&dialog, "radio305")->click();
        Control<QLineEdit>(&dialog, "edit501")->setText("20");
        Control<QLineEdit>(&dialog, "edit502")->setText("30");
        dialog.accept();
    }
    EXPECT_EQ(s.lengthPair(BarcodeSettings::kIndustrial25Length).maxMin, true);
    EXPECT_EQ(s.lengthPair(BarcodeSettings::kIndustrial25Length).second, 20);
    {
        SymbologyDlg dialog(kind("Interleave25Dlg"), s);
        Control<QLineEdit>(&dialog, "edit501")->setText("200");
        Control<QLineEdit>(&dialog, "edit502")->setText("");
        dialog.accept();
    }
    EXPECT_EQ(s.lengthPair(BarcodeSettings::kInterleave25Length).first, 127);
    EXPECT_EQ(s.lengthPair(BarcodeSettings::kInterleave25Length).second, 1);

    s.setLengthPair(BarcodeSettings::kMsiLength, { false, 10, 12 });
    SymbologyDlg msi(kind("MSIDlg"), s);
    EXPECT_EQ(Control<QLabel>(&msi, "static401")->text(), QStringLiteral("固定长度 1:"));
    EXPECT_TRUE(Control<QRadioButton>(&msi, "radio307")->isChecked());

    {
        SymbologyDlg dialog(kind("CodabarDlg"), s);
        Control<QRadioButton>(&dialog, "radio305")->click();
        dialog.accept();
    }
    EXPECT_EQ(s.bits(BarcodeSettings::kOptionsMatrixCodabar, 3, 3), 0b111u);
    {
        SymbologyDlg dialog(kind("CodabarDlg"), s);
        EXPECT_TRUE(Control<QRadioButton>(&dialog, "radio305")->isChecked());
        Control<QRadioButton>(&dialog, "radio301")->click();
        dialog.accept();
    }
    EXPECT_EQ(s.bits(BarcodeSettings::kOptionsMatrixCodabar, 3, 3), 0u);

    s.setTelepenOriginal(1);
    SymbologyDlg telepen(kind("TelepenDlg"), s);
    EXPECT_TRUE(Control<QRadioButton>(&telepen, "radio301")->isChecked());
}

} // namespace
