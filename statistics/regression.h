#pragma once
// Least-squares fit of y on a polynomial in x of degree 1, 2 or 3, by a Householder QR
// decomposition in extended precision of the design matrix in a centred and scaled x
// (Eigen), with the coefficients and their standard errors in powers of x itself, the
// correlation, the residual standard deviation, and predictions with their 95 % prediction
// intervals (Student's t, Boost.Math).

#include <QString>

#include <span>
#include <vector>

namespace cesuan {

enum class RegressionProblem {
    None,
    BadDegree,       // a degree other than 1, 2 or 3
    TooFewPoints,    // fewer than degree + 2 pairs: no residual left to judge the fit by
    TooFewXValues,   // fewer than degree + 1 different x values
    NotFinite,       // a value, or a result, that is not a finite number
};

struct RegressionFit {
    int degree = 1;
    int n = 0;
    std::vector<double> coefficients;  // b0 (the constant), b1 … b_degree
    std::vector<double> stdErrors;     // in the same order
    double r = 0;           // degree 1: Pearson's r with the sign of b1; above: the multiple correlation √r²
    double r2 = 0;          // 1 − RSS / TSS (1 when y is constant and fitted exactly)
    double residualSd = 0;  // √(RSS / (n − degree − 1))
    // What the predictions need: the centre and scale of x, the coefficients in the scaled x
    // and (RᵀR)⁻¹ of the scaled design, row by row.
    double centre = 0, scale = 1;
    std::vector<long double> scaledCoefficients;
    std::vector<long double> scaledInverse;
};

// The data travel in extended precision, so that decimals read from a text keep the digits
// a double would round away: the results are then those of the decimals to nearly the last
// bit of a double.
// After a problem the fit is empty (n = 0).
RegressionProblem FitPolynomial(std::span<const long double> x, std::span<const long double> y, int degree,
                                RegressionFit& fit);
RegressionProblem FitPolynomial(std::span<const double> x, std::span<const double> y, int degree, RegressionFit& fit);

// A number text ("0.11019", "-1.5E+3", "+2") in extended precision; false for anything else,
// or for a value out of range.
bool ReadExtendedNumber(QStringView text, long double& value);

// The fitted value at x and the half width of its 95 % prediction interval for a new
// observation: t(0.975, n − degree − 1) · s · √(1 + hᵀ(RᵀR)⁻¹h).
struct RegressionPrediction {
    double y = 0;
    double halfWidth = 0;
};
RegressionPrediction PredictAt(const RegressionFit& fit, double x);

// The fitted value alone.
double FittedValue(const RegressionFit& fit, double x);

// A value with the digits its uncertainty leaves it: rounded to the place of the second
// significant digit of `uncertainty`, 15 significant digits at most (all 15 when the
// uncertainty is 0 or not finite), in plain decimals unless the value is below 1e-4 or has
// 15 or more integer digits.
QString FormatWithUncertainty(double value, double uncertainty);
// A value to `digits` significant digits (1 … 15), written the same way.
QString FormatSignificant(double value, int digits);

}  // namespace cesuan
