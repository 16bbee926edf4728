#include "desktop/data/dsn.h"

#include "desktop/data/loginstate.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace korvell {

namespace {

    QString valueOf(const DsnKeys& keys, const QString& name)
    {
        for (const auto& [key, value] : keys) {
            if (key.compare(name, Qt::CaseInsensitive) == 0)
                return value;
        }
        return {};
    }

    // ODBC connection-string value: braced when it holds characters that would end or split it.
    QString odbcValue(const QString& value)
    {
        if (!value.contains(';') && !value.contains('{') && !value.contains('}') && value.trimmed() == value)
            return value;
        return '{' + QString(value).replace("}", "}}") + '}';
    }

} // namespace

DsnKeys readDsnKeys(const QString& dsnFile)
{
    QFile file(dsnFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    DsnKeys keys;
    bool inOdbc = false;
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    for (QString line : lines) {
        line = line.trimmed();
        if (line.startsWith(QChar(0xFEFF)))
            line = line.mid(1).trimmed();
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            inOdbc = line.compare("[ODBC]", Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (!inOdbc || eq <= 0)
            continue;
        keys.append({ line.left(eq).trimmed(), line.mid(eq + 1).trimmed() });
    }
    return keys;
}

bool writeDsnKeys(const QString& dsnFile, const DsnKeys& keys)
{
    QSaveFile file(dsnFile);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QString text = "[ODBC]\n";
    for (const auto& [key, value] : keys)
        text += key + '=' + value + '\n';
    file.write(text.toUtf8());
    return file.commit();
}

ConnectionSettings connectionFromKeys(const DsnKeys& keys, const QString& programFolder)
{
    ConnectionSettings settings;
    const QString dsnFile = QDir(programFolder).filePath("nd.dsn");
    const QString driver = valueOf(keys, "DRIVER");
    if (driver.isEmpty()) {
        settings.problem = "连接文件 " + dsnFile + " 的 [ODBC] 节中没有 DRIVER=";
        return settings;
    }
    if (driver.compare("SQLite3", Qt::CaseInsensitive) == 0) {
        settings.backend = Backend::SQLite;
        settings.qtDriver = "QSQLITE";
        const QString file = valueOf(keys, "DATABASE");
        if (file.isEmpty())
            settings.problem = "连接文件 " + dsnFile + " 中没有 DATABASE=";
        settings.databaseName = QDir::cleanPath(QDir(programFolder).absoluteFilePath(file));
        return settings;
    }
    if (driver.compare("PostgreSQL", Qt::CaseInsensitive) == 0) {
        settings.backend = Backend::PostgreSQL;
        settings.qtDriver = "QPSQL";
        settings.databaseName = valueOf(keys, "DATABASE");
        settings.host = valueOf(keys, "SERVER");
        const QString port = valueOf(keys, "PORT");
        bool number = true;
        settings.port = port.isEmpty() ? -1 : port.toInt(&number);
        if (!number || settings.port == 0 || settings.port > 65535)
            settings.problem = "连接文件 " + dsnFile + " 中的 PORT=" + port + " 不是端口号";
        settings.user = valueOf(keys, "UID");
        settings.password = valueOf(keys, "PWD");
        if (settings.databaseName.isEmpty())
            settings.problem = "连接文件 " + dsnFile + " 中没有 DATABASE=";
        return settings;
    }
    settings.backend = Backend::Odbc;
    settings.qtDriver = "QODBC";
    QStringList parts;
    for (const auto& [key, value] : keys) {
        if (key.compare("DRIVER", Qt::CaseInsensitive) == 0)
            parts.prepend("DRIVER={" + value + '}');
        else
            parts.append(key + '=' + odbcValue(value));
    }
    settings.databaseName = parts.join(';');
    return settings;
}

ConnectionSettings GetConnString()
{
    const QString folder = loginState().myapppath;
    const QString file = folder + "nd.dsn";
    ConnectionSettings settings;
    if (!QFile::exists(file)) {
        settings.problem = "找不到连接文件 " + file;
        return settings;
    }
    if (!QFile(file).open(QIODevice::ReadOnly)) {
        settings.problem = "连接文件 " + file + " 无法读取";
        return settings;
    }
    return connectionFromKeys(readDsnKeys(file), folder);
}

} // namespace korvell
