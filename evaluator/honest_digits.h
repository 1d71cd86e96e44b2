#pragma once
// How many leading significant digits of a shown result are right. A result showing k
// significant digits is honest when it lies within one unit of its k-th digit of the true
// value (the 约数 cut truncates, so one unit is the allowance): 0.999999999999999999 is an
// honest 18 digits of 1, 0.9999999999999999998 is not an honest 19. A result in D.MMSS
// from an inverse function is judged as the angle it stands for: 44.5959999999999 is
// 10⁻¹⁰″ short of 45°, within one unit (10⁻⁹″) of its last digit.

#include "evaluator/wide_evaluate.h"

#include <QString>

namespace cesuan {

// The largest k ≤ claim for which the first k significant digits of `result` (a number
// text as the evaluation returns it, plain or with an exponent) are honest against the
// truth: claim itself when they all are, 0 when not even the first is or the formula has no
// value. An unknown truth confirms the claim.
int HonestDigits(const QString& result, const WideTruth& truth, int claim);

}  // namespace cesuan
