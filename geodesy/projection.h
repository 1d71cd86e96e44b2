#pragma once
// Gauss–Krüger projection of surveyed points between geodetic coordinates and the kilometre
// grid (公里网) of 6-degree, 3-degree and 1.5-degree zones, on a reference ellipsoid
// (geodesy/ellipsoid.h) that each call is given.
//
// Angles travel in the packed degree-minute-second form D.MMSSsss: 39.4125536 is
// 39°41'25.536", 117.5 is 117°50'. North and east are positive. X is the northing from the
// equator in metres; Y is the easting in metres plus the zone prefix: zone number times
// 1,000,000 plus the false easting 500,000 (minus it, for a negative zone number), so zone 20
// writes a point 71,909.407 m east of its central meridian as 20,571,909.407.
//
// The projections compute in double. Two steps go through Decimal96: degrees to radians
// (with π/180 to 28 digits) and the rounding helpers, which work on the 15-significant-digit
// decimal of a double (geodesy/dms.h). The routines keep nothing between calls, never throw
// and show nothing: a result carries its message.

#include "geodesy/dms.h"
#include "geodesy/ellipsoid.h"

#include <QString>

namespace cesuan {

enum class ZoneWidth { Six, Three, OneAndHalf };

// A forward projection's result.
struct GridPoint {
    double x = 0;                // X, m, rounded to 3 decimal places; 0 after a failure
    double y = 0;                // Y with the zone prefix, m, rounded to 3 places; 0 after a failure
    double centralMeridian = 0;  // of the zone projected on (degrees); 0 for a refused input
    QString message;             // "", a note, or an error text
};

// An inverse projection's result.
struct GeodeticPoint {
    double latitude = 0;         // D.MMSS rounded to 8 places; 0 after a refused input or a failure
    double longitude = 0;        // likewise
    double centralMeridian = 0;  // of the zone the prefix names (degrees); 0 for a refused input
    QString message;             // "" or an error text
};

// Forward projection. In: latitude and longitude in D.MMSS (|B| <= 90, |L| <= 180),
// chosenMeridian the central meridian chosen on the screen (decimal degrees). A point within
// 4 (6°), 3 (3°) or 2 (1.5°) of the chosen meridian (compared on the D.MMSS numbers) is
// projected on the zone of that meridian, a point farther away on its own zone. The message is
// "" or one of the notes «……跨带 L0度» (the point lies outside the zone it was projected on)
// and «⊕⊕中央 L0度» (projected on another central meridian than the chosen one), or an error
// text.
GridPoint GeoToZone6(const EllipsoidConstants& ellipsoid, double latitude, double longitude, double chosenMeridian);
GridPoint GeoToZone3(const EllipsoidConstants& ellipsoid, double latitude, double longitude, double chosenMeridian);
GridPoint GeoToZone1p5(const EllipsoidConstants& ellipsoid, double latitude, double longitude,
                       double chosenMeridian);
GridPoint GeoToZone(ZoneWidth width, const EllipsoidConstants& ellipsoid, double latitude, double longitude,
                    double chosenMeridian);

// Inverse projection. In: x = X (northing, m, |X| <= 10002200), y = Y (easting with the zone
// prefix, m); the zone and its central meridian come from the prefix. The message is "" or an
// error text.
GeodeticPoint ZoneToGeo1p5(const EllipsoidConstants& ellipsoid, double x, double y);
GeodeticPoint ZoneToGeo3(const EllipsoidConstants& ellipsoid, double x, double y);
GeodeticPoint ZoneToGeo6(const EllipsoidConstants& ellipsoid, double x, double y);
GeodeticPoint ZoneToGeo(ZoneWidth width, const EllipsoidConstants& ellipsoid, double x, double y);

// The same projections on the step-by-step helpers (textual:: of geodesy/dms.h): the
// reference the routines above are tested against.
namespace textual {
GridPoint GeoToZone(ZoneWidth width, const EllipsoidConstants& ellipsoid, double latitude, double longitude,
                    double chosenMeridian);
GeodeticPoint ZoneToGeo(ZoneWidth width, const EllipsoidConstants& ellipsoid, double x, double y);
}  // namespace textual

}  // namespace cesuan
