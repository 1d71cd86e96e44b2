// The matrix routines: rows split as typed, entries computed as the calculator computes them,
// results against exact rational arithmetic, and what a singular or ill-conditioned matrix says.

#include "numerics/entries.h"
#include "numerics/matrix_ops.h"
#include "numerics/number_format.h"

#include <boost/rational.hpp>

#include <gtest/gtest.h>

#include <vector>

namespace cesuan {
namespace {

using Rational = boost::rational<long long>;
using RationalMatrix = std::vector<std::vector<Rational>>;

QString q(const char16_t* text) { return QString::fromUtf16(text); }

const StopFlag kGo{false};

Eigen::MatrixXd toEigen(const RationalMatrix& m) {
    Eigen::MatrixXd e(Eigen::Index(m.size()), Eigen::Index(m[0].size()));
    for (std::size_t r = 0; r < m.size(); ++r)
        for (std::size_t c = 0; c < m[0].size(); ++c) e(Eigen::Index(r), Eigen::Index(c)) = boost::rational_cast<double>(m[r][c]);
    return e;
}

// (Comparisons go through numerator(): in C++20 a rational == int recurses.)
// Gauss-Jordan elimination in exact rationals: [A | B] → [I | A⁻¹B], and det A on the way.
// Returns false for a singular A.
bool solveExactly(RationalMatrix a, RationalMatrix& b, Rational& det) {
    const std::size_t n = a.size();
    det = 1;
    for (std::size_t c = 0; c < n; ++c) {
        std::size_t pivot = c;
        while (pivot < n && a[pivot][c].numerator() == 0) ++pivot;
        if (pivot == n) {
            det = 0;
            return false;
        }
        if (pivot != c) {
            std::swap(a[pivot], a[c]);
            std::swap(b[pivot], b[c]);
            det = -det;
        }
        const Rational p = a[c][c];
        det *= p;
        for (auto& x : a[c]) x /= p;
        for (auto& x : b[c]) x /= p;
        for (std::size_t r = 0; r < n; ++r) {
            if (r == c || a[r][c].numerator() == 0) continue;
            const Rational f = a[r][c];
            for (std::size_t k = 0; k < n; ++k) a[r][k] -= f * a[c][k];
            for (std::size_t k = 0; k < b[0].size(); ++k) b[r][k] -= f * b[c][k];
        }
    }
    return true;
}

RationalMatrix identity(std::size_t n) {
    RationalMatrix m(n, std::vector<Rational>(n, Rational(0)));
    for (std::size_t i = 0; i < n; ++i) m[i][i] = 1;
    return m;
}

// The shown text of a result against the exact value: no further off than its last digit.
void expectShown(double computed, const Rational& exact, int significant, int places = 15) {
    const QString text = NumberText(computed, places, significant);
    const double shown = text.toDouble();
    const double value = boost::rational_cast<double>(exact);
    const double unit = std::max(std::fabs(value) * std::pow(10.0, 1 - significant), std::pow(10.0, -places));
    EXPECT_LE(std::fabs(shown - value), unit) << text.toStdString() << " vs " << value;
}

TEST(MatrixText, RowsSplitAtCommasAndTabsOrElseAtBlanks) {
    struct Case {
        const char16_t* row;
        QStringList entries;
    };
    const Case cases[] = {
        {u"1 2   3", {q(u"1"), q(u"2"), q(u"3")}},
        {u"  1\u30002 ", {q(u"1"), q(u"2")}},
        {u"1 + 2, 3", {q(u"1 + 2"), q(u"3")}},             // a comma: blanks stay in the entry
        {u"sin 30\t2 加 3", {q(u"sin 30"), q(u"2 加 3")}},   // a tab likewise
        {u"1，2，", {q(u"1"), q(u"2")}},                     // full-width commas; a last one adds nothing
        {u"1,,2", {q(u"1"), q(u""), q(u"2")}},               // an empty entry keeps its place
        {u"   ", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitRowEntries(q(c.row)), c.entries) << q(c.row).toStdString();

    const TextRows rows = SplitRows(q(u"1 2\r\n\r\n3 4\r5 6\n"));
    EXPECT_EQ(rows.rows.size(), 3);
    EXPECT_EQ(rows.lineNumbers, (QList<int>{1, 3, 4}));
}

TEST(MatrixText, EntriesAreFormulasOfTheCalculator) {
    CalcSettings settings;
    settings.angleUnit = AngleUnit::DecimalDegree;
    settings.memoryVariables[6] = CalcValue(10);  // x
    const MatrixText m = ReadMatrix(settings, q(u"sin30, 2x, 根号16\n三分之一  1e3  -2^2"), q(u"矩阵A"), kGo);
    ASSERT_TRUE(m.ok()) << m.problem.toStdString();
    EXPECT_DOUBLE_EQ(m.matrix(0, 0), 0.5);
    EXPECT_DOUBLE_EQ(m.matrix(0, 1), 20);
    EXPECT_DOUBLE_EQ(m.matrix(0, 2), 4);
    EXPECT_DOUBLE_EQ(m.matrix(1, 0), 0.333333333333333);  // to the 15 places of the settings
    EXPECT_DOUBLE_EQ(m.matrix(1, 1), 1000);
}

TEST(MatrixText, ProblemsNameTheirPlace) {
    const CalcSettings settings;
    struct Case {
        const char16_t* text;
        const char16_t* problem;
    };
    const Case cases[] = {
        {u"1 2\n3", u"矩阵A第2行有1个数，而第1行有2个数：每行的数必须一样多。"},
        {u"1 2\n3 1/0", u"矩阵A第2行第2列“1/0”无法计算：1/0   除数为0错误！请修改算式后计算。"},
        {u"1 2米", u"矩阵A第1行第2列“2米”中有无法识别的字符：米"},
        {u"1,,2", u"矩阵A第1行第2列是空的，请填入一个数或算式。"},
        {u"", u"矩阵A是空的，请输入矩阵（每行一行）。"},
    };
    for (const Case& c : cases) {
        const MatrixText m = ReadMatrix(settings, q(c.text), q(u"矩阵A"), kGo);
        EXPECT_EQ(m.problem, q(c.problem));
    }
    QString big;
    for (int r = 0; r < 51; ++r) big += q(u"1\n");
    EXPECT_EQ(ReadMatrix(settings, big, q(u"矩阵A"), kGo).problem, q(u"矩阵A有51行1列，最大只能是50×50。"));

    const StopFlag stop{true};
    EXPECT_TRUE(ReadMatrix(settings, q(u"1 2"), q(u"矩阵A"), stop).cancelled);
}

TEST(MatrixOps, SmallIntegerMatricesAgainstRationals) {
    const RationalMatrix matrices[] = {
        {{2, 1}, {1, 1}},
        {{4, 1, 1}, {1, 3, 0}, {1, 0, 2}},
        {{0, 2, 1}, {1, -1, 3}, {2, 5, -7}},  // a pivot of 0 in the first place
        {{3, -2, 5, 1}, {7, 4, -1, 2}, {-6, 1, 8, 9}, {2, 2, 2, -3}},
    };
    for (const RationalMatrix& a : matrices) {
        SCOPED_TRACE(a.size());
        const std::size_t n = a.size();
        RationalMatrix inverse = identity(n);
        Rational det;
        ASSERT_TRUE(solveExactly(a, inverse, det));
        RationalMatrix rhs(n, std::vector<Rational>(1));
        for (std::size_t i = 0; i < n; ++i) rhs[i][0] = Rational(long(i) + 1, 3);
        RationalMatrix x = rhs;
        solveExactly(a, x, det);

        const Eigen::MatrixXd e = toEigen(a);
        const MatrixResult d = ComputeMatrix(MatrixOperation::Determinant, e, {});
        ASSERT_TRUE(d.ok());
        expectShown(*d.value, det, d.significant);
        const MatrixResult inv = ComputeMatrix(MatrixOperation::Inverse, e, {});
        ASSERT_TRUE(inv.ok());
        EXPECT_TRUE(inv.warning.isEmpty());
        for (std::size_t r = 0; r < n; ++r)
            for (std::size_t c = 0; c < n; ++c) expectShown(inv.matrix(Eigen::Index(r), Eigen::Index(c)), inverse[r][c], inv.significant);
        const MatrixResult solved = ComputeMatrix(MatrixOperation::Solve, e, toEigen(rhs));
        ASSERT_TRUE(solved.ok());
        for (std::size_t r = 0; r < n; ++r) expectShown(solved.matrix(Eigen::Index(r), 0), x[r][0], solved.significant);
        EXPECT_EQ(*ComputeMatrix(MatrixOperation::Rank, e, {}).value, double(n));
    }
}

TEST(MatrixOps, SumsProductsAndSizes) {
    Eigen::MatrixXd a(2, 3), b(3, 2);
    a << 1, 2, 3, 4, 5, 6;
    b << 7, 8, 9, 10, 11, 12;
    EXPECT_EQ(ComputeMatrix(MatrixOperation::Multiply, a, b).matrix, (Eigen::MatrixXd(2, 2) << 58, 64, 139, 154).finished());
    EXPECT_EQ(ComputeMatrix(MatrixOperation::Transpose, a, {}).matrix, a.transpose());
    EXPECT_EQ(ComputeMatrix(MatrixOperation::Subtract, a, a).matrix, Eigen::MatrixXd::Zero(2, 3));
    EXPECT_EQ(ComputeMatrix(MatrixOperation::Add, a, b).problem, q(u"矩阵A是2×3，矩阵B是3×2，大小必须相同。"));
    EXPECT_EQ(ComputeMatrix(MatrixOperation::Multiply, a, a).problem,
              q(u"矩阵A有3列，矩阵B有2行：A的列数必须等于B的行数才能相乘。"));
    EXPECT_EQ(ComputeMatrix(MatrixOperation::Determinant, a, {}).problem, q(u"矩阵A是2×3的矩阵，这个运算需要方阵。"));
    Eigen::MatrixXd huge(1, 1);
    huge << 1e300;
    EXPECT_FALSE(ComputeMatrix(MatrixOperation::Multiply, huge, huge).ok());
}

TEST(MatrixOps, SingularMatrixIsSaidSoWithItsRank) {
    Eigen::MatrixXd a(3, 3);
    a << 1, 2, 3, 4, 5, 6, 7, 8, 9;
    const MatrixResult inv = ComputeMatrix(MatrixOperation::Inverse, a, {});
    EXPECT_EQ(inv.problem, q(u"矩阵奇异（秩为2，阶数为3），条件数 ∞：没有逆矩阵，也没有唯一解。"));
    const MatrixResult det = ComputeMatrix(MatrixOperation::Determinant, a, {});
    ASSERT_TRUE(det.ok());
    EXPECT_EQ(*det.value, 0);
    EXPECT_EQ(det.warning, inv.problem);
    EXPECT_EQ(*ComputeMatrix(MatrixOperation::Rank, a, {}).value, 2);
}

TEST(MatrixOps, HilbertMatrixIsIllConditioned) {
    // The Hilbert matrix of order 8 (entries 1/(i+j-1), typed as fractions): its condition number
    // is about 1.5E+10, so about 11 of a double's digits are lost.
    QString text;
    for (int i = 1; i <= 8; ++i) {
        QStringList row;
        for (int j = 1; j <= 8; ++j) row.append(QStringLiteral("1/%1").arg(i + j - 1));
        text += row.join(u' ') + u'\n';
    }
    CalcSettings settings;
    settings.decimalPlaces = 28;
    const MatrixText h = ReadMatrix(settings, text, q(u"矩阵A"), kGo);
    ASSERT_TRUE(h.ok());
    const MatrixResult inv = ComputeMatrix(MatrixOperation::Inverse, h.matrix, {});
    ASSERT_TRUE(inv.ok());
    ASSERT_TRUE(inv.condition);
    EXPECT_NEAR(*inv.condition / 1.5258e10, 1, 1e-3);
    EXPECT_EQ(inv.significant, 4);
    EXPECT_EQ(inv.warning,
              q(u"矩阵病态，条件数 1.53E+10：输入数据的微小误差会被放大，结果只保留约4位可信的有效数字。"));
    // Shown to its 4 digits, the inverse is right: its (1,1) entry is exactly 64.
    EXPECT_EQ(NumberText(inv.matrix(0, 0), 15, inv.significant), q(u"64"));

    // Of order 14 the Hilbert matrix is singular to a double.
    Eigen::MatrixXd h14(14, 14);
    for (int i = 0; i < 14; ++i)
        for (int j = 0; j < 14; ++j) h14(i, j) = 1.0 / (i + j + 1);
    EXPECT_TRUE(ComputeMatrix(MatrixOperation::Inverse, h14, {}).problem.startsWith(q(u"矩阵奇异")));
}

TEST(MatrixOps, EigenvaluesOfSymmetricMatrices) {
    Eigen::MatrixXd a(3, 3);
    a << 2, -1, 0, -1, 2, -1, 0, -1, 2;  // eigenvalues 2-√2, 2, 2+√2
    const MatrixResult r = ComputeMatrix(MatrixOperation::Eigen, a, {});
    ASSERT_TRUE(r.ok());
    EXPECT_NEAR(r.eigenvalues(0), 2 - std::sqrt(2.0), 1e-14);
    EXPECT_NEAR(r.eigenvalues(1), 2, 1e-14);
    EXPECT_NEAR(r.eigenvalues(2), 2 + std::sqrt(2.0), 1e-14);
    for (int k = 0; k < 3; ++k) {
        const Eigen::VectorXd v = r.eigenvectors.col(k);
        EXPECT_NEAR((a * v - r.eigenvalues(k) * v).norm(), 0, 1e-13);
        EXPECT_NEAR(v.norm(), 1, 1e-14);
        EXPECT_GT(v.maxCoeff(), -v.minCoeff() - 1e-12);  // its largest component positive
    }
    a(0, 1) = 5;
    EXPECT_EQ(ComputeMatrix(MatrixOperation::Eigen, a, {}).problem,
              q(u"矩阵A不对称（A ≠ Aᵀ）：只能求对称矩阵的特征值和特征向量。"));
}

TEST(NumberText, DigitsAndPlaces) {
    struct Case {
        double value;
        int places, significant;
        const char16_t* text;
    };
    const Case cases[] = {
        {0.1 + 0.2, 15, 15, u"0.3"},
        {-2.0000000000000004, 15, 15, u"-2"},
        {1.0 / 3, 15, 15, u"0.333333333333333"},
        {2.0 / 3, 2, 15, u"0.67"},
        {-0.004, 2, 15, u"0"},          // no "-0"
        {0.995, 2, 15, u"1"},           // half up, carried
        {0.96, 0, 15, u"1"},
        {123456.789, 15, 4, u"123500"},
        {1.5e20, 15, 15, u"1.5E+20"},
        {-1.23456789e-5, 15, 3, u"-0.0000123"},
        {1e-20, 15, 15, u"0"},
        {99999.5, 0, 15, u"100000"},
    };
    for (const Case& c : cases) EXPECT_EQ(NumberText(c.value, c.places, c.significant), q(c.text)) << c.value;
    EXPECT_EQ(ConditionText(3.3166), q(u"3.32"));
    EXPECT_EQ(ConditionText(1.5257575e10), q(u"1.53E+10"));
    EXPECT_EQ(DigitsAfterCondition(1), 15);
    EXPECT_EQ(DigitsAfterCondition(1e20), 1);
}

}  // namespace
}  // namespace cesuan
