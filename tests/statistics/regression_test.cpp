#include "statistics/regression.h"

#include <boost/multiprecision/cpp_bin_float.hpp>
#include <boost/multiprecision/cpp_int.hpp>
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace cesuan {
namespace {

using Rational = boost::multiprecision::cpp_rational;
using Wide = boost::multiprecision::cpp_bin_float_50;

// A decimal text as the exact rational it writes.
Rational exactDecimal(const std::string& text) {
    const std::size_t point = text.find('.');
    if (point == std::string::npos) return Rational(text);
    const std::string digits = text.substr(0, point) + text.substr(point + 1);
    Rational scale = 1;
    for (std::size_t i = point + 1; i < text.size(); ++i) scale *= 10;
    const bool negative = !digits.empty() && digits[0] == '-';
    const boost::multiprecision::cpp_int whole(negative ? digits.substr(1) : digits);
    return (negative ? Rational(-whole) : Rational(whole)) / scale;
}

// The least-squares fit of the decimal data in exact rationals: the normal equations solved
// by Gauss–Jordan elimination, then RSS, TSS and (XᵀX)⁻¹ exactly; only the square roots are
// wide binary numbers.
struct ExactFit {
    std::vector<Rational> coefficients;
    std::vector<Wide> stdErrors;
    Wide residualSd, r2;
};

ExactFit exactFit(const std::vector<std::string>& xs, const std::vector<std::string>& ys, int degree) {
    const std::size_t n = xs.size(), p = std::size_t(degree) + 1;
    std::vector<Rational> x, y;
    for (std::size_t i = 0; i < n; ++i) {
        x.push_back(exactDecimal(xs[i]));
        y.push_back(exactDecimal(ys[i]));
    }
    const auto power = [](const Rational& v, std::size_t k) {
        Rational r = 1;
        for (std::size_t i = 0; i < k; ++i) r *= v;
        return r;
    };
    std::vector<std::vector<Rational>> m(p, std::vector<Rational>(2 * p));
    for (std::size_t j = 0; j < p; ++j) {
        for (std::size_t k = 0; k < p; ++k)
            for (std::size_t i = 0; i < n; ++i) m[j][k] += power(x[i], j + k);
        m[j][p + j] = 1;
    }
    for (std::size_t c = 0; c < p; ++c) {
        std::size_t pivot = c;
        while (m[pivot][c] == 0) ++pivot;
        std::swap(m[c], m[pivot]);
        const Rational divisor = m[c][c];
        for (Rational& v : m[c]) v /= divisor;
        for (std::size_t r = 0; r < p; ++r) {
            if (r == c || m[r][c] == 0) continue;
            const Rational factor = m[r][c];
            for (std::size_t k = 0; k < 2 * p; ++k) m[r][k] -= factor * m[c][k];
        }
    }
    ExactFit fit;
    for (std::size_t j = 0; j < p; ++j) {
        Rational b = 0;
        for (std::size_t k = 0; k < p; ++k) {
            Rational xty = 0;
            for (std::size_t i = 0; i < n; ++i) xty += power(x[i], k) * y[i];
            b += m[j][p + k] * xty;
        }
        fit.coefficients.push_back(b);
    }
    Rational rss = 0, mean = 0, tss = 0;
    for (std::size_t i = 0; i < n; ++i) {
        Rational fitted = 0;
        for (std::size_t j = 0; j < p; ++j) fitted += fit.coefficients[j] * power(x[i], j);
        rss += (y[i] - fitted) * (y[i] - fitted);
        mean += y[i];
    }
    mean /= n;
    for (const Rational& v : y) tss += (v - mean) * (v - mean);
    const Rational variance = rss / Rational(n - p);
    for (std::size_t j = 0; j < p; ++j) fit.stdErrors.push_back(sqrt(Wide(variance * m[j][p + j])));
    fit.residualSd = sqrt(Wide(variance));
    fit.r2 = Wide(1 - rss / tss);
    return fit;
}

// The fit of the same decimal texts read as the window reads them.
RegressionFit textFit(const std::vector<std::string>& xs, const std::vector<std::string>& ys, int degree) {
    std::vector<long double> x, y;
    const auto read = [](const std::string& text) {
        long double v = 0;
        EXPECT_TRUE(ReadExtendedNumber(QString::fromStdString(text), v)) << text;
        return v;
    };
    for (const std::string& v : xs) x.push_back(read(v));
    for (const std::string& v : ys) y.push_back(read(v));
    RegressionFit fit;
    EXPECT_EQ(FitPolynomial(x, y, degree, fit), RegressionProblem::None);
    return fit;
}

// Within a unit of the last of the 15 significant digits a certificate gives.
::testing::AssertionResult toFifteenDigits(double value, const char* certified) {
    const Wide expected(certified);
    const Wide unit = pow(Wide(10), floor(log10(abs(expected))) - 14);
    if (abs(Wide(value) - expected) <= unit) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << value << " differs from " << certified << " in its first 15 digits";
}

// |value − expected| within `relative` of |expected|.
::testing::AssertionResult near(double value, const Wide& expected, double relative) {
    const Wide error = abs(Wide(value) - expected);
    if (error <= abs(expected) * relative) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << value << " is not " << expected.str(20) << " within " << relative;
}

// The two columns of a data set written "y x" a line, as the certificates list them.
struct DataSet {
    std::vector<std::string> x, y;
};
DataSet columns(const char* text) {
    DataSet set;
    for (const QString& line : QString::fromLatin1(text).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList cells = line.split(u' ', Qt::SkipEmptyParts);
        set.y.push_back(cells[0].toStdString());
        set.x.push_back(cells[1].toStdString());
    }
    return set;
}

// NIST StRD, linear regression, Norris (lower difficulty, degree 1) and Pontius (lower
// difficulty, degree 2): the data, y then x, and the certified values.
const char* const kNorris = R"(0.1 0.2
338.8 337.4
118.1 118.2
888.0 884.6
9.2 10.1
228.1 226.5
668.5 666.3
998.5 996.3
449.1 448.6
778.9 777.0
559.2 558.2
0.3 0.4
0.1 0.6
778.1 775.5
668.8 666.9
339.3 338.0
448.9 447.5
10.8 11.6
557.7 556.0
228.3 228.1
998.0 995.8
888.8 887.6
119.6 120.2
0.3 0.3
0.6 0.3
557.6 556.8
339.3 339.1
888.0 887.2
998.5 999.0
778.9 779.0
10.2 11.1
117.6 118.3
228.9 229.2
668.4 669.1
449.2 448.9
0.2 0.5
)";

const char* const kPontius = R"(.11019 150000
.21956 300000
.32949 450000
.43899 600000
.54803 750000
.65694 900000
.76562 1050000
.87487 1200000
.98292 1350000
1.09146 1500000
1.20001 1650000
1.30822 1800000
1.41599 1950000
1.52399 2100000
1.63194 2250000
1.73947 2400000
1.84646 2550000
1.95392 2700000
2.06128 2850000
2.16844 3000000
.11052 150000
.22018 300000
.32939 450000
.43886 600000
.54798 750000
.65739 900000
.76596 1050000
.87474 1200000
.98300 1350000
1.09150 1500000
1.20004 1650000
1.30818 1800000
1.41613 1950000
1.52408 2100000
1.63159 2250000
1.73965 2400000
1.84696 2550000
1.95445 2700000
2.06177 2850000
2.16829 3000000
)";

