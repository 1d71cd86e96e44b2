#include "geodesy/bearing.h"

#include "angles/angle_units.h"
#include "engine/arithmetic.h"
#include "engine/power.h"
#include "engine/rounding.h"
#include "engine/trig.h"

#include <cmath>

namespace cesuan {

namespace {

CalcValue orZero(const CalcValue& v) { return v.isEmpty() ? CalcValue(0) : v; }

// -1, 0 or 1; 0 also for a value that is no number.
int signOf(const CalcValue& v) {
    if (v.isDecimal()) return v.decimal().isZero() ? 0 : (v.decimal().isNegative() ? -1 : 1);
    const std::optional<double> d = v.toDouble();
    if (!d) return 0;
    return (*d > 0) - (*d < 0);
}

CalcValue absOf(CalcErrorJournal& journal, const CalcValue& v) {
    if (v.isDecimal()) return v.decimal().abs();
    if (v.isDouble()) return std::fabs(v.doubleValue());
    if (v.isEmpty()) return v;
    return absOf(journal, ToCalcValue(journal, v));
}

// The arctangent in double precision; empty for an empty value.
CalcValue arctan(const CalcValue& v) {
    const std::optional<double> d = v.toDouble();
    if (!d) return CalcValue();
    return std::atan(*d);
}

CalcValue degreesOf(CalcErrorJournal& journal, const CalcValue& radians) {
    return RoundHalfUp(journal, MultiplyTwo(journal, radians, CalcValue(kDegreesPerRadianText)), 6);
}

}  // namespace

bool MeasureBearing(CalcErrorJournal& journal, const SurveyPoint& origin, const SurveyPoint& point, BearingResult& result) {
    const CalcValue dX = SubtractTwo(journal, orZero(point.x), orZero(origin.x));
    const CalcValue dY = SubtractTwo(journal, orZero(point.y), orZero(origin.y));
    const CalcValue dH = SubtractTwo(journal, orZero(point.h), orZero(origin.h));
    if (dX.isEmpty() || dY.isEmpty() || dH.isEmpty()) return false;

    // Horizontal distance.
    const CalcValue distance = absOf(journal, SquareRoot(journal, AddTwo(journal, MultiplyTwo(journal, dY, dY), MultiplyTwo(journal, dX, dX))));
    if (distance.isEmpty()) return false;

    // Azimuth: the acute angle to the X axis, then by quadrant.
    const int sx = signOf(dX);
    const int sy = signOf(dY);
    const CalcValue g = sx == 0 ? CalcValue(QStringLiteral("0.0000000001")) : dX;
    const CalcValue acute = absOf(journal, degreesOf(journal, arctan(DivideTwo(journal, dY, g))));
    CalcValue angle;
    if (sx == 0) {
        angle = sy == 0 ? 0 : (sy > 0 ? 90 : 270);
    } else if (sy == 0) {
        angle = sx > 0 ? 0 : 180;
    } else if (sx > 0) {
        angle = sy > 0 ? acute : SubtractTwo(journal, 360, acute);
    } else {
        angle = sy > 0 ? SubtractTwo(journal, 180, acute) : AddTwo(journal, 180, acute);
    }
    if (angle.isEmpty()) return false;

    // Slope distance, from the unrounded horizontal distance.
    const CalcValue slope = absOf(journal, SquareRoot(journal, AddTwo(journal, MultiplyTwo(journal, dH, dH), MultiplyTwo(journal, distance, distance))));
    if (slope.isEmpty()) return false;

    // Vertical angle, above the horizontal positive.
    CalcValue vertical = 0;
    const int sh = signOf(dH);
    if (sh != 0) {
        if (signOf(distance) == 0) {
            const CalcValue halfPi(kHalfPiText);
            vertical = sh > 0 ? halfPi : SubtractTwo(journal, 0, halfPi);
        } else {
            vertical = arctan(DivideTwo(journal, dH, distance));
        }
    }
    const CalcValue verticalDegrees = degreesOf(journal, vertical);
    if (verticalDegrees.isEmpty()) return false;

    const CalcValue shown[4] = {RoundHalfUp(journal, distance, 3), RoundHalfUp(journal, DecimalDegreeToDms(journal, angle), 6),
                                RoundHalfUp(journal, slope, 3), RoundHalfUp(journal, DecimalDegreeToDms(journal, verticalDegrees), 6)};
    for (const CalcValue& v : shown)
        if (v.isEmpty()) return false;
    result = {shown[0].trimmedText(), shown[1].trimmedText(), shown[2].trimmedText(), shown[3].trimmedText()};
    return true;
}

}  // namespace cesuan
