// Honest digits: every digit a result shows is right, or the result is cut before it and
// marked 约数. The true values here come from outside the program: mpmath at 50 digits,
// exact integer arithmetic, and in the random test Boost's exact rationals and 100-digit
// decimals.

#include "evaluator/calculate.h"
#include "evaluator/honest_digits.h"

#include "tests/support/journal_fixture.h"

#include <boost/multiprecision/cpp_dec_float.hpp>
#include <boost/multiprecision/cpp_int.hpp>

#include <random>
#include <string>

namespace cesuan {
namespace {

CalcOutcome calculate(const char16_t* formula, int places = 28, AngleUnit unit = AngleUnit::Radian) {
    CalcContext context;
    context.settings.decimalPlaces = places;
    context.settings.angleUnit = unit;
    return Calculate(context, q(formula));
}

// The cases an independent check found claimed beyond their right digits, at 28 places.
TEST(HonestDigits, ResultsThatWereWrongAreRightOrCut) {
    struct Case {
        const char16_t* formula;
        const char16_t* result;  // as shown, cut after reliableDigits when approximate
        int reliableDigits;
        bool approximate;
    };
    const Case cases[] = {
        // sin 10^15 = 0.85827279317023583552388639084…: the angle is reduced by a wide 2π.
        {u"sin(1e15)", u"0.858272793170235835523886391", 27, false},
        // Exact: 2^60 and 4^40; 10^50/3^50 = 139295556909853834633644234.4596…
        {u"0.5^-60", u"1152921504606846976", 28, false},
        {u"0.25^-40", u"1208925819614629174706176", 28, false},
        {u"0.3^-50", u"139295556909853834633644234.4", 28, true},
        // 1 in truth; 0.99999999999999999988… in decimals: an honest 18 digits.
        {u"(1/3)^20*3^20", u"0.999999999999999999", 18, true},
        // 22026.454781577306636469428124636…: the long power is taken in wide numbers.
        {u"1.0000001^100000000", u"22026.45478157730663646942812", 28, true},
        // 0.51219168058127457883989355534…; the decimals give …8934792 from the 25th digit.
        {u"(((6417.253)+(554.74167997))*((0.272)/((3413.53+1))))-((472)/(((4815.36621)+(6110.96739)+1)))",
         u"0.512191680581274578839893", 24, true},
        // 1/3·3 is 1 minus one unit of its 28th digit: honest to the last digit.
        {u"1/3*3", u"0.9999999999999999999999999999", 29, false},
        // The divisor is 0 in truth: no digit of -1E+28 is right.
        {u"1/(1/3*3-1)", u"-10000000000000000000000000000", 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(q(c.formula).toStdString());
        const CalcOutcome outcome = calculate(c.formula);
        EXPECT_EQ(outcome.errorCount, 0) << outcome.messageLog.toStdString();
        EXPECT_EQ(outcome.result, q(c.result));
        EXPECT_EQ(outcome.reliableDigits, c.reliableDigits);
        EXPECT_EQ(outcome.approximate, c.approximate);
        EXPECT_EQ(outcome.firstDoubtfulDigit, c.approximate ? c.reliableDigits + 1 : 0);
    }
}

// Whole multiples of 90° are taken modulo 360° to 0, π/2, π or 3π/2, negative ones too:
// tan(-90) meets the pole of tan 270°, sec(-90) its box, cot(-180) quotes π.
TEST(HonestDigits, RightAnglesOfEitherSign) {
    const QString tanPole = q(u"  进行[QuvTan]正切运算时， %1 数值超出计算范围，我无法计算！返回数值用 [空值] 表示。");
    const QString cotPole = q(u"  进行[QuvCot]余切运算时， %1 数值超出计算范围，我无法计算！返回数值用 [空值] 表示。");
    struct Failure {
        AngleUnit unit;
        const char16_t* formula;
        QString first;
    };
    const Failure failures[] = {
        {AngleUnit::DecimalDegree, u"tan(-90)", tanPole.arg(u"4.7123889803846898576939650749")},
        {AngleUnit::DecimalDegree, u"tan(-270)", tanPole.arg(u"1.5707963267948966192313216916")},
        {AngleUnit::Dms, u"tan(-90)", tanPole.arg(u"4.7123889803846898576939650749")},
        {AngleUnit::DecimalDegree, u"cot(-180)", cotPole.arg(u"3.1415926535897932384626433833")},
    };
    for (const Failure& f : failures) {
        SCOPED_TRACE(q(f.formula).toStdString());
        const CalcOutcome outcome = calculate(f.formula, 28, f.unit);
        EXPECT_EQ(outcome.result, u"error");
        EXPECT_EQ(outcome.firstMessage, f.first);
        EXPECT_EQ(outcome.errorCount, 2);
    }

    struct Value {
        AngleUnit unit;
        const char16_t *formula, *result, *box;
    };
    const Value values[] = {
        {AngleUnit::DecimalDegree, u"sec(-90)", u"10000000000000000000000000000", u"sec(x)为无穷大，采用近似计算....1E+28。"},
        {AngleUnit::DecimalDegree, u"sec(-270)", u"10000000000000000000000000000", u"sec(x)为无穷大，采用近似计算....1E+28。"},
        {AngleUnit::DecimalDegree, u"csc(-180)", u"10000000000000000000000000000", u"csc(x)为无穷大，采用近似计算....1E+28。"},
        {AngleUnit::DecimalDegree, u"sin(-90)", u"-1", nullptr},
        {AngleUnit::DecimalDegree, u"cos(-180)", u"-1", nullptr},
        {AngleUnit::Dms, u"sin(89.5960)", u"1", nullptr},  // 89°59′60″ is 90°
    };
    for (const Value& v : values) {
        SCOPED_TRACE(q(v.formula).toStdString());
        const CalcOutcome outcome = calculate(v.formula, 28, v.unit);
        EXPECT_EQ(outcome.errorCount, 0) << outcome.messageLog.toStdString();
        EXPECT_EQ(outcome.result, q(v.result));
        EXPECT_FALSE(outcome.approximate);
        EXPECT_EQ(NoticeTexts(outcome.notices), v.box ? QStringList{q(v.box)} : QStringList{});
    }
}

// ε^x beyond a double fails in the power and leaves an empty value, which fails the
// arithmetic of sh, ch, th and cth: the evaluation's own failure, then the driver's.
TEST(HonestDigits, OverflowingPowerOfAHyperbolicFunctionFailsTheEvaluation) {
    const char16_t* formulas[] = {u"sh710", u"ch710", u"sh(-710)", u"th800", u"cth(-800)"};
    for (const char16_t* formula : formulas) {
        SCOPED_TRACE(q(formula).toStdString());
        const CalcOutcome outcome = calculate(formula, 15);
        EXPECT_EQ(outcome.result, u"error");
        EXPECT_EQ(outcome.errorCount, 3);
        const QStringList log = outcome.messageLog.split(q(u"\r\n"), Qt::SkipEmptyParts);
        ASSERT_EQ(log.size(), 3);
        EXPECT_TRUE(log[0].endsWith(q(u" 乘方计算超出本程序计算范围！返回 [空值] 。"))) << log[0].toStdString();
        EXPECT_TRUE(log[1].startsWith(q(u"  K表达式计算过程中，"))) << log[1].toStdString();
        EXPECT_TRUE(log[2].startsWith(q(u"  表达式计算过程中，"))) << log[2].toStdString();
    }
    EXPECT_EQ(calculate(u"sh710").messageLog.split(q(u"\r\n"))[0],
              q(u"2.7182818284590452353602874714^710 乘方计算超出本程序计算范围！返回 [空值] 。"));
}

WideTruth truthOf(const char* text) {
    WideTruth t;
    t.kind = WideTruth::Kind::Value;
    t.value = *WideNumber::fromText(QString::fromLatin1(text));
    return t;
}

TEST(HonestDigits, JudgesTheShownDigitsAgainstTheTruth) {
    struct Case {
        const char *result, *truth;
        int claim, honest;
    };
    const Case cases[] = {
        {"0.9999999999999999998876358513", "1", 28, 18},
        {"0.9999999999999999999999999999", "1", 28, 28},  // one unit of the last digit is allowed
        {"1.00000000000000000002", "1", 21, 20},
        {"-0.796714777859288", "-0.79671477785929012945", 15, 13},
        {"2.10590514306334E+125", "2.105905143063341E+125", 15, 15},
        {"2.10590514306334E+125", "2.105905143063352E+125", 15, 14},
        {"0", "0.00000001", 29, 29},  // a zero shows no digit
        {"123.45", "9999", 5, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.result);
        EXPECT_EQ(HonestDigits(QString::fromLatin1(c.result), truthOf(c.truth), c.claim), c.honest);
    }

    // An inverse function's D.MMSS result is an angle: 44.5959999999999 is 10⁻¹⁰″ short of 45°.
    WideTruth angle = truthOf("44.596");
    angle.angleDegrees = WideNumber(45L);
    EXPECT_EQ(HonestDigits(QStringLiteral("44.5959999999999"), angle, 15), 15);
    EXPECT_EQ(HonestDigits(QStringLiteral("44.5959999999"), angle, 12), 12);
    EXPECT_EQ(HonestDigits(QStringLiteral("44.5958"), angle, 6), 5);  // 2″ short: one unit is 1″ … of 10″
    EXPECT_EQ(calculate(u"arctan1", 15, AngleUnit::Dms).result, u"44.5959999999999");

    WideTruth undefined;
    undefined.kind = WideTruth::Kind::Undefined;
    EXPECT_EQ(HonestDigits(QStringLiteral("1"), undefined, 29), 0);
    EXPECT_EQ(HonestDigits(QStringLiteral("1.5"), WideTruth{}, 29), 29);  // unknown: the claim stands
}

// --- Random formulas against references that are not the code under test -------------

using Rational = boost::multiprecision::cpp_rational;
using Wide = boost::multiprecision::cpp_dec_float_100;

// A formula with its value: exact while it has only + − × ÷, else to 100 digits.
struct Sample {
    std::string text;
    Wide wide;
    std::optional<Rational> exact;
};

class FormulaMaker {
public:
    explicit FormulaMaker(std::uint64_t seed) : rng_(seed) {}

    Sample make(int depth) {
        if (depth == 0 || chance(0.3)) return number();
        if (chance(0.35)) {
            const char* names[] = {"sin", "cos", "arctan", "ln", "sh", "ch"};
            const std::string name = names[rng_() % 6];
            const Sample x = make(depth - 1);
            Sample s{name + "(" + x.text + ")", 0, std::nullopt};
            if (name == "sin") s.wide = Wide(sin(x.wide));
            else if (name == "cos") s.wide = Wide(cos(x.wide));
            else if (name == "arctan") s.wide = Wide(atan(x.wide));
            else if (name == "ln") {
                if (x.wide <= 0) return make(depth);
                s.wide = Wide(log(x.wide));
            } else {
                if (abs(x.wide) > 60) return make(depth);
                s.wide = name == "sh" ? Wide(sinh(x.wide)) : Wide(cosh(x.wide));
            }
            return s;
        }
        const char op = "+-*/"[rng_() % 4];
        const Sample a = make(depth - 1), b = make(depth - 1);
        if (op == '/' && b.wide == 0) return make(depth);
        Sample s{"(" + a.text + ")" + op + "(" + b.text + ")", 0, std::nullopt};
        s.wide = op == '+' ? Wide(a.wide + b.wide) : op == '-' ? Wide(a.wide - b.wide) : op == '*' ? Wide(a.wide * b.wide) : Wide(a.wide / b.wide);
        if (a.exact && b.exact) {
            const Rational& x = *a.exact;
            const Rational& y = *b.exact;
            s.exact = op == '+' ? Rational(x + y) : op == '-' ? Rational(x - y) : op == '*' ? Rational(x * y) : Rational(x / y);
        }
        return s;
    }

private:
    std::mt19937_64 rng_;
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }

    // Up to 20 digits with the point anywhere.
    Sample number() {
        std::string digits;
        const int n = int(rng_() % 20) + 1;
        for (int i = 0; i < n; ++i) digits += char('0' + rng_() % 10);
        digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
        const std::size_t point = rng_() % (digits.size() + 1);
        std::string text = point == 0 ? "0." + digits : point < digits.size() ? digits.substr(0, point) + "." + digits.substr(point) : digits;
        Rational value{boost::multiprecision::cpp_int(digits)};
        for (std::size_t i = point == 0 ? 0 : point; i < digits.size(); ++i) value /= 10;
        return Sample{text, Wide(text), value};
    }
};

// The shown result as sign, significant digits and the exponent of the first of them.
struct Shown {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

Shown shownDigits(const QString& result) {
    Shown s;
    std::string t = result.toStdString();
    int exponent10 = 0;
    if (const std::size_t e = t.find('E'); e != std::string::npos) {
        exponent10 = std::stoi(t.substr(e + 1));
        t.erase(e);
    }
    if (!t.empty() && t[0] == '-') {
        s.negative = true;
        t.erase(0, 1);
    }
    const std::size_t point = t.find('.');
    const int integerDigits = int(point == std::string::npos ? t.size() : point);
    std::string all;
    for (char c : t)
        if (c != '.') all += c;
    const std::size_t first = all.find_first_not_of('0');
    if (first == std::string::npos) return s;
    s.digits = all.substr(first);
    s.exponent = integerDigits - 1 - int(first) + exponent10;
    return s;
}

TEST(HonestDigits, RandomFormulasNeverClaimWrongDigits) {
    FormulaMaker maker(20261211);
    int checked = 0, cut = 0;
    for (int i = 0; i < 3000; ++i) {
        const Sample sample = maker.make(1 + i % 3);
        const int places = i % 3 == 0 ? 15 : 28;
        const CalcOutcome outcome = calculate(reinterpret_cast<const char16_t*>(QString::fromStdString(sample.text).utf16()), places);
        if (outcome.errorCount != 0) continue;
        const Shown shown = shownDigits(outcome.result);
        if (shown.digits.empty()) continue;
        const int claim = outcome.approximate ? outcome.reliableDigits : int(shown.digits.size());
        cut += outcome.approximate;
        if (claim == 0) continue;
        const int k = std::min<int>(claim, int(shown.digits.size()));
        // The first k digits against the reference: within one unit of the k-th.
        const std::string head = shown.digits.substr(0, std::size_t(k));
        const int scale = shown.exponent - k + 1;  // value = head × 10^scale
        bool honest;
        if (sample.exact) {
            Rational value{boost::multiprecision::cpp_int(head)}, unit{1};
            for (int j = 0; j < std::abs(scale); ++j) (scale < 0 ? unit /= 10 : unit *= 10);
            value *= unit;
            if (shown.negative) value = -value;
            honest = abs(value - *sample.exact) <= unit;
        } else {
            const Wide unit = pow(Wide(10), scale);
            Wide value = Wide(head) * unit;
            if (shown.negative) value = -value;
            honest = abs(value - sample.wide) <= unit * (1 + Wide("1e-40")) + abs(sample.wide) * Wide("1e-90");
        }
        EXPECT_TRUE(honest) << sample.text << " at " << places << " places shows " << outcome.result.toStdString()
                            << " claiming " << claim << " digits of " << sample.wide.str(40);
        ++checked;
    }
    EXPECT_GT(checked, 2500);
    EXPECT_GT(cut, 100);  // the sample does meet results that must be cut
}

}  // namespace
}  // namespace cesuan
