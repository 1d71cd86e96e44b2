// A formula in x typed into the derivative or the integral window: the first line the
// formula, the second the point (a derivative) or the two limits separated by a blank (an
// integral). The selector's lowest bit picks the window, the next the order, the next two
// the angle unit (radians, degrees, 度分秒 which is refused).

#include "fuzz/fuzz_support.h"
#include "screens/background_work.h"
#include "screens/calculus_screen.h"

#include <cmath>

using namespace cesuan;
using namespace cesuan::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzInput input = Decode(data, size);
    CalcSettings settings;
    const AngleUnit units[] = {AngleUnit::Radian, AngleUnit::DecimalDegree, AngleUnit::Dms, AngleUnit::Radian};
    settings.angleUnit = units[input.variant / 4 % 4];
    CountingMessageBox messages;
    WorkRunner work;
    NoScreens screens;
    const bool derivative = input.variant % 2 == 0;
    CalculusScreen screen(derivative ? CalculusScreen::Kind::Derivative : CalculusScreen::Kind::Integral, settings,
                          messages, work, screens);
    const auto [formula, rest] = SplitFirstLine(input.text);
    screen.formula = formula;
    const QStringList limits = rest.trimmed().split(u' ');
    screen.pointText = rest;
    screen.orderIndex = input.variant / 2 % 2;
    screen.fromText = limits.value(0);
    screen.toText = limits.value(1);
    const CalcErrorJournal journal;  // the screen keeps no journal: the watch checks the time
    Watched(journal, [&] { screen.compute(); });
    if (screen.failed) {
        Require(!screen.status.isEmpty() && messages.shown >= 1, "a failed command said nothing");
        return 0;
    }
    Require(settings.angleUnit != AngleUnit::Dms, "a result in 度分秒");
    Require(messages.shown <= 1, "more than one box of notices");
    bool ok = false;
    Require(std::isfinite(screen.valueText.toDouble(&ok)) && ok, "a shown value is no number");
    Require(screen.result.error >= 0 && screen.result.digits >= 1 && screen.result.digits <= 15, "a bad error estimate");
    return 0;
}
