#include "geodesy/area.h"

#include "geodesy/survey_values.h"

#include "../support/journal_fixture.h"

namespace cesuan {
namespace {

std::vector<SurveyPoint> Outline(std::initializer_list<std::pair<const char16_t*, const char16_t*>> corners) {
    std::vector<SurveyPoint> points;
    for (const auto& [x, y] : corners) points.push_back({QString::number(points.size() + 1), q(x), q(y), {}, {}});
    return points;
}

struct Shape {
    const char* name;
    std::vector<SurveyPoint> points;
    int count;
    const char16_t *perimeter, *squareMetres, *mu, *hectares;
    bool clockwise, selfIntersecting;
};

// Exact areas; X is north and Y east, so going north, then east, then back is clockwise.
TEST(ParcelArea, ShapesWithExactAreas) {
    const Shape shapes[] = {
        {"square, clockwise", Outline({{u"0", u"0"}, {u"10", u"0"}, {u"10", u"10"}, {u"0", u"10"}}), 4, u"40.000",
         u"100.000", u"0.1500", u"0.010000", true, false},
        {"square, counterclockwise", Outline({{u"0", u"0"}, {u"0", u"10"}, {u"10", u"10"}, {u"10", u"0"}}), 4,
         u"40.000", u"100.000", u"0.1500", u"0.010000", false, false},
        {"closed by its first point", Outline({{u"0", u"0"}, {u"10", u"0"}, {u"10", u"10"}, {u"0", u"10"}, {u"0.000", u"0"}}),
         4, u"40.000", u"100.000", u"0.1500", u"0.010000", true, false},
        {"3-4-5 triangle", Outline({{u"0", u"0"}, {u"0", u"4"}, {u"3", u"0"}}), 3, u"12.000", u"6.000", u"0.0090",
         u"0.000600", false, false},
        {"L-shape", Outline({{u"0", u"0"}, {u"20", u"0"}, {u"20", u"10"}, {u"10", u"10"}, {u"10", u"20"}, {u"0", u"20"}}),
         6, u"80.000", u"300.000", u"0.4500", u"0.030000", true, false},
        {"a mu and a half", Outline({{u"3000", u"5000"}, {u"3040", u"5000"}, {u"3040", u"5025"}, {u"3000", u"5025"}}), 4,
         u"130.000", u"1000.000", u"1.5000", u"0.100000", true, false},
        // Survey coordinates with the zone number: the decimals stay exact.
        {"rectangle far from the origin",
         Outline({{u"4395879.562", u"40400348.322"}, {u"4395879.562", u"40400355.111"}, {u"4395891.907", u"40400355.111"},
                  {u"4395891.907", u"40400348.322"}}),
         4, u"38.268", u"83.810", u"0.1257", u"0.008381", false, false},
        // The crossing sides cut it into triangles of 100 and 50 ㎡ turning opposite ways.
        {"bow-tie", Outline({{u"0", u"0"}, {u"10", u"10"}, {u"10", u"0"}, {u"0", u"20"}}), 4, u"66.503", u"50.000",
         u"0.0750", u"0.005000", true, true},
        {"corner on a side", Outline({{u"0", u"0"}, {u"10", u"0"}, {u"10", u"10"}, {u"5", u"0"}}), 4, u"36.180",
         u"25.000", u"0.0375", u"0.002500", true, true},
        {"pentagram",
         Outline({{u"0", u"10"}, {u"6", u"-8"}, {u"-10", u"3"}, {u"10", u"3"}, {u"-6", u"-8"}}), 5, u"96.780",
         u"152.000", u"0.2280", u"0.015200", false, true},
    };
    for (const Shape& s : shapes) {
        SCOPED_TRACE(s.name);
        ParcelArea r;
        ASSERT_EQ(MeasureParcel(s.points, r), AreaProblem::None);
        EXPECT_EQ(r.points, s.count);
        EXPECT_EQ(FixedPlaces(r.perimeter, 3), q(s.perimeter));
        EXPECT_EQ(FixedPlaces(r.area, 3), q(s.squareMetres));
        EXPECT_EQ(FixedPlaces(r.areaMu, 4), q(s.mu));
        EXPECT_EQ(FixedPlaces(r.areaHectares, 6), q(s.hectares));
        EXPECT_EQ(r.clockwise, s.clockwise);
        EXPECT_EQ(r.selfIntersecting, s.selfIntersecting);
    }
}

TEST(ParcelArea, OutlinesWithoutAnArea) {
    ParcelArea r;
    EXPECT_EQ(MeasureParcel(Outline({{u"0", u"0"}, {u"1", u"1"}}), r), AreaProblem::TooFewPoints);
    EXPECT_EQ(r.points, 2);
    // A, B, A: the closing repeat leaves two corners.
    EXPECT_EQ(MeasureParcel(Outline({{u"0", u"0"}, {u"1", u"1"}, {u"0", u"0"}}), r), AreaProblem::TooFewPoints);
    EXPECT_EQ(MeasureParcel({}, r), AreaProblem::TooFewPoints);
    // On one line the outline runs back over itself.
    EXPECT_EQ(MeasureParcel(Outline({{u"0", u"0"}, {u"1", u"1"}, {u"2", u"2"}}), r), AreaProblem::ZeroArea);
    EXPECT_TRUE(r.selfIntersecting);
}

// A bow-tie of two equal triangles, +50 and -50: a crossing outline whose area is the absolute
// sum, 0, still measured; a sum of 0 counts as counterclockwise.
TEST(ParcelArea, CancellingBowTieIsMeasured) {
    ParcelArea r;
    EXPECT_EQ(MeasureParcel(Outline({{u"0", u"0"}, {u"10", u"10"}, {u"10", u"0"}, {u"0", u"10"}}), r), AreaProblem::None);
    EXPECT_TRUE(r.selfIntersecting);
    EXPECT_EQ(r.area.toDouble().value_or(-1), 0.0);
    EXPECT_FALSE(r.clockwise);
    EXPECT_EQ(r.points, 4);
    // The two long sides cross at the middle.
    EXPECT_DOUBLE_EQ(r.crossing.first, 5);
    EXPECT_DOUBLE_EQ(r.crossing.second, 5);
}

// Repeated neighbouring corners are no crossing; a side that turns straight back is.
TEST(ParcelArea, SelfIntersectionOfOutlines) {
    using C = std::vector<std::pair<double, double>>;
    EXPECT_FALSE(OutlineSelfIntersects(C{{0, 0}, {10, 0}, {10, 0}, {10, 10}, {0, 10}}));
    EXPECT_FALSE(OutlineSelfIntersects(C{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}}));
    EXPECT_TRUE(OutlineSelfIntersects(C{{0, 0}, {10, 0}, {10, 10}, {10, 5}, {0, 10}}));  // spike back along a side
    EXPECT_TRUE(OutlineSelfIntersects(C{{0, 0}, {10, 0}, {5, 5}, {10, 10}, {0, 10}, {5, 5}}));  // two corners at one place
    // A comb of 200 teeth: long, concave, and simple.
    C comb;
    for (int i = 0; i < 200; ++i) comb.insert(comb.end(), {{0, 2.0 * i}, {100, 2.0 * i}, {100, 2.0 * i + 1}, {0, 2.0 * i + 1}});
    comb.push_back({-1, 399});
    comb.push_back({-1, 0});
    EXPECT_FALSE(OutlineSelfIntersects(comb));
    comb.push_back({50, 200});  // the last two sides now cut through the teeth
    EXPECT_TRUE(OutlineSelfIntersects(comb));
}

}  // namespace
}  // namespace cesuan
