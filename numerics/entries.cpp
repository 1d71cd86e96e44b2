#include "numerics/entries.h"

#include "engine/line_ends.h"
#include "evaluator/calculate.h"
#include "numerics/numerics_texts.h"

#include <QRegularExpression>

#include <cmath>

namespace cesuan {

namespace t = texts::numerics;

QStringList SplitRowEntries(const QString& row) {
    static const QRegularExpression kSeparators(QStringLiteral("[,，\\t]"));
    static const QRegularExpression kBlanks(QStringLiteral("[ \\x{3000}\\f\\v]+"));
    QStringList entries;
    const bool separated = row.contains(kSeparators);
    for (const QString& entry : row.split(separated ? kSeparators : kBlanks)) {
        const QString trimmed = entry.trimmed();
        // Blanks at either end of the row give no entry; between two separators an empty
        // entry stays, so that its place is counted and reported.
        if (!trimmed.isEmpty() || separated) entries.append(trimmed);
    }
    if (separated) {
        // A separator at the end of a row ("1, 2,") closes the last entry and adds none.
        while (!entries.isEmpty() && entries.last().isEmpty()) entries.removeLast();
    }
    return entries;
}

TextRows SplitRows(const QString& text) {
    TextRows result;
    const QStringList lines = WithLfLineEnds(text).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringList entries = SplitRowEntries(lines[i]);
        if (entries.isEmpty()) continue;
        result.rows.append(std::move(entries));
        result.lineNumbers.append(int(i + 1));
    }
    return result;
}

std::optional<double> ResultValue(const QString& result) {
    bool ok = false;
    const double value = result.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

EntryValue EvaluateEntry(CalcContext& context, const QString& entry, const QString& place) {
    EntryValue value;
    if (entry.trimmed().isEmpty()) {
        value.problem = t::emptyEntry(place);
        return value;
    }
    const CalcOutcome outcome = Calculate(context, entry);
    if (outcome.errorCount > 0) {
        const QString message = outcome.firstMessage.trimmed();
        value.problem = t::entryFailed(place, entry, message.isEmpty() ? t::kSeriousError : message);
        return value;
    }
    if (!outcome.ignored.isEmpty()) {
        value.problem = t::entryIgnored(place, entry, outcome.ignored);
        return value;
    }
    const std::optional<double> number = ResultValue(outcome.result);
    if (!number) {
        value.problem = t::entryFailed(place, entry, t::kTooBig);
        return value;
    }
    value.value = *number;
    value.text = outcome.result.trimmed();
    return value;
}

MatrixText ReadMatrix(const CalcSettings& settings, const QString& text, const QString& name, const StopFlag& stop,
                      int maxRows, int maxColumns) {
    MatrixText result;
    const TextRows rows = SplitRows(text);
    if (rows.rows.isEmpty()) {
        result.problem = t::emptyMatrix(name);
        return result;
    }
    const int columns = int(rows.rows.first().size());
    for (qsizetype r = 1; r < rows.rows.size(); ++r) {
        if (rows.rows[r].size() == columns) continue;
        result.problem = t::rowLength(name, int(r + 1), int(rows.rows[r].size()), columns);
        return result;
    }
    if (rows.rows.size() > maxRows || columns > maxColumns) {
        result.problem = t::matrixTooLarge(name, int(rows.rows.size()), columns, std::max(maxRows, maxColumns));
        return result;
    }
    result.matrix.resize(rows.rows.size(), columns);
    CalcContext context{settings, {}};
    for (qsizetype r = 0; r < rows.rows.size(); ++r) {
        for (int c = 0; c < columns; ++c) {
            if (stop.load()) {
                result.cancelled = true;
                return result;
            }
            const EntryValue value =
                EvaluateEntry(context, rows.rows[r][c], name + t::rowColumn(int(r + 1), c + 1));
            if (!value.ok()) {
                result.problem = value.problem;
                return result;
            }
            result.matrix(r, c) = value.value;
        }
    }
    return result;
}

}  // namespace cesuan
