#include "desktop/frame/frmgymm.h"

#include "desktop/frame/msgfrm.h"
#include "desktop/frame/paintgradient.h"
#include "desktop/frame/passwordbox.h"
#include "desktop/frame/passwordchange.h"
#include "platform/ui/dialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace korvell {
namespace {

    // Positions are laid out in twips, 15 to a pixel.
    QRect twips(int left, int top, int width, int height)
    {
        return QRect(left / 15, top / 15, width / 15, height / 15);
    }

    QLineEdit* passwordBox(QWidget* parent, const char* name, int top)
    {
        auto* box = new QLineEdit(parent);
        box->setObjectName(QString::fromLatin1(name));
        makePasswordBox(box, 6);
        box->setGeometry(twips(2280, top, 1455, 375));
        return box;
    }

    void caption(QWidget* parent, const QString& text, int top)
    {
        auto* label = new QLabel(text, parent);
        QFont font(QStringLiteral("宋体"));
        font.setPointSize(12);
        label->setFont(font);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::blue);
        label->setPalette(palette);
        label->setGeometry(twips(1080, top, 1200, 375));
    }

} // namespace

frmgymm::frmgymm(QWidget* parent)
    : QDialog(parent, Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmgymm"));
    setWindowTitle(QStringLiteral("用户密码修改"));
    setFixedSize(4995 / 15, 3165 / 15);

    caption(this, QStringLiteral("旧 密 码"), 360);
    caption(this, QStringLiteral("输新密码"), 960);
    caption(this, QStringLiteral("再次确认"), 1560);
    Text1 = passwordBox(this, "Text1", 360);
    Text2 = passwordBox(this, "Text2", 960);
    Text3 = passwordBox(this, "Text3", 1560);
    Command1 = new QPushButton(QStringLiteral("确定"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twips(1320, 2520, 735, 375));
    Command2 = new QPushButton(QStringLiteral("取消"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(twips(2520, 2520, 735, 375));
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Command1);
    setTabOrder(Command1, Command2);

    connect(Command1, &QPushButton::clicked, this, &frmgymm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmgymm::Command2_Click);
}

void frmgymm::refuse(const QString& text, QLineEdit* field)
{
    platform::dialogs().message(
        text, QStringLiteral("出错提示"), platform::Buttons::Ok, platform::Icon::Warning);
    if (field)
        field->setFocus();
}

void frmgymm::Command1_Click()
{
    switch (changePassword(Text1->text(), Text2->text(), Text3->text())) {
    case PasswordChange::OldWrong:
        refuse(QStringLiteral("老密码错误请重输！！"), Text1);
        return;
    case PasswordChange::SameAsOld:
        refuse(QStringLiteral("新旧密码不能一样，请重输！！"), Text2);
        return;
    case PasswordChange::Mismatch:
        refuse(QStringLiteral("两次输入的新密码不一致，请重输！！"), Text3);
        return;
    case PasswordChange::UserMissing:
        refuse(QStringLiteral("找不到当前用户的资料，密码没有修改！！"), nullptr);
        return;
    case PasswordChange::NotStored:
        refuse(QStringLiteral("数据库发生错误，密码没有修改！！"), nullptr);
        return;
    case PasswordChange::Changed:
        platform::dialogs().message(QStringLiteral("密码修改成功！！"), QStringLiteral("成功提示"),
            platform::Buttons::Ok, platform::Icon::Information);
        close();
        return;
    }
}

void frmgymm::Command2_Click()
{
    close();
}

void frmgymm::ClearInputs()
{
    Text1->clear();
    Text2->clear();
    Text3->clear();
}

void frmgymm::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    PaintGradient(this, 100, 255, 0, 40, 60, 3.0);
}

void frmgymm::done(int result)
{
    // The window is kept for the next opening, which starts empty like a fresh one: typed
    // passwords never wait there for the next user.
    ClearInputs();
    closeToast();
    QDialog::done(result);
}

} // namespace korvell
