// The base calculator: a number converted between the radixes, or data 1 (the first line)
// and data 2 (the rest) computed under one of the twelve operations in one of the radixes.

#include "fuzz/fuzz_support.h"
#include "screens/base_calculator_screen.h"

using namespace cesuan;
using namespace cesuan::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzInput input = Decode(data, size);
    static constexpr int kRadixes[] = {2, 8, 10, 16};
    const int variant = input.variant % 64;
    CountingMessageBox messages;
    if (variant >= 48) {
        const int from = kRadixes[(variant - 48) % 4], to = kRadixes[(variant - 48) / 4];
        CalcErrorJournal journal;
        Watched(journal, [&] { (void)ConvertRadix(journal, input.text, from, to); }, Failures::Counted);
        return 0;
    }
    NoPrinter printer;
    NoWebPages web;
    NoScreens screens;
    BaseCalculatorScreen screen(messages, printer, web, screens);
    screen.radixClicked(kRadixes[variant % 4]);
    screen.operationClicked(BaseCalculatorScreen::Operation(variant / 4));
    const auto [first, second] = SplitFirstLine(input.text);
    screen.data1 = first;
    screen.data2 = second;
    Watched(screen.journal(), [&] { screen.compute(); }, Failures::Counted);
    return 0;
}
