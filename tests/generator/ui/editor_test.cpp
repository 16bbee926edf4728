// The editor sheet, the form page, its stamp and attribute dialogs and the code grid, driven
// offscreen through their controls.
#include "generator/project/gbk.h"
#include "generator/project/projectfile.h"
#include "generator/ui/advancedlg.h"
#include "generator/ui/codeedit.h"
#include "generator/ui/datetimestampdlg.h"
#include "generator/ui/editorsheet.h"
#include "generator/ui/formpage.h"
#include "generator/ui/griddlg.h"
#include "generator/ui/lookupadvancedlg.h"
#include "generator/ui/symbologydlg.h"
#include "tests/generator/ui/editorfixture.h"
#include "tests/support/demoproject.h"
#include "tests/support/files.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vosket;

namespace {

using testsupport::Control;
using Editor = testsupport::EditorTest;

TEST_F(Editor, OkWritesEveryCreatedPageThenNormalisesAndHandsOver)
{
    form(2).largeFont() = 0;
    form(2).lineType(6) = kLineText;
    int handedOver = 0;
    EditorSheet sheet(project, [&] {
        ++handedOver;
        // Forms are back and normalised before the layout and the simulator see them.
        EXPECT_EQ(form(2).lineType(6), kLineNone);
    });
    ASSERT_EQ(sheet.tabs()->tabText(0), QStringLiteral("窗体"));
    ASSERT_NE(sheet.page(0), nullptr);
    Control<QComboBox>(&sheet, "combo690")->activated(1);
    Control<QComboBox>(&sheet, "combo690")->setCurrentIndex(1);
    sheet.accept();
    EXPECT_EQ(handedOver, 1);
    EXPECT_TRUE(project.modified);
    EXPECT_EQ(form(2).largeFont(), 1); // a shown form is edited as a large-font form
}

TEST_F(Editor, CancelWritesNothingAndTheNextOpeningShowsTheProject)
{
    {
        EditorSheet sheet(project, {});
        Control<QLineEdit>(&sheet, "edit501")->setText("扫描");
        Control<QComboBox>(&sheet, "combo601")->setCurrentIndex(kLineText);
        sheet.reject();
    }
    EXPECT_FALSE(project.modified);
    EXPECT_EQ(SlotText(form(1).prompt(0)), QString());
    EditorSheet again(project, {});
    EXPECT_EQ(Control<QLineEdit>(&again, "edit501")->text(), QString());
    EXPECT_EQ(Control<QComboBox>(&again, "combo601")->currentIndex(), kLineNone);
}

TEST_F(Editor, OpeningEveryPageAndOkChangesNoByteOfANewProject)
{
    const QByteArray fresh = ProjectFileBytes(project);
    EditorSheet sheet(project, {});
    for (int page = 0; page < sheet.tabs()->count(); ++page)
        sheet.tabs()->setCurrentIndex(page);
    sheet.accept();
    EXPECT_EQ(ProjectFileBytes(project), fresh);
}

TEST_F(Editor, CancelAfterAnyEditOrDialogLeavesTheBytesAndOkWritesThem)
{
    using Step = testsupport::ScriptedModal::Step;
    const auto closing = [](std::function<void(QDialog&)> drive) {
        return testsupport::ScriptedModal::closing(std::move(drive));
    };
    const auto click = [](const char* name) {
        return [name](QWidget* page) { Control<QAbstractButton>(page, QString::fromLatin1(name))->click(); };
    };
    const auto type = [](const char* name, const char* text) {
        return [name, text](QWidget* page) {
            Control<QLineEdit>(page, QString::fromLatin1(name))->setText(QString::fromUtf8(text));
        };
    };
    QTemporaryDir folder;
    const QString textsFile = folder.filePath("TEXTS.VSK");
    const struct {
        const char* name;
        int page;
        std::vector<Step> dialogs; // for the modal dialogs the edit opens, in order
        std::function<void(QWidget*)> edit;
    } edits[] = {
        { "form prompt", 0, {}, type("edit501", "件数:") },
        { "stamp dialog", 0,
            { closing([](QDialog& d) { Control<QComboBox>(&d, "combo606")->setCurrentIndex(2); }) },
            click("button210") },
        { "attribute dialog", 0,
            { closing([](QDialog& d) { Control<QLineEdit>(&d, "edit502")->setText("9"); }) },
            click("button201") },
        { "code grid", 0,
            { closing([](QDialog& d) { Control<CodeEdit>(&d, "edit503")->openGrid(); }),
                closing([](QDialog& d) { dynamic_cast<GridDlg&>(d).clickCell(5, 2); }) },
            click("button201") },
        { "form reset", 0, {}, click("button211") },
        { "menu item", 1, {}, type("edit501", "入库") },
        { "menu reset", 1, {}, click("button201") },
        { "lookup length", 2, {}, type("edit509", "30") },
        { "lookup reset", 2, {}, click("button201") },
        { "symbology box", 3, {}, click("check110") },
        { "scan time-out", 3, {}, type("edit501", "9") },
        { "symbology dialog", 3, { closing([](QDialog& d) { Control<QCheckBox>(&d, "check104")->click(); }) },
            click("button201") },
        { "barcode reset", 3, {}, click("button224") },
        { "password", 4, {}, type("edit501", "ab1") },
        { "system settings", 4,
            { closing([](QDialog& d) { Control<QComboBox>(&d, "combo603")->setCurrentIndex(3); }) },
            click("button201") },
        { "settings reset", 4, {}, click("button202") },
        { "terminal text", 5, {}, type("edit511", "开始") },
        { "separator", 5, {}, type("edit501", "59") },
        { "large font", 5, {}, click("check101") },
        { "imported texts", 5, {},
            [&](QWidget* page) {
                dialogs.fileNames = { textsFile };
                click("button201")(page);
            } },
        { "startup reset", 5, {}, click("button202") },
    };
    // A project that differs from what every reset gives.
    testsupport::MakeDemoProject(project);
    project.barcode.at(0) ^= 0x01;
    project.lookups[0].recordLength() = 12;
    SetSlotText(project.system.password(), QStringLiteral("pw"));
    const Project base = project;
    Project other = base; // only its texts differ
    SetSlotText(other.messages.slot(22, 0), QStringLiteral("连接中"));
    testsupport::writeFile(textsFile, ProjectFileBytes(other));
    const auto run = [&](int page, const std::vector<Step>& dialogs,
                         const std::function<void(QWidget*)>& edit, bool ok) {
        project = base;
        EditorSheet sheet(project, {});
        sheet.tabs()->setCurrentIndex(page);
        modal.steps.assign(dialogs.begin(), dialogs.end());
        if (edit)
            edit(sheet.page(page));
        EXPECT_TRUE(modal.steps.empty());
        ok ? sheet.accept() : sheet.reject();
        return ProjectFileBytes(project);
    };
    const QByteArray unedited = run(0, {}, {}, true);
    for (const auto& e : edits) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(run(e.page, e.dialogs, e.edit, false), ProjectFileBytes(base));
        EXPECT_FALSE(project.modified);
        EXPECT_NE(run(e.page, e.dialogs, e.edit, true), unedited);
    }
}

