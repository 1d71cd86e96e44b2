// Linear systems typed as equations or as the augmented matrix: the split at the one equals
// sign, the letters r … z as unknowns whatever the memory holds, linearity, and the kinds of
// solution against exact rationals.

#include "numerics/linear_system.h"

#include <boost/rational.hpp>

#include <gtest/gtest.h>

namespace cesuan {
namespace {

QString q(const char16_t* text) { return QString::fromUtf16(text); }

const StopFlag kGo{false};

TEST(Equations, SplitAtTheOneEqualsSign) {
    struct Case {
        const char16_t* line;
        int signs;
        const char16_t* left;
        const char16_t* right;
    };
    const Case cases[] = {
        {u"2x+3y-z=1", 1, u"2x+3y-z", u"1"},
        {u"2x加3y减z等于1", 1, u"2x加3y减z", u"1"},
        {u"x ＝ 2 ", 1, u"x", u"2"},
        {u"x+y", 0, u"", u""},
        {u"x=y=1", 2, u"", u""},
        {u"x等于1=2", 2, u"", u""},
    };
    for (const Case& c : cases) {
        const EquationSplit split = SplitEquation(q(c.line));
        EXPECT_EQ(split.signs, c.signs) << q(c.line).toStdString();
        EXPECT_EQ(split.left, q(c.left));
        EXPECT_EQ(split.right, q(c.right));
    }
    EXPECT_EQ(UnknownsOf(q(u"2x加3y减z+sin(r)+exp(1)")), q(u"rxyz"));  // the x of exp is no unknown
}

TEST(Equations, LettersAreUnknownsWhateverTheMemoryHolds) {
    CalcSettings settings;
    settings.memoryVariables[6] = CalcValue(7);  // x = 7 in the memory
    settings.angleUnit = AngleUnit::DecimalDegree;
    const LinearSystem s = ReadLinearSystem(settings, q(u"2x加3y减z等于1\r\nx - y + 2z = 2*sin(30)+4\n3x=y+z+2"), kGo);
    ASSERT_TRUE(s.ok()) << s.problem.toStdString();
    EXPECT_EQ(s.unknowns, (QStringList{q(u"x"), q(u"y"), q(u"z")}));
    Eigen::MatrixXd a(3, 3);
    a << 2, 3, -1, 1, -1, 2, 3, -1, -1;
    EXPECT_EQ(s.a, a);
    EXPECT_EQ(s.b, Eigen::Vector3d(1, 5, 2));
}

TEST(Equations, ProblemsNameTheLine) {
    const CalcSettings settings;
    struct Case {
        const char16_t* text;
        const char16_t* problem;
    };
    const Case cases[] = {
        {u"x+y=1\nx-y", u"第2行没有等号：每行写一个方程，如 2x+3y-z=1；或者全部写成增广矩阵。"},
        {u"x=y=1", u"第1行有不止一个等号（= 或 等于）：每行只能写一个方程。"},
        {u"x+y=", u"第1行等号的一边是空的。"},
        {u"x*y=1", u"第1行“x*y=1”不是线性方程：未知数 r～z 只能以一次项出现（不能相乘、做乘方、做除数或放进函数）。"},
        {u"x^2=4", u"第1行“x^2=4”不是线性方程：未知数 r～z 只能以一次项出现（不能相乘、做乘方、做除数或放进函数）。"},
        {u"1/x=4", u"第1行“1/x=4”不是线性方程：未知数 r～z 只能以一次项出现（不能相乘、做乘方、做除数或放进函数）。"},
        // The evaluator names the side as it computed it, the unknown at 0.
        {u"x=1\n1/0+y=2", u"第2行等号左边“1/0+y”无法计算：1/0+0   除数为0错误！请修改算式后计算。"},
        {u"1=2", u"方程中没有未知数：未知数是字母 r～z。"},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadLinearSystem(settings, q(c.text), kGo).problem, q(c.problem));
}

TEST(Equations, AugmentedMatrix) {
    const LinearSystem s = ReadLinearSystem(CalcSettings(), q(u"1 1 3\n1 -1 1"), kGo);
    ASSERT_TRUE(s.ok());
    EXPECT_FALSE(s.fromEquations);
    EXPECT_EQ(s.unknowns, (QStringList{q(u"x1"), q(u"x2")}));
    const SystemSolution solution = SolveLinearSystem(s.a, s.b, false);
    EXPECT_EQ(solution.status, SystemStatus::Unique);
    EXPECT_NEAR(solution.x(0), 2, 1e-15);
    EXPECT_NEAR(solution.x(1), 1, 1e-15);
    EXPECT_EQ(ReadLinearSystem(CalcSettings(), q(u"1\n2"), kGo).problem, q(u"增广矩阵只有1列：至少要有一个系数列和最后的常数列。"));
}

TEST(Equations, KindsOfSolutionWithTheirRanks) {
    using Rational = boost::rational<long long>;
    struct Case {
        const char16_t* system;
        bool leastSquares;
        SystemStatus status;
        int rank, augmentedRank;
        std::vector<Rational> x;  // the exact solution, where there is one
    };
    const Case cases[] = {
        {u"x+2y=5\n3x-y=1", false, SystemStatus::Unique, 2, 2, {Rational(1), Rational(2)}},
        {u"2r+s=1\nr+3s=-2\n", false, SystemStatus::Unique, 2, 2, {Rational(1, 1), Rational(-1)}},
        {u"x/3+y/7=1\nx-y=0", false, SystemStatus::Unique, 2, 2, {Rational(21, 10), Rational(21, 10)}},
        {u"x+y=1\nx+y=2", false, SystemStatus::None, 1, 2, {}},
        {u"x+y=1\n2x+2y=2", false, SystemStatus::Infinite, 1, 1, {}},
        {u"x+y+z=1\nx-y=0", false, SystemStatus::Infinite, 2, 2, {}},
        {u"x=1\ny=2\nx+y=3", false, SystemStatus::Unique, 2, 2, {Rational(1), Rational(2)}},  // consistent, over-determined
        {u"x=1\nx=2\nx=6", false, SystemStatus::None, 1, 2, {}},
        // Three measurements of one length: least squares gives their mean.
        {u"x=1\nx=2\nx=6", true, SystemStatus::LeastSquares, 1, 2, {Rational(3)}},
        {u"x+y=1\nx+y=2", true, SystemStatus::None, 1, 2, {}},  // not over-determined: no least squares
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(q(c.system).toStdString());
        const LinearSystem s = ReadLinearSystem(CalcSettings(), q(c.system), kGo);
        ASSERT_TRUE(s.ok()) << s.problem.toStdString();
        const SystemSolution solution = SolveLinearSystem(s.a, s.b, c.leastSquares);
        EXPECT_EQ(solution.status, c.status);
        EXPECT_EQ(solution.rank, c.rank);
        EXPECT_EQ(solution.augmentedRank, c.augmentedRank);
        ASSERT_EQ(std::size_t(solution.x.size()), c.x.size());
        for (std::size_t k = 0; k < c.x.size(); ++k)
            EXPECT_NEAR(solution.x(Eigen::Index(k)), boost::rational_cast<double>(c.x[k]), 1e-13);
    }
}

TEST(Equations, LeastSquaresResidualsAndUnitError) {
    const LinearSystem s = ReadLinearSystem(CalcSettings(), q(u"x=1\nx=2\nx=6"), kGo);
    const SystemSolution solution = SolveLinearSystem(s.a, s.b, true);
    EXPECT_NEAR(solution.residuals(0), 2, 1e-14);
    EXPECT_NEAR(solution.residuals(2), -3, 1e-14);
    EXPECT_NEAR(solution.unitError, std::sqrt(14.0 / 2), 1e-14);  // [vv] = 4 + 1 + 9
}

}  // namespace
}  // namespace cesuan
