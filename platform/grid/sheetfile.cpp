#include "platform/grid/sheetfile.h"

#include "platform/ui/dialogs.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <limits>

namespace platform {

namespace {

    const QString rootName = QStringLiteral("korvell-sheet");
    // Values the sheet takes unchecked are read back over their whole range: a sheet that was
    // saved must open again.
    constexpr int intMin = std::numeric_limits<int>::min();
    constexpr int intMax = std::numeric_limits<int>::max();

    QString hex(BgrColor c)
    {
        return QString::number(c, 16).rightJustified(6, QLatin1Char('0')).toUpper();
    }

    // Texts that XML 1.0 cannot carry as they are (control characters, lone surrogates, and
    // carriage returns, which readers turn into line feeds) are stored as base64 of their UTF-8.
    bool xmlSafe(const QString& s)
    {
        for (qsizetype i = 0; i < s.size(); ++i) {
            const QChar c = s[i];
            if (c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\n'))
                return false;
            if (c.unicode() == 0xFFFE || c.unicode() == 0xFFFF)
                return false;
            if (c.isHighSurrogate()) {
                if (i + 1 >= s.size() || !s[i + 1].isLowSurrogate())
                    return false;
                ++i;
            } else if (c.isLowSurrogate()) {
                return false;
            }
        }
        return true;
    }

    void writeText(QXmlStreamWriter& w, const QString& name, const QString& text)
    {
        w.writeStartElement(name);
        if (xmlSafe(text)) {
            w.writeCharacters(text);
        } else {
            w.writeAttribute(QStringLiteral("encoding"), QStringLiteral("base64"));
            w.writeCharacters(QString::fromLatin1(text.toUtf8().toBase64()));
        }
        w.writeEndElement();
    }

    void writeFont(QXmlStreamWriter& w, const QString& name, const FontSpec& f)
    {
        w.writeStartElement(name);
        w.writeAttribute(QStringLiteral("family"), f.family);
        w.writeAttribute(QStringLiteral("size"), QString::number(f.pointSize));
        w.writeAttribute(QStringLiteral("bold"), QString::number(f.bold));
        w.writeAttribute(QStringLiteral("italic"), QString::number(f.italic));
        w.writeAttribute(QStringLiteral("underline"), QString::number(f.underline));
        w.writeEndElement();
    }

    void writeColumn(QXmlStreamWriter& w, int index, const ColumnFormat& c)
    {
        w.writeStartElement(QStringLiteral("column"));
        w.writeAttribute(QStringLiteral("index"), QString::number(index));
        w.writeAttribute(QStringLiteral("width"), QString::number(c.width));
        w.writeAttribute(QStringLiteral("alignment"), QString::number(c.alignment));
        w.writeAttribute(QStringLiteral("locked"), QString::number(c.locked));
        w.writeAttribute(QStringLiteral("type"), QString::number(int(c.type)));
        w.writeAttribute(QStringLiteral("max-length"), QString::number(c.maxLength));
        w.writeAttribute(QStringLiteral("option"), QString::number(c.option));
        w.writeAttribute(QStringLiteral("list-only"), QString::number(c.listOnly));
        for (const QString& item : c.listItems)
            writeText(w, QStringLiteral("item"), item);
        w.writeEndElement();
    }

    void writeCell(QXmlStreamWriter& w, int row, int col, const QString& text, const CellFormat& f)
    {
        w.writeStartElement(QStringLiteral("cell"));
        w.writeAttribute(QStringLiteral("row"), QString::number(row));
        w.writeAttribute(QStringLiteral("col"), QString::number(col));
        if (f.textColor)
            w.writeAttribute(QStringLiteral("text-color"), hex(*f.textColor));
        if (f.backColor)
            w.writeAttribute(QStringLiteral("back-color"), hex(*f.backColor));
        if (f.alignment)
            w.writeAttribute(QStringLiteral("alignment"), QString::number(f.alignment));
        if (f.wrap)
            w.writeAttribute(QStringLiteral("wrap"), QStringLiteral("1"));
        if (f.locked)
            w.writeAttribute(QStringLiteral("locked"), QString::number(*f.locked));
        if (f.type)
            w.writeAttribute(QStringLiteral("type"), QString::number(int(*f.type)));
        const std::pair<const char*, BorderStyle> borders[]
            = { { "border-left", f.borderLeft }, { "border-right", f.borderRight },
                  { "border-top", f.borderTop }, { "border-bottom", f.borderBottom } };
        for (const auto& [name, style] : borders)
            if (style != BorderStyle::None)
                w.writeAttribute(QLatin1String(name), QString::number(int(style)));
        if (f.font)
            writeFont(w, QStringLiteral("font"), *f.font);
        if (!text.isEmpty())
            writeText(w, QStringLiteral("text"), text);
        w.writeEndElement();
    }

    // ---- reading ----

    struct Failure {
        SheetReadError error;
        QString detail;
    };

    class Reader {
    public:
        Reader(const QByteArray& data, SheetModel& out)
            : xml(data)
            , sheet(out)
        {
        }

        void read()
        {
            if (!xml.readNextStartElement())
                fail(SheetReadError::NotASheet, xml.hasError() ? xml.errorString() : QStringLiteral("empty"));
            if (xml.name() != rootName)
                fail(SheetReadError::NotASheet, xml.name().toString());
            bool ok = false;
            const int version = xml.attributes().value(QStringLiteral("version")).toInt(&ok);
            if (!ok || version < 1)
                fail(SheetReadError::Malformed, QStringLiteral("version"));
            if (version > sheetFormatVersion)
                fail(SheetReadError::NewerVersion, QString::number(version));
            sheet.setCols(number(QStringLiteral("cols"), 0, SheetModel::maxCols));
            sheet.setRows(number(QStringLiteral("rows"), 0, SheetModel::maxRows));
            while (xml.readNextStartElement()) {
                const auto name = xml.name();
                if (name == QLatin1String("settings"))
                    readSettings();
                else if (name == QLatin1String("page"))
                    readPage();
                else if (name == QLatin1String("column"))
                    readColumn();
                else if (name == QLatin1String("row"))
                    readRow();
                else if (name == QLatin1String("merge"))
                    readMerge();
                else if (name == QLatin1String("cell"))
                    readCell();
                else
                    xml.skipCurrentElement(); // written by a later version of the same format
            }
            if (xml.hasError())
                fail(SheetReadError::Malformed, xml.errorString());
        }

    private:
        [[noreturn]] void fail(SheetReadError e, const QString& detail)
        {
            throw Failure { e, QStringLiteral("%1 (line %2)").arg(detail).arg(xml.lineNumber()) };
        }

        int number(const QString& attr, int min, int max, int fallback = 0)
        {
            const auto v = xml.attributes().value(attr);
            if (v.isEmpty())
                return fallback;
            bool ok = false;
            const qlonglong n = v.toLongLong(&ok);
            if (!ok || n < min || n > max)
                fail(SheetReadError::Malformed, attr);
            return int(n);
        }
        double real(const QString& attr, double fallback)
        {
            const auto v = xml.attributes().value(attr);
            if (v.isEmpty())
                return fallback;
            bool ok = false;
            const double n = v.toDouble(&ok);
            if (!ok || !(n >= 0 && n <= 1000))
                fail(SheetReadError::Malformed, attr);
            return n;
        }
        bool flag(const QString& attr) { return number(attr, 0, 1) == 1; }
        BgrColor color(const QString& attr, BgrColor fallback)
        {
            const auto v = xml.attributes().value(attr);
            if (v.isEmpty())
                return fallback;
            bool ok = false;
            const uint c = v.toUInt(&ok, 16);
            if (!ok)
                fail(SheetReadError::Malformed, attr);
            return c;
        }
        QString text()
        {
            const bool base64 = xml.attributes().value(QStringLiteral("encoding")) == QLatin1String("base64");
            const QString raw = xml.readElementText();
            if (xml.hasError())
                fail(SheetReadError::Malformed, xml.errorString());
            return base64 ? QString::fromUtf8(QByteArray::fromBase64(raw.toLatin1())) : raw;
        }
        FontSpec font()
        {
            FontSpec f;
            f.family = xml.attributes().value(QStringLiteral("family")).toString();
            f.pointSize = real(QStringLiteral("size"), 0);
            f.bold = flag(QStringLiteral("bold"));
            f.italic = flag(QStringLiteral("italic"));
            f.underline = flag(QStringLiteral("underline"));
            xml.skipCurrentElement();
            return f;
        }
        int alignment(const QString& attr)
        {
            const int a = number(attr, 0, 15);
            if (a != 0 && !isAlignmentCode(a))
                fail(SheetReadError::Malformed, attr);
            return a;
        }

        void readSettings()
        {
            sheet.setShadingColor1(color(QStringLiteral("shading1"), 0xFFFFFF));
            sheet.setShadingColor2(color(QStringLiteral("shading2"), 0xFFFFFF));
            sheet.setShowRowNumbers(flag(QStringLiteral("row-numbers")));
            sheet.setShowColumnNumbers(flag(QStringLiteral("column-numbers")));
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("font"))
                    sheet.setSheetFont(font());
                else
                    xml.skipCurrentElement();
            }
        }

