// The shell's commands and its save question, through the dialogs seam, on real project files.
#include "generator/link/linkenvironment.h"
#include "generator/project/projectfile.h"
#include "generator/ui/commands.h"
#include "generator/ui/shell.h"
#include "tests/support/files.h"
#include "tests/support/scripteddialogs.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

using platform::Answer;
using namespace vosket;

namespace {

const QString Question = QStringLiteral("Zentravox7300应用程序产生器|保存当前程序 ?");

class VosketShell : public ::testing::Test {
protected:
    Shell shell { ShellHooks {
        .openEditor = [this] { ++editorOpened; },
        .resetSimulator = [this] { ++counterResets; },
        .transferRunning = [this](bool running) { transfers.push_back(running); },
        .comSettings = [this] { ++comSettingsShown; },
        .aboutBox = [this] { ++aboutShown; },
        .close = [this] { ++closed; },
    } };
    Project& project = shell.project();
    testsupport::ScriptedDialogs dialogs;
    QTemporaryDir folder;
    int editorOpened = 0;
    int counterResets = 0;
    std::vector<bool> transfers;
    int comSettingsShown = 0;
    int aboutShown = 0;
    int closed = 0;

    QString file(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }

    // A project with an edit in it, as the editor leaves it after OK.
    void edit(const QString& path)
    {
        project.path = path;
        project.comm.baudIndex() = 3;
        project.modified = true;
    }
};

} // namespace

TEST_F(VosketShell, NewAsksOnlyForModifiedWorkAndEndsInTheEditor)
{
    shell.dispatch(CmdNew);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(editorOpened, 1);
    EXPECT_EQ(counterResets, 1);

    edit(file("kept.VSK"));
    dialogs.answers = { Answer::No };
    shell.dispatch(CmdNew);
    EXPECT_EQ(dialogs.messages, QStringList { Question });
    EXPECT_EQ(editorOpened, 2);
    EXPECT_EQ(counterResets, 2);
    EXPECT_TRUE(project.path.isEmpty());
    EXPECT_FALSE(project.modified);
    EXPECT_FALSE(QFile::exists(file("kept.VSK"))) << "No saves nothing";
    EXPECT_EQ(project.comm.baudIndex(), 3) << "the COM settings survive a new project";
}

TEST_F(VosketShell, CancelToTheQuestionKeepsTheProjectAndOpensNothing)
{
    edit(file("mine.VSK"));
    for (int command : { int(CmdNew), int(CmdOpen) }) {
        dialogs.answers = { Answer::Cancel };
        shell.dispatch(command);
        EXPECT_EQ(project.path, file("mine.VSK"));
        EXPECT_TRUE(project.modified);
    }
    EXPECT_EQ(dialogs.messages.size(), 2);
    EXPECT_TRUE(dialogs.fileDialogs.isEmpty());
    EXPECT_EQ(editorOpened, 0);
    EXPECT_EQ(counterResets, 0);
}

TEST_F(VosketShell, YesSavesANamedProjectBeforeNew)
{
    edit(file("named.VSK"));
    dialogs.answers = { Answer::Yes };
    shell.dispatch(CmdNew);
    EXPECT_EQ(testsupport::readFile(file("named.VSK")).size(), qsizetype(kProjectFileSize));
    EXPECT_TRUE(project.path.isEmpty());
    EXPECT_EQ(editorOpened, 1);
}

