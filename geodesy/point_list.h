#pragma once
// Point lists of the survey screens: one point a line, an optional serial, then X (northing),
// Y (easting) and H (height), separated by commas; look-alike characters are mapped, other
// characters removed with a warning, and every line (blank ones too) is a point.

#include "engine/calc_value.h"
#include "engine/journal.h"

#include <QString>

#include <vector>

namespace cesuan {

struct SurveyPoint {
    QString serial;        // the trimmed serial, or the line number for a list without serials
    CalcValue x, y, h;     // empty when the line has no such field
    CalcValue extra;       // a fourth number, shown in the aligned text only
};

struct PointList {
    std::vector<SurveyPoint> points;  // points[0] is point 1
    int count() const { return int(points.size()); }
};

// Cleans the text, fills `list` and returns the aligned text. A text shorter than two
// characters is returned unchanged and the list is left as it was. Each removed character is
// a notice in the journal (up to a count, then one notice for the rest).
QString ParsePointList(CalcErrorJournal& journal, const QString& text, bool hasSerial, PointList& list);

}  // namespace cesuan
