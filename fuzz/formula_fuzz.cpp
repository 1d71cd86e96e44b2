// A formula typed into the calculator window and computed: normalising, checking and
// spacing, then evaluation, at the places (0..28) and in the angle unit the selector gives.

#include "fuzz/fuzz_support.h"
#include "screens/main_screen.h"

using namespace cesuan;
using namespace cesuan::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzInput input = Decode(data, size);
    CountingMessageBox messages;
    NoWebPages web;
    HalfRandom random;
    NoScreens screens;
    MainScreen screen(messages, web, random, screens);
    screen.load();
    screen.chooseDecimalPlaces(input.variant % 29);
    for (int i = 0; i < input.variant / 29 % 3; ++i) screen.cycleAngleUnit();
    screen.text1 = input.text;
    Watched([&] { screen.compute(); });
    Require(!screen.text2.isEmpty(), "the result box is empty after computing");
    Require(screen.lastErrorCount == 0 || !screen.text3.isEmpty(), "a failed computation left no status text");
    return 0;
}
