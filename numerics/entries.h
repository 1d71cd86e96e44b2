#pragma once
// The entries of the numerical tools: a matrix typed or pasted as rows, each entry a formula
// that the calculator's own road (evaluator/calculate.h) computes with the program's
// settings (places, angle unit, memory variables), so that an entry gives here what it gives
// in the calculator.

#include "evaluator/calc_context.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <Eigen/Core>

#include <atomic>
#include <optional>

namespace cesuan {

// Set by the window's cancel button; long work looks at it between entries and stops early.
using StopFlag = std::atomic<bool>;

// The entries of one row: where the row holds a comma (also the full-width "，") or a tab,
// those separate the entries and blanks stay inside an entry; otherwise every run of blanks
// (also the ideographic blank) does. Entries are trimmed; a row of blanks has none.
QStringList SplitRowEntries(const QString& row);

// The rows of a text (any line ends), each split into its entries, with the 1-based line
// number of each row; lines without an entry are left out.
struct TextRows {
    QList<QStringList> rows;
    QList<int> lineNumbers;
};
TextRows SplitRows(const QString& text);

// One entry computed: its value, or why it has none (the evaluator's message, or the
// characters that no rule reads).
struct EntryValue {
    double value = 0;
    QString text;     // the calculator's result, every digit it shows
    QString problem;  // empty when the entry has a value
    bool ok() const { return problem.isEmpty(); }
};

// Computes a formula as the calculator's compute button does in that context, the value read
// as a double. A formula with characters left out unread is refused (its value would be
// another number than the one typed). `place` names the entry in the message.
EntryValue EvaluateEntry(CalcContext& context, const QString& entry, const QString& place);

// The value of a calculator result text ("1.5", "-2E+30").
std::optional<double> ResultValue(const QString& result);

// A matrix read from its text: every entry computed, or the first problem (with its place).
struct MatrixText {
    Eigen::MatrixXd matrix;
    QString problem;
    bool cancelled = false;
    bool ok() const { return problem.isEmpty() && !cancelled; }
};

inline constexpr int kMaxMatrixOrder = 50;

// Reads a matrix named `name` (矩阵A) of at most kMaxMatrixOrder rows and columns: every row
// must have as many entries as the first.
MatrixText ReadMatrix(const CalcSettings& settings, const QString& text, const QString& name, const StopFlag& stop,
                      int maxRows = kMaxMatrixOrder, int maxColumns = kMaxMatrixOrder);

}  // namespace cesuan
