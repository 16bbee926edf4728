#include "generator/project/projectfile.h"
#include "tests/generator/project/newatstart.h"
#include "tests/support/files.h"
#include "tests/support/filesizelimit.h"
#include "tests/support/scripteddialogs.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <random>

using namespace vosket;
using testsupport::NewAtStart;

namespace {

QByteArray RandomBytes(qsizetype n, unsigned seed)
{
    std::mt19937 rng(seed);
    QByteArray out(n, '\0');
    for (char& c : out)
        c = static_cast<char>(rng());
    return out;
}

const QByteArray kTag("7300-1.00\0", 10);

class ProjectFile : public ::testing::Test {
protected:
    QTemporaryDir dir;
    testsupport::ScriptedDialogs dialogs;
    Project project = NewAtStart();
    const QByteArray newBytes = ProjectFileBytes(NewAtStart());

    QString path(const QString& name) const { return dir.filePath(name); }

    // Opens bytes from a file the way "打开..." does: defaults first, then the file.
    bool openBytes(const QByteArray& bytes)
    {
        testsupport::writeFile(path("in.VSK"), bytes);
        project = NewAtStart();
        return OpenProjectFile(project, path("in.VSK"));
    }
};

} // namespace

TEST_F(ProjectFile, SaveWritesExactly18942BytesAndReopensUnchanged)
{
    project.modified = true;
    ASSERT_TRUE(SaveProjectAsFile(project, path("a")));
    EXPECT_EQ(project.path, path("a.VSK"));
    EXPECT_FALSE(project.modified);
    const QByteArray first = testsupport::readFile(path("a.VSK"));
    EXPECT_EQ(first.size(), 18942);
    EXPECT_EQ(first, newBytes);

    Project reopened = NewAtStart();
    ASSERT_TRUE(OpenProjectFile(reopened, path("a.VSK")));
    EXPECT_EQ(reopened.path, path("a.VSK"));
    ASSERT_TRUE(SaveProjectAsFile(reopened, path("b.VSK")));
    EXPECT_EQ(testsupport::readFile(path("b.VSK")), first);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(ProjectFile, AFileUnderTheExtendedNameIsReplacedOnlyWhenTheUserAgrees)
{
    testsupport::writeFile(path("x.txt.VSK"), "keep");
    project.modified = true;
    dialogs.answers = { platform::Answer::No };
    EXPECT_FALSE(SaveProjectAsFile(project, path("x.txt")));
    EXPECT_EQ(testsupport::readFile(path("x.txt.VSK")), QByteArray("keep"));
    EXPECT_TRUE(project.path.isEmpty()) << "refusing is like cancelling the dialog";
    EXPECT_TRUE(project.modified);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith("警告|")) << dialogs.messages[0].toStdString();

    dialogs.answers = { platform::Answer::Yes };
    ASSERT_TRUE(SaveProjectAsFile(project, path("x.txt")));
    EXPECT_EQ(testsupport::readFile(path("x.txt.VSK")).size(), 18942);
    EXPECT_FALSE(QFile::exists(path("x.txt")));
    EXPECT_EQ(dialogs.messages.size(), 2);
}

TEST_F(ProjectFile, EveryByteBehindTheTagSurvivesARoundTrip)
{
    const QByteArray body = RandomBytes(18942 - 10, 7);
    ASSERT_TRUE(openBytes(kTag + body));
    const QByteArray saved = ProjectFileBytes(project);
    ASSERT_EQ(saved.size(), 18942);
    EXPECT_EQ(saved.left(10), kTag);
    EXPECT_EQ(saved.mid(10, 18832), body.left(18832)); // every block, reserved bytes included
    EXPECT_EQ(saved.mid(18842), QByteArray(100, '\0')); // the tail is never read, written as zeros
}

TEST_F(ProjectFile, TheTenthTagByteIsNotCompared)
{
    // The tag is compared as a string whose 10th byte is taken as its NUL.
    EXPECT_TRUE(openBytes(QByteArray("7300-1.00X") + newBytes.mid(10)));
    EXPECT_EQ(ProjectFileBytes(project), newBytes);
}

TEST_F(ProjectFile, AFileThatCannotBeTakenLeavesANewUnnamedProject)
{
    const QByteArray other = RandomBytes(18942, 3);
    const QString mismatch = QStringLiteral("错误|格式不匹配 !!!");
    const struct {
        const char* name;
        QByteArray bytes; // of the file opened, unless one is named
        QString file;
        QString message;
    } cases[] = {
        { "another version", QByteArray("7300-1.01\0", 10) + other.mid(10), {}, mismatch },
        { "wrong first byte", QByteArray("X300-1.00\0", 10) + other.mid(10), {}, mismatch },
        { "tag ends early", QByteArray("7300-1.0\0\0", 10) + other.mid(10), {}, mismatch },
        { "empty", QByteArray(), {}, mismatch },
        { "shorter than the tag", QByteArray("7300-1.00"), {}, mismatch },
        { "missing, without a message", {}, path("missing.VSK"), {} },
        // Reading a process's memory file from offset 0 fails with an I/O error.
        { "unreadable", {}, QStringLiteral("/proc/self/mem"), QStringLiteral("错误|读取文件出错 !!!") },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.messages.clear();
        project.path = QStringLiteral("/old/name.VSK");
        EXPECT_FALSE(OpenProjectFile(
            project, c.file.isEmpty() ? testsupport::writeFile(path("in.VSK"), c.bytes) : c.file));
        EXPECT_EQ(dialogs.messages, c.message.isEmpty() ? QStringList() : QStringList { c.message });
        EXPECT_EQ(ProjectFileBytes(project), newBytes);
        EXPECT_TRUE(project.path.isEmpty());
    }
}

