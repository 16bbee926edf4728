#pragma once
// Items put straight into c_proc_main, the way earlier weighings or other stations left them.
#include "desktop/data/dsn.h"
#include "desktop/data/execsql.h"
#include "desktop/data/loginstate.h"
#include "tests/support/testdatabase.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <gtest/gtest.h>

namespace stocktest {

struct Item {
    QString serialno;
    QString groupno;
    QString station = "1";
    QString status = "30";
    QDate day = QDate(2006, 8, 10);
    double gross = 12.34;
    double net = 11.84;
    qint64 count_num = 10001;
    QDateTime entered = QDateTime(QDate(2006, 8, 10), QTime(8, 0));
    QString weigher = "张三";
    QString ck_groupno = "";
    QString ck_station = "";
    QString tk_groupno = "";
    QString tk_station = "";
};

inline bool insertItem(const Item& i)
{
    return korvell::ExecSQL(
        "insert into c_proc_main (serialno,count_num,enter_date,groupno,proc_mod,proc_mod1,proc_weight,"
        "proc_net_wt,op_emp,rk_date,station_no,proc_sts,ck_groupno,ck_date,ck_station_no,tk_groupno,"
        "tk_date,tk_station_no) values (?,?,?,?,'A1','0.35',?,?,?,?,?,?,?,?,?,?,?,?)",
        { i.serialno, i.count_num, korvell::sqlDateTime(i.entered), i.groupno, i.gross, i.net, i.weigher,
            korvell::sqlDate(i.day), i.station, i.status, i.ck_groupno, korvell::sqlDate(i.day), i.ck_station,
            i.tk_groupno, korvell::sqlDate(i.day), i.tk_station })
        .ok;
}

// An item of stock-in order 2006081010001 on stock-out order ck and return order tk, both of
// station 1; without a count it takes the one after the count given last.
inline bool orderItem(const QString& serial, const QString& status, const QString& ck = {},
    const QString& tk = {}, qint64 count = 0)
{
    static qint64 last = 10000;
    last = count ? count : last + 1;
    return insertItem({ .serialno = serial,
        .groupno = "2006081010001",
        .status = status,
        .count_num = last,
        .ck_groupno = ck,
        .ck_station = "1",
        .tk_groupno = tk,
        .tk_station = "1" });
}

inline QString columnOf(const QString& col, const QString& serial)
{
    return testsupport::scalar("select " + col + " from c_proc_main where serialno=?", { serial }).toString();
}

// From now on every update of the item fails: SQLite refuses it (its words hold a "%1"), PostgreSQL
// ends the session in the middle of it, as a stopped server or a cut network would. No quotes.
inline bool failUpdatesOf(const QString& serial)
{
    if (korvell::currentBackend() == korvell::Backend::SQLite)
        return korvell::ExecSQL("create trigger giving_way before update on c_proc_main when new.serialno='"
            + serial + "' begin select raise(abort, 'quota %1'); end")
            .ok;
    return korvell::ExecSQL("create function giving_way() returns trigger as $$ begin if new.serialno='"
               + serial
               + "' then perform pg_terminate_backend(pg_backend_pid()); perform pg_sleep(1); end if; "
                 "return new; end $$ language plpgsql")
               .ok
        && korvell::ExecSQL("create trigger giving_way before update on c_proc_main for each row execute "
                            "function giving_way()")
               .ok;
}

inline bool stopFailingUpdates()
{
    if (korvell::currentBackend() == korvell::Backend::SQLite)
        return korvell::ExecSQL("drop trigger giving_way").ok;
    return korvell::ExecSQL("drop trigger giving_way on c_proc_main").ok
        && korvell::ExecSQL("drop function giving_way()").ok;
}

// On PostgreSQL, a server that is lost stays away until this ends: nd.dsn points at a port where
// nothing listens, so reconnecting fails at once. The connection already open goes on working.
class ServerStaysAway {
public:
    ServerStaysAway()
        : dsn(korvell::loginState().myapppath + "nd.dsn")
        , keys(korvell::readDsnKeys(dsn))
    {
        if (korvell::currentBackend() != korvell::Backend::PostgreSQL)
            return;
        korvell::DsnKeys away = keys;
        for (auto& [key, value] : away)
            if (key.compare("PORT", Qt::CaseInsensitive) == 0)
                value = "1";
        EXPECT_TRUE(korvell::writeDsnKeys(dsn, away));
    }
    ~ServerStaysAway() { back(); }
    void back()
    {
        EXPECT_TRUE(korvell::writeDsnKeys(dsn, keys));
        korvell::resetConnection();
    }

private:
    QString dsn;
    korvell::DsnKeys keys;
};

inline QString statusOf(const QString& serial)
{
    const auto r = korvell::ExecSQL("select proc_sts from c_proc_main where serialno=?", { serial });
    if (!r || !r.rs || r.rs->eof())
        return "gone";
    return r.rs->value(0).toString().trimmed();
}

} // namespace stocktest
