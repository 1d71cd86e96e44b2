// The projections and their decimal helpers.
//
// Where the expected values come from:
// - the worked examples of the projections (39°41'25.536" N 117°50'17.873" E on the three
//   classic ellipsoids, the inverse 4419516 / 39447672, the zone rules) are the surveyors'
//   reference values these routines are held to;
// - mirrored points (west, south) are those examples with signs changed;
// - CGCS2000 coordinates and the Xi'an point near a whole minute were computed with PROJ's
//   exact transverse Mercator (+proj=tmerc) and rounded to the output's places;
// - helper results are what the D.MMSS notation means (117.5 is 117°50'), worked by hand.
// PROJ itself checks the projections over China, and the textual:: routines (computed on the
// decimal texts step by step) check the integer arithmetic of the fast helpers digit for digit.

#include "geodesy/projection.h"
#include "tests/support/journal_fixture.h"  // PrintTo for QString

#include <boost/multiprecision/cpp_dec_float.hpp>
#include <gtest/gtest.h>
#include <proj.h>

#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace cesuan;

QString u16(const char16_t* text) { return QString::fromUtf16(text); }
std::string show(double v) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", v);
    return text;
}

// A D.MMSS double to arc seconds, through its text with 8 places (the inverse's precision).
double dmsSeconds(double dms) {
    char text[40];
    std::snprintf(text, sizeof text, "%.8f", std::abs(dms));
    const std::string t = text;
    const std::size_t point = t.find('.');
    const double degrees = std::stod(t.substr(0, point));
    const double minutes = std::stod(t.substr(point + 1, 2));
    const double seconds = std::stod(t.substr(point + 3, 2) + "." + t.substr(point + 5));
    const double all = degrees * 3600 + minutes * 60 + seconds;
    return dms < 0 ? -all : all;
}

// The D.MMSSssss double of an angle given in 0.0001" units, through its text.
double dmsOf(long long units) {
    const long long magnitude = std::llabs(units);
    char text[48];
    std::snprintf(text, sizeof text, "%s%lld.%02lld%02lld%04lld", units < 0 ? "-" : "",
                  magnitude / 36000000, magnitude / 600000 % 60, magnitude / 10000 % 60, magnitude % 10000);
    return std::stod(text);
}
long long unitsOfDegrees(double degrees) { return std::llround(degrees * 36000000); }

enum class Width { Six, Three, OneAndHalf };
ZoneWidth widthOf(Width w) {
    return w == Width::Six ? ZoneWidth::Six : w == Width::Three ? ZoneWidth::Three : ZoneWidth::OneAndHalf;
}

// The projections with their inputs replaced by their outputs, the way the tables below read
// them: b, l in, X, Y out (x, y in, latitude, longitude out); the message returned, the
// central meridian of the zone in `meridian` when asked for. `reference`: the step-by-step
// path instead of the fast one.
QString forward(Width w, double& b, double& l, double chosen, const QString& code, double* meridian = nullptr,
                bool reference = false) {
    const EllipsoidConstants& e = EllipsoidOfCode(code);
    const GridPoint r = reference ? textual::GeoToZone(widthOf(w), e, b, l, chosen) : GeoToZone(widthOf(w), e, b, l, chosen);
    b = r.x;
    l = r.y;
    if (meridian) *meridian = r.centralMeridian;
    return r.message;
}
QString inverse(Width w, double& x, double& y, const QString& code, double* meridian = nullptr,
                bool reference = false) {
    const EllipsoidConstants& e = EllipsoidOfCode(code);
    const GeodeticPoint r = reference ? textual::ZoneToGeo(widthOf(w), e, x, y) : ZoneToGeo(widthOf(w), e, x, y);
    x = r.latitude;
    y = r.longitude;
    if (meridian) *meridian = r.centralMeridian;
    return r.message;
}
QString forwardReference(Width w, double& b, double& l, double chosen, const QString& code,
                         double* meridian = nullptr) {
    return forward(w, b, l, chosen, code, meridian, true);
}
QString inverseReference(Width w, double& x, double& y, const QString& code) {
    return inverse(w, x, y, code, nullptr, true);
}
const char* name(Width w) { return w == Width::Six ? "6" : w == Width::Three ? "3" : "1.5"; }

// ---- Ellipsoids ----

// An ellipsoid row derived from a and b by the formulas of the working tables, in 50-digit
// decimals: in double, a - b and a² - b² would cancel away the last digits the tables print.
using Decimal50 = boost::multiprecision::cpp_dec_float_50;
struct DerivedRow {
    Decimal50 f, e2, ep2, a1e2, rectRadius, arcK, arcC2, arcC4, arcC6, fp2, fp4, fp6;
};
DerivedRow derive(const Decimal50& a, const Decimal50& b) {
    DerivedRow r;
    r.f = (a - b) / a;
    r.e2 = (a * a - b * b) / (a * a);
    r.ep2 = (a * a - b * b) / (b * b);
    r.a1e2 = a * (1 - r.e2);
    const Decimal50 e2 = r.e2, e4 = e2 * e2, e6 = e4 * e2;
    r.arcK = 1 - e2 / 4 - 3 * e4 / 64 - 5 * e6 / 256;
    r.rectRadius = a * r.arcK;
    r.arcC2 = 3 * e2 / 8 + 3 * e4 / 32 + 45 * e6 / 1024;
    r.arcC4 = 15 * e4 / 256 + 45 * e6 / 1024;
    r.arcC6 = 35 * e6 / 3072;
    const Decimal50 root = sqrt(1 - e2);
    const Decimal50 e1 = (1 - root) / (1 + root);
    r.fp2 = 3 * e1 / 2 - 27 * e1 * e1 * e1 / 32;
    r.fp4 = 21 * e1 * e1 / 16 - 55 * e1 * e1 * e1 * e1 / 32;
    r.fp6 = 151 * e1 * e1 * e1 / 96;
    return r;
}
// b = a (1 - f) to 0.1 mm.
Decimal50 minorAxis(const Decimal50& a, const Decimal50& inverseFlattening) {
    return round(a * (1 - 1 / inverseFlattening) * 10000) / 10000;
}

