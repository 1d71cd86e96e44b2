// Cartesian coordinates and the 3-, 4- and 7-parameter transformations.
//
// Where the expected values come from: PROJ (+proj=cart on each ellipsoid's a and b, and
// +proj=helmert +convention=coordinate_frame) is the independent check of the conversions
// and of applying parameters; the estimates are checked by making common points with known
// parameters and getting those parameters back, and by planting a blunder.

#include "geodesy/helmert.h"
#include "geodesy/helmert_texts.h"
#include "tests/support/journal_fixture.h"  // PrintTo for QString

#include <gtest/gtest.h>
#include <proj.h>

#include <QString>

#include <cmath>
#include <cstdio>
#include <iostream>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace cesuan;

constexpr double kRadiansPerArcSecond = std::numbers::pi / 648000;

QString u16(const char16_t* text) { return QString::fromUtf16(text); }

struct Proj {
    PJ_CONTEXT* context = proj_context_create();
    PJ* p = nullptr;
    explicit Proj(const std::string& definition) { p = proj_create(context, definition.c_str()); }
    ~Proj() {
        if (p) proj_destroy(p);
        proj_context_destroy(context);
    }
    PJ_COORD forward(double a, double b, double c) const { return proj_trans(p, PJ_FWD, proj_coord(a, b, c, 0)); }
    PJ_COORD inverse(double a, double b, double c) const { return proj_trans(p, PJ_INV, proj_coord(a, b, c, 0)); }
};

std::string number(double v) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", v);
    return text;
}

// Geodetic points over China and a little beyond: latitudes 18..54, longitudes 73..136,
// heights -100..6000 m, and a few at the edges (equator, poles, antimeridian).
std::vector<GeodeticHeight> pointsOverChina(int count, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> latitude(18, 54), longitude(73, 136), height(-100, 6000);
    std::vector<GeodeticHeight> points;
    for (int i = 0; i < count; ++i)
        points.push_back({latitude(random) * std::numbers::pi / 180, longitude(random) * std::numbers::pi / 180,
                          height(random)});
    return points;
}

// ---- Cartesian coordinates ----

TEST(Cartesian, AgreesWithProjOnEveryEllipsoid) {
    std::vector<GeodeticHeight> points = pointsOverChina(2000, 11);
    const double edges[][3] = {{0, 0, 0}, {90, 0, 100}, {-90, 45, -50}, {89.9999, 179.9999, 8848}, {-33.5, -70.25, 500},
                               {0.00001, -179.99999, 20000}};
    for (const auto& e : edges)
        points.push_back({e[0] * std::numbers::pi / 180, e[1] * std::numbers::pi / 180, e[2]});

    for (const EllipsoidChoice& choice : EllipsoidChoices()) {
        SCOPED_TRACE(choice.code.toStdString());
        const EllipsoidConstants& e = EllipsoidOfCode(choice.code);
        const Proj cart("+proj=cart +a=" + number(e.a) + " +b=" + number(e.b));
        ASSERT_NE(cart.p, nullptr);
        double worstXyz = 0, worstAngle = 0, worstHeight = 0;
        for (const GeodeticHeight& g : points) {
            const CartesianPoint c = GeodeticToCartesian(e, g);
            const PJ_COORD want = cart.forward(g.longitude, g.latitude, g.height);
            worstXyz = std::max({worstXyz, std::abs(c.x - want.xyz.x), std::abs(c.y - want.xyz.y),
                                 std::abs(c.z - want.xyz.z)});

            // Back from PROJ's X, Y, Z.
            const GeodeticHeight back = CartesianToGeodetic(e, {want.xyz.x, want.xyz.y, want.xyz.z});
            const PJ_COORD geo = cart.inverse(want.xyz.x, want.xyz.y, want.xyz.z);
            double dL = std::remainder(back.longitude - geo.lpz.lam, 2 * std::numbers::pi);
            if (std::abs(std::abs(g.latitude) - std::numbers::pi / 2) < 1e-12) dL = 0;  // any longitude at a pole
            worstAngle = std::max({worstAngle, std::abs(back.latitude - geo.lpz.phi) / kRadiansPerArcSecond,
                                   std::abs(dL) / kRadiansPerArcSecond * std::cos(g.latitude)});
            worstHeight = std::max(worstHeight, std::abs(back.height - geo.lpz.z));
            // And back to where it started.
            worstAngle = std::max(worstAngle, std::abs(back.latitude - g.latitude) / kRadiansPerArcSecond);
            worstHeight = std::max(worstHeight, std::abs(back.height - g.height));
        }
        std::cout << "[ cartesian " << choice.code.toStdString() << " against PROJ ] XYZ " << worstXyz * 1000
                  << " mm, B/L " << worstAngle << "\", H " << worstHeight * 1000 << " mm\n";
        EXPECT_LE(worstXyz, 0.0001);
        EXPECT_LE(worstAngle, 0.00001);
        EXPECT_LE(worstHeight, 0.0001);
    }
}

