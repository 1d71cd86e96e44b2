// The transformation window's boxes: the text goes into the common points, the points to
// transform, the parameter box or the Cartesian box; the selector gives the box, the model
// and the ellipsoid. Beyond "no crash": a command that refuses its data leaves the results
// it had, and parameters it accepts read back from their own text.

#include "fuzz/fuzz_support.h"
#include "geodesy/helmert.h"
#include "screens/transform_screen.h"

using namespace cesuan;
using namespace cesuan::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FuzzInput input = Decode(data, size);
    CountingMessageBox messages;
    NoFileDialogs files;
    NoScreens screens;
    TransformScreen screen(messages, screens, files);
    screen.modelChosen(input.variant / 4 % 3);
    screen.ellipsoidIndex = input.variant / 12 % int(EllipsoidChoices().size());
    const QString report = screen.report, applied = screen.applied, cartesian = screen.cartesianOutput;
    switch (input.variant % 4) {
    case 0: {
        screen.commonPoints = input.text;
        screen.estimate();
        if (screen.failed) Require(screen.report == report, "a refused estimate changed the report");
        else {
            QString problem;
            Require(ParseParametersText(screen.parameters, problem).has_value(), "estimated parameters do not read back");
        }
        break;
    }
    case 1:
        screen.estimate();  // the start example's parameters
        screen.applyPoints = input.text;
        screen.apply();
        if (screen.failed) Require(screen.applied == applied, "a refused list changed the results");
        break;
    case 2: {
        screen.parameters = input.text;
        screen.apply();
        QString problem;
        const std::optional<TransformParameters> p = ParseParametersText(input.text, problem);
        Require(p.has_value() == problem.isEmpty(), "a problem without a message, or parameters with one");
        if (p) {
            const std::optional<TransformParameters> back = ParseParametersText(ParametersText(*p), problem);
            Require(back && back->model == p->model, "parameters do not read back from their own text");
        }
        break;
    }
    default:
        screen.cartesianInput = input.text;
        if (input.variant / 64 % 2 == 0) screen.toCartesian();
        else screen.toGeodetic();
        if (screen.failed) Require(screen.cartesianOutput == cartesian, "a refused list changed the results");
        break;
    }
    return 0;
}