struct Certificate {
    const char* name;
    const char* data;
    int degree;
    std::vector<const char*> coefficients, stdErrors;
    const char *residualSd, *r2;
};

const Certificate kCertificates[] = {
    {"Norris", kNorris, 1, {"-0.262323073774029", "1.00211681802045"},
     {"0.232818234301152", "0.429796848199937E-03"}, "0.884796396144373", "0.999993745883712"},
    {"Pontius", kPontius, 2, {"0.673565789473684E-03", "0.732059160401003E-06", "-0.316081871345029E-14"},
     {"0.107938612033077E-03", "0.157817399981659E-09", "0.486652849992036E-16"}, "0.205177424076185E-03",
     "0.999999900178537"},
};


TEST(Regression, NistCertifiedValues) {
    for (const Certificate& c : kCertificates) {
        SCOPED_TRACE(c.name);
        const DataSet set = columns(c.data);
        const RegressionFit fit = textFit(set.x, set.y, c.degree);
        ASSERT_EQ(fit.coefficients.size(), c.coefficients.size());
        for (std::size_t j = 0; j < c.coefficients.size(); ++j) {
            EXPECT_TRUE(toFifteenDigits(fit.coefficients[j], c.coefficients[j])) << "b" << j;
            EXPECT_TRUE(toFifteenDigits(fit.stdErrors[j], c.stdErrors[j])) << "se b" << j;
        }
        EXPECT_TRUE(toFifteenDigits(fit.residualSd, c.residualSd));
        EXPECT_TRUE(toFifteenDigits(fit.r2, c.r2));
        EXPECT_EQ(fit.n, int(set.x.size()));
    }
}

