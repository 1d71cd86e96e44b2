#pragma once
// The passes of a bracket-free formula that run before its operators: constants and
// variables, functions, factorials and percentages. Each finds a construct in the padded,
// lower-cased text, computes its value and writes the trimmed text of the value in its place.

#include "evaluator/calc_context.h"

#include <QString>

namespace cesuan {

enum class PassOutcome {
    Continue,       // the evaluation goes on
    FunctionError,  // an unknown name or a misplaced letter: the evaluation stops with "-1"
    Unexpected,     // a computation that cannot go on: the evaluation's own failure
};

// π, ε and the variables r..z (a variable letter has no letter beside it).
PassOutcome ConstantsAndVariablesPass(const CalcContext& context, QString& s);

// sin cos tan cot sec csc, the inverse functions, sh ch th cth, lg ln; the exponent letter.
PassOutcome FunctionPass(CalcContext& context, QString& s);

// "!" and "%", left to right; after each, the walk goes on right after the inserted value.
PassOutcome FactorialPercentPass(CalcErrorJournal& journal, QString& s);

}  // namespace cesuan
