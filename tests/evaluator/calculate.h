#pragma once
// The road of one calculation, as the main window's compute command takes it: normalise,
// reset, check and space, evaluate when the check found nothing.

#include "engine/calc_value.h"
#include "engine/journal.h"
#include "evaluator/decompose.h"
#include "evaluator/evaluate.h"
#include "evaluator/normalise.h"

namespace cesuan {

inline QString Calculate(const QString& typed, MessageBoxService& box) {
    ResetJournal();
    const QString normalised = NormaliseFormula(typed);
    ResetJournal();
    const QString checked = DecomposeFormula(normalised);
    if (Journal().errorCount != 0) return QStringLiteral("Error");
    return TrimBlanks(EvaluateFormula(checked, box));
}

}  // namespace cesuan