TEST(Cartesian, DmsTextsReadAndWriteDigitByDigit) {
    const auto seconds = [](QStringView text) {
        const std::optional<double> r = DmsTextToRadians(text);
        return r ? *r / kRadiansPerArcSecond : std::nan("");
    };
    EXPECT_NEAR(seconds(u"39.4125536"), 39 * 3600 + 41 * 60 + 25.536, 1e-9);
    EXPECT_NEAR(seconds(u" -117.5 "), -(117 * 3600 + 50 * 60), 1e-9);
    EXPECT_NEAR(seconds(u"+0.0000001"), 0.001, 1e-12);
    EXPECT_NEAR(seconds(u"45"), 45 * 3600, 1e-9);
    EXPECT_NEAR(seconds(u".3"), 30 * 60, 1e-9);
    for (const char16_t* bad : {u"", u"-", u".", u"39.6000", u"39.0060", u"1e3", u"abc", u"39.41.25", u"3 9.1"})
        EXPECT_FALSE(DmsTextToRadians(QString::fromUtf16(bad))) << QString::fromUtf16(bad).toStdString();

    const auto radians = [](double seconds) { return seconds * kRadiansPerArcSecond; };
    EXPECT_EQ(RadiansToDmsText(radians(39 * 3600 + 41 * 60 + 25.536)), u"39.4125536000");
    EXPECT_EQ(RadiansToDmsText(radians(-(117 * 3600 + 50 * 60))), u"-117.5000000000");
    EXPECT_EQ(RadiansToDmsText(radians(59.9999999)), u"0.0100000000");  // rounds into the minute
    EXPECT_EQ(RadiansToDmsText(radians(-0.0000001)), u"0.0000000000");  // no sign on zero
    EXPECT_EQ(RadiansToDmsText(radians(3599.99999951)), u"1.0000000000");

    EXPECT_EQ(FixedText(-0.00004, 4), u"0.0000");
    EXPECT_EQ(FixedText(-2.5, 4), u"-2.5000");
    EXPECT_EQ(FixedText(6378245.116, 4), u"6378245.1160");
}

// ---- Transformations ----

// Known parameters in the order of their model's names.
const std::vector<double> kSeven = {-15.4155, 152.7216, 76.4783, 1.723461, -0.915837, 2.361274, -3.851027};
const std::vector<double> kFour = {-83201.1832, 26014.7751, 3746.123456, 12.654321};
const std::vector<double> kThree = {27.1, -135.722, -62.3355};

// Common points of a model made from sources with known parameters (and optional noise, m).
std::vector<CommonPoint> commonPoints(const TransformParameters& p, const std::vector<CartesianPoint>& sources) {
    std::vector<CommonPoint> points;
    for (std::size_t i = 0; i < sources.size(); ++i)
        points.push_back({QStringLiteral("P%1").arg(i + 1), sources[i], ApplyTransform(p, sources[i])});
    return points;
}

std::vector<CartesianPoint> cartesianSources(int count, unsigned seed, double spreadDegrees = 0) {
    std::vector<CartesianPoint> sources;
    std::vector<GeodeticHeight> geodetic = pointsOverChina(count, seed);
    for (GeodeticHeight& g : geodetic) {
        if (spreadDegrees > 0) {  // a city-sized network round 34°N 113°E
            g.latitude = (34 + std::fmod(g.latitude * 1000, spreadDegrees)) * std::numbers::pi / 180;
            g.longitude = (113 + std::fmod(g.longitude * 1000, spreadDegrees)) * std::numbers::pi / 180;
        }
        sources.push_back(GeodeticToCartesian(kWgs84, g));
    }
    return sources;
}

