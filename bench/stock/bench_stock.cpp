// Next serial number and next order number with 1,000,000 items in the table, one scale line
// to a stored item with its label rendered (median and 95th percentile), and the import of 5,000
// collected serial numbers onto a stock-out order with the order grid's reload, on SQLite and
// (when KORVELL_TEST_PG names a server) PostgreSQL.
#include "bench/support/benchdatabase.h"
#include "bench/support/benchsize.h"
#include "bench/support/stderrtoasts.h"
#include "desktop/data/connection.h"
#include "desktop/data/execsql.h"
#include "desktop/data/loginstate.h"
#include "desktop/stock/collectedserials.h"
#include "desktop/stock/itemstatus.h"
#include "desktop/stock/numbering.h"
#include "desktop/stock/ordergrid.h"
#include "desktop/stock/orderstaging.h"
#include "desktop/stock/printlabel.h"
#include "desktop/stock/weighingrecord.h"
#include "desktop/stock/weightframe.h"
#include "platform/grid/sheetmodel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>

using namespace korvell;

namespace {

const int itemCount = benchsupport::sized(1'000'000, 20'000);
// Items spread over 100 days (2 in CI), 10 stations of 1,000 items a day each, orders of 20 items;
// the benchmarks work on the middle day.
const QDate benchDay = QDate(2026, 1, 1).addDays(itemCount / 20'000);

const QString itemColumns
    = "insert into c_proc_main (serialno,count_num,enter_date,groupno,proc_mod,proc_mod1,"
      "proc_weight,proc_net_wt,op_emp,rk_date,station_no,proc_sts) ";

const QString sqliteItems = itemColumns
    + "with recursive n(i) as (select 0 union all select i+1 from n where i<" + QString::number(itemCount - 1)
    + ") select replace(d,'-','')||'035'||(st*10000+1+i%1000), st*10000+1+i%1000, d||' 08:00:00', "
      "replace(d,'-','')||(st*10000+1+(i%1000)/20), 'A1', '0.35', 12.34, 11.84, 'bench', d, "
      "cast(st as text), '00' from (select i, date('2026-01-01','+'||(i/10000)||' days') as d, "
      "1+(i%10000)/1000 as st from n) s";

const QString postgresItems = itemColumns
    + "select to_char(d,'YYYYMMDD')||'035'||(st*10000+1+i%1000), st*10000+1+i%1000, d+time '08:00', "
      "to_char(d,'YYYYMMDD')||(st*10000+1+(i%1000)/20), 'A1', '0.35', 12.34, 11.84, 'bench', d, "
      "st::text, '00' from (select i, date '2026-01-01'+(i/10000) as d, 1+(i%10000)/1000 as st "
      "from generate_series(0,"
    + QString::number(itemCount - 1) + ") i) s";

// A fresh database of one backend holding the million items.
class MillionItems : public benchsupport::BenchDatabase {
public:
    explicit MillionItems(Backend backend)
        : BenchDatabase(backend)
    {
        ready = ready && load();
    }

private:
    bool load()
    {
        QElapsedTimer timer;
        timer.start();
        const bool ok = loadItems(sqliteItems, postgresItems);
        std::fprintf(stderr, "%s: %d items loaded in %.1f s\n",
            backend() == Backend::SQLite ? "SQLite" : "PostgreSQL", itemCount, timer.elapsed() / 1000.0);
        return ok;
    }
};

benchsupport::LoadedDatabases<MillionItems> databases;

void nextSerialNumber(benchmark::State& state, Backend backend)
{
    if (!databases.use(state, backend))
        return;
    for (auto _ : state) {
        const auto n = count_num(benchDay, "1");
        const auto code = SpecCode("0.35");
        if (!n || !code) {
            state.SkipWithError("no number");
            break;
        }
        benchmark::DoNotOptimize(ItemSerialNumber(benchDay, *code, *n));
    }
}

void nextOrderNumber(benchmark::State& state, Backend backend)
{
    if (!databases.use(state, backend))
        return;
    for (auto _ : state)
        if (!NextStockInSlipNo(benchDay, "1")) {
            state.SkipWithError("no number");
            break;
        }
}

// One iteration per repetition: a scale line through the line assembler and frame test, the
// numbered insert, the order's reload and the label rendered at a label printer's 203 dpi.
void scaleLineToLabel(benchmark::State& state, Backend backend)
{
    if (!databases.use(state, backend))
        return;
    const QString order = NextStockInSlipNo(benchDay, "1").value_or("x");
    ScaleLineAssembler assembler;
    for (auto _ : state) {
        for (const QByteArray& line : assembler.feed("12.34\r\n")) {
            if (!isWeightFrame(line))
                continue;
            WeighingEntry e;
            e.gross = weightLineText(line);
            e.tare = "0.5";
            e.spec = "0.35";
            e.day = benchDay;
            e.order = order;
            e.model = "A1";
            e.weigher = "bench";
            e.station = "1";
            const WeighingOutcome item = SaveWeighingRecord(e);
            const auto slip = loadOrderGrid(StockInGrid, order, "1");
            if (!item || !slip) {
                state.SkipWithError("not stored");
                break;
            }
            WeightLabel label;
            label.serialno = item->serialno;
            label.gross = e.gross;
            label.net = item->net;
            label.spec = e.spec;
            label.model = e.model;
            label.day = dayText(benchDay);
            benchmark::DoNotOptimize(printlabel::render(label, 203).constBits());
        }
    }
}

// The order grid's reload after an import: the staged items of the order into a sheet.
bool reloadOrderGrid(platform::SheetModel& grid, const QString& order)
{
    const auto fill = loadOrderGrid(StockOutGrid, order, "1", StatusStagedForStockOut);
    if (!fill)
        return false;
    grid.setRows(int(fill->rows.size()) + 1);
    for (int r = 0; r < fill->rows.size(); ++r)
        for (int c = 1; c < OrderColCount; ++c)
            grid.setCellText(r + 1, c, fill->rows[r][c]);
    return true;
}

// The 5,000 items of five stations on one day, collected as a file and imported onto one
// stock-out order; each repetition first puts them back into stock.
void importCollected(benchmark::State& state, Backend backend)
{
    if (!databases.use(state, backend))
        return;
    QByteArray file;
    for (int station = 1; station <= 5; ++station)
        for (int k = 0; k < 1000; ++k)
            file += benchDay.toString("yyyyMMdd").toLatin1() + "035"
                + QByteArray::number(station * 10000 + 1 + k) + "\r\n";
    const QString order = benchDay.toString("yyyyMMdd") + "10001";
    platform::SheetModel grid;
    grid.setCols(13);
    for (auto _ : state) {
        state.PauseTiming();
        const bool undone
            = ExecSQL("update c_proc_main set proc_sts='00',ck_groupno='' where ck_groupno=?", { order }).ok;
        state.ResumeTiming();
        if (!undone) {
            state.SkipWithError("order not undone");
            break;
        }
        const ImportOutcome outcome
            = stageSerials(StockOutOrders, collectedSerials(file), { order, benchDay, "1", "bench" });
        if (outcome.staged != 5000 || !reloadOrderGrid(grid, order) || grid.rows() != 5001) {
            state.SkipWithError("not all staged");
            break;
        }
    }
}

double percentile95(const std::vector<double>& v)
{
    std::vector<double> s = v;
    std::sort(s.begin(), s.end());
    return s[std::size_t(std::ceil(0.95 * double(s.size()))) - 1];
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchsupport::StderrToasts toasts;
    loginState().station_no = "1";
    for (const auto& [backend, name] : benchsupport::measuredBackends()) {
        const Backend b = backend;
        benchmark::RegisterBenchmark(
            (name + "/next_serial_number").c_str(), [b](benchmark::State& s) { nextSerialNumber(s, b); })
            ->Unit(benchmark::kMillisecond)
            ->Apply(benchsupport::onceWhenSmall);
        benchmark::RegisterBenchmark(
            (name + "/next_order_number").c_str(), [b](benchmark::State& s) { nextOrderNumber(s, b); })
            ->Unit(benchmark::kMillisecond)
            ->Apply(benchsupport::onceWhenSmall);
        benchmark::RegisterBenchmark((name + "/scale_line_to_stored_item_and_label").c_str(),
            [b](benchmark::State& s) { scaleLineToLabel(s, b); })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->Repetitions(300)
            ->ComputeStatistics("p95", percentile95)
            ->ReportAggregatesOnly(true)
            ->Apply(benchsupport::onceWhenSmall);
        benchmark::RegisterBenchmark((name + "/import_5000_collected_serial_numbers").c_str(),
            [b](benchmark::State& s) { importCollected(s, b); })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->Repetitions(3)
            ->ReportAggregatesOnly(true)
            ->Apply(benchsupport::onceWhenSmall);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    databases.release();
    return 0;
}
