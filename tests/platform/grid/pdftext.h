#pragma once
// Reads printed PDF files back with poppler's command-line tools.
#include <QProcess>
#include <QRegularExpression>
#include <QString>

namespace gridtest {

inline QString runTool(const QString& tool, const QStringList& args)
{
    QProcess p;
    p.start(tool, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline int pdfPageCount(const QString& pdf)
{
    const auto m = QRegularExpression("Pages:\\s+(\\d+)").match(runTool("pdfinfo", { pdf }));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// Text of one page (from 1), blanks as laid out.
inline QString pdfPageText(const QString& pdf, int page)
{
    return runTool(
        "pdftotext", { "-layout", "-f", QString::number(page), "-l", QString::number(page), pdf, "-" });
}

} // namespace gridtest
