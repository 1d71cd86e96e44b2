#pragma once
// The values of the functions of the formula language and of the factorial, in decimals
// and doubles: the computations behind the function and factorial passes of a formula.

#include "evaluator/calc_context.h"

#include <QString>

#include <optional>

namespace cesuan {

// sin cos tan cot sec csc in the context's angle unit, the inverse functions into it,
// sh ch th cth, lg ln, of x. Failures and notices go to the context's journal; empty where
// the computation cannot go on (the evaluation's own failure follows).
std::optional<CalcValue> FunctionValue(CalcContext& context, const QString& name, const CalcValue& x);

// n! for the operand text without its sign: the operand read as a double and rounded half
// to even, 0 below 1; above 1E+28 the failure is logged and the product stops there. Empty
// when the operand is no number.
std::optional<CalcValue> FactorialValue(CalcErrorJournal& journal, const QString& operand);

}  // namespace cesuan
