// The query windows of the program as shipped (every library korvell links, in one program),
// driven as a user drives them, against figures computed here by SQL of this test's own that
// uses no LIKE and sums whole hundredths: prefix filters typed into the boxes, letters of either
// case, "_" as a character, the combined query's 包含 with a second condition, decimal sums.
#include "apps/korvell/korvellwindows.h"
#include "desktop/frame/windowregistry.h"
#include "desktop/reports/kcqueryform.h"
#include "desktop/reports/querywindow.h"
#include "platform/grid/grid.h"
#include "tests/support/application.h"
#include "tests/support/testdatabase.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <cmath>

using namespace korvell;

namespace {

const QDate day1(2026, 3, 2), day2(2026, 3, 3);

struct Item {
    const char *serial, *model, *spec, *gross, *net, *team, *machine, *weigher, *producer, *status;
    QDate rk;
    const char *ckOrder = "", *ckClerk = nullptr, *ckApprover = nullptr;
    QDate ck = {};
    const char *tkOrder = "", *tkClerk = nullptr, *tkApprover = nullptr;
    QDate tk = {};
};

// Weights whose sums a binary double misses (12.34 + 20.2 + ...); codes in both cases, with "_".
const Item items[] = {
    { "S1", "Ma", "0.5", "12.34", "11.84", "T_1", "J_1", "op_1", "E_1", "00", day1 },
    { "S2", "Ma", "0.5", "10.1", "9.6", "TX1", "JX1", "opX", "EX1", "00", day1 },
    { "S3", "Mb", "1.2", "20.2", "19.7", "T_1", "J_1", "op_1", "E_1", "10", day2, "CK_1", "ck_1", "审核_甲",
        day2 },
    { "S4", "mA", "0.5", "0.3", "0.1", "t_2", "j_2", "OP_1", "e_1", "10", day2, "ck_x", "CK_1", "审核_甲",
        day2 },
    { "S5", "Mb", "1.2", "5.55", "5.05", "T_1", "JX1", "opX", "E_1", "01", day2, "CK_1", "ck_1", "审核_甲",
        day1, "TK_1", "tk_1", "退_审", day2 },
    { "S6", "Ma", "0.5", "7.77", "7.27", nullptr, "J_1", "op_1", "E_1", "30", day2 },
    { "S7", "Mb", "1.2", "3.3", "2.2", "TX2", "J_2", "op_2", "E_2", "32", day2, "CK_2", "ck_2", "审核_乙",
        day2, "tk_9", "TK_1", "退_审", day2 },
    { "s8", "mb", "1.2", "0.1", "0.2", "t_1", "j_1", "op_1", "e_1", "00", day2 },
};

// Items of the filter lists that a typed prefix would complete to.
const char* const lists[] = {
    "insert into c_procname (procid,procname) values ('Ma','0.5')",
    "insert into c_procname (procid,procname) values ('Mb','1.2')",
    "insert into c_employee (emp_id,emp_name,bz_id) values ('E_1','王工','10')",
    "insert into c_employee (emp_id,emp_name,bz_id) values ('E100201','审核_甲','1002')",
    "insert into c_bzname (bzid,bzname) values ('T_1','甲班')",
    "insert into c_user_table (username,userpasswd) values ('ck_1','x')",
    "insert into c_user_table (username,userpasswd) values ('tk_1','x')",
};

QVariant text(const char* value)
{
    return value ? QVariant(QString::fromUtf8(value)) : QVariant();
}

QVariant day(const QDate& date)
{
    return date.isValid() ? sqlDate(date) : QVariant();
}

// A number of hundredths as the windows show a weight: "72059.38", "10.5", "10".
QString hundredths(const QVariant& value)
{
    if (value.isNull())
        return {};
    const qint64 h = std::llround(value.toDouble());
    QString text = QString::number(h / 100);
    if (h % 100)
        text += "." + QString::number(h % 100 + 100).mid(1).remove(QRegularExpression("0$"));
    return text;
}

// One text per record: its fields joined by "|", sorted; the fields from sumsFrom on are sums
// of hundredths.
QStringList records(const QString& sql, const QVariantList& params, int sumsFrom = 99)
{
    const SqlResult r = ExecSQL(sql, params);
    EXPECT_TRUE(r.ok) << sql.toStdString();
    QStringList rows;
    if (!r.rs)
        return rows;
    for (Recordset& rs = *r.rs; !rs.eof(); rs.MoveNext()) {
        QStringList fields;
        for (int i = 0; i < rs.fieldCount(); ++i)
            fields << (i >= sumsFrom ? hundredths(rs.value(i)) : rs.value(i).toString());
        rows << fields.join('|');
    }
    rows.sort();
    return rows;
}

// The totals row as the windows show it, from "count|gross|net".
QString totalsRow(const QString& countLabel, const QString& figures)
{
    const QStringList f = figures.split('|');
    return countLabel + f.value(0) + "|毛重:" + f.value(1) + "|净重:" + f.value(2);
}

const QString sums = ",sum(round(proc_weight*100)),sum(round(proc_net_wt*100))";

// The shown rows between the captions and the totals row, columns 1 to cols, as records() has them.
QStringList shownRows(const platform::SheetModel& s, int cols, bool totals)
{
    QStringList rows;
    for (int r = 1; r < s.rows() - (totals ? 1 : 0); ++r) {
        QStringList fields;
        for (int c = 1; c <= cols; ++c)
            fields << s.cellText(r, c);
        rows << fields.join('|');
    }
    rows.sort();
    return rows;
}

QString lastRow(const platform::SheetModel& s)
{
    return QStringList { s.cellText(s.rows() - 1, 2), s.cellText(s.rows() - 1, 3),
        s.cellText(s.rows() - 1, 4) }
        .join('|');
}

// "column begins with prefix" whatever the letters' case, written without LIKE.
QString beginsWith(const QString& column, const QString& prefix)
{
    return "upper(substring(" + column + ",1," + QString::number(prefix.size()) + "))=upper(?)";
}

// "column contains part" whatever the letters' case, written without LIKE.
QString contains(const QString& column)
{
    return "length(replace(upper(" + column + "),upper(?),''))<length(" + column + ")";
}

} // namespace