        void readPage()
        {
            PageSetup p;
            p.paperSize = number(QStringLiteral("paper"), intMin, intMax, 9);
            p.landscape = flag(QStringLiteral("landscape"));
            p.headerAlignment = number(QStringLiteral("header-alignment"), intMin, intMax, 1);
            p.footerAlignment = number(QStringLiteral("footer-alignment"), intMin, intMax, 1);
            p.printCaptionRow = flag(QStringLiteral("print-caption-row"));
            p.printGridLines = flag(QStringLiteral("print-grid-lines"));
            p.topMargin = real(QStringLiteral("top"), p.topMargin);
            p.bottomMargin = real(QStringLiteral("bottom"), p.bottomMargin);
            p.leftMargin = real(QStringLiteral("left"), p.leftMargin);
            p.rightMargin = real(QStringLiteral("right"), p.rightMargin);
            while (xml.readNextStartElement()) {
                const auto name = xml.name();
                if (name == QLatin1String("header"))
                    p.header = text();
                else if (name == QLatin1String("footer"))
                    p.footer = text();
                else if (name == QLatin1String("header-font"))
                    p.headerFont = font();
                else if (name == QLatin1String("footer-font"))
                    p.footerFont = font();
                else
                    xml.skipCurrentElement();
            }
            sheet.setPageSetup(p);
        }

