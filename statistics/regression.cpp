#include "statistics/regression.h"

#include <Eigen/Dense>
#include <boost/math/distributions/students_t.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace cesuan {

namespace {

using Real = long double;
using Matrix = Eigen::Matrix<Real, Eigen::Dynamic, Eigen::Dynamic>;
using Vector = Eigen::Matrix<Real, Eigen::Dynamic, 1>;

// The powers 1, u, u², … of one scaled x.
Vector powersOf(Real u, int p) {
    Vector h(p);
    Real power = 1;
    for (int k = 0; k < p; ++k, power *= u) h(k) = power;
    return h;
}

Real binomial(int n, int k) {
    Real b = 1;
    for (int i = 1; i <= k; ++i) b = b * Real(n - k + i) / Real(i);
    return b;
}

bool finite(Real v) { return std::isfinite(v) && std::fabs(v) <= std::numeric_limits<double>::max(); }

}  // namespace

bool ReadExtendedNumber(QStringView text, long double& value) {
    const QByteArray bytes = text.trimmed().toLatin1();
    const char* begin = bytes.constData();
    const char* end = begin + bytes.size();
    if (begin != end && *begin == '+') ++begin;
    if (begin == end || *begin == '+') return false;
    const auto [stop, error] = std::from_chars(begin, end, value);
    return error == std::errc() && stop == end && std::isfinite(double(value));
}

RegressionProblem FitPolynomial(std::span<const double> x, std::span<const double> y, int degree, RegressionFit& fit) {
    const std::vector<long double> wideX(x.begin(), x.end()), wideY(y.begin(), y.end());
    return FitPolynomial(std::span<const long double>(wideX), std::span<const long double>(wideY), degree, fit);
}

RegressionProblem FitPolynomial(std::span<const long double> x, std::span<const long double> y, int degree,
                                RegressionFit& fit) {
    fit = RegressionFit{};
    if (degree < 1 || degree > 3) return RegressionProblem::BadDegree;
    const std::size_t n = std::min(x.size(), y.size());
    const int p = degree + 1;
    if (n < std::size_t(p) + 1) return RegressionProblem::TooFewPoints;
    for (std::size_t i = 0; i < n; ++i)
        if (!finite(x[i]) || !finite(y[i])) return RegressionProblem::NotFinite;
    std::vector<Real> distinct(x.begin(), x.begin() + std::ptrdiff_t(n));
    std::sort(distinct.begin(), distinct.end());
    if (std::unique(distinct.begin(), distinct.end()) - distinct.begin() < p) return RegressionProblem::TooFewXValues;

    // x scaled to [−1, 1] keeps the columns of the design of one size.
    const Real lo = distinct.front(), hi = distinct.back();
    const Real centre = lo / 2 + hi / 2, scale = hi / 2 - lo / 2;
    Matrix design(static_cast<Eigen::Index>(n), p);
    Vector values(static_cast<Eigen::Index>(n));
    for (std::size_t i = 0; i < n; ++i) {
        design.row(Eigen::Index(i)) = powersOf((x[i] - centre) / scale, p).transpose();
        values(Eigen::Index(i)) = y[i];
    }
    const Eigen::HouseholderQR<Matrix> qr(design);
    const Vector a = qr.solve(values);
    const Matrix upper = qr.matrixQR().topLeftCorner(p, p).triangularView<Eigen::Upper>();
    const Matrix rInverse = upper.triangularView<Eigen::Upper>().solve(Matrix::Identity(p, p));
    const Matrix inverse = rInverse * rInverse.transpose();  // (RᵀR)⁻¹

    const Vector residuals = values - design * a;
    const Real rss = residuals.squaredNorm();
    const Real tss = (values.array() - values.mean()).matrix().squaredNorm();
    const Real variance = rss / Real(Eigen::Index(n) - p);

    // b = T a: the powers of (x − c)/s expanded in powers of x.
    Matrix t = Matrix::Zero(p, p);
    for (int k = 0; k < p; ++k)
        for (int j = 0; j <= k; ++j)
            t(j, k) = binomial(k, j) * std::pow(-centre, Real(k - j)) / std::pow(scale, Real(k));
    const Vector b = t * a;
    const Matrix covariance = variance * (t * inverse * t.transpose());

    fit.degree = degree;
    fit.n = int(n);
    fit.centre = double(centre);
    fit.scale = double(scale);
    for (int k = 0; k < p; ++k) {
        fit.coefficients.push_back(double(b(k)));
        fit.stdErrors.push_back(double(std::sqrt(std::max(covariance(k, k), Real(0)))));
        fit.scaledCoefficients.push_back(a(k));
        for (int j = 0; j < p; ++j) fit.scaledInverse.push_back(inverse(k, j));
    }
    const Real r2 = tss > 0 ? 1 - rss / tss : 1;
    fit.r2 = double(r2);
    const Real r = std::sqrt(std::max(r2, Real(0)));
    fit.r = double(degree == 1 && b(1) < 0 ? -r : r);
    fit.residualSd = double(std::sqrt(variance));
    bool finiteResults = finite(rss) && finite(tss) && std::isfinite(fit.residualSd);
    for (double v : fit.coefficients) finiteResults = finiteResults && std::isfinite(v);
    for (double v : fit.stdErrors) finiteResults = finiteResults && std::isfinite(v);
    if (finiteResults) return RegressionProblem::None;
    fit = RegressionFit{};
    return RegressionProblem::NotFinite;
}