class ShippedQueries : public testsupport::DatabaseTest {
protected:
    static void SetUpTestSuite()
    {
        testsupport::ensureApp<QApplication>();
        registerKorvellWindows();
    }

    void prepare() override
    {
        for (const Item& i : items)
            ASSERT_TRUE(
                ExecSQL("insert into c_proc_main (serialno,proc_mod,proc_mod1,proc_weight,proc_net_wt,"
                        "proc_bz,proc_jz,op_emp,proc_emp,proc_sts,rk_date,ck_groupno,ck_op_emp,ck_sh_emp,"
                        "ck_date,tk_groupno,tk_op_emp,tk_sh_emp,tk_date) "
                        "values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
                    { text(i.serial), text(i.model), text(i.spec), text(i.gross), text(i.net), text(i.team),
                        text(i.machine), text(i.weigher), text(i.producer), text(i.status), day(i.rk),
                        text(i.ckOrder), text(i.ckClerk), text(i.ckApprover), day(i.ck), text(i.tkOrder),
                        text(i.tkClerk), text(i.tkApprover), day(i.tk) })
                    .ok)
                << i.serial;
        for (const char* sql : lists)
            ASSERT_TRUE(ExecSQL(sql).ok) << sql;
    }

    // No window of a run may have shown a toast.
    void TearDown() override
    {
        EXPECT_TRUE(toasts.lines.isEmpty()) << toasts.lines.join('\n').toStdString();
        for (const QueryConfig* c : queryConfigs())
            if (QWidget* w = findWindow(c->name))
                w->close();
        if (QWidget* w = findWindow("kcqueryform"))
            w->close();
        testsupport::DatabaseTest::TearDown();
    }

    static QueryWindow* open(const QString& name)
    {
        auto* window = qobject_cast<QueryWindow*>(showWindow(name));
        EXPECT_NE(window, nullptr) << name.toStdString();
        return window;
    }

