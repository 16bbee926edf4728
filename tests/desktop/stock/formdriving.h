#pragma once
// Driving the stock windows in tests as a user would: controls by their names, clicks, and the
// switch of user (换用户) while windows stay open.
#include "desktop/data/execsql.h"
#include "desktop/data/loginstate.h"
#include "desktop/frame/login.h"
#include "tests/support/files.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QWidget>
#include <gtest/gtest.h>

namespace stocktest {

template <typename T> T* child(QWidget* form, const QString& name)
{
    T* w = form->findChild<T*>(name);
    EXPECT_TRUE(w) << name.toStdString();
    return w;
}

inline void click(QWidget* form, const QString& name)
{
    child<QAbstractButton>(form, name)->click();
}

inline bool enabled(QWidget* form, const QString& name)
{
    return child<QAbstractButton>(form, name)->isEnabled();
}

inline QString text(QWidget* form, const QString& name)
{
    return child<QLineEdit>(form, name)->text();
}

// Another user of the administrator's group logs in at this station.
inline korvell::LoginOutcome switchUserTo(const QString& user)
{
    EXPECT_TRUE(
        korvell::ExecSQL("insert into c_user_table (username,userpasswd,userlevel) select ?,'x',userlevel "
                         "from c_user_table where username='系统管理员'",
            { user }));
    testsupport::writeFile(korvell::loginState().myapppath + "stationno.txt", "1\r\n");
    return korvell::attemptLogin(user, "x");
}

} // namespace stocktest
