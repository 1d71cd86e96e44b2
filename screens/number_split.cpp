#include "screens/number_split.h"

#include "engine/calc_value.h"
#include "engine/number_text.h"
#include "engine/rounding.h"

#include <cstdlib>
#include "screens/number_split_texts.h"

namespace cesuan {

NumberSplit::NumberSplit()
    : integerPart(texts::number_split::kIntegerPart), fractionDigits(texts::number_split::kFractionPart) {}

namespace {

// Beyond this many digits a number is not written out.
constexpr long long kMostDigits = 100000;

}  // namespace

// The number is split on its digits as typed, whatever their count, an exponent written out
// (1E-30 has 30 fractional digits): no digit is lost to a decimal or a double.
void NumberSplit::split() {
    namespace t = texts::number_split;
    const QString typed = TrimBlanks(number);
    failed = false;
    if (typed.isEmpty()) {
        const CalcValue value(number);
        integerPart = IntegerPartText(journal_, value);
        fractionDigits = FractionDigitsText(journal_, value);
        return;
    }
    const std::optional<NumberParts> parts = ParseNumberText(typed);
    if (!parts) {
        integerPart = t::notANumber(typed);
        fractionDigits.clear();
        failed = true;
        return;
    }
    const QString digits = QString::fromLatin1(parts->digits);
    const long long k = digits.size(), e = parts->exponent;
    if (digits.isEmpty()) {  // zero
        integerPart = parts->negative ? QStringLiteral("-0") : QStringLiteral("0");
        fractionDigits = QStringLiteral("0");
        return;
    }
    if (std::llabs(e) + k > kMostDigits) {
        integerPart = t::tooManyDigits(typed);
        fractionDigits.clear();
        failed = true;
        return;
    }
    // value = digits × 10^e
    QString integer, fraction;
    if (e >= 0) {
        integer = digits + QString(qsizetype(e), u'0');
    } else if (k + e > 0) {
        integer = digits.left(qsizetype(k + e));
        fraction = digits.mid(qsizetype(k + e));
    } else {
        fraction = QString(qsizetype(-(k + e)), u'0') + digits;
    }
    integerPart = (parts->negative ? QStringLiteral("-") : QString()) + (integer.isEmpty() ? QStringLiteral("0") : integer);
    fractionDigits = fraction.isEmpty() ? QStringLiteral("0") : fraction;
}

}  // namespace cesuan
