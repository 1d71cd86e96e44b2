// The projections' fast paths and the public routines of geodesy/projection.h. The usual
// point takes one inline pass (its angles from their digits straight to radians, the zone
// with its meridian's radians from the recent answers of this thread, the results rounded in
// double or integer arithmetic where that settles them); anything else goes the general way
// of geodesy/gauss_kruger.h with the integer paths of geodesy/dms_digits.h.

#include "geodesy/projection.h"

#include "engine/number_text.h"
#include "geodesy/dms_digits.h"
#include "geodesy/gauss_kruger.h"
#include "geodesy/geodesy_texts.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

namespace cesuan {
namespace {

using namespace dms_digits;
using namespace gauss_kruger;

// The integer paths as the general projections' arithmetic. A zone comes from the recent
// answers of the calling thread: the same width and the same d (bit for bit) give the same
// numbers; a few dozen are kept, placed by a multiplicative hash of the bits of d (whose low
// bits are zero for the usual meridians: their top ones pick the slot).
struct FastArithmetic {
    static double round(double v, int places) { return roundFast(v, places); }
    static double dmsToDegrees(double v) { return dmsToDegreesFast(v); }
    static double degreesToRadians(double v) { return degreesToRadiansFast(v); }
    static double dmsOutput(double degrees, bool prefixed, bool negative) {
        return dmsOutputFast(degrees, prefixed, negative);
    }
    static const Zone& zone(ZoneWidth w, double d) {
        struct Recent {
            ZoneWidth w;
            std::uint64_t d;
            Zone zone;
        };
        thread_local std::array<std::optional<Recent>, 64> recent;
        const std::uint64_t bits = std::bit_cast<std::uint64_t>(d);
        std::optional<Recent>& slot = recent[std::size_t((bits * 0x9E3779B97F4A7C15) >> 58)];
        if (!slot || slot->w != w || slot->d != bits) slot = Recent{w, bits, zoneOf<FastArithmetic>(w, d)};
        return slot->zone;
    }
};

// Dekker's exact product: a b = high + low.
struct ExactProduct {
    double high, low;
};
inline ExactProduct exactProduct(double a, double b) {
    const double ca = kSplitter * a, cb = kSplitter * b;
    const double aHigh = ca - (ca - a), bHigh = cb - (cb - b);
    const double aLow = a - aHigh, bLow = b - bHigh;
    const double high = a * b;
    return {high, ((aHigh * bHigh - high) + aHigh * bLow + aLow * bHigh) + aLow * bLow};
}

// std::pow(v, 1.5) for 0.99 <= v <= 1 - 2^-20, given r = std::sqrt(v), where the exact value
// leaves no doubt. The power lies in [0.97, 1), where a unit in the last place is 2^-53. It is
// estimated as v (r + (v - r²) / 2r): v - r² is exact for a correctly rounded root, v r is
// Dekker's exact product, and 1/r taken as 2 - r (r is within 0.006 of 1) leaves the
// estimate within 2^-16 of a unit of the power. glibc's pow documents its worst case as 0.54
// of a unit: 0.509 (0.511 without FMA) from its exp step, and the rest from the relative
// error of its log step, at most 1.5 2^-68, carried through y log x, which reaches 1024 ln 2
// near overflow. Here |y log x| = |1.5 log v| < 0.016, so that rest is below 10^-6 of a unit
// and pow lies within 0.512 of a unit of the exact power. So where the estimate lies more
// than 1/32 of a unit from a midpoint between two doubles, the power lies more than 0.031
// from it, pow can only give the nearest double, and that is the estimate's nearest. Nearer a
// midpoint, and outside the range, pow itself.
inline double threeHalvesPower(double v, double r) {
    if (!(v >= 0.99 && v <= 1 - 0x1p-20)) return std::pow(v, 1.5);
    // v - r² exactly: r split into 26 and 27 bits makes each of the three products exact,
    // and each subtraction has an exact result (the first two by Sterbenz's lemma, the last
    // is v - r² itself). Ordered for a short chain after the root.
    const double split = kSplitter * r;
    const double rHigh = split - (split - r);
    const double rLow = r - rHigh;
    const double residual = ((v - rHigh * rHigh) - (rHigh + rHigh) * rLow) - rLow * rLow;
    const double vHalfInverse = v * (0.5 * (2 - r));  // v / 2r, to a relative 0.00003
    const ExactProduct product = exactProduct(v, r);
    const double low = product.low + vHalfInverse * residual;
    const double nearest = product.high + low;
    const double beyond = (product.high - nearest) + low;  // the estimate minus nearest
    constexpr double kHalfUnit = 0x1p-54, kMargin = 0x1p-58;
    if (!(std::abs(std::abs(beyond) - kHalfUnit) > kMargin)) return std::pow(v, 1.5);
    return nearest;
}

// geoToZone<FastArithmetic> for the usual point: both angles taken from their digits to
// radians side by side, the zone with its meridian's radians from the recent answers, and the
// grid coordinates rounded to millimetres in double arithmetic. Anything else (a rejected
// input, a rounding too close to call, a result that is not finite) goes the general way.
GridPoint geoToZoneFast(ZoneWidth w, const EllipsoidConstants& e, double B, double L, double chosenMeridian) {
    const auto general = [&] { return geoToZone<FastArithmetic>(w, e, B, L, chosenMeridian); };
    if (!(B >= -90 && B <= 90 && L >= -180 && L <= 180)) return general();
    const ZoneRule rule = zoneRule(w);
    const double d = std::abs(L - chosenMeridian) > rule.farThreshold ? L : chosenMeridian;
    const Zone& zone = FastArithmetic::zone(w, d);
    const double L0 = zone.L0;

    const double Br = dmsToRadiansFast(B);
    double Ld;
    const double Lr = dmsToRadiansFast(L, Ld);
    double P = zone.number * 1000000;
    P = P >= 0 ? P + e.falseEasting : P - e.falseEasting;

    const auto [X, Y] = gridSeries(e, Br, Lr, zone.L0r, P);
    // GeoRound(·, 3) where its double path settles it (X and Y are then finite). Its units,
    // below 4 10^15 and not from a half, are the nearest integer of the millimetres, which
    // adding and taking away 2^52 gives without a trip through the integers.
    if (!roundedUnits(X, 3) || !roundedUnits(Y, 3) || !std::isfinite(Ld) || !std::isfinite(P)) return general();
    const double xMagnitude = ((std::abs(X) * 1000 + kTwo52) - kTwo52) / 1000;
    const double yMagnitude = ((std::abs(Y) * 1000 + kTwo52) - kTwo52) / 1000;
    GridPoint result;
    result.x = X < 0 ? -xMagnitude : xMagnitude;
    result.y = Y < 0 ? -yMagnitude : yMagnitude;
    result.centralMeridian = L0;
    if (std::abs(Ld - L0) > rule.crossHalfWidth) result.message = texts::msgCrossZone(FormatDouble(L0));
    else if (L0 != chosenMeridian) result.message = texts::msgOtherMeridian(FormatDouble(L0));
    return result;
}

// zoneToGeo<FastArithmetic> for the usual point: an accepted input whose results are finite
// and not on the equator, with the D.MMSS outputs rounded in integers and the power 1.5 from
// the root already taken. A refused input gets its message at once; anything else goes the
// general way.
GeodeticPoint zoneToGeoFast(ZoneWidth w, const EllipsoidConstants& e, double X, double Y) {
    const auto general = [&] { return zoneToGeo<FastArithmetic>(w, e, X, Y); };
    ZoneInput z;
    bool decoded = false;
    if (const QString refused = checkZoneInput(w, e, X, Y, z, decoded); !refused.isEmpty()) {
        GeodeticPoint result;
        if (decoded) result.centralMeridian = z.L0;
        result.message = refused;
        return result;
    }

    // The series of zoneToGeo, the power 1.5 from the root already taken.
    const double Bf = footpointLatitude(e, z.northing);
    const double footpointDegrees = Bf * kDegreesPerRadian;
    if (!std::isfinite(Bf) || footpointDegrees > 90) return general();
    const Footpoint f = footpointOf(Bf);
    // The scales of the outputs' digits, from the footpoint latitude and from the longitude's
    // first term, both long before the results.
    const DmsOutputScale& latitudeScale = dmsOutputScaleFor(footpointDegrees);
    const DmsOutputScale& longitudeScale = dmsOutputScaleFor(z.L0 + z.yc / (e.a * f.c) * kDegreesPerRadian);
    const auto [B, l] = inverseSeries(e, f, z.yc, [](double v, double root) { return threeHalvesPower(v, root); });
    const double latitudeDegrees = B * kDegreesPerRadian;
    const double longitudeDegrees = l * kDegreesPerRadian + z.L0;
    if (B == 0 || !std::isfinite(latitudeDegrees) || !std::isfinite(longitudeDegrees) ||
        std::abs(latitudeDegrees) > 90)
        return general();

    const bool prefixed = w != ZoneWidth::OneAndHalf;
    double latitude, longitude;
    if (!dmsOutputAt(latitudeDegrees, latitudeScale, z.south, latitude))
        latitude = dmsOutputFast(latitudeDegrees, true, z.south);
    if (!dmsOutputAt(longitudeDegrees, longitudeScale, prefixed && z.west, longitude))
        longitude = dmsOutputFast(longitudeDegrees, prefixed, z.west);
    if (!std::isfinite(latitude) || !std::isfinite(longitude)) return general();
    return {latitude, longitude, z.L0, QString()};
}

}  // namespace

GridPoint GeoToZone(ZoneWidth width, const EllipsoidConstants& ellipsoid, double latitude, double longitude,
                    double chosenMeridian) {
    return geoToZoneFast(width, ellipsoid, latitude, longitude, chosenMeridian);
}
GridPoint GeoToZone6(const EllipsoidConstants& ellipsoid, double latitude, double longitude, double chosenMeridian) {
    return geoToZoneFast(ZoneWidth::Six, ellipsoid, latitude, longitude, chosenMeridian);
}
GridPoint GeoToZone3(const EllipsoidConstants& ellipsoid, double latitude, double longitude, double chosenMeridian) {
    return geoToZoneFast(ZoneWidth::Three, ellipsoid, latitude, longitude, chosenMeridian);
}
GridPoint GeoToZone1p5(const EllipsoidConstants& ellipsoid, double latitude, double longitude,
                       double chosenMeridian) {
    return geoToZoneFast(ZoneWidth::OneAndHalf, ellipsoid, latitude, longitude, chosenMeridian);
}

GeodeticPoint ZoneToGeo(ZoneWidth width, const EllipsoidConstants& ellipsoid, double x, double y) {
    return zoneToGeoFast(width, ellipsoid, x, y);
}
GeodeticPoint ZoneToGeo1p5(const EllipsoidConstants& ellipsoid, double x, double y) {
    return zoneToGeoFast(ZoneWidth::OneAndHalf, ellipsoid, x, y);
}
GeodeticPoint ZoneToGeo3(const EllipsoidConstants& ellipsoid, double x, double y) {
    return zoneToGeoFast(ZoneWidth::Three, ellipsoid, x, y);
}
GeodeticPoint ZoneToGeo6(const EllipsoidConstants& ellipsoid, double x, double y) {
    return zoneToGeoFast(ZoneWidth::Six, ellipsoid, x, y);
}

}  // namespace cesuan
