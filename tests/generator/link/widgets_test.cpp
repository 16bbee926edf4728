// The link's three windows, offscreen.
#include "generator/link/linkenvironment.h"
#include "generator/ui/comsettingdlg.h"
#include "generator/ui/downloadprogressdlg.h"
#include "generator/ui/receivedcountbox.h"
#include "tests/support/application.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <gtest/gtest.h>

using namespace vosket;

namespace {

class LinkWidgets : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testsupport::ensureApp<QApplication>(); }
};

} // namespace

TEST_F(LinkWidgets, ComSettingsShowTheStoredChoicesAndTheDevice)
{
    qputenv("VOSKET_COM4", "/dev/ttyUSB3");
    CommSettings comm;
    comm.portIndex() = 3;
    comm.baudIndex() = 2;
    ComSettingDlg dialog(comm);
    EXPECT_EQ(dialog.windowTitle(), "COM口设置");
    EXPECT_EQ(dialog.portBox()->count(), 6);
    EXPECT_EQ(dialog.portBox()->currentText(), "COM4");
    EXPECT_EQ(dialog.baudBox()->currentText(), "38400");
    EXPECT_EQ(dialog.deviceLabel()->text(), "/dev/ttyUSB3");
    dialog.portBox()->setCurrentIndex(0);
    EXPECT_EQ(dialog.deviceLabel()->text(), qEnvironmentVariable("VOSKET_COM1", "/dev/ttyS0"));
    qunsetenv("VOSKET_COM4");
}

TEST_F(LinkWidgets, ProgressWindowIsInstalledAndFollowsTheTransfer)
{
    {
        DownloadProgressDlg dialog;
        EXPECT_EQ(programLinkEnvironment().progress, &dialog);
        EXPECT_EQ(dialog.windowTitle(), "进行中");
        dialog.begin();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.bar()->value(), 0);
        EXPECT_EQ(dialog.bar()->geometry(), QRect(14, dialog.height() / 2, dialog.width() - 28, 20));
        dialog.setPosition(57);
        EXPECT_EQ(dialog.bar()->value(), 57);
        dialog.end();
        EXPECT_FALSE(dialog.isVisible());
    }
    EXPECT_EQ(programLinkEnvironment().progress, nullptr);
}

TEST_F(LinkWidgets, CountBoxIsYellowCentredAndSizedTheSameEachTime)
{
    ReceivedCountBox box;
    EXPECT_EQ(programLinkEnvironment().countView, &box);
    box.prepare();
    const QRect first = box.geometry();
    EXPECT_EQ(first.height(), 40);
    EXPECT_EQ(first.width(), box.fontMetrics().horizontalAdvance("已收到 : 0   ") + 20);
    EXPECT_LE((first.center() - QGuiApplication::primaryScreen()->geometry().center()).manhattanLength(), 2);
    EXPECT_FALSE(box.isVisible());
    box.showCount(12);
    EXPECT_TRUE(box.isVisible());
    EXPECT_EQ(box.text(), "已收到: 12");
    const QImage picture = box.grab().toImage();
    EXPECT_EQ(picture.pixelColor(4, 4), QColor(255, 255, 100));
    box.remove();
    EXPECT_FALSE(box.isVisible());
    box.prepare();
    EXPECT_EQ(box.geometry(), first);
}
