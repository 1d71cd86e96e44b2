#include "screens/number_split.h"

#include "engine/calc_value.h"
#include "engine/rounding.h"
#include "screens/number_split_texts.h"

namespace cesuan {

NumberSplit::NumberSplit()
    : text2(texts::number_split::kIntegerPart), text3(texts::number_split::kFractionPart) {}

void NumberSplit::split() {
    const CalcValue number(text1);
    text2 = IntegerPartText(number);
    text3 = FractionDigitsText(number);
}

}  // namespace cesuan