TEST_F(Editor, FormPageShowsLargeFontFormsAndCutsPromptsInBytes)
{
    EditorWorkCopy work(project);
    FormPage page(work);
    EXPECT_EQ(Control<QComboBox>(&page, "combo691")->currentText(), QStringLiteral("大字体"));
    EXPECT_FALSE(Control<QComboBox>(&page, "combo691")->isEnabled());
    EXPECT_FALSE(Control<QComboBox>(&page, "combo605")->isEnabled());
    EXPECT_FALSE(Control<QPushButton>(&page, "button208")->isEnabled());

    auto* type = Control<QComboBox>(&page, "combo601");
    type->setCurrentIndex(kLineText);
    auto* prompt = Control<QLineEdit>(&page, "edit501");
    EXPECT_TRUE(prompt->isEnabled());
    prompt->setText(QStringLiteral("批号中文批号中"));
    EXPECT_EQ(prompt->text(), QStringLiteral("批号中文批号"));
    EXPECT_EQ(SlotBytes(work.forms[0].prompt(0)), ToGbk(QStringLiteral("批号中文批号")));

    auto* maximum = Control<QLineEdit>(&page, "edit521");
    maximum->setText("60");
    EXPECT_EQ(work.forms[0].maxLength(0), 50);
    maximum->setText("a");
    EXPECT_EQ(maximum->text(), QStringLiteral("0"));
    EXPECT_EQ(work.forms[0].maxLength(0), 0);
    type->setCurrentIndex(kLineBoolean);
    Control<QLineEdit>(&page, "edit511")->setText("7");
    EXPECT_EQ(work.forms[0].minLength(0), 1);
}

