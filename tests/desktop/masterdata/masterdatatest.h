#pragma once
// Shared by the master-data database tests: a logged-in user with chosen rights, records typed
// into a sheet, and records stored straight into an editor's table.
#include "desktop/data/dsn.h"
#include "desktop/data/execsql.h"
#include "desktop/data/loginstate.h"
#include "desktop/masterdata/editorconfig.h"
#include "platform/grid/sheetmodel.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testdatabase.h"

#include <QStringList>

namespace masterdatatest {

inline const QString tester = QStringLiteral("测试员");
inline const QString testGroup = QStringLiteral("测试组");

// The row below the caption whose first cell is text; -1 when there is none.
inline int rowOf(const platform::SheetModel& sheet, const QString& text)
{
    for (int r = 1; r < sheet.rows(); ++r) {
        if (sheet.cellText(r, 1) == text)
            return r;
    }
    return -1;
}

// Points nd.dsn at a server that does not answer; gives back the keys that reach the real one.
inline korvell::DsnKeys loseServer()
{
    const QString dsn = korvell::loginState().myapppath + "nd.dsn";
    const korvell::DsnKeys reachable = korvell::readDsnKeys(dsn);
    EXPECT_TRUE(korvell::writeDsnKeys(dsn,
        { { "DRIVER", "PostgreSQL" }, { "SERVER", "127.0.0.1" }, { "PORT", "1" }, { "DATABASE", "korvell" },
            { "UID", "postgres" } }));
    korvell::resetConnection();
    return reachable;
}

inline void bringServerBack(const korvell::DsnKeys& reachable)
{
    EXPECT_TRUE(korvell::writeDsnKeys(korvell::loginState().myapppath + "nd.dsn", reachable));
    korvell::resetConnection();
}

inline const QString connectionToast = QStringLiteral("数据库连接发生错误|请检查网络或数据库服务器|1");
// The hint of a window that refuses to save or delete what it could not read.
inline const QString unreadHint = QStringLiteral("请检查网络或数据库服务器，然后重新打开本窗口");

class MasterDataTest : public testsupport::DatabaseTest {
protected:
    void prepare() override
    {
        ASSERT_TRUE(korvell::ExecSQL(
            "insert into c_user_table (username,userlevel) values (?,?)", { tester, testGroup }));
        korvell::loginState().gyname = tester;
        korvell::loginState().gy_id = testGroup;
    }

    // Gives the test group the two flags on a window (by its window name).
    static void grant(const QString& window, const QString& query, const QString& maintain,
        const QString& group = testGroup)
    {
        const QString display
            = testsupport::scalar("select programchname from c_programgroup where programname=?", { window })
                  .toString();
        ASSERT_FALSE(display.isEmpty()) << window.toStdString();
        ASSERT_TRUE(
            korvell::ExecSQL("delete from c_usergroup where groupname=? and progname=?", { group, display }));
        ASSERT_TRUE(korvell::ExecSQL(
            "insert into c_usergroup (groupname,progname,groupauth1,groupauth2) values (?,?,?,?)",
            { group, display, query, maintain }));
    }

    // Lets the test group save, not delete, in the six grid editors.
    static void grantEditorMaintenance()
    {
        for (const korvell::EditorConfig* c :
            { &korvell::jzformConfig(), &korvell::khformConfig(), &korvell::procformConfig(),
                &korvell::bzformConfig(), &korvell::employeeformConfig(), &korvell::useraddmdoConfig() })
            grant(c->name, "0", "1");
    }

    // The texts a record n of the editor's table holds, one per grid column.
    static QStringList recordTexts(const korvell::EditorConfig& config, int n)
    {
        QStringList texts;
        for (const korvell::EditorColumn& c : config.columns)
            texts << (c.numeric ? QString::number(n + 0.5)
                                : QStringLiteral("%1%2").arg(c.field.left(4)).arg(n));
        return texts;
    }

    // Stores records first .. first + count - 1 of the editor's table.
    static void storeRecords(const korvell::EditorConfig& config, int first, int count)
    {
        QStringList fields;
        for (const korvell::EditorColumn& c : config.columns)
            fields << c.field;
        const QString sql
            = QStringLiteral("insert into %1 (%2) values (%3)")
                  .arg(config.table, fields.join(','), QStringList(fields.size(), "?").join(','));
        for (int n = first; n < first + count; ++n) {
            QVariantList values;
            for (const QString& t : recordTexts(config, n))
                values << t;
            ASSERT_TRUE(korvell::ExecSQL(sql, values)) << sql.toStdString();
        }
    }

    // Types texts into row from column 1 on, as a user would.
    static void type(platform::SheetModel& sheet, int row, const QStringList& texts)
    {
        for (int i = 0; i < texts.size(); ++i)
            sheet.editCell(row, i + 1, texts.at(i));
    }

    testsupport::ScriptedDialogs dialogs;
};

} // namespace masterdatatest
