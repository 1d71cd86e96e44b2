#include "engine/trig.h"
#include "engine/arithmetic.h"
#include "tests/support/journal_fixture.h"

#include <boost/multiprecision/cpp_dec_float.hpp>

#include <random>
#include <string>

namespace cesuan {
namespace {

using Exact = boost::multiprecision::cpp_dec_float_50;
using Routine = CalcValue (*)(CalcErrorJournal&, const CalcValue&);

const Exact kUnit("1e-28");  // one unit of the 28th decimal place

// The series rounds each of its up to 16 terms once or twice to 28 places, so the sum
// drifts by a few units of the 28th place (sin 0.5 is 1.8 units off, sin 0.1 is 2.1): six
// units is the bound for a sine or cosine of a reduced argument. A tangent or cotangent
// carries both errors through the quotient, which multiplies them by up to 1 + v^2.
const Exact kSeriesBound = 6 * kUnit;
Exact quotientBound(const Exact& v) { return 10 * kUnit * (1 + v * v); }

Exact exact(const CalcValue& v) { return Exact(v.decimal().toStdString()); }

// The argument as the routines reduce it: the decimal remainder by the decimal 2π.
Exact engineRemainder(const CalcValue& x) {
    CalcErrorJournal journal;
    return exact(RemainderTwo(journal, ToCalcValue(journal, x), q(u"6.2831853071795864769252867666")).toDecimal().value());
}

class TrigTest : public JournalTest {};

TEST_F(TrigTest, ExactPointsAreReturnedAsTheyAre) {
    struct Case {
        const char* name;
        Routine routine;
        QString x;
        const char16_t* want;
    };
    const Case cases[] = {
        {"sin 0", DecimalSin, QStringLiteral("0"), u"0"},
        {"sin π/2", DecimalSin, kHalfPiText, u"1"},
        {"sin π", DecimalSin, kPiText, u"0"},
        {"sin 3π/2", DecimalSin, kThreeHalvesPiText, u"-1"},
        {"sin 2π", DecimalSin, kTwoPiText, u"0"},
        {"sin -π (-π + 2π is π again)", DecimalSin, QStringLiteral("-3.1415926535897932384626433833"), u"0"},
        {"cos 0", DecimalCos, QStringLiteral("0"), u"1"},
        {"cos π/2", DecimalCos, kHalfPiText, u"0"},
        {"cos π", DecimalCos, kPiText, u"-1"},
        {"cos 3π/2", DecimalCos, kThreeHalvesPiText, u"0"},
        {"cos 2π", DecimalCos, kTwoPiText, u"1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetJournal(journal);
        const CalcValue r = c.routine(journal, c.x);
        ASSERT_TRUE(r.isDecimal());
        EXPECT_EQ(r.text(), QString::fromUtf16(c.want));
        EXPECT_EQ(journal.reliableDigits, 29);  // exact: nothing to vouch less for
        EXPECT_EQ(journal.errorCount, 0);
    }
}

// Near π/2 the series overshoots 1 by a few units; the clamp cuts it back. The constants'
// own rounding leaves some points just off the exact ones.
TEST_F(TrigTest, NearTheExactPoints) {
    struct Case {
        const char* name;
        Routine routine;
        const char16_t *x, *want;
    };
    const Case cases[] = {
        // The series gives 1.0000000000000000000000000003.
        {"sin π/2 - 1E-28", DecimalSin, u"1.5707963267948966192313216915", u"1"},
        // -π/2 + 2π is 4.7123889803846898576939650750, one unit above the 3π/2 constant.
        {"sin -π/2", DecimalSin, u"-1.5707963267948966192313216916", u"-1"},
        {"sin -3π/2", DecimalSin, u"-4.7123889803846898576939650749", u"1"},
        // π/2 - (-π/2) is twice the π/2 constant, one unit below the π constant.
        {"cos -π/2", DecimalCos, u"-1.5707963267948966192313216916", u"0.0000000000000000000000000001"},
        {"tan -π/2", DecimalTan, u"-1.5707963267948966192313216916", u"-10000000000000000000000000000"},
        {"tan π/4", DecimalTan, u"0.7853981633974483096156608458", u"1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetJournal(journal);
        const CalcValue r = c.routine(journal, q(c.x));
        ASSERT_TRUE(r.isDecimal());
        EXPECT_EQ(r.text(), QString::fromUtf16(c.want));
        EXPECT_EQ(journal.reliableDigits, 27);
        EXPECT_EQ(journal.errorCount, 0);
    }
}

TEST_F(TrigTest, SineOfOne) {
    const CalcValue r = DecimalSin(journal, q(u"1"));
    ASSERT_TRUE(r.isDecimal());
    EXPECT_EQ(r.text(), u"0.8414709848078965066525023216");
    EXPECT_LE(abs(exact(r) - sin(Exact(1))), kUnit);
    EXPECT_EQ(journal.reliableDigits, 27);
    EXPECT_EQ(journal.doubleFallbackCount, 0);
    EXPECT_EQ(journal.errorCount, 0);
}

// The digits are those of the procedure worked through in exact arithmetic, rounded to the
// decimal after every step. Arguments cover all four quadrants of the reduction and both
// signs; 1.5 and 5 (reduced to 1.28) run the series past D = 28, where B takes over from A.
TEST_F(TrigTest, AllFourFunctionsAcrossTheQuadrants) {
    struct Case {
        const char16_t *x, *sin, *cos, *tan, *cot;
    };
    const Case cases[] = {
        {u"0.1", u"0.0998334166468281523068141982", u"0.9950041652780257660955619878",
         u"0.1003346720854505450580800456", u"9.96664442325923785979411271"},
        {u"0.5", u"0.4794255386042030002732879354", u"0.8775825618903727161162815826",
         u"0.546302489843790513255179466", u"1.8304877217124519192680194383"},
        {u"1.5", u"0.9974949866040544309417233712", u"0.0707372016677029100881898514",
         u"14.10141994717171938764608366", u"0.0709148443026524487889808929"},
        {u"2", u"0.9092974268256816953960198658", u"-0.4161468365471423869975682296",
         u"-2.1850398632615189916433061015", u"-0.4576575543602857637502774106"},
        {u"3", u"0.1411200080598672221007448029", u"-0.9899924966004454572715727947",
         u"-0.1425465430742778052956354106", u"-7.0152525514345334694285513747"},
        {u"4", u"-0.7568024953079282513726390944", u"-0.6536436208636119146391681832",
         u"1.1578212823495775831373424179", u"0.8636911544506166139465143462"},
        {u"5", u"-0.9589242746631384688931544061", u"0.2836621854632262644666391717",
         u"-3.380515006246585636982705877", u"-0.2958129155327455404277671683"},
        {u"6", u"-0.2794154981989258728115554468", u"0.960170286650366020545652298",
         u"-0.291006191384749157053699589", u"-3.4363530041801278320664579825"},
        // Negative arguments are not mirrored: their remainder is lifted by 2π and reduced
        // from the other side, so the last digit may differ from that of +x.
        {u"-1", u"-0.8414709848078965066525023216", u"0.5403023058681397174009366075",
         u"-1.5574077246549022305069748072", u"-0.6420926159343307030064199867"},
        {u"-2", u"-0.9092974268256816953960198658", u"-0.4161468365471423869975682295",
         u"2.185039863261518991643306102", u"0.4576575543602857637502774105"},
        {u"-4", u"0.7568024953079282513726390944", u"-0.6536436208636119146391681833",
         u"-1.1578212823495775831373424177", u"-0.8636911544506166139465143463"},
    };
    for (const Case& c : cases) {
        const std::string name = QString::fromUtf16(c.x).toStdString();
        SCOPED_TRACE(name);
        const Exact x(name);
        const CalcValue s = DecimalSin(journal, q(c.x)), co = DecimalCos(journal, q(c.x)), t = DecimalTan(journal, q(c.x)),
                        ct = DecimalCot(journal, q(c.x));
        ASSERT_TRUE(s.isDecimal() && co.isDecimal() && t.isDecimal() && ct.isDecimal());
        EXPECT_EQ(s.text(), QString::fromUtf16(c.sin));
        EXPECT_EQ(co.text(), QString::fromUtf16(c.cos));
        EXPECT_EQ(t.text(), QString::fromUtf16(c.tan));
        EXPECT_EQ(ct.text(), QString::fromUtf16(c.cot));
        EXPECT_LE(abs(exact(s) - sin(x)), kSeriesBound);
        EXPECT_LE(abs(exact(co) - cos(x)), kSeriesBound);
        EXPECT_LE(abs(exact(t) - tan(x)), quotientBound(tan(x)));
        EXPECT_LE(abs(exact(ct) - 1 / tan(x)), quotientBound(1 / tan(x)));
    }
    EXPECT_EQ(journal.errorCount, 0);
}

// A decimal argument is reduced by a 2π of over a hundred digits, so thousands of turns
// leave the reduced angle right to its 28th place (the decimal 2π would be off by k times
// its rounding, 4.1E-29 each, plus the rounding of k × 2π to 25 places): the sine and cosine
// are as good as for a small argument. The true values are from mpmath at 60 digits.
TEST_F(TrigTest, ThousandsOfRadians) {
    struct Case {
        const char16_t *x, *sin, *cos;
    };
    const Case cases[] = {
        {u"1000", u"0.826879540532002560255887429109218", u"0.562379076290702991078249226605396"},
        {u"3000", u"0.219189974282818071261332333892101", u"-0.975682199885750479271815055475575"},
        {u"-5000", u"0.987966438766776847247642357086131", u"0.154668406180747121513417218940502"},
        {u"1000000000000000", u"0.858272793170235835523886390848", u"-0.513193737786970252234536136423"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.x).toStdString());
        const CalcValue s = DecimalSin(journal, q(c.x)), co = DecimalCos(journal, q(c.x));
        ASSERT_TRUE(s.isDecimal() && co.isDecimal());
        EXPECT_LE(abs(exact(s) - Exact(QString::fromUtf16(c.sin).toStdString())), kSeriesBound);
        EXPECT_LE(abs(exact(co) - Exact(QString::fromUtf16(c.cos).toStdString())), kSeriesBound);
    }
    EXPECT_EQ(journal.errorCount, 0);
    EXPECT_EQ(journal.reliableDigits, 27);
}

TEST_F(TrigTest, RandomArgumentsStayWithinTheSeriesBound) {
    std::mt19937_64 rng(20240611);
    std::uniform_int_distribution<long long> draw(-7'000'000'000'000'000'000LL, 7'000'000'000'000'000'000LL);
    for (int i = 0; i < 3000; ++i) {
        const Exact x = Exact(std::to_string(draw(rng))) / Exact("1e18");  // -7 .. 7, 18 places
        const std::string text = x.str(18, std::ios_base::fixed);
        const CalcValue s = DecimalSin(journal, QString::fromStdString(text));
        const CalcValue c = DecimalCos(journal, QString::fromStdString(text));
        ASSERT_TRUE(s.isDecimal() && c.isDecimal()) << text;
        EXPECT_LE(abs(exact(s) - sin(x)), kSeriesBound) << text;
        EXPECT_LE(abs(exact(c) - cos(x)), kSeriesBound) << text;
    }
    EXPECT_EQ(journal.errorCount, 0);
}

// 1E+30 is beyond the decimal range: the remainder is taken in double and brought back
// through its 15 digits, so the sine is only as good as that remainder.
TEST_F(TrigTest, ArgumentBeyondTheDecimalRange) {
    const CalcValue r = DecimalSin(journal, q(u"1E+30"));
    ASSERT_TRUE(r.isDecimal());
    EXPECT_EQ(journal.reliableDigits, 15);
    EXPECT_GT(journal.doubleFallbackCount, 0);
    EXPECT_EQ(journal.errorCount, 0);
    EXPECT_LE(abs(exact(r) - sin(engineRemainder(q(u"1E+30")))), kSeriesBound);
}

TEST_F(TrigTest, ReliableDigits) {
    struct Case {
        const char* name;
        int before;
        const char16_t* x;
        int after;
    };
    const Case cases[] = {
        {"series lowers 29", 29, u"1", 27},
        {"series lowers 28", 28, u"1", 27},
        {"never raises", 15, u"1", 15},
        {"exact point leaves it", 28, u"3.1415926535897932384626433833", 28},
        // A decimal below 2π needs no reduction, so no step goes to double.
        {"tiny argument", 29, u"0.0000000000000000000000000001", 27},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetJournal(journal);
        CapReliableDigits(journal, c.before);
        ASSERT_TRUE(DecimalSin(journal, q(c.x)).isDecimal());
        EXPECT_EQ(journal.reliableDigits, c.after);
    }
}

TEST_F(TrigTest, PolesFail) {
    struct Case {
        Routine routine;
        const char16_t *x, *message;
    };
    const Case cases[] = {
        {DecimalTan, u"1.5707963267948966192313216916",
         u"  进行[QuvTan]正切运算时， 1.5707963267948966192313216916 数值超出计算范围，我无法计算！返回数值用 [空值] 表示。"},
        {DecimalTan, u" 4.7123889803846898576939650749 ",
         u"  进行[QuvTan]正切运算时， 4.7123889803846898576939650749 数值超出计算范围，我无法计算！返回数值用 [空值] 表示。"},
        {DecimalCot, u"0",
         u"  进行[QuvCot]余切运算时， 0 数值超出计算范围，我无法计算！返回数值用 [空值] 表示。"},
        {DecimalCot, u"3.1415926535897932384626433833",
         u"  进行[QuvCot]余切运算时， 3.1415926535897932384626433833 数值超出计算范围，我无法计算！返回数值用 [空值] 表示。"},
        {DecimalCot, u"-3.1415926535897932384626433833",
         u"  进行[QuvCot]余切运算时， -3.1415926535897932384626433833 数值超出计算范围，我无法计算！返回数值用 [空值] 表示。"},
        {DecimalCot, u"6.2831853071795864769252867666",
         u"  进行[QuvCot]余切运算时， 6.2831853071795864769252867666 数值超出计算范围，我无法计算！返回数值用 [空值] 表示。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.x).toStdString());
        ResetJournal(journal);
        EXPECT_TRUE(c.routine(journal, q(c.x)).isEmpty());
        EXPECT_EQ(journal.errorCount, 1);
        EXPECT_EQ(journal.firstMessage, QString::fromUtf16(c.message));
        EXPECT_EQ(journal.messageLog, QString::fromUtf16(c.message) + QStringLiteral("\r\n"));
    }
}

// The conversion logs its own failure first; the routine then fails with its own message.
TEST_F(TrigTest, ArgumentThatIsNoNumber) {
    struct Case {
        Routine routine;
        const char16_t *x, *conversion, *message;
    };
    const Case cases[] = {
        {DecimalSin, u" abc ",
         u"  进行[Quv数转数]运算时， abc 数值超出计算范围，我无法计算！返回数值用[空值]表示。",
         u"  进行[QuvSin]正弦运算时， abc 数值超出计算范围，我无法计算！返回数值用 [空值] 表示。"},
        {DecimalCos, u"abc",
         u"  进行[Quv数转数]运算时， abc 数值超出计算范围，我无法计算！返回数值用[空值]表示。",
         u"  进行[QuvCos]余弦运算时， abc 数值超出计算范围，我无法计算！返回数值用 [空值] 表示。"},
        {DecimalTan, u"1E+400",
         u"  进行[Quv数转数]运算时， 1E+400 数值超出计算范围，我无法计算！返回数值用[空值]表示。",
         u"  进行[QuvTan]正切运算时， 1E+400 数值超出计算范围，我无法计算！返回数值用 [空值] 表示。"},
        {DecimalCot, u"1..2",
         u"  进行[Quv数转数]运算时， 1..2 数值超出计算范围，我无法计算！返回数值用[空值]表示。",
         u"  进行[QuvCot]余切运算时， 1..2 数值超出计算范围，我无法计算！返回数值用 [空值] 表示。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.x).toStdString());
        ResetJournal(journal);
        EXPECT_TRUE(c.routine(journal, q(c.x)).isEmpty());
        EXPECT_EQ(journal.errorCount, 2);
        EXPECT_EQ(journal.firstMessage, QString::fromUtf16(c.conversion));
        EXPECT_EQ(journal.lastMessage, QString::fromUtf16(c.message));
        EXPECT_EQ(journal.messageLog,
                  QString::fromUtf16(c.conversion) + QStringLiteral("\r\n") + QString::fromUtf16(c.message) + QStringLiteral("\r\n"));
    }

    // The empty text converts to 0 without a failure, like everywhere in the engine.
    ResetJournal(journal);
    EXPECT_EQ(DecimalSin(journal, q(u"")).text(), u"0");
    EXPECT_EQ(DecimalCos(journal, q(u"")).text(), u"1");
    EXPECT_EQ(journal.errorCount, 0);
}

}  // namespace
}  // namespace cesuan
