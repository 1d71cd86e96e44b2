#pragma once
// The wide twin of the evaluation: the same formula text walked by the same passes and
// scanners (so operators, precedence, signs, postfixes, variables and angle units mean the
// same), but every number held as a wide number of some 115 digits and every function
// taken exactly: π, ε and a degree are the true ones, the inverse functions and
// logarithms are not cut to 15 digits. Only the rules that are part of a formula's meaning
// are kept: a whole multiple of 90° is a right angle, sine and cosine have their exact
// points, a factorial rounds its operand half to even, D.MMSS is read and written digit by
// digit, a value beyond the decimal range is angle 0. What it gives is the value the
// decimal result is judged against.

#include "engine/wide.h"
#include "evaluator/calc_context.h"

#include <QString>

#include <optional>

namespace cesuan {

struct WideTruth {
    enum class Kind {
        Value,      // the formula's value
        Undefined,  // no value: a zero divisor, a pole, a logarithm of 0 … that the decimals missed
        Unknown,    // the twin could not follow the text; it claims nothing
    };
    Kind kind = Kind::Unknown;
    WideNumber value;
    // Set when the formula ends in an inverse function whose result is written D.MMSS: the
    // angle in degrees, against which the D.MMSS result is judged as an angle.
    std::optional<WideNumber> angleDegrees;
};

// The wide value of a checked and spaced formula (as the formula box shows it) with the
// settings' angle unit and variables.
WideTruth EvaluateWide(const CalcSettings& settings, const QString& formula);

// A D.MMSS text read as angles are read, in degrees: DD + MM/60 + SS.ss/3600, with the
// sign of `sign` (seconds above 60 count as 60, minutes above 60 as 60). Empty when the
// text is no number.
std::optional<WideNumber> WideDmsToDegrees(const QString& text, int sign);

}  // namespace cesuan