// How many units of the printed text's last digit `value` lies from it, rounded.
long long unitsFromPrinted(const Decimal50& value, const std::string& printed) {
    const std::size_t e = printed.find_first_of("eE");
    const std::string mantissa = printed.substr(0, e);
    const int exponent = e == std::string::npos ? 0 : std::stoi(printed.substr(e + 1));
    const std::size_t point = mantissa.find('.');
    const int decimals = point == std::string::npos ? 0 : int(mantissa.size() - point - 1);
    const Decimal50 unit = pow(Decimal50(10), exponent - decimals);
    return round(value / unit).convert_to<long long>() - round(Decimal50(printed) / unit).convert_to<long long>();
}

struct PrintedRow {
    const char* code;
    const EllipsoidConstants* constants;
    const char* a;
    const char* b;              // or, when empty, b from the inverse flattening
    const char* inverseFlattening;
    // f, e2, ep2, a1e2, rectRadius, arcK, arcC2, arcC4, arcC6, fp2, fp4, fp6 as printed
    const char* printed[12];
};
const PrintedRow kPrintedRows[] = {
    {"BJ", &kBeijing1954, "6378245.116", "6356863.0188", "",
     {"0.00335234799088584", "0.00669345774472", "0.0067385620248935", "6335552.60183059",
      "6367558.55507442", "0.998324529595332", "0.0025142600555184", "2.6383176967516e-06",
      "3.41663363e-09", "0.0025184784143561", "3.6999259641e-06", "7.44472571e-09"}},
    {"XA", &kXian1980, "6378140", "", "298.257",
     {"0.003352813171238", "0.0066943849863148", "0.00673950180602026", "6335442.27534339",
      "6367452.13294706", "0.998324297200603", "0.002514608940384", "2.639050543e-06",
      "3.41805e-09", "0.002518828470568", "3.700954578e-06", "7.447831e-09"}},
    {"WGS", &kWgs84, "6378137", "", "298.257223563",
     {"0.00335281067183097", "0.0066943800042608", "0.00673949675658688", "6335439.32720276",
      "6367449.14593825", "0.998324298449256", "0.002514607065831", "2.639046605e-06",
      "3.41805e-09", "0.0025188265897211", "3.7009490513e-06", "7.4478139e-09"}},
};
constexpr const char* kFieldNames[12] = {"f",     "e2",    "ep2",   "a1e2", "rectRadius", "arcK",
                                         "arcC2", "arcC4", "arcC6", "fp2",  "fp4",        "fp6"};

std::array<double, 12> fieldsOf(const EllipsoidConstants& c) {
    return {c.f, c.e2, c.ep2, c.a1e2, c.rectRadius, c.arcK, c.arcC2, c.arcC4, c.arcC6, c.fp2, c.fp4, c.fp6};
}
std::array<Decimal50, 12> fieldsOf(const DerivedRow& r) {
    return {r.f, r.e2, r.ep2, r.a1e2, r.rectRadius, r.arcK, r.arcC2, r.arcC4, r.arcC6, r.fp2, r.fp4, r.fp6};
}

TEST(Ellipsoids, RowsAreThePrintedConstantsAndFollowFromAAndB) {
    std::string offByOne;
    for (const PrintedRow& row : kPrintedRows) {
        SCOPED_TRACE(row.code);
        const Decimal50 a(row.a);
        const Decimal50 b = *row.b ? Decimal50(row.b) : minorAxis(a, Decimal50(row.inverseFlattening));
        EXPECT_EQ(row.constants->a, a.convert_to<double>());
        EXPECT_EQ(row.constants->b, b.convert_to<double>());
        const std::array<double, 12> stored = fieldsOf(*row.constants);
        const std::array<Decimal50, 12> derived = fieldsOf(derive(a, b));
        for (std::size_t i = 0; i < stored.size(); ++i) {
            SCOPED_TRACE(kFieldNames[i]);
            EXPECT_EQ(stored[i], std::stod(row.printed[i]));  // used exactly as printed
            const long long units = unitsFromPrinted(derived[i], row.printed[i]);
            EXPECT_LE(std::llabs(units), 1) << derived[i].str(20) << " against " << row.printed[i];
            if (units != 0)
                offByOne += std::string(row.code) + "." + kFieldNames[i] + "(" + (units > 0 ? "+" : "") +
                            std::to_string(units) + ") ";
        }
    }
    // Measured: BJ arcC2, arcC4 and fp6, XA fp6, WGS f and fp6 lie one unit of their last
    // printed digit off the derivation; every other entry shows its derived digits.
    std::cout << "[ entries one unit off their derivation ] " << offByOne << '\n';
    RecordProperty("entries_one_unit_off", offByOne);
}

TEST(Ellipsoids, DerivedRowsFollowFromTheirAxisAndFlattening) {
    struct Row {
        const char* code;
        const EllipsoidConstants* constants;
        const char* a;
        const char* inverseFlattening;
        double b;  // a (1 - f) to 0.1 mm
    };
    const Row rows[] = {{"CGCS", &kCgcs2000, "6378137", "298.257222101", 6356752.3141},
                        {"BJ-STD", &kBeijing1954Standard, "6378245", "298.3", 6356863.0188}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.code);
        const Decimal50 a(row.a);
        const Decimal50 b = minorAxis(a, Decimal50(row.inverseFlattening));
        EXPECT_EQ(row.constants->a, a.convert_to<double>());
        EXPECT_EQ(row.constants->b, b.convert_to<double>());
        EXPECT_EQ(row.constants->b, row.b);
        const std::array<double, 12> stored = fieldsOf(*row.constants);
        const std::array<Decimal50, 12> derived = fieldsOf(derive(a, b));
        for (std::size_t i = 0; i < stored.size(); ++i)
            EXPECT_EQ(QString::number(stored[i], 'g', 15).toStdString(), derived[i].str(15)) << kFieldNames[i];
        EXPECT_EQ(row.constants->falseEasting, 500000);
        EXPECT_EQ(row.constants->scale, 1);
    }
}

