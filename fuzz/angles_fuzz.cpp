// An angle typed into the angle screen, through each of its six conversions.

#include "fuzz/fuzz_support.h"
#include "screens/angle_screen.h"

using namespace cesuan;
using namespace cesuan::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzInput input = Decode(data, size);
    using Conversion = void (AngleScreen::*)();
    static constexpr Conversion kConversions[] = {
        &AngleScreen::radianToDms, &AngleScreen::radianToDecimalDegree, &AngleScreen::decimalDegreeToDms,
        &AngleScreen::decimalDegreeToRadian, &AngleScreen::dmsToRadian, &AngleScreen::dmsToDecimalDegree,
    };
    CountingMessageBox messages;
    AngleScreen screen(messages);
    screen.angle = input.text;
    Watched(screen.journal(), [&] { (screen.*kConversions[input.variant % 6])(); });
    // An angle that is no number is never converted into one.
    CalcErrorJournal reading;
    ToCalcValue(reading, CalcValue(input.text));
    if (reading.errorCount > 0) Require(screen.failed, "an angle that is no number was converted");
    return 0;
}
