#include "desktop/stock/stationsettings.h"

#include "desktop/data/loginstate.h"

#include <QSettings>

namespace korvell {

namespace {

    QString setting(const QString& key, const QString& fallback)
    {
        const QSettings ini(loginState().myapppath + "korvell.ini", QSettings::IniFormat);
        return ini.value(key, fallback).toString();
    }

} // namespace

QString scalePortSetting()
{
    return setting("scale/port", "/dev/ttyUSB0");
}

QString labelPhoneSetting()
{
    return setting("label/phone", QString());
}

} // namespace korvell