// The start point A01 on its 6-degree zone: the standard Beijing row agrees with PROJ's
// Krassovsky ellipsoid, the table's Beijing row (a 11.6 cm longer) lies centimetres off it.
TEST(Ellipsoids, StandardBeijingRowAgreesWithProjKrassovsky) {
    PJ_CONTEXT* context = proj_context_create();
    PJ* krass = proj_create(context, "+proj=tmerc +lat_0=0 +lon_0=117 +k=1 +x_0=20500000 +y_0=0 +ellps=krass");
    ASSERT_NE(krass, nullptr);
    // 39°41'25.536", 117°50'17.873"
    const double latitude = (39 + 41 / 60.0 + 25.536 / 3600), longitude = (117 + 50 / 60.0 + 17.873 / 3600);
    const PJ_COORD grid =
        proj_trans(krass, PJ_FWD, proj_coord(proj_torad(longitude), proj_torad(latitude), 0, 0));
    proj_destroy(krass);
    proj_context_destroy(context);

    const GridPoint standard = GeoToZone6(EllipsoidOfCode(u16(u"BJ-STD")), 39.4125536, 117.5017873, 117);
    EXPECT_EQ(standard.message, QString());
    EXPECT_NEAR(standard.x, grid.xy.y, 0.001);
    EXPECT_NEAR(standard.y, grid.xy.x, 0.001);
    const GridPoint table = GeoToZone6(kBeijing1954, 39.4125536, 117.5017873, 117);
    EXPECT_GT(std::abs(table.x - grid.xy.y), 0.03);
    std::cout << "[ A01 on 6-degree zone 20 ] standard Beijing X " << show(standard.x) << " Y " << show(standard.y)
              << ", PROJ krass X " << show(grid.xy.y) << " Y " << show(grid.xy.x) << ", table Beijing X "
              << show(table.x) << " Y " << show(table.y) << '\n';
}

TEST(Ellipsoids, CodesPickRowsAndTheScreenListsThemInOrder) {
    struct Case {
        const char16_t* code;
        const EllipsoidConstants* want;
    };
    const Case cases[] = {
        {u"BJ", &kBeijing1954}, {u" xa ", &kXian1980}, {u"wgs", &kWgs84},     {u"CGCS", &kCgcs2000},
        {u"", &kBeijing1954},   {u"WGS84", &kBeijing1954}, {u"X A", &kBeijing1954},
        {u"XA", &kXian1980},    {u"WGS", &kWgs84},     {u"CGC", &kBeijing1954}, {u"BJ ", &kBeijing1954},
        {u"BJ-STD", &kBeijing1954Standard}, {u" bj-std ", &kBeijing1954Standard}, {u"BJSTD", &kBeijing1954},
        {u"\tXA", &kBeijing1954},  // only blanks are trimmed
        {u"wgſ", &kWgs84},         // upper-casing makes ſ an S
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(u16(c.code).toStdString());
        EXPECT_EQ(&EllipsoidOfCode(u16(c.code)), c.want);
    }

    const auto& choices = EllipsoidChoices();
    const char16_t* codes[] = {u"BJ", u"XA", u"WGS", u"CGCS", u"BJ-STD"};
    const char16_t* names[] = {u"北京", u"西安", u"WGS", u"CGCS2000", u"北京54（标准）"};
    ASSERT_EQ(choices.size(), std::size(codes));
    for (std::size_t i = 0; i < choices.size(); ++i) {
        EXPECT_EQ(choices[i].code, u16(codes[i]));
        EXPECT_EQ(choices[i].name, u16(names[i]));
    }
}

// ---- Decimal helpers ----

TEST(DecimalHelpers, GeoRoundRoundsTheFifteenDigitDecimalHalfAwayFromZero) {
    struct Case {
        double value;
        int places;
        double want;
    };
    const Case cases[] = {
        {2.5, 0, 3},
        {-2.5, 0, -3},
        {1.2345, 3, 1.235},
        {1.23449, 3, 1.234},  // only the next digit decides
        {-0.6, 0, -1},
        {-0.4, 0, 0},
        {1.005, 2, 1.01},  // the text "1.005" rounds up, though the double lies below it
        {2.675, 2, 2.68},
        {4395570.2599999998, 3, 4395570.26},
        {0.1 + 0.2, 17, 0.3},                    // its 15-digit decimal is 0.3
        {0.1 + 0.2, 18, 0.1 + 0.2},              // places beyond 17: unchanged
        {1.5, -1, 1.5},                          // negative places: unchanged
        {2.0000000000000004, 3, 2.0000000000000004},  // the decimal "2" has no point: unchanged
        {77571909.40700001, 3, 77571909.407},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(show(c.value) + " to " + std::to_string(c.places));
        EXPECT_EQ(GeoRound(c.value, c.places), c.want);
    }
    EXPECT_TRUE(std::isnan(GeoRound(std::nan(""), 3)));
}

TEST(DecimalHelpers, DmsToDegreesReadsMinutesAndSeconds) {
    struct Case {
        double dms;
        long double want;
    };
    const Case cases[] = {
        {117.5, 117 + 50 / 60.0L},
        {39.4125536, 39 + (41 + 25.536L / 60) / 60},
        {-117.5017873, -(117 + (50 + 17.873L / 60) / 60)},
        {-0.3, -0.5L},                        // the sign belongs to the whole angle
        {39.41255, 39 + (41 + 25.5L / 60) / 60},  // a short fraction is padded
        {0.000001, 0.01L / 3600},
        {10.0075, 10 + 1 / 60.0L},  // 75 seconds count as 60
        {10.7, 11},                 // 70 minutes count as 60
        {117, 117},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(show(c.dms));
        EXPECT_DOUBLE_EQ(GeoDmsToDegrees(c.dms), double(c.want));
    }
    EXPECT_EQ(GeoDmsToDegrees(2e15), 2e15);  // beyond the decimal range: unchanged
}

TEST(DecimalHelpers, DegreesToRadiansUsesTheFifteenDigitDecimal) {
    EXPECT_EQ(GeoDegreesToRadians(180), M_PI);
    EXPECT_EQ(GeoDegreesToRadians(-90), -M_PI / 2);
    EXPECT_EQ(GeoDegreesToRadians(0.1 + 0.2), GeoDegreesToRadians(0.3));
    EXPECT_EQ(GeoDegreesToRadians(2e15), 0);
    EXPECT_EQ(GeoDmsToRadians(45.3), GeoDegreesToRadians(45.5));
}

TEST(DecimalHelpers, DegreesToDmsAndNormalise) {
    struct Case {
        double degrees, wantDms;
    };
    const Case toDms[] = {
        {116.5, 116.3}, {-3.5, -3.3}, {-0.5, -0.3}, {117, 117}, {39.690426666666667, 39.4125536},
    };
    for (const Case& c : toDms) {
        SCOPED_TRACE(show(c.degrees));
        EXPECT_EQ(GeoRound(GeoDegreesToDms(c.degrees), 8), c.wantDms);
    }

    const Case normalise[] = {
        {117.4960, 117.5},  {117.6, 118},        {117.5960, 118},   {-0.006, -0.01},
        {-0.6, -1},         {117.45596, 117.45596}, {117, 117},     {0.006, 0.01},
        {-117.0060, -117.01},
    };
    for (const Case& c : normalise) {
        SCOPED_TRACE(show(c.degrees));
        EXPECT_EQ(GeoNormaliseDms(c.degrees), c.wantDms);
    }
}

