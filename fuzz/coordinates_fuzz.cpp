// Points pasted into the coordinate screen and converted: the first line is the central
// meridian as typed into its list, the rest the point text. The selector gives the
// conversion, the ellipsoid and the data order.

#include "fuzz/fuzz_support.h"
#include "geodesy/projection.h"
#include "screens/coordinate_screen.h"

using namespace cesuan;
using namespace cesuan::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzInput input = Decode(data, size);
    using Conversion = void (CoordinateScreen::*)();
    static constexpr Conversion kConversions[] = {
        &CoordinateScreen::geoToZone6,   &CoordinateScreen::geoToZone3,   &CoordinateScreen::geoToZone1p5,
        &CoordinateScreen::zone6ToGeo,   &CoordinateScreen::zone3ToGeo,   &CoordinateScreen::zone1p5ToGeo,
        &CoordinateScreen::zone1p5To3,   &CoordinateScreen::zone3To6,     &CoordinateScreen::zone3To1p5,
        &CoordinateScreen::zone6To3,
    };
    const int variant = input.variant % 80;
    CountingMessageBox messages;
    NoPrinter printer;
    NoFileDialogs files;
    NoWebPages web;
    NoScreens screens;
    CoordinateScreen screen(messages, printer, web, screens, files);
    screen.load();
    screen.ellipsoidIndex = variant / 10 % int(EllipsoidChoices().size());
    if (variant >= 40) screen.toggleDataOrder();
    const auto [meridian, points] = SplitFirstLine(input.text);
    screen.meridianText = meridian;
    screen.input = points;
    const CalcErrorJournal unused;  // the conversions log nothing: they write their messages into the lines
    Watched(unused, [&] {
        screen.meridianLostFocus();
        (screen.*kConversions[variant % 10])();
    });
    return 0;
}
