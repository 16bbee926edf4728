#include "desktop/masterdata/editorconfig.h"

#include "desktop/data/execsql.h"
#include "desktop/frame/passwords.h"
#include "platform/ui/clock.h"

namespace korvell {

namespace {

    const QString remarkCaption = QStringLiteral("备    注");

    // length: the characters the table column holds (as the schema declares it); 0 for a number.
    EditorColumn fixed(const QString& caption, const QString& field, int position, int width, int length)
    {
        EditorColumn c;
        c.caption = caption;
        c.field = field;
        c.recordPosition = position;
        c.width = width;
        c.storedLength = length;
        return c;
    }

    EditorColumn scaled(const QString& caption, const QString& field, int position, double factor, int length)
    {
        EditorColumn c;
        c.caption = caption;
        c.field = field;
        c.recordPosition = position;
        c.widthFactor = factor;
        c.storedLength = length;
        return c;
    }

    EditorColumn required(EditorColumn c)
    {
        c.required = true;
        return c;
    }

    EditorColumn limited(EditorColumn c, int maxLength)
    {
        c.maxLength = maxLength;
        return c;
    }

    // A code column filled from a master table: picking "code—name" keeps the code, which is at
    // most 8 characters long (the code columns of jzform and bzform take no more).
    EditorColumn codeList(
        EditorColumn c, const QString& sql, const QString& codeField, const QString& nameField)
    {
        c.maxLength = 8;
        c.list = ColumnList { sql, codeField, nameField, false };
        return c;
    }

    const QString savedText = QStringLiteral("数据已经成功保存！");

} // namespace

const EditorConfig& jzformConfig()
{
    static const EditorConfig config = [] {
        EditorConfig c;
        c.name = "jzform";
        c.caption = "机组信息设置";
        c.table = "c_jzname";
        c.columns = {
            required(limited(fixed("机组代码", "jzid", 0, 60, 20), 8)),
            required(fixed("机组名称", "jzname", 1, 110, 50)),
            fixed("负 责 人", "jzmsg", 2, 70, 50),
            fixed(remarkCaption, "jzdesc", 3, 80, 200),
        };
        c.layout.designGrid = QSize(345, 209);
        c.designColours = true;
        c.successText = savedText;
        c.logText = "修改机组信息";
        c.question = "确定删除机组代码为%1机组信息数据吗？";
        return c;
    }();
    return config;
}

const EditorConfig& khformConfig()
{
    static const EditorConfig config = [] {
        EditorConfig c;
        c.name = "khform";
        c.caption = "客户信息维护";
        c.table = "c_custom";
        c.columns = {
            required(scaled("客户名称", "cust_name", 0, 0.015, 100)),
            scaled("联系人", "cust_man", 1, 0.01, 50),
            scaled("联系电话", "cust_phone", 2, 0.01, 50),
            scaled("客户地址", "cust_addr", 3, 0.015, 200),
            scaled(remarkCaption, "cust_desc", 4, 0.015, 200),
        };
        c.layout = { true, {}, 230, 0.35, 0.5 };
        c.designColours = true;
        c.successText = "客户数据已经成功保存！";
        c.logText = "维护客户资料数据";
        c.question = "确定删除客户名称为%1的客户信息吗？";
        return c;
    }();
    return config;
}

const EditorConfig& procformConfig()
{
    static const EditorConfig config = [] {
        EditorConfig c;
        c.name = "procform";
        c.caption = "产品型号规格设置";
        c.table = "c_procname";
        EditorColumn tare = required(fixed("线盘自重", "nullweight", 3, 75, 0));
        tare.numeric = true;
        c.columns = {
            required(fixed("产品型号", "procid", 0, 60, 50)),
            required(fixed("产品规格", "procname", 1, 70, 50)),
            required(fixed("产品名称", "procmsg", 2, 110, 100)),
            tare,
        };
        c.layout.designGrid = QSize(337, 209);
        c.successText = savedText;
        c.logText = "产品型号规格数据维护";
        c.question = "确定删除产品型号为%1产品数据吗？";
        return c;
    }();
    return config;
}

const EditorConfig& bzformConfig()
{
    static const EditorConfig config = [] {
        EditorConfig c;
        c.name = "bzform";
        c.caption = "班组信息维护";
        c.table = "c_bzname";
        c.columns = {
            required(limited(scaled("班组代码", "bzid", 0, 0.015, 20), 8)),
            required(scaled("班组名称", "bzname", 1, 0.018, 50)),
            scaled("班 组 长", "bzmsg", 2, 0.015, 50),
            scaled(remarkCaption, "bzdesc", 3, 0.015, 200),
        };
        c.layout = { true, {}, 350, 0.32, 0.52 };
        c.designColours = true;
        c.label = "1001为检验员，1002为称重或入库组";
        c.successText = "班组信息已经成功保存！";
        c.logText = "对班组信息进行修改";
        c.question = "确定删除班组代码为%1的班组信息吗？";
        c.closeLogText = "退出";
        return c;
    }();
    return config;
}

const EditorConfig& employeeformConfig()
{
    static const EditorConfig config = [] {
        EditorConfig c;
        c.name = "employeeform";
        c.caption = "员工信息维护";
        c.table = "c_employee";
        c.columns = {
            required(scaled("员工工号", "emp_id", 0, 0.01, 20)),
            required(scaled("员工姓名", "emp_name", 1, 0.015, 50)),
            codeList(scaled("班组名称", "bz_id", 2, 0.013, 20), "select * from c_bzname ", "bzid", "bzname"),
            codeList(scaled("机组名称", "jz_id", 3, 0.013, 20), "select * from c_Jzname ", "Jzid", "Jzname"),
            scaled(remarkCaption, "emp_desc", 4, 0.013, 200),
        };
        c.layout = { true, {}, 250, 0.32, 0.52 };
        c.designColours = true;
        c.successText = savedText;
        c.logText = "对员工信息进行修改";
        c.question = "确定删除工号为%1的员工信息吗？";
        return c;
    }();
    return config;
}

const EditorConfig& useraddmdoConfig()
{
    static const EditorConfig config = [] {
        EditorConfig c;
        c.name = "useraddmdo";
        c.caption = "系统用户维护";
        c.table = "c_user_table";
        EditorColumn group = scaled("用户级别", "userlevel", 3, 0.03, 50);
        group.list
            = ColumnList { "select groupname from c_usergroup group by groupname", "groupname", {}, true };
        c.columns = { required(scaled("用户名称", "username", 0, 0.03, 50)), group };
        c.layout = { true, {}, 250, 0.35, 0.6 };
        c.successText = "用户信息已经成功保存！";
        c.successHint = QStringLiteral("新用户的初始密码为%1").arg(defaultUserPassword);
        c.logText = "对操作员资料进行维护";
        c.question = "确定删除用户名称为%1的用户信息吗？";
        c.hiddenKey = "超级管理员";
        c.undeletableKey = "系统管理员";
        // Without its hash a new user would be stored with an empty password, which logs in.
        c.newRecordFailure = "新用户的初始密码无法生成";
        c.newRecordValues = [] {
            const QString hash = hashPassword(defaultUserPassword);
            return RecordValues {
                { "userpasswd", hash.isEmpty() ? QVariant() : QVariant(hash) },
                { "user_crt_date", sqlDateTime(platform::clock().now()) },
            };
        };
        return c;
    }();
    return config;
}

} // namespace korvell
