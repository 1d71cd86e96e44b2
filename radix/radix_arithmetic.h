#pragma once
// Arithmetic on radix texts, as the base calculator does it: two numbers in binary, octal,
// decimal or hexadecimal, six arithmetic and six bitwise operations, the result in the radix
// of the data. Arithmetic is done on decimals; the data texts reach decimal through their
// binary text (radix/radix.h) and the result goes back the same way. The bitwise operations
// work on the absolute values as 32-bit signed integers, with the sign handled apart as a
// sign bit.

#include "engine/calc_value.h"
#include "engine/journal.h"

#include <QString>

namespace cesuan {

// In the order of the calculator's option buttons.
enum class RadixOperation { Add, Subtract, Multiply, Divide, Power, Remainder, And, Or, Not, Xor, AndNot, OrNot };

// 与 或 非 异或 与非 或非.
bool IsBitwise(RadixOperation operation);

// A text of one radix (2, 8, 10 or 16) in another, through binary text (an empty text gives
// "0"; a failure adds its notice, counts in errorCount and gives "-1").
QString ConvertRadix(CalcErrorJournal& journal, const QString& text, int from, int to);

// One computation. The data texts are read in the radix and written back in their normal
// form, their values kept; then the operation is applied and its result written in the radix.
struct RadixComputation {
    QString data1, data2;     // in: the data as typed; out: in normal form, as far as reading got
    CalcValue value1, value2; // the data's values, as far as reading got
    CalcValue result;         // the result's value, when the operation got that far
    QString resultText;       // the result in the radix
};

// False on a failure that ends the computation; the fields keep what was done until then.
// Failures of the conversions and of PowerOf are in the journal (and its notices).
bool ComputeInRadix(CalcErrorJournal& journal, int radix, RadixOperation operation, RadixComputation& c);

}  // namespace cesuan
