#include "numerics/calculus.h"

#include "numerics/calculus_texts.h"
#include "numerics/number_format.h"
#include "numerics/numerics_texts.h"

#include <boost/math/quadrature/gauss_kronrod.hpp>
#include <boost/math/quadrature/tanh_sinh.hpp>

#include <algorithm>
#include <cmath>
#include <exception>
#include <functional>
#include <limits>

namespace cesuan {

namespace t = texts::calculus;

namespace {

// The memory variable x among r … z.
constexpr std::size_t kSlotX = 6;

// Thrown out of the quadrature: the stop flag was set, or f failed at a sample.
struct Stopped {};
struct Failed {};

// How often the quadrature may halve an interval, and from how far out (|x|) on an infinite
// range a sample that leaves the calculator's range counts as 0.
constexpr unsigned kMaxDepth = 18;
constexpr double kFarOut = 10;

void collect(std::vector<CollectedWarning>& into, const Notices& notices) {
    for (const Notice& notice : notices) {
        auto found = std::find_if(into.begin(), into.end(), [&](const CollectedWarning& w) { return w.text == notice.text; });
        if (found == into.end())
            into.push_back({notice.text, 1});
        else
            ++found->count;
    }
}

QString refusal(const CalcSettings& settings, const QString& formula) {
    if (formula.trimmed().isEmpty()) return t::kEmptyFunction;
    if (settings.angleUnit == AngleUnit::Dms) return t::kDmsRefused;
    return QString();
}

}  // namespace

FunctionOfX::FunctionOfX(const CalcSettings& settings, const QString& formula, int places)
    : context_{settings, {}}, formula_(formula) {
    context_.settings.decimalPlaces = places;
}

std::optional<double> FunctionOfX::operator()(double x) {
    ++evaluations;
    context_.settings.memoryVariables[kSlotX] = CalcValue(QString::number(x, 'g', 17));
    const EntryValue y = EvaluateEntry(context_, formula_, t::kFormulaPlace);
    collect(warnings, TakeNotices(context_.journal));
    if (!y.ok()) {
        if (problem.isEmpty()) problem = t::failedAt(QString::number(x, 'g', 15), y.problem);
        return std::nullopt;
    }
    return y.value;
}

QStringList WarningLines(const std::vector<CollectedWarning>& warnings) {
    QStringList lines;
    for (const CollectedWarning& w : warnings) lines.append(t::warningCount(w.text, w.count));
    return lines;
}

int DigitsSupported(double value, double error) {
    if (!(error > 0)) return kDoubleDigits;
    if (value == 0 || !std::isfinite(value) || !std::isfinite(error)) return 1;
    const int digits = int(std::floor(std::log10(std::fabs(value) / error)));
    return std::clamp(digits, 1, kDoubleDigits);
}

PointValue ReadPoint(const CalcSettings& settings, const QString& text, const QString& place, bool infinityAllowed) {
    PointValue point;
    QString s = text.trimmed().toLower();
    s.replace(u'−', u'-').replace(u'＋', u'+').replace(u'－', u'-');
    if (infinityAllowed) {
        for (const QString& word : {QStringLiteral("∞"), QStringLiteral("inf")}) {
            if (s == word || s == u'+' + word) {
                point.value = std::numeric_limits<double>::infinity();
                return point;
            }
            if (s == u'-' + word) {
                point.value = -std::numeric_limits<double>::infinity();
                return point;
            }
        }
    }
    CalcContext context{settings, {}};
    const EntryValue value = EvaluateEntry(context, text, place);
    if (!value.ok()) {
        point.problem = value.problem;
        return point;
    }
    point.value = value.value;
    return point;
}

CalculusResult Differentiate(const CalcSettings& settings, const QString& formula, double x0, int order,
                             const StopFlag& stop) {
    CalculusResult result;
    result.problem = refusal(settings, formula);
    if (!result.problem.isEmpty()) return result;
    FunctionOfX f(settings, formula);
    const std::optional<double> f0 = f(x0);
    if (!f0) {
        result.problem = f.problem;
        result.warnings = f.warnings;
        return result;
    }
    // A central difference quotient with step h; its error is a series in h², which the
    // extrapolation removes term by term as h shrinks by kShrink.
    const auto quotient = [&](double h) -> std::optional<double> {
        if (stop.load()) throw Stopped();
        const std::optional<double> up = f(x0 + h);
        const std::optional<double> down = up ? f(x0 - h) : std::nullopt;
        if (!up || !down) return std::nullopt;
        return order == 1 ? (*up - *down) / (2 * h) : (*up - 2 * *f0 + *down) / (h * h);
    };
    constexpr double kShrink = 1.4, kShrink2 = kShrink * kShrink, kSafe = 2.0;
    constexpr int kTable = 14;
    double h = 0.1 * (x0 != 0 ? std::min(std::fabs(x0), 1.0) : 1.0);
    try {
        // f may be undefined a large step away (ln near 0): a shorter first step then.
        std::optional<double> first;
        for (int tries = 0; tries < 8 && !(first = quotient(h)); ++tries) h /= 10;
        if (!first) {
            result.problem = f.problem;
            result.warnings = f.warnings;
            return result;
        }
        f.problem.clear();
        double table[kTable][kTable];
        table[0][0] = *first;
        double best = *first, error = std::numeric_limits<double>::infinity();
        for (int i = 1; i < kTable; ++i) {
            h /= kShrink;
            const std::optional<double> q = quotient(h);
            if (!q) break;
            table[0][i] = *q;
            double factor = kShrink2;
            for (int j = 1; j <= i; ++j) {
                table[j][i] = (table[j - 1][i] * factor - table[j - 1][i - 1]) / (factor - 1);
                factor *= kShrink2;
                const double e = std::max(std::fabs(table[j][i] - table[j - 1][i]), std::fabs(table[j][i] - table[j - 1][i - 1]));
                if (e <= error) {
                    error = e;
                    best = table[j][i];
                }
            }
            // Higher orders only make it worse once rounding takes over.
            if (std::fabs(table[i][i] - table[i - 1][i - 1]) >= kSafe * error) break;
        }
        result.warnings = f.warnings;
        if (!std::isfinite(best) || !std::isfinite(error)) {
            result.problem = t::kNoDerivative;
            return result;
        }
        // The values of f carry about 15 significant digits at best.
        const double floor = 1e-15 * std::max(std::fabs(best), std::fabs(*f0) / std::pow(h * std::pow(kShrink, 3), order));
        result.value = best;
        // The extrapolation's own estimate is a difference of two of its entries: a factor
        // keeps it on the safe side.
        result.error = 4 * error + floor;
        result.digits = DigitsSupported(result.value, result.error);
        if (result.error > 1e-3 * std::max(std::fabs(best), std::fabs(*f0)) && result.error > 1e-12)
            result.problem = t::kNoDerivative;
        // A kink (|x| at 0) gives central quotients that agree on a wrong value: there the
        // one-sided quotients keep apart however short the step, while for a smooth f they
        // close in with the step.
        const auto gap = [&](double step) -> std::optional<double> {
            const std::optional<double> up = f(x0 + step), down = f(x0 - step);
            if (!up || !down) return std::nullopt;
            return ((*up - *f0) - (*f0 - *down)) / step;
        };
        const double probe = 1e-3 * (x0 != 0 ? std::min(std::fabs(x0), 1.0) : 1.0);
        const std::optional<double> wide = gap(probe), narrow = gap(probe / 10);
        if (result.problem.isEmpty() && wide && narrow && std::fabs(*narrow) > 0.5 * std::fabs(*wide) &&
            std::fabs(*narrow) > 1e-6 * std::max({std::fabs(best), std::fabs(*f0), 1.0}))
            result.problem = t::kNoDerivative;
    } catch (const Stopped&) {
        result = CalculusResult();
        result.cancelled = true;
    }
    return result;
}

CalculusResult Integrate(const CalcSettings& settings, const QString& formula, double a, double b,
                         const StopFlag& stop) {
    CalculusResult result;
    result.problem = refusal(settings, formula);
    if (!result.problem.isEmpty()) return result;
    if (a == b) {
        result.digits = kDoubleDigits;
        result.notes.append(t::kSameLimits);
        return result;
    }
    FunctionOfX f(settings, formula);
    // Over an infinite range the quadrature samples f far out, where a formula such as
    // 1/ε^(x^2) has long been below any double but its parts leave the calculator's range:
    // there a failing sample counts as 0, and the result says so.
    const bool infinite = std::isinf(a) || std::isinf(b);
    const double finiteEnd = std::isinf(a) ? (std::isinf(b) ? 0.0 : std::fabs(b)) : std::fabs(a);
    const double farOut = std::max(kFarOut, 2 * finiteEnd);
    int zeroed = 0;
    double zeroedFrom = std::numeric_limits<double>::infinity();
    const auto g = [&](double x) {
        if (stop.load()) throw Stopped();
        const std::optional<double> y = f(x);
        if (!y) {
            if (!infinite || std::fabs(x) < farOut) throw Failed();
            ++zeroed;
            zeroedFrom = std::min(zeroedFrom, std::fabs(x));
            f.problem.clear();
            return 0.0;
        }
        return *y;
    };
    try {
        double error = 0, l1 = 0;
        double value =
            boost::math::quadrature::gauss_kronrod<double, 31>::integrate(g, a, b, kMaxDepth, 1e-12, &error, &l1);
        // An endpoint singularity (1/x^0.5 at 0) leaves Gauss–Kronrod slow and its estimate
        // large; the tanh-sinh rule crowds its samples towards the ends and takes such an f in
        // stride. Its samples stay 1E-20 of the range clear of the ends, inside the
        // calculator's decimal range.
        if (std::isfinite(a) && std::isfinite(b) && !(error <= 1e-10 * std::fabs(value))) {
            try {
                double tsError = 0, tsL1 = 0;
                boost::math::quadrature::tanh_sinh<double> rule(12, 1e-20);
                const std::function<double(double)> h = g;
                const double tsValue = rule.integrate(h, a, b, 1e-12, &tsError, &tsL1);
                // What the samples leave out next to each end, bounded by the samples there.
                // Next to an end other than 0 a double comes no closer than its own spacing.
                const double clear = std::fabs(1e-20 * (b - a) / 2);
                const double dA = std::max(clear, 4 * std::numeric_limits<double>::epsilon() * std::fabs(a));
                const double dB = std::max(clear, 4 * std::numeric_limits<double>::epsilon() * std::fabs(b));
                const double step = b > a ? 1.0 : -1.0;
                const std::optional<double> nearA = f(a + step * dA), nearB = f(b - step * dB);
                f.problem.clear();
                const double endTerm = dA * std::fabs(nearA.value_or(0)) + dB * std::fabs(nearB.value_or(0));
                // An integrable singularity has x·f(x) → 0 at its end (x^-0.5: 1E-10 here);
                // 1/x keeps it at 1, and its integral diverges.
                if (endTerm > 1e-6 * std::fabs(tsValue)) {
                    result.warnings = f.warnings;
                    result.problem = t::kNotFinite;
                    return result;
                }
                tsError += 4 * endTerm;
                if (std::isfinite(tsValue) && std::isfinite(tsError) && !(tsError >= error)) {
                    value = tsValue;
                    error = tsError;
                    l1 = tsL1;
                }
            } catch (const Failed&) {
                f.problem.clear();
            } catch (const std::exception&) {
            }
        }
        result.warnings = f.warnings;
        if (!std::isfinite(value) || !std::isfinite(error)) {
            result.problem = t::kNotFinite;
            return result;
        }
        if (error >= std::fabs(value)) {
            // Not one digit is supported: a singularity inside, or a divergent integral.
            result.problem = t::kNotFinite;
            return result;
        }
        result.value = value;
        // The sum of the samples carries rounding of about 1e-15 of ∫|f|.
        result.error = std::max(error, 1e-15 * l1);
        result.digits = DigitsSupported(value, result.error);
        if (result.error > 1e-6 * std::max(std::fabs(value), 1e-300)) result.notes.append(t::kRoughIntegral);
        if (zeroed > 0) result.notes.append(t::zeroedFarOut(NumberText(zeroedFrom, 0, 3), zeroed));
    } catch (const Stopped&) {
        result = CalculusResult();
        result.cancelled = true;
    } catch (const Failed&) {
        result.problem = f.problem;
        result.warnings = f.warnings;
    } catch (const std::exception&) {
        result.problem = t::kNotFinite;
        result.warnings = f.warnings;
    }
    return result;
}

std::vector<std::vector<QPointF>> SampleCurve(const CalcSettings& settings, const QString& formula, double from,
                                              double to, int count, std::vector<CollectedWarning>& warnings,
                                              const StopFlag& stop) {
    std::vector<std::vector<QPointF>> runs(1);
    // The picture needs no more than double's digits.
    FunctionOfX f(settings, formula, 15);
    for (int i = 0; i < count && !stop.load(); ++i) {
        const double x = count > 1 ? from + (to - from) * i / (count - 1) : from;
        const std::optional<double> y = f(x);
        if (y && std::isfinite(*y))
            runs.back().push_back(QPointF(x, *y));
        else if (!runs.back().empty())
            runs.emplace_back();
    }
    if (runs.back().empty()) runs.pop_back();
    for (const CollectedWarning& w : f.warnings) {
        auto found = std::find_if(warnings.begin(), warnings.end(), [&](const CollectedWarning& c) { return c.text == w.text; });
        if (found == warnings.end())
            warnings.push_back(w);
        else
            found->count += w.count;
    }
    return runs;
}

}  // namespace cesuan
