// The query windows over 1,000,000 items, from the run to a shown grid with its totals row, on
// SQLite and (when KORVELL_TEST_PG names a server) PostgreSQL: the in-stock summary and detail
// (15% of the items in stock: 150,000 rows), and the combined query with every field shown, by
// model (20,000 rows), over one month of stock-in days (280,000 rows), and by model within one
// month (5,600 rows).
#include "bench/support/benchdatabase.h"
#include "bench/support/benchsize.h"
#include "bench/support/stderrtoasts.h"
#include "desktop/reports/combinedquery.h"
#include "desktop/reports/queryrun.h"
#include "platform/grid/grid.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <memory>

using namespace korvell;

namespace {

const int itemCount = benchsupport::sized(1'000'000, 20'000);
// The month the date conditions ask for: February at the full size, January when small, where the
// items fill only its first two days.
const QString monthFirst = benchsupport::sized<QString>("2026-2-1", "2026-1-1");
const QString monthLast = benchsupport::sized<QString>("2026-2-28", "2026-1-31");

// Item i: day i/10000 from 2026-01-01, model M(i%50), team T(i%8), status by i%20.
const QString itemColumns
    = "insert into c_proc_main (serialno,count_num,enter_date,groupno,proc_mod,proc_mod1,"
      "proc_weight,proc_net_wt,proc_emp,proc_bz,proc_jz,op_emp,rk_date,station_no,proc_sts) ";
const QString status = "case when i%20=0 then '01' when i%20<3 then '00' when i%20=3 then '30' else '10' end";

const QString sqliteItems = itemColumns
    + "with recursive n(i) as (select 0 union all select i+1 from n where i<" + QString::number(itemCount - 1)
    + ") select 'S'||i, i, d||' 08:00:00', 'G'||(i/20), 'M'||(i%50), '0.'||(i%50), 10+(i%7), 9+(i%7), "
      "'E'||(i%100), 'T'||(i%8), 'J'||(i%4), 'bench', d, '1', "
    + status + " from (select i, date('2026-01-01','+'||(i/10000)||' days') as d from n) s";

const QString postgresItems = itemColumns
    + "select 'S'||i, i, d+time '08:00', 'G'||(i/20), 'M'||(i%50), '0.'||(i%50), 10+(i%7), 9+(i%7), "
      "'E'||(i%100), 'T'||(i%8), 'J'||(i%4), 'bench', d, '1', "
    + status + " from (select i, date '2026-01-01'+(i/10000) as d from generate_series(0,"
    + QString::number(itemCount - 1) + ") i) s";

// A database of one backend with the million items.
class ItemDatabase : public benchsupport::BenchDatabase {
public:
    explicit ItemDatabase(Backend backend)
        : BenchDatabase(backend)
    {
        ready = ready && loadItems(sqliteItems, postgresItems);
    }
};

benchsupport::LoadedDatabases<ItemDatabase> databases;

// Runs of the statements into a shown grid, painted with its totals row.
void runToShownGrid(
    benchmark::State& state, const QueryConfig& config, const std::function<QueryStatements()>& make)
{
    platform::Grid grid;
    grid.resize(1200, 800);
    grid.show();
    for (auto _ : state) {
        const QueryOutcome outcome = runStatements(config, make(), grid.sheet());
        grid.setPinLastRow(outcome.totalsRow);
        grid.refresh();
        if (!outcome.totalsRow) {
            state.SkipWithError("no result");
            break;
        }
        state.counters["rows"] = grid.sheet().rows() - 2;
    }
}

void stockWindow(benchmark::State& state, Backend backend, const QueryConfig& config)
{
    if (databases.use(state, backend))
        runToShownGrid(state, config, [&config] { return queryStatements(config, {}); });
}

// The combined query with every field shown and conditions set as a user sets them.
void combinedQuery(
    benchmark::State& state, Backend backend, const QList<std::pair<QString, QStringList>>& set)
{
    if (!databases.use(state, backend))
        return;
    const QList<ViewField> fields = viewFields().value_or(QList<ViewField> {});
    platform::SheetModel conditions, outputs;
    buildConditionSheet(conditions, fields);
    buildOutputSheet(outputs, fields);
    for (const auto& [field, opAndValue] : set) {
        // The field's first empty row; a second condition on a field gets a row of its own.
        int r = 1;
        while (r < conditions.rows() && conditions.cellText(r, 1) != field)
            ++r;
        if (!conditions.cellText(r, 3).isEmpty())
            duplicateConditionRow(conditions, r);
        conditions.setCellText(r, 2, opAndValue[0]);
        conditions.setCellText(r, 3, opAndValue[1]);
    }
    runToShownGrid(state, kcqueryformConfig(), [&] {
        const CombinedStatements s
            = std::get<CombinedStatements>(combinedStatements(conditions, outputs, fields));
        return QueryStatements { s.rows, s.totals };
    });
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchsupport::StderrToasts toasts;
    for (const auto& [backend, name] : benchsupport::measuredBackends()) {
        const Backend b = backend;
        const auto add = [&name](const char* what, std::function<void(benchmark::State&)> run) {
            benchmark::RegisterBenchmark((name + what).c_str(), std::move(run))
                ->Unit(benchmark::kMillisecond)
                ->Iterations(1)
                ->Repetitions(3)
                ->Apply(benchsupport::onceWhenSmall);
        };
        add("/in_stock_summary", [b](benchmark::State& s) { stockWindow(s, b, kcstatformConfig()); });
        add("/in_stock_detail", [b](benchmark::State& s) { stockWindow(s, b, kcdetailformConfig()); });
        add("/combined_by_model", [b](benchmark::State& s) {
            combinedQuery(s, b, { { "产品型号", { "=", "M7" } } });
        });
        add("/combined_one_month", [b](benchmark::State& s) {
            combinedQuery(
                s, b, { { "入库日期", { ">=", monthFirst } }, { "入库日期", { "<=", monthLast } } });
        });
        add("/combined_model_one_month", [b](benchmark::State& s) {
            combinedQuery(s, b,
                { { "产品型号", { "=", "M7" } }, { "入库日期", { ">=", monthFirst } },
                    { "入库日期", { "<=", monthLast } } });
        });
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    databases.release();
    return 0;
}
