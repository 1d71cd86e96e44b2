// The distance and bearing window with 大地线 checked: the first line is the origin's serial,
// the rest the list of serial, B, L. The selector chooses the ellipsoid.

#include "fuzz/fuzz_support.h"
#include "geodesy/ellipsoid.h"
#include "screens/bearing_screen.h"

using namespace cesuan;
using namespace cesuan::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzInput input = Decode(data, size);
    const auto [serial, points] = SplitFirstLine(input.text);
    CountingMessageBox messages;
    NoPrinter printer;
    NoFileDialogs files;
    NoScreens screens;
    BearingScreen screen(messages, printer, screens, files);
    screen.geodesicClicked(true);
    screen.chooseEllipsoid(input.variant % int(EllipsoidChoices().size()));
    screen.pointText = points;
    screen.chosenSerial = serial;
    Watched(screen.journal(), [&] { screen.compute(); });
    if (!screen.failed) {
        // Every azimuth in [0°, 360°): no "nan" or "inf" and no sign.
        for (const QString& line : screen.resultText.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
            const QStringList cells = line.split(QStringLiteral(" ,"));
            Require(cells.size() == 4, "a geodesic row without its four cells");
            for (qsizetype c = 1; c < 4; ++c) {
                const QString cell = cells[c].trimmed();
                Require(!cell.startsWith(u'-') && !cell.contains(u'n') && !cell.isEmpty(), "a geodesic figure that is no number");
            }
        }
    }
    return 0;
}
