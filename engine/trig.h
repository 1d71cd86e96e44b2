#pragma once
// Decimal sine, cosine, tangent and cotangent of an angle in radians, to about 27
// significant digits: reduction by the decimal 2π, exact points, the first quadrant, and a
// Taylor series in decimal arithmetic.

#include "engine/calc_value.h"

namespace cesuan {

// The decimal constants, as 30-character texts.
inline const QString kTwoPiText = QStringLiteral("6.2831853071795864769252867666");
inline const QString kHalfPiText = QStringLiteral("1.5707963267948966192313216916");
inline const QString kPiText = QStringLiteral("3.1415926535897932384626433833");
inline const QString kThreeHalvesPiText = QStringLiteral("4.7123889803846898576939650749");

// QuvSin, QuvCos, QuvTan, QuvCot: a decimal, or empty after logging the failure (tan and
// cot at their poles, an argument that is no number).
CalcValue DecimalSin(CalcErrorJournal& journal, const CalcValue& x);
CalcValue DecimalCos(CalcErrorJournal& journal, const CalcValue& x);
CalcValue DecimalTan(CalcErrorJournal& journal, const CalcValue& x);
CalcValue DecimalCot(CalcErrorJournal& journal, const CalcValue& x);

}  // namespace cesuan