// Seconds just below 60 stay in their minute: 21°14'59.998" is not 21°15'.
TEST(DecimalHelpers, SecondsBelowSixtyDoNotCarry) {
    const double degrees = 21 + 14 / 60.0 + 59.998 / 3600;  // 21.2499994444…
    EXPECT_EQ(GeoRound(GeoDegreesToDms(degrees), 8), 21.1459998);
    // A 60 that the 8-place rounding makes is carried by GeoNormaliseDms: 29.999999999° is
    // 29°59'59.9999964".
    EXPECT_EQ(GeoNormaliseDms(GeoRound(GeoDegreesToDms(29.999999999), 8)), 30);
    EXPECT_EQ(GeoNormaliseDms(GeoRound(GeoDegreesToDms(-29.999999999), 8)), -30);
}

// ---- Forward projection ----

struct ForwardCase {
    Width width;
    const char16_t* code;
    double b, l, chosen;
    double x, y;
    const char16_t* message;
};

TEST(Forward, ReferencePoints) {
    const ForwardCase cases[] = {
        {Width::Six, u"BJ", 39.4125536, 117.5017873, 117, 4395570.26, 20571909.407, u""},
        {Width::Three, u"BJ", 39.4125536, 117.5017873, 117, 4395570.26, 39571909.407, u""},
        // 117°50' lies outside 116.25°..117.75°
        {Width::OneAndHalf, u"BJ", 39.4125536, 117.5017873, 117, 4395570.26, 77571909.407,
         u"……跨带 117度"},
        {Width::Six, u"XA", 39.4125536, 117.5017873, 117, 4395494.607, 20571908.236, u""},
        {Width::Six, u"WGS", 39.4125536, 117.5017873, 117, 4395492.557, 20571908.202, u""},
        {Width::Six, u"CGCS", 39.4125536, 117.5017873, 117, 4395492.556, 20571908.202, u""},
        // West and south: the same distances with their signs.
        {Width::Six, u"BJ", 39.4125536, -117.5017873, -117, 4395570.26, -20571909.407, u""},
        {Width::Three, u"BJ", 39.4125536, -117.5017873, -117, 4395570.26, -39571909.407, u""},
        {Width::OneAndHalf, u"BJ", 39.4125536, -117.5017873, -117, 4395570.26, -79571909.407,
         u"……跨带 -117度"},
        {Width::Six, u"BJ", -39.4125536, 117.5017873, 117, -4395570.26, 20571909.407, u""},
    };
    for (const ForwardCase& c : cases) {
        SCOPED_TRACE(std::string(name(c.width)) + " " + u16(c.code).toStdString() + " " + show(c.l));
        double x = c.b, y = c.l;
        EXPECT_EQ(forward(c.width, x, y, c.chosen, u16(c.code)), u16(c.message));
        EXPECT_EQ(x, c.x);
        EXPECT_EQ(y, c.y);
    }
}

// Which zone a point is projected on, and the note that says so. Projected on another
// meridian than the chosen one, a point gets the same coordinates as with that meridian
// chosen.
TEST(Forward, ZoneChoiceAndNotes) {
    struct Case {
        Width width;
        double l, chosen, meridian;
        const char16_t* message;
    };
    const Case cases[] = {
        {Width::Six, 117.3, 118.5, 117, u"⊕⊕中央 117度"},   // |117.3 - 118.5| <= 4: zone of 118.5
        {Width::Six, 120, 111, 123, u"⊕⊕中央 123度"},       // (120 + 3) / 6 = 20.5 rounds to 21
        {Width::Six, 120, 117, 117, u""},                    // 3° from 117: still inside
        {Width::Six, 121, 117, 117, u"……跨带 117度"},        // 4 from the chosen one: its zone
        {Width::Six, 121.0001, 117, 123, u"⊕⊕中央 123度"},   // beyond 4: its own zone
        {Width::Six, -2, 117, -3, u"⊕⊕中央 -3度"},
        {Width::Three, 118.5, 117, 117, u"……跨带 117度"},    // 118°50' is 1.83° from 117
        {Width::Three, 120.0001, 117, 120, u"⊕⊕中央 120度"},
        {Width::OneAndHalf, 118.3, 114, 118.5, u"⊕⊕中央 118.5度"},
        {Width::OneAndHalf, 0.3, 5, 0, u"⊕⊕中央 0度"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(name(c.width)) + " " + show(c.l) + " chosen " + show(c.chosen));
        double x = 39.4125536, y = c.l;
        double meridian = 0;
        EXPECT_EQ(forward(c.width, x, y, c.chosen, u16(u"BJ"), &meridian), u16(c.message));
        EXPECT_EQ(meridian, c.meridian);
        double x0 = 39.4125536, y0 = c.l;
        forward(c.width, x0, y0, c.meridian, u16(u"BJ"));
        EXPECT_EQ(x, x0);
        EXPECT_EQ(y, y0);
    }
    // Zone 0 of the 1.5-degree zones (meridian 0) has the prefix -1,500,000: a point east of
    // Greenwich gets a negative easting there.
    double x = 39.4125536, y = 0.3;
    forward(Width::OneAndHalf, x, y, 0, u16(u"BJ"));
    EXPECT_GT(y, -1500000);
    EXPECT_LT(y, -1400000);
}

