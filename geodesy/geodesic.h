#pragma once
// Geodesics on a reference ellipsoid through GeographicLib's Geodesic: the distance between
// two points given by latitude and longitude, the azimuth at the first towards the second and
// the back azimuth at the second towards the first, both clockwise from north in [0°, 360°).

#include "geodesy/ellipsoid.h"

#include <QString>

#include <memory>

namespace GeographicLib {
class Geodesic;
}

namespace cesuan {

struct GeodesicResult {
    double distance = 0;     // m
    double azimuth1 = 0;     // decimal degrees at the first point, towards the second
    double backAzimuth = 0;  // decimal degrees at the second point, towards the first
};

// The geodesics of one ellipsoid (its a and f); const and safe to share between threads.
class GeodesicSolver {
public:
    explicit GeodesicSolver(const EllipsoidConstants& ellipsoid);
    ~GeodesicSolver();
    GeodesicSolver(const GeodesicSolver&) = delete;
    GeodesicSolver& operator=(const GeodesicSolver&) = delete;

    // Latitudes and longitudes in decimal degrees, |B| <= 90. Two points at one place have
    // distance 0 and both azimuths 0.
    GeodesicResult inverse(double b1, double l1, double b2, double l2) const;

private:
    std::unique_ptr<GeographicLib::Geodesic> geodesic_;
};

// Decimal degrees in [0°, 360°) as D.MMSS with `places` decimals (4 … 12: the seconds keep
// places - 4 of theirs), rounded half away from zero on the seconds; a carry reaching 360°
// gives 0. 45.5 with 8 places is "45.30000000".
QString AzimuthDmsText(double degrees, int places);

}  // namespace cesuan
