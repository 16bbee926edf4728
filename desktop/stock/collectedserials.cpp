#include "desktop/stock/collectedserials.h"

#include "desktop/frame/procedures.h"
#include "platform/ui/collecteddatafile.h"
#include "platform/ui/dialogs.h"

#include <QFile>
#include <QFileInfo>

namespace korvell {

QStringList collectedSerials(const QByteArray& content)
{
    QStringList serials;
    qsizetype start = 0;
    while (start < content.size()) {
        qsizetype end = content.indexOf('\n', start);
        if (end < 0)
            end = content.size();
        QByteArrayView line(content.constData() + start, end - start);
        while (!line.isEmpty() && (line.back() == ' ' || line.back() == '\r' || line.back() == '\t'))
            line.chop(1);
        if (line.startsWith("20"))
            serials << QString::fromUtf8(line);
        start = end + 1;
    }
    return serials;
}

CollectedFile readCollectedFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return { CollectedFile::State::Unreadable, {} };
    const QByteArray content = file.readAll();
    if (content.isEmpty())
        return { CollectedFile::State::Empty, {} };
    return { CollectedFile::State::Read, collectedSerials(content) };
}

void RunGenerator(const QString& programFolder)
{
    ShellWait(programFolder + QStringLiteral("vosket"));
}

QString CollectedFileOrPick(const QString& pickTitle)
{
    const QString path = platform::collectedDataFilePath();
    if (QFileInfo::exists(path))
        return path;
    return platform::dialogs().openFileName(
        pickTitle, QFileInfo(path).path(), QStringLiteral("文本文件 (*.txt)"));
}

} // namespace korvell