TEST(Forward, RangeCheckedOnTheNumbersAsPassed) {
    const char16_t* six = u"错误溢出?原始经纬度数值超出常规范围 |x|<=90 |y|<=180";
    const char16_t* other = u"错误溢出?原始角度数值超出常规范围 |x|<=90 |y|<=180";
    struct Case {
        Width width;
        double b, l;
        const char16_t* message;
    };
    const Case cases[] = {
        {Width::Six, 39, 180.0001, six},     {Width::Three, -90.1, 117, other},
        {Width::OneAndHalf, 90.0001, 0, other}, {Width::Six, std::nan(""), 117, six},
        {Width::Three, 39, -180.0001, other},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(name(c.width)) + " " + show(c.b) + " " + show(c.l));
        double x = c.b, y = c.l;
        EXPECT_EQ(forward(c.width, x, y, 117, u16(u"BJ")), u16(c.message));
        EXPECT_EQ(x, 0);
        EXPECT_EQ(y, 0);
    }
    // The limits themselves are accepted. 180° on 6-degree zones rounds into zone 31
    // (meridian 183), whose eastings the inverse rejects.
    double x = 90, y = 180;
    EXPECT_EQ(forward(Width::Six, x, y, 117, u16(u"BJ")), u16(u"⊕⊕中央 183度"));
    EXPECT_EQ(x, 10002137.589);  // the meridian quadrant: rectRadius π/2
    EXPECT_EQ(y, 31500000);
    x = -90, y = -180;
    EXPECT_EQ(forward(Width::Three, x, y, -180, u16(u"WGS")), u16(u""));
}

// ---- Inverse projection ----

TEST(Inverse, InputChecksInOrder) {
    struct Case {
        Width width;
        double x, y;
        const char16_t* message;
    };
    const Case cases[] = {
        {Width::OneAndHalf, 0, 0, u"错误?原始1.5度带坐标 0 0 超出常规范围!"},
        {Width::OneAndHalf, 0, 999, u"错误?原始1.5度带坐标|Y|<00001000 超出常规范围!"},
        {Width::OneAndHalf, 5e7, -999, u"错误?原始1.5度带坐标|Y|<00001000 超出常规范围!"},
        {Width::OneAndHalf, 5e7, 119999000.001,
         u"错误?原始1.5度带坐标 -121999000<Y<119999000 超出常规范围!"},
        {Width::OneAndHalf, 1, -121999000.001,
         u"错误?原始1.5度带坐标 -121999000<Y<119999000 超出常规范围!"},
        {Width::OneAndHalf, 10002200.001, 77500000, u"错误?原始1.5度带坐标|X|>10002200 超出常规范围!"},
        {Width::Three, 0, 0, u"错误?原始三度带坐标 0 0 超出常规范围!"},
        {Width::Three, 1, -999.5, u"错误?原始三度带坐标|Y|<00001000 超出常规范围!"},
        {Width::Three, 5e7, 61000000, u"错误?原始三度带坐标|Y|>60999000 超出常规范围!"},
        {Width::Three, 1, -60999000.5, u"错误?原始三度带坐标|Y|>60999000 超出常规范围!"},
        {Width::Three, -10002200.5, 39500000, u"错误?原始三度带坐标|X|>10002200 超出常规范围!"},
        {Width::Six, 0, 0, u"错误?原始六度带坐标 0 0 超出常规范围!"},
        {Width::Six, 1, 1000999, u"错误?原始六度带坐标|Y|<01001000 超出常规范围!"},
        {Width::Six, 1, -30999000.5, u"错误?原始六度带坐标|Y|>30999000 超出常规范围!"},
        {Width::Six, 10002201, 20500000, u"错误?原始六度带坐标|X|>10002200 超出常规范围!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(name(c.width)) + " " + show(c.x) + " " + show(c.y));
        double x = c.x, y = c.y;
        EXPECT_EQ(inverse(c.width, x, y, u16(u"BJ")), u16(c.message));
        EXPECT_EQ(x, 0);
        EXPECT_EQ(y, 0);
    }
    // The bounds themselves pass (on the equator, where the far edges of the zones still
    // give a value), and the outermost zones stay within ±180°, so the check of the decoded
    // meridian never fires.
    struct Edge {
        Width width;
        double y, meridian;
    };
    const Edge edges[] = {
        {Width::OneAndHalf, 119999000, 180}, {Width::OneAndHalf, -121999000, -180},
        {Width::Three, 60999000, 180},       {Width::Three, 1000, 0},
        {Width::Six, 30999000, 177},         {Width::Six, 1001000, 3},
    };
    for (const Edge& e : edges) {
        SCOPED_TRACE(std::string(name(e.width)) + " " + show(e.y));
        double x = 0, y = e.y;
        double meridian = 0;
        EXPECT_EQ(inverse(e.width, x, y, u16(u"BJ"), &meridian), u16(u""));
        EXPECT_EQ(meridian, e.meridian);
    }
}

TEST(Inverse, ReferencePoints) {
    struct Case {
        Width width;
        const char16_t* code;
        double x, y;
        double latitude, longitude;
    };
    const Case cases[] = {
        {Width::Six, u"BJ", 4395570.26, 20571909.407, 39.4125536, 117.5017873},
        {Width::Three, u"BJ", 4395570.26, 39571909.407, 39.4125536, 117.5017873},
        {Width::OneAndHalf, u"BJ", 4395570.26, 77571909.407, 39.4125536, 117.5017873},
        {Width::Three, u"BJ", 4419516, 39447672, 39.54270063, 116.23169913},
        {Width::Six, u"BJ", 4395570.26, -20571909.407, 39.4125536, -117.5017873},
        {Width::Three, u"BJ", 4395570.26, -39571909.407, 39.4125536, -117.5017873},
        {Width::OneAndHalf, u"BJ", 4395570.26, -79571909.407, 39.4125536, -117.5017873},
        {Width::Six, u"BJ", -4395570.26, 20571909.407, -39.4125536, 117.5017873},
        // 21°14'59.998455" (PROJ): seconds this close to 60 stay in their minute.
        {Width::Six, u"XA", 2350816.825, 20544093.359, 21.14599985, 117.2529293},
        // On the equator the latitude is 0 without a D.MMSS conversion; 100 km east of the
        // meridian is 0°32'13.7468".
        {Width::Six, u"BJ", 0, 20600000, 0, 117.53537468},
        // 1.5-degree zone 0 (prefix -1): y = -1,400,000 + 1,000,000 + 500,000 = 100,000.
        {Width::OneAndHalf, u"BJ", 0, -1400000, 0, 0.53537468},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(name(c.width)) + " " + u16(c.code).toStdString() + " " + show(c.x) +
                     " " + show(c.y));
        double x = c.x, y = c.y;
        EXPECT_EQ(inverse(c.width, x, y, u16(c.code)), u16(u""));
        EXPECT_EQ(x, c.latitude);
        EXPECT_EQ(y, c.longitude);
    }
}

