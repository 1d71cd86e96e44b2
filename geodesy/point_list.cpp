#include "geodesy/point_list.h"

#include "engine/line_ends.h"
#include "geodesy/geodesy_texts.h"
#include "statistics/data_text.h"

#include <algorithm>
#include <array>

namespace cesuan {
namespace {

struct PointCharacterMapping {
    char16_t result;
    const char16_t* characters;
};

// The point list's own look-alikes, applied after the data-text clean-up.
constexpr std::array kPointCharacters = std::to_array<PointCharacterMapping>({
    {u'+', u"＋\u254B\u253C+"},
    {u'-', u"_＿\u00B1\u2014\u2500\u2501\u2015－-"},
    {u' ', u"\u3000 "},
    {u'.', u"．。、."},
    {u',', u"，,;；／/"},
});

QChar mapPointCharacter(QChar c) {
    for (const PointCharacterMapping& row : kPointCharacters)
        for (const char16_t* p = row.characters; *p; ++p)
            if (c.unicode() == *p) return QChar(row.result);
    return c;
}

bool keptByFilter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'z') || (u >= u'0' && u <= u'9') || u == u',' || u == u'.' || u == u'-' ||
           u == u'+' || u == u' ' || u <= 13;
}

QString rightAligned(const QString& s, int width) { return s.rightJustified(width, u' '); }
QString leftAligned(const QString& s, int width) { return s.leftJustified(width, u' '); }

}  // namespace

QString ParsePointList(CalcErrorJournal& journal, const QString& text, bool hasSerial, PointList& list,
                       const QString* fieldNames) {
    if (text.size() < 2) return text;
    if (fieldNames == nullptr) fieldNames = texts::kPointFieldNames;

    QString t = WithCrLfLineEnds(TrimBlanks(text));
    t = t.endsWith(u'\n') ? u' ' + t + u' ' : u' ' + t + QStringLiteral("\r\n ");

    // Look-alikes to ASCII, one character for one.
    t = NormaliseDataText(t);
    for (QChar& c : t) c = mapPointCharacter(c);

    // The filter: at most kUselessCharacterBoxes boxes, then one that counts the rest.
    QString kept;
    kept.reserve(t.size());
    int removed = 0;
    for (QChar c : t) {
        if (keptByFilter(c)) {
            kept += c;
            continue;
        }
        ++removed;
        if (removed <= texts::kUselessCharacterBoxes) AddNotice(journal, texts::kMsgUselessCharacter);
    }
    if (removed > texts::kUselessCharacterBoxes)
        AddNotice(journal, texts::msgMoreUselessCharacters(removed - texts::kUselessCharacterBoxes));
    t = kept;

    // Every CR ends one line; every line holding a point is one, numbered by its line.
    const std::size_t lines = std::size_t(t.count(u'\r'));
    list.points.assign(lines, SurveyPoint{});
    list.badValues.clear();
    for (std::size_t i = 0; i < lines; ++i) list.points[i].serial = QString::number(i + 1);
    std::vector<bool> serialTyped(lines, false), anyField(lines, false), badLine(lines, false);

    qsizetype fieldStart = 0;
    int field = 1;
    std::size_t line = 0;  // 0-based
    const auto store = [&](qsizetype end) {
        const QString value = TrimBlanks(t.mid(fieldStart, end - fieldStart));
        if (value.isEmpty() || line >= list.points.size()) return;
        SurveyPoint& p = list.points[line];
        anyField[line] = true;
        const int column = hasSerial ? field - 1 : field;  // 0 is the serial, 1..4 the numbers
        if (column == 0) {
            p.serial = value;
            serialTyped[line] = true;
            return;
        }
        if (column > 4) return;  // further fields are ignored
        CalcErrorJournal reading;
        const CalcValue number = ToCalcValue(reading, CalcValue(value));
        if (reading.errorCount > 0) {
            badLine[line] = true;
            list.badValues.append(texts::msgPointValueNotANumber(int(line) + 1, hasSerial ? p.serial : QString(),
                                                                  fieldNames[column - 1], value));
            return;
        }
        CalcValue* fields[4] = {&p.x, &p.y, &p.h, &p.extra};
        *fields[column - 1] = number;
    };
    for (qsizetype d = 0; d + 1 < t.size(); ++d) {
        if (t[d] == u',') {
            store(d);
            ++field;
            fieldStart = d + 1;
        } else if (t[d] == u'\r') {
            store(d);
            fieldStart = d + 2;  // past the LF
            field = 1;
            ++line;
        }
    }

    // Empty lines hold no point; a serial without coordinates is named and skipped.
    std::vector<bool> isPoint(lines, true);
    QStringList skipped;
    for (std::size_t i = 0; i < lines; ++i) {
        const SurveyPoint& p = list.points[i];
        if (!anyField[i]) isPoint[i] = false;
        else if (serialTyped[i] && !badLine[i] && p.x.isEmpty() && p.y.isEmpty() && p.h.isEmpty() && p.extra.isEmpty()) {
            skipped.append(texts::msgPointWithoutCoordinates(int(i) + 1, p.serial));
            isPoint[i] = false;
        }
    }
    if (!skipped.isEmpty()) AddNotice(journal, skipped.join(u'\n'));

    // The aligned text, of the points and the lines skipped; an empty line stays empty.
    int widths[5] = {0, 0, 0, 0, 0};
    for (std::size_t i = 0; i < lines; ++i) {
        if (!anyField[i]) continue;
        const SurveyPoint& p = list.points[i];
        const QString cells[5] = {p.serial, p.x.text(), p.y.text(), p.h.text(), p.extra.text()};
        for (int c = 0; c < 5; ++c) widths[c] = std::max(widths[c], int(cells[c].size()));
    }
    QString aligned;
    const QString separator = QStringLiteral(" ,");
    for (std::size_t i = 0; i < lines; ++i) {
        const SurveyPoint& p = list.points[i];
        if (anyField[i]) {
            aligned += rightAligned(p.serial, widths[0]) + separator + leftAligned(p.x.text(), widths[1]) + separator +
                       leftAligned(p.y.text(), widths[2]) + separator + rightAligned(p.h.text(), widths[3]) +
                       separator + rightAligned(p.extra.text(), widths[4]);
        }
        aligned += QStringLiteral("\r\n");
    }
    std::vector<SurveyPoint> points;
    points.reserve(lines);
    for (std::size_t i = 0; i < lines; ++i)
        if (isPoint[i]) points.push_back(std::move(list.points[i]));
    list.points = std::move(points);
    return aligned;
}

}  // namespace cesuan
