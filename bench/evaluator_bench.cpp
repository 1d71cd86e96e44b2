// The road of one calculation (normalise, check and space, evaluate, check the digits
// against the wide twin, cut) on the history's example formulas and on long formulas: sums
// of bracketed products with functions, of about 500, 2,000 and 8,000 characters. The time
// grows with the square of the length: every step rewrites the formula text. BM_WideTwin
// times the wide twin alone on the same formulas: the part of a calculation that the
// honesty of its digits costs.

#include "evaluator/calculate.h"
#include "evaluator/wide_evaluate.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

using namespace cesuan;

const char16_t* const kExamples[] = {
    u"示例  -1。115671/-5.0432123478加3。33123-4。444+(-5。53456*-2.0123456+8。8880123)\\-3.3456",
    u"示例  -1。123^3-(4。4441-5。5554%)^-8。8881-3.7!/567.37143",
    u"示例  -1-2.0034521除3.0023417+33-44",
    u"示例  -3+（1乘2-1）除4-sin-45.595999+(cos-45.595999-tan-45.595999)*5+cot-45.595999/3",
    u"示例  arcsin(-0.456789321)+arccos(-0.123456789)-arctan(-1.456789321)+arccot(-2.234567891)",
    u"示例  sh ( +2.0123 ) +sh ( -2 ) +ch ( -2.1 ) -th ( -2.34 ) -cth ( -1.234 ) ",
    u"示例   sec ( 23.45599 ) -csc ( 34.595987 ) -arcsec ( -2.0123 ) +arccsc ( -3.016789 ) ",
    u"示例   ( lg ( 6.234 )  / lg ( 0.24531231 )  ) -ln ( 1.3456317 ) +lg ( 6.345210 ) ",
    u"示例  sin(45.555555)+cos(145.555555)-tan(45.555555555)-cot(-45.555555555)",
    u"示例  -0。11 加  [ 2.2 - 3。3 ]  乘以 -2 _  ( 5.5 - 6.6 + 7.7 )  除 -9 ",
    u"示例  -23.123e25*5 + 1.23456e12*1.2e1-1.111111111111111111122222222222222222222333333333e3/12345",
    u"示例  12.234e12*45^3.00012+2.1234321e134/987654321^1.001",
    u"示例  计算直角三角型的弦长  （r^2 + s^2) ^ 0.5",
    u"示例  计算圆的面积  π* r^2 ",
    u"示例  计算球的体积  4/3 * π * r^3 ",
    u"示例  计算圆锥的体积  1/3 * π * r^2 * t ",
    u"示例采用弧度制 ( 0.000000005 + 0.00000006 - 123.0004567 )  * 0.00012345 / 167.234567 \\ 234.12 *  ( 1 / "
    u"0.00123 ) % + 12! - 0.234 ^ 1.01765 ^ 9 ^  ( 1 / 2 )  ^  ( 1 / 3 )  ^  ( 1 / 7 ) -sin ( 1.5959 )  * cos ( "
    u"0.5959 ) +tan ( 1.5969) -cot ( 3.5856543 ) + π - ε - 1e-28 ",
    u"示例   r * s * t * u * v * w * x * y * z ",
};

// (a*sin(b))+(c*cos(d))+(e*ln(f))+… up to about `length` characters, the same every run.
QString longFormula(int length) {
    std::mt19937 rng(7);
    const char* functions[] = {"sin", "cos", "ln"};
    QString text;
    while (text.size() < length) {
        if (!text.isEmpty()) text += u'+';
        text += QStringLiteral("(%1.%2*%3(%4.%5))")
                    .arg(rng() % 99 + 1)
                    .arg(rng() % 1000)
                    .arg(QString::fromLatin1(functions[rng() % 3]))
                    .arg(rng() % 9 + 1)
                    .arg(rng() % 99 + 1);
    }
    return text;
}

void runFormula(benchmark::State& state, const QString& formula) {
    CalcContext context;
    context.settings.decimalPlaces = 28;
    QString result;
    for (auto _ : state) {
        result = Calculate(context, formula).result;
        benchmark::DoNotOptimize(result);
    }
    state.SetLabel(result.trimmed().left(40).toStdString());
}

// The wide twin of the evaluation on the formula as the formula box shows it.
void runWideTwin(benchmark::State& state, const QString& typed) {
    CalcContext context;
    context.settings.decimalPlaces = 28;
    const QString formula = Calculate(context, typed).formula;
    for (auto _ : state) {
        WideTruth truth = EvaluateWide(context.settings, formula);
        benchmark::DoNotOptimize(truth);
    }
}

const int registered = [] {
    for (int i = 0; i < int(std::size(kExamples)); ++i) {
        const QString formula = QString::fromUtf16(kExamples[i]);
        benchmark::RegisterBenchmark(("BM_Example/" + std::to_string(i + 1)).c_str(),
                                     [formula](benchmark::State& s) { runFormula(s, formula); });
        benchmark::RegisterBenchmark(("BM_WideTwin/Example/" + std::to_string(i + 1)).c_str(),
                                     [formula](benchmark::State& s) { runWideTwin(s, formula); });
    }
    for (int length : {500, 2000, 8000}) {
        const QString formula = longFormula(length);
        benchmark::RegisterBenchmark(("BM_LongFormula/" + std::to_string(length)).c_str(),
                                     [formula](benchmark::State& s) { runFormula(s, formula); })
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("BM_WideTwin/LongFormula/" + std::to_string(length)).c_str(),
                                     [formula](benchmark::State& s) { runWideTwin(s, formula); })
            ->Unit(benchmark::kMillisecond);
    }
    return 0;
}();

}  // namespace

BENCHMARK_MAIN();