// Gauss–Krüger grid points, x north about 2.5..4.6 million metres, y east with a 3-degree zone
// prefix (39,5xx,xxx m).
std::vector<CartesianPoint> gridSources(int count, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> x(2.5e6, 4.6e6), y(39.38e6, 39.62e6);
    std::vector<CartesianPoint> sources;
    for (int i = 0; i < count; ++i) sources.push_back({x(random), y(random), 0});
    return sources;
}

TEST(Transform, NoiseFreePointsGiveTheirParametersBack) {
    struct Case {
        const char* name;
        TransformModel model;
        const std::vector<double>* values;
        std::vector<CartesianPoint> sources;
    };
    const Case cases[] = {
        {"3 from one point", TransformModel::Three, &kThree, cartesianSources(1, 3)},
        {"3 over China", TransformModel::Three, &kThree, cartesianSources(25, 4)},
        {"4 from two points", TransformModel::Four, &kFour, gridSources(2, 5)},
        {"4 over a zone", TransformModel::Four, &kFour, gridSources(30, 6)},
        {"7 from three points", TransformModel::Seven, &kSeven, cartesianSources(3, 7)},
        {"7 over China", TransformModel::Seven, &kSeven, cartesianSources(40, 8)},
        {"7 over a city", TransformModel::Seven, &kSeven, cartesianSources(12, 9, 0.1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TransformParameters known{c.model, *c.values};
        const TransformEstimate e = EstimateTransform(c.model, commonPoints(known, c.sources));
        ASSERT_TRUE(e.ok()) << e.message.toStdString();
        EXPECT_EQ(e.parameters.model, c.model);
        const QStringList& names = ParameterNames(c.model);
        ASSERT_EQ(e.parameters.values.size(), std::size_t(names.size()));
        for (qsizetype i = 0; i < names.size(); ++i) {
            SCOPED_TRACE(names[i].toStdString());
            // 0.01 mm, 0.000001" and 0.000001 ppm: far inside the printed decimals
            const double tolerance = names[i].startsWith(u'd') ? 1e-5 : 1e-6;
            EXPECT_NEAR(e.parameters.values[std::size_t(i)], (*c.values)[std::size_t(i)], tolerance);
        }
        EXPECT_LT(e.sigma0, 1e-6);
        for (const PointResidual& r : e.residuals) {
            EXPECT_LT(r.length, 1e-6) << r.name.toStdString();
            EXPECT_FALSE(r.flagged);
        }
        const int n = int(c.sources.size());
        EXPECT_EQ(e.redundancy, c.model == TransformModel::Three ? 3 * n - 3 : c.model == TransformModel::Four ? 2 * n - 4 : 3 * n - 7);
        if (e.redundancy == 0) {
            EXPECT_EQ(e.sigma0, 0);
        }
    }
}

TEST(Transform, ApplicationAgreesWithProjHelmert) {
    const struct {
        TransformModel model;
        std::string definition;
        std::vector<double> values;
    } cases[] = {
        {TransformModel::Seven,
         "+proj=helmert +convention=coordinate_frame +x=-15.4155 +y=152.7216 +z=76.4783 +rx=1.723461 +ry=-0.915837 "
         "+rz=2.361274 +s=-3.851027",
         kSeven},
        {TransformModel::Seven,
         "+proj=helmert +convention=coordinate_frame +x=0 +y=0 +z=0 +rx=-12.5 +ry=30.25 +rz=-7.125 +s=25",
         {0, 0, 0, -12.5, 30.25, -7.125, 25}},
        {TransformModel::Three, "+proj=helmert +x=27.1 +y=-135.722 +z=-62.3355", kThree},
    };
    const std::vector<CartesianPoint> points = cartesianSources(5000, 21);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.definition);
        const Proj helmert(c.definition);
        ASSERT_NE(helmert.p, nullptr);
        const TransformMatrix matrix = MatrixOf(TransformParameters{c.model, c.values});
        double worst = 0;
        for (const CartesianPoint& p : points) {
            const CartesianPoint mine = ApplyTransform(matrix, p);
            const PJ_COORD want = helmert.forward(p.x, p.y, p.z);
            worst = std::max({worst, std::abs(mine.x - want.xyz.x), std::abs(mine.y - want.xyz.y),
                              std::abs(mine.z - want.xyz.z)});
        }
        std::cout << "[ helmert against PROJ ] " << worst * 1000 << " mm\n";
        EXPECT_LE(worst, 0.0001);
    }
}

