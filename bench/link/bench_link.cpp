// How close the download and the collection come to the protocol's own bound: the number of
// stop-and-wait round trips times the cost of the cheapest round trip the pseudo-terminal allows
// (one byte there and one back).
#include "tests/support/simterminal.h"

#include "bench/support/benchsize.h"

#include "generator/link/collect.h"
#include "generator/link/download.h"

#include "tests/support/scripteddialogs.h"

#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <poll.h>
#include <thread>
#include <unistd.h>

using namespace vosket;

namespace {

constexpr int downloadRoundTrips = 1 + programBlockCount; // handshake, blocks
const int collectedRecords = benchsupport::sized(10000, 100);
const int collectRoundTrips = 1 + collectedRecords; // READ, then one ACK per record

// The median of many one-byte round trips through the generator's port code and a peer thread.
// Measured beside every timed run, so both see the same load on the machine.
double pingPongMicroseconds()
{
    linktest::PtyPair pty;
    auto port = openTermiosLink(pty.slavePath, nullptr);
    port->apply({});
    constexpr int rounds = 1000;
    std::thread echo([&] {
        for (int i = 0; i < rounds; ++i) {
            pollfd p { pty.master, POLLIN, 0 };
            ::poll(&p, 1, 1000);
            char c;
            while (::read(pty.master, &c, 1) != 1)
                ::poll(&p, 1, 1000);
            while (::write(pty.master, &c, 1) != 1) { }
        }
    });
    std::vector<double> times;
    const uint8_t byte = 'x';
    for (int i = 0; i < rounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        port->write(std::span(&byte, 1));
        uint8_t back;
        while (port->read(&back, 1) == 0)
            port->waitReadable(1000);
        times.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    echo.join();
    std::nth_element(times.begin(), times.begin() + rounds / 2, times.end());
    return times[rounds / 2];
}

// Time spent against the bound of the same iterations.
struct BoundTally {
    int roundTrips;
    double seconds = 0;
    double pingPongSum = 0;

    void report(benchmark::State& state) const
    {
        const double iterations = static_cast<double>(state.iterations());
        const double pingPong = pingPongSum / iterations;
        const double boundMs = roundTrips * pingPong / 1000.0;
        state.counters["round_trips"] = roundTrips;
        state.counters["pingpong_us"] = pingPong;
        state.counters["bound_ms"] = boundMs;
        state.counters["x_bound"] = seconds * 1000.0 / iterations / boundMs;
    }
};

void BM_DownloadProgramImage(benchmark::State& state)
{
    testsupport::ScriptedDialogs dialogs;
    Bytes image(programImageSize);
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<uint8_t>(i * 31);
    BoundTally tally { downloadRoundTrips };
    for (auto _ : state) {
        state.PauseTiming();
        tally.pingPongSum += pingPongMicroseconds();
        linktest::PtyPair pty;
        linktest::SimTerminal terminal(pty, {});
        LinkEnvironment env;
        env.open = [&](const QString&, QString* error) { return openTermiosLink(pty.slavePath, error); };
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        const int result
            = DownloadToTerminal(env, {}, Adapter::IrDA, DownloadKind::ProgramImage, [&] { return image; });
        tally.seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.PauseTiming();
        terminal.stop();
        if (result != 1 || terminal.image != image)
            state.SkipWithError("download failed");
        state.ResumeTiming();
    }
    tally.report(state);
}

void BM_CollectRecords(benchmark::State& state)
{
    testsupport::ScriptedDialogs dialogs;
    QTemporaryDir dir;
    linktest::SimBehaviour behaviour;
    for (int i = 0; i < collectedRecords; ++i)
        behaviour.records.push_back("20261208" + QByteArray::number(10000 + i));
    BoundTally tally { collectRoundTrips };
    for (auto _ : state) {
        state.PauseTiming();
        tally.pingPongSum += pingPongMicroseconds();
        linktest::PtyPair pty;
        linktest::SimTerminal terminal(pty, behaviour);
        LinkEnvironment env;
        env.open = [&](const QString&, QString* error) { return openTermiosLink(pty.slavePath, error); };
        dialogs.fileNames = { dir.filePath("collected.txt") };
        dialogs.answers = { platform::Answer::No };
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        const int count = CollectData(env, {}, Adapter::IrDA);
        tally.seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.PauseTiming();
        terminal.stop();
        if (count != collectedRecords)
            state.SkipWithError("collection failed");
        state.ResumeTiming();
    }
    tally.report(state);
}

} // namespace

BENCHMARK(BM_DownloadProgramImage)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Apply(benchsupport::onceWhenSmall);
BENCHMARK(BM_CollectRecords)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Apply(benchsupport::onceWhenSmall);

BENCHMARK_MAIN();
