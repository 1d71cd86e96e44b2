#pragma once
// The process-wide settings of the calculator. The main window owns them; the evaluator
// and the other screens read them. They start from their defaults at every program start.

#include "engine/calc_value.h"

#include <array>

namespace cesuan {

// Decimal places of a result, 0..28; 15 at start.
int& DecimalPlaces();

// The nine memory variables r, s, t, u, v, w, x, y, z; 1..9 at start.
std::array<CalcValue, 9>& MemoryVariables();

// The memory variable a letter names, or nullptr for a letter other than r..z.
const CalcValue* MemoryVariable(QChar letter);

}  // namespace cesuan
