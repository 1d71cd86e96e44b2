// Reading a point file of 1,000,000 lines (about 45 MB) as the windows' file dialogs do on
// their worker thread: read, find the encoding, decode, make the line ends CR LF. UTF-8 and
// GBK; reports the time of one reading and the peak resident memory of the process.

#include "files/text_file.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <sys/resource.h>

namespace {

using namespace cesuan;

void BM_ReadPointFile(benchmark::State& state) {
    const bool gbk = state.range(0) != 0;
    QString text;
    text.reserve(qsizetype(50) << 20);
    for (int i = 0; i < 1000000; ++i) text += QStringLiteral("点%1 , 39.4125536 , 117.5017873 , 23.441\n").arg(i);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("points.txt"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return state.SkipWithError("cannot write the point file");
        file.write(gbk ? QByteArray(QStringEncoder("GBK").encode(text)) : text.toUtf8());
    }
    text = QString();
    for (auto _ : state) {
        const TextFileContent content = ReadTextFileWithCrLf(path);
        if (!content.ok()) return state.SkipWithError("the point file did not read");
        benchmark::DoNotOptimize(content.text.constData());
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MiB"] = double(usage.ru_maxrss) / 1024.0;
    state.SetLabel(gbk ? "GBK" : "UTF-8");
}
BENCHMARK(BM_ReadPointFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
