// The settings and startup pages and the system settings dialog, driven offscreen.
#include "generator/project/projectfile.h"
#include "generator/ui/editorsheet.h"
#include "generator/ui/settingspage.h"
#include "generator/ui/startuppage.h"
#include "tests/generator/ui/editorfixture.h"
#include "tests/support/files.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace vosket;

namespace {

using testsupport::Control;
using EditorSettings = testsupport::EditorTest;

TEST_F(EditorSettings, PasswordWarningsShowOnceAndTheCorrectedTextStands)
{
    const struct {
        const char* typed;
        bool paste;
        const char* left;
        const char* warning;
    } cases[] = {
        { "ab#c", false, "abc", "警告|无效字符!!!" },
        { "a-b-c", true, "abc", "警告|无效字符!!!" },
        { "abcdefghijk", false, "abcdefghij", "警告|密码过长!!!" },
        { "abcdefghij#", true, "abcdefghij", "警告|密码过长!!!" },
    };
    for (const auto& c : cases) {
        dialogs.messages.clear();
        EditorWorkCopy work(project);
        SettingsPage page(work);
        auto* edit = Control<QLineEdit>(&page, "edit501");
        if (c.paste)
            edit->setText(QString::fromUtf8(c.typed));
        else
            QTest::keyClicks(edit, QString::fromUtf8(c.typed));
        EXPECT_EQ(edit->text(), QString::fromUtf8(c.left)) << c.typed;
        EXPECT_EQ(dialogs.messages, QStringList { QString::fromUtf8(c.warning) }) << c.typed;
        EXPECT_EQ(SlotText(work.system.password()), QString::fromUtf8(c.left)) << c.typed;
    }
}

TEST_F(EditorSettings, SystemDialogEditsTheCopyAndCancelPutsItBack)
{
    EditorWorkCopy work(project);
    SettingsPage page(work);
    SystemSettings& s = work.system;
    const auto run = [&](std::function<void(QDialog&)> drive, bool ok) {
        modal.steps.push_back(testsupport::ScriptedModal::closing(std::move(drive), ok));
        Control<QPushButton>(&page, "button201")->click();
    };
    run([](QDialog& d) { Control<QComboBox>(&d, "combo603")->setCurrentIndex(3); }, false);
    EXPECT_EQ(s.linkBaud(), 0);
    run(
        [](QDialog& d) {
            auto* upload = Control<QComboBox>(&d, "combo601");
            auto* phone = Control<QLineEdit>(&d, "edit501");
            EXPECT_FALSE(phone->isEnabled());
            upload->setCurrentIndex(2);
            EXPECT_TRUE(phone->isEnabled());
            phone->setText("0123456789012345678912");
            EXPECT_EQ(phone->text().size(), 20);
            Control<QComboBox>(&d, "combo604")->setCurrentIndex(1);
            auto* backlight = Control<QLineEdit>(&d, "edit504");
            EXPECT_TRUE(backlight->isEnabled());
            backlight->setText("5");
            backlight->setText("12");
            auto* prompt = Control<QLineEdit>(&d, "edit506");
            Control<QRadioButton>(&d, "radio302")->click();
            EXPECT_FALSE(prompt->isEnabled());
            Control<QRadioButton>(&d, "radio301")->click();
            EXPECT_EQ(prompt->text(), QStringLiteral("0"));
            EXPECT_TRUE(prompt->isEnabled());
            Control<QComboBox>(&d, "combo606")->setCurrentIndex(0);
            EXPECT_FALSE(prompt->isEnabled());
            EXPECT_FALSE(Control<QRadioButton>(&d, "radio301")->isEnabled());
        },
        true);
    EXPECT_EQ(s.uploadPort(), 2);
    EXPECT_EQ(SlotText(s.phoneNumber()), QStringLiteral("01234567890123456789"));
    EXPECT_EQ(s.backlight(), 1);
    EXPECT_EQ(s.backlightOffTime(), 5); // 12 is past the bound
    EXPECT_EQ(s.promptDuration(), 0);
    EXPECT_EQ(s.recordPrompt(), 0);
    run([](QDialog& d) { Control<QLineEdit>(&d, "edit504")->setText("x"); }, true);
    EXPECT_EQ(s.backlightOffTime(), 1);
    EXPECT_EQ(modal.shown, 3);

    auto* fn = Control<QComboBox>(&page, "combo601");
    auto* function = Control<QComboBox>(&page, "combo602");
    fn->setCurrentIndex(3);
    function->setCurrentIndex(18);
    EXPECT_EQ(s.fnKey(3), 18);
    Control<QPushButton>(&page, "button203")->click();
    EXPECT_EQ(s.securityFlag(11), 1);
    Control<QPushButton>(&page, "button202")->click();
    EXPECT_EQ(fn->currentIndex(), 0);
    for (int k = 0; k < SystemSettings::kFnKeys; ++k) {
        fn->setCurrentIndex(k);
        EXPECT_EQ(function->currentText(), QStringLiteral("空")) << k;
    }
    EXPECT_FALSE(Control<QCheckBox>(&page, "check112")->isChecked());
    EXPECT_EQ(s.uploadPort(), 0);
}

TEST_F(EditorSettings, MenuSettingsAndStartupPagesShareTheSystemBytesInOneOk)
{
    project.system.bytes.fill(0xA5);
    project.messages.bytes.fill(0x5A);
    const Project before = project;
    EditorSheet sheet(project, {});
    ASSERT_EQ(sheet.tabs()->count(), 6);
    EXPECT_EQ(sheet.tabs()->tabText(5), QStringLiteral("启动"));
    sheet.tabs()->setCurrentIndex(1);
    Control<QCheckBox>(sheet.page(1), "check105")->setChecked(false); // each form's data to one file
    sheet.tabs()->setCurrentIndex(4);
    Control<QCheckBox>(sheet.page(4), "check101")->setChecked(false); // 设置 unprotected
    Control<QLineEdit>(sheet.page(4), "edit501")->setText("ab1");
    Control<QComboBox>(sheet.page(4), "combo601")->setCurrentIndex(2);
    Control<QComboBox>(sheet.page(4), "combo602")->setCurrentIndex(5); // FN+2: 浏览数据
    modal.steps.push_back(testsupport::ScriptedModal::closing(
        [](QDialog& d) { Control<QComboBox>(&d, "combo603")->setCurrentIndex(3); })); // 19200 bps
    Control<QPushButton>(sheet.page(4), "button201")->click();
    sheet.tabs()->setCurrentIndex(5);
    Control<QComboBox>(sheet.page(5), "combo690")->setCurrentIndex(0); // 窗体 1
    Control<QComboBox>(sheet.page(5), "combo601")->setCurrentIndex(1); // one separator
    sheet.accept();

    std::array<uint8_t, SystemSettings::kSize> expected = before.system.bytes;
    const std::pair<int, int> changed[] = { { 1, 0 }, { 3, 0 }, { 4, 0 }, { 28, 3 }, { 34, 0 }, { 46, 'a' },
        { 47, 'b' }, { 48, '1' }, { 49, 0 }, { 60, 5 }, { 68, 1 } };
    for (const auto& [offset, value] : changed)
        expected[static_cast<std::size_t>(offset)] = static_cast<uint8_t>(value);
    EXPECT_EQ(project.system.bytes, expected);
    EXPECT_EQ(project.messages.bytes, before.messages.bytes); // no text was changed
}

TEST_F(EditorSettings, StartupSeparatorsEchoEachOtherOnce)
{
    project.system.fieldSeparator(0) = 0;
    project.system.fieldSeparator(1) = ',';
    {
        EditorWorkCopy work(project);
        StartupPage page(work);
        EXPECT_EQ(Control<QComboBox>(&page, "combo601")->currentIndex(), 0);
        EXPECT_FALSE(Control<QLineEdit>(&page, "edit501")->isEnabled());
        page.apply(project);
        EXPECT_EQ(project.system.fieldSeparator(1), 0);
    }
    EditorWorkCopy work(project);
    StartupPage page(work);
    Control<QComboBox>(&page, "combo601")->setCurrentIndex(1);
    EXPECT_TRUE(Control<QLineEdit>(&page, "edit503")->isEnabled());
    EXPECT_FALSE(Control<QLineEdit>(&page, "edit504")->isEnabled());
    auto* ascii = Control<QLineEdit>(&page, "edit501");
    auto* text = Control<QLineEdit>(&page, "edit503");
    ascii->setText("59");
    EXPECT_EQ(text->text(), QStringLiteral(";"));
    ascii->setText("300");
    EXPECT_EQ(text->text(), QStringLiteral(";"));
    ascii->setText("k");
    EXPECT_EQ(ascii->text(), QStringLiteral("0"));
    EXPECT_EQ(text->text(), QString());
    text->setText("|x");
    EXPECT_EQ(text->text(), QStringLiteral("|"));
    EXPECT_EQ(ascii->text(), QStringLiteral("124"));
    page.apply(project);
    EXPECT_EQ(project.system.fieldSeparator(0), '|');
}

TEST_F(EditorSettings, StartupTextsKeepTheProjectsUntilTheFontIsToggled)
{
    SetSlotText(project.messages.slot(2, 0), QStringLiteral("工具一览"));
    project.system.allPromptsLarge() = 0;
    EditorWorkCopy work(project);
    StartupPage page(work);
    auto* groups = Control<QComboBox>(&page, "combo610");
    groups->activated(1);
    auto* line1 = Control<QLineEdit>(&page, "edit511");
    EXPECT_EQ(line1->text(), QStringLiteral("工具一览"));
    EXPECT_EQ(groups->currentText(), QStringLiteral("系统工具 (8x16)"));
    line1->setText("ABCDEFGHIJKLMNOPQ");
    EXPECT_EQ(line1->text(), QStringLiteral("ABCDEFGHIJKLMNOP"));
    EXPECT_EQ(Control<QLabel>(&page, "static417")->text(), QStringLiteral("7. 内存 & 电池"));

    auto* large = Control<QCheckBox>(&page, "check101");
    large->setChecked(true);
    EXPECT_EQ(groups->currentText(), QStringLiteral("系统工具 (8x12)"));
    EXPECT_EQ(line1->text(), QStringLiteral("1.系统设置  "));
    line1->setText("ABCDEFGHIJKLM");
    EXPECT_EQ(line1->text(), QStringLiteral("ABCDEFGHIJKL"));
    groups->activated(7);
    EXPECT_FALSE(Control<QLineEdit>(&page, "edit515")->isEnabled());
    large->setChecked(false);
    groups->activated(1);
    EXPECT_EQ(line1->text(), QStringLiteral("1.系统设置  ")); // the defaults, not the earlier edits

    page.apply(project);
    EXPECT_EQ(SlotText(project.messages.slot(2, 0)), QStringLiteral("1.系统设置  "));
    EXPECT_EQ(project.system.allPromptsLarge(), 0);
}

TEST_F(EditorSettings, ANewProjectsPageShowsLargeFontTextsThatATypedLineWrites)
{
    ASSERT_EQ(project.system.allPromptsLarge(), 1);
    SetSlotText(project.messages.slot(24, 1), QStringLiteral("太短了")); // 出错信息 line 2, typed
    EditorSheet sheet(project, {});
    sheet.tabs()->setCurrentIndex(5);
    Control<QComboBox>(sheet.page(5), "combo610")->activated(23);
    EXPECT_EQ(
        Control<QComboBox>(sheet.page(5), "combo610")->currentText(), QStringLiteral("出错信息 (5x12)"));
    EXPECT_EQ(Control<QLineEdit>(sheet.page(5), "edit511")->text(), QStringLiteral("类型错误!   "));
    EXPECT_EQ(Control<QLineEdit>(sheet.page(5), "edit512")->text(), QStringLiteral("太短了"));
    Control<QLineEdit>(sheet.page(5), "edit513")->setText(QStringLiteral("太长了"));
    sheet.accept();

    // A typed line writes every text as the page showed it.
    EXPECT_EQ(SlotText(project.messages.slot(24, 0)), QStringLiteral("类型错误!   "));
    EXPECT_EQ(SlotText(project.messages.slot(24, 1)), QStringLiteral("太短了"));
    EXPECT_EQ(SlotText(project.messages.slot(24, 2)), QStringLiteral("太长了"));
    EXPECT_EQ(SlotText(project.messages.slot(24, 5)), QStringLiteral("Press any key...")); // no large default
    EXPECT_EQ(SlotText(project.messages.slot(8, 0)), QStringLiteral("上传端口:   "));
    EXPECT_EQ(SlotText(project.messages.slot(26, 0)), QStringLiteral("F8:Ed F9:Del"));
    EXPECT_EQ(SlotText(project.messages.slot(1, 0)), QStringLiteral("1.收集数据  "));
}

TEST_F(EditorSettings, TheFontToggleReplacesOnlyLinesThatHaveALargeFontText)
{
    project.system.allPromptsLarge() = 0;
    SetSlotText(project.messages.slot(24, 5), QStringLiteral("按任意键...")); // typed, no large default
    const Project before = project;
    // Blocks and lines with no large-font text: 上传端口 5, 记录提示 5-6, 查看设置 7-8, 设置电话号码 3-4.
    const std::pair<int, int> kept[]
        = { { 8, 4 }, { 13, 4 }, { 13, 5 }, { 14, 6 }, { 14, 7 }, { 17, 2 }, { 17, 3 }, { 24, 5 } };
    EditorWorkCopy work(project);
    StartupPage page(work);
    auto* large = Control<QCheckBox>(&page, "check101");
    for (bool on : { true, false }) {
        large->setChecked(on);
        page.apply(project);
        for (const auto& [block, line] : kept)
            EXPECT_EQ(
                SlotBytes(project.messages.slot(block, line)), SlotBytes(before.messages.slot(block, line)))
                << on << " " << block << " " << line;
        EXPECT_EQ(SlotText(project.messages.slot(8, 0)),
            on ? QStringLiteral("上传端口:   ") : QStringLiteral("上传端口    "));
    }
    for (int block = 0; block < kMessageBlockCount; ++block) {
        for (int line = 0; line < kMessageBlocks[static_cast<std::size_t>(block)].slotCount; ++line)
            EXPECT_EQ(
                SlotText(project.messages.slot(block, line)), SlotText(before.messages.slot(block, line)));
    }
}

// Import then OK gives blocks 2 to 27 of the other file as they stand, whether they fit the font or
// not, with the bytes behind each NUL and a slot without one; a typed line changes its text alone.
TEST_F(EditorSettings, ImportThenOkWritesTheOtherFilesSlotsByteForByte)
{
    Project plain; // untouched: the large font with the small font's texts
    NewProject(plain);
    Project behind;
    behind.messages.bytes.fill(0xA5);
    NewProject(behind);
    std::ranges::fill(behind.messages.slot(1, 0), 'x');
    const auto texts = [](const Project& p) {
        return std::vector<uint8_t>(
            p.messages.bytes.begin() + kMessageBlocks[1].offset, p.messages.bytes.end());
    };
    QTemporaryDir folder;
    for (const Project* file : { &plain, &behind }) {
        for (const bool typed : { false, true }) {
            Project expected = *file;
            if (typed)
                SetSlotText(expected.messages.slot(1, 1), QStringLiteral("开始"));
            Project receiving;
            NewProject(receiving);
            dialogs.fileNames
                = { testsupport::writeFile(folder.filePath("OTHER.VSK"), ProjectFileBytes(*file)) };
            EditorSheet sheet(receiving, {});
            sheet.tabs()->setCurrentIndex(5);
            Control<QPushButton>(sheet.page(5), "button201")->click();
            if (typed)
                Control<QLineEdit>(sheet.page(5), "edit512")->setText(QStringLiteral("开始"));
            sheet.accept();
            EXPECT_EQ(texts(receiving), texts(expected)) << (file == &plain) << typed;
        }
    }
}

TEST_F(EditorSettings, AnImportOrAResetCountsAsAChangeAWrongFileChangesNothing)
{
    QTemporaryDir folder;
    Project other;
    NewProject(other);
    SetSlotText(other.messages.slot(22, 0), QStringLiteral("连接中"));
    other.system.allPromptsLarge() = 0;
    const QByteArray bytes = ProjectFileBytes(other);
    const QString good = testsupport::writeFile(folder.filePath("OTHER.VSK"), bytes);
    const QString wrong
        = testsupport::writeFile(folder.filePath("WRONG.VSK"), QByteArray("7400") + bytes.mid(4));

    TerminalTexts fitted = ReadTerminalTexts(project.messages); // texts that fit the large font
    FitTextsToFont(fitted, true);
    WriteTerminalTexts(fitted, project.messages);
    SetSlotText(project.messages.slot(22, 0), QStringLiteral("请稍候"));
    EditorWorkCopy work(project);
    StartupPage page(work);
    dialogs.fileNames = { wrong, good };
    EXPECT_EQ(page.ImportPromptsAndMessages(), 0);
    EXPECT_EQ(dialogs.messages, QStringList { QStringLiteral("错误|格式不匹配 !!!") });
    EXPECT_FALSE(work.textsChanged);
    EXPECT_TRUE(Control<QCheckBox>(&page, "check101")->isChecked());
    EXPECT_EQ(page.ImportPromptsAndMessages(), 1);
    EXPECT_FALSE(Control<QCheckBox>(&page, "check101")->isChecked());
    EXPECT_EQ(Control<QComboBox>(&page, "combo610")->itemText(7), QStringLiteral("上传端口 (6x16)"));
    EXPECT_EQ(page.ImportPromptsAndMessages(), 0); // cancelled
    page.apply(project);
    EXPECT_EQ(SlotText(project.messages.slot(22, 0)), QStringLiteral("连接中"));
    EXPECT_EQ(project.system.allPromptsLarge(), 0);

    SetSlotText(project.messages.slot(22, 0), QStringLiteral("请稍候"));
    project.system.fieldSeparator(0) = ';';
    project.system.startTarget() = 1;
    EditorWorkCopy resetWork(project);
    StartupPage reset(resetWork);
    Control<QPushButton>(&reset, "button202")->click();
    reset.apply(project);
    EXPECT_EQ(SlotText(project.messages.slot(22, 0)), QStringLiteral("正在连接... "));
    EXPECT_EQ(project.system.fieldSeparator(0), ',');
    EXPECT_EQ(project.system.startTarget(), 0);
    EXPECT_EQ(project.system.allPromptsLarge(), 0); // the font choice stays
}

} // namespace
