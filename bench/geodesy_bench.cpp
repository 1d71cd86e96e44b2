// Gauss–Krüger projection per point: CeSuan's 6-degree routines beside PROJ's proj_trans
// (+proj=tmerc, default algorithm) on the same 1,000,000 points of the Beijing 1954
// ellipsoid over China (latitudes 18..53, longitudes 73..135, the eleven 6-degree zones of
// central meridians 75..135). The points are made before the loops; each iteration converts
// the next point, so the figures are time per point.
//
//   BM_Forward/CeSuan   GeoToZone6 (D.MMSS in, rounded grid coordinates and note out)
//   BM_Forward/PROJ     proj_trans PJ_FWD on the zone's operation (radians in, metres out)
//   BM_Inverse/CeSuan   ZoneToGeo6 on CeSuan's own forward results
//   BM_Inverse/PROJ     proj_trans PJ_INV on PROJ's own forward results

#include "geodesy/projection.h"

#include <benchmark/benchmark.h>
#include <proj.h>

#include <QString>

#include <array>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace {

using namespace cesuan;

constexpr std::size_t kPoints = 1'000'000;
constexpr int kZones = 11;  // central meridians 75, 81, ..., 135

struct Point {
    double latitudeDms, longitudeDms;  // CeSuan's input
    double chosenMeridian;             // the zone's central meridian
    int zone;                          // index into the PROJ operations
    double lambda, phi;                // PROJ's input, radians
    double x, y;                       // CeSuan's forward result
    double projEasting, projNorthing;  // PROJ's forward result
};

// A D.MMSS number with whole degrees, minutes and seconds to 3 places, and its radians.
void makeAngle(int degrees, int minutes, int milliseconds, double& dms, double& radians) {
    char text[32];
    std::snprintf(text, sizeof text, "%d.%02d%05d", degrees, minutes, milliseconds);
    dms = std::strtod(text, nullptr);
    const long double deg = degrees + minutes / 60.0L + milliseconds / 3600000.0L;
    radians = double(deg * 3.14159265358979323846264338327950288L / 180);
}

class Peers {
public:
    Peers() : context_(proj_context_create()) {
        for (int z = 0; z < kZones; ++z) {
            const int meridian = 75 + 6 * z;
            const double easting = ((meridian + 3) / 6) * 1e6 + 500000;
            char definition[200];
            std::snprintf(definition, sizeof definition,
                          "+proj=tmerc +lat_0=0 +lon_0=%d +k=1 +x_0=%.0f +y_0=0 +a=6378245.116 "
                          "+b=6356863.0188",
                          meridian, easting);
            operations_[z] = proj_create(context_, definition);
        }
    }
    ~Peers() {
        for (PJ* p : operations_) proj_destroy(p);
        proj_context_destroy(context_);
    }
    PJ* operation(int zone) const { return operations_[zone]; }

private:
    PJ_CONTEXT* context_;
    std::array<PJ*, kZones> operations_{};
};

const Peers& peers() {
    static const Peers p;
    return p;
}

const std::vector<Point>& points() {
    static const std::vector<Point> all = [] {
        std::mt19937_64 rng(20240612);
        std::uniform_int_distribution<int> latitudeDegrees(18, 52), longitudeDegrees(73, 134),
            minutes(0, 59), milliseconds(0, 59999);
        std::vector<Point> v(kPoints);
        for (Point& p : v) {
            const int longitude = longitudeDegrees(rng);
            p.zone = (longitude - 72) / 6;
            p.chosenMeridian = 75 + 6 * p.zone;
            makeAngle(latitudeDegrees(rng), minutes(rng), milliseconds(rng), p.latitudeDms, p.phi);
            makeAngle(longitude, minutes(rng), milliseconds(rng), p.longitudeDms, p.lambda);
            const GridPoint grid = GeoToZone6(kBeijing1954, p.latitudeDms, p.longitudeDms, p.chosenMeridian);
            p.x = grid.x;
            p.y = grid.y;
            const PJ_COORD c =
                proj_trans(peers().operation(p.zone), PJ_FWD, proj_coord(p.lambda, p.phi, 0, 0));
            p.projEasting = c.xy.x;
            p.projNorthing = c.xy.y;
        }
        return v;
    }();
    return all;
}

void BM_Forward_CeSuan(benchmark::State& state) {
    const std::vector<Point>& v = points();
    std::size_t i = 0;
    for (auto _ : state) {
        const Point& p = v[i];
        GridPoint grid = GeoToZone6(kBeijing1954, p.latitudeDms, p.longitudeDms, p.chosenMeridian);
        benchmark::DoNotOptimize(grid);
        if (++i == kPoints) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Forward_CeSuan)->Name("BM_Forward/CeSuan");

void BM_Forward_Proj(benchmark::State& state) {
    const std::vector<Point>& v = points();
    std::size_t i = 0;
    for (auto _ : state) {
        const Point& p = v[i];
        PJ_COORD c = proj_trans(peers().operation(p.zone), PJ_FWD, proj_coord(p.lambda, p.phi, 0, 0));
        benchmark::DoNotOptimize(c);
        if (++i == kPoints) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Forward_Proj)->Name("BM_Forward/PROJ");

void BM_Inverse_CeSuan(benchmark::State& state) {
    const std::vector<Point>& v = points();
    std::size_t i = 0;
    for (auto _ : state) {
        const Point& p = v[i];
        GeodeticPoint geodetic = ZoneToGeo6(kBeijing1954, p.x, p.y);
        benchmark::DoNotOptimize(geodetic);
        if (++i == kPoints) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Inverse_CeSuan)->Name("BM_Inverse/CeSuan");

void BM_Inverse_Proj(benchmark::State& state) {
    const std::vector<Point>& v = points();
    std::size_t i = 0;
    for (auto _ : state) {
        const Point& p = v[i];
        PJ_COORD c = proj_trans(peers().operation(p.zone), PJ_INV,
                                proj_coord(p.projEasting, p.projNorthing, 0, 0));
        benchmark::DoNotOptimize(c);
        if (++i == kPoints) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Inverse_Proj)->Name("BM_Inverse/PROJ");

}  // namespace

BENCHMARK_MAIN();
