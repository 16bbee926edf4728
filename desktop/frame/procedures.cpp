#include "desktop/frame/procedures.h"

#include "desktop/data/execsql.h"
#include "desktop/data/loginstate.h"
#include "desktop/frame/exithook.h"
#include "platform/ui/clock.h"
#include "platform/ui/processes.h"

#include <cstdio>
#include <cstdlib>

namespace korvell {
namespace {

    ExitHook& installedExitHook()
    {
        static ExitHook hook;
        return hook;
    }

} // namespace

Rights GetRights(const QString& windowName)
{
    const Rights none(QStringLiteral("10"));
    const SqlResult program = ExecSQL(
        QStringLiteral("select programchname from c_programgroup where programname=?"), { windowName });
    if (!program)
        return Rights::unread();
    if (program.rs->eof())
        return none;
    const SqlResult group
        = ExecSQL(QStringLiteral("select * from c_user_table  a,c_usergroup b where a.username=? and "
                                 "a.userlevel=b.groupname and b.progname=?"),
            { loginState().gyname, program.rs->value(0) });
    if (!group)
        return Rights::unread();
    if (group.rs->eof())
        return none;
    // A Null right adds nothing to the code.
    return Rights(group.rs->value(QStringLiteral("groupauth1")).toString()
        + group.rs->value(QStringLiteral("groupauth2")).toString());
}

bool WriteLog(const QString& text)
{
    return WriteLog(text, loginState().gyname, platform::clock().now());
}

bool WriteLog(const QString& text, const QString& user, const QDateTime& when)
{
    return ExecSQL(QStringLiteral("insert into c_log (logdate,username,logmsg) values (?,?,?)"),
        { sqlDateTime(when), user, text })
        .ok;
}

bool ShellWait(const QString& program)
{
    return platform::processes().startAndWait(program, {});
}

ExitHook setExitHook(ExitHook hook)
{
    ExitHook previous = std::move(installedExitHook());
    installedExitHook() = std::move(hook);
    return previous;
}

void ExitSystem()
{
    WriteLog(QStringLiteral("退出系统"));
    if (installedExitHook())
        installedExitHook()();
    // No window is asked: the program ends here. Every statement is already committed.
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

} // namespace korvell
