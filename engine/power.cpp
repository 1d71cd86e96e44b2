#include "engine/power.h"

#include "engine/arithmetic.h"
#include "engine/engine_texts.h"
#include "engine/journal.h"
#include "engine/rounding.h"
#include "engine/wide.h"

#include <cmath>

namespace cesuan {
namespace {

__extension__ typedef __int128 int128;

const Decimal96 kHalf = Decimal96::fromParts(5, 1, false);           // 0.5
const Decimal96 kFirstGuessStep = Decimal96::fromParts(1, 14, false);  // 1E-14

// Above this exponent the doubling scheme would need up to half a million rounds, and its
// roundings would add up to wrong digits.
constexpr uint128 kDoublingLimit = uint128(1) << 20;

std::optional<Decimal96> squareRootDecimal(CalcErrorJournal& journal, Decimal96 a) {
    if (a.isNegative()) return std::nullopt;
    const std::optional<Decimal96> s0 = Decimal96::fromDouble(std::sqrt(a.toDouble()));
    if (!s0) return std::nullopt;
    // An exact root is returned as it is. A square that overflows is not exact: near the
    // top of the range the double's root squared can exceed the decimal range.
    if (const std::optional<Decimal96> square = multiply(*s0, *s0); square && *square == a) return s0;

    std::optional<Decimal96> y = add(*s0, kFirstGuessStep);
    // One Newton step: (a / v + v) * 0.5.
    auto newton = [&a](Decimal96 v) -> std::optional<Decimal96> {
        const std::optional<Decimal96> q = divide(a, v);
        const std::optional<Decimal96> s = q ? add(*q, v) : std::nullopt;
        return s ? multiply(*s, kHalf) : std::nullopt;
    };
    for (int round = 0; round < 50 && y; ++round) {
        if (y->isZero()) break;
        const Decimal96 y0 = *y;
        const std::optional<Decimal96> y1 = newton(y0);
        if (!y1) return std::nullopt;
        y = y1;
        const std::optional<Decimal96> y2 = newton(*y1);
        if (!y2) return std::nullopt;
        const std::optional<Decimal96> d = subtract(*y2, *y1);
        if (!d) return std::nullopt;
        if (d->isZero()) break;
        // Aitken's delta-squared step on y0, y1, y2.
        const std::optional<Decimal96> d2 = multiply(*d, *d);
        const std::optional<Decimal96> gap = subtract(y0, *y1);
        const std::optional<Decimal96> denominator = gap ? add(*gap, *d) : std::nullopt;
        const std::optional<Decimal96> step =
            d2 && denominator ? divide(*d2, *denominator) : std::nullopt;
        if (!step) return std::nullopt;
        y = subtract(*y2, *step);
        if (y && *y == *y2) break;
    }
    if (y) CapReliableDigits(journal, 28);
    return y;
}

enum class Outcome { Value, DoublePath, Failure };

struct DecimalPower {
    Outcome outcome = Outcome::DoublePath;
    Decimal96 value;
    bool lowersReliableDigits = true;
};

DecimalPower decimalPower(CalcErrorJournal& journal, const CalcValue& x, const CalcValue& y) {
    const std::optional<Decimal96> xd = x.toDecimal(), yd = y.toDecimal();
    if (!xd || !yd) return {};
    const auto value = [](std::optional<Decimal96> r) {
        return r ? DecimalPower{Outcome::Value, *r, true} : DecimalPower{};
    };

    // A negative power of a base below 1 in magnitude: x^|y| is below 1 and would keep only
    // the significant digits that 28 places leave it (0.5^60 keeps 10), which its
    // reciprocal then spreads over the whole result. The power is taken in wide numbers and
    // rounded once.
    if (yd->isNegative() && !xd->isZero() && xd->abs() < Decimal96(1)) {
        const std::optional<Decimal96> r = Power(WideNumber(*xd), WideNumber(*yd)).toDecimal();
        return r ? DecimalPower{Outcome::Value, *r, true} : DecimalPower{};
    }

    if (*yd == kHalf) {
        const CalcValue root = SquareRoot(journal, *xd);
        return value(root.isDecimal() ? std::optional(root.decimal()) : std::nullopt);
    }
    if (*yd == -kHalf) {
        const CalcValue root = SquareRoot(journal, *xd);
        return value(root.isDecimal() ? divide(1, root.decimal()) : std::nullopt);
    }
    if (xd->isZero()) {
        if (yd->isNegative()) return {Outcome::Failure, {}, false};
        return {Outcome::Value, Decimal96(0), false};
    }

    // a = |yd| = N + F.
    const Decimal96 a = yd->abs();
    uint128 n = a.coefficient();
    for (int i = 0; i < a.scale(); ++i) n /= 10;
    std::optional<Decimal96> f = Decimal96::fromText(QStringLiteral("0.") + FractionDigitsText(journal, a));
    if (!f) return {};

    // A long power in wide numbers: a decimal product per doubling would round a million
    // times and spoil the last digits.
    std::optional<Decimal96> r = n <= kDoublingLimit
                                     ? detail::DoublingPower(*xd, n, true)
                                     : Power(WideNumber(*xd), WideNumber(Decimal96::fromParts(n, 0, false))).toDecimal();
    if (!r) return {};

    // The fraction bit by bit, most significant first: xd^(2^-i) from i square roots.
    if (!f->isZero()) {
        Decimal96 q = *xd;
        Decimal96 w = 1;
        for (int i = 0; i < 93; ++i) {
            w = *multiply(w, kHalf);
            const CalcValue root = SquareRoot(journal, q);
            if (!root.isDecimal()) return {};
            q = root.decimal();
            if (q == Decimal96(1)) break;
            if (*f >= w) {
                f = subtract(*f, w);
                r = multiply(*r, q);
                if (!f || !r) return {};
                if (f->isZero()) break;
            }
        }
    }

    if (yd->isNegative()) {
        // A power too small for 28 places has no decimal reciprocal: the double keeps it.
        if (r->isZero()) return {};
        r = divide(1, *r);
    }
    return value(r);
}

CalcValue doublePath(CalcErrorJournal& journal, const CalcValue& x, const CalcValue& y) {
    const std::optional<double> a = x.toDouble(), b = y.toDouble();
    if (a && b) {
        const double p = std::pow(*a, *b);
        if (std::isfinite(p)) {
            NoteDoubleFallback(journal);
            return p;
        }
    }
    LogFailure(journal, texts::msgPower(x.trimmedText(), y.trimmedText()));
    return CalcValue();
}

}  // namespace

namespace detail {

std::optional<Decimal96> DoublingPower(Decimal96 x, uint128 n, bool stopWhenComplete) {
    // R collects factors p = x^pe; the scheme multiplies factors into R whose exponents
    // add up to n, so once re reaches n the later rounds cannot change R.
    Decimal96 r = 1, p = 1, t;
    int128 m = int128(n), re = 0, pe = 0, te = 0;
    const int128 limit = int128(n);
    auto times = [](Decimal96& into, Decimal96 factor) {
        const std::optional<Decimal96> product = multiply(into, factor);
        if (product) into = *product;
        return product.has_value();
    };
    for (int128 k = 1; k <= limit; ++k) {
        if (stopWhenComplete && re == limit) break;
        t = p;
        if (!times(t, x)) return std::nullopt;
        te = pe + 1;
        p = t;
        pe = te;
        const int128 k0 = k;
        if (m == k) {
            if (!times(r, p)) return std::nullopt;
            re += pe;
        }
        if (m >= 2 * k0) {
            p = t;
            if (!times(p, t)) return std::nullopt;
            pe = 2 * te;
            k = 2 * k0;
            if (m == k) {
                if (!times(r, p)) return std::nullopt;
                re += pe;
            }
            if (k < m && k0 > m - k) {
                if (!times(r, p)) return std::nullopt;
                re += pe;
                m -= k;
                k = 0;
                p = 1;
                pe = 0;
            }
            if (k0 < m - k && k > m - k) {
                if (!times(p, t)) return std::nullopt;
                pe += te;
                if (!times(r, p)) return std::nullopt;
                re += pe;
                m = m - k - k0;
                k = 0;
                p = 1;
                pe = 0;
            }
        }
    }
    return r;
}

}  // namespace detail

CalcValue SquareRoot(CalcErrorJournal& journal, const CalcValue& x) {
    const std::optional<Decimal96> a = x.toDecimal();
    if (a) {
        if (const std::optional<Decimal96> root = squareRootDecimal(journal, *a)) return *root;
    }
    LogFailure(journal, texts::msgSquareRoot(x.trimmedText()));
    return CalcValue();
}

CalcValue PowerOf(CalcErrorJournal& journal, const CalcValue& x, const CalcValue& y) {
    const CalcValue Y = ToCalcValue(journal, y);
    if (IsZeroValue(Y)) return Decimal96(1);
    const CalcValue X = ToCalcValue(journal, x);
    if (CountExponentMarks(X) > 0 || CountExponentMarks(Y) > 0) return doublePath(journal, x, y);

    // Range estimate in double: a result outside the decimal range, too small for it, or a
    // failing double power goes to the double path.
    const double estimate = std::pow(X.toDouble().value_or(NAN), Y.toDouble().value_or(NAN));
    if (!std::isfinite(estimate) || CountExponentMarks(ToCalcValue(journal, estimate)) > 0)
        return doublePath(journal, x, y);

    const DecimalPower power = decimalPower(journal, x, y);
    switch (power.outcome) {
    case Outcome::Value:
        if (power.lowersReliableDigits) CapReliableDigits(journal, 28);
        return power.value;
    case Outcome::DoublePath:
        return doublePath(journal, x, y);
    case Outcome::Failure:
        break;
    }
    LogFailure(journal, texts::msgPower(x.trimmedText(), y.trimmedText()));
    return CalcValue();
}

}  // namespace cesuan
