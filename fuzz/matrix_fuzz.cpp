// Matrices typed or pasted into the matrix window: the text up to the first empty line is A,
// the rest B. The selector gives the operation (its value mod 9, in the order of the window's
// list) and the decimal places (0, 2, 15 or 28).

#include "fuzz/fuzz_support.h"
#include "screens/background_work.h"
#include "screens/matrix_screen.h"

#include <cmath>

using namespace cesuan;
using namespace cesuan::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzInput input = Decode(data, size);
    const qsizetype blank = input.text.indexOf(QStringLiteral("\n\n"));
    CalcSettings settings;
    const int places[] = {0, 2, 15, 28};
    settings.decimalPlaces = places[input.variant / 9 % 4];
    CountingMessageBox messages;
    WorkRunner work;
    NoScreens screens;
    MatrixScreen screen(settings, messages, work, screens);
    screen.matrixA = blank < 0 ? input.text : input.text.left(blank);
    screen.matrixB = blank < 0 ? QString() : input.text.mid(blank + 2);
    screen.chooseOperation(input.variant % 9);
    const CalcErrorJournal journal;  // the screen keeps no journal: the watch checks the time
    Watched(journal, [&] { screen.compute(); });
    if (screen.failed) {
        Require(!screen.status.isEmpty() && messages.shown == 1, "a failed command said nothing");
        Require(screen.result.isEmpty(), "a failed command shows a result");
        return 0;
    }
    Require(!screen.result.isEmpty(), "a result without its text");
    // Every number shown reads back as a finite number (it goes into JSON as it is).
    const auto number = [](const QString& text) {
        bool ok = false;
        const double v = text.toDouble(&ok);
        Require(ok && std::isfinite(v), "a shown entry is no number");
    };
    if (!screen.valueText.isEmpty()) number(screen.valueText);
    for (const QStringList& row : screen.matrixTexts)
        for (const QString& text : row) number(text);
    for (const QString& text : screen.eigenvalueTexts) number(text);
    Require(!screen.json().isEmpty(), "a result without JSON");
    return 0;
}