TEST(Transform, PlaneModelTurnsAndScalesAsWritten) {
    // 90 degrees and a scale of 1 + 10 ppm: (100, 0) goes to (dx, dy + 100.001).
    const TransformMatrix m = MatrixOf(TransformParameters{TransformModel::Four, {5, 7, 324000, 10}});
    const CartesianPoint p = ApplyTransform(m, {100, 0, 42});
    EXPECT_NEAR(p.x, 5, 1e-9);
    EXPECT_NEAR(p.y, 107.001, 1e-9);
    EXPECT_EQ(p.z, 42);  // the height is carried
}

TEST(Transform, PlantedBlunderIsFlagged) {
    for (TransformModel model : {TransformModel::Four, TransformModel::Seven}) {
        SCOPED_TRACE(ModelNumber(model));
        const bool plane = model == TransformModel::Four;
        const TransformParameters known{model, plane ? kFour : kSeven};
        std::vector<CommonPoint> points = commonPoints(known, plane ? gridSources(10, 31) : cartesianSources(10, 32, 0.3));
        // Centimetre noise on every point, a 0.5 m blunder on P4.
        std::mt19937 random(33);
        std::normal_distribution<double> noise(0, 0.01);
        for (CommonPoint& p : points) {
            p.target.x += noise(random);
            p.target.y += noise(random);
            if (!plane) p.target.z += noise(random);
        }
        points[3].target.y += 0.5;
        const TransformEstimate e = EstimateTransform(model, points);
        ASSERT_TRUE(e.ok());
        for (const PointResidual& r : e.residuals) EXPECT_EQ(r.flagged, r.name == u"P4") << r.name.toStdString();
        EXPECT_GT(e.residuals[3].length, 3 * e.sigma0);
        EXPECT_LT(e.residuals[3].v.y, -0.3);  // transformed minus target: the target lies too far east
        EXPECT_GT(e.sigma0, 0.05);

        // Without the blunder nothing is flagged and σ0 is about the noise.
        points[3].target.y -= 0.5;
        const TransformEstimate clean = EstimateTransform(model, points);
        for (const PointResidual& r : clean.residuals) EXPECT_FALSE(r.flagged) << r.name.toStdString();
        EXPECT_NEAR(clean.sigma0, 0.01, 0.006);
    }
}

TEST(Transform, DegenerateSetsGiveAMessageAndNoParameters) {
    namespace t = texts::helmert;
    const CartesianPoint a{-2148744.123, 4426641.456, 4044655.789}, b{-2148000, 4427000, 4044000},
        c{-2147000, 4428000, 4043000};
    const CartesianPoint lineB{a.x + 100, a.y + 200, a.z + 300}, lineC{a.x - 50.5, a.y - 101, a.z - 151.5};
    const auto set = [](std::vector<CartesianPoint> sources, std::vector<CartesianPoint> targets = {}) {
        std::vector<CommonPoint> points;
        for (std::size_t i = 0; i < sources.size(); ++i)
            points.push_back({QStringLiteral("P%1").arg(i + 1), sources[i], targets.empty() ? sources[i] : targets[i]});
        return points;
    };
    const struct {
        const char* name;
        TransformModel model;
        std::vector<CommonPoint> points;
        QString message;
    } cases[] = {
        {"3, none", TransformModel::Three, {}, t::msgTooFewCommonPoints(3, 0, 1)},
        {"4, one", TransformModel::Four, set({a}), t::msgTooFewCommonPoints(4, 1, 2)},
        {"7, two", TransformModel::Seven, set({a, b}), t::msgTooFewCommonPoints(7, 2, 3)},
        {"4, coincident", TransformModel::Four, set({a, a, {a.x + 0.0001, a.y, a.z}}, {a, b, c}), t::kMsgSourceCoincident},
        {"4, targets coincident", TransformModel::Four, set({a, b, c}, {a, a, a}), t::kMsgTargetCoincident},
        {"7, coincident", TransformModel::Seven, set({a, a, a, a}, {a, b, c, a}), t::kMsgSourceCoincident},
        {"7, collinear", TransformModel::Seven, set({a, lineB, lineC}), t::kMsgSourceCollinear},
        {"7, collinear within a tenth of a millimetre", TransformModel::Seven,
         set({a, lineB, {lineC.x, lineC.y + 0.0001, lineC.z}, {a.x + 1000, a.y + 2000, a.z + 3000}}),
         t::kMsgSourceCollinear},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TransformEstimate e = EstimateTransform(c.model, c.points);
        EXPECT_EQ(e.message, c.message);
        EXPECT_TRUE(e.residuals.empty());
    }
    // Three points of a plane are no line: they give seven parameters, exactly.
    const TransformEstimate exact = EstimateTransform(TransformModel::Seven, set({a, b, c}));
    EXPECT_TRUE(exact.ok());
    EXPECT_EQ(exact.redundancy, 2);
    // Coincident points are fine for a shift.
    EXPECT_TRUE(EstimateTransform(TransformModel::Three, set({a, a})).ok());
}

