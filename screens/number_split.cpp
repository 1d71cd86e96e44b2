#include "screens/number_split.h"

#include "engine/calc_value.h"
#include "engine/rounding.h"
#include "screens/number_split_texts.h"

namespace cesuan {

NumberSplit::NumberSplit()
    : integerPart(texts::number_split::kIntegerPart), fractionDigits(texts::number_split::kFractionPart) {}

void NumberSplit::split() {
    const CalcValue value(number);
    integerPart = IntegerPartText(journal_, value);
    fractionDigits = FractionDigitsText(journal_, value);
}

}  // namespace cesuan
