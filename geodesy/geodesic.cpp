#include "geodesy/geodesic.h"

#include <GeographicLib/Geodesic.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace cesuan {

namespace {

// An azimuth of GeographicLib (-180°, 180°] in [0°, 360°).
double fullCircle(double azimuth) {
    double a = std::fmod(azimuth, 360.0);
    if (a < 0) a += 360.0;
    return a >= 360.0 ? 0.0 : a;
}

}  // namespace

GeodesicSolver::GeodesicSolver(const EllipsoidConstants& ellipsoid)
    : geodesic_(std::make_unique<GeographicLib::Geodesic>(ellipsoid.a, ellipsoid.f)) {}

GeodesicSolver::~GeodesicSolver() = default;

GeodesicResult GeodesicSolver::inverse(double b1, double l1, double b2, double l2) const {
    double distance = 0, azi1 = 0, azi2 = 0;
    geodesic_->Inverse(b1, l1, b2, l2, distance, azi1, azi2);
    if (distance == 0) return {};
    // azi2 is the direction of travel at the second point; the way back is opposite.
    return {distance, fullCircle(azi1), fullCircle(azi2 + 180.0)};
}

QString AzimuthDmsText(double degrees, int places) {
    if (!std::isfinite(degrees)) return QString();
    places = std::clamp(places, 4, 12);
    const int secondPlaces = places - 4;
    const std::int64_t perSecond = std::int64_t(std::llround(std::pow(10.0, secondPlaces)));
    const std::int64_t perDegree = 3600 * perSecond;
    std::int64_t units = std::llround(fullCircle(degrees) * double(perDegree));
    if (units >= 360 * perDegree) units -= 360 * perDegree;
    const std::int64_t d = units / perDegree;
    const std::int64_t m = units / (60 * perSecond) % 60;
    const std::int64_t s = units % (60 * perSecond);
    return QString::number(d) + u'.' + QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0')) +
           QStringLiteral("%1").arg(s, 2 + secondPlaces, 10, QLatin1Char('0'));
}

}  // namespace cesuan
