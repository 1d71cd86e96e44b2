#include "numerics/number_format.h"

#include "numerics/numerics_texts.h"

#include <algorithm>
#include <cmath>

namespace cesuan {

namespace {

// The decimal digits of |value| rounded to `significant` digits, and the exponent of the
// first: value ≈ 0.d1d2… × 10^(exponent + 1).
struct Digits {
    QString digits;
    int exponent = 0;
};

Digits digitsOf(double value, int significant) {
    const QString e = QString::number(std::fabs(value), 'e', significant - 1);  // d.ddde±XX
    const qsizetype mark = e.indexOf(u'e');
    Digits d;
    d.digits = e.left(mark).remove(u'.');
    d.exponent = e.mid(mark + 1).toInt();
    return d;
}

// Keeps the first `keep` digits (0 or more), rounding half up on the next one.
void roundDigits(Digits& d, int keep) {
    if (keep >= d.digits.size()) return;
    // A leading 0 gives the carry of a value like 0.96 rounded to no digit a place to go.
    d.digits.prepend(u'0');
    ++d.exponent;
    ++keep;
    const bool up = d.digits[keep] >= u'5';
    d.digits.truncate(keep);
    for (qsizetype i = keep - 1; up && i >= 0; --i) {
        if (d.digits[i] == u'9') {
            d.digits[i] = u'0';
            continue;
        }
        d.digits[i] = QChar(d.digits[i].unicode() + 1);
        break;
    }
    // The leading digit: drop it when it stayed 0.
    if (d.digits.startsWith(u'0')) {
        d.digits.remove(0, 1);
        --d.exponent;
    }
}

}  // namespace

QString NumberText(double value, int places, int significant) {
    if (std::isnan(value)) return QStringLiteral("NaN");
    if (std::isinf(value)) return value > 0 ? texts::numerics::kInfinity : u'-' + texts::numerics::kInfinity;
    significant = std::clamp(significant, 1, 17);
    places = std::clamp(places, 0, 28);
    if (value == 0) return QStringLiteral("0");
    const QString sign = value < 0 ? QStringLiteral("-") : QString();
    Digits d = digitsOf(value, significant);
    if (d.exponent >= 15) {
        QString mantissa = d.digits;
        while (mantissa.size() > 1 && mantissa.endsWith(u'0')) mantissa.chop(1);
        if (mantissa.size() > 1) mantissa.insert(1, u'.');
        return sign + mantissa + QStringLiteral("E+") + QString::number(d.exponent);
    }
    // Digits before the point: exponent + 1; the places allow exponent + 1 + places in all.
    roundDigits(d, std::max(0, d.exponent + 1 + places));
    if (d.digits.isEmpty() || d.digits.count(u'0') == d.digits.size()) return QStringLiteral("0");
    QString integer, fraction;
    if (d.exponent >= 0) {
        const qsizetype whole = d.exponent + 1;
        integer = d.digits.left(whole);
        if (integer.size() < whole) integer += QString(whole - integer.size(), u'0');
        fraction = d.digits.mid(whole);
    } else {
        integer = QStringLiteral("0");
        fraction = QString(-d.exponent - 1, u'0') + d.digits;
    }
    while (fraction.endsWith(u'0')) fraction.chop(1);
    return sign + integer + (fraction.isEmpty() ? QString() : u'.' + fraction);
}

QString ConditionText(double condition) {
    if (!std::isfinite(condition)) return texts::numerics::kInfinity;
    if (condition < 1e6) return NumberText(condition, 2, 3);
    const QString e = QString::number(condition, 'e', 2);  // d.dde+XX
    const qsizetype mark = e.indexOf(u'e');
    return e.left(mark) + QStringLiteral("E+") + QString::number(e.mid(mark + 1).toInt());
}

int DigitsAfterCondition(double condition, int significant) {
    if (!std::isfinite(condition)) return 1;
    const int lost = condition > 1 ? int(std::ceil(std::log10(condition))) : 0;
    return std::clamp(significant - lost, 1, significant);
}

}  // namespace cesuan
