#include "statistics/measures.h"
#include "tests/support/journal_fixture.h"

#include <boost/multiprecision/cpp_dec_float.hpp>

#include <random>

namespace cesuan {
namespace {

QStringList items(std::initializer_list<const char16_t*> values) {
    QStringList list;
    for (const char16_t* v : values) list.append(QString::fromUtf16(v));
    return list;
}

class Measures : public JournalTest {};

TEST_F(Measures, SmallColumns) {
    const QStringList twos = items({u"2", u"2", u"2", u"2"});
    EXPECT_EQ(StatSum(journal, 4, twos).text(), u"8");
    EXPECT_EQ(StatMean(journal, 4, twos).text(), u"2");
    EXPECT_EQ(StatStdDev(journal, 4, twos).text(), u"0");
    EXPECT_EQ(StatCv(journal, 4, twos).text(), u"0");

    const QStringList mixed = items({u"3", u"3.2346", u"-33"});
    EXPECT_EQ(StatMin(journal, 3, mixed).text(), u"-33");
    EXPECT_EQ(StatMax(journal, 3, mixed).text(), u"3.2346");
    EXPECT_EQ(StatSum(journal, 3, mixed).text(), u"-26.7654");
    EXPECT_EQ(StatMean(journal, 3, mixed).text(), u"-8.9218");

    const QStringList one = items({u"5"});
    EXPECT_EQ(StatStdDev(journal, 1, one).text(), u"0");
    EXPECT_EQ(StatStdDevN(journal, 1, one).text(), u"0");
    EXPECT_EQ(StatCvN(journal, 1, one).text(), u"0");

    const QStringList symmetric = items({u"-1", u"1"});
    EXPECT_EQ(StatMean(journal, 2, symmetric).text(), u"0");
    EXPECT_EQ(StatStdDev(journal, 2, symmetric).text(), u"1.4142135623730950488016887242");
    EXPECT_EQ(StatStdDevN(journal, 2, symmetric).text(), u"1");
    EXPECT_TRUE(StatCv(journal, 2, symmetric).isDouble());
    EXPECT_EQ(StatCv(journal, 2, symmetric).text(), u"1E+28");  // a zero mean with spread

    for (auto measure : {StatSum, StatMin, StatMax, StatMean, StatStdDev, StatStdDevN, StatCv, StatCvN})
        EXPECT_EQ(measure(journal, 0, QStringList()).text(), u"0");
}

// Squares beyond the decimal range fall back to double instead of being skipped.
TEST_F(Measures, StepsBeyondTheDecimalRangeStayRight) {
    const QStringList wide = items({u"1E17", u"-1E17", u"1"});
    const CalcValue sd = StatStdDev(journal, 3, wide);
    ASSERT_FALSE(sd.isEmpty());
    EXPECT_NEAR(sd.toDouble().value(), 1e17, 1e3);
    const ColumnMeasures m = MeasureColumn(journal, 3, wide);
    EXPECT_EQ(m.stdDev.text(), sd.text());
}

// Mean and standard deviations of random tables against 50-digit arithmetic.
TEST_F(Measures, AgainstAnIndependentComputation) {
    using Exact = boost::multiprecision::cpp_dec_float_50;
    std::mt19937 rng(81);
    std::uniform_int_distribution<int> digits(0, 999999);
    for (int table = 0; table < 5; ++table) {
        QStringList list;
        std::vector<Exact> xs;
        for (int i = 0; i < 40 + table * 30; ++i) {
            const QString v = QStringLiteral("%1%2.%3").arg(digits(rng) % 2 ? u"-" : u"").arg(digits(rng) % 5000).arg(digits(rng), 6, 10, QChar(u'0'));
            list.append(v);
            xs.emplace_back(v.toStdString());
        }
        const int n = int(xs.size());
        Exact sum = 0;
        for (const Exact& x : xs) sum += x;
        const Exact mean = sum / n;
        Exact q = 0;
        for (const Exact& x : xs) q += (x - mean) * (x - mean);
        const Exact sd = sqrt(q / (n - 1)), sdN = sqrt(q / n);

        const ColumnMeasures m = MeasureColumn(journal, n, list);
        EXPECT_EQ(Exact(m.sum.text().toStdString()), sum);  // sums are exact
        EXPECT_LT(abs(Exact(m.mean.text().toStdString()) - mean), Exact("1e-24"));
        EXPECT_LT(abs(Exact(m.stdDev.text().toStdString()) - sd), Exact("1e-23"));
        EXPECT_LT(abs(Exact(m.stdDevN.text().toStdString()) - sdN), Exact("1e-23"));
        // The routines one by one give what the column computes at once.
        EXPECT_EQ(StatCv(journal, n, list).text(), m.cv.text());
        EXPECT_EQ(StatCvN(journal, n, list).text(), m.cvN.text());
        EXPECT_EQ(StatMin(journal, n, list).text(), m.min.text());
    }
}

}  // namespace
}  // namespace cesuan
