// The stake-out window: the first line is the station typed into its boxes (X,Y[,H]), the rest
// the lines of name, bearing, distance[, vertical]. The selector chooses radial or chained.

#include "fuzz/fuzz_support.h"
#include "screens/forward_screen.h"

#include <cmath>

using namespace cesuan;
using namespace cesuan::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzInput input = Decode(data, size);
    const auto [stationLine, lineText] = SplitFirstLine(input.text);
    const QStringList station = stationLine.split(u',');
    CountingMessageBox messages;
    NoPrinter printer;
    NoFileDialogs files;
    NoScreens screens;
    ForwardScreen screen(messages, printer, screens, files);
    screen.stationX = station.value(0);
    screen.stationY = station.value(1);
    screen.stationH = station.value(2);
    if (input.variant % 2 == 1) screen.chainClicked();
    screen.lineText = lineText;
    CalcErrorJournal unused;
    Watched(unused, [&] { screen.compute(); });
    if (screen.failed) {
        Require(messages.shown > 0, "a failed stake-out said nothing");
        Require(screen.rows.empty(), "a failed stake-out left rows");
        return 0;
    }
    Require(screen.rows.size() == screen.points.size(), "a point without its row");
    for (const ForwardPoint& p : screen.points)
        Require(std::isfinite(p.x) && std::isfinite(p.y) && (!p.h || std::isfinite(*p.h)), "a point that is no number");
    return 0;
}
