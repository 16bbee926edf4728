#include "platform/grid/sheetmodel.h"

#include "platform/grid/sparseline.h"

#include <QCollator>
#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>

namespace platform {

namespace {

    struct Cell {
        QString text;
        std::uint32_t format = 0; // index into the format table; 0 is the empty format
        bool empty() const { return text.isEmpty() && format == 0; }
    };
    using Row = SparseLine<Cell>;

} // namespace

struct SheetModel::Impl {
    SparseLine<Row> rows;
    SparseLine<ColumnFormat> columns;
    SparseLine<int> heights;
    std::vector<CellFormat> formats { CellFormat {} };
    std::map<CellFormat, std::uint32_t> formatIndex { { CellFormat {}, 0 } };
    ColumnFormat defaultColumn;
    ColumnFormat hiddenColumn = [] {
        ColumnFormat c;
        c.width = 0;
        return c;
    }();

    std::uint32_t intern(const CellFormat& f)
    {
        auto [it, added] = formatIndex.try_emplace(f, std::uint32_t(formats.size()));
        if (added)
            formats.push_back(f);
        return it->second;
    }
    const Cell* cell(int row, int col) const
    {
        const Row* r = rows.find(row);
        return r ? r->find(col) : nullptr;
    }
    // Drops the cell, and the row when it holds nothing more.
    void dropIfEmpty(int row, int col)
    {
        Row* r = rows.find(row);
        if (!r)
            return;
        if (const Cell* c = r->find(col); c && c->empty())
            r->erase(col);
        if (r->empty())
            rows.erase(row);
    }
    // Applies clear to the stored cells of range (blank ones hold nothing to clear, which keeps
    // clearing a whole ten-million-row column quick) and drops what became empty. Returns the rows.
    template <class Clear> std::vector<int> clearCells(const CellRange& range, int rowCount, Clear clear)
    {
        std::vector<int> touched;
        const int bottom = std::min(range.bottom, rowCount - 1);
        for (auto it = rows.lowerBound(std::max(range.top, 0)); it != rows.end() && it->first <= bottom;) {
            touched.push_back(it->first);
            for (auto c = it->second.lowerBound(range.left); c != it->second.end() && c->first <= range.right;
                 ++c)
                clear(c->second);
            std::erase_if(it->second.raw(), [](const auto& item) { return item.second.empty(); });
            it = it->second.empty() ? rows.raw().erase(it) : it + 1;
        }
        return touched;
    }
    ColumnFormat& column(int col)
    {
        if (!columns.find(col))
            columns.at(col) = col == 0 ? hiddenColumn : defaultColumn;
        return columns.at(col);
    }
};

bool isAlignmentCode(int code)
{
    return code >= 5 && code <= 15 && code % 4 != 0;
}

Qt::Alignment alignmentFromCode(int code)
{
    if (!isAlignmentCode(code))
        return Qt::AlignLeft | Qt::AlignVCenter;
    Qt::Alignment h = code / 4 == 1 ? Qt::AlignLeft : code / 4 == 2 ? Qt::AlignHCenter : Qt::AlignRight;
    Qt::Alignment v = code % 4 == 1 ? Qt::AlignTop : code % 4 == 2 ? Qt::AlignVCenter : Qt::AlignBottom;
    return h | v;
}

QColor colorFromBgr(BgrColor c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

BgrColor bgrFromColor(const QColor& c)
{
    return BgrColor(c.red()) | BgrColor(c.green()) << 8 | BgrColor(c.blue()) << 16;
}

SheetModel::SheetModel(QObject* parent)
    : QObject(parent)
    , d(new Impl)
{
}

SheetModel::~SheetModel()
{
    delete d;
}

// ---- change signals ----

SheetModel::Batch::Batch(SheetModel& m)
    : model(m)
{
    ++model.batchDepth;
}

SheetModel::Batch::~Batch()
{
    if (--model.batchDepth == 0)
        model.flushBatch();
}

void SheetModel::touch(int top, int left, int bottom, int right)
{
    if (batchDepth == 0) {
        emit cellsChanged(top, left, bottom, right);
        return;
    }
    if (!batchDirty)
        batchDirty = CellRange { top, left, bottom, right };
    else
        batchDirty = CellRange { std::min(batchDirty->top, top), std::min(batchDirty->left, left),
            std::max(batchDirty->bottom, bottom), std::max(batchDirty->right, right) };
}

void SheetModel::flushBatch()
{
    if (batchDirty) {
        const CellRange r = *batchDirty;
        batchDirty.reset();
        emit cellsChanged(r.top, r.left, r.bottom, r.right);
    }
}

// ---- size ----

void SheetModel::setRows(int n)
{
    n = std::clamp(n, 0, maxRows);
    if (n == rowCount)
        return;
    const int old = rowCount;
    if (n < old) {
        d->rows.truncate(n);
        d->heights.truncate(n);
        std::erase_if(mergeList, [n](const CellRange& m) { return m.bottom >= n; });
        rowCount = n;
        emit rowsRemoved(n, old - n);
    } else {
        rowCount = n;
        emit rowsInserted(old, n - old);
    }
}

void SheetModel::setCols(int n)
{
    n = std::clamp(n, 0, maxCols);
    if (n == colCount)
        return;
    const int old = colCount;
    if (n < old) {
        for (auto& [r, row] : d->rows)
            row.truncate(n);
        std::erase_if(d->rows.raw(), [](const auto& item) { return item.second.empty(); });
        d->columns.truncate(n);
        std::erase_if(mergeList, [n](const CellRange& m) { return m.right >= n; });
        colCount = n;
        emit colsRemoved(n, old - n);
    } else {
        colCount = n;
        emit colsInserted(old, n - old);
    }
}

// ---- cells ----

QString SheetModel::cellText(int row, int col) const
{
    const Cell* c = d->cell(row, col);
    return c ? c->text : QString();
}

void SheetModel::setCellText(int row, int col, const QString& text)
{
    if (row < 0 || col < 0 || row >= rowCount || col >= colCount)
        return;
    if (text.isEmpty()) {
        Row* r = d->rows.find(row);
        Cell* c = r ? r->find(col) : nullptr;
        if (!c || c->text.isEmpty())
            return;
        c->text.clear();
        d->dropIfEmpty(row, col);
    } else {
        d->rows.at(row).at(col).text = text;
    }
    touch(row, col, row, col);
}

bool SheetModel::editCell(int row, int col, const QString& text)
{
    if (row < 0 || col < 0 || row >= rowCount || col >= colCount || isLocked(row, col))
        return false;
    const ColumnFormat& c = column(col);
    if (cellType(row, col) == CellType::List && c.listOnly && !text.isEmpty() && !c.listItems.contains(text))
        return false;
    QString value = text;
    if (cellType(row, col) == CellType::CheckBox)
        value = (text == QLatin1String("1")) ? QStringLiteral("1") : QStringLiteral("0");
    else if (const int max = c.maxLength; max > 0 && value.size() > max)
        value.truncate(max);
    setCellText(row, col, value);
    return true;
}

CellFormat SheetModel::cellFormat(int row, int col) const
{
    const Cell* c = d->cell(row, col);
    return c ? d->formats[c->format] : CellFormat {};
}

void SheetModel::setCellFormat(int row, int col, const CellFormat& format)
{
    if (row < 0 || col < 0 || row >= rowCount || col >= colCount)
        return;
    const std::uint32_t id = d->intern(format);
    if (id == 0) {
        Row* r = d->rows.find(row);
        Cell* c = r ? r->find(col) : nullptr;
        if (!c || c->format == 0)
            return;
        c->format = 0;
        d->dropIfEmpty(row, col);
    } else {
        d->rows.at(row).at(col).format = id;
    }
    touch(row, col, row, col);
}

void SheetModel::applyFormat(const CellRange& range, const std::function<void(CellFormat&)>& change)
{
    const CellRange r { std::max(range.top, 0), std::max(range.left, 0), std::min(range.bottom, rowCount - 1),
        std::min(range.right, colCount - 1) };
    if (r.top > r.bottom || r.left > r.right)
        return;
    Batch batch(*this);
    for (int row = r.top; row <= r.bottom; ++row)
        for (int col = r.left; col <= r.right; ++col) {
            CellFormat f = cellFormat(row, col);
            change(f);
            setCellFormat(row, col, f);
        }
}

bool SheetModel::isLocked(int row, int col) const
{
    const CellFormat f = cellFormat(row, col);
    return f.locked ? *f.locked : column(col).locked;
}

CellType SheetModel::cellType(int row, int col) const
{
    const CellFormat f = cellFormat(row, col);
    return f.type ? *f.type : column(col).type;
}

void SheetModel::setCellType(int row, int col, CellType type)
{
    applyFormat({ row, col, row, col }, [type](CellFormat& f) { f.type = type; });
}

void SheetModel::setCellLocked(int row, int col, bool locked)
{
    applyFormat({ row, col, row, col }, [locked](CellFormat& f) { f.locked = locked; });
}

void SheetModel::setCellTextColor(int row, int col, BgrColor color)
{
    setTextColor({ row, col, row, col }, color);
}

int SheetModel::effectiveAlignment(int row, int col) const
{
    const int own = cellFormat(row, col).alignment;
    return own ? own : column(col).alignment;
}

FontSpec SheetModel::fontSpec(int row, int col) const
{
    FontSpec f = cellFormat(row, col).font.value_or(FontSpec {});
    if (f.family.isEmpty())
        f.family = defaultFont.family;
    if (f.pointSize <= 0)
        f.pointSize = defaultFont.pointSize;
    return f;
}

BgrColor SheetModel::effectiveBackColor(int row, int col) const
{
    if (const auto own = cellFormat(row, col).backColor)
        return *own;
    if (row == 0)
        return 0xFFFFFF;
    return row % 2 == 1 ? shading1 : shading2;
}

// ---- columns ----

const ColumnFormat& SheetModel::column(int col) const
{
    if (const ColumnFormat* c = d->columns.find(col))
        return *c;
    return col == 0 ? d->hiddenColumn : d->defaultColumn;
}

void SheetModel::setColumnWidth(int col, int pixels)
{
    if (col < 0 || col >= colCount)
        return;
    d->column(col).width = std::max(pixels, 0);
    emit columnChanged(col);
}

void SheetModel::setColumnAlignment(int col, int code)
{
    if (col < 0 || col >= colCount)
        return;
    d->column(col).alignment = isAlignmentCode(code) ? code : 0;
    emit columnChanged(col);
}

void SheetModel::setColumnLocked(int col, bool locked)
{
    if (col < 0 || col >= colCount)
        return;
    d->column(col).locked = locked;
    emit columnChanged(col);
}

void SheetModel::setColumnCellType(int col, CellType type)
{
    if (col < 0 || col >= colCount)
        return;
    d->column(col).type = type;
    emit columnChanged(col);
}

void SheetModel::setColumnMaxLength(int col, int length)
{
    if (col < 0 || col >= colCount)
        return;
    d->column(col).maxLength = std::max(length, 0);
    emit columnChanged(col);
}

void SheetModel::setColumnOption(int col, int option)
{
    if (col < 0 || col >= colCount)
        return;
    d->column(col).option = option;
    emit columnChanged(col);
}

void SheetModel::clearColumnList(int col)
{
    if (col < 0 || col >= colCount)
        return;
    d->column(col).listItems.clear();
    emit columnChanged(col);
}

void SheetModel::addColumnListItem(int col, const QString& item)
{
    if (col < 0 || col >= colCount)
        return;
    d->column(col).listItems << item;
    emit columnChanged(col);
}

void SheetModel::setColumnListOnly(int col, bool on)
{
    if (col < 0 || col >= colCount)
        return;
    d->column(col).listOnly = on;
    emit columnChanged(col);
}

QStringList SheetModel::columnListChoices(int col) const
{
    return column(col).listItems;
}

// ---- rows ----

int SheetModel::rowHeight(int row) const
{
    const int* h = d->heights.find(row);
    return h && *h > 0 ? *h : defaultRowHeight;
}

void SheetModel::setRowHeight(int row, int pixels)
{
    if (row < 0 || row >= rowCount)
        return;
    if (pixels <= 0 || pixels == defaultRowHeight)
        d->heights.erase(row);
    else
        d->heights.at(row) = pixels;
    emit rowHeightChanged(row);
}

// ---- structure ----

void SheetModel::addRow(const QString& text)
{
    if (rowCount >= maxRows)
        return;
    setRows(rowCount + 1);
    const QStringList parts = text.split(QLatin1Char('\t'));
    Batch batch(*this);
    for (int i = 0; i < parts.size() && text.size(); ++i)
        setCellText(rowCount - 1, i + 1, parts[i]);
}

namespace {

    // Moves the merges for inserted (count > 0) or removed (count < 0) lines at pos along one axis.
    void shiftMerges(std::vector<CellRange>& merges, int pos, int count, bool rows)
    {
        std::vector<CellRange> kept;
        for (CellRange m : merges) {
            int& lo = rows ? m.top : m.left;
            int& hi = rows ? m.bottom : m.right;
            if (count > 0) {
                if (pos <= lo)
                    lo += count, hi += count;
                else if (pos <= hi)
                    hi += count;
            } else {
                const int n = -count, end = pos + n; // removed lines pos..end-1
                auto moved = [&](int x) { return x < pos ? x : x >= end ? x - n : pos; };
                const int newLo = lo >= pos && lo < end ? pos : moved(lo);
                const int newHi = hi >= pos && hi < end ? pos - 1 : moved(hi);
                if (newHi < newLo)
                    continue;
                lo = newLo, hi = newHi;
            }
            if (!m.isSingleCell())
                kept.push_back(m);
        }
        merges = std::move(kept);
    }

} // namespace

void SheetModel::insertRows(int row, int count)
{
    if (row < 0 || row > rowCount || count <= 0)
        return;
    count = std::min(count, maxRows - rowCount);
    if (count <= 0)
        return;
    d->rows.insert(row, count);
    d->heights.insert(row, count);
    shiftMerges(mergeList, row, count, true);
    rowCount += count;
    emit rowsInserted(row, count);
}

void SheetModel::removeRows(int row, int count)
{
    if (row < 0 || row >= rowCount || count <= 0)
        return;
    count = std::min(count, rowCount - row);
    d->rows.remove(row, count);
    d->heights.remove(row, count);
    shiftMerges(mergeList, row, -count, true);
    rowCount -= count;
    emit rowsRemoved(row, count);
}

void SheetModel::insertCols(int col, int count)
{
    if (col < 0 || col > colCount || count <= 0)
        return;
    count = std::min(count, maxCols - colCount);
    if (count <= 0)
        return;
    if (col == 0)
        d->column(0); // the hidden column moves right as it is, not as a default visible one
    for (auto& [r, row] : d->rows)
        row.insert(col, count);
    d->columns.insert(col, count);
    shiftMerges(mergeList, col, count, false);
    colCount += count;
    emit colsInserted(col, count);
}

void SheetModel::removeCols(int col, int count)
{
    if (col < 0 || col >= colCount || count <= 0)
        return;
    count = std::min(count, colCount - col);
    for (auto& [r, row] : d->rows)
        row.remove(col, count);
    std::erase_if(d->rows.raw(), [](const auto& item) { return item.second.empty(); });
    d->columns.remove(col, count);
    shiftMerges(mergeList, col, -count, false);
    colCount -= count;
    emit colsRemoved(col, count);
}

// ---- range formatting ----

void SheetModel::setTextColor(const CellRange& range, BgrColor color)
{
    applyFormat(range, [color](CellFormat& f) { f.textColor = color; });
}

void SheetModel::setBackColor(const CellRange& range, BgrColor color)
{
    applyFormat(range, [color](CellFormat& f) { f.backColor = color; });
}

void SheetModel::setAlignment(const CellRange& range, int code)
{
    // Anything but a code 5-15 means the default, so a saved sheet always reads back.
    const int valid = isAlignmentCode(code) ? code : 0;
    applyFormat(range, [valid](CellFormat& f) { f.alignment = valid; });
}

namespace {
    std::function<void(CellFormat&)> fontChange(const std::function<void(FontSpec&)>& change)
    {
        return [change](CellFormat& f) {
            FontSpec s = f.font.value_or(FontSpec {});
            change(s);
            f.font = s == FontSpec {} ? std::nullopt : std::optional<FontSpec>(s);
        };
    }
} // namespace

void SheetModel::setFontName(const CellRange& range, const QString& family)
{
    applyFormat(range, fontChange([&family](FontSpec& s) { s.family = family; }));
}

void SheetModel::setFontSize(const CellRange& range, double points)
{
    applyFormat(range, fontChange([points](FontSpec& s) { s.pointSize = points; }));
}

void SheetModel::setFontBold(const CellRange& range, bool on)
{
    applyFormat(range, fontChange([on](FontSpec& s) { s.bold = on; }));
}

void SheetModel::setFontItalic(const CellRange& range, bool on)
{
    applyFormat(range, fontChange([on](FontSpec& s) { s.italic = on; }));
}

void SheetModel::setFontUnderline(const CellRange& range, bool on)
{
    applyFormat(range, fontChange([on](FontSpec& s) { s.underline = on; }));
}

void SheetModel::setWrap(const CellRange& range, bool on)
{
    applyFormat(range, [on](CellFormat& f) { f.wrap = on; });
}

void SheetModel::setLocked(const CellRange& range, bool on)
{
    applyFormat(range, [on](CellFormat& f) { f.locked = on; });
}

void SheetModel::setBorder(const CellRange& range, BorderEdge edge, BorderStyle style)
{
    // Each line is kept on both cells it separates, so either side draws and reports it.
    Batch batch(*this);
    auto edgeOf = [&](int top, int left, int bottom, int right, BorderStyle CellFormat::*side) {
        applyFormat({ top, left, bottom, right }, [side, style](CellFormat& f) { f.*side = style; });
    };
    // A selection reaching past the sheet puts its outer edges on the last row or column.
    const CellRange r { std::max(range.top, 0), std::max(range.left, 0), std::min(range.bottom, rowCount - 1),
        std::min(range.right, colCount - 1) };
    if (r.top > r.bottom || r.left > r.right)
        return;
    switch (edge) {
    case BorderEdge::Left:
        edgeOf(r.top, r.left, r.bottom, r.left, &CellFormat::borderLeft);
        edgeOf(r.top, r.left - 1, r.bottom, r.left - 1, &CellFormat::borderRight);
        break;
    case BorderEdge::Right:
        edgeOf(r.top, r.right, r.bottom, r.right, &CellFormat::borderRight);
        edgeOf(r.top, r.right + 1, r.bottom, r.right + 1, &CellFormat::borderLeft);
        break;
    case BorderEdge::Top:
        edgeOf(r.top, r.left, r.top, r.right, &CellFormat::borderTop);
        edgeOf(r.top - 1, r.left, r.top - 1, r.right, &CellFormat::borderBottom);
        break;
    case BorderEdge::Bottom:
        edgeOf(r.bottom, r.left, r.bottom, r.right, &CellFormat::borderBottom);
        edgeOf(r.bottom + 1, r.left, r.bottom + 1, r.right, &CellFormat::borderTop);
        break;
    case BorderEdge::InsideVertical:
        if (r.right > r.left) {
            edgeOf(r.top, r.left, r.bottom, r.right - 1, &CellFormat::borderRight);
            edgeOf(r.top, r.left + 1, r.bottom, r.right, &CellFormat::borderLeft);
        }
        break;
    case BorderEdge::InsideHorizontal:
        if (r.bottom > r.top) {
            edgeOf(r.top, r.left, r.bottom - 1, r.right, &CellFormat::borderBottom);
            edgeOf(r.top + 1, r.left, r.bottom, r.right, &CellFormat::borderTop);
        }
        break;
    }
}

void SheetModel::clearAll(const CellRange& range)
{
    Batch batch(*this);
    clearText(range);
    clearFormats(range);
}

void SheetModel::clearFormats(const CellRange& range)
{
    Batch batch(*this);
    for (int row : d->clearCells(range, rowCount, [](Cell& c) { c.format = 0; }))
        touch(row, range.left, row, range.right);
}

void SheetModel::clearText(const CellRange& range)
{
    Batch batch(*this);
    for (int row : d->clearCells(range, rowCount, [](Cell& c) { c.text.clear(); }))
        touch(row, range.left, row, range.right);
}

// ---- merges ----

bool SheetModel::merge(const CellRange& range)
{
    if (range.top < 0 || range.left < 0 || range.bottom >= rowCount || range.right >= colCount
        || range.top > range.bottom || range.left > range.right || range.isSingleCell())
        return false;
    for (const CellRange& m : mergeList)
        if (m.intersects(range))
            return false;
    mergeList.push_back(range);
    emit sheetReset();
    return true;
}

void SheetModel::unmerge(const CellRange& range)
{
    if (std::erase_if(mergeList, [&range](const CellRange& m) { return m.intersects(range); }))
        emit sheetReset();
}

bool SheetModel::isMerged(const CellRange& range) const
{
    return std::any_of(
        mergeList.begin(), mergeList.end(), [&range](const CellRange& m) { return m.intersects(range); });
}

std::optional<CellRange> SheetModel::mergeAt(int row, int col) const
{
    for (const CellRange& m : mergeList)
        if (m.contains(row, col))
            return m;
    return std::nullopt;
}

// ---- sort ----

void SheetModel::sortRows(int col, Qt::SortOrder order, int first, int last)
{
    first = std::max(first, 0);
    last = std::min(last, rowCount - 1);
    if (first >= last || col < 0 || col >= colCount)
        return;

    struct Key {
        int row;
        bool numeric;
        double number;
        QString text;
    };
    std::vector<Key> keys; // rows whose sort cell holds text
    for (auto it = d->rows.lowerBound(first); it != d->rows.end() && it->first <= last; ++it) {
        const Cell* c = it->second.find(col);
        if (!c || c->text.trimmed().isEmpty())
            continue;
        bool ok = false;
        const double n = c->text.trimmed().toDouble(&ok);
        ok = ok && std::isfinite(n); // "nan" and "inf" sort as texts: NaN has no order
        keys.push_back({ it->first, ok, ok ? n : 0.0, c->text });
    }
    QCollator collator;
    collator.setNumericMode(true);
    std::stable_sort(keys.begin(), keys.end(), [&](const Key& a, const Key& b) {
        if (a.numeric != b.numeric)
            return order == Qt::AscendingOrder ? a.numeric : b.numeric;
        int cmp = a.numeric ? (a.number < b.number ? -1
                          : a.number > b.number    ? 1
                                                   : 0)
                            : collator.compare(a.text, b.text);
        return order == Qt::AscendingOrder ? cmp < 0 : cmp > 0;
    });

    // Where every row of the range goes: keyed rows in sorted order, then the blank ones as they stood.
    std::unordered_map<int, int> target;
    std::vector<int> keyedRows;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        target[keys[i].row] = first + int(i);
        keyedRows.push_back(keys[i].row);
    }
    std::sort(keyedRows.begin(), keyedRows.end());
    const int keyedCount = int(keys.size());
    auto moveTo = [&](int row) {
        if (auto it = target.find(row); it != target.end())
            return it->second;
        const int keyedBefore
            = int(std::lower_bound(keyedRows.begin(), keyedRows.end(), row) - keyedRows.begin());
        return first + keyedCount + (row - first - keyedBefore);
    };
    auto remap = [&](auto& line) {
        auto from = line.lowerBound(first);
        auto to = line.lowerBound(last + 1);
        for (auto it = from; it != to; ++it)
            it->first = moveTo(it->first);
        std::sort(from, to, [](const auto& a, const auto& b) { return a.first < b.first; });
    };
    remap(d->rows);
    remap(d->heights);
    // A merge within one row travels with it; one over several of the sorted rows cannot follow
    // them and is undone (its text stays in its cell and moves with that cell's row).
    std::erase_if(mergeList,
        [&](const CellRange& m) { return m.top <= last && m.bottom >= first && m.top != m.bottom; });
    for (CellRange& m : mergeList)
        if (m.top >= first && m.top <= last)
            m.top = m.bottom = moveTo(m.top);
    touch(first, 0, last, colCount - 1);
}

// ---- sheet-wide ----

void SheetModel::setShadingColor1(BgrColor c)
{
    shading1 = c;
    touch(1, 0, std::max(rowCount - 1, 1), std::max(colCount - 1, 0));
}

void SheetModel::setShadingColor2(BgrColor c)
{
    shading2 = c;
    touch(1, 0, std::max(rowCount - 1, 1), std::max(colCount - 1, 0));
}

void SheetModel::setSheetFont(const FontSpec& font)
{
    defaultFont = font;
    emit sheetReset();
}

void SheetModel::setShowRowNumbers(bool on)
{
    rowNumbers = on;
    emit sheetReset();
}

void SheetModel::setShowColumnNumbers(bool on)
{
    columnNumbers = on;
    emit sheetReset();
}

void SheetModel::clearSheet()
{
    SheetModel blank;
    assign(blank);
}

void SheetModel::assign(const SheetModel& other)
{
    if (&other == this)
        return;
    *d = *other.d;
    rowCount = other.rowCount;
    colCount = other.colCount;
    shading1 = other.shading1;
    shading2 = other.shading2;
    defaultFont = other.defaultFont;
    rowNumbers = other.rowNumbers;
    columnNumbers = other.columnNumbers;
    page = other.page;
    mergeList = other.mergeList;
    batchDirty.reset();
    emit sheetReset();
}

std::vector<int> SheetModel::populatedRows() const
{
    std::vector<int> out;
    out.reserve(d->rows.size());
    for (const auto& [r, row] : d->rows)
        out.push_back(r);
    return out;
}

std::vector<int> SheetModel::populatedCols(int row) const
{
    std::vector<int> out;
    if (const Row* r = d->rows.find(row))
        for (const auto& [c, cell] : *r)
            out.push_back(c);
    return out;
}

std::vector<int> SheetModel::formattedColumns() const
{
    std::vector<int> out;
    for (const auto& [c, format] : d->columns)
        out.push_back(c);
    return out;
}

std::vector<std::pair<int, int>> SheetModel::explicitRowHeights() const
{
    return { d->heights.begin(), d->heights.end() };
}

} // namespace platform
