#pragma once
// A number in mantissa-exponent form, for the keypad's conversion key: every digit kept,
// nothing rounded (123.45 gives 1.2345E+2, 0.00123 gives 1.23E-3, 5 gives 5E0).

#include "engine/journal.h"

#include <QString>

namespace cesuan {

QString FormatCalcResult(CalcErrorJournal& journal, const QString& text);

}  // namespace cesuan
