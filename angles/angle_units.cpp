#include "angles/angle_units.h"

#include "angles/angle_texts.h"
#include "engine/journal.h"
#include "engine/rounding.h"
#include "engine/trig.h"

#include <optional>

namespace cesuan {
namespace {

using OptDecimal = std::optional<Decimal96>;

OptDecimal decimalOf(const QString& text) { return Decimal96::fromText(text); }
OptDecimal decimalOf(const CalcValue& value) { return value.toDecimal(); }

Decimal96 radiansPerDegree() {
    static const Decimal96 value = *Decimal96::fromText(kRadiansPerDegreeText);
    return value;
}

QString withoutBlanks(QString text) { return text.remove(u' '); }

// A value written in exponent form (a double outside the decimal range) counts as angle 0.
bool inExponentForm(const CalcValue& v) { return CountExponentMarks(v) > 0; }

// Whole multiples of 90 degrees go to 0, π/2, π or 3π/2 exactly (the angle taken modulo
// 360 degrees into 0 .. 270, negative multiples too), so that sine and cosine of a right
// angle come out exact and tan and sec meet their poles: the product with
// RadiansPerDegree misses π/2 in the 28th place, and -π/2 plus the decimal 2π misses 3π/2.
OptDecimal rightAngleMultiple(Decimal96 degrees) {
    uint128 unit = 1;
    for (int i = 0; i < degrees.scale(); ++i) unit *= 10;
    if (degrees.coefficient() % unit != 0) return std::nullopt;
    const uint128 whole = degrees.coefficient() / unit;
    if (whole % 90 != 0) return std::nullopt;
    int quarter = int((whole / 90) % 4);
    if (degrees.isNegative()) quarter = (4 - quarter) % 4;
    const QString* constant = nullptr;
    switch (quarter) {
    case 0: return Decimal96(0);
    case 1: constant = &kHalfPiText; break;
    case 2: constant = &kPiText; break;
    default: constant = &kThreeHalvesPiText; break;
    }
    return *Decimal96::fromText(*constant);
}

// D.MMSSss in the text form t of v to decimal degrees; the sign is taken from x. Empty when
// a decimal step fails.
std::optional<CalcValue> dmsToDegrees(CalcErrorJournal& journal, const CalcValue& x, const CalcValue& v) {
    const QString t = v.text();
    const qsizetype point = t.indexOf(u'.');
    if (point < 0) return v;  // whole degrees

    QString deg = t.left(point);
    if (withoutBlanks(deg).isEmpty() || deg == u"-") deg = QStringLiteral("0");  // "-0" stays
    QString fraction = t.mid(point);  // with the point
    if (fraction.size() < 6) fraction += QStringLiteral("0000000");
    const QString minutesText = fraction.mid(1, 2);
    QString secondsText = fraction.mid(3);
    if (secondsText.size() > 2) secondsText = secondsText.left(2) + u'.' + secondsText.mid(2);

    const OptDecimal seconds = decimalOf(secondsText);
    if (!seconds) return std::nullopt;
    if (*seconds > Decimal96(60)) {
        AddNotice(journal, texts::msgSecondsAbove60(t));
        secondsText = QStringLiteral("60");
    }

    const OptDecimal minutes = decimalOf(minutesText);
    const OptDecimal secondsTaken = decimalOf(secondsText);
    if (!minutes || !secondsTaken) return std::nullopt;
    const OptDecimal secondsInMinutes = divide(*secondsTaken, 60);
    if (!secondsInMinutes) return std::nullopt;
    OptDecimal m = add(*minutes, *secondsInMinutes);
    if (!m) return std::nullopt;
    if (*m > Decimal96(60)) {
        AddNotice(journal, texts::msgMinutesAbove60(t));
        m = Decimal96(60);
    }
    const OptDecimal frac = divide(*m, 60);

    // The sign belongs to the whole angle: -0.3 is negative though its degrees are -0.
    const OptDecimal signSource = decimalOf(RoundHalfUp(journal, x, 28));
    const OptDecimal degrees = decimalOf(deg);
    if (!frac || !signSource || !degrees) return std::nullopt;
    const OptDecimal result =
        *signSource >= Decimal96(0) ? add(*degrees, *frac) : subtract(*degrees, *frac);
    if (!result) return std::nullopt;
    return CalcValue(*result);
}

// Decimal degrees in the text form of v to D.MMSSss, seconds rounded to 24 places. Empty
// when a decimal step fails.
std::optional<CalcValue> degreesToDms(CalcErrorJournal& journal, const CalcValue& v) {
    const QString t = v.text();
    const qsizetype point = t.indexOf(u'.');
    if (point < 0) return v;  // whole degrees are the same in both units

    QString deg = IntegerPartText(journal, v);
    const OptDecimal fraction = decimalOf(t.mid(point));  // never negative
    if (!fraction) return std::nullopt;
    const OptDecimal allMinutes = multiply(*fraction, 60);
    if (!allMinutes) return std::nullopt;

    QString mm = withoutBlanks(IntegerPartText(journal, *allMinutes));
    if (mm.size() == 1) mm.prepend(u'0');
    if (mm.isEmpty() || decimalOf(mm).value_or(Decimal96(1)).isZero()) mm = QStringLiteral("00");

    const OptDecimal wholeMinutes = decimalOf(mm);
    if (!wholeMinutes) return std::nullopt;
    const OptDecimal rest = subtract(*allMinutes, *wholeMinutes);
    const OptDecimal restSeconds = rest ? multiply(*rest, 60) : std::nullopt;
    if (!restSeconds) return std::nullopt;
    const OptDecimal seconds = decimalOf(RoundHalfUp(journal, *restSeconds, 24));
    if (!seconds) return std::nullopt;

    QString ss = withoutBlanks(seconds->toText());
    if (*seconds < Decimal96(10)) ss.prepend(u'0');

    // A carry from the seconds into the minutes, then from the minutes into the degrees.
    if (*seconds == Decimal96(60)) {
        ss = QStringLiteral("00");
        const OptDecimal next = add(*wholeMinutes, 1);
        if (!next) return std::nullopt;
        mm = next->toText();
        if (mm.size() == 1) mm.prepend(u'0');
    }
    const OptDecimal minutes = decimalOf(mm);
    if (!minutes) return std::nullopt;
    if (*minutes == Decimal96(60)) {
        mm = QStringLiteral("00");
        const OptDecimal degrees = decimalOf(deg);
        if (!degrees) return std::nullopt;
        // Away from zero: "0" to "1", "-0" to "-1".
        const OptDecimal moved = deg.startsWith(u'-') ? subtract(*degrees, 1) : add(*degrees, 1);
        if (!moved) return std::nullopt;
        deg = moved->toText();
    }

    ss.remove(u'.');
    const OptDecimal result = decimalOf(deg + u'.' + mm + ss);
    if (!result) return std::nullopt;
    return CalcValue(*result);
}

}  // namespace

CalcValue AngleToRadian(CalcErrorJournal& journal, const CalcValue& x, AngleUnit unit) {
    const CalcValue v = ToCalcValue(journal, x);
    if (inExponentForm(v)) return Decimal96(0);

    OptDecimal degrees;
    switch (unit) {
    case AngleUnit::Radian: {
        const OptDecimal radians = decimalOf(v);
        return radians ? CalcValue(*radians) : CalcValue();
    }
    case AngleUnit::Dms: degrees = decimalOf(DmsToDecimalDegree(journal, v)); break;
    case AngleUnit::DecimalDegree: degrees = decimalOf(v); break;
    }
    if (!degrees) return CalcValue();
    if (const OptDecimal exact = rightAngleMultiple(*degrees)) return *exact;
    const OptDecimal radians = multiply(*degrees, radiansPerDegree());
    return radians ? CalcValue(*radians) : CalcValue();
}

CalcValue DmsToRadian(CalcErrorJournal& journal, const CalcValue& x) {
    const CalcValue v = ToCalcValue(journal, x);
    if (inExponentForm(v)) return Decimal96(0);
    const OptDecimal degrees = decimalOf(DmsToDecimalDegree(journal, v));
    const OptDecimal radians = degrees ? multiply(*degrees, radiansPerDegree()) : std::nullopt;
    if (radians) return *radians;
    LogFailure(journal, texts::msgDmsToRadian(withoutBlanks(x.text())));
    return CalcValue();
}

CalcValue DmsToDecimalDegree(CalcErrorJournal& journal, const CalcValue& x) {
    const CalcValue v = ToCalcValue(journal, x);
    if (inExponentForm(v)) return Decimal96(0);
    if (const std::optional<CalcValue> degrees = dmsToDegrees(journal, x, v)) return *degrees;
    LogFailure(journal, texts::msgDmsToDecimalDegree(withoutBlanks(x.text())));
    return CalcValue();
}

CalcValue DecimalDegreeToDms(CalcErrorJournal& journal, const CalcValue& x) {
    const CalcValue v = ToCalcValue(journal, x);
    if (inExponentForm(v)) return Decimal96(0);
    return degreesToDms(journal, v).value_or(CalcValue());
}

}  // namespace cesuan
