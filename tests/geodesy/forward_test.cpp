#include "geodesy/forward.h"

#include "geodesy/bearing.h"
#include "geodesy/survey_values.h"

#include "../support/journal_fixture.h"

#include <cmath>
#include <random>

namespace cesuan {
namespace {

QStringList Cells(const ForwardPoint& p) {
    QStringList cells = {p.name, FixedPlaces(p.x, 3), FixedPlaces(p.y, 3)};
    if (p.h) cells.append(FixedPlaces(*p.h, 3));
    return cells;
}

TEST(ForwardProblem, RadialFromTheStation) {
    const std::vector<ForwardLine> lines = {
        {q(u"N"), 0, 100, std::nullopt},
        {q(u"E"), 90, 50, std::nullopt},
        {q(u"SW"), 225, 10, std::nullopt},
        {q(u"30分"), 0.3, 1000, std::nullopt},          // 0°30′: 1000·sin 0.5° = 8.7265
        {q(u"仰"), 180, 20, 30.0},                       // slope 20 at +30°: D = 17.3205, dH = +10
        {q(u"俯"), 270, 20, -30.0},                      // at -30°: dH = -10
        {q(u"秒"), 359.595, 100, std::nullopt},          // 10″ west of north: 4.8 mm
    };
    const std::vector<ForwardPoint> points = ForwardPoints({1000, 2000, 50.0}, lines, ForwardMode::Radial);
    ASSERT_EQ(points.size(), lines.size());
    const QStringList expected[] = {
        {q(u"N"), q(u"1100.000"), q(u"2000.000"), q(u"50.000")},
        {q(u"E"), q(u"1000.000"), q(u"2050.000"), q(u"50.000")},
        {q(u"SW"), q(u"992.929"), q(u"1992.929"), q(u"50.000")},
        {q(u"30分"), q(u"1999.962"), q(u"2008.727"), q(u"50.000")},
        {q(u"仰"), q(u"982.679"), q(u"2000.000"), q(u"60.000")},
        {q(u"俯"), q(u"1000.000"), q(u"1982.679"), q(u"40.000")},
        {q(u"秒"), q(u"1100.000"), q(u"1999.995"), q(u"50.000")},
    };
    for (std::size_t i = 0; i < points.size(); ++i) EXPECT_EQ(Cells(points[i]), expected[i]) << i;

    // Without a station height no point has one, a vertical angle or not.
    for (const ForwardPoint& p : ForwardPoints({1000, 2000, std::nullopt}, lines, ForwardMode::Radial))
        EXPECT_FALSE(p.h.has_value()) << p.name.toStdString();
}

// An open traverse: each leg starts where the one before ended, and its height carries on.
TEST(ForwardProblem, ChainedLegs) {
    const std::vector<ForwardLine> legs = {
        {q(u"T1"), 0, 10, std::nullopt},
        {q(u"T2"), 90, 20, 30.0},  // D = 17.3205…, dH = 10
        {q(u"T3"), 180, 10, std::nullopt},
        {q(u"T4"), 270.0, 17.320508075688775, std::nullopt},  // back to the station's X, Y
    };
    const std::vector<ForwardPoint> points = ForwardPoints({0, 0, 5.0}, legs, ForwardMode::Chain);
    ASSERT_EQ(points.size(), 4u);
    EXPECT_EQ(Cells(points[0]), (QStringList{q(u"T1"), q(u"10.000"), q(u"0.000"), q(u"5.000")}));
    EXPECT_EQ(Cells(points[1]), (QStringList{q(u"T2"), q(u"10.000"), q(u"17.321"), q(u"15.000")}));
    EXPECT_EQ(Cells(points[2]), (QStringList{q(u"T3"), q(u"0.000"), q(u"17.321"), q(u"15.000")}));
    EXPECT_EQ(Cells(points[3]), (QStringList{q(u"T4"), q(u"0.000"), q(u"0.000"), q(u"15.000")}));
    // Nothing is rounded between legs: 0.0004 m a leg a thousand times is 0.4 m, not 0.
    const std::vector<ForwardLine> tiny(1000, ForwardLine{q(u"t"), 0, 0.0004, std::nullopt});
    EXPECT_EQ(FixedPlaces(ForwardPoints({0, 0, std::nullopt}, tiny, ForwardMode::Chain).back().x, 3), q(u"0.400"));
}

// The distance and bearing of random points from a station, as the bearing window shows them
// (3 and 6 decimals), staked out again land within the rounding of those figures.
TEST(ForwardProblem, RoundTripWithDistanceAndBearing) {
    std::mt19937 random(20);
    std::uniform_int_distribution<int> millimetres(-1000000, 1000000);  // ±1 km
    const SurveyPoint station{q(u"S"), CalcValue(q(u"4395879.562")), CalcValue(q(u"40400348.322")), CalcValue(0), {}};
    for (int k = 0; k < 500; ++k) {
        const int dx = millimetres(random), dy = millimetres(random);
        const double x = 4395879.562 + dx / 1000.0, y = 40400348.322 + dy / 1000.0;
        const SurveyPoint point{q(u"P"), CalcValue(QString::number(x, 'f', 3)), CalcValue(QString::number(y, 'f', 3)),
                                CalcValue(0), {}};
        CalcErrorJournal journal;
        BearingResult measured;
        ASSERT_TRUE(MeasureBearing(journal, station, point, measured));
        const ForwardLine line{q(u"P"), measured.azimuth.toDouble(), measured.distance.toDouble(), std::nullopt};
        const ForwardPoint p = ForwardPoints({4395879.562, 40400348.322, std::nullopt}, {line}, ForwardMode::Radial)[0];
        // Half a millimetre of the distance, and at most 0.007″ of the azimuth over 1.5 km.
        EXPECT_NEAR(p.x, x, 0.00055) << dx << ' ' << dy;
        EXPECT_NEAR(p.y, y, 0.00055) << dx << ' ' << dy;
    }
}

}  // namespace
}  // namespace cesuan