// Past the pole the series mean nothing: the footpoint or the latitude would pass 90°.
TEST(Inverse, FailuresOfTheComputation) {
    const char16_t* overflow = u"错误溢出?坐标转换运算时超出范围";
    struct Case {
        Width width;
        const char16_t* code;
        double x, y;
    };
    // Quadrants: BJ 10002137.589, XA 10001970.421, WGS 10001965.729 m.
    const Case cases[] = {
        {Width::Six, u"BJ", 10002200, 20500000},     {Width::Three, u"XA", 10002000, 39500000},
        {Width::OneAndHalf, u"WGS", -10001990, 77500000}, {Width::Six, u"BJ", 10002137, 20510000},
        // Not the pole: a negative easting whose point lies beyond Greenwich reads back the
        // text "--1.29…", which is no number.
        {Width::Six, u"BJ", 0, -1001000},            {Width::Three, u"BJ", 0, -1000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(name(c.width)) + " " + show(c.x) + " " + show(c.y));
        double x = c.x, y = c.y;
        EXPECT_EQ(inverse(c.width, x, y, u16(c.code)), u16(overflow));
        EXPECT_EQ(x, 0);
        EXPECT_EQ(y, 0);
    }
    // Just short of the pole on the central meridian a latitude comes out.
    double x = 10002137, y = 20500000;
    EXPECT_EQ(inverse(Width::Six, x, y, u16(u"BJ")), u16(u""));
    EXPECT_EQ(x, 89.5959981);
    EXPECT_EQ(y, 117);
}

TEST(RoundTrip, ForwardThenInverseGivesThePointBack) {
    const char16_t* codes[] = {u"BJ", u"XA", u"WGS", u"CGCS", u"BJ-STD"};
    // degrees, each made a D.MMSS with seconds to 4 places
    const double latitudes[] = {-50.3012345, -0.0000123, 0.0030001, 18.1545678, 39.690426667, 53.3, 72.0101};
    const double offsets[] = {-2.7, -1.1234567, 0, 0.42, 1.3333333, 2.9};
    double worst = 0;
    for (const char16_t* code : codes) {
        for (Width w : {Width::Six, Width::Three, Width::OneAndHalf}) {
            const double half = w == Width::Six ? 3 : w == Width::Three ? 1.5 : 0.75;
            for (double meridian : {-117.0, 3.0, 117.0}) {
                const double m = w == Width::OneAndHalf ? meridian + 1.5 : meridian;
                for (double latitude : latitudes) {
                    for (double offset : offsets) {
                        const double b = dmsOf(unitsOfDegrees(latitude));
                        const double l = dmsOf(unitsOfDegrees(m + std::clamp(offset, -half, half)));
                        SCOPED_TRACE(std::string(name(w)) + " " + u16(code).toStdString() + " " + show(b) +
                                     " " + show(l));
                        double x = b, y = l;
                        const QString note = forward(w, x, y, m, u16(code));
                        EXPECT_TRUE(note.isEmpty() || note.startsWith(u16(u"……跨带"))) << note.toStdString();
                        ASSERT_EQ(inverse(w, x, y, u16(code)), QString());
                        const double gap = std::max(std::abs(dmsSeconds(x) - dmsSeconds(b)),
                                                    std::abs(dmsSeconds(y) - dmsSeconds(l)));
                        EXPECT_LE(gap, 0.0002) << show(x) << " " << show(y);
                        worst = std::max(worst, gap);
                    }
                }
            }
        }
    }
    std::cout << "[ round trips ] largest difference " << worst << "\"\n";
}

// ---- Against PROJ ----

class ProjPeer {
public:
    ProjPeer() : context_(proj_context_create()) {}
    ~ProjPeer() {
        for (auto& [definition, p] : operations_) proj_destroy(p);
        proj_context_destroy(context_);
    }
    // Transverse Mercator of scale 1 on the central meridian, false easting `prefix`.
    PJ* operation(const EllipsoidConstants& e, double meridian, double prefix) {
        char definition[256];
        std::snprintf(definition, sizeof definition,
                      "+proj=tmerc +lat_0=0 +lon_0=%.17g +k=1 +x_0=%.17g +y_0=0 +a=%.17g +b=%.17g",
                      meridian, prefix, e.a, e.b);
        PJ*& p = operations_[definition];
        if (!p) p = proj_create(context_, definition);
        return p;
    }

private:
    PJ_CONTEXT* context_;
    std::map<std::string, PJ*> operations_;
};

// The zone prefix of a meridian, as the kilometre grid writes it.
double prefixOf(Width w, double meridian) {
    const double n = w == Width::Six     ? (meridian + 3) / 6
                     : w == Width::Three ? meridian / 3
                                         : meridian / 1.5 - 1;
    return n * 1e6 + (n >= 0 ? 500000 : -500000);
}

