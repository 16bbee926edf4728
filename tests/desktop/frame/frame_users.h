#pragma once
// Users, log lines, a lost database and a caught ExitSystem for the frame's database tests.
#include "desktop/data/execsql.h"
#include "desktop/data/loginstate.h"
#include "desktop/frame/exithook.h"
#include "tests/support/files.h"
#include "tests/support/testdatabase.h"

#include <QTemporaryDir>

namespace frametest {

inline bool addUser(
    const QString& name, const QVariant& password, const QString& group = QStringLiteral("操作员"))
{
    return korvell::ExecSQL(
        QStringLiteral("insert into c_user_table (username,userpasswd,userlevel) values (?,?,?)"),
        { name, password, group })
        .ok;
}

inline QVariant storedPassword(const QString& name)
{
    return testsupport::scalar(
        QStringLiteral("select userpasswd from c_user_table where username=?"), { name });
}

// "user|text" of every log line, oldest first.
inline QStringList logLines()
{
    QStringList lines;
    const korvell::SqlResult result
        = korvell::ExecSQL(QStringLiteral("select username,logmsg from c_log order by logdate"));
    if (result)
        for (; !result.rs->eof(); result.rs->MoveNext())
            lines << result.rs->value(0).toString() + "|" + result.rs->value(1).toString();
    return lines;
}

inline void writeStationFile(const QString& folder, const QByteArray& content)
{
    testsupport::writeFile(folder + QStringLiteral("stationno.txt"), content);
}

struct ProgramEnded { };

// ExitSystem throws ProgramEnded instead of ending the test program while this lives.
class CatchExit {
public:
    CatchExit()
    {
        previous = korvell::setExitHook([] { throw ProgramEnded {}; });
    }
    ~CatchExit() { korvell::setExitHook(std::move(previous)); }
    CatchExit(const CatchExit&) = delete;
    CatchExit& operator=(const CatchExit&) = delete;

private:
    korvell::ExitHook previous;
};

// A fresh database per test; whoever a test logged in is forgotten after it.
class FrameDatabaseTest : public testsupport::DatabaseTest {
protected:
    void TearDown() override
    {
        const QString folder = korvell::loginState().myapppath;
        korvell::loginState() = korvell::LoginState();
        korvell::loginState().myapppath = folder;
        DatabaseTest::TearDown();
    }
};

// Points the program folder at an empty folder, so every statement fails; restores it at the end.
class DatabaseGone {
public:
    DatabaseGone()
        : previous(korvell::loginState().myapppath)
    {
        korvell::loginState().myapppath = empty.path() + '/';
        korvell::resetConnection();
    }
    ~DatabaseGone() { back(); }
    void back()
    {
        korvell::loginState().myapppath = previous;
        korvell::resetConnection();
    }

private:
    QTemporaryDir empty;
    QString previous;
};

} // namespace frametest
