#pragma once
// 串转数: reading a number typed into a box, where Chinese numerals, full-width digits and
// stray characters are common.

#include "engine/calc_value.h"
#include "engine/journal.h"
#include "evaluator/normalise.h"

#include <QString>

#include <span>

namespace cesuan {

// The characters TextToNumber accepts for digits, the point and the signs (after
// lower-casing); every character it meets that is none of these and no ASCII digit, ".",
// "+", "-" or "e" is dropped.
std::span<const CharacterMapping> NumberCharacterTable();

// 串转数: a typed value (Chinese numerals, full-width digits and signs, stray characters)
// to a number. Blanks are trimmed and the text lower-cased; the characters of
// NumberCharacterTable are mapped and all others but digits, ".", "+", "-" and "e" dropped;
// exponent marks after a sign, a point or another "e", and at either end, are removed;
// doubled signs and points collapse; a second point, a point in the exponent, or a second
// "e" cuts the text there. The rest goes through ToCalcValue: a decimal, a double outside
// the decimal range, or the text "0" (with ToCalcValue's message) when it is still no
// number. A text that keeps nothing is the integer 0 without a message.
CalcValue TextToNumber(CalcErrorJournal& journal, const QString& x);

}  // namespace cesuan
