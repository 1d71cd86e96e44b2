#pragma once
// Evaluation of a checked formula text: bracket by bracket, innermost first, and within a
// bracket-free text pass by pass in the order of precedence, operator by operator, with
// every intermediate value written back into the text as its canonical text form.

#include "engine/message_box.h"

#include <QString>

namespace cesuan {

// The driver: the result rounded to DecimalPlaces, or "error" (the journal says why).
// Message boxes (the poles of sec, csc and cth, seconds above 60) go to box.
QString EvaluateFormula(const QString& formula, MessageBoxService& box);

// A bracket-free formula: the text form of its value, or a substitute after a failure.
QString EvaluateFlat(const QString& formula, MessageBoxService& box);

// 向前取数字: the number that ends at the 1-based position b of s, lower-cased, with any
// blanks between it and b. A unary sign (after an operator, a blank or the start) belongs
// to the number; an exponent's sign too.
QString ScanOperandBefore(const QString& s, qsizetype b);

// 向后取数字: the number that begins at the 1-based position a of s, lower-cased, with any
// blanks before it.
QString ScanOperandAfter(const QString& s, qsizetype a);

}  // namespace cesuan
