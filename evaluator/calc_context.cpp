#include "evaluator/calc_context.h"

namespace cesuan {

const CalcValue* CalcSettings::memoryVariable(QChar letter) const {
    if (letter < u'r' || letter > u'z') return nullptr;
    return &memoryVariables[std::size_t(letter.unicode() - u'r')];
}

}  // namespace cesuan
