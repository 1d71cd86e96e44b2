#pragma once
// The distance and bearing window as a controller over plain texts: from one chosen
// origin point of a point list, the horizontal distance, the azimuth from true north (north
// 0, east 90, clockwise), the slope distance and the vertical angle (above the horizontal
// positive) of every point. Angles are shown as D.MMSSss. With 大地线 checked, each line is
// serial, latitude B and longitude L in D.MMSS (H ignored) and the table shows the geodesic
// distance on the chosen ellipsoid, the azimuth at the origin and the back azimuth at the point.

#include "screens/picture.h"
#include "screens/survey_screen.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <vector>

namespace cesuan {

// The decimal degrees of a latitude (|B| <= 90) or longitude (|L| <= 360) written D.MMSS; 0
// after a problem (missing, minutes or seconds of 60, out of range), which is appended to
// `problems` naming the point, the field and the value.
double GeodeticDegrees(const QString& serial, const CalcValue& angle, const QString& field, bool latitude,
                       QStringList& problems);

class BearingScreen : public SurveyScreen {
public:
    BearingScreen(MessageBoxService& messages, WindowPrinter& printer, ScreenNavigator& screens, FileChooser& files);

    // Threads that measure a long list; 0: one a core.
    std::size_t threads = 0;

    // Geodesics between latitude and longitude points instead of plane distances.
    bool geodesic = false;
    QString geodesicCaption;
    QStringList ellipsoidNames;  // the ellipsoid list, in the order of EllipsoidChoices()
    int ellipsoidIndex = 0;
    // The plan of the last computation: a ray from the origin to each point, labelled with its
    // distance and bearing. Empty before the first, after a failed one and for geodesics (latitude
    // and longitude are no plane coordinates).
    Picture plan;

    // --- Operations, one per event (and those of SurveyScreen) ---
    void serialColumnClicked(bool checked);  // the serial check box
    void geodesicClicked(bool checked);      // the 大地线 check box: the column heading follows
    void chooseEllipsoid(int index);         // the ellipsoid list; an index outside it is ignored
    void compute();                          // the compute button: every point from the chosen origin

private:
    void fail();
    void computeGeodesics(const SurveyPoint& origin);
    void showTable(const std::vector<std::array<QString, 5>>& rows, std::size_t columns);
};

}  // namespace cesuan