TEST_F(ProjectFile, AShortFileLoadsWhatItHasWithAWarning)
{
    Project source = NewAtStart();
    source.menus[0].largeFont() = 0;
    source.forms[0].nextTarget() = 7;
    source.forms[1].nextTarget() = 9; // behind the cut
    const QByteArray full = ProjectFileBytes(source);

    // Cut in the middle of form 1: menus and the first part of form 1 are taken.
    const qsizetype cut = 3535 + 600;
    ASSERT_TRUE(openBytes(full.left(cut)));
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.value(0).startsWith(QStringLiteral("警告|")));
    EXPECT_EQ(project.path, path("in.VSK"));
    const QByteArray loaded = ProjectFileBytes(project);
    EXPECT_EQ(loaded.left(cut), full.left(cut));
    EXPECT_EQ(loaded.mid(cut), newBytes.mid(cut));
    EXPECT_EQ(project.menus[0].largeFont(), 0);
    EXPECT_EQ(project.forms[0].nextTarget(), 7);
    EXPECT_EQ(project.forms[1].nextTarget(), 2);

    // The tag alone: a new project, still taken.
    dialogs.messages.clear();
    EXPECT_TRUE(openBytes(kTag));
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(ProjectFileBytes(project), newBytes);
}

TEST_F(ProjectFile, ALongerFileIsReadOnlyAsFarAsTheSettings)
{
    Project source = NewAtStart();
    source.system.promptDuration() = 42;
    ASSERT_TRUE(openBytes(ProjectFileBytes(source) + RandomBytes(5000, 1)));
    EXPECT_EQ(project.system.promptDuration(), 42);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST(ProjectFileName, TheExtensionRule)
{
    // Only ASCII letters count: the long s folds to 's' in Unicode but is not one here.
    const std::pair<QString, QString> names[] = { { "/d/x", "/d/x.VSK" }, { "/d/x.txt", "/d/x.txt.VSK" },
        { "/d/.vSk", "/d/.vSk" }, { "x.vsk", "x.vsk" }, { "x.VSK", "x.VSK" }, { "x.VSKX", "x.VSKX.VSK" },
        { "x_vsk", "x_vsk.VSK" }, { "vsk", "vsk.VSK" }, { "x.v\u017Fk", "x.v\u017Fk.VSK" } };
    for (const auto& [name, withExtension] : names)
        EXPECT_EQ(WithProjectExtension(name), withExtension) << name.toStdString();
}

TEST_F(ProjectFile, ALongPathIsNoProblem)
{
    QString folder = dir.path();
    for (int i = 0; i < 6; ++i)
        folder += QLatin1Char('/') + QString(60, QLatin1Char('d' + i));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString name = folder + QStringLiteral("/项目");
    ASSERT_GT(name.size(), 300);
    ASSERT_TRUE(SaveProjectAsFile(project, name));
    Project reopened = NewAtStart();
    EXPECT_TRUE(OpenProjectFile(reopened, name + QStringLiteral(".VSK")));
    EXPECT_EQ(reopened.path.size(), name.size() + 4);
}

TEST_F(ProjectFile, AFailedSaveKeepsTheOldFileAndModified)
{
    const QString target = path("keep.VSK");
    const QByteArray old = RandomBytes(18942, 11);
    testsupport::writeFile(target, old);
    project.path = target;
    project.modified = true;

    // A full disk, made by a file-size limit below the file's size.
    const bool written = testsupport::withFileSizeLimit(4096, [this] { return WriteProjectFile(project); });

    EXPECT_FALSE(written);
    EXPECT_TRUE(project.modified);
    EXPECT_EQ(testsupport::readFile(target), old);
    EXPECT_EQ(dialogs.messages,
        QStringList { QStringLiteral("错误|保存文件失败 !!!\n") + QDir::toNativeSeparators(target) });
    EXPECT_EQ(
        QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { QStringLiteral("keep.VSK") })
        << "no temporary file is left behind";
}

TEST_F(ProjectFile, ASaveWhereNothingCanBeWrittenFailsAndKeepsTheOldFile)
{
    // /proc accepts no new files, and /proc/version can be neither replaced nor written, whoever asks.
    const QByteArray version = testsupport::readFile(QStringLiteral("/proc/version"));
    ASSERT_FALSE(version.isEmpty());
    const std::function<bool()> saves[] = {
        [this] { return SaveProjectAsFile(project, path("no/such/folder/x")); },
        [this] { return SaveProjectAsFile(project, QStringLiteral("/proc/vosket-test")); },
        [this] {
            project.path = QStringLiteral("/proc/version");
            return WriteProjectFile(project);
        },
    };
    project.modified = true;
    for (qsizetype i = 0; i < std::ssize(saves); ++i) {
        EXPECT_FALSE(saves[i]()) << i;
        EXPECT_TRUE(project.modified);
        EXPECT_EQ(dialogs.messages.size(), i + 1);
    }
    EXPECT_EQ(testsupport::readFile(QStringLiteral("/proc/version")), version);
}
