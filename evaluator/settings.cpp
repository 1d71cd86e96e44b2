#include "evaluator/settings.h"

namespace cesuan {

int& DecimalPlaces() {
    static int places = 15;
    return places;
}

std::array<CalcValue, 9>& MemoryVariables() {
    static std::array<CalcValue, 9> variables = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    return variables;
}

const CalcValue* MemoryVariable(QChar letter) {
    if (letter < u'r' || letter > u'z') return nullptr;
    return &MemoryVariables()[std::size_t(letter.unicode() - u'r')];
}

}  // namespace cesuan
