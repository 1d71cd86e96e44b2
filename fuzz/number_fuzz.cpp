// A number typed into a box: the variable editor's reading (TextToNumber), the literal
// reading of the engine, and the number split screen.

#include "engine/calc_value.h"
#include "engine/number_text.h"
#include "fuzz/fuzz_support.h"
#include "screens/number_split.h"
#include "evaluator/text_to_number.h"

using namespace cesuan;
using namespace cesuan::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzInput input = Decode(data, size);
    switch (input.variant % 3) {
    case 0: {
        CalcErrorJournal journal;
        Watched(journal, [&] {
            const CalcValue value = TextToNumber(journal, input.text);
            (void)value.text();
        });
        break;
    }
    case 1: {
        CalcErrorJournal journal;
        Watched(journal, [&] {
            const CalcValue value = ToCalcValue(journal, input.text);
            (void)value.text();
        });
        break;
    }
    default: {
        NumberSplit screen;
        screen.number = input.text;
        Watched(screen.journal(), [&] { screen.split(); });
        // The two parts hold every digit of the number, nothing more.
        const std::optional<NumberParts> typed = ParseNumberText(TrimBlanks(input.text));
        if (typed && !screen.failed) {
            const std::optional<NumberParts> parts = ParseNumberText(screen.integerPart + u'.' + screen.fractionDigits);
            Require(parts && parts->digits == typed->digits && parts->exponent == typed->exponent,
                    "the split lost or added a digit");
        }
        break;
    }
    }
    return 0;
}
