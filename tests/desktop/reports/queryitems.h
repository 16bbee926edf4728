#pragma once
// Items in every status around the day boundary 2026-9-30 / 2026-10-1, with Null weights, and
// team codes holding "_", "%" and a quote; log entries around midnight; users, employees, teams.
#include "desktop/data/execsql.h"

#include <QDate>
#include <QDateTime>
#include <gtest/gtest.h>

namespace querytest {

struct Item {
    const char* serial;
    const char* status;
    QDate rk;
    const char* model;
    const char* spec;
    QVariant gross, net;
    const char* team; // nullptr: Null
    const char* producer;
    QDate ck = {};
    const char* ckOrder = "";
    const char* ckApprover = nullptr;
    QDate tk = {};
    const char* tkOrder = "";
};

inline const QDate sep30(2026, 9, 30), oct1(2026, 10, 1);

inline void insertFixture()
{
    const QVariant null;
    const Item items[] = {
        { "S01", "00", sep30, "A1", "0.35", 10.5, 10.0, "10", "E01" },
        { "S02", "01", oct1, "A1", "0.35", 20.25, 19.75, "10", "E01" },
        { "S03", "10", oct1, "B2", "1.2", 30, 29, "1_", "E02", oct1, "CK1", "审核甲" },
        { "S04", "20", oct1, "B2", "1.2", null, null, "1%", "E02" },
        { "S05", "30", QDate(2026, 10, 2), "A1", "0.35", 5, 4.5, "20", "E01" },
        { "S06", "31", QDate(2026, 9, 29), "A1", "0.35", 6, 5.5, "10", "E01", oct1, "CK2", nullptr },
        { "S07", "32", sep30, "B2", "1.2", 7, 6.5, "x'q", "E02", sep30, "CK0", "审核甲", oct1, "TK1" },
        { "S08", "00", oct1, "A1", "0.35", null, 7, nullptr, "E01" },
        { "S09", "00", QDate(2026, 9, 1), "B2", "1.2", 1, 1, "10", "E01", oct1, "", "审核甲" },
    };
    for (const Item& i : items) {
        ASSERT_TRUE(korvell::ExecSQL(
            "insert into c_proc_main (serialno,groupno,proc_mod,proc_mod1,proc_weight,proc_net_wt,proc_emp,"
            "proc_bz,proc_jz,op_emp,rk_date,proc_sts,ck_date,ck_groupno,ck_op_emp,ck_sh_emp,ck_comp,tk_date,"
            "tk_groupno,tk_op_emp,tk_sh_emp,enter_date) values "
            "(?,'R1',?,?,?,?,?,?,'J1','张三',?,?,?,?,'李四',?,"
            "'公司''A',?,?,'王五','审核甲',?)",
            { i.serial, i.model, i.spec, i.gross, i.net, i.producer, i.team ? QVariant(i.team) : null,
                korvell::sqlDate(i.rk), i.status, i.ck.isValid() ? korvell::sqlDate(i.ck) : null, i.ckOrder,
                i.ckApprover ? QVariant(i.ckApprover) : null, i.tk.isValid() ? korvell::sqlDate(i.tk) : null,
                i.tkOrder, korvell::sqlDateTime(QDateTime(i.rk, QTime(8, 30))) })
                        .ok)
            << i.serial;
    }
    const std::pair<QDateTime, const char*> log[] = {
        { QDateTime(sep30, QTime(23, 59, 59)), "前一天" },
        { QDateTime(oct1, QTime(0, 0, 0)), "零点" },
        { QDateTime(oct1, QTime(12, 0)), "中午" },
        { QDateTime(QDate(2026, 10, 2), QTime(9, 0)), "第二天" },
    };
    for (const auto& [at, text] : log)
        ASSERT_TRUE(korvell::ExecSQL("insert into c_log (logdate,username,logmsg) values (?,'张三',?)",
            { korvell::sqlDateTime(at), text })
                        .ok);
    for (const char* sql : {
             "insert into c_employee (emp_id,emp_name,bz_id) values ('E01','王工','10')",
             "insert into c_employee (emp_id,emp_name,bz_id) values ('E1001','检验员','1001')",
             "insert into c_employee (emp_id,emp_name,bz_id) values ('E100201','审核甲','1002')",
             "insert into c_bzname (bzid,bzname) values ('10','甲班')",
             "insert into c_procname (procid,procname) values ('A1','0.35')",
             "insert into c_user_table (username,userpasswd) values ('李四','$argon2id$secret')",
         })
        ASSERT_TRUE(korvell::ExecSQL(sql).ok) << sql;
}

} // namespace querytest
