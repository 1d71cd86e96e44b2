#include "geodesy/stereonet.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace cesuan {

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180;

struct Vector3 {
    double e, n, u;  // east, north, up
};

Vector3 lineVector(double trend, double plunge) {
    const double t = trend * kRadiansPerDegree, p = plunge * kRadiansPerDegree;
    return {std::sin(t) * std::cos(p), std::cos(t) * std::cos(p), -std::sin(p)};
}

// The equal-area point of a unit vector: its horizontal part over √(1 − u), taken downward.
NetPoint project(Vector3 v) {
    if (v.u > 0) v = {-v.e, -v.n, -v.u};
    const double scale = 1 / std::sqrt(1 - v.u);
    return {v.e * scale, v.n * scale};
}

}  // namespace

NetPoint ProjectLine(double trend, double plunge) { return project(lineVector(trend, plunge)); }

bool LineOfNetPoint(NetPoint point, LineDirection& line) {
    const double rho2 = point.h * point.h + point.v * point.v;
    if (!(rho2 <= 1 + 1e-12)) return false;
    const double up = std::min(rho2, 1.0) - 1;  // ρ = √(1 + u)
    line.plunge = std::asin(-up) / kRadiansPerDegree;
    double trend = rho2 > 0 ? std::atan2(point.h, point.v) / kRadiansPerDegree : 0;
    if (trend < 0) trend += 360;
    line.trend = trend;
    return true;
}

LineDirection PoleOfPlane(double dipDirection, double dip) {
    return {std::fmod(dipDirection + 180, 360), 90 - dip};
}

LineDirection DipLineOfPlane(double dipDirection, double dip) { return {dipDirection, dip}; }

std::vector<NetPoint> GreatCircle(double dipDirection, double dip, int segments) {
    segments = std::max(segments, 2);
    const Vector3 strike = lineVector(dipDirection - 90, 0);
    const Vector3 down = lineVector(dipDirection, dip);
    std::vector<NetPoint> points;
    points.reserve(std::size_t(segments) + 1);
    for (int i = 0; i <= segments; ++i) {
        const double a = std::numbers::pi * i / segments;
        const double c = std::cos(a), s = std::sin(a);
        points.push_back(project({c * strike.e + s * down.e, c * strike.n + s * down.n, c * strike.u + s * down.u}));
    }
    return points;
}

std::vector<NetPoint> SmallCircleAboutNorthSouth(double cone, int segments) {
    segments = std::max(segments, 2);
    const double k = cone * kRadiansPerDegree;
    std::vector<NetPoint> points;
    points.reserve(std::size_t(segments) + 1);
    // The lines at the angle `cone` from north turn about the north–south axis from the west
    // horizontal, through straight down, to the east horizontal.
    for (int i = 0; i <= segments; ++i) {
        const double phi = std::numbers::pi * (1 + double(i) / segments);
        points.push_back(project({std::sin(k) * std::cos(phi), std::cos(k), -std::fabs(std::sin(k) * std::sin(phi))}));
    }
    return points;
}

std::vector<std::vector<NetPoint>> SchmidtGrid(double step) {
    std::vector<std::vector<NetPoint>> grid;
    if (!(step > 0 && step < 90)) return grid;
    for (double dip = step; dip < 90 - 1e-9; dip += step) {
        grid.push_back(GreatCircle(90, dip));
        grid.push_back(GreatCircle(270, dip));
    }
    grid.push_back(GreatCircle(90, 90));  // the north–south diameter
    for (double cone = step; cone < 180 - 1e-9; cone += step) grid.push_back(SmallCircleAboutNorthSouth(cone));
    return grid;
}

}  // namespace cesuan
