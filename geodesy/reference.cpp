// The step-by-step reference path: the D.MMSS and degree helpers on the decimal texts, as
// their descriptions in geodesy/dms.h read (text of the 15-digit decimal, digits cut out,
// Decimal96 arithmetic, number read back from text), and the projections on them. Slow and
// plain: the integer paths of the routines in use are tested against it, value for value.

#include "engine/decimal96.h"
#include "geodesy/dms_digits.h"
#include "geodesy/gauss_kruger.h"

#include <optional>

namespace cesuan {

using namespace dms_digits;


namespace textual {
namespace {

std::optional<QString> decimalText(double v) {
    const std::optional<Decimal96> d = Decimal96::fromDouble(v);
    if (!d) return std::nullopt;
    return d->toText();
}

// The part of a decimal text before the point; "0" when that is empty or a lone "-".
QString integerText(const QString& text, qsizetype point) {
    QString integer = text.left(point);
    if (integer.isEmpty() || integer == u"-") integer = QStringLiteral("0");
    return integer;
}

QString padTwo(QString digits) {
    if (digits.isEmpty()) return QStringLiteral("00");
    if (digits.size() == 1) digits.prepend(u'0');
    return digits;
}

// Degrees one further from zero: whole + 1 for a positive angle, whole - 1 for a negative.
std::optional<QString> stepDegrees(const QString& degreesText, bool negative) {
    const std::optional<Decimal96> whole = Decimal96::fromText(degreesText);
    const std::optional<Decimal96> moved =
        !whole ? std::nullopt : negative ? subtract(*whole, 1) : add(*whole, 1);
    if (!moved) return std::nullopt;
    return moved->toText();
}

}  // namespace

double GeoRound(double value, int places) {
    if (places > 17 || places < 0 || beyondDecimalLimit(value)) return value;
    const std::optional<QString> t = decimalText(value);
    if (!t) return kNaN;
    const qsizetype point = t->indexOf(u'.');
    if (point < 0) return value;
    const QString digits = t->mid(point + 1);
    std::optional<Decimal96> fraction = Decimal96::fromText(QStringLiteral("0.") + digits.left(places));
    if (fraction && digits.size() > places && digits[places] > u'4')
        fraction = add(*fraction, Decimal96::fromParts(1, places, false));
    const std::optional<Decimal96> whole = Decimal96::fromText(integerText(*t, point));
    if (!fraction || !whole) return kNaN;
    const std::optional<Decimal96> result =
        value >= 0 ? add(*whole, *fraction) : subtract(*whole, *fraction);
    return result ? result->toDouble() : kNaN;
}

double GeoDmsToDegrees(double angle) {
    if (beyondDecimalLimit(angle)) return angle;
    const std::optional<QString> t = decimalText(angle);
    if (!t) return kNaN;
    const qsizetype point = t->indexOf(u'.');
    if (point < 0) return angle;
    QString fraction = t->mid(point);  // with the point
    if (fraction.size() < 6) fraction += QStringLiteral("0000000");
    const QString minutesText = fraction.mid(1, 2);
    QString secondsText = fraction.mid(3);
    if (secondsText.size() > 2) secondsText.insert(2, u'.');

    const std::optional<Decimal96> minutes = Decimal96::fromText(minutesText);
    std::optional<Decimal96> seconds = Decimal96::fromText(secondsText);
    const std::optional<Decimal96> whole = Decimal96::fromText(integerText(*t, point));
    if (!minutes || !seconds || !whole) return kNaN;
    if (*seconds > Decimal96(60)) seconds = Decimal96(60);
    const std::optional<Decimal96> secondsInMinutes = divide(*seconds, 60);
    std::optional<Decimal96> m = secondsInMinutes ? add(*minutes, *secondsInMinutes) : std::nullopt;
    if (!m) return kNaN;
    if (*m > Decimal96(60)) m = Decimal96(60);
    const std::optional<Decimal96> degrees = divide(*m, 60);
    if (!degrees) return kNaN;
    const std::optional<Decimal96> result =
        angle >= 0 ? add(*whole, *degrees) : subtract(*whole, *degrees);
    return result ? result->toDouble() : kNaN;
}

double GeoDegreesToRadians(double degrees) {
    if (beyondDecimalLimit(degrees)) return 0;
    const std::optional<Decimal96> d = Decimal96::fromDouble(degrees);
    const std::optional<Decimal96> radians = d ? multiply(*d, radiansPerDegree()) : std::nullopt;
    return radians ? radians->toDouble() : kNaN;
}

double GeoDmsToRadians(double angle) { return GeoDegreesToRadians(GeoDmsToDegrees(angle)); }

double GeoDegreesToDms(double degrees) {
    if (beyondDecimalLimit(degrees)) return degrees;
    const std::optional<QString> t = decimalText(degrees);
    if (!t) return kNaN;
    const qsizetype point = t->indexOf(u'.');
    if (point < 0) return degrees;

    QString degreesText = integerText(*t, point);
    const std::optional<Decimal96> fraction = Decimal96::fromText(t->mid(point));
    const std::optional<Decimal96> allMinutes = fraction ? multiply(*fraction, 60) : std::nullopt;
    if (!allMinutes) return kNaN;
    const QString allMinutesText = allMinutes->toText();
    QString minutesText = padTwo(allMinutesText.left(allMinutesText.indexOf(u'.')));
    const std::optional<Decimal96> wholeMinutes = Decimal96::fromText(minutesText);
    const std::optional<Decimal96> restMinutes =
        wholeMinutes ? subtract(*allMinutes, *wholeMinutes) : std::nullopt;
    const std::optional<Decimal96> restSeconds =
        restMinutes ? multiply(*restMinutes, 60) : std::nullopt;
    if (!restSeconds) return kNaN;

    // The seconds are kept to 15 places, and carry into the minutes only when they are 60 at
    // that precision. (A 60 that a later rounding to fewer places makes is carried by
    // GeoNormaliseDms.)
    const std::optional<QString> secondsKept = decimalText(GeoRound(restSeconds->toDouble(), 15));
    if (!secondsKept) return kNaN;
    QString secondsText = *secondsKept;
    const std::optional<Decimal96> seconds = Decimal96::fromText(secondsText);
    if (!seconds) return kNaN;
    if (*seconds == Decimal96(60)) {
        secondsText = QStringLiteral("00");
        const std::optional<Decimal96> next = add(*wholeMinutes, 1);
        if (!next) return kNaN;
        minutesText = padTwo(next->toText());
    } else {
        if (secondsText.startsWith(u'.')) secondsText.prepend(u'0');
        if (*seconds < Decimal96(10)) secondsText.prepend(u'0');
    }
    if (minutesText == u"60") {
        minutesText = QStringLiteral("00");
        const std::optional<QString> moved = stepDegrees(degreesText, degrees < 0);
        if (!moved) return kNaN;
        degreesText = *moved;
    }
    secondsText.remove(u'.');
    if (degrees < 0 && !degreesText.startsWith(u'-')) degreesText.prepend(u'-');
    return valueOfText(degreesText + u'.' + minutesText + secondsText);
}

double GeoNormaliseDms(double angle) {
    if (beyondDecimalLimit(angle)) return angle;
    const std::optional<QString> t = decimalText(angle);
    if (!t) return kNaN;
    const qsizetype point = t->indexOf(u'.');
    if (point < 0) return angle;

    QString degreesText = integerText(*t, point);
    QString fraction = t->mid(point);
    if (fraction.size() < 6) fraction += QStringLiteral("000000");
    int minutes = fraction.mid(1, 2).toInt();
    int seconds = fraction.mid(3, 2).toInt();
    const QString rest = fraction.mid(5, 12);
    if (seconds >= 60) {
        seconds -= 60;
        ++minutes;
    }
    if (minutes >= 60) {
        minutes -= 60;
        const std::optional<QString> moved = stepDegrees(degreesText, angle < 0);
        if (!moved) return kNaN;
        degreesText = *moved;
    }
    if (angle < 0 && !degreesText.startsWith(u'-')) degreesText.prepend(u'-');
    return valueOfText(degreesText + u'.' + QString::number(minutes).rightJustified(2, u'0') +
                       QString::number(seconds).rightJustified(2, u'0') + rest);
}

}  // namespace textual

namespace {

using namespace gauss_kruger;

struct TextArithmetic {
    static Zone zone(ZoneWidth w, double d) { return zoneOf<TextArithmetic>(w, d); }
    static double round(double v, int places) { return textual::GeoRound(v, places); }
    static double dmsToDegrees(double v) { return textual::GeoDmsToDegrees(v); }
    static double degreesToRadians(double v) { return textual::GeoDegreesToRadians(v); }
    static double dmsOutput(double degrees, bool prefixed, bool negative) {
        const double rounded = textual::GeoRound(textual::GeoDegreesToDms(degrees), 8);
        return textual::GeoNormaliseDms(prefixed ? signedValueText(negative, rounded) : rounded);
    }
};

}  // namespace

namespace textual {
GridPoint GeoToZone(ZoneWidth width, const EllipsoidConstants& ellipsoid, double latitude, double longitude,
                    double chosenMeridian) {
    return geoToZone<TextArithmetic>(width, ellipsoid, latitude, longitude, chosenMeridian);
}
GeodeticPoint ZoneToGeo(ZoneWidth width, const EllipsoidConstants& ellipsoid, double x, double y) {
    return zoneToGeo<TextArithmetic>(width, ellipsoid, x, y);
}
}  // namespace textual

}  // namespace cesuan
