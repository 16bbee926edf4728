// Grid figures: filling and showing a large sheet, a ten-million-row sheet, the print preview's
// first page and the spreadsheet export of a large sheet.
#include "bench/support/benchsize.h"
#include "platform/grid/grid.h"
#include "platform/grid/sheetpainter.h"
#include "platform/grid/xlsxexport.h"
#include "platform/ui/fonts.h"

#include <QApplication>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fstream>
#include <string>

using namespace platform;

namespace {

long residentKb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

// 100,000 stock-in rows of 13 columns, as a query window fills them.
const int rowCount = benchsupport::sized(100'000, 1000);

void fill(SheetModel& s, int rows)
{
    SheetModel::Batch batch(s);
    s.setCols(13);
    s.setRows(rows + 1);
    for (int c = 1; c < 13; ++c)
        s.setCellText(0, c, QString("列%1").arg(c));
    const QString model = QStringLiteral("YJV-3×95"), team = QStringLiteral("甲班");
    for (int r = 1; r <= rows; ++r) {
        s.setCellText(r, 1, QString::number(2026120903500000LL + r));
        s.setCellText(r, 2, model);
        s.setCellText(r, 3, QStringLiteral("0.35"));
        s.setCellText(r, 4, QString::number(20 + r % 100 * 0.25));
        s.setCellText(r, 5, QString::number(18 + r % 100 * 0.25));
        s.setCellText(r, 6, QStringLiteral("在库"));
        s.setCellText(r, 7, QStringLiteral("2026-12-9"));
        s.setCellText(r, 8, QStringLiteral("张三"));
        s.setCellText(r, 9, QStringLiteral("李四"));
        s.setCellText(r, 10, QStringLiteral("2026120910001"));
        s.setCellText(r, 11, QStringLiteral("00"));
        s.setCellText(r, 12, team);
    }
}

void BM_FillAndShow100k(benchmark::State& state)
{
    for (auto _ : state) {
        Grid grid;
        grid.resize(1024, 700);
        fill(grid.sheet(), rowCount);
        grid.setActiveCell(rowCount / 2, 3);
        benchmark::DoNotOptimize(grid.grab());
    }
}
BENCHMARK(BM_FillAndShow100k)->Unit(benchmark::kMillisecond)->Apply(benchsupport::onceWhenSmall);

void BM_SetTenMillionRows(benchmark::State& state)
{
    for (auto _ : state) {
        const long before = residentKb();
        Grid grid;
        grid.resize(1024, 700);
        grid.sheet().setRows(SheetModel::maxRows);
        grid.sheet().setCellText(SheetModel::maxRows - 1, 1, "last");
        grid.setActiveCell(SheetModel::maxRows - 1, 1);
        benchmark::DoNotOptimize(grid.grab());
        state.counters["rss_kb"] = double(residentKb() - before);
    }
}
BENCHMARK(BM_SetTenMillionRows)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_PreviewFirstPage100k(benchmark::State& state)
{
    SheetModel s;
    fill(s, rowCount);
    s.pageSetup().footer = "第 &P 页 共&N页";
    s.pageSetup().printCaptionRow = true;
    QTemporaryDir dir;
    for (auto _ : state) {
        QPdfWriter pdf(dir.filePath("first.pdf"));
        pdf.setResolution(1200);
        state.counters["pages"] = SheetPainter(s).print(pdf, 1, 1);
    }
}
BENCHMARK(BM_PreviewFirstPage100k)->Unit(benchmark::kMillisecond)->Apply(benchsupport::onceWhenSmall);

void BM_XlsxExport100k(benchmark::State& state)
{
    SheetModel s;
    fill(s, rowCount);
    QTemporaryDir dir;
    for (auto _ : state)
        benchmark::DoNotOptimize(exportXlsx(s, dir.filePath("out.xlsx")));
}
BENCHMARK(BM_XlsxExport100k)->Unit(benchmark::kMillisecond)->Apply(benchsupport::onceWhenSmall);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    installChineseFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
