// A scripted run of 100,000 key presses through the simulator (no widgets), on the demo
// application: menus, a form with digits, multi-tap letters, a continuation line, a composed
// record passed to the next form, and back. Reports the time per key and how much the heap grew
// between the first pass of the script and the end of the run.
#include "bench/support/benchsize.h"
#include "generator/sim/simulator.h"
#include "tests/support/demoproject.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <vector>

using namespace vosket;

namespace {

const int kKeys = benchsupport::sized(100000, 1000);

using enum Key;

// One trip from the main menu through both forms and back.
const std::vector<Key> kScript = {
    One, One, // menu 1, form 1
    Four, Two, Delete, Two, Enter, // quantity
    Mode, Two, Two, Three, Seven, Seven, Seven, Seven, Seven, Eight, Mode, Enter, // batch by multi-tap
    One, Two, Three, Four, Five, Six, Seven, Eight, Nine, One, Two, Three, Four, Up, Enter, Enter,
    Enter, // remark over its continuation line
    Point, Enter, Five, // a refused character and the error screen
    Mode, Nine, Nine, Nine, Enter, // confirm on form 2, back to menu 1
    Down, Up, Escape, // main menu
};

std::size_t HeapInUse()
{
    return mallinfo2().uordblks;
}

void BM_SimulatorKeys(benchmark::State& state)
{
    Project project;
    testsupport::MakeDemoProject(project);
    Simulator sim(project);
    std::size_t step = 0;
    auto press = [&] {
        const Key key = kScript[step++ % kScript.size()];
        if (SwitchesMode(key) && sim.screen().state() == TextScreen::FormInput)
            sim.screen().setAlphaMode(!sim.screen().alphaMode());
        sim.SimulatorKey(key);
        if (step % 3 == 0)
            sim.tick();
    };
    for (std::size_t i = 0; i < kScript.size(); ++i)
        press();
    const std::size_t heapBefore = HeapInUse();
    for (auto _ : state) {
        for (int i = 0; i < kKeys; ++i)
            press();
    }
    const std::size_t heapAfter = HeapInUse();
    state.SetItemsProcessed(state.iterations() * kKeys);
    state.counters["ns_per_key"] = benchmark::Counter(double(state.iterations()) * kKeys,
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::OneK::kIs1000);
    state.counters["heap_growth_bytes"] = double(heapAfter) - double(heapBefore);
    state.counters["records"] = sim.recordCounter();
}
BENCHMARK(BM_SimulatorKeys)->Unit(benchmark::kMillisecond)->Apply(benchsupport::onceWhenSmall);

} // namespace

BENCHMARK_MAIN();
