#include "engine/power.h"
#include "engine/arithmetic.h"
#include "tests/support/journal_fixture.h"

#include <boost/multiprecision/cpp_dec_float.hpp>

#include <cmath>
#include <random>

namespace cesuan {
namespace {

using Kind = CalcValue::Kind;

class PowerTest : public JournalTest {};

TEST_F(PowerTest, DecimalAndDoublePaths) {
    struct Case {
        const char16_t *x, *y;
        Kind kind;
        const char16_t* want;
        int reliable;
    };
    const Case cases[] = {
        {u"2", u"10", Kind::Decimal, u"1024", 28},
        {u"2", u"0.5", Kind::Decimal, u"1.4142135623730950488016887242", 28},
        {u"2", u"-0.5", Kind::Decimal, u"0.7071067811865475244008443621", 28},
        {u"4", u"0.5", Kind::Decimal, u"2", 28},   // exact root, still a decimal power
        {u"0", u"0", Kind::Decimal, u"1", 29},
        {u"0", u"3", Kind::Decimal, u"0", 29},
        {u"2", u"-2", Kind::Decimal, u"0.25", 28},
        {u"-2", u"3", Kind::Decimal, u"-8", 28},
        {u"-2", u"-3", Kind::Decimal, u"-0.125", 28},
        {u"10", u"28", Kind::Decimal, u"10000000000000000000000000000", 28},
        {u"7", u"29", Kind::Decimal, u"3219905755813179726837607", 28},
        {u"1.5", u"2.5", Kind::Decimal, u"2.7556759606310753604719445842", 28},
        {u"10", u"30", Kind::Double, u"1E+30", 15},   // beyond the range: double
        {u"0.1", u"40", Kind::Double, u"1E-40", 15},  // too small for it
        {u"2", u"1E+2", Kind::Double, u"1.26765060022823E+30", 15},
        {u"5", u"abc", Kind::Decimal, u"1", 29},      // the exponent reads as 0 (after its own failure)
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.x).toStdString() + "^" + QString::fromUtf16(c.y).toStdString());
        ResetJournal(journal);
        const CalcValue r = PowerOf(journal, q(c.x), q(c.y));
        EXPECT_EQ(r.kind(), c.kind);
        EXPECT_EQ(r.text(), QString::fromUtf16(c.want));
        EXPECT_EQ(journal.reliableDigits, c.reliable);
    }
}

TEST_F(PowerTest, Failures) {
    struct Case { CalcValue x, y; const char16_t* message; };
    const Case cases[] = {
        {q(u"0"), q(u"-1"), u"0^-1 乘方计算超出本程序计算范围！返回 [空值] 。"},
        {q(u"-8"), DivideTwo(journal, 1, 3), u"-8^0.3333333333333333333333333333 乘方计算超出本程序计算范围！返回 [空值] 。"},
        {q(u" 10 "), q(u"400"), u"10^400 乘方计算超出本程序计算范围！返回 [空值] 。"},
        {q(u"1E+300"), q(u"2"), u"1E+300^2 乘方计算超出本程序计算范围！返回 [空值] 。"},
    };
    for (const Case& c : cases) {
        ResetJournal(journal);
        EXPECT_TRUE(PowerOf(journal, c.x, c.y).isEmpty());
        EXPECT_EQ(journal.errorCount, 1);
        EXPECT_EQ(journal.firstMessage, QString::fromUtf16(c.message));
    }
}

TEST_F(PowerTest, HugeExponentsFinishAtOnce) {
    // Ten million rounds of the doubling scheme would freeze the window.
    const CalcValue r = PowerOf(journal, q(u"1.0000001"), q(u"100000000"));
    ASSERT_TRUE(r.isDecimal());
    using Exact = boost::multiprecision::number<boost::multiprecision::cpp_dec_float<60>>;
    const Exact exact = boost::multiprecision::pow(Exact("1.0000001"), 100000000);  // 22026.4547815773...
    EXPECT_LT(abs(Exact(r.decimal().toStdString()) - exact), Exact("1e-15"));
    EXPECT_EQ(PowerOf(journal, q(u"0.5"), q(u"1E+20")).text(), u"0");
    EXPECT_EQ(PowerOf(journal, q(u"1"), q(u"1E+20")).text(), u"1");
    EXPECT_EQ(PowerOf(journal, q(u"-1"), q(u"79228162514264337593543950")).text(), u"1");
}

TEST_F(PowerTest, NegativePowersOfSmallBasesKeepTheirDigits) {
    // 0.001^9.5 and 0.5^60 keep few digits in 28 places; the power is taken in wide numbers
    // and rounded once, so the reciprocal is right to its last digit.
    struct Case {
        const char16_t *x, *y, *want;
    };
    const Case cases[] = {
        {u"0.001", u"-9.5", u"31622776601683793319988935444"},  // √10 × 10^28
        {u"0.5", u"-60", u"1152921504606846976"},
        {u"0.25", u"-40", u"1208925819614629174706176"},
        {u"-0.5", u"-3", u"-8"},
        {u"0.3", u"-50", u"139295556909853834633644234.46"},  // 10^50 / 3^50
        {u"0.0000002", u"-0.5", u"2236.0679774997896964091736687"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.x).toStdString() + "^" + QString::fromUtf16(c.y).toStdString());
        const CalcValue r = PowerOf(journal, q(c.x), q(c.y));
        ASSERT_TRUE(r.isDecimal());
        EXPECT_EQ(r.text(), QString::fromUtf16(c.want));
    }
    EXPECT_EQ(journal.errorCount, 0);
    EXPECT_EQ(journal.reliableDigits, 28);
}