        void readColumn()
        {
            const int col = number(QStringLiteral("index"), 0, sheet.cols() - 1, -1);
            if (col < 0)
                fail(SheetReadError::Malformed, QStringLiteral("column index"));
            sheet.setColumnWidth(col, number(QStringLiteral("width"), 0, intMax, 64));
            sheet.setColumnAlignment(col, alignment(QStringLiteral("alignment")));
            sheet.setColumnLocked(col, flag(QStringLiteral("locked")));
            sheet.setColumnCellType(col, CellType(number(QStringLiteral("type"), 0, 4)));
            sheet.setColumnMaxLength(col, number(QStringLiteral("max-length"), 0, intMax));
            sheet.setColumnOption(col, number(QStringLiteral("option"), intMin, intMax));
            sheet.setColumnListOnly(col, flag(QStringLiteral("list-only")));
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("item"))
                    sheet.addColumnListItem(col, text());
                else
                    xml.skipCurrentElement();
            }
        }

        void readRow()
        {
            const int row = number(QStringLiteral("index"), 0, sheet.rows() - 1, -1);
            if (row < 0)
                fail(SheetReadError::Malformed, QStringLiteral("row index"));
            sheet.setRowHeight(row, number(QStringLiteral("height"), 0, intMax));
            xml.skipCurrentElement();
        }

        void readMerge()
        {
            const CellRange r { number(QStringLiteral("top"), 0, SheetModel::maxRows),
                number(QStringLiteral("left"), 0, SheetModel::maxCols),
                number(QStringLiteral("bottom"), 0, SheetModel::maxRows),
                number(QStringLiteral("right"), 0, SheetModel::maxCols) };
            if (!sheet.merge(r))
                fail(SheetReadError::Malformed, QStringLiteral("merge"));
            xml.skipCurrentElement();
        }

        void readCell()
        {
            const int row = number(QStringLiteral("row"), 0, sheet.rows() - 1, -1);
            const int col = number(QStringLiteral("col"), 0, sheet.cols() - 1, -1);
            if (row < 0 || col < 0)
                fail(SheetReadError::Malformed, QStringLiteral("cell position"));
            CellFormat f;
            const auto attrs = xml.attributes();
            if (attrs.hasAttribute(QStringLiteral("text-color")))
                f.textColor = color(QStringLiteral("text-color"), 0);
            if (attrs.hasAttribute(QStringLiteral("back-color")))
                f.backColor = color(QStringLiteral("back-color"), 0);
            f.alignment = alignment(QStringLiteral("alignment"));
            f.wrap = flag(QStringLiteral("wrap"));
            if (attrs.hasAttribute(QStringLiteral("locked")))
                f.locked = flag(QStringLiteral("locked"));
            if (attrs.hasAttribute(QStringLiteral("type")))
                f.type = CellType(number(QStringLiteral("type"), 0, 4));
            f.borderLeft = BorderStyle(number(QStringLiteral("border-left"), 0, 2));
            f.borderRight = BorderStyle(number(QStringLiteral("border-right"), 0, 2));
            f.borderTop = BorderStyle(number(QStringLiteral("border-top"), 0, 2));
            f.borderBottom = BorderStyle(number(QStringLiteral("border-bottom"), 0, 2));
            QString cellText;
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("font"))
                    f.font = font();
                else if (xml.name() == QLatin1String("text"))
                    cellText = text();
                else
                    xml.skipCurrentElement();
            }
            sheet.setCellFormat(row, col, f);
            sheet.setCellText(row, col, cellText);
        }

        QXmlStreamReader xml;
        SheetModel& sheet;
    };

} // namespace

