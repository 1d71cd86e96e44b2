#pragma once
// Gauss–Krüger projection of surveyed points between geodetic coordinates and the kilometre
// grid (公里网) of 6-degree, 3-degree and 1.5-degree zones, on four reference ellipsoids.
//
// Angles travel in the packed degree-minute-second form D.MMSSsss: 39.4125536 is
// 39°41'25.536", 117.5 is 117°50'. North and east are positive. X is the northing from the
// equator in metres; Y is the easting in metres plus the zone prefix: zone number times
// 1,000,000 plus the false easting 500,000 (minus it, for a negative zone number), so zone 20
// writes a point 71,909.407 m east of its central meridian as 20,571,909.407.
//
// The projections compute in double. Two steps go through Decimal96: degrees to radians
// (with π/180 to 28 digits) and the rounding helpers, which work on the 15-significant-digit
// decimal of a double. The routines never throw and show nothing: they return a message
// text, empty on success, and on failure set their outputs to 0.

#include <QString>

#include <array>

namespace cesuan {

// One reference ellipsoid with the series coefficients of the projection.
struct EllipsoidConstants {
    double a;           // semi-major axis, m
    double b;           // semi-minor axis, m
    double f;           // flattening (a - b) / a
    double e2;          // first eccentricity squared
    double ep2;         // second eccentricity squared
    double a1e2;        // a (1 - e2), m
    double rectRadius;  // rectifying radius a * arcK, m
    double arcK;        // meridian arc: coefficient of B
    double arcC2;       //               of sin 2B
    double arcC4;       //               of sin 4B
    double arcC6;       //               of sin 6B
    double fp2;         // footpoint latitude: coefficient of sin 2μ
    double fp4;         //                     of sin 4μ
    double fp6;         //                     of sin 6μ
    double falseNorthing = 0;   // m
    double falseEasting = 500000;  // m
    double scale = 1;           // on the central meridian
};

// Beijing 1954 (Krassovsky, with a = 6378245.116 m), Xi'an 1980 (IAG 1975), WGS 84 and
// CGCS2000. The first three rows are the published working constants, used as they stand.
extern const EllipsoidConstants kBeijing1954;
extern const EllipsoidConstants kXian1980;
extern const EllipsoidConstants kWgs84;
extern const EllipsoidConstants kCgcs2000;

// The ellipsoids a screen offers, in its order: code for SetEllipsoid and display name.
struct EllipsoidChoice {
    QString code;  // "BJ", "XA", "WGS", "CGCS"
    QString name;  // as the ellipsoid list shows it and the result headers name it: 北京, 西安, WGS, CGCS2000
};
const std::array<EllipsoidChoice, 4>& EllipsoidChoices();

// The constants every projection uses; SetEllipsoid picks them at the start of each call.
const EllipsoidConstants& currentEllipsoid();
// The central meridian (decimal degrees) of the last projection call.
double& currentCentralMeridian();

// The code without leading and trailing blanks, upper-cased: "XA" Xi'an 1980, "WGS" WGS 84,
// "CGCS" CGCS2000, anything else (normally "BJ") Beijing 1954.
void SetEllipsoid(const QString& code);

// v rounded to `places` (0..17) decimal places, halves away from zero, on the 15-digit
// decimal of v. Returned unchanged: places outside 0..17, |v| > 179769313486232, and a v
// whose 15-digit decimal is whole (so GeoRound(2.0000000000000004, 3) is that double).
double GeoRound(double value, int places);

// D.MMSSsss to decimal degrees, on the 15-digit decimal of the angle. Seconds above 60
// count as 60, and so do minutes (with seconds) above 60. |angle| > 179769313486232 comes
// back unchanged; a NaN stays NaN.
double GeoDmsToDegrees(double angle);
// Decimal degrees to radians: the 15-digit decimal times π/180 to 28 digits; 0 when
// |degrees| > 179769313486232; a NaN stays NaN.
double GeoDegreesToRadians(double degrees);
// GeoDegreesToRadians(GeoDmsToDegrees(angle)).
double GeoDmsToRadians(double angle);

// Decimal degrees to D.MMSSsss, the seconds kept to 15 decimal places (60 carried into the
// minutes, 60 minutes into the degrees). |degrees| > 179769313486232 and whole degrees come
// back unchanged; a NaN stays NaN.
double GeoDegreesToDms(double degrees);
// D.MMSSsss with seconds or minutes of 60 and more carried over: 117.4960 is 117.5,
// 117.6 is 118. Values without a fraction and |angle| > 179769313486232 are unchanged.
double GeoNormaliseDms(double angle);

// Forward projection. In: latitude and longitude in D.MMSS (|B| <= 90, |L| <= 180),
// chosenMeridian the central meridian chosen on the screen (decimal degrees), the ellipsoid
// code. Out: latitude := X, longitude := Y (with the zone prefix), both rounded to 3 decimal
// places; on failure both 0. A point within 4 (6°), 3 (3°) or 2 (1.5°) of the chosen meridian
// (compared on the D.MMSS numbers) is projected on the zone of that meridian, a point farther
// away on its own zone. Returns "" or one of the notes «……跨带 L0度» (the point lies outside
// the zone it was projected on) and «⊕⊕中央 L0度» (projected on another central meridian
// than the chosen one), or an error text.
QString GeoToZone6(double& latitude, double& longitude, double chosenMeridian,
                   const QString& ellipsoidCode);
QString GeoToZone3(double& latitude, double& longitude, double chosenMeridian,
                   const QString& ellipsoidCode);
QString GeoToZone1p5(double& latitude, double& longitude, double chosenMeridian,
                     const QString& ellipsoidCode);

// Inverse projection. In: x = X (northing, m, |X| <= 10002200), y = Y (easting with the zone
// prefix, m), the ellipsoid code; the zone and its central meridian come from the prefix.
// Out: x := latitude, y := longitude, D.MMSS rounded to 8 decimal places; on a rejected input
// or a failure both 0. Returns "" or an error text.
QString ZoneToGeo1p5(double& x, double& y, const QString& ellipsoidCode);
QString ZoneToGeo3(double& x, double& y, const QString& ellipsoidCode);
QString ZoneToGeo6(double& x, double& y, const QString& ellipsoidCode);

// The decimal helpers and the projections computed on the decimal texts, step by step as
// their descriptions above read (text of the 15-digit decimal, digits cut out, Decimal96
// arithmetic, number read back from text). The routines above give the same doubles with
// integer arithmetic on the same decimal digits, and use these where a value lies too close
// to a rounding boundary to decide quickly; the tests compare the two.
namespace textual {
double GeoRound(double value, int places);
double GeoDmsToDegrees(double angle);
double GeoDegreesToRadians(double degrees);
double GeoDmsToRadians(double angle);
double GeoDegreesToDms(double degrees);
double GeoNormaliseDms(double angle);
QString GeoToZone6(double& latitude, double& longitude, double chosenMeridian,
                   const QString& ellipsoidCode);
QString GeoToZone3(double& latitude, double& longitude, double chosenMeridian,
                   const QString& ellipsoidCode);
QString GeoToZone1p5(double& latitude, double& longitude, double chosenMeridian,
                     const QString& ellipsoidCode);
QString ZoneToGeo1p5(double& x, double& y, const QString& ellipsoidCode);
QString ZoneToGeo3(double& x, double& y, const QString& ellipsoidCode);
QString ZoneToGeo6(double& x, double& y, const QString& ellipsoidCode);
}  // namespace textual

}  // namespace cesuan