TEST(AgainstProj, ChinaWithinThreeAndAHalfDegreesOfTheMeridian) {
    ProjPeer peer;
    struct Ellipsoid {
        const char16_t* code;
        const EllipsoidConstants* constants;
    };
    const Ellipsoid ellipsoids[] = {
        {u"BJ", &kBeijing1954}, {u"XA", &kXian1980}, {u"WGS", &kWgs84}, {u"CGCS", &kCgcs2000},
        {u"BJ-STD", &kBeijing1954Standard}};
    double worstX = 0, worstY = 0, worstLatitude = 0, worstLongitude = 0;
    int points = 0;
    for (const Ellipsoid& e : ellipsoids) {
        for (Width w : {Width::Six, Width::Three, Width::OneAndHalf}) {
            const double step = w == Width::Six ? 6 : w == Width::Three ? 3 : 1.5;
            for (double meridian = step * std::ceil(72 / step); meridian <= 135; meridian += step) {
                if (w == Width::Six && std::fmod(meridian + 3, 6) != 0) continue;
                for (int i = 0; i <= 20; ++i) {
                    for (int j = -7; j <= 7; ++j) {
                        // whole degrees, minutes and seconds to 3 places, as a surveyor writes
                        const int latitudeSeconds = 18 * 3600 + i * 6300 + 1234 + 37 * j;  // 18°..53°
                        const long longitudeMs = std::lround((meridian + j * 0.5) * 3600000) + (j % 2) * 1234567;
                        if (longitudeMs < 73 * 3600000L || longitudeMs > 135 * 3600000L) continue;
                        const auto dmsOf = [](long ms) {
                            char text[40];
                            std::snprintf(text, sizeof text, "%ld.%02ld%05ld", ms / 3600000, ms / 60000 % 60,
                                          ms % 60000);
                            return std::stod(text);
                        };
                        const double b = dmsOf(latitudeSeconds * 1000L + 500);
                        const double l = dmsOf(longitudeMs);
                        double x = b, y = l;
                        double zoneMeridian = 0;
                        forward(w, x, y, meridian, u16(e.code), &zoneMeridian);
                        PJ* p = peer.operation(*e.constants, zoneMeridian, prefixOf(w, zoneMeridian));
                        ASSERT_NE(p, nullptr);
                        const PJ_COORD grid = proj_trans(
                            p, PJ_FWD,
                            proj_coord(proj_torad(longitudeMs / 3600000.0L), proj_torad((latitudeSeconds + 0.5L) / 3600), 0, 0));
                        worstX = std::max(worstX, std::abs(x - grid.xy.y));
                        worstY = std::max(worstY, std::abs(y - grid.xy.x));

                        // The inverse from the same grid numbers.
                        const PJ_COORD geo = proj_trans(p, PJ_INV, proj_coord(y, x, 0, 0));
                        double latitude = x, longitude = y;
                        ASSERT_EQ(inverse(w, latitude, longitude, u16(e.code)), QString());
                        worstLatitude = std::max(worstLatitude,
                                                 std::abs(dmsSeconds(latitude) - proj_todeg(geo.lp.phi) * 3600));
                        worstLongitude = std::max(
                            worstLongitude, std::abs(dmsSeconds(longitude) - proj_todeg(geo.lp.lam) * 3600));
                        ++points;
                    }
                }
            }
        }
    }
    std::cout << "[ against PROJ over " << points << " points ] X " << worstX * 1000 << " mm, Y "
              << worstY * 1000 << " mm, latitude " << worstLatitude << "\", longitude " << worstLongitude
              << "\"\n";
    RecordProperty("points", points);
    RecordProperty("worst_x_mm", std::to_string(worstX * 1000));
    RecordProperty("worst_y_mm", std::to_string(worstY * 1000));
    RecordProperty("worst_latitude_arcsec", std::to_string(worstLatitude));
    RecordProperty("worst_longitude_arcsec", std::to_string(worstLongitude));
    EXPECT_GT(points, 10000);
    EXPECT_LE(worstX, 0.0015);
    EXPECT_LE(worstY, 0.0015);
    EXPECT_LE(worstLatitude, 0.0002);
    EXPECT_LE(worstLongitude, 0.0002);
}

// ---- The integer arithmetic gives the digits of the text arithmetic ----

