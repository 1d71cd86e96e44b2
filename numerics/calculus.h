#pragma once
// Derivatives and definite integrals of a typed formula f(x): x is the memory variable x of
// the calculator, the other variables keep their values, and every value of f is the one the
// calculator's own road (evaluator/calculate.h) gives with the program's settings. The first
// and second derivative come from Ridders' Richardson extrapolation of central differences,
// the integral from Boost.Math's adaptive Gauss–Kronrod quadrature (infinite limits mapped
// onto a finite range), or its tanh-sinh rule where an endpoint singularity leaves the former
// rough; each with its error estimate and the significant digits it supports.
// The notices raised while sampling f are collected, each text once with its count.

#include "evaluator/calc_context.h"
#include "numerics/entries.h"

#include <QList>
#include <QPointF>
#include <QString>

#include <vector>

namespace cesuan {

// A notice text raised while sampling f, and how often.
struct CollectedWarning {
    QString text;
    int count = 0;
    bool operator==(const CollectedWarning&) const = default;
};

// f(x) through the calculator: x is written into the memory variable x; every notice is
// collected instead of shown.
class FunctionOfX {
public:
    FunctionOfX(const CalcSettings& settings, const QString& formula, int places = 28);
    // f(x), or nothing (with `problem` naming x and the evaluator's message).
    std::optional<double> operator()(double x);
    QString problem;
    std::vector<CollectedWarning> warnings;
    int evaluations = 0;

private:
    CalcContext context_;
    QString formula_;
};

// The warnings as lines ("text（共n次）").
QStringList WarningLines(const std::vector<CollectedWarning>& warnings);

struct CalculusResult {
    QString problem;
    bool cancelled = false;
    bool ok() const { return problem.isEmpty() && !cancelled; }
    double value = 0;
    double error = 0;  // the estimate of |value − true value|
    int digits = 0;    // the significant digits the estimate supports (1 … 15)
    std::vector<CollectedWarning> warnings;
    QStringList notes;  // what the result itself is like (a rough integral)
};

// The significant digits of `value` that an error of `error` leaves right (1 … 15).
int DigitsSupported(double value, double error);

// A point, or a limit: a formula, or ∞ / +∞ / -∞ / inf for a limit.
struct PointValue {
    double value = 0;
    QString problem;
};
PointValue ReadPoint(const CalcSettings& settings, const QString& text, const QString& place, bool infinityAllowed);

// d f / dx (order 1) or d² f / dx² (order 2) at x0, per unit of x as typed. Refused in 度分秒.
CalculusResult Differentiate(const CalcSettings& settings, const QString& formula, double x0, int order,
                             const StopFlag& stop);

// ∫ f(x) dx from a to b (either may be infinite). Refused in 度分秒.
CalculusResult Integrate(const CalcSettings& settings, const QString& formula, double a, double b,
                         const StopFlag& stop);

// f sampled at `count` evenly spaced points of [from, to], as runs of points where f has a
// finite value (a failing sample breaks the run). Warnings go to `warnings`.
std::vector<std::vector<QPointF>> SampleCurve(const CalcSettings& settings, const QString& formula, double from,
                                              double to, int count, std::vector<CollectedWarning>& warnings,
                                              const StopFlag& stop);

}  // namespace cesuan
