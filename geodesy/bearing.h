#pragma once
// Distance and bearing of a surveyed point seen from an origin: the horizontal distance, the
// azimuth from true north (north 0, east 90, clockwise), the slope distance and the vertical
// angle (above the horizontal positive), in decimal arithmetic where the values allow it.

#include "engine/journal.h"
#include "geodesy/point_list.h"

#include <QString>

namespace cesuan {

// The four result texts of one point: distances to 3 places, angles as D.MMSSss to 6 places.
struct BearingResult {
    QString distance, azimuth, slopeDistance, verticalAngle;
};

// Fills `result` and returns true, or false after a failure (logged in the journal). Empty
// coordinates count as 0.
bool MeasureBearing(CalcErrorJournal& journal, const SurveyPoint& origin, const SurveyPoint& point,
                    BearingResult& result);

}  // namespace cesuan
