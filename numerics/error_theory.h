#pragma once
// Survey error theory: the mean of repeated observations of one quantity with the mean error
// of one observation m = √([vv]/(n−1)), the mean error of the mean m/√n, the relative error
// 1/N of the mean and the 3m check for blunders; and the law of propagation of mean errors
// for a formula in several variables (the memory-variable letters r … z), its partial
// derivatives taken numerically (Boost.Math's sixth-order central finite differences) from
// the formula as the calculator computes it.

#include "numerics/entries.h"

#include <QList>
#include <QString>

#include <optional>

namespace cesuan {

inline constexpr int kMaxObservations = 100000;

struct ObservationSummary {
    QString problem;
    bool cancelled = false;
    bool ok() const { return problem.isEmpty() && !cancelled; }

    QList<double> observations;
    int n = 0;
    double mean = 0;
    QList<double> corrections;  // v = mean − observation
    double vv = 0;              // [vv]
    double m = 0;               // mean error of one observation
    double mMean = 0;           // mean error of the mean
    // N of the relative error 1/N = m_mean / |mean|, rounded down (the safe side); none when
    // the mean error of the mean is 0.
    std::optional<double> relative;
    QList<int> blunders;  // 1-based numbers of the observations with |v| > 3m
};

// The observations are the entries of the text (rows split as a matrix's rows), each a formula.
ObservationSummary ReadObservations(const CalcSettings& settings, const QString& text, const StopFlag& stop);
ObservationSummary SummariseObservations(const QList<double>& observations);

// One variable of a propagation: its letter, its value and its mean error.
struct PropagationVariable {
    QChar name;
    double value = 0;
    double error = 0;
    QString valueText;  // the value as the calculator gave it (every digit), which the formula reads
};

// The variables' lines, "x=125.36±0.02" (also "+-" for ±; the value and the mean error may
// be formulas), one a line; a problem names the line.
struct PropagationInput {
    QList<PropagationVariable> variables;
    QString problem;
    bool cancelled = false;
    bool ok() const { return problem.isEmpty() && !cancelled; }
};
PropagationInput ReadPropagationVariables(const CalcSettings& settings, const QStringList& lines, const StopFlag& stop);

struct PropagationResult {
    QString problem;
    bool cancelled = false;
    bool ok() const { return problem.isEmpty() && !cancelled; }
    double value = 0;            // the formula at the values
    double m = 0;                // its mean error: √Σ(∂f/∂xᵢ · mᵢ)²
    QList<double> derivatives;   // ∂f/∂xᵢ, by variable
    QList<double> contributions; // ∂f/∂xᵢ · mᵢ
    QList<double> shares;        // each variable's part of m², in percent
    QStringList notes;           // variables the formula does not read
};

// The formula's value with the program's settings; its derivatives from values computed to
// 28 decimal places (the step of a difference quotient is far below the shown places).
PropagationResult Propagate(const CalcSettings& settings, const QString& formula,
                            const QList<PropagationVariable>& variables, const StopFlag& stop);

}  // namespace cesuan
