#pragma once
// Power and square root in decimal precision where the result fits the decimal range: a
// power is built from decimal multiplications and square roots rather than a logarithm,
// so integer powers and roots keep 28 digits.

#include "engine/calc_value.h"

#include <optional>

namespace cesuan {

// 开平方: the decimal square root (Newton with Aitken steps from the double's root);
// empty after logging the failure (negative or no number).
CalcValue SquareRoot(CalcErrorJournal& journal, const CalcValue& x);

// 乘方: x^y; a decimal when computed in decimal, a double when the result lies outside the
// decimal range, empty after logging the failure (0 to a negative power, a negative base
// with a fractional exponent, an overflowing double).
CalcValue PowerOf(CalcErrorJournal& journal, const CalcValue& x, const CalcValue& y);

namespace detail {
// x^n by the doubling scheme of the decimal power, one decimal product at a time. With
// stopWhenComplete the scheme stops as soon as the factors in the result add up to n (the
// digits are the same); without it the scheme runs all of its n rounds. Empty on overflow.
std::optional<Decimal96> DoublingPower(Decimal96 x, uint128 n, bool stopWhenComplete);
}  // namespace detail

}  // namespace cesuan