TEST_F(VosketShell, OpenAfterCancelledSaveAndCancelledOpenLeavesANewUnnamedProject)
{
    edit(QString());
    dialogs.answers = { Answer::Yes };
    dialogs.fileNames = { QString(), QString() }; // the save dialog, then the open dialog
    shell.dispatch(CmdOpen);
    EXPECT_EQ(dialogs.fileDialogs.size(), 2);
    EXPECT_TRUE(project.path.isEmpty());
    EXPECT_FALSE(project.modified);
    EXPECT_EQ(counterResets, 1);
    EXPECT_EQ(editorOpened, 0);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(VosketShell, SaveAsksForANameOnceAndOpenReadsItBackButNoOtherFormat)
{
    edit(QString());
    shell.dispatch(CmdSave);
    EXPECT_TRUE(project.modified) << "a cancelled save changes nothing";
    EXPECT_TRUE(project.path.isEmpty());
    dialogs.fileNames = { file("first") };
    shell.dispatch(CmdSave);
    EXPECT_EQ(dialogs.fileDialogs.size(), 2) << "a new project asks for a file name";
    EXPECT_EQ(project.path, file("first.VSK"));
    EXPECT_FALSE(project.modified);

    project.modified = true;
    shell.dispatch(CmdSave);
    EXPECT_EQ(dialogs.fileDialogs.size(), 2) << "a named project is written in place";
    EXPECT_FALSE(project.modified);

    project.modified = true;
    dialogs.fileNames = { QString() };
    shell.dispatch(CmdSaveAs);
    EXPECT_TRUE(project.modified) << "a cancelled save-as changes nothing";
    EXPECT_EQ(project.path, file("first.VSK"));

    dialogs.fileNames = { file("second.vsk") };
    shell.dispatch(CmdSaveAs);
    EXPECT_FALSE(project.modified);
    EXPECT_EQ(project.path, file("second.vsk"));

    project.comm.baudIndex() = 0;
    dialogs.fileNames = { file("first.VSK") };
    shell.dispatch(CmdOpen);
    EXPECT_EQ(project.path, file("first.VSK"));
    EXPECT_EQ(project.comm.baudIndex(), 3);
    EXPECT_FALSE(project.modified);
    EXPECT_EQ(editorOpened, 1);
    EXPECT_EQ(counterResets, 1);

    shell.dispatch(CmdOpen);
    EXPECT_TRUE(project.path.isEmpty()) << "a cancelled open leaves the project unnamed";
    EXPECT_TRUE(dialogs.messages.isEmpty());

    dialogs.fileNames = { testsupport::writeFile(
        file("other.VSK"), QByteArray("7300-2.00") + QByteArray(kProjectFileSize, '\0')) };
    shell.dispatch(CmdOpen);
    EXPECT_EQ(dialogs.messages, QStringList { QStringLiteral("错误|格式不匹配 !!!") });
    EXPECT_TRUE(project.path.isEmpty()) << "a later save must not overwrite the rejected file";
    EXPECT_EQ(editorOpened, 1) << "nor does another format open the editor";
}

TEST_F(VosketShell, AFailedSaveStopsNewOpenAndCloseSoTheWorkIsKept)
{
    const QString unwritable = file("missing-folder/work.VSK");
    for (int command : { int(CmdNew), int(CmdOpen) }) {
        edit(unwritable);
        dialogs.messages.clear();
        dialogs.answers = { Answer::Yes };
        shell.dispatch(command);
        ASSERT_EQ(dialogs.messages.size(), 2);
        EXPECT_TRUE(dialogs.messages.at(1).startsWith(QStringLiteral("错误|")))
            << dialogs.messages.at(1).toStdString();
        EXPECT_TRUE(project.modified);
        EXPECT_EQ(project.path, unwritable);
        EXPECT_EQ(project.comm.baudIndex(), 3);
    }
    EXPECT_TRUE(dialogs.fileDialogs.isEmpty());
    EXPECT_EQ(editorOpened, 0);
    EXPECT_EQ(counterResets, 0);

    dialogs.answers = { Answer::Yes };
    EXPECT_FALSE(shell.mayDropProject());
    // The same failure after a name typed into the save dialog of an unnamed project.
    edit(QString());
    dialogs.answers = { Answer::Yes };
    dialogs.fileNames = { unwritable };
    EXPECT_FALSE(shell.mayDropProject());
}

namespace {

// Records what the seam is asked in full: buttons, icon, file filters and default extension.
class RecordingDialogs final : public platform::Dialogs {
public:
    RecordingDialogs() { previous = platform::setDialogs(this); }
    ~RecordingDialogs() override { platform::setDialogs(previous); }

    Answer answer = Answer::Cancel;
    QStringList asked;

    Answer message(
        const QString& text, const QString& title, platform::Buttons buttons, platform::Icon icon) override
    {
        asked << QStringLiteral("message %1|%2 buttons %3 icon %4")
                     .arg(title, text)
                     .arg(int(buttons))
                     .arg(int(icon));
        return answer;
    }
    std::optional<QString> input(const QString&, const QString&, const QString&) override { return {}; }
    QString openFileName(const QString& title, const QString& folder, const QString& filter) override
    {
        asked << QStringLiteral("open '%1' '%2' %3").arg(title, folder, filter);
        return {};
    }
    QString saveFileName(
        const QString& title, const QString& folder, const QString& filter, const QString& suffix) override
    {
        asked << QStringLiteral("save '%1' '%2' %3 suffix %4").arg(title, folder, filter, suffix);
        return {};
    }

private:
    platform::Dialogs* previous = nullptr;
};

} // namespace

TEST(VosketShellDialogs, TheQuestionAndTheFileDialogsAreThoseOfTheGenerator)
{
    Shell shell { ShellHooks {} };
    RecordingDialogs asked;
    shell.project().modified = true;
    asked.answer = Answer::Yes;
    shell.dispatch(CmdOpen);
    EXPECT_EQ(asked.asked,
        (QStringList {
            QStringLiteral("message Zentravox7300应用程序产生器|保存当前程序 ? buttons %1 icon %2")
                .arg(int(platform::Buttons::YesNoCancel))
                .arg(int(platform::Icon::Warning)),
            QStringLiteral("save '' '' Application Generator (*.VSK) suffix VSK"),
            QStringLiteral("open '' '' 应用程序产生器文件 (*.VSK);;所有文件 (*.*)"),
        }));
}

TEST_F(VosketShell, CommandsThatNeedAWindowGoToTheirHooks)
{
    shell.dispatch(CmdEdit);
    shell.dispatch(CmdComSettings);
    shell.dispatch(CmdAbout);
    shell.dispatch(CmdExit);
    EXPECT_EQ(editorOpened, 1);
    EXPECT_EQ(comSettingsShown, 1);
    EXPECT_EQ(aboutShown, 1);
    EXPECT_EQ(closed, 1);

    edit(file("x.VSK"));
    for (int unknown : { 0, 1000, 1011, 3022, 9999 })
        shell.dispatch(unknown);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(project.modified);
    EXPECT_EQ(editorOpened, 1);
}

// Behind the chosen port sits a terminal that never answers: the cradle commands fail in the
// cradle's set-up, the IrDA commands in the protocol, so each command shows which adapter it used.
TEST_F(VosketShell, DownloadsAndCollectionsUseTheirAdapterOnTheChosenPort)
{
    int terminal = -1;
    int port = -1;
    ASSERT_EQ(openpty(&terminal, &port, nullptr, nullptr, nullptr), 0);
    qputenv("VOSKET_COM2", ptsname(terminal));
    LinkEnvironment& link = programLinkEnvironment();
    const LinkTiming normal = link.timing;
    link.timing = LinkTiming { .replyMs = 20, .recordMs = 20, .adapterStepMs = 2 };
    project.comm.portIndex() = 1;
    edit(project.path);
    testsupport::writeFile(file("lookup.txt"), "A001,1\r\n");

    auto messagesOf = [&](int command) {
        dialogs.messages.clear();
        dialogs.fileNames = { command >= CmdDownloadLookupIrda ? file("lookup.txt") : file("collected.txt") };
        shell.dispatch(command);
        return dialogs.messages;
    };
    const QStringList cradleDownload { QStringLiteral("错误|设置IR设备失败!") };
    EXPECT_EQ(messagesOf(CmdDownloadProgramCradle), cradleDownload);
    EXPECT_EQ(messagesOf(CmdDownloadLookupCradle), cradleDownload);
    EXPECT_EQ(messagesOf(CmdCollectCradle), QStringList { QStringLiteral("错误|不能设置IR设备!") });
    // over IrDA the handshake goes unanswered and the download offers a retry
    for (int command : { int(CmdDownloadProgramIrda), int(CmdDownloadLookupIrda) }) {
        const QStringList shown = messagesOf(command);
        EXPECT_EQ(shown.filter(QStringLiteral("IR设备")), QStringList());
        EXPECT_EQ(shown.value(shown.size() - 1), QStringLiteral("错误|下载失败, 要重试吗?"));
    }
    EXPECT_EQ(messagesOf(CmdCollectIrda).value(0), QStringLiteral("错误|超时!"));
    EXPECT_TRUE(project.modified) << "the link leaves the modified flag alone";
    const std::vector<bool> bracketed { true, false, true, false, true, false, true, false, true, false, true,
        false };
    EXPECT_EQ(transfers, bracketed) << "the simulator is told of every transfer, start and end";

    link.timing = normal;
    qunsetenv("VOSKET_COM2");
    ::close(port);
    ::close(terminal);
}
