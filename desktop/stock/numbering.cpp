#include "desktop/stock/numbering.h"

#include "desktop/data/execsql.h"
#include "desktop/data/toast.h"
#include "desktop/stock/decimaltext.h"

namespace korvell {

namespace {

    constexpr qint64 perStation = 10000;

    // The maximum of a query over the day and station: nullopt when the query failed, a null
    // QVariant when the day has none yet.
    std::optional<QVariant> maximumOf(
        const QString& sql, const QDate& day, const QString& station, DatabaseTrouble* trouble = nullptr)
    {
        const SqlResult r = ExecSQL(sql, { sqlDate(day), station });
        if (trouble)
            *trouble = troubleOf(r);
        if (!r || !r.rs)
            return std::nullopt;
        return r.rs->eof() ? QVariant() : r.rs->value(0);
    }

    std::optional<QString> makeOrderNo(const QString& maxSql, const QDate& day, const QString& station)
    {
        const auto stationNo = stationNumber(station);
        if (!stationNo)
            return std::nullopt;
        const auto max = maximumOf(maxSql, day, station);
        if (!max)
            return std::nullopt;
        qint64 n = 1;
        if (!max->isNull()) {
            bool ok = false;
            n = max->toString().right(4).toLongLong(&ok) + 1;
            if (!ok) {
                ShowToast("无法生成新单号！", "当日最大单号" + max->toString() + "格式错误", ToastRed);
                return std::nullopt;
            }
        }
        if (n >= perStation) {
            ShowToast("本工作站当日单号已经用完！", "每个工作站每天最多9999张单据", ToastRed);
            return std::nullopt;
        }
        return day.toString("yyyyMMdd") + QString::number(*stationNo * perStation + n);
    }

    std::optional<QString> stepOrderNo(const QString& order, int step)
    {
        if (order.size() < 9)
            return std::nullopt;
        bool ok = false;
        const qint64 tail = order.mid(8).toLongLong(&ok);
        if (!ok || order.mid(8).startsWith('-') || order.mid(8).startsWith('+'))
            return std::nullopt;
        return order.left(8) + QString::number(tail + step);
    }

} // namespace

std::optional<int> stationNumber(const QString& station)
{
    bool ok = false;
    const int n = station.trimmed().toInt(&ok);
    if (!ok || n < 1) {
        ShowToast("本机工作站号无效！", "工作站号必须是不小于1的整数", ToastRed);
        return std::nullopt;
    }
    return n;
}

std::optional<qint64> count_num(const QDate& day, const QString& station, DatabaseTrouble* trouble)
{
    const auto stationNo = stationNumber(station);
    if (!stationNo)
        return std::nullopt;
    const auto max = maximumOf(
        "select max(count_num) from c_proc_main where rk_date=? and station_no=?", day, station, trouble);
    if (!max)
        return std::nullopt;
    const qint64 first = *stationNo * perStation + 1;
    const qint64 next = max->isNull() ? first : max->toLongLong() + 1;
    if (next >= (*stationNo + 1) * perStation) {
        ShowToast("本工作站当日货物序号已经用完！", "每个工作站每天最多9999件货物", ToastRed);
        return std::nullopt;
    }
    return next;
}

std::optional<QString> SpecCode(const QString& spec)
{
    const auto v = numberOf(spec);
    if (!v)
        return std::nullopt;
    QString code = numberText(*v * 100, 15);
    if (code.size() < 3)
        code.prepend(QString(3 - code.size(), '0'));
    return code;
}

QString ItemSerialNumber(const QDate& day, const QString& specCode, qint64 countNum)
{
    return day.toString("yyyyMMdd") + specCode + QString::number(countNum);
}

std::optional<QString> NextStockInSlipNo(const QDate& day, const QString& station)
{
    return makeOrderNo(
        "select  max(groupno) from c_proc_main where rk_date=? and station_no=?", day, station);
}

// The stock-out and return sequences are kept per staging station (ck_station_no, tk_station_no),
// the station whose number the order carries, so a clerk's desk that weighs nothing still gets
// its own daily sequence.
std::optional<QString> NextStockOutOrderNo(const QDate& day, const QString& station)
{
    return makeOrderNo(
        "select max(ck_groupno) from c_proc_main where ck_date=? and ck_station_no=? and ck_groupno<>''", day,
        station);
}

std::optional<QString> NextReturnOrderNo(const QDate& day, const QString& station)
{
    return makeOrderNo(
        "select max(tk_groupno) from c_proc_main where tk_date=? and tk_station_no=? and tk_groupno<>''", day,
        station);
}

std::optional<QString> previousOrderNo(const QString& order)
{
    return stepOrderNo(order, -1);
}

std::optional<QString> nextOrderNo(const QString& order)
{
    return stepOrderNo(order, +1);
}

} // namespace korvell
