#include "desktop/frame/passwordchange.h"

#include "desktop/data/execsql.h"
#include "desktop/data/loginstate.h"
#include "desktop/frame/passwords.h"
#include "desktop/frame/procedures.h"

namespace korvell {

PasswordChange changePassword(const QString& oldPassword, const QString& newPassword, const QString& again)
{
    const QString user = loginState().gyname;
    const SqlResult current
        = ExecSQL(QStringLiteral("select * from c_user_table  where username=?"), { user });
    if (!current)
        return PasswordChange::NotStored;
    if (current.rs->eof())
        return PasswordChange::UserMissing;
    const QVariant stored = current.rs->value(QStringLiteral("userpasswd"));

    if (!passwordMatches(stored, oldPassword))
        return PasswordChange::OldWrong;
    if (newPassword.trimmed() == oldPassword.trimmed())
        return PasswordChange::SameAsOld;
    if (newPassword.trimmed() != again.trimmed())
        return PasswordChange::Mismatch;

    const QString hashed = hashPassword(newPassword);
    if (hashed.isEmpty())
        return PasswordChange::NotStored;
    const SqlResult update = ExecSQL(
        QStringLiteral("update c_user_table  set userpasswd=? where username =?"), { hashed, user });
    if (!update)
        return PasswordChange::NotStored;
    if (update.rowsAffected == 0)
        return PasswordChange::UserMissing;
    WriteLog(QStringLiteral("修改操作员密码"));
    return PasswordChange::Changed;
}

} // namespace korvell
