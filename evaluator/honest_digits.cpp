#include "evaluator/honest_digits.h"

#include "engine/calc_value.h"

#include <algorithm>

namespace cesuan {
namespace {

// A number text as its significant digits and the decimal exponent of the first of them:
// "-0.00123" is 123 with exponent -3, "1.5E+30" is 15 with exponent 30.
struct Digits {
    bool negative = false;
    QString digits;  // from the first significant digit on, zeros after it included
    long exponent = 0;
};

std::optional<Digits> digitsOf(const QString& text) {
    const QString t = TrimBlanks(text);
    const qsizetype e = std::max(t.lastIndexOf(u'e'), t.lastIndexOf(u'E'));
    long exponent10 = 0;
    if (e >= 0) {
        bool ok = false;
        exponent10 = t.mid(e + 1).toLong(&ok);
        if (!ok) return std::nullopt;
    }
    Digits d;
    qsizetype integerDigits = 0;
    bool point = false;
    QString all;
    for (const QChar c : t.left(e >= 0 ? e : t.size())) {
        if (c == u'-') d.negative = !d.negative;
        else if (c == u'.') point = true;
        else if (c >= u'0' && c <= u'9') {
            all += c;
            if (!point) ++integerDigits;
        } else if (c != u'+') return std::nullopt;
    }
    qsizetype first = 0;
    while (first < all.size() && all[first] == u'0') ++first;
    if (first == all.size()) return d;  // zero: no significant digit
    d.digits = all.mid(first);
    d.exponent = long(integerDigits - 1 - first) + exponent10;
    return d;
}

// The first k digits, the rest cut off (toward zero).
WideNumber truncated(const Digits& d, int k) {
    const QString text = (d.negative ? QStringLiteral("-") : QString()) + d.digits[0] + u'.' +
                         d.digits.mid(1, k - 1) + u'e' + QString::number(d.exponent);
    return *WideNumber::fromText(text);
}

// One unit of the digit at `places` decimal places of a D.MMSS number, in degrees: degrees
// before the point, then tens of minutes, minutes, tens of seconds, seconds, and fractions
// of a second.
WideNumber dmsUnit(long places) {
    if (places <= 0) return PowerOfTen(-places);
    static const long perDegree[] = {0, 6, 60, 360, 3600};
    if (places <= 4) return WideNumber(1L) / WideNumber(perDegree[places]);
    return PowerOfTen(4 - places) / WideNumber(3600L);
}

}  // namespace

int HonestDigits(const QString& result, const WideTruth& truth, int claim) {
    if (truth.kind == WideTruth::Kind::Unknown || claim <= 0) return claim;
    if (truth.kind == WideTruth::Kind::Undefined) return 0;
    const std::optional<Digits> d = digitsOf(result);
    if (!d) return claim;
    if (d->digits.isEmpty()) return claim;  // a zero shows no digit to be wrong

    const bool angle = truth.angleDegrees.has_value();
    const WideNumber& truthValue = angle ? *truth.angleDegrees : truth.value;
    // The wide numbers' own rounding, far below any unit that is judged.
    static thread_local const WideNumber relative = PowerOfTen(-100), unitSlack = PowerOfTen(-60);
    const WideNumber slack = truthValue.abs() * relative;

    const int top = std::min<int>(claim, int(d->digits.size()));
    for (int k = top; k >= 1; --k) {
        const WideNumber shown = truncated(*d, k);
        WideNumber difference, unit;
        if (angle) {
            const std::optional<WideNumber> degrees = WideDmsToDegrees(shown.toPlainText(k), shown.sign());
            if (!degrees) return claim;
            difference = (*degrees - truthValue).abs();
            unit = dmsUnit(k - d->exponent - 1);
        } else {
            difference = (shown - truthValue).abs();
            unit = PowerOfTen(d->exponent - k + 1);
        }
        if (compare(difference, unit + unit * unitSlack + slack) <= 0) return k == top ? claim : k;
    }
    return 0;
}

}  // namespace cesuan
