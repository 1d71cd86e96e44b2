#pragma once
// Two-number arithmetic: decimal first, double where the decimal cannot hold the result.
//
// Each routine takes two values in any form and returns a decimal when the whole
// calculation can be done in decimal, a double when it cannot (one fallback in the
// journal, reliableDigits 15), or the empty value after logging its failure when even the
// double calculation fails (overflow, division by zero, an argument that is no number).

#include "engine/calc_value.h"

namespace cesuan {

CalcValue MultiplyTwo(CalcErrorJournal& journal, const CalcValue& x, const CalcValue& y);  // 两数积: x * y
CalcValue DivideTwo(CalcErrorJournal& journal, const CalcValue& x, const CalcValue& y);    // 两数商: x / y
CalcValue AddTwo(CalcErrorJournal& journal, const CalcValue& x, const CalcValue& y);       // 两数和: x + y
CalcValue SubtractTwo(CalcErrorJournal& journal, const CalcValue& x, const CalcValue& y);  // 两数差: x - y
// 两数余: x - trunc(x / y) * y, with the sign of the dividend.
CalcValue RemainderTwo(CalcErrorJournal& journal, const CalcValue& x, const CalcValue& y);

// True when the value reads as the number zero (a decimal or double zero, or a zero text).
bool IsZeroValue(const CalcValue& x);

}  // namespace cesuan
