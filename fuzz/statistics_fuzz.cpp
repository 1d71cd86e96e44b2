// A data table pasted into the statistics screen and computed, with the leading name
// columns (0..3) and the separator the selector gives.

#include "fuzz/fuzz_support.h"
#include "screens/statistics_screen.h"
#include "screens/statistics_texts.h"

using namespace cesuan;
using namespace cesuan::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzInput input = Decode(data, size);
    CountingMessageBox messages;
    NoPrinter printer;
    NoFileDialogs files;
    NoScreens screens;
    StatisticsScreen screen(messages, printer, files, screens);
    screen.load();
    screen.chooseLeadingColumns(input.variant % 4);
    screen.chooseSeparator(int(input.variant / 4 % texts::statistics::kSeparators.size()));
    screen.data = input.text;
    Watched(screen.journal(), [&] { screen.computeStatistics(); });
    // No cell that is no number is counted as one.
    for (int f = 2; f <= 6; ++f)
        for (const QString& item : screen.table.values[std::size_t(f)].items) {
            CalcErrorJournal reading;
            ToCalcValue(reading, CalcValue(item));
            Require(reading.errorCount == 0, "a cell that is no number was counted");
        }
    return 0;
}
