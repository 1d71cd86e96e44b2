// Transformation parameters: estimating 7 (and 4) parameters from 1,000 common points, and
// applying 7 parameters per point, CeSuan beside PROJ's proj_trans (+proj=helmert
// +convention=coordinate_frame) on the same points over China; and a list of 1,000,000
// "name, X, Y, Z" lines through the text routine the window and cesuan-cli use.
//
//   BM_Estimate/7, BM_Estimate/4   EstimateTransform on 1,000 common points (time per estimate)
//   BM_Apply/CeSuan                ApplyTransform with the matrix made once (time per point)
//   BM_Apply/PROJ                  proj_trans PJ_FWD (time per point)
//   BM_ApplyText                   ApplyTransformToText on 1,000,000 lines (time per list)

#include "geodesy/helmert.h"

#include <benchmark/benchmark.h>
#include <proj.h>

#include <QString>

#include <numbers>
#include <random>
#include <vector>

namespace {

using namespace cesuan;

const std::vector<double> kSeven = {16.3714, -148.1509, -86.0439, 0.397364, -1.206188, 2.121704, -4.238273};

std::vector<CartesianPoint> pointsOverChina(std::size_t count) {
    std::mt19937 random(20261211);
    std::uniform_real_distribution<double> latitude(18, 54), longitude(73, 136), height(0, 3000);
    std::vector<CartesianPoint> points;
    points.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        points.push_back(GeodeticToCartesian(
            kWgs84, {latitude(random) * std::numbers::pi / 180, longitude(random) * std::numbers::pi / 180, height(random)}));
    return points;
}

void BM_Estimate(benchmark::State& state) {
    const TransformModel model = state.range(0) == 4 ? TransformModel::Four : TransformModel::Seven;
    const TransformParameters known{model, model == TransformModel::Four ? std::vector<double>{-83201.18, 26014.77, 3746.12, 12.65} : kSeven};
    std::mt19937 random(7);
    std::normal_distribution<double> noise(0, 0.01);
    std::vector<CommonPoint> points;
    for (const CartesianPoint& p : pointsOverChina(1000)) {
        CartesianPoint target = ApplyTransform(known, p);
        target.x += noise(random);
        target.y += noise(random);
        target.z += noise(random);
        points.push_back({QStringLiteral("P"), p, target});
    }
    for (auto _ : state) benchmark::DoNotOptimize(EstimateTransform(model, points));
}
BENCHMARK(BM_Estimate)->Arg(7)->Arg(4)->Unit(benchmark::kMicrosecond);

const std::vector<CartesianPoint>& manyPoints() {
    static const std::vector<CartesianPoint> points = pointsOverChina(1'000'000);
    return points;
}

void BM_ApplyCeSuan(benchmark::State& state) {
    const std::vector<CartesianPoint>& points = manyPoints();
    const TransformMatrix matrix = MatrixOf(TransformParameters{TransformModel::Seven, kSeven});
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ApplyTransform(matrix, points[i]));
        if (++i == points.size()) i = 0;
    }
}
BENCHMARK(BM_ApplyCeSuan)->Name("BM_Apply/CeSuan");

void BM_ApplyProj(benchmark::State& state) {
    const std::vector<CartesianPoint>& points = manyPoints();
    PJ_CONTEXT* context = proj_context_create();
    PJ* helmert = proj_create(context,
                              "+proj=helmert +convention=coordinate_frame +x=16.3714 +y=-148.1509 +z=-86.0439 "
                              "+rx=0.397364 +ry=-1.206188 +rz=2.121704 +s=-4.238273");
    std::size_t i = 0;
    for (auto _ : state) {
        const CartesianPoint& p = points[i];
        benchmark::DoNotOptimize(proj_trans(helmert, PJ_FWD, proj_coord(p.x, p.y, p.z, 0)));
        if (++i == points.size()) i = 0;
    }
    proj_destroy(helmert);
    proj_context_destroy(context);
}
BENCHMARK(BM_ApplyProj)->Name("BM_Apply/PROJ");

void BM_ApplyText(benchmark::State& state) {
    QString text;
    text.reserve(60'000'000);
    std::size_t n = 0;
    for (const CartesianPoint& p : manyPoints()) {
        text += QStringLiteral("P") + QString::number(++n) + QStringLiteral(", ") + FixedText(p.x, 4) +
                QStringLiteral(", ") + FixedText(p.y, 4) + QStringLiteral(", ") + FixedText(p.z, 4) + QStringLiteral("\r\n");
    }
    const TransformParameters seven{TransformModel::Seven, kSeven};
    for (auto _ : state) benchmark::DoNotOptimize(ApplyTransformToText(seven, text, std::size_t(state.range(0))));
}
BENCHMARK(BM_ApplyText)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
