#include "geodesy/stereonet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace cesuan {
namespace {

constexpr double kDeg = std::numbers::pi / 180;

// The unit vector (east, north, up) of a line of the lower hemisphere.
struct Vec {
    double e, n, u;
};
Vec vectorOf(const LineDirection& line) {
    return {std::sin(line.trend * kDeg) * std::cos(line.plunge * kDeg),
            std::cos(line.trend * kDeg) * std::cos(line.plunge * kDeg), -std::sin(line.plunge * kDeg)};
}

TEST(Stereonet, LinesLieAtTheEqualAreaDistance) {
    struct Case {
        double trend, plunge, h, v;
    };
    const double r45 = std::sqrt(2.0) * std::sin(22.5 * kDeg);
    const Case cases[] = {
        {0, 0, 0, 1},    {90, 0, 1, 0},       {180, 0, 0, -1},  {270, 0, -1, 0},
        {123, 90, 0, 0}, {45, 45, r45 * std::sqrt(0.5), r45 * std::sqrt(0.5)},
        {0, -30, 0, -std::sqrt(2.0) * std::sin(30 * kDeg)},  // upward: the opposite line below
    };
    for (const Case& c : cases) {
        const NetPoint p = ProjectLine(c.trend, c.plunge);
        EXPECT_NEAR(p.h, c.h, 1e-15) << c.trend << " " << c.plunge;
        EXPECT_NEAR(p.v, c.v, 1e-15) << c.trend << " " << c.plunge;
    }
    // Going back from the net to the line.
    for (double trend = 5; trend < 360; trend += 37)
        for (double plunge = 0; plunge < 90; plunge += 13) {
            LineDirection line;
            ASSERT_TRUE(LineOfNetPoint(ProjectLine(trend, plunge), line));
            EXPECT_NEAR(line.trend, trend, 1e-9);
            EXPECT_NEAR(line.plunge, plunge, 1e-9);
        }
    LineDirection line;
    EXPECT_FALSE(LineOfNetPoint({0.8, 0.8}, line));
    EXPECT_FALSE(LineOfNetPoint({std::nan(""), 0}, line));
}

// Equal areas: the cone of lines within α of the vertical covers the disc of radius
// √2·sin(α/2), whose area π·2·sin²(α/2) = π(1 − cos α) is the cap's solid angle / 2.
TEST(Stereonet, ConesAboutTheVerticalKeepTheirArea) {
    for (const double alpha : {10.0, 45.0, 80.0}) {
        const NetPoint p = ProjectLine(0, 90 - alpha);
        const double area = std::numbers::pi * (p.h * p.h + p.v * p.v);
        EXPECT_NEAR(area, std::numbers::pi * (1 - std::cos(alpha * kDeg)), 1e-14);
    }
}

TEST(Stereonet, GreatCircleAndPoleOfAPlane) {
    struct Case {
        double dipDirection, dip;
    };
    for (const Case c : {Case{45, 54.7356103172453}, Case{300, 20}, Case{0, 90}, Case{170, 0.5}}) {
        SCOPED_TRACE(c.dipDirection);
        const LineDirection pole = PoleOfPlane(c.dipDirection, c.dip);
        const Vec normal = vectorOf(pole);
        const std::vector<NetPoint> circle = GreatCircle(c.dipDirection, c.dip, 180);
        ASSERT_EQ(circle.size(), 181u);
        double nearest = 2;
        NetPoint deepest;
        for (const NetPoint& p : circle) {
            LineDirection line;
            ASSERT_TRUE(LineOfNetPoint(p, line));
            const Vec v = vectorOf(line);
            EXPECT_NEAR(v.e * normal.e + v.n * normal.n + v.u * normal.u, 0, 1e-12);  // in the plane
            const double distance = std::hypot(p.h, p.v);
            if (distance < nearest) nearest = distance, deepest = p;
        }
        // The ends on the strike line, the point nearest the centre on the dip line.
        EXPECT_NEAR(std::hypot(circle.front().h, circle.front().v), 1, 1e-12);
        EXPECT_NEAR(std::hypot(circle.back().h, circle.back().v), 1, 1e-12);
        const NetPoint dipPoint = ProjectLine(c.dipDirection, c.dip);
        EXPECT_NEAR(deepest.h, dipPoint.h, 1e-12);
        EXPECT_NEAR(deepest.v, dipPoint.v, 1e-12);
        EXPECT_NEAR(pole.plunge, 90 - c.dip, 1e-12);
    }
    EXPECT_NEAR(PoleOfPlane(45, 54.7356).trend, 225, 1e-12);
    EXPECT_NEAR(PoleOfPlane(300, 10).trend, 120, 1e-12);
}

TEST(Stereonet, SchmidtGridOfTenDegrees) {
    const auto grid = SchmidtGrid(10);
    ASSERT_EQ(grid.size(), 8u * 2 + 1 + 17);
    for (const auto& line : grid)
        for (const NetPoint& p : line) EXPECT_LE(std::hypot(p.h, p.v), 1 + 1e-12);
    // A small circle ends on the primitive at its cone's angle from north.
    const auto small = SmallCircleAboutNorthSouth(30);
    EXPECT_NEAR(small.front().h, -0.5, 1e-12);
    EXPECT_NEAR(small.front().v, std::cos(30 * kDeg), 1e-12);
    EXPECT_NEAR(small.back().h, 0.5, 1e-12);
    EXPECT_TRUE(SchmidtGrid(0).empty());
}

}  // namespace
}  // namespace cesuan