    template <class T> static T* child(QWidget* window, const char* name)
    {
        T* w = window->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    // Types text into the filter control named name, as a user does.
    static void enter(QWidget* window, const char* name, const QString& value)
    {
        auto* box = window->findChild<QComboBox*>(name);
        QLineEdit* line = box ? box->lineEdit() : child<QLineEdit>(window, name);
        ASSERT_NE(line, nullptr) << name;
        line->clear();
        QWidget* target = box ? static_cast<QWidget*>(box) : line;
        QApplication::setActiveWindow(window);
        target->setFocus();
        for (const QChar c : value) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(target, c.toLatin1());
            } else { // Chinese comes from the input method
                QInputMethodEvent typed;
                typed.setCommitString(c);
                QCoreApplication::sendEvent(line, &typed);
            }
        }
        EXPECT_EQ(box ? box->currentText() : line->text(), value) << name;
    }

    static void run(QWidget* window) { child<QPushButton>(window, "Command1")->click(); }
};

TEST_P(ShippedQueries, StatisticsWindowsGroupAndSumWhatTheirPrefixSelects)
{
    struct Case {
        const char *window, *column, *prefix;
    };
    for (const Case& c : { Case { "bzstatform", "proc_bz", "t_" }, Case { "jzstatform", "proc_jz", "J_" },
             Case { "opstatform", "op_emp", "op_" }, Case { "bzstatform", "proc_bz", "" },
             Case { "opstatform", "op_emp", "OPX" } }) {
        SCOPED_TRACE(std::string(c.window) + " " + c.prefix);
        QueryWindow* w = open(c.window);
        ASSERT_NE(w, nullptr);
        child<QDateEdit>(w, "DTPicker2")->setDate(day1);
        child<QDateEdit>(w, "DTPicker1")->setDate(day2);
        enter(w, "Text1", c.prefix);
        run(w);
        const QString g = c.column;
        const QString where
            = " from c_proc_main where rk_date>=? and rk_date<=? and " + beginsWith(g, c.prefix);
        const QVariantList values { sqlDate(day1), sqlDate(day2), QString(c.prefix) };
        const platform::SheetModel& s = w->Grid1->sheet();
        const QStringList expected = records("select " + g + ",proc_mod,proc_mod1,count(*)" + sums + where
                + " group by " + g + ",proc_mod,proc_mod1",
            values, 4);
        EXPECT_FALSE(expected.isEmpty());
        EXPECT_EQ(shownRows(s, 6, true), expected);
        EXPECT_EQ(
            lastRow(s), totalsRow("笔数:", records("select count(*)" + sums + where, values, 1).value(0)));
        w->close();
    }
}

