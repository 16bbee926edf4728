// The report designer's "测试": the saved template, a band of 6 bound columns, filled from a
// query of 10,000 records into a copy of the sheet, on SQLite and (when KORVELL_TEST_PG names a
// server) PostgreSQL.
#include "bench/support/benchdatabase.h"
#include "bench/support/benchsize.h"
#include "bench/support/stderrtoasts.h"
#include "desktop/data/execsql.h"
#include "desktop/data/loginstate.h"
#include "desktop/data/transaction.h"
#include "desktop/frame/loadreport.h"
#include "platform/grid/sheetfile.h"

#include <QDir>
#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cstdio>

using namespace korvell;

namespace {

const int records = benchsupport::sized(10000, 100);
constexpr int bandRow = 4;
const char* const bandColumns[]
    = { "serialno", "proc_mod", "proc_mod1", "proc_weight", "proc_net_wt", "rk_date" };

// The report over the items, its definition and its template.
bool defineReport()
{
    Transaction transaction;
    for (int i = 0; i < records; ++i) {
        if (!ExecSQL("insert into c_proc_main (serialno,proc_mod,proc_mod1,proc_weight,proc_net_wt,rk_date,"
                     "station_no) values (?,?,?,?,?,?,?)",
                { QString("2026120903%1").arg(10001 + i), "YJV", "0.35", 12.5 + i % 7, 12.0,
                    sqlDate(QDate(2026, 12, 9)), "1" }))
            return false;
    }
    if (!ExecSQL("insert into c_reportname (reportname,reportchname,tablename,reportsql) values (?,?,?,?)",
            { "benchlist", "产品清单", "c_proc_main",
                "select serialno,proc_mod,proc_mod1,proc_weight,proc_net_wt,rk_date from c_proc_main "
                "order by serialno" }))
        return false;
    int col = 1;
    for (const char* column : bandColumns) {
        if (!ExecSQL(
                "insert into c_report_setup (reportname,table_name,field_name,row_num,col_num,repeatnum) "
                "values (?,?,?,?,?,?)",
                { "benchlist", column, column, bandRow, col++, 1 }))
            return false;
    }
    if (!transaction.commit() || !QDir(loginState().myapppath).mkpath("reportmodel"))
        return false;
    platform::SheetModel sheet;
    sheet.setRows(bandRow + 2);
    sheet.setCols(7);
    sheet.setCellText(1, 1, "产品清单");
    for (int c = 1; c <= 6; ++c)
        sheet.setCellText(bandRow - 1, c, bandColumns[c - 1]);
    return platform::saveSheetFile(reportTemplatePath("benchlist"), sheet);
}

void testFill(benchmark::State& state, Backend backend)
{
    benchsupport::BenchDatabase db(backend);
    if (!db.ready || !defineReport()) {
        state.SkipWithError(qPrintable("no database: " + db.problem));
        return;
    }
    platform::SheetModel edited;
    if (!platform::loadSheetFile(reportTemplatePath("benchlist"), edited)) {
        state.SkipWithError("no template");
        return;
    }
    for (auto _ : state) {
        platform::SheetModel copy;
        copy.assign(edited);
        if (LoadReport(copy, "benchlist") != ReportFill::Filled || copy.rows() != bandRow + records + 1) {
            state.SkipWithError("not filled");
            break;
        }
        benchmark::DoNotOptimize(copy.cellText(bandRow + records - 1, 6));
    }
    state.SetItemsProcessed(state.iterations() * records);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchsupport::StderrToasts toasts;
    for (const auto& [backend, name] : benchsupport::measuredBackends()) {
        const Backend b = backend;
        benchmark::RegisterBenchmark(
            (name + "/test_fill_10000_records").c_str(), [b](benchmark::State& s) { testFill(s, b); })
            ->Unit(benchmark::kMillisecond)
            ->Apply(benchsupport::onceWhenSmall);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
