#pragma once
// Cutting and shaping number texts: rounding half away from zero, the integer and fraction
// digits of a number (on its text, so that no digit is lost), and the display width of a
// text in the cells of a Chinese console font.

#include "engine/calc_value.h"

namespace cesuan {

// 四舍五入: x rounded to n decimal places (n clamped to 0..28), halves away from zero; a
// value written in exponent form comes back unrounded; empty after a failure.
CalcValue RoundHalfUp(CalcErrorJournal& journal, const CalcValue& x, int n);

// 取数值的整数部分: the integer digits, truncated toward zero and keeping the sign
// (-0.5 gives "-0"); a large number in exponent form is returned as it is.
QString IntegerPartText(CalcErrorJournal& journal, const CalcValue& x);

// 取数值的小数部分: the digits after the point without sign or point ("0" when none); a
// small number in exponent form is returned whole.
QString FractionDigitsText(CalcErrorJournal& journal, const CalcValue& x);

// Display cells: 2 for a character that code page 936 (GBK) writes in two bytes, 1 for
// the others (also for those it cannot write), counted per UTF-16 unit.
int DisplayWidth(const QString& text);

}  // namespace cesuan