TEST_P(ShippedQueries, StockWindowsSumTheirItems)
{
    struct Case {
        const char *window, *condition;
        int shownColumns;
        QString rows; // the window's rows as SQL, columns after the shown ones summed
    };
    const Case cases[] = {
        { "kcstatform", "substring(proc_sts,1,1)='0'", 5,
            "select proc_mod,proc_mod1,count(*)" + sums
                + " from c_proc_main where substring(proc_sts,1,1)='0' "
                  "group by proc_mod,proc_mod1" },
        { "kcdetailform", "substring(proc_sts,1,1)='0'", 1,
            "select serialno from c_proc_main where substring(proc_sts,1,1)='0'" },
        { "kcabnormalform", "proc_sts>'10'", 2,
            "select b.sts_name,serialno from c_proc_main a, c_main_sts b where a.proc_sts=b.sts_id and "
            "proc_sts>'10'" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        QueryWindow* w = open(c.window);
        ASSERT_NE(w, nullptr);
        run(w);
        const platform::SheetModel& s = w->Grid1->sheet();
        EXPECT_EQ(shownRows(s, c.shownColumns, true), records(c.rows, {}, 3));
        EXPECT_EQ(lastRow(s),
            totalsRow("产品数量:",
                records(QString("select count(*)") + sums + " from c_proc_main where " + c.condition, {}, 1)
                    .value(0)));
        w->close();
    }
}

TEST_P(ShippedQueries, OneDayWindowsListWhatTheirPrefixesSelect)
{
    struct Case {
        const char* window;
        QDate day;
        const char* dayColumn;
        QList<std::pair<const char*, const char*>> filters; // control, column
        QStringList prefixes;
        const char* tail;
    };
    const QList<std::pair<const char*, const char*>> rkFilters { { "Combo1", "proc_mod" },
        { "Combo2", "proc_mod1" }, { "Combo3", "proc_emp" }, { "Combo4", "proc_bz" } };
    const QList<std::pair<const char*, const char*>> tkFilters { { "Combo1", "tk_op_emp" },
        { "Combo2", "tk_sh_emp" }, { "Text1", "tk_groupno" } };
    const Case cases[] = {
        { "rkqueryform", day2, "rk_date", rkFilters, { "m", "1.", "e_", "T_" }, "" },
        { "rkqueryform", day1, "rk_date", rkFilters, { "", "", "", "" }, "" },
        { "ckqueryform", day2, "ck_date",
            { { "Combo1", "ck_op_emp" }, { "Combo2", "ck_sh_emp" }, { "Text1", "ck_groupno" } },
            { "CK_", "审核_", "ck_" }, " and len(ck_groupno)>0" },
        { "tkqueryform", day2, "tk_date", tkFilters, { "tk_", "退_", "tk_" }, " and len(tk_groupno)>0" },
        { "tkqueryform", day2, "tk_date", tkFilters, { "", "", "" }, " and len(tk_groupno)>0" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.window) + " " + c.prefixes.join(',').toStdString());
        QueryWindow* w = open(c.window);
        ASSERT_NE(w, nullptr);
        child<QDateEdit>(w, "DTPicker2")->setDate(c.day);
        QString sql = QString("select serialno from c_proc_main where ") + c.dayColumn + "=?";
        QVariantList values { sqlDate(c.day) };
        for (qsizetype i = 0; i < c.filters.size(); ++i) {
            enter(w, c.filters[i].first, c.prefixes[i]);
            sql += " and " + beginsWith(c.filters[i].second, c.prefixes[i]);
            values << c.prefixes[i];
        }
        run(w);
        const QStringList expected = records(sql + c.tail, values);
        EXPECT_FALSE(expected.isEmpty());
        EXPECT_EQ(shownRows(w->Grid1->sheet(), 1, false), expected);
        w->close();
    }
}

TEST_P(ShippedQueries, CombinedQueryContainsWithASecondCondition)
{
    struct Condition {
        const char *field, *op, *value, *column;
    };
    const QList<QList<Condition>> cases {
        { { "生产班组", "包含", "_", "proc_bz" } },
        { { "生产班组", "包含", "_", "proc_bz" }, { "产品型号", "包含", "B", "proc_mod" } },
        { { "产品编号", "包含", "S", "serialno" }, { "毛重", ">=", "10", "proc_weight" } },
    };
    auto* w = qobject_cast<kcqueryform*>(showWindow("kcqueryform"));
    ASSERT_NE(w, nullptr);
    platform::SheetModel& conditions = w->Grid2->sheet();
    for (const QList<Condition>& set : cases) {
        SCOPED_TRACE(
            QString(set[0].value).toStdString() + " and " + QString::number(set.size() - 1).toStdString());
        QString where;
        QVariantList values;
        for (int r = 1; r < conditions.rows(); ++r)
            conditions.setCellText(r, 3, {});
        for (const Condition& c : set) {
            int r = 1;
            while (r < conditions.rows() && conditions.cellText(r, 1) != c.field)
                ++r;
            ASSERT_LT(r, conditions.rows()) << c.field;
            conditions.setCellText(r, 2, c.op);
            conditions.setCellText(r, 3, c.value);
            where += QString(where.isEmpty() ? " where " : " and ")
                + (QString(c.op) == "包含" ? contains(c.column) : QString(c.column) + c.op + "?");
            values << QString(c.value);
        }
        child<QPushButton>(w, "Command1")->click();
        const platform::SheetModel& s = w->Grid1->sheet();
        const QStringList expected = records("select serialno from c_proc_main" + where, values);
        EXPECT_FALSE(expected.isEmpty());
        EXPECT_EQ(shownRows(s, 1, true), expected);
        EXPECT_EQ(lastRow(s),
            totalsRow("产品数量:",
                records("select count(*)" + sums + " from c_proc_main" + where, values, 1).value(0)));
    }
}

INSTANTIATE_BACKENDS(ShippedQueries);