TEST(TransformText, CommonPointsAreReadLineByLineAndProblemsNamed) {
    namespace t = texts::helmert;
    const CommonPointList ok = ParseCommonPoints(
        TransformModel::Four, u"# remark\r\nA1, 1, 2, 3, 4\n\n  B2 ，+5e1, -6 , 7.5, .5\rC3,1,1,1,1");
    EXPECT_TRUE(ok.problems.isEmpty()) << ok.problems.join(u'\n').toStdString();
    ASSERT_EQ(ok.points.size(), 3u);
    EXPECT_EQ(ok.points[1].name, u"B2");
    EXPECT_EQ(ok.points[1].source.x, 50);
    EXPECT_EQ(ok.points[1].source.y, -6);
    EXPECT_EQ(ok.points[1].target.y, 0.5);

    const CommonPointList bad =
        ParseCommonPoints(TransformModel::Seven, u"P1,1,2,3,4,5,6\nP2,1,2,3,4,5\nP3,1,2,x,4,5,nan\n,1,2,3,4,5,6");
    EXPECT_EQ(bad.problems,
              (QStringList{t::msgFieldCount(2, u16(u"点名, X1, Y1, Z1, X2, Y2, Z2 共 7 项"), 6),
                           t::msgValueNotANumber(3, u16(u"P3"), u16(u"Z1"), u16(u"x")),
                           t::msgValueNotANumber(3, u16(u"P3"), u16(u"Z2"), u16(u"nan")), t::msgNoName(4)}));

    // Many bad lines: twenty named, the rest counted.
    QString many;
    for (int i = 0; i < 25; ++i) many += QStringLiteral("P,1\n");
    const CommonPointList lots = ParseCommonPoints(TransformModel::Three, many);
    ASSERT_EQ(lots.problems.size(), 21);
    EXPECT_EQ(lots.problems.last(), t::msgMoreProblems(5));
}

TEST(TransformText, ApplyWritesFourDecimalsInOrderOnEveryThread) {
    const TransformParameters seven{TransformModel::Seven, kSeven};
    QString input;
    const std::vector<CartesianPoint> points = cartesianSources(20000, 41);
    for (std::size_t i = 0; i < points.size(); ++i)
        input += QStringLiteral("P%1, %2, %3, %4%5").arg(i).arg(points[i].x, 0, 'f', 4).arg(points[i].y, 0, 'f', 4)
                     .arg(points[i].z, 0, 'f', 4).arg(i % 3 == 0 ? u"\r\n" : i % 3 == 1 ? u"\n" : u"\r");
    const AppliedText one = ApplyTransformToText(seven, input, 1);
    const AppliedText many = ApplyTransformToText(seven, input, 4);
    EXPECT_TRUE(one.problems.isEmpty());
    EXPECT_EQ(one.points, 20000);
    EXPECT_EQ(many.text, one.text);
    const QStringList lines = one.text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 20000);
    const CartesianPoint want = ApplyTransform(seven, {std::stod(QString::number(points[7].x, 'f', 4).toStdString()),
                                                       std::stod(QString::number(points[7].y, 'f', 4).toStdString()),
                                                       std::stod(QString::number(points[7].z, 'f', 4).toStdString())});
    EXPECT_EQ(lines[7], QStringLiteral("P7, ") + FixedText(want.x, 4) + QStringLiteral(", ") + FixedText(want.y, 4) +
                            QStringLiteral(", ") + FixedText(want.z, 4));

    // The plane model carries a height along and takes lines without one.
    const AppliedText plane =
        ApplyTransformToText(TransformParameters{TransformModel::Four, {10, 20, 0, 0}}, u"A, 1, 2, 3.5\nB,1,2");
    EXPECT_EQ(plane.text, u"A, 11.0000, 22.0000, 3.5000\r\nB, 11.0000, 22.0000\r\n");

    // A bad line far down a long list is found with its line number, and nothing is written.
    QString broken = input;
    broken += QStringLiteral("Q, 1, 2");  // line 20001, after the last line end
    const AppliedText refused = ApplyTransformToText(seven, broken, 4);
    EXPECT_EQ(refused.text, QString());
    EXPECT_EQ(refused.problems,
              QStringList{texts::helmert::msgFieldCount(20001, u16(u"点名, X, Y, Z 共 4 项"), 3)});
}

