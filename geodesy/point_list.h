#pragma once
// Point lists of the survey screens: one point a line, an optional serial, then X (northing),
// Y (easting) and H (height), separated by commas; look-alike characters are mapped, other
// characters removed with a warning. Every line that holds a point is one, numbered by its
// line; an empty line is no point, a line with a serial and no coordinates is named and
// skipped, a value that is no number is named and makes the list unusable.

#include "engine/calc_value.h"
#include "engine/journal.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace cesuan {

struct SurveyPoint {
    QString serial;        // the trimmed serial, or the line number for a list without serials
    CalcValue x, y, h;     // empty when the line has no such field
    CalcValue extra;       // a fourth number, shown in the aligned text only
};

struct PointList {
    std::vector<SurveyPoint> points;  // the points, in the order of their lines
    // The values that are no numbers, each named by its line, serial and field; a list with
    // any of them is not measured.
    QStringList badValues;
    int count() const { return int(points.size()); }
};

// Cleans the text, fills `list` and returns the aligned text (an empty line stays empty). A
// text shorter than two characters is returned unchanged and the list is left as it was.
// Each removed character is a notice in the journal (up to a count, then one notice for the
// rest), and so are the skipped lines, in one notice. `fieldNames`, when given, are the four
// names the messages give the number fields (X, Y, H and 第4个数 otherwise).
QString ParsePointList(CalcErrorJournal& journal, const QString& text, bool hasSerial, PointList& list,
                       const QString* fieldNames = nullptr);

}  // namespace cesuan
