#include "engine/trig.h"

#include "engine/arithmetic.h"
#include "engine/engine_texts.h"
#include "engine/journal.h"
#include "engine/wide.h"

#include <optional>

namespace cesuan {
namespace {

using MaybeDecimal = std::optional<Decimal96>;

struct Constants {
    Decimal96 twoPi = *Decimal96::fromText(kTwoPiText);
    Decimal96 halfPi = *Decimal96::fromText(kHalfPiText);
    Decimal96 pi = *Decimal96::fromText(kPiText);
    Decimal96 threeHalvesPi = *Decimal96::fromText(kThreeHalvesPiText);
    // The stop bounds of the series are the doubles ±1E-28; like every mixed operation they
    // meet the decimal term as decimals, through their 15 digits: exactly ±1E-28.
    Decimal96 stopBound = *Decimal96::fromDouble(1E-28);
    Decimal96 negativeStopBound = *Decimal96::fromDouble(-1E-28);
};

const Constants& constants() {
    static const Constants c;
    return c;
}

// The argument reduced by 2π, with the sign of x; empty when the conversion or the
// remainder failed (they have logged their own failure). A decimal argument is reduced in
// wide numbers by a 2π of over a hundred digits and rounded to 28 places, so the reduced
// angle is right to its last place however large the argument; the decimal 2π would leave
// as many wrong places as the argument has integer digits. A double runs the remainder of
// two numbers.
MaybeDecimal remainderByTwoPi(CalcErrorJournal& journal, const CalcValue& x) {
    const int errorsBefore = journal.errorCount;
    const CalcValue v = ToCalcValue(journal, x);
    if (journal.errorCount != errorsBefore) return std::nullopt;
    if (v.isDecimal()) {
        static thread_local const WideNumber twoPi = WideNumber::pi() * WideNumber(2L);
        const Decimal96 d = v.decimal();
        if (d.abs() < constants().twoPi) return d;  // nothing to take away
        return Remainder(WideNumber(d), twoPi).toDecimal();
    }
    const CalcValue r = RemainderTwo(journal, v, constants().twoPi);
    if (journal.errorCount != errorsBefore) return std::nullopt;
    return r.toDecimal();
}

// Sine of r, 0 <= r <= π/2, by its Taylor series. (D + 1)! is held as A * B, where A takes
// the factors up to 27! (the largest factorial a decimal holds) and B the rest.
MaybeDecimal sineSeries(Decimal96 r) {
    Decimal96 sum = r, t = r;
    const MaybeDecimal square = multiply(r, r);
    if (!square) return std::nullopt;
    Decimal96 a = 1, b = 1;
    for (std::int64_t d = 2; d <= 100; d += 2) {
        Decimal96& factor = d <= 27 ? a : b;
        const MaybeDecimal timesD = multiply(factor, d);
        const MaybeDecimal timesNext = timesD ? multiply(*timesD, d + 1) : std::nullopt;
        if (!timesNext) return std::nullopt;
        factor = *timesNext;

        const MaybeDecimal negated = multiply(-1, t);
        const MaybeDecimal power = negated ? multiply(*negated, *square) : std::nullopt;
        if (!power) return std::nullopt;
        t = *power;

        const MaybeDecimal overA = divide(t, a);
        const MaybeDecimal term = overA ? divide(*overA, b) : std::nullopt;
        const MaybeDecimal next = term ? add(sum, *term) : std::nullopt;
        if (!next) return std::nullopt;
        sum = *next;
        if (constants().negativeStopBound <= *term && *term <= constants().stopBound) break;
    }
    return sum;
}

MaybeDecimal sine(CalcErrorJournal& journal, const CalcValue& x) {
    const Constants& c = constants();
    MaybeDecimal r = remainderByTwoPi(journal, x);
    if (!r) return std::nullopt;
    if (r->isNegative()) {
        r = add(*r, c.twoPi);
        if (!r) return std::nullopt;
    }

    // The exact points, returned as they are.
    if (r->isZero() || *r == c.pi || *r == c.twoPi) return Decimal96(0);
    if (*r == c.halfPi) return Decimal96(1);
    if (*r == c.threeHalvesPi) return Decimal96(-1);

    // To the first quadrant; each test sees the value the one before left.
    std::int64_t sign = 1;
    if (c.halfPi < *r && *r < c.pi) r = subtract(c.pi, *r);
    if (r && c.pi < *r && *r < c.threeHalvesPi) {
        r = subtract(*r, c.pi);
        sign = -1;
    }
    if (r && c.threeHalvesPi < *r && *r < c.twoPi) {
        r = subtract(c.twoPi, *r);
        sign = -1;
    }
    if (!r) return std::nullopt;

    MaybeDecimal s = sineSeries(*r);
    if (!s) return std::nullopt;
    if (*s > Decimal96(1)) s = Decimal96(1);
    if (s->isNegative()) s = Decimal96(0);
    s = multiply(*s, sign);
    if (!s) return std::nullopt;
    CapReliableDigits(journal, 27);
    return s;
}

MaybeDecimal cosine(CalcErrorJournal& journal, const CalcValue& x) {
    const MaybeDecimal r = remainderByTwoPi(journal, x);
    const MaybeDecimal shifted = r ? subtract(constants().halfPi, *r) : std::nullopt;
    if (!shifted) return std::nullopt;
    const CalcValue s = DecimalSin(journal, *shifted);
    return s.isDecimal() ? std::optional(s.decimal()) : std::nullopt;
}

// The sine and cosine of the reduced argument, divided in decimal; a zero divisor (a pole)
// fails.
MaybeDecimal quotient(CalcErrorJournal& journal, const CalcValue& x, bool tangent) {
    const MaybeDecimal r = remainderByTwoPi(journal, x);
    if (!r) return std::nullopt;
    const MaybeDecimal s = DecimalSin(journal, *r).toDecimal();
    const MaybeDecimal c = DecimalCos(journal, *r).toDecimal();
    if (!s || !c) return std::nullopt;
    return tangent ? divide(*s, *c) : divide(*c, *s);
}

CalcValue resultOrFailure(CalcErrorJournal& journal, const MaybeDecimal& value, const QString& message) {
    if (value) return *value;
    LogFailure(journal, message);
    return CalcValue();
}

}  // namespace

CalcValue DecimalSin(CalcErrorJournal& journal, const CalcValue& x) {
    return resultOrFailure(journal, sine(journal, x), texts::msgSin(x.trimmedText()));
}

CalcValue DecimalCos(CalcErrorJournal& journal, const CalcValue& x) {
    return resultOrFailure(journal, cosine(journal, x), texts::msgCos(x.trimmedText()));
}

CalcValue DecimalTan(CalcErrorJournal& journal, const CalcValue& x) {
    return resultOrFailure(journal, quotient(journal, x, true), texts::msgTan(x.trimmedText()));
}

CalcValue DecimalCot(CalcErrorJournal& journal, const CalcValue& x) {
    return resultOrFailure(journal, quotient(journal, x, false), texts::msgCot(x.trimmedText()));
}

}  // namespace cesuan