TEST_F(PowerTest, SquareRoot) {
    EXPECT_EQ(SquareRoot(journal, q(u"4")).text(), u"2");
    EXPECT_EQ(journal.reliableDigits, 29);  // an exact root leaves it alone
    EXPECT_EQ(SquareRoot(journal, q(u"2")).text(), u"1.4142135623730950488016887242");
    EXPECT_EQ(journal.reliableDigits, 28);
    EXPECT_EQ(SquareRoot(journal, q(u"0")).text(), u"0");
    EXPECT_EQ(SquareRoot(journal, q(u"0.0000000000000000000000000001")).text(), u"0.00000000000001");
    // The double's root of the largest decimal is 2^48, whose square overflows: that is
    // "not exact", and the iteration goes on.
    EXPECT_EQ(SquareRoot(journal, q(u"79228162514264337593543950335")).text(), u"281474976710656");
    EXPECT_EQ(journal.errorCount, 0);

    for (const char16_t* bad : {u"-4", u"abc", u"1E+30"}) {
        ResetJournal(journal);
        EXPECT_TRUE(SquareRoot(journal, q(bad)).isEmpty());
        EXPECT_EQ(journal.firstMessage, q(u"  进行[开平方]运算时， ") + QString::fromUtf16(bad) +
                                              q(u" 数值超出计算范围，无法表示！返回数值用 [空值] 表示。"));
    }
}

// The doubling scheme's factors add up to n, so R = x^n: exact for small integer powers.
TEST(DoublingPower, ExactForIntegerBases) {
    for (unsigned n = 0; n <= 95; ++n) {
        const auto r = detail::DoublingPower(2, n, false);
        ASSERT_TRUE(r) << n;
        EXPECT_EQ(r->coefficient(), uint128(1) << n) << n;
    }
    uint128 power = 1;
    for (unsigned n = 0; n <= 60; ++n, power *= 3) EXPECT_EQ(detail::DoublingPower(3, n, true)->coefficient(), power) << n;
}

constexpr uint128 kTen27 = uint128(1000000000000000000ULL) * 1000000000ULL;

// 0.9 .. 1.1 with 28 random decimals, so that every product rounds.
Decimal96 randomBaseNearOne(std::mt19937_64& rng) {
    const uint128 offset = ((uint128(rng()) << 64) | rng()) % (2 * kTen27);
    return Decimal96::fromParts(9 * kTen27 + offset, 28, false);
}

TEST(DoublingPower, EarlyStopKeepsEveryDigit) {
    std::mt19937_64 rng(20261210);
    for (int i = 0; i < 40; ++i) {
        const Decimal96 x = randomBaseNearOne(rng);
        const uint128 n = i < 30 ? uint128(rng() % 3000) : uint128(rng() % 100000);
        const auto literal = detail::DoublingPower(x, n, false);
        const auto early = detail::DoublingPower(x, n, true);
        ASSERT_EQ(literal.has_value(), early.has_value());
        if (literal) {
            EXPECT_EQ(literal->toText(), early->toText()) << x.toStdString() << "^" << std::uint64_t(n);
        }
    }
}

// Every rounded product adds half a unit of relative error, and each squaring doubles what
// came before, so the doubling scheme drifts by about n units of the 28th place; beyond a
// million rounds the power is taken in wide numbers and rounded once.
TEST(DoublingPower, StaysWithinItsRoundingDriftAndLongPowersRoundOnce) {
    using Exact = boost::multiprecision::number<boost::multiprecision::cpp_dec_float<80>>;
    const char* base = "1.0000001234567890123456789012";
    const Decimal96 x = *Decimal96::fromText(std::string_view(base));
    for (std::uint64_t n : {1000ULL, 65533ULL, (1ULL << 20) - 3, 100000000ULL}) {
        const Exact exact = boost::multiprecision::pow(Exact(base), n);
        if (n <= (1ULL << 20)) {
            const Decimal96 literal = *detail::DoublingPower(x, n, true);
            EXPECT_LE(abs(Exact(literal.toStdString()) - exact), exact * n * Exact("1e-28")) << n;
        } else {
            CalcErrorJournal journal;
            const CalcValue power = PowerOf(journal, x, CalcValue(std::int64_t(n)));
            ASSERT_TRUE(power.isDecimal());
            const Exact halfUnit = Exact(5) * pow(Exact(10), -1 - power.decimal().scale());
            EXPECT_LE(abs(Exact(power.decimal().toStdString()) - exact), halfUnit) << n;
        }
    }
}

}  // namespace
}  // namespace cesuan
