#pragma once
// The process-wide settings of the calculator. The main window owns them; the evaluator
// and the other screens read them. They start from their defaults at every program start.

namespace cesuan {

// Decimal places of a result, 0..28.
int& DecimalPlaces();

}  // namespace cesuan
