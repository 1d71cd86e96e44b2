// The statistics command on a pasted table of 100,000 rows: a name column and five number
// columns of decimals with up to 10 digits. Reports the time of one command and the peak
// resident memory of the process.

#include "cli/offline_platform.h"
#include "screens/statistics_screen.h"

#include <benchmark/benchmark.h>

#include <random>

#include <sys/resource.h>

namespace {

using namespace cesuan;

QString table(int rows) {
    std::mt19937 rng(100000);
    std::uniform_int_distribution<int> whole(-99999, 99999), fraction(0, 99999);
    QString text;
    text.reserve(qsizetype(rows) * 64);
    for (int r = 0; r < rows; ++r) {
        text += QStringLiteral("点%1").arg(r);
        for (int c = 0; c < 5; ++c) text += QStringLiteral("*%1.%2").arg(whole(rng)).arg(fraction(rng), 5, 10, QChar(u'0'));
        text += QStringLiteral("\r\n");
    }
    return text;
}

void BM_StatisticsCommand(benchmark::State& state) {
    const QString data = table(int(state.range(0)));
    NoMessageBoxes messages;
    NoPrinter printer;
    NoFileDialogs files;
    NoScreens screens;
    StatisticsScreen screen(messages, printer, files, screens);
    for (auto _ : state) {
        screen.data = data;
        screen.computeStatistics();
        benchmark::DoNotOptimize(screen.grid);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MiB"] = double(usage.ru_maxrss) / 1024.0;
    state.SetLabel(screen.grid[3][0].toStdString());  // the first column's mean
}
BENCHMARK(BM_StatisticsCommand)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
