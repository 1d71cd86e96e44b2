#pragma once
// Earth-centred Cartesian coordinates (空间直角坐标) on a reference ellipsoid: latitude,
// longitude and ellipsoidal height ↔ X, Y, Z in metres, X towards longitude 0 on the
// equator, Z towards the north pole. The routines compute in double; the inverse iterates on
// the parametric latitude (Bowring) to the last bit, which keeps it exact to far below a
// micrometre for any point within a few hundred kilometres of the ellipsoid and stable at the
// poles and on the equator.
//
// Angles in text travel as D.MMSS (39.4125536 is 39°41'25.536"); the helpers below read and
// write that form digit by digit, so no binary rounding of the packed number moves a second.

#include "geodesy/ellipsoid.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace cesuan {

struct CartesianPoint {
    double x = 0, y = 0, z = 0;  // m
};

struct GeodeticHeight {
    double latitude = 0;   // radians, -π/2..π/2
    double longitude = 0;  // radians, -π..π
    double height = 0;     // above the ellipsoid, m
};

// B, L (radians), H (m) to X, Y, Z.
CartesianPoint GeodeticToCartesian(const EllipsoidConstants& ellipsoid, const GeodeticHeight& point);

// X, Y, Z to B, L, H. On the polar axis the longitude is 0.
GeodeticHeight CartesianToGeodetic(const EllipsoidConstants& ellipsoid, const CartesianPoint& point);

// A D.MMSS text ("39.4125536", "-117.5", "+0.0030001") to radians, read digit by digit:
// degrees, then two digits of minutes, two of seconds and the fraction of the second.
// Nothing for a text that is no such number or whose minutes or seconds exceed 59.
std::optional<double> DmsTextToRadians(QStringView text);

// Radians to the D.MMSS text with `places` decimals (at most 12; 10 give the second to six
// places), rounded half away from zero on the arc second, carries into minutes and degrees:
// 39.4125536000, -117.5000000000.
QString RadiansToDmsText(double radians, int places = 10);

// A value in fixed notation with `places` decimals; a value that shows as zero has no sign.
QString FixedText(double value, int places);
// The same appended to `text`, without a temporary string (long lists).
void AppendFixed(QString& text, double value, int places);

}  // namespace cesuan