TEST(TransformText, ParameterTextRoundTripsAndNamesItsProblems) {
    namespace t = texts::helmert;
    for (const auto& [model, values] : {std::pair{TransformModel::Three, kThree}, std::pair{TransformModel::Four, kFour},
                                        std::pair{TransformModel::Seven, kSeven}}) {
        const TransformParameters p{model, values};
        QString problem;
        const std::optional<TransformParameters> back = ParseParametersText(ParametersText(p), problem);
        ASSERT_TRUE(back) << problem.toStdString();
        EXPECT_EQ(back->model, model);
        for (std::size_t i = 0; i < values.size(); ++i) EXPECT_NEAR(back->values[i], values[i], 1e-9);
    }
    EXPECT_TRUE(ParametersText({TransformModel::Four, kFour}).contains(u"rotation = 3746.123456000\r\n"));

    const struct {
        const char16_t* text;
        QString problem;
        int model;  // of the parameters read, 0 when there are none
    } cases[] = {
        {u"DX: 1\nDY ＝ 2\ndz=3", QString(), 3},  // no model line: the names tell
        {u"dx=1\ndy=2\nrotation=3\nscale_ppm=4", QString(), 4},
        {u"model=7\ndx=1\ndy=2\ndz=3\nrx=1\nry=2\nrz=3", t::msgMissingParameters(7, {u16(u"scale_ppm")}), 0},
        {u"model = 5\ndx=1", t::msgBadModel(u16(u"5")), 0},
        {u"dx=1\nshift=2", t::msgUnknownParameter(2, u16(u"shift"), {u16(u"model"), u16(u"dx"), u16(u"dy"), u16(u"dz"),
                                                                       u16(u"rx"), u16(u"ry"), u16(u"rz"),
                                                                       u16(u"rotation"), u16(u"scale_ppm")}),
         0},
        {u"dx=1\ndy=abc\ndz=3", t::msgParameterNotANumber(u16(u"dy"), u16(u"abc")), 0},
        {u"dx 1", t::msgParameterLine(1, u16(u"dx 1")), 0},
        {u"model=3\ndx=1\ndy=2\ndz=3\nrz=4", t::msgParameterNotInModel(3, u16(u"rz"), ParameterNames(TransformModel::Three)), 0},
        {u"# nothing\n\n", t::kMsgNoParameters, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.text).toStdString());
        QString problem;
        const std::optional<TransformParameters> p = ParseParametersText(QString::fromUtf16(c.text), problem);
        EXPECT_EQ(problem, c.problem);
        EXPECT_EQ(p ? ModelNumber(p->model) : 0, c.model);
    }

    QString problem;
    const std::optional<TransformParameters> values =
        ParseParameterValues(TransformModel::Four, u"-1.5, 2e1, +3, -4", problem);
    ASSERT_TRUE(values);
    EXPECT_EQ(values->values, (std::vector<double>{-1.5, 20, 3, -4}));
    EXPECT_FALSE(ParseParameterValues(TransformModel::Seven, u"1,2,3", problem));
    EXPECT_EQ(problem, t::msgParameterCount(7, 7, 3));
    EXPECT_FALSE(ParseParameterValues(TransformModel::Three, u"1,x,3", problem));
    EXPECT_EQ(problem, t::msgParameterNotANumber(u16(u"dy"), u16(u"x")));
}

}  // namespace
