#pragma once
// The reference ellipsoids of the projections: Beijing 1954 (Krassovsky, with
// a = 6378245.116 m), Xi'an 1980 (IAG 1975), WGS 84, CGCS2000 and the standard Krassovsky
// 1940 ellipsoid of Beijing 1954 (a = 6378245 m), each with the working constants of the
// Gauss–Krüger series. Constant tables only: a projection is given the row
// it works on.

#include <QString>

#include <array>

namespace cesuan {

// One reference ellipsoid with the series coefficients of the projection.
struct EllipsoidConstants {
    double a;           // semi-major axis, m
    double b;           // semi-minor axis, m
    double f;           // flattening (a - b) / a
    double e2;          // first eccentricity squared
    double ep2;         // second eccentricity squared
    double a1e2;        // a (1 - e2), m
    double rectRadius;  // rectifying radius a * arcK, m
    double arcK;        // meridian arc: coefficient of B
    double arcC2;       //               of sin 2B
    double arcC4;       //               of sin 4B
    double arcC6;       //               of sin 6B
    double fp2;         // footpoint latitude: coefficient of sin 2μ
    double fp4;         //                     of sin 4μ
    double fp6;         //                     of sin 6μ
    double falseNorthing = 0;   // m
    double falseEasting = 500000;  // m
    double scale = 1;           // on the central meridian
};

// Beijing 1954 (Krassovsky, with a = 6378245.116 m), Xi'an 1980 (IAG 1975), WGS 84,
// CGCS2000 and Beijing 1954 on the standard Krassovsky ellipsoid (a = 6378245 m,
// 1/f = 298.3, as other geodetic software has it). The first three rows are the published
// working constants, used as they stand.
extern const EllipsoidConstants kBeijing1954;
extern const EllipsoidConstants kXian1980;
extern const EllipsoidConstants kWgs84;
extern const EllipsoidConstants kCgcs2000;
extern const EllipsoidConstants kBeijing1954Standard;

// The ellipsoids a screen offers, in its order: code for EllipsoidOfCode and display name.
struct EllipsoidChoice {
    QString code;  // "BJ", "XA", "WGS", "CGCS", "BJ-STD"
    QString name;  // as the ellipsoid list shows it and the result headers name it: 北京, 西安, WGS,
                   // CGCS2000, 北京54（标准）
};
const std::array<EllipsoidChoice, 5>& EllipsoidChoices();

// The row of a code without leading and trailing blanks, upper-cased: "XA" Xi'an 1980, "WGS"
// WGS 84, "CGCS" CGCS2000, "BJ-STD" the standard Beijing 1954, anything else (normally "BJ")
// Beijing 1954.
const EllipsoidConstants& EllipsoidOfCode(const QString& code);

}  // namespace cesuan
