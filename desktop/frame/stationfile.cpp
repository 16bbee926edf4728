#include "desktop/frame/stationfile.h"

#include "platform/ui/dialogs.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace korvell {
namespace {

    const QString fileName = QStringLiteral("stationno.txt");

} // namespace

std::optional<QString> parseStationNumber(const QString& text)
{
    const QString digits = text.trimmed();
    if (digits.isEmpty())
        return std::nullopt;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const int number = digits.toInt(&ok);
    if (!ok || number < 1)
        return std::nullopt;
    // Kept as written: rows already stored under "07" must still be found by this station.
    return digits;
}

std::optional<QString> readStationFile(const QString& folder)
{
    QFile file(QDir(folder).filePath(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray firstLine = file.readLine(256);
    return parseStationNumber(QString::fromLocal8Bit(firstLine));
}

bool writeStationFile(const QString& folder, const QString& number)
{
    QSaveFile file(QDir(folder).filePath(fileName));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(number.toLocal8Bit() + "\r\n");
    return file.commit();
}

std::optional<QString> ReadStationNo(const QString& folder)
{
    if (auto known = readStationFile(folder))
        return known;
    std::optional<QString> number;
    while (!number) {
        const auto answer = platform::dialogs().input(
            QStringLiteral("请确定本机的工作站号"), QStringLiteral("输入提示"), QString());
        if (answer)
            number = parseStationNumber(*answer);
    }
    if (!writeStationFile(folder, *number))
        return std::nullopt;
    return number;
}

} // namespace korvell
