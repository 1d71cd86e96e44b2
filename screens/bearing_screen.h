#pragma once
// The distance and bearing window as a controller over plain texts: from one chosen
// origin point of a point list, the horizontal distance, the azimuth from true north (north
// 0, east 90, clockwise), the slope distance and the vertical angle (above the horizontal
// positive) of every point. Angles are shown as D.MMSSss.

#include "screens/picture.h"
#include "screens/survey_screen.h"

#include <cstddef>

namespace cesuan {

class BearingScreen : public SurveyScreen {
public:
    BearingScreen(MessageBoxService& messages, WindowPrinter& printer, ScreenNavigator& screens, FileChooser& files);

    // Threads that measure a long list; 0: one a core.
    std::size_t threads = 0;

    // The plan of the last computation: a ray from the origin to each point, labelled with its
    // distance and bearing. Empty before the first and after a failed one.
    Picture plan;

    // --- Operations, one per event (and those of SurveyScreen) ---
    void serialColumnClicked(bool checked);  // the serial check box
    void compute();                          // the compute button: every point from the chosen origin

private:
    void fail();
};

}  // namespace cesuan
