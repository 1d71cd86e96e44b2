// A formula typed into the calculator window and computed: normalising, checking and
// spacing, then evaluation, at the places (0..28) and in the angle unit the selector gives.

#include "fuzz/fuzz_support.h"
#include "evaluator/calculate.h"
#include "screens/main_screen.h"

using namespace cesuan;
using namespace cesuan::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzInput input = Decode(data, size);
    static constexpr AngleUnit kUnits[] = {AngleUnit::Radian, AngleUnit::DecimalDegree, AngleUnit::Dms};
    const int places = input.variant % 29;
    const AngleUnit unit = kUnits[input.variant / 29 % 3];

    // The calculation itself.
    CalcContext context;
    context.settings.decimalPlaces = places;
    context.settings.angleUnit = unit;
    CalcOutcome outcome;
    Watched(context.journal, [&] { outcome = Calculate(context, input.text); });
    Require(!outcome.result.isEmpty(), "the result is empty");
    Require(!outcome.approximate || outcome.firstDoubtfulDigit == context.journal.reliableDigits + 1,
            "an approximate result names another first doubtful digit than the journal");

    // The same through the compute button.
    CountingMessageBox messages;
    NoWebPages web;
    NoRandom random;
    NoScreens screens;
    CalcSettings settings;
    MainScreen screen(settings, messages, web, random, screens);
    screen.load();
    screen.chooseDecimalPlaces(places);
    screen.setAngleUnit(unit);
    screen.formula = input.text;
    screen.compute();
    Require(!screen.result.isEmpty(), "the result box is empty after computing");
    Require(screen.lastErrorCount == context.journal.errorCount, "the window counts other failures");
    Require(messages.shown == int(context.journal.notices.size()), "the window shows other boxes");
    Require(screen.lastErrorCount == 0 || !screen.status.isEmpty(), "a failed computation left no status text");
    return 0;
}
