// The dialogs the programs show: Qt's own texts in Chinese, and a box wide enough for its title.
#include "platform/ui/translations.h"
#include "platform/ui/widgetdialogs.h"
#include "tests/support/application.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

class WidgetDialogsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        testsupport::ensureApp<QApplication>();
        // The machine's locale must not matter.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ASSERT_TRUE(platform::installChineseQtTranslations());
    }

    // Runs look on the modal dialog that show opens, then closes it.
    void inspect(const std::function<void()>& show, const std::function<void(QWidget*)>& look)
    {
        bool seen = false;
        QTimer poll;
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible())
                return;
            poll.stop();
            seen = true;
            look(modal);
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
        });
        poll.start();
        show();
        EXPECT_TRUE(seen);
    }

    platform::WidgetDialogs dialogs;
};

QStringList buttonTexts(QWidget* dialog)
{
    QStringList texts;
    for (const QAbstractButton* button : dialog->findChild<QDialogButtonBox*>()->buttons())
        texts << button->text();
    return texts;
}

} // namespace

TEST_F(WidgetDialogsTest, QuestionsAndFileDialogsSpeakChinese)
{
    inspect(
        [&] {
            dialogs.message("确定删除吗？", "友情提示", platform::Buttons::YesNo, platform::Icon::Question);
        },
        [](QWidget* box) {
            EXPECT_EQ(buttonTexts(box), QStringList({ "是(&Y)", "否(&N)" }));
        });
    inspect([&] { dialogs.message("保存吗？", "提示", platform::Buttons::OkCancel, platform::Icon::None); },
        [](QWidget* box) {
            EXPECT_EQ(buttonTexts(box), QStringList({ "确定", "取消" }));
        });
    inspect([&] { dialogs.input("请确定本机的工作站号", "输入提示", "1"); },
        [](QWidget* box) {
            EXPECT_EQ(buttonTexts(box), QStringList({ "确定", "取消" }));
        });
    inspect([&] { dialogs.saveFileName("保存", QDir::tempPath(), "*.txt", "txt"); },
        [](QWidget* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            ASSERT_TRUE(files);
            EXPECT_EQ(files->labelText(QFileDialog::LookIn), "查找范围：");
            EXPECT_TRUE(buttonTexts(files).contains("取消")) << buttonTexts(files).join('|').toStdString();
        });
}

TEST_F(WidgetDialogsTest, AShortMessageLeavesRoomForItsTitle)
{
    inspect([&] { dialogs.message("下载成功!", "下载", platform::Buttons::Ok, platform::Icon::Warning); },
        [](QWidget* box) { EXPECT_GE(box->width(), box->fontMetrics().horizontalAdvance("下载") + 160); });
}
