#pragma once
// The context of one calculation: the settings it reads (decimal places, angle unit, memory
// variables) and the journal it writes. A calculation reads nothing else, so two
// calculations in two contexts never meet, on one thread or on two.

#include "angles/angle_units.h"
#include "engine/calc_value.h"
#include "engine/journal.h"

#include <array>

namespace cesuan {

// The settings of the formula calculator, one value for the whole program: the main window
// changes places and unit, the variable editor the variables, and every window that
// computes a formula reads them. They start from these defaults at every program start.
struct CalcSettings {
    int decimalPlaces = 15;                   // of a result, 0..28
    AngleUnit angleUnit = AngleUnit::Radian;  // of the arguments of sin … cot and results of arcsin …
    std::array<CalcValue, 9> memoryVariables = {1, 2, 3, 4, 5, 6, 7, 8, 9};  // r, s, t, u, v, w, x, y, z

    // The memory variable a letter names, or nullptr for a letter other than r..z.
    const CalcValue* memoryVariable(QChar letter) const;
};

struct CalcContext {
    CalcSettings settings;
    CalcErrorJournal journal;
};

}  // namespace cesuan
