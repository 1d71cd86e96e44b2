#pragma once
// The three ways of writing an angle and the conversions among them, in decimal arithmetic.
//
//   Dms            degree-minute-second packed as D.MMSSss: 45.595999 is 45°59'59.99"
//   DecimalDegree  decimal degrees (百分度): 45.5 is 45°30'
//   Radian         radians: π is 180°

#include "engine/calc_value.h"
#include "engine/journal.h"

namespace cesuan {

// The values are the codes under which the setting is kept.
enum class AngleUnit { Radian = 3, Dms = 60, DecimalDegree = 100 };

// π/180 to 28 places and 180/π to 27 places, as texts.
inline const QString kRadiansPerDegreeText = QStringLiteral("0.0174532925199432957692369077");
inline const QString kDegreesPerRadianText = QStringLiteral("57.295779513082320876798154814");

// An angle in `unit` to radians.
CalcValue AngleToRadian(CalcErrorJournal& journal, const CalcValue& x, AngleUnit unit);
// 度转弧度: D.MMSSss to radians; empty after logging a failure.
CalcValue DmsToRadian(CalcErrorJournal& journal, const CalcValue& x);
// 度转梯度: D.MMSSss to decimal degrees; empty after logging a failure. Seconds or minutes
// above 60 are notices in the journal and taken as 60.
CalcValue DmsToDecimalDegree(CalcErrorJournal& journal, const CalcValue& x);
// Decimal degrees to D.MMSSss, seconds rounded to 24 places.
CalcValue DecimalDegreeToDms(CalcErrorJournal& journal, const CalcValue& x);

}  // namespace cesuan
