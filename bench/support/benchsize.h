#pragma once
// How much work a benchmark does. scripts/bench measures at the full sizes; CI sets
// KORVELL_BENCH_SMALL=1 and runs every benchmark once at a small size, so a benchmark that no
// longer builds or no longer works fails CI without costing its full time.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>

namespace benchsupport {

inline bool smallRun()
{
    const char* small = std::getenv("KORVELL_BENCH_SMALL");
    return small && std::strcmp(small, "0") != 0 && *small;
}

// The benchmark's own size when measuring, the small one in CI.
template <class Size> Size sized(Size full, Size small)
{
    return smallRun() ? small : full;
}

// Applied last to a registration: in CI one iteration and one repetition, whatever it asks for.
inline void onceWhenSmall(benchmark::internal::Benchmark* b)
{
    if (smallRun())
        b->Iterations(1)->Repetitions(1);
}

} // namespace benchsupport
