#pragma once
// The plane attitude window as a controller over plain texts: three points of a
// point list, the first chosen by its serial and the next two following it in the list
// (wrapping round to its start), give the plane through them, its strike, dip direction and
// dip, the sides of the triangle and a confidence figure.

#include "screens/picture.h"
#include "screens/survey_screen.h"

namespace cesuan {

class AttitudeScreen : public SurveyScreen {
public:
    // The list is always read with serials; the check box only shows its caption.
    AttitudeScreen(MessageBoxService& messages, WindowPrinter& printer, ScreenNavigator& screens, FileChooser& files);

    // The pictures of the last computation: the plane on the equal-area net with its pole, and
    // the three points in plan. Empty before the first and after a failed one.
    Picture stereonet;
    Picture plan;

    // --- Operations, one per event (and those of SurveyScreen) ---
    void serialColumnClicked(bool checked);  // the serial check box: its caption stays
    void compute();                          // "进行计算": parse the point text, then computeFromPoints()
    void computeFromPoints();                // the computation after the parse, on `points`
};

}  // namespace cesuan
