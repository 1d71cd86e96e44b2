#include "numerics/error_theory.h"

#include "numerics/linear_system.h"
#include "numerics/numerics_texts.h"

#include <boost/math/differentiation/finite_difference.hpp>

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace cesuan {

namespace t = texts::numerics;

ObservationSummary SummariseObservations(const QList<double>& observations) {
    ObservationSummary s;
    s.observations = observations;
    s.n = int(observations.size());
    if (s.n < 2) {
        s.problem = t::kTooFewObservations;
        return s;
    }
    // The mean from the differences to the first observation: the common leading digits of
    // survey data do not cost digits of the sum.
    const double first = observations.first();
    double sum = 0;
    for (const double x : observations) sum += x - first;
    s.mean = first + sum / s.n;
    for (const double x : observations) {
        const double v = s.mean - x;
        s.corrections.append(v);
        s.vv += v * v;
    }
    s.m = std::sqrt(s.vv / (s.n - 1));
    s.mMean = s.m / std::sqrt(double(s.n));
    if (s.mMean > 0) s.relative = std::floor(std::fabs(s.mean) / s.mMean);
    for (int i = 0; i < s.n; ++i)
        if (std::fabs(s.corrections[i]) > 3 * s.m) s.blunders.append(i + 1);
    if (!std::isfinite(s.mean) || !std::isfinite(s.m)) {
        s = ObservationSummary();
        s.problem = t::kTooBig;
    }
    return s;
}

ObservationSummary ReadObservations(const CalcSettings& settings, const QString& text, const StopFlag& stop) {
    const TextRows rows = SplitRows(text);
    QStringList entries;
    for (const QStringList& row : rows.rows) entries += row;
    if (entries.size() > kMaxObservations) {
        ObservationSummary s;
        s.problem = t::tooManyObservations(int(entries.size()), kMaxObservations);
        return s;
    }
    QList<double> values;
    CalcContext context{settings, {}};
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (stop.load()) {
            ObservationSummary s;
            s.cancelled = true;
            return s;
        }
        const EntryValue value = EvaluateEntry(context, entries[i], t::observation(int(i + 1)));
        if (!value.ok()) {
            ObservationSummary s;
            s.problem = value.problem;
            return s;
        }
        values.append(value.value);
    }
    return SummariseObservations(values);
}

PropagationInput ReadPropagationVariables(const CalcSettings& settings, const QStringList& lines, const StopFlag& stop) {
    PropagationInput input;
    static const QRegularExpression kEquals(QStringLiteral("=|＝"));
    CalcContext context{settings, {}};
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (stop.load()) {
            input.cancelled = true;
            return input;
        }
        const QString line = lines[i].trimmed();
        if (line.isEmpty()) continue;
        const int number = int(i + 1);
        const qsizetype equals = line.indexOf(kEquals);
        qsizetype plusMinus = line.indexOf(u'±');
        qsizetype signLength = 1;
        if (plusMinus < 0) {
            plusMinus = line.indexOf(QStringLiteral("+-"));
            signLength = 2;
        }
        if (equals < 0 || plusMinus < equals) {
            input.problem = t::badVariableLine(number, line);
            return input;
        }
        const QString name = line.left(equals).trimmed().toLower();
        if (name.size() != 1 || name[0] < u'r' || name[0] > u'z') {
            input.problem = t::badVariableName(number, line.left(equals).trimmed());
            return input;
        }
        const QChar letter = name[0];
        for (const PropagationVariable& v : input.variables)
            if (v.name == letter) {
                input.problem = t::repeatedVariable(letter);
                return input;
            }
        const QString valueText = line.mid(equals + 1, plusMinus - equals - 1).trimmed();
        const QString errorText = line.mid(plusMinus + signLength).trimmed();
        const EntryValue value = EvaluateEntry(context, valueText, t::line(number) + t::variableValue(letter));
        if (!value.ok()) {
            input.problem = value.problem;
            return input;
        }
        const EntryValue error = EvaluateEntry(context, errorText, t::line(number) + t::variableError(letter));
        if (!error.ok()) {
            input.problem = error.problem;
            return input;
        }
        if (error.value < 0) {
            input.problem = t::negativeError(number);
            return input;
        }
        input.variables.append({letter, value.value, error.value, value.text});
    }
    if (input.variables.isEmpty()) input.problem = t::kNoVariables;
    return input;
}

PropagationResult Propagate(const CalcSettings& settings, const QString& formula,
                            const QList<PropagationVariable>& variables, const StopFlag& stop) {
    PropagationResult result;
    if (formula.trimmed().isEmpty()) {
        result.problem = t::kEmptyFormula;
        return result;
    }
    const QString place = QStringLiteral("函数式");
    CalcContext context{settings, {}};
    for (const PropagationVariable& v : variables)
        context.settings.memoryVariables[std::size_t(v.name.unicode() - u'r')] = CalcValue(v.valueText);
    const EntryValue value = EvaluateEntry(context, formula, place);
    if (!value.ok()) {
        result.problem = value.problem;
        return result;
    }
    result.value = value.value;

    // The difference quotients read values at 28 places; the variable steps in units of its
    // own size, so that a small value is not stepped across 0.
    CalcContext fine = context;
    fine.settings.decimalPlaces = 28;
    const QString read = UnknownsOf(formula);
    double variance = 0;
    for (const PropagationVariable& v : variables) {
        if (stop.load()) {
            result.cancelled = true;
            return result;
        }
        CalcValue& slot = fine.settings.memoryVariables[std::size_t(v.name.unicode() - u'r')];
        double derivative = 0;
        if (read.contains(v.name)) {
            const double scale = v.value != 0 ? std::fabs(v.value) : (v.error != 0 ? v.error : 1.0);
            QString failure;
            const auto f = [&](double step) {
                slot = CalcValue(QString::number(v.value + scale * step, 'g', 17));
                const EntryValue y = EvaluateEntry(fine, formula, place);
                if (!y.ok() && failure.isEmpty()) failure = y.problem;
                return y.ok() ? y.value : std::numeric_limits<double>::quiet_NaN();
            };
            derivative = boost::math::differentiation::finite_difference_derivative(f, 0.0) / scale;
            slot = CalcValue(v.valueText);
            if (!failure.isEmpty() || !std::isfinite(derivative)) {
                result.problem = t::derivativeFailed(v.name, failure.isEmpty() ? t::kTooBig : failure);
                return result;
            }
        } else {
            result.notes.append(t::unusedVariable(v.name));
        }
        result.derivatives.append(derivative);
        result.contributions.append(derivative * v.error);
        variance += (derivative * v.error) * (derivative * v.error);
    }
    result.m = std::sqrt(variance);
    for (const double c : result.contributions) result.shares.append(variance > 0 ? 100 * c * c / variance : 0.0);
    if (!std::isfinite(result.m)) {
        result = PropagationResult();
        result.problem = t::kTooBig;
    }
    return result;
}

}  // namespace cesuan
