#include "statistics/measures.h"

#include "engine/arithmetic.h"
#include "engine/power.h"

#include <vector>

namespace cesuan {
namespace {

std::vector<CalcValue> valuesOf(CalcErrorJournal& journal, int n, const QStringList& items) {
    std::vector<CalcValue> xs;
    xs.reserve(std::size_t(std::max(n, 0)));
    for (int i = 0; i < n && i < items.size(); ++i) xs.push_back(ToCalcValue(journal, items[i]));
    return xs;
}

// -1, 0 or 1: decimals compared exactly, anything else as doubles.
int compareValues(const CalcValue& a, const CalcValue& b) {
    if (a.isDecimal() && b.isDecimal()) {
        const auto order = a.decimal() <=> b.decimal();
        return order < 0 ? -1 : order > 0 ? 1 : 0;
    }
    const double x = a.toDouble().value_or(0), y = b.toDouble().value_or(0);
    return x < y ? -1 : x > y ? 1 : 0;
}

// Each step goes through the two-number routines: a result beyond the decimal range falls
// back to double instead of being lost; an empty result means even that failed.
CalcValue sumOf(CalcErrorJournal& journal, const std::vector<CalcValue>& xs) {
    CalcValue s = Decimal96(0);
    for (const CalcValue& x : xs) {
        s = AddTwo(journal, x, s);
        if (s.isEmpty()) return s;
    }
    return s;
}

CalcValue extreme(const std::vector<CalcValue>& xs, int wanted) {
    if (xs.empty()) return Decimal96(0);
    CalcValue best = xs.front();
    for (const CalcValue& x : xs)
        if (compareValues(x, best) == wanted) best = x;
    return best;
}

CalcValue meanFromSum(CalcErrorJournal& journal, const CalcValue& sum, std::size_t n) {
    if (n == 0) return Decimal96(0);
    if (n > 1 && !sum.isEmpty()) return DivideTwo(journal, sum, std::int64_t(n));
    return sum;
}

CalcValue meanOf(CalcErrorJournal& journal, const std::vector<CalcValue>& xs) { return meanFromSum(journal, sumOf(journal, xs), xs.size()); }

// The sum of the squared deviations from `mean`.
CalcValue squaredDeviations(CalcErrorJournal& journal, const std::vector<CalcValue>& xs, const CalcValue& mean) {
    if (mean.isEmpty()) return CalcValue();
    CalcValue q = Decimal96(0);
    for (const CalcValue& x : xs) {
        const CalcValue d = SubtractTwo(journal, x, mean);
        q = d.isEmpty() ? d : AddTwo(journal, q, MultiplyTwo(journal, d, d));
        if (q.isEmpty()) return q;
    }
    return q;
}

// The standard deviation from the squared deviations q, with the divisor n - 1 or n.
CalcValue stdDevFrom(CalcErrorJournal& journal, const CalcValue& q, std::size_t count, bool divisorN) {
    const std::int64_t n = std::int64_t(count);
    if (n == 0 || (!divisorN && n < 2)) return Decimal96(0);
    if (q.isEmpty()) return q;
    const CalcValue variance = DivideTwo(journal, q, divisorN ? n : n - 1);
    if (variance.isEmpty()) return variance;
    return PowerOf(journal, variance, 0.5);
}

CalcValue stdDevOf(CalcErrorJournal& journal, const std::vector<CalcValue>& xs, const CalcValue& mean, bool divisorN) {
    if (xs.empty() || (!divisorN && xs.size() < 2)) return Decimal96(0);
    return stdDevFrom(journal, squaredDeviations(journal, xs, mean), xs.size(), divisorN);
}

CalcValue cvOf(CalcErrorJournal& journal, std::size_t n, const CalcValue& mean, const CalcValue& stdDev) {
    if (n == 0) return Decimal96(0);
    if (mean.isEmpty() || stdDev.isEmpty()) return CalcValue();
    CalcValue cv = IsZeroValue(mean) ? CalcValue(1E+28) : DivideTwo(journal, stdDev, mean);
    if (IsZeroValue(stdDev)) cv = Decimal96(0);
    return cv;
}

}  // namespace

CalcValue StatSum(CalcErrorJournal& journal, int n, const QStringList& items) { return sumOf(journal, valuesOf(journal, n, items)); }
CalcValue StatMin(CalcErrorJournal& journal, int n, const QStringList& items) { return extreme(valuesOf(journal, n, items), -1); }
CalcValue StatMax(CalcErrorJournal& journal, int n, const QStringList& items) { return extreme(valuesOf(journal, n, items), 1); }
CalcValue StatMean(CalcErrorJournal& journal, int n, const QStringList& items) { return meanOf(journal, valuesOf(journal, n, items)); }

CalcValue StatStdDev(CalcErrorJournal& journal, int n, const QStringList& items) {
    const auto xs = valuesOf(journal, n, items);
    return stdDevOf(journal, xs, meanOf(journal, xs), false);
}

CalcValue StatStdDevN(CalcErrorJournal& journal, int n, const QStringList& items) {
    const auto xs = valuesOf(journal, n, items);
    return stdDevOf(journal, xs, meanOf(journal, xs), true);
}

CalcValue StatCv(CalcErrorJournal& journal, int n, const QStringList& items) {
    const auto xs = valuesOf(journal, n, items);
    const CalcValue mean = meanOf(journal, xs);
    return cvOf(journal, xs.size(), mean, stdDevOf(journal, xs, mean, false));
}

CalcValue StatCvN(CalcErrorJournal& journal, int n, const QStringList& items) {
    const auto xs = valuesOf(journal, n, items);
    const CalcValue mean = meanOf(journal, xs);
    return cvOf(journal, xs.size(), mean, stdDevOf(journal, xs, mean, true));
}

ColumnMeasures MeasureColumn(CalcErrorJournal& journal, int n, const QStringList& items) {
    const auto xs = valuesOf(journal, n, items);
    ColumnMeasures m;
    m.count = int(xs.size());
    m.min = extreme(xs, -1);
    m.max = extreme(xs, 1);
    m.sum = sumOf(journal, xs);
    m.mean = meanFromSum(journal, m.sum, xs.size());
    const CalcValue q = xs.empty() ? CalcValue(Decimal96(0)) : squaredDeviations(journal, xs, m.mean);
    m.stdDev = stdDevFrom(journal, q, xs.size(), false);
    m.stdDevN = stdDevFrom(journal, q, xs.size(), true);
    m.cv = cvOf(journal, xs.size(), m.mean, m.stdDev);
    m.cvN = cvOf(journal, xs.size(), m.mean, m.stdDevN);
    return m;
}

}  // namespace cesuan
