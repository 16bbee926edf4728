// The database every backend gets: tables, column order (windows read "select *" by position),
// the item view and the seeded rows.
#include "data_rows.h"
#include "desktop/data/execsql.h"
#include "tests/support/testdatabase.h"

#include <sodium.h>

using namespace korvell;
using datatest::firstColumn;
using testsupport::rowCount;
using testsupport::scalar;

namespace {

QStringList columnsOf(const QString& table)
{
    const SqlResult result = ExecSQL("select * from " + table + " where 1=0");
    QStringList names;
    if (!result.rs)
        return { "<failed>" };
    for (int i = 0; i < result.rs->fieldCount(); ++i)
        names << result.rs->field(i).name;
    return names;
}

} // namespace

class Schema : public testsupport::DatabaseTest { };

TEST_P(Schema, ColumnsOfEveryTableInTheirOrder)
{
    const QList<std::pair<QString, QStringList>> tables = {
        { "c_proc_main",
            { "serialno", "count_num", "enter_date", "groupno", "proc_mod", "proc_mod1", "proc_weight",
                "proc_net_wt", "proc_emp", "proc_bz", "proc_jz", "sh_emp", "jy_emp", "op_emp", "rk_date",
                "station_no", "proc_sts", "ck_date", "ck_groupno", "ck_station_no", "ck_op_emp", "ck_comp",
                "ck_sh_emp", "tk_date", "tk_groupno", "tk_station_no", "tk_op_emp", "tk_sh_emp", "tk_yy" } },
        { "c_main_sts", { "sts_id", "sts_name" } },
        { "c_procname", { "procid", "procname", "procmsg", "nullweight" } },
        { "c_bzname", { "bzid", "bzname", "bzmsg", "bzdesc" } },
        { "c_jzname", { "jzid", "jzname", "jzmsg", "jzdesc" } },
        { "c_employee", { "emp_id", "emp_name", "bz_id", "jz_id", "emp_desc" } },
        { "c_custom", { "cust_name", "cust_man", "cust_phone", "cust_addr", "cust_desc" } },
        { "c_user_table", { "username", "userpasswd", "user_crt_date", "userlevel" } },
        { "c_usergroup", { "groupname", "progname", "groupauth1", "groupauth2" } },
        { "c_programgroup", { "programname", "programchname" } },
        { "c_log", { "logdate", "username", "logmsg" } },
        { "c_compmsg", { "compname", "compphone" } },
        { "c_reportname", { "reportname", "reportchname", "tablename", "reportsql" } },
        { "c_report_setup", { "reportname", "table_name", "field_name", "row_num", "col_num", "repeatnum" } },
        { "c_fieldname", { "tablename", "fieldname", "fieldchname" } },
    };
    for (const auto& [table, expected] : tables)
        EXPECT_EQ(columnsOf(table), expected) << table.toStdString();
}

TEST_P(Schema, ItemViewNamesEveryItemColumnInChinese)
{
    const QStringList view = columnsOf("proc_main");
    EXPECT_EQ(view.size(), columnsOf("c_proc_main").size());
    for (const char* name : { "毛重", "净重", "产品状态", "入库日期", "出库日期", "退库日期" })
        EXPECT_TRUE(view.contains(name)) << name;
    EXPECT_EQ(view.size(), QSet<QString>(view.begin(), view.end()).size());
}

TEST_P(Schema, ReportBindingColumnsAreWholeNumbers)
{
    ASSERT_TRUE(
        ExecSQL("insert into c_report_setup (reportname,table_name,field_name,row_num,col_num,repeatnum) "
                "values (?,?,?,?,?,?)",
            { "testreport", "serialno", "产品编号", 3, 1, 1 }));
    const SqlResult result = ExecSQL(
        "select row_num, col_num, repeatnum from c_report_setup where reportname=?", { "testreport" });
    ASSERT_TRUE(result.rs);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(result.rs->field(i).type, adInteger);
    EXPECT_EQ(result.rs->value("row_num").toInt(), 3);
}

TEST_P(Schema, WindowsThatAskForRightsAreRegistered)
{
    EXPECT_EQ(firstColumn("select programname from c_programgroup order by programname"),
        QStringList({ "bzform", "ckform", "employeeform", "jzform", "khform", "procform", "rkform", "tkform",
            "useraddmdo", "usergroup" }));
    EXPECT_EQ(firstColumn("select programchname from c_programgroup where programname=?", { "usergroup" }),
        QStringList({ "用户组设置维护" }));
    EXPECT_EQ(firstColumn("select programchname from c_programgroup where programname=?", { "rkform" }),
        QStringList({ "货物称重入库功能" }));
}

TEST_P(Schema, SevenStatusNamesAndTheCompany)
{
    EXPECT_EQ(firstColumn("select sts_id from c_main_sts order by sts_id"),
        QStringList({ "00", "01", "10", "20", "30", "31", "32" }));
    EXPECT_EQ(rowCount("c_main_sts", "sts_name is null or sts_name=''"), 0);
    EXPECT_EQ(rowCount("c_compmsg"), 1);
    EXPECT_FALSE(scalar("select compphone from c_compmsg").toString().isEmpty());
}

TEST_P(Schema, AdministratorHoldsEveryRightWithAHashedPassword)
{
    const SqlResult user = ExecSQL("select * from c_user_table where username=?", { "系统管理员" });
    ASSERT_TRUE(user.rs);
    ASSERT_EQ(user.rs->RecordCount(), 1);
    const QByteArray hash = user.rs->value("userpasswd").toString().toUtf8();
    ASSERT_GE(sodium_init(), 0);
    EXPECT_EQ(crypto_pwhash_str_verify(hash.constData(), "307452", 6), 0);
    EXPECT_NE(crypto_pwhash_str_verify(hash.constData(), "307453", 6), 0);

    const QString group = user.rs->value("userlevel").toString();
    // Every registered window is granted "1","1" through the join GetRights makes.
    EXPECT_EQ(rowCount("c_programgroup p",
                  "not exists (select 1 from c_user_table a, c_usergroup b where "
                  "a.username=? and a.userlevel=b.groupname and b.progname=p.programchname "
                  "and b.groupauth1='1' and b.groupauth2='1')",
                  { "系统管理员" }),
        0);
    EXPECT_EQ(rowCount("c_usergroup", "groupname=?", { group }), 10);
}

TEST_P(Schema, FieldDictionaryCoversTheItemTable)
{
    QStringList fields
        = firstColumn("select fieldname from c_fieldname where tablename=?", { "c_proc_main" });
    QStringList columns = columnsOf("c_proc_main");
    fields.sort();
    columns.sort();
    EXPECT_EQ(fields, columns);
    EXPECT_EQ(rowCount("c_fieldname", "fieldchname is null or fieldchname=''"), 0);
    for (const QString& field : fields)
        EXPECT_LE(field.size(), 15) << field.toStdString();
}

INSTANTIATE_BACKENDS(Schema);
