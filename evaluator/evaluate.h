#pragma once
// Evaluation of a checked formula text: bracket by bracket, innermost first, and within a
// bracket-free text pass by pass in the order of precedence, operator by operator, with
// every intermediate value written back into the text as its canonical text form.

#include "evaluator/calc_context.h"

#include <QString>

namespace cesuan {

// The driver: the result rounded to the context's decimal places, or "error" (the journal
// says why). Notices (the poles of sec, csc and cth, seconds above 60) go to the journal.
QString EvaluateFormula(CalcContext& context, const QString& formula);

// A bracket-free formula: the text form of its value, or a substitute after a failure.
QString EvaluateFlat(CalcContext& context, const QString& formula);

}  // namespace cesuan