// The same data against the exact fit of their decimals: the double results are within a
// few units of their last place.
TEST(Regression, NistDataAgainstTheExactFit) {
    for (const Certificate& c : kCertificates) {
        SCOPED_TRACE(c.name);
        const DataSet set = columns(c.data);
        const RegressionFit fit = textFit(set.x, set.y, c.degree);
        const ExactFit exact = exactFit(set.x, set.y, c.degree);
        for (std::size_t j = 0; j < exact.coefficients.size(); ++j) {
            EXPECT_TRUE(near(fit.coefficients[j], Wide(exact.coefficients[j]), 1e-15)) << "b" << j;
            EXPECT_TRUE(near(fit.stdErrors[j], exact.stdErrors[j], 1e-15)) << "se b" << j;
        }
        EXPECT_TRUE(near(fit.residualSd, exact.residualSd, 1e-15));
        EXPECT_TRUE(near(fit.r2, exact.r2, 1e-15));
        EXPECT_TRUE(near(fit.r, sqrt(exact.r2), 1e-15));
    }
}

// Degree 1 on small integer data: the exact rationals of the fit, to the double nearest
// them, and r with the sign of the slope.
TEST(Regression, StraightLinesAgainstExactRationals) {
    struct Case {
        std::vector<std::string> x, y;
    };
    const Case cases[] = {
        {{"1", "2", "3", "4"}, {"2", "3", "5", "6"}},            // b = 1/2, 7/5
        {{"0", "1", "2", "3", "4"}, {"7", "5", "4", "2", "1"}},  // falling: r < 0
        {{"-3", "0", "1", "10", "11"}, {"1", "1", "2", "3", "-1"}},
        {{"0.1", "0.2", "0.3"}, {"0.3", "0.1", "0.7"}},
    };
    for (const Case& c : cases) {
        const RegressionFit fit = textFit(c.x, c.y, 1);
        const ExactFit exact = exactFit(c.x, c.y, 1);
        for (std::size_t j = 0; j < 2; ++j) {
            EXPECT_TRUE(near(fit.coefficients[j], Wide(exact.coefficients[j]), 4e-16)) << "b" << j;
            EXPECT_TRUE(near(fit.stdErrors[j], exact.stdErrors[j], 4e-16)) << "se b" << j;
        }
        EXPECT_TRUE(near(fit.residualSd, exact.residualSd, 4e-16));
        EXPECT_TRUE(near(std::fabs(fit.r), sqrt(exact.r2), 4e-16));
        EXPECT_EQ(fit.r < 0, exact.coefficients[1] < 0);
    }
    const RegressionFit fit = textFit({"1", "2", "3", "4"}, {"2", "3", "5", "6"}, 1);
    EXPECT_EQ(fit.coefficients[0], 0.5);
    EXPECT_EQ(fit.coefficients[1], 1.4);
}

// Exact polynomials of degree 2 and 3 are found again, with no residual.
TEST(Regression, ExactPolynomialsAreFoundAgain) {
    std::vector<double> x, y2, y3;
    for (int i = -4; i <= 6; ++i) {
        x.push_back(i);
        y2.push_back(3 - 2.0 * i + 0.5 * i * i);
        y3.push_back(-1 + 0.25 * i * i * i);
    }
    RegressionFit fit;
    ASSERT_EQ(FitPolynomial(x, y2, 2, fit), RegressionProblem::None);
    EXPECT_NEAR(fit.coefficients[0], 3, 1e-13);
    EXPECT_NEAR(fit.coefficients[1], -2, 1e-13);
    EXPECT_NEAR(fit.coefficients[2], 0.5, 1e-14);
    EXPECT_NEAR(fit.residualSd, 0, 1e-13);
    EXPECT_EQ(fit.r2, 1);
    ASSERT_EQ(FitPolynomial(x, y3, 3, fit), RegressionProblem::None);
    EXPECT_NEAR(fit.coefficients[3], 0.25, 1e-14);
    EXPECT_NEAR(fit.coefficients[1], 0, 1e-13);
}