TEST(SameDigits, HelpersMatchTheirTextualForms) {
    std::mt19937_64 rng(20240613);
    std::uniform_real_distribution<double> wide(-200, 200);
    std::vector<double> values = {
        // ties of the 15-digit decimal (half to even), and of the rounding helpers
        123456789012344.5, 123456789012345.5, 12345678901234.25, 12345678901234.75, 1234567890123.125,
        0.5, 2.5, -2.5, 1.005, 2.675, 0.1 + 0.2, 179769313486231.5, -179769313486232.0, 1e-13, 3e-9,
        59.99999999999999, 29.999999999, 21.2499994444444, 117.4960, 117.5960, -0.006, 0, -0.0,
        // the 15-digit decimal carried into the next integer
        0.9999999999999999, 117.99999999999999, -39.999999999999996, 9.999999999999998,
        99.99999999999999, 179.99999999999997};
    for (int i = 0; i < 120000; ++i) {
        double v = wide(rng);
        switch (i % 6) {
        case 0: break;
        case 1: v = std::round(v * 1e7) / 1e7; break;   // a D.MMSS as typed
        case 2: v = std::round(v * 1e8) / 1e8 + (i % 4 - 2) * 1e-12; break;  // near a rounding place
        case 3: v = (std::round(v * 1e3) + 0.5) / 1e3; break;  // a half at the 4th place
        case 4: v = std::ldexp(double(rng() >> 11), -52 - int(rng() % 60)); break;  // small
        case 5: v *= 1e5 + double(rng() % 100000); break;  // grid sized
        }
        values.push_back(v);
    }
    long mismatches = 0;
    const auto same = [&mismatches](const char* what, double in, double fast, double text) {
        if (fast == text || (std::isnan(fast) && std::isnan(text))) return;
        if (++mismatches <= 10) ADD_FAILURE() << what << "(" << show(in) << "): " << show(fast) << " against " << show(text);
    };
    for (double v : values) {
        for (int places : {0, 2, 3, 8, 15, 17}) same("GeoRound", v, GeoRound(v, places), textual::GeoRound(v, places));
        same("GeoDmsToDegrees", v, GeoDmsToDegrees(v), textual::GeoDmsToDegrees(v));
        same("GeoDegreesToRadians", v, GeoDegreesToRadians(v), textual::GeoDegreesToRadians(v));
        same("GeoDegreesToDms", v, GeoDegreesToDms(v), textual::GeoDegreesToDms(v));
        same("GeoNormaliseDms", v, GeoNormaliseDms(v), textual::GeoNormaliseDms(v));
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(SameDigits, SurveyAnglesMatchTheirTextualForms) {
    // The angles the projections see most, 1 to 1000 degrees: D.MMSS as typed (seconds to 3..5
    // places, minutes and seconds up to 59.999), degrees anywhere in between, values a few
    // units of the last place from a half of the 8th place, and exact halves of the 16th digit.
    std::mt19937_64 rng(20240615);
    std::uniform_int_distribution<int> degrees(1, 999), minutes(0, 59), seconds(0, 59999);
    std::uniform_real_distribution<double> anywhere(1, 1000);
    long mismatches = 0;
    const auto same = [&mismatches](const char* what, double in, double fast, double text) {
        if (fast == text) return;
        if (++mismatches <= 10) ADD_FAILURE() << what << "(" << show(in) << "): " << show(fast) << " against " << show(text);
    };
    for (int i = 0; i < 200000; ++i) {
        double v = 0;
        switch (i % 4) {
        case 0: {
            char text[48];
            std::snprintf(text, sizeof text, "%d.%02d%05d%d", degrees(rng), minutes(rng), seconds(rng), int(rng() % 100));
            v = std::stod(text);
            break;
        }
        case 1: v = anywhere(rng); break;
        case 2: v = std::nextafter(std::round(anywhere(rng) * 1e8) / 1e8 + 5e-9, 0.0) + double(int(rng() % 9) - 4) * 1e-14; break;
        case 3: {  // odd / 2^(s+1) at s decimals of the 15-digit decimal: a half in its 16th digit
            const double a = anywhere(rng);
            const int s = a >= 100 ? 12 : a >= 10 ? 13 : 14;
            v = std::ldexp(2 * std::floor(std::ldexp(a, s)) + 1, -(s + 1));
            break;
        }
        }
        if (rng() % 2) v = -v;
        same("GeoDmsToDegrees", v, GeoDmsToDegrees(v), textual::GeoDmsToDegrees(v));
        same("GeoDegreesToRadians", v, GeoDegreesToRadians(v), textual::GeoDegreesToRadians(v));
        same("GeoDmsToRadians", v, GeoDmsToRadians(v), textual::GeoDmsToRadians(v));
        const double dms = GeoDegreesToDms(v);
        same("GeoDegreesToDms", v, dms, textual::GeoDegreesToDms(v));
        same("GeoRound(dms, 8)", dms, GeoRound(dms, 8), textual::GeoRound(dms, 8));
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(SameDigits, RepeatedZoneChoicesMatchTheTextualForms) {
    // The fast projections keep recent zone choices: the same chosen meridian again, under
    // another width or after other meridians, must still give the textual results.
    const double chosen[] = {117, 117.5, 0.0, -0.0, 111, 118.5, 117};
    for (int pass = 0; pass < 2; ++pass) {
        for (const Width w : {Width::Six, Width::Three, Width::OneAndHalf}) {
            for (const double meridian : chosen) {
                for (const double l : {117.3, 0.3, -0.3}) {
                    SCOPED_TRACE(std::string(name(w)) + " " + show(l) + " chosen " + show(meridian));
                    double x1 = 39.4125536, y1 = l, x2 = x1, y2 = l;
                    double meridian1 = 0, meridian2 = 0;
                    const QString m1 = forward(w, x1, y1, meridian, u16(u"BJ"), &meridian1);
                    const QString m2 = forwardReference(w, x2, y2, meridian, u16(u"BJ"), &meridian2);
                    EXPECT_EQ(m1, m2);
                    EXPECT_EQ(meridian1, meridian2);
                    EXPECT_EQ(x1, x2);
                    EXPECT_EQ(y1, y2);
                }
            }
        }
    }
}

TEST(SameDigits, ProjectionsMatchTheirTextualForms) {
    std::mt19937_64 rng(20240614);
    std::uniform_real_distribution<double> latitude(-89.99, 89.99), longitude(-180, 180), offset(-5, 5);
    const char16_t* codes[] = {u"BJ", u"XA", u"WGS", u"CGCS"};
    long mismatches = 0;
    for (int i = 0; i < 30000; ++i) {
        const QString code = u16(codes[i % 4]);
        const Width w = Width(i / 4 % 3);
        const double b = GeoRound(latitude(rng), 5 + i % 5);
        const double l = GeoRound(longitude(rng), 5 + i % 6);
        const double chosen = std::round(l) + std::round(offset(rng));
        double x1 = b, y1 = l, x2 = b, y2 = l;
        QString m1 = forward(w, x1, y1, chosen, code);
        QString m2 = forwardReference(w, x2, y2, chosen, code);
        if ((x1 != x2 || y1 != y2 || m1 != m2) && ++mismatches <= 10)
            ADD_FAILURE() << "forward " << name(w) << " " << show(b) << " " << show(l) << ": " << show(x1)
                          << " " << show(y1) << " against " << show(x2) << " " << show(y2);

        // Back from the grid numbers, moved by up to a millimetre to leave the round trip.
        const double gx = x1 + double(int(rng() % 3) - 1) * 0.001, gy = y1;
        double a1 = gx, c1 = gy, a2 = gx, c2 = gy;
        m1 = inverse(w, a1, c1, code);
        m2 = inverseReference(w, a2, c2, code);
        if ((a1 != a2 || c1 != c2 || m1 != m2) && ++mismatches <= 10)
            ADD_FAILURE() << "inverse " << name(w) << " " << show(gx) << " " << show(gy) << ": " << show(a1)
                          << " " << show(c1) << " against " << show(a2) << " " << show(c2);
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(SameDigits, InverseResultsAtWholeMinutesMatchTheTextualForms) {
    // Points on whole minutes and degrees come back from their grid numbers with seconds at or
    // next to 0 and 60, where the output carries into the minutes and the degrees; latitudes
    // about 10 degrees and longitudes about 10 and 100 change the places of the results'
    // decimals (the footpoint latitude lies on the other side of 10 for some). Each point is
    // projected on a few meridians, and its grid numbers moved by up to a millimetre go back
    // the fast way and the textual way.
    const double latitudes[] = {10.0, 9.59, 10.01, 9.5959, 0.01, 1.0, 39.41, 45.0, 60.3, 80.0};
    const double longitudes[] = {10.0, 9.59, 10.01, 100.0, 99.59, 100.01, 0.01, 117.5, 123.59, 179.0};
    const char16_t* codes[] = {u"BJ", u"XA", u"WGS", u"CGCS"};
    long compared = 0, mismatches = 0;
    for (const Width w : {Width::Six, Width::Three, Width::OneAndHalf}) {
        for (const char16_t* code : codes) {
            for (const double b : latitudes) {
                for (const double l : longitudes) {
                    for (const double sign : {1.0, -1.0}) {
                        for (const double away : {-2.0, 0.0, 2.0}) {
                            double x = sign * b, y = sign * l;
                            forward(w, x, y, GeoDmsToDegrees(y) + away, u16(code));
                            if (x == 0 && y == 0) continue;
                            for (int i = 0; i < 9; ++i) {
                                const double gx = x + (i % 3 - 1) * 0.001, gy = y + (i / 3 - 1) * 0.001;
                                double x1 = gx, y1 = gy, x2 = gx, y2 = gy;
                                const QString m1 = inverse(w, x1, y1, u16(code));
                                const QString m2 = inverseReference(w, x2, y2, u16(code));
                                ++compared;
                                if ((x1 != x2 || y1 != y2 || m1 != m2) && ++mismatches <= 10)
                                    ADD_FAILURE() << name(w) << " " << show(gx) << " " << show(gy) << ": "
                                                  << show(x1) << " " << show(y1) << " against " << show(x2)
                                                  << " " << show(y2);
                            }
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(compared, 40000);
    EXPECT_EQ(mismatches, 0);
}

}  // namespace
