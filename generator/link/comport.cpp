#include "generator/link/comport.h"

#include "generator/project/commsettings.h"

#include <QSettings>

namespace vosket {
namespace {

    constexpr int portCount = CommSettings::kPorts;
    constexpr auto& rates = CommSettings::kBaudRates;

} // namespace

QStringList comPortNames()
{
    QStringList names;
    for (int i = 1; i <= portCount; ++i)
        names << QStringLiteral("COM%1").arg(i);
    return names;
}

QString comPortDevice(int portIndex)
{
    if (portIndex < 0 || portIndex >= portCount)
        return {};
    const QString name = QStringLiteral("COM%1").arg(portIndex + 1);
    const QString fromEnvironment = qEnvironmentVariable(("VOSKET_" + name).toLatin1().constData());
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const QSettings settings(
        QSettings::IniFormat, QSettings::UserScope, QStringLiteral("vosket"), QStringLiteral("vosket"));
    const QString fromSettings = settings.value(QStringLiteral("ports/") + name).toString();
    if (!fromSettings.isEmpty())
        return fromSettings;
    return QStringLiteral("/dev/ttyS%1").arg(portIndex);
}

QStringList baudRateNames()
{
    QStringList names;
    for (int rate : rates)
        names << QString::number(rate);
    return names;
}

int baudRate(int baudIndex)
{
    return baudIndex >= 0 && baudIndex < static_cast<int>(rates.size())
        ? rates[static_cast<size_t>(baudIndex)]
        : 0;
}

} // namespace vosket
