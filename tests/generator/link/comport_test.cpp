// COM1 to COM6 and the speeds as the two settings bytes name them.
#include "generator/link/comport.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vosket;

TEST(LinkComPort, PortsAndSpeedsInTheDialogsOrder)
{
    EXPECT_EQ(comPortNames(), QStringList({ "COM1", "COM2", "COM3", "COM4", "COM5", "COM6" }));
    EXPECT_EQ(baudRateNames(), QStringList({ "115200", "57600", "38400", "19200", "9600" }));
    EXPECT_EQ(baudRate(2), 38400);
    EXPECT_EQ(baudRate(5), 0);
    EXPECT_EQ(baudRate(-1), 0);
}

TEST(LinkComPort, DeviceComesFromEnvironmentThenSettingsThenDefault)
{
    QTemporaryDir config;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    EXPECT_EQ(comPortDevice(3), "/dev/ttyS3");
    EXPECT_EQ(comPortDevice(0), "/dev/ttyS0");
    {
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, "vosket", "vosket");
        settings.setValue("ports/COM4", "/dev/ttyUSB0");
    }
    EXPECT_EQ(comPortDevice(3), "/dev/ttyUSB0");
    qputenv("VOSKET_COM4", "/dev/pts/7");
    EXPECT_EQ(comPortDevice(3), "/dev/pts/7");
    qunsetenv("VOSKET_COM4");
    EXPECT_EQ(comPortDevice(6), "");
    EXPECT_EQ(comPortDevice(-1), "");
}
