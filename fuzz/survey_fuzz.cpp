// A point list pasted into the survey screens: the first line is the serial typed into the
// origin (bearing) or first-point (attitude) box, the rest the list. The selector gives the
// screen and whether the lines carry serials.

#include "fuzz/fuzz_support.h"
#include "geodesy/point_list.h"
#include "screens/attitude_screen.h"
#include "screens/bearing_screen.h"

using namespace cesuan;
using namespace cesuan::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzInput input = Decode(data, size);
    const auto [serialLine, pointLines] = SplitFirstLine(input.text);
    const QString serial = serialLine, points = pointLines;  // lambdas cannot capture bindings
    CountingMessageBox messages;
    NoPrinter printer;
    NoFileDialogs files;
    NoScreens screens;
    switch (input.variant % 4) {
    case 0:
    case 1: {
        PointList list;
        CalcErrorJournal journal;
        Watched(journal, [&] { (void)ParsePointList(journal, input.text, input.variant % 4 == 0, list); });
        // No value that is no number becomes a shown number: such a field stays empty.
        for (const SurveyPoint& p : list.points)
            for (const CalcValue* v : {&p.x, &p.y, &p.h, &p.extra}) {
                CalcErrorJournal reading;
                if (!v->isEmpty()) ToCalcValue(reading, *v);
                Require(reading.errorCount == 0, "a point field holds a value that is no number");
            }
        break;
    }
    default: {
        // Bearing (2) or attitude (3): the same steps on either screen.
        auto run = [&](auto& screen) {
            screen.pointText = points;
            screen.chosenSerial = serial;
            Watched(screen.journal(), [&] {
                screen.serialChoicesOpened();
                screen.compute();
            });
            // A list with a value that is no number fails and stays as typed.
            if (!screen.points.badValues.isEmpty()) {
                Require(screen.failed, "a list with a bad value was measured");
                Require(screen.pointText == points, "a list with a bad value was rewritten");
            }
        };
        if (input.variant % 4 == 2) {
            BearingScreen screen(messages, printer, screens, files);
            screen.load();
            screen.serialColumnClicked(input.variant / 4 % 2 == 0);
            run(screen);
        } else {
            AttitudeScreen screen(messages, printer, screens, files);
            screen.load();
            run(screen);
        }
        break;
    }
    }
    return 0;
}
