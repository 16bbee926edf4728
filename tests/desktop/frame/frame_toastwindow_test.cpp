// The toast window: its face, place and colours, and how it follows its state.
#include "desktop/frame/msgfrm.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

using namespace korvell;

namespace {

class ToastWindowTest : public ::testing::Test {
protected:
    void SetUp() override { previous = setToastSink(&sink); }
    void TearDown() override
    {
        closeToast();
        toastMachine() = ToastMachine();
        setToastSink(previous);
    }
    static QRect screen() { return QGuiApplication::primaryScreen()->geometry(); }
    static QColor ink(const QLabel* label) { return label->palette().color(QPalette::WindowText); }

    ToastWindowSink sink;
    ToastSink* previous = nullptr;
};

} // namespace

TEST_F(ToastWindowTest, EmptyToastCreatesNoWindow)
{
    ShowToast(QString(), QString(), 0);
    EXPECT_EQ(toastWindow(), nullptr);
}

TEST_F(ToastWindowTest, FramelessOnTopSemiTransparentAtTheBottomRight)
{
    ShowToast(QStringLiteral("欢迎您！张三"), QStringLiteral("祝您工作愉快！！"), ToastRed);
    msgfrm* window = toastWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_NEAR(window->windowOpacity(), 200.0 / 255.0, 0.01);
    EXPECT_EQ(window->size(), QSize(224, 142));
    EXPECT_EQ(window->x() + window->width(), screen().right() + 1 - ToastMachine::rightGap);
    EXPECT_EQ(window->y(), screen().bottom() + 1); // parked until the first tick

    window->tick(11 * ToastMachine::slideIntervalMs);
    EXPECT_EQ(window->y() + window->height(), screen().bottom() + 1 - ToastMachine::bottomGap);
    EXPECT_EQ(window->Label1->text(), QStringLiteral("欢迎您！张三"));
    EXPECT_EQ(window->Label2->text(), QStringLiteral("祝您工作愉快！！"));
    EXPECT_EQ(ink(window->Label1), QColor(255, 0, 0));
    const int centre = window->width() / 2;
    EXPECT_NEAR(window->Label1->geometry().center().x(), centre, 1);
    EXPECT_NEAR(window->Label2->geometry().center().x(), centre, 1);
}

TEST_F(ToastWindowTest, KindsSetTheColourAndUnknownKindsKeepIt)
{
    ShowToast(QStringLiteral("a"), QString(), ToastBlue);
    msgfrm* window = toastWindow();
    EXPECT_EQ(ink(window->Label1), QColor(0, 0, 255));
    ShowToast(QStringLiteral("b"), QStringLiteral("c"), 5);
    EXPECT_EQ(toastWindow(), window); // one window, replaced texts
    EXPECT_EQ(window->Label1->text(), QStringLiteral("b"));
    EXPECT_EQ(ink(window->Label2), QColor(0, 0, 255));
    ShowToast(QStringLiteral("d"), QString(), ToastBlack);
    EXPECT_EQ(ink(window->Label2), QColor(Qt::black));
}

TEST_F(ToastWindowTest, ClickSlidesItAwayAndItStaysShownBelowTheScreen)
{
    ShowToast(QStringLiteral("保存成功"), QString(), ToastBlack);
    msgfrm* window = toastWindow();
    window->tick(11 * ToastMachine::slideIntervalMs);
    QTest::mouseClick(window->Label1, Qt::LeftButton); // labels pass the click to the window
    EXPECT_FALSE(toastMachine().meantToShow());
    window->tick(12 * ToastMachine::slideIntervalMs);
    EXPECT_EQ(window->y(), screen().bottom() + 1);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ToastWindowTest, LongLineWidensTheWindowToTheLeft)
{
    ShowToast(QStringLiteral("请注意:数据库未启动！！请联系相关部门"), QString(), ToastBlack);
    msgfrm* window = toastWindow();
    const int right = screen().right() + 1 - ToastMachine::rightGap;
    EXPECT_GT(window->width(), 224);
    EXPECT_EQ(window->x() + window->width(), right);
    EXPECT_GE(window->Label1->x(), 0);
    EXPECT_LE(window->Label1->geometry().right(), window->width());

    ShowToast(QStringLiteral("保存成功"), QString(), ToastBlack);
    EXPECT_EQ(window->width(), 224);
    EXPECT_EQ(window->x() + window->width(), right);
}