QByteArray writeSheet(const SheetModel& sheet)
{
    QByteArray out;
    QXmlStreamWriter w(&out);
    w.setAutoFormatting(true);
    w.setAutoFormattingIndent(1);
    w.writeStartDocument();
    w.writeStartElement(rootName);
    w.writeAttribute(QStringLiteral("version"), QString::number(sheetFormatVersion));
    w.writeAttribute(QStringLiteral("rows"), QString::number(sheet.rows()));
    w.writeAttribute(QStringLiteral("cols"), QString::number(sheet.cols()));

    w.writeStartElement(QStringLiteral("settings"));
    w.writeAttribute(QStringLiteral("shading1"), hex(sheet.shadingColor1()));
    w.writeAttribute(QStringLiteral("shading2"), hex(sheet.shadingColor2()));
    w.writeAttribute(QStringLiteral("row-numbers"), QString::number(sheet.showRowNumbers()));
    w.writeAttribute(QStringLiteral("column-numbers"), QString::number(sheet.showColumnNumbers()));
    writeFont(w, QStringLiteral("font"), sheet.sheetFont());
    w.writeEndElement();

    const PageSetup& p = sheet.pageSetup();
    w.writeStartElement(QStringLiteral("page"));
    w.writeAttribute(QStringLiteral("paper"), QString::number(p.paperSize));
    w.writeAttribute(QStringLiteral("landscape"), QString::number(p.landscape));
    w.writeAttribute(QStringLiteral("header-alignment"), QString::number(p.headerAlignment));
    w.writeAttribute(QStringLiteral("footer-alignment"), QString::number(p.footerAlignment));
    w.writeAttribute(QStringLiteral("print-caption-row"), QString::number(p.printCaptionRow));
    w.writeAttribute(QStringLiteral("print-grid-lines"), QString::number(p.printGridLines));
    w.writeAttribute(QStringLiteral("top"), QString::number(p.topMargin));
    w.writeAttribute(QStringLiteral("bottom"), QString::number(p.bottomMargin));
    w.writeAttribute(QStringLiteral("left"), QString::number(p.leftMargin));
    w.writeAttribute(QStringLiteral("right"), QString::number(p.rightMargin));
    writeText(w, QStringLiteral("header"), p.header);
    writeText(w, QStringLiteral("footer"), p.footer);
    writeFont(w, QStringLiteral("header-font"), p.headerFont);
    writeFont(w, QStringLiteral("footer-font"), p.footerFont);
    w.writeEndElement();

    for (int c : sheet.formattedColumns())
        writeColumn(w, c, sheet.column(c));
    for (const auto& [r, height] : sheet.explicitRowHeights()) {
        w.writeStartElement(QStringLiteral("row"));
        w.writeAttribute(QStringLiteral("index"), QString::number(r));
        w.writeAttribute(QStringLiteral("height"), QString::number(height));
        w.writeEndElement();
    }
    for (const CellRange& m : sheet.merges()) {
        w.writeStartElement(QStringLiteral("merge"));
        w.writeAttribute(QStringLiteral("top"), QString::number(m.top));
        w.writeAttribute(QStringLiteral("left"), QString::number(m.left));
        w.writeAttribute(QStringLiteral("bottom"), QString::number(m.bottom));
        w.writeAttribute(QStringLiteral("right"), QString::number(m.right));
        w.writeEndElement();
    }
    for (int r : sheet.populatedRows())
        for (int c : sheet.populatedCols(r))
            writeCell(w, r, c, sheet.cellText(r, c), sheet.cellFormat(r, c));
    w.writeEndElement();
    w.writeEndDocument();
    return out;
}

