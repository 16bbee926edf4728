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

// The Noto CJK fonts draw some ideographs with the glyph of a radical, and the PDF's text layer
// then names the radical ("⻚" for "页", "⽇" for "日"); this maps them back.
inline QString unifyRadicals(const QString& text)
{
    static const std::pair<char16_t, char16_t> simplified[]
        = { { 0x2EDA, u'页' }, { 0x2ED3, u'长' }, { 0x2ED4, u'门' }, { 0x2ECB, u'车' }, { 0x2EC5, u'见' },
              { 0x2EC9, u'贝' }, { 0x2EDD, u'食' }, { 0x2EDC, u'飞' }, { 0x2EE2, u'马' }, { 0x2EDB, u'风' },
              { 0x2ED8, u'青' }, { 0x2EE9, u'黄' }, { 0x2EEC, u'齐' }, { 0x2EF0, u'龙' }, { 0x2ED9, u'韦' },
              { 0x2EE5, u'鱼' }, { 0x2EE6, u'鸟' }, { 0x2EE8, u'麦' }, { 0x2EEE, u'齿' }, { 0x2EC6, u'角' } };
    QString out = text.normalized(QString::NormalizationForm_KC);
    for (const auto& [radical, ideograph] : simplified)
        out.replace(QChar(radical), QChar(ideograph));
    return out;
}

// Text of one page (from 1), blanks as laid out.
inline QString pdfPageText(const QString& pdf, int page)
{
    return unifyRadicals(runTool(
        "pdftotext", { "-layout", "-f", QString::number(page), "-l", QString::number(page), pdf, "-" }));
}

} // namespace gridtest
