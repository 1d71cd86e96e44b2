// A linear system typed into the equations window, as equations or as the augmented matrix.
// The selector's lowest bit asks for least squares; the next two give the places (0, 2, 15, 28).

#include "fuzz/fuzz_support.h"
#include "screens/background_work.h"
#include "screens/equations_screen.h"

#include <cmath>

using namespace cesuan;
using namespace cesuan::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzInput input = Decode(data, size);
    CalcSettings settings;
    const int places[] = {0, 2, 15, 28};
    settings.decimalPlaces = places[input.variant / 2 % 4];
    CountingMessageBox messages;
    WorkRunner work;
    NoScreens screens;
    EquationsScreen screen(settings, messages, work, screens);
    screen.system = input.text;
    screen.leastSquares = input.variant % 2 == 1;
    const CalcErrorJournal journal;  // the screen keeps no journal: the watch checks the time
    Watched(journal, [&] { screen.solve(); });
    if (screen.failed) {
        Require(!screen.status.isEmpty() && messages.shown == 1, "a failed command said nothing");
        return 0;
    }
    Require(!screen.unknowns.isEmpty(), "a system without unknowns was solved");
    const bool solved = screen.solutionStatus == SystemStatus::Unique || screen.solutionStatus == SystemStatus::LeastSquares;
    Require(solved ? screen.valueTexts.size() == screen.unknowns.size() : screen.valueTexts.isEmpty(),
            "the values do not match the kind of solution");
    Require(screen.solutionStatus != SystemStatus::LeastSquares || screen.leastSquares, "least squares unasked");
    Require(screen.rank >= 0 && screen.rank <= screen.unknowns.size(), "a rank above the unknowns");
    for (const QString& text : screen.valueTexts) {
        bool ok = false;
        Require(std::isfinite(text.toDouble(&ok)) && ok, "a shown value is no number");
    }
    return 0;
}