TEST_F(Editor, ATypeWithoutAttributesClearsOnlyItsOwnLine)
{
    for (int line : { 0, 1 }) {
        form(1).lineType(line) = kLineText;
        form(1).initialOn(line) = 1;
        SetSlotText(form(1).initialText(line), QStringLiteral("ab"));
        form(1).inputMark(line) = '*';
    }
    EditorWorkCopy work(project);
    FormPage page(work);
    Control<QComboBox>(&page, "combo602")->setCurrentIndex(kLinePrompt);
    EXPECT_FALSE(Control<QPushButton>(&page, "button202")->isEnabled());
    EXPECT_EQ(work.forms[0].initialOn(1), 0);
    EXPECT_EQ(SlotText(work.forms[0].initialText(1)), QString());
    EXPECT_EQ(work.forms[0].inputMark(1), 0);
    EXPECT_EQ(work.forms[0].inputMark(0), '*');
    EXPECT_EQ(SlotText(work.forms[0].initialText(0)), QStringLiteral("ab"));
}

TEST_F(Editor, MoreOpensTheDialogOfTheLinesTypeAndResetCoversAllForms)
{
    form(1).lineType(0) = kLineLookup;
    form(1).lineType(1) = kLineText;
    form(4).escapeTarget() = 12;
    EditorWorkCopy work(project);
    FormPage page(work);
    QStringList opened;
    const auto record = [&opened](QDialog& d) {
        opened << d.metaObject()->className();
        return static_cast<int>(QDialog::Rejected);
    };
    modal.steps = { record, record };
    Control<QPushButton>(&page, "button201")->click();
    Control<QPushButton>(&page, "button202")->click();
    EXPECT_EQ(opened, QStringList({ "vosket::LookupAdvanceDlg", "vosket::AdvanceDlg" }));
    EXPECT_EQ(work.lastLine, 1);

    Control<QComboBox>(&page, "combo690")->setCurrentIndex(3);
    Control<QComboBox>(&page, "combo690")->activated(3);
    Control<QPushButton>(&page, "button211")->click();
    EXPECT_EQ(work.currentForm, 0);
    EXPECT_EQ(Control<QComboBox>(&page, "combo690")->currentIndex(), 0);
    for (const FormRecord& f : work.forms) {
        EXPECT_EQ(f.escapeTarget(), 0);
        EXPECT_EQ(f.nextTarget(), 1);
        EXPECT_EQ(f.lineType(0), kLineNone);
    }
}

TEST_F(Editor, AttributeDialogsAdjustOnOpeningAndCancelRestoresEverything)
{
    form(1).lineType(0) = kLineText;
    form(1).partialMaxLength(0) = 0;
    form(1).inputMark(0) = '#';
    EditorWorkCopy work(project);
    const FormRecord before = work.forms[0];
    {
        AdvanceDlg dialog(work);
        EXPECT_EQ(Control<QLineEdit>(&dialog, "edit513")->text(), QStringLiteral("50"));
        EXPECT_TRUE(Control<QCheckBox>(&dialog, "check105")->isChecked());
        Control<QLineEdit>(&dialog, "edit514")->setText("ABCDEFG");
        EXPECT_EQ(Control<QLineEdit>(&dialog, "edit514")->text(), QStringLiteral("ABCDEF"));
        Control<QLineEdit>(&dialog, "edit501")->setText("300");
        dialog.reject();
    }
    EXPECT_EQ(work.forms[0].bytes, before.bytes);
    {
        AdvanceDlg dialog(work);
        Control<QCheckBox>(&dialog, "check105")->setChecked(false);
        Control<QLineEdit>(&dialog, "edit501")->setText("300"); // over a byte: the old value stays
        dialog.accept();
    }
    EXPECT_EQ(work.forms[0].partialMaxLength(0), 50);
    EXPECT_EQ(work.forms[0].partialStart(0), 1);
    EXPECT_EQ(work.forms[0].inputMark(0), 0);
    EXPECT_EQ(work.forms[0].fixedLength(0), before.fixedLength(0));
    AdvanceDlg reopened(work);
    EXPECT_FALSE(Control<QCheckBox>(&reopened, "check105")->isChecked());
    reopened.reject();

    work.forms[0].inputMark(0) = '#';
    LookupAdvanceDlg lookup(work);
    EXPECT_EQ(Control<QCheckBox>(&lookup, "check102")->isEnabled(), work.forms[0].initialOn(0) != 0);
    lookup.accept();
    EXPECT_EQ(work.forms[0].inputMark(0), 0);
}

// The text a caption shows: "&&" is one ampersand, a single "&" marks the next letter.
QString Shown(const QString& caption)
{
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && ++i == caption.size())
            break;
        shown += caption[i];
    }
    return shown;
}

