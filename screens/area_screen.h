#pragma once
// The parcel area window as a controller over plain texts: a point list (serial, X, Y as the
// survey windows read it) in order around a parcel gives its area in ㎡, 亩 and 公顷, its
// perimeter and the orientation of the points, and names an outline that crosses itself.

#include "geodesy/area.h"
#include "screens/picture.h"
#include "screens/survey_screen.h"

namespace cesuan {

// The figures of the last area, as the result shows them.
struct AreaFigures {
    int points = 0;
    QString perimeter;     // m, 3 decimals
    QString squareMetres;  // 3 decimals
    QString mu;            // 4 decimals
    QString hectares;      // 6 decimals
    bool clockwise = false;
    bool selfIntersecting = false;
};

class AreaScreen : public SurveyScreen {
public:
    AreaScreen(MessageBoxService& messages, WindowPrinter& printer, ScreenNavigator& screens, FileChooser& files);

    QString unitNote;  // what 亩 and 公顷 are
    AreaFigures figures;  // valid when the last command did not fail
    // The outline of the last area: its corners numbered in order, the area written inside and
    // a crossing marked. Empty before the first and after a failed command.
    Picture outline;

    // --- Operations, one per event (and those of SurveyScreen) ---
    void serialColumnClicked(bool checked);  // the serial check box
    void compute();                          // the compute button
};

}  // namespace cesuan