SheetReadResult readSheet(const QByteArray& data, SheetModel& sheet)
{
    SheetModel incoming;
    incoming.setRows(0);
    incoming.setCols(0);
    try {
        Reader(data, incoming).read();
    } catch (const Failure& f) {
        return { f.error, f.detail };
    }
    sheet.assign(incoming);
    return {};
}

SheetReadResult loadSheetFile(const QString& path, SheetModel& sheet)
{
    QFile file(path);
    if (!file.exists())
        return { SheetReadError::Missing, path };
    if (!file.open(QIODevice::ReadOnly))
        return { SheetReadError::Unreadable, file.errorString() };
    return readSheet(file.readAll(), sheet);
}

bool openSheetFile(const QString& path, SheetModel& sheet)
{
    const SheetReadResult r = loadSheetFile(path, sheet);
    const QString name = QFileInfo(path).fileName();
    QString message;
    switch (r.error) {
    case SheetReadError::None:
        return true;
    case SheetReadError::Missing:
    case SheetReadError::Unreadable:
        return false;
    case SheetReadError::NotASheet:
        message = QStringLiteral("“%1”不是本系统的表格文件，不能打开。").arg(name);
        break;
    case SheetReadError::NewerVersion:
        message = QStringLiteral("“%1”由较新版本的程序保存，本程序不能打开。").arg(name);
        break;
    case SheetReadError::Malformed:
        message = QStringLiteral("表格文件“%1”已损坏，不能打开。\n%2").arg(name, r.detail);
        break;
    }
    dialogs().message(message, QStringLiteral("错误"), Buttons::Ok, Icon::Warning);
    return false;
}

bool saveSheetFile(const QString& path, const SheetModel& sheet)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray data = writeSheet(sheet);
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace platform