TEST_F(Editor, CaptionsNameTheirControlsAndShowTheirAmpersands)
{
    form(1).lineType(0) = kLineText;
    EditorWorkCopy work(project);
    AdvanceDlg dialog(work);
    QStringList labelled;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->buddy())
            labelled << label->buddy()->objectName() + "=" + label->text();
    }
    labelled.sort();
    EXPECT_EQ(labelled, QStringList({ "combo615=自动换行", "edit512=起始位置", "edit513=最大长度" }));
    dialog.reject();

    SymbologyDlg msi(testsupport::Kind("MSIDlg"), project.barcode);
    EXPECT_EQ(Shown(Control<QRadioButton>(&msi, "radio303")->text()), QStringLiteral("模 11 & 10"));
}

TEST_F(Editor, StampDialogRewritesItsCaptionsAndCancelRestores)
{
    EditorWorkCopy work(project);
    DateTimeStampDlg dialog(work);
    Control<QComboBox>(&dialog, "combo606")->setCurrentIndex(2);
    Control<QComboBox>(&dialog, "combo602")->setCurrentIndex(1);
    auto* separator = Control<QLineEdit>(&dialog, "edit505");
    separator->setText("-.");
    EXPECT_EQ(separator->text(), QStringLiteral("-"));
    EXPECT_EQ(Control<QGroupBox>(&dialog, "group901")->title(), QStringLiteral("日期格式 : DD-MM-YY"));
    Control<QCheckBox>(&dialog, "check105")->setChecked(false);
    EXPECT_EQ(Control<QGroupBox>(&dialog, "group901")->title(), QStringLiteral("日期格式 : DDMMYY"));
    Control<QCheckBox>(&dialog, "check112")->setChecked(false);
    EXPECT_EQ(Control<QGroupBox>(&dialog, "group902")->title(), QStringLiteral("时间格式 : HH:SS"));
    dialog.reject();
    EXPECT_EQ(work.forms[0].bytes, project.forms[0].bytes);
}

TEST_F(Editor, CodeGridPicksInOrderUpToTen)
{
    form(1).lineType(0) = kLineText;
    form(1).prefix(0)[0] = 13;
    form(1).prefix(0)[1] = 10;
    EditorWorkCopy work(project);
    AdvanceDlg dialog(work);
    auto* prefix = Control<CodeEdit>(&dialog, "edit503");
    EXPECT_EQ(prefix->text(), QStringLiteral("[CR][LF]"));
    EXPECT_TRUE(prefix->isReadOnly());

    // Cancel after picking leaves text and codes.
    modal.steps.push_back(testsupport::ScriptedModal::closing(
        [](QDialog& d) { dynamic_cast<GridDlg&>(d).clickCell(5, 2); }, false));
    prefix->openGrid();
    EXPECT_EQ(prefix->text(), QStringLiteral("[CR][LF]"));
    EXPECT_EQ(dialog.prefixCodes()[2], 0);

    // Code 0 only moves the highlight; the eleventh pick is refused but still highlighted.
    modal.steps.push_back(testsupport::ScriptedModal::closing([](QDialog& d) {
        auto& grid = dynamic_cast<GridDlg&>(d);
        grid.clickCell(1, 1);
        EXPECT_EQ(grid.picks().count(), 2);
        for (int row = 2; row <= 10; ++row)
            grid.clickCell(5, row);
        EXPECT_EQ(grid.grid()->selectedCode(), 73);
        EXPECT_EQ(grid.picks().count(), 10);
        grid.clickCell(0, 4); // a heading
        EXPECT_EQ(grid.grid()->selectedCode(), 73);
    }));
    prefix->openGrid();
    EXPECT_EQ(dialogs.messages, QStringList({ "错误|字符太多 !!!" }));
    EXPECT_EQ(prefix->text(), QStringLiteral("[CR][LF][A][B][C][D][E][F][G][H]"));
    dialog.accept();
    EXPECT_EQ(SlotBytes(work.forms[0].prefix(0)), QByteArray("\r\nABCDEFGH"));

    // 清除 then 确定 empties the prefix.
    AdvanceDlg again(work);
    modal.steps.push_back(testsupport::ScriptedModal::closing(
        [](QDialog& d) { d.findChild<QPushButton*>("button201")->click(); }));
    Control<CodeEdit>(&again, "edit503")->openGrid();
    again.accept();
    EXPECT_EQ(SlotBytes(work.forms[0].prefix(0)), QByteArray());
}

} // namespace
