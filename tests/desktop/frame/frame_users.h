#pragma once
// Users and log lines for the frame's database tests.
#include "desktop/data/execsql.h"
#include "desktop/data/loginstate.h"
#include "tests/support/testdatabase.h"

#include <QFile>

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
    QFile file(folder + QStringLiteral("stationno.txt"));
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

// Points the program folder at a folder without a database, so every statement fails; restores
// it at the end.
class DatabaseGone {
public:
    explicit DatabaseGone(const QString& emptyFolder)
        : previous(korvell::loginState().myapppath)
    {
        korvell::loginState().myapppath = emptyFolder + '/';
        korvell::resetConnection();
    }
    ~DatabaseGone() { back(); }
    void back()
    {
        korvell::loginState().myapppath = previous;
        korvell::resetConnection();
    }

private:
    QString previous;
};

} // namespace frametest
