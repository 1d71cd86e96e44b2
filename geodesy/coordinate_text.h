#pragma once
// Coordinate text: the point lists of the coordinate conversion screen, and the lines that
// screen writes back.
//
// Input: one point a line, lines ended by CR LF or a lone CR:
//     [serial] sep first sep second [sep height]
// where sep is the field separator chosen on the screen and blanks around fields do not
// matter. A line has a serial when its first character is not a digit, ".", "+" or "-", so a
// serial begins with a letter, a Chinese character or another non-numeric character. Lines
// that do not look like data (headings, remarks, blank lines) are skipped; fields after the
// height are ignored. What first and second mean (X or latitude, Y or longitude) is the
// screen's data order.
//
// The parser writes the points it keeps back as a cleaned text in a fixed layout (serials
// padded to four display cells, numbers in fixed pictures), which replaces the input. The
// result lines of the conversion commands are built here as well, so the whole text format
// lives in this one file. Numbers in texts always use "." whatever the locale.

#include <QString>
#include <QStringView>

#include <vector>

namespace cesuan {

// How many points the screen reads from one text.
inline constexpr int kCoordinatePointLimit = 200;

struct CoordinatePoint {
    QString serial;   // the serial field as cut from the line (untrimmed), or "D001", "D002" …
                      // (the point's number) for a line without one
    double col1 = 0;  // first number: X or latitude (order XYZ), Y or longitude (order YXZ)
    double col2 = 0;  // second number
    double col3 = 0;  // 高程: the height Z; 0 when the line has none
    bool hasHeight = false;  // the line had a readable third number
};

// The points of one text, in the order of their lines. Conversions work on it in place.
struct CoordinateBatch {
    std::vector<CoordinatePoint> points;
    // The lines that look like data but whose first two numbers cannot be read (a letter in
    // a number field), trimmed, in order: they are not converted and are named.
    std::vector<QString> droppedLines;
    int count() const { return int(points.size()); }
};

// Full-width blank, runs of blanks and a few full-width or look-alike characters to ASCII:
// U+3000 → blank; five, four, three, two blanks → one (in that order, each once over the
// whole text); "―" → "-", "＋" → "+", "·" and "．" → ".", "，" → ",", "＃" → "#",
// "＠" → "@", "＊" → "*", "＆" → "&", "／" → "/". The empty text gives the empty text (a
// text that begins with a blank line or a tab is cleaned like any other).
QString NormaliseCoordinateText(const QString& text);

// Runs of blanks (U+0020 only) shortened as NormaliseCoordinateText does it: five, four,
// three, two blanks → one, in that order, each once over the whole text. Nothing else changes.
QString CollapseBlankRuns(const QString& text);

// The number at the start of a field, in the double's text form (15 significant digits,
// engine/number_text.h): "1e3" gives "1000", "  -12.5m " gives "-12.5", "12abc" gives "12";
// the empty text when the field does not start with a readable number ("abc", "E5", "1.2.3").
QString LeadingNumberText(const QString& field);

// Splits a coordinate text into points, at most `limit` of them (kCoordinatePointLimit on the
// screen); the rest of the text is ignored. A line counts as data when it holds a separator,
// at least two number characters (digits, ".", "+", "-") and no fewer number characters
// than separators; it becomes a point when its first two numbers can be read. Returns the
// cleaned text, one line per point:
//     serial , N1 , N2[ , N3] CR LF
// (the separator in place of ","), the trimmed serial padded with blanks to four display
// cells, N1 and N2 in "#######00.0000####", N3 in "#######00.000" and only when the line had
// a readable third number. Without any point the batch is empty and the text is
// "没有发现坐标数据！". The separator is the screen's 分隔符: anything but exactly one character
// that is a tab or does not lie below the blank parses as ",".
// A long text is read on `threads` threads (0: one a core), in pieces of whole lines; the
// result is the one of a single pass.
// The text is let go of once its points are read: a caller that hands over a long text it no
// longer needs (std::move) holds it no longer than that.
QString ParseCoordinateText(QString text, const QString& separator, int limit, CoordinateBatch& batch,
                            std::size_t threads = 0);

// A number in a picture: "0" a digit always shown, "#" a digit shown only when significant,
// "." the decimal point; other characters are ignored. The integer part shows all its digits,
// at least as many as the picture has "0" before the point; the fraction is rounded, halves
// away from zero, to as many places as the picture has "0" and "#" after the point, and its
// trailing zeros are dropped down to the picture's last "0". The rounding works on the
// double's 15 significant digits (its text form), so 2.675 in "0.00" gives "2.68". A negative
// value gets a leading "-" unless it shows as zero. ("00.00000000": -3.5 → "-03.50000000";
// "#######00.0000####": 1 → "01.0000", 39.4125536 → "39.4125536".) An infinite or NaN value
// gives its text form.
QString FormatPicture(double value, QStringView picture);
// The same appended to `text`.
void AppendPicture(QString& text, double value, QStringView picture);

namespace textual {
// FormatPicture on the text of the number's digits, step by step: the reference the integer
// path of FormatPicture is tested against.
QString FormatPicture(double value, QStringView picture);
}  // namespace textual

// ---- Result lines of the conversion commands ----

// What a command produces: grid coordinates of a zone width, or latitude and longitude.
enum class CoordinateResultKind { Zone6, Zone3, Zone1p5, Geodetic };

// The header line of a result block (without line end); `ellipsoidName` is the ellipsoid
// list's text as shown (北京, 西安, WGS) and is not used for geodetic results.
QString CoordinateResultHeader(CoordinateResultKind kind, const QString& ellipsoidName);

// The widest DisplayWidth of the batch's trimmed serials: the width of the serial column.
int SerialColumnWidth(const CoordinateBatch& batch);

struct CoordinateResultLayout {
    CoordinateResultKind kind = CoordinateResultKind::Zone6;
    bool serialOutput = true;  // 带序号输出: lines start with the serial column
    int serialWidth = 0;       // SerialColumnWidth of the batch
    bool eastFirst = false;    // data order "YXZ": Y or longitude in the first column
};

// One result line, ended by CR LF:
//     [serial padded to serialWidth cells " , "] first " , " second [" , " height] message " "
// Grid results show X in "0000000.000" and Y in "00000000.000", geodetic results the latitude
// in "00.00000000" and the longitude in "000.00000000"; `north` is X or the latitude, `east`
// Y or the longitude, and layout.eastFirst puts east first. The height column appears when the
// height's text form is not "0" and shows it in "###0.000". `message` is the projection's
// message for the point (may be empty); the line always ends with a blank before CR LF.
QString CoordinateResultLine(const CoordinateResultLayout& layout, const QString& serial, double north,
                             double east, double height, const QString& message);

// The same line appended to `text`, for building a long block without a copy of each line.
void AppendCoordinateResultLine(QString& text, const CoordinateResultLayout& layout, const QString& serial,
                                double north, double east, double height, const QString& message);

// The same for a converted point that holds its results in data order: col1 and col2 are
// north and east, or east and north when layout.eastFirst; col3 is the height.
QString CoordinateResultLine(const CoordinateResultLayout& layout, const CoordinatePoint& point,
                             const QString& message);

// The new content of the output box: the header, CR LF, the lines (each ended by CR LF), one
// more CR LF and the previous content, so that new results stand above the older ones.
QString CoordinateResultBlock(const QString& header, const QString& lines, const QString& previousOutput);

// The same block built in place, for many lines: CoordinateResultBlockStart gives the header
// and its CR LF, the lines are appended to it (AppendCoordinateResultLine), and
// FinishCoordinateResultBlock adds the CR LF and the previous content.
QString CoordinateResultBlockStart(const QString& header);
void FinishCoordinateResultBlock(QString& block, const QString& previousOutput);

// Appends a remark to the input box: CR LF, CR LF, remark (texts::kRemark…).
void AppendCoordinateRemark(QString& inputText, const QString& remark);

}  // namespace cesuan