namespace {

Vector scaledPowers(const RegressionFit& fit, double x) {
    return powersOf((Real(x) - Real(fit.centre)) / Real(fit.scale), fit.degree + 1);
}

}  // namespace

double FittedValue(const RegressionFit& fit, double x) {
    const int p = fit.degree + 1;
    if (int(fit.scaledCoefficients.size()) != p) return std::numeric_limits<double>::quiet_NaN();
    const Vector h = scaledPowers(fit, x);
    Real y = 0;
    for (int k = 0; k < p; ++k) y += fit.scaledCoefficients[std::size_t(k)] * h(k);
    return double(y);
}

RegressionPrediction PredictAt(const RegressionFit& fit, double x) {
    RegressionPrediction prediction;
    const int p = fit.degree + 1;
    prediction.y = FittedValue(fit, x);
    if (int(fit.scaledInverse.size()) != p * p || fit.n <= p) {
        prediction.halfWidth = std::numeric_limits<double>::quiet_NaN();
        return prediction;
    }
    const Vector h = scaledPowers(fit, x);
    Real leverage = 0;
    for (int k = 0; k < p; ++k)
        for (int j = 0; j < p; ++j) leverage += h(k) * fit.scaledInverse[std::size_t(k * p + j)] * h(j);
    const boost::math::students_t distribution(double(fit.n - p));
    const double t = boost::math::quantile(distribution, 0.975);
    prediction.halfWidth = double(Real(t) * Real(fit.residualSd) * std::sqrt(1 + leverage));
    return prediction;
}

namespace {

// The decimal exponent of a value rounded to `digits` significant digits.
int exponentOf(double value, int digits) {
    const QString text = QString::number(value, 'e', digits - 1);
    return text.mid(text.indexOf(u'e') + 1).toInt();
}

QString trimmedZeros(QString text) {
    const qsizetype e = text.indexOf(u'e');
    QString exponent = e >= 0 ? text.mid(e) : QString();
    QString mantissa = e >= 0 ? text.left(e) : text;
    if (mantissa.contains(u'.')) {
        while (mantissa.endsWith(u'0')) mantissa.chop(1);
        if (mantissa.endsWith(u'.')) mantissa.chop(1);
    }
    return mantissa + exponent;
}

QString significant(double value, int digits, bool trim) {
    if (!std::isfinite(value)) return QString::number(value);
    if (value == 0) return QStringLiteral("0");
    digits = std::clamp(digits, 1, 15);
    const int exponent = exponentOf(value, digits);
    QString text;
    if (exponent < -4 || exponent >= 15) {
        text = QString::number(value, 'e', digits - 1);
    } else if (digits - 1 - exponent >= 0) {
        text = QString::number(value, 'f', digits - 1 - exponent);
    } else {
        // Rounded to a place left of the point: the digits, then zeros.
        const QString e = QString::number(std::fabs(value), 'e', digits - 1);
        QString mantissa = e.left(e.indexOf(u'e'));
        mantissa.remove(u'.');
        text = (value < 0 ? QStringLiteral("-") : QString()) + mantissa + QString(exponent - (digits - 1), u'0');
        return text;
    }
    return trim ? trimmedZeros(text) : text;
}

}  // namespace

QString FormatSignificant(double value, int digits) { return significant(value, digits, false); }

QString FormatWithUncertainty(double value, double uncertainty) {
    if (!(uncertainty > 0) || !std::isfinite(uncertainty) || value == 0 || !std::isfinite(value))
        return significant(value, 15, true);
    // Rounded at the place of the uncertainty's second significant digit.
    const int exponent = exponentOf(value, 15);
    const int decimals = 1 - exponentOf(uncertainty, 2);
    const int digits = exponent + decimals + 1;
    if (digits >= 1 && digits <= 15 && exponent >= -4 && exponent < 15 && decimals >= 0)
        return QString::number(value, 'f', decimals);
    return significant(value, std::clamp(digits, 1, 15), false);
}

}  // namespace cesuan
