#include "evaluator/functions.h"

#include "angles/angle_units.h"
#include "engine/arithmetic.h"
#include "engine/journal.h"
#include "engine/number_text.h"
#include "engine/power.h"
#include "engine/trig.h"
#include "evaluator/evaluator_texts.h"
#include "evaluator/calc_context.h"

#include <cmath>
#include <optional>

namespace cesuan {
namespace {


// --- Arithmetic between values -------------------------------------------------------
// Double with double is computed in double; anything else in decimal, a double taking
// part as its 15-digit decimal (beyond the decimal range that is a failure). An empty
// value (a routine's failure result) is no number and fails the conversion. Empty on
// failure.

enum class Op { Add, Subtract, Multiply, Divide };

std::optional<CalcValue> combine(Op op, const CalcValue& a, const CalcValue& b) {
    if (a.isDouble() && b.isDouble()) {
        const double x = a.doubleValue(), y = b.doubleValue();
        const double r = op == Op::Add ? x + y : op == Op::Subtract ? x - y : op == Op::Multiply ? x * y : x / y;
        if (!std::isfinite(r)) return std::nullopt;
        return CalcValue(r);
    }
    const std::optional<Decimal96> x = a.toDecimal(), y = b.toDecimal();
    if (!x || !y) return std::nullopt;
    std::optional<Decimal96> r;
    switch (op) {
    case Op::Add: r = add(*x, *y); break;
    case Op::Subtract: r = subtract(*x, *y); break;
    case Op::Multiply: r = multiply(*x, *y); break;
    case Op::Divide: r = divide(*x, *y); break;
    }
    if (!r) return std::nullopt;
    return CalcValue(*r);
}

// A whole-number constant in the form of the operand it meets.
CalcValue constantLike(int k, const CalcValue& other) {
    return other.isDouble() ? CalcValue(double(k)) : CalcValue(Decimal96(k));
}

CalcValue negated(const CalcValue& v) {
    if (v.isDouble()) return -v.doubleValue();
    const std::optional<Decimal96> d = v.toDecimal();
    return d ? CalcValue(-*d) : CalcValue(Decimal96(0));
}

double asDouble(const CalcValue& v) { return v.toDouble().value_or(0.0); }

// The sign of v compared with k: decimals exactly, doubles as doubles.
int compareWith(const CalcValue& v, int k) {
    if (v.isDecimal()) {
        const auto order = v.decimal() <=> Decimal96(k);
        return order < 0 ? -1 : order > 0 ? 1 : 0;
    }
    const double d = asDouble(v);
    return d < k ? -1 : d > k ? 1 : 0;
}

// --- The function table ---------------------------------------------------------------

CalcValue epsilonPower(CalcErrorJournal& journal, const CalcValue& z) { return PowerOf(journal, texts::kEpsilonText, z); }

// ε^x that overflows fails in the power (its message) and leaves an empty value, which
// then fails the arithmetic: the evaluation's own failure follows.
std::optional<CalcValue> hyperbolic(CalcContext& context, const QString& name, const CalcValue& x) {
    const CalcValue up = epsilonPower(context.journal, x), down = epsilonPower(context.journal, negated(x));
    const auto difference = combine(Op::Subtract, up, down);
    const auto sum = combine(Op::Add, up, down);
    if (!difference || !sum) return std::nullopt;
    if (name == u"sh") return combine(Op::Divide, *difference, constantLike(2, *difference));
    if (name == u"ch") return combine(Op::Divide, *sum, constantLike(2, *sum));
    if (name == u"th") return combine(Op::Divide, *difference, *sum);
    // cth
    if (IsZeroValue(*difference)) {
        AddNotice(context.journal, texts::kCthPole);
        return CalcValue(1E+28);
    }
    return combine(Op::Divide, *sum, *difference);
}

std::optional<CalcValue> trigonometric(CalcContext& context, const QString& name, const CalcValue& x) {
    const CalcValue a = AngleToRadian(context.journal, x, context.settings.angleUnit);
    if (a.isEmpty()) return std::nullopt;
    if (name == u"sin") return ToCalcValue(context.journal, DecimalSin(context.journal, a));
    if (name == u"cos") return ToCalcValue(context.journal, DecimalCos(context.journal, a));
    if (name == u"tan") return DecimalTan(context.journal, a);
    if (name == u"cot") return DecimalCot(context.journal, a);
    const bool secant = name == u"sec";
    const CalcValue c = ToCalcValue(context.journal, secant ? DecimalCos(context.journal, a) : DecimalSin(context.journal, a));
    if (IsZeroValue(c)) {
        AddNotice(context.journal, secant ? texts::kSecPole : texts::kCscPole);
        return CalcValue(1E+28);
    }
    return combine(Op::Divide, constantLike(1, c), c);
}

// A logged failure of the function table: the value given is still written into the text.

std::optional<CalcValue> logarithm(CalcContext& context, const QString& name, const CalcValue& x) {
    std::optional<CalcValue> v;
    if (compareWith(x, 0) > 0) {
        const double d = asDouble(x);
        v = CalcValue(name == u"lg" ? std::log(d) / std::log(10.0) : std::log(d));
    } else {
        LogFailure(context.journal, name == u"lg" ? texts::kLgDomain : texts::kLnDomain);
        v = CalcValue(-1E+28);
    }
    NoteDoubleFallback(context.journal);
    return v;
}

std::optional<CalcValue> inverse(CalcContext& context, const QString& name, CalcValue x) {
    const double quarter = std::atan(1.0);
    std::optional<CalcValue> angle;  // radians
    const auto sqrtOrFail = [](double v) -> std::optional<double> {
        if (v < 0) return std::nullopt;
        return std::sqrt(v);
    };
    if (name == u"arctan") {
        angle = CalcValue(std::atan(asDouble(x)));
    } else if (name == u"arcsin" || name == u"arccos") {
        const bool sine = name == u"arcsin";
        if (compareWith(x, 1) > 0) {
            LogFailure(context.journal, sine ? texts::kArcsinAboveOne : texts::kArccosAboveOne);
            x = Decimal96(1);
        } else if (compareWith(x, -1) < 0) {
            LogFailure(context.journal, sine ? texts::kArcsinBelowMinusOne : texts::kArccosBelowMinusOne);
            x = Decimal96(-1);
        }
        if (compareWith(x, 1) == 0) {
            angle = sine ? CalcValue(kHalfPiText) : CalcValue(Decimal96(0));
        } else if (compareWith(x, -1) == 0) {
            angle = sine ? CalcValue(QStringLiteral("-") + kHalfPiText) : CalcValue(kPiText);
        } else {
            const double d = asDouble(x);
            const std::optional<double> q = sqrtOrFail(1 - d * d);
            if (!q) return std::nullopt;
            if (*q != 0) {
                angle = CalcValue(sine ? std::atan(d / *q) : std::atan(-d / *q) + 2 * quarter);
            } else {
                LogFailure(context.journal, sine ? texts::kArcsinUndefined : texts::kArccosUndefined);
                angle = CalcValue(Decimal96(0));
            }
        }
    } else if (name == u"arccot") {
        angle = CalcValue(2 * quarter - std::atan(asDouble(x)));
    } else {  // arcsec, arccsc
        const double d = asDouble(x);
        const std::optional<double> q = sqrtOrFail(d * d - 1);
        if (!q) return std::nullopt;  // |x| < 1
        const double sign = d > 0 ? 1 : d < 0 ? -1 : 0;
        if (*q != 0) {
            angle = CalcValue(name == u"arcsec" ? 2 * quarter - std::atan(sign / *q) : std::atan(sign / *q));
        } else {
            LogFailure(context.journal, name == u"arcsec" ? texts::kArcsecUndefined : texts::kArccscUndefined);
            angle = CalcValue(Decimal96(0));
        }
    }

    CalcValue v = ToCalcValue(context.journal, *angle);
    if (context.settings.angleUnit != AngleUnit::Radian) {
        const std::optional<CalcValue> degrees = combine(Op::Multiply, v, CalcValue(kDegreesPerRadianText));
        if (!degrees) return std::nullopt;
        v = ToCalcValue(context.journal, *degrees);
        if (context.settings.angleUnit == AngleUnit::Dms) v = DecimalDegreeToDms(context.journal, v);
    }
    NoteDoubleFallback(context.journal);
    return v;
}

}  // namespace

std::optional<CalcValue> FunctionValue(CalcContext& context, const QString& name, const CalcValue& x) {
    if (name == u"sh" || name == u"ch" || name == u"th" || name == u"cth") return hyperbolic(context, name, x);
    if (name == u"lg" || name == u"ln") return logarithm(context, name, x);
    if (name.startsWith(u"arc")) return inverse(context, name, x);
    return trigonometric(context, name, x);
}

namespace {
const Decimal96 kFactorialLimit = Decimal96::fromParts(uint128(10000000000000000000ULL) * 1000000000ULL, 0, false);  // 1E+28
}  // namespace

std::optional<CalcValue> FactorialValue(CalcErrorJournal& journal, const QString& operand) {
    const std::optional<double> d = ParseDouble(operand);
    if (!d) return std::nullopt;
    Decimal96 product = *d >= 1 ? 1 : 0;
    const double n = std::nearbyint(*d);  // halves to even
    for (double k = 1; k <= n; ++k) {
        product = *multiply(product, Decimal96(std::int64_t(k)));
        if (product > kFactorialLimit) {
            LogFailure(journal, texts::kFactorialTooLarge);
            break;
        }
    }
    return CalcValue(product);
}

}  // namespace cesuan
