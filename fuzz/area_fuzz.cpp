// A point list pasted into the area window; the selector says whether the lines carry serials.

#include "fuzz/fuzz_support.h"
#include "screens/area_screen.h"

using namespace cesuan;
using namespace cesuan::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzInput input = Decode(data, size);
    CountingMessageBox messages;
    NoPrinter printer;
    NoFileDialogs files;
    NoScreens screens;
    AreaScreen screen(messages, printer, screens, files);
    screen.serialColumnClicked(input.variant % 2 == 0);
    screen.pointText = input.text;
    Watched(screen.journal(), [&] { screen.compute(); });
    if (screen.failed) {
        Require(messages.shown > 0, "a failed area said nothing");
        Require(screen.figures.points == 0, "a failed area left figures");
        return 0;
    }
    const AreaFigures& f = screen.figures;
    Require(f.points >= 3, "an area of fewer than three corners");
    Require(!f.squareMetres.startsWith(u'-') && !f.mu.startsWith(u'-') && !f.hectares.startsWith(u'-'),
            "a negative area");
    Require(!f.perimeter.startsWith(u'-'), "a negative perimeter");
    return 0;
}