TEST(Regression, NumberTexts) {
    long double v = 0;
    EXPECT_TRUE(ReadExtendedNumber(u" 0.11019 ", v));
    EXPECT_EQ(v, 0.11019L);
    EXPECT_TRUE(ReadExtendedNumber(u"+2", v));
    EXPECT_EQ(v, 2.0L);
    EXPECT_TRUE(ReadExtendedNumber(u"-1.5E+3", v));
    EXPECT_EQ(v, -1500.0L);
    for (const char16_t* bad : {u"", u"+", u"++1", u"1,5", u"abc", u"1e999", u"nan", u"inf", u"2x"})
        EXPECT_FALSE(ReadExtendedNumber(bad, v)) << QString::fromUtf16(bad).toStdString();
}

TEST(Regression, DataThatCannotBeFitted) {
    const double nan = std::nan("");
    struct Case {
        std::vector<double> x, y;
        int degree;
        RegressionProblem problem;
    };
    const Case cases[] = {
        {{1, 2, 3}, {1, 2, 3}, 0, RegressionProblem::BadDegree},
        {{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, 4, RegressionProblem::BadDegree},
        {{1, 2}, {1, 2}, 1, RegressionProblem::TooFewPoints},
        {{1, 2, 3}, {1, 4, 9}, 2, RegressionProblem::TooFewPoints},
        {{1, 1, 1, 1}, {1, 2, 3, 4}, 1, RegressionProblem::TooFewXValues},
        {{1, 2, 1, 2, 1}, {1, 2, 3, 4, 5}, 2, RegressionProblem::TooFewXValues},
        {{1, 2, nan, 4}, {1, 2, 3, 4}, 1, RegressionProblem::NotFinite},
        {{1, 2, 3, 4}, {1, HUGE_VAL, 3, 4}, 1, RegressionProblem::NotFinite},
        {{1, 2, 3, 4}, {1e308, -1e308, 1e308, -1e308}, 1, RegressionProblem::NotFinite},
    };
    for (const Case& c : cases) {
        RegressionFit fit;
        EXPECT_EQ(FitPolynomial(c.x, c.y, c.degree, fit), c.problem);
        EXPECT_EQ(fit.n, 0);
        EXPECT_TRUE(fit.coefficients.empty());
    }
}

// The prediction interval of a straight line: ŷ ± t(0.975, n − 2)·s·√(1 + 1/n + (x − x̄)²/Sxx).
TEST(Regression, PredictionIntervalOfAStraightLine) {
    const std::vector<double> x{1, 2, 3, 4, 5, 6}, y{1.1, 1.9, 3.2, 3.9, 5.1, 5.8};
    RegressionFit fit;
    ASSERT_EQ(FitPolynomial(x, y, 1, fit), RegressionProblem::None);
    const double mean = 3.5, sxx = 17.5, t4 = 2.7764451051977987;  // t(0.975, 4)
    for (const double at : {3.5, 0.0, 10.0}) {
        const RegressionPrediction p = PredictAt(fit, at);
        EXPECT_NEAR(p.y, fit.coefficients[0] + fit.coefficients[1] * at, 1e-13);
        const double expected = t4 * fit.residualSd * std::sqrt(1 + 1.0 / 6 + (at - mean) * (at - mean) / sxx);
        EXPECT_NEAR(p.halfWidth, expected, 1e-12 * expected);
    }
}

TEST(Regression, DigitsTheStandardErrorLeaves) {
    struct Case {
        double value, uncertainty;
        const char* shown;
    };
    const Case cases[] = {
        {1.00211681802045, 0.000429796848199937, "1.00212"},
        {-0.262323073774029, 0.232818234301152, "-0.26"},
        {-3.16081871345029e-15, 4.86652849992036e-17, "-3.161e-15"},
        {0.000673565789473684, 0.000107938612033077, "0.00067"},
        {123456.789, 2345.6, "123500"},
        {9.9996, 0.01, "10.000"},
        {0.5, 0, "0.5"},                       // no uncertainty: 15 digits at most, zeros trimmed
        {1.0 / 3, 0, "0.333333333333333"},
        {2.5, std::nan(""), "2.5"},
        {0, 0.1, "0"},
        {1e20, 1e10, "1.00000000000e+20"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatWithUncertainty(c.value, c.uncertainty), QString::fromLatin1(c.shown));
    EXPECT_EQ(FormatSignificant(0.000429796848199937, 2), u"0.00043");
    EXPECT_EQ(FormatSignificant(-0.5, 3), u"-0.500");
}

}  // namespace
}  // namespace cesuan
