#pragma once
// Driving the stock windows in tests as a user would: controls by their names, clicks, the
// calendar, and the switch of user (换用户) while windows stay open.
#include "desktop/data/execsql.h"
#include "desktop/data/loginstate.h"
#include "desktop/frame/login.h"
#include "platform/grid/grid.h"
#include "tests/support/application.h"
#include "tests/support/files.h"
#include "tests/support/fixedclock.h"
#include "tests/support/pdfprinters.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testdatabase.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

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

inline platform::SheetModel& sheet(QWidget* form, const QString& grid = "Grid1")
{
    return child<platform::Grid>(form, grid)->sheet();
}

// Prints the order shown; the print copy's order number and item count ("2006081010001×2").
inline QString printedOrder(QWidget* form)
{
    click(form, "Command2_4");
    return sheet(form, "Grid2").cellText(1, 10) + "×" + QString::number(sheet(form, "Grid2").rows() - 2);
}

// Picks a day from the calendar the date box opens.
inline void pickDay(QWidget* form, const QDate& day)
{
    QTest::mouseClick(child<QLineEdit>(form, "Text3"), Qt::LeftButton);
    emit child<QCalendarWidget>(form, "MonthView1")->clicked(day);
}

// The booking fields of the stock-out or returns window: the first approver and, for a
// stock-out, the customer.
inline void fillBooking(QWidget* form, const QString& customer = {})
{
    child<QComboBox>(form, "Combo1_4")->setCurrentIndex(0);
    if (!customer.isEmpty())
        child<QComboBox>(form, "Combo2")->setEditText(customer);
}

// A stock window's test: the clerk at station 1 on a fixed day, dialogs that answer as scripted,
// printers that print to PDF files.
class WindowTest : public testsupport::DatabaseTest {
protected:
    static void SetUpTestSuite() { testsupport::ensureApp<QApplication>(); }

    void prepare() override
    {
        korvell::loginState().gyname = "系统管理员";
        korvell::loginState().station_no = "1";
    }

    template <typename Form> std::unique_ptr<Form> open()
    {
        auto form = std::make_unique<Form>();
        form->resize(1200, 760);
        form->show();
        return form;
    }

    testsupport::FixedClock clock { QDateTime(QDate(2006, 8, 10), QTime(9, 0)) };
    testsupport::ScriptedDialogs dialogs;
    QTemporaryDir printouts;
    testsupport::PdfPrinters printers { printouts.path() };
};

// Another user logs in at this station: of the administrator's group, or with rights "10".
inline korvell::LoginOutcome switchUserTo(const QString& user, bool lookOnly = false)
{
    EXPECT_TRUE(korvell::ExecSQL("insert into c_user_table (username,userpasswd,userlevel) select ?,'x',"
                                 "case when ? then 'look only' else userlevel end "
                                 "from c_user_table where username='系统管理员'",
        { user, lookOnly }));
    testsupport::writeFile(korvell::loginState().myapppath + "stationno.txt", "1\r\n");
    return korvell::attemptLogin(user, "x");
}

} // namespace stocktest
