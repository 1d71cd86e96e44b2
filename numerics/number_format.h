#pragma once
// The text of a computed double as the numerical tools show it (and write it into JSON): no
// more significant digits than the computation vouches for, no more decimal places than the
// program's setting, no trailing zeros.

#include <QString>

namespace cesuan {

// The double's digits the tools vouch for when nothing worse is known (a double carries 15
// to 17).
inline constexpr int kDoubleDigits = 15;

// The value rounded to `significant` significant digits, then half away from zero to `places`
// decimal places; trailing zeros and a lone point dropped, "-" only before a value that is
// not 0. From 1E+15 on the value is written in exponent form (1.5E+20), as the calculator
// writes such results. The text is a JSON number as well.
QString NumberText(double value, int places, int significant = kDoubleDigits);

// A condition number for a message: 3 significant digits, in exponent form from 1E+6 on;
// ∞ for an infinite one.
QString ConditionText(double condition);

// The significant digits a result keeps when the data's own digits are `significant` and the
// matrix's condition number is `condition`: about log10(condition) of them are lost; at
// least 1.
int DigitsAfterCondition(double condition, int significant = kDoubleDigits);

}  // namespace cesuan
