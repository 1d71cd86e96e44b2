#include "geodesy/coordinate_text.h"

#include "engine/calc_value.h"
#include "engine/number_text.h"
#include "engine/parallel.h"
#include "geodesy/dms_digits.h"
#include "engine/rounding.h"
#include "geodesy/geodesy_texts.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <new>
#include <string>
#include <string_view>

namespace cesuan {
namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// Below these sizes a text is read, and its points written, on one thread.
constexpr std::size_t kCharactersPerPiece = 1 << 16;
constexpr std::size_t kPointsPerPiece = 2048;
// Room for a line of the cleaned text or of the results, so that a piece grows in place.
constexpr qsizetype kCharactersPerLine = 80;
const QString kColumnJoin = QStringLiteral(" , ");

// Pictures of the cleaned input and of the result lines.
constexpr QStringView kPictureInput = u"#######00.0000####";
constexpr QStringView kPictureInputHeight = u"#######00.000";
constexpr QStringView kPictureX = u"0000000.000";
constexpr QStringView kPictureY = u"00000000.000";
constexpr QStringView kPictureLatitude = u"00.00000000";
constexpr QStringView kPictureLongitude = u"000.00000000";
constexpr QStringView kPictureHeight = u"###0.000";

// The characters NormaliseCoordinateText maps to ASCII one for one (U+3000 is a blank and
// goes with the runs of blanks).
QChar normalisedCharacter(QChar c) {
    switch (c.unicode()) {
    case 0x2015: return u'-';  // ―
    case 0xFF0B: return u'+';  // ＋
    case 0x00B7:               // ·
    case 0xFF0E: return u'.';  // ．
    case 0xFF0C: return u',';  // ，
    case 0xFF03: return u'#';  // ＃
    case 0xFF20: return u'@';  // ＠
    case 0xFF0A: return u'*';  // ＊
    case 0xFF06: return u'&';  // ＆
    case 0xFF0F: return u'/';  // ／
    default: return c;
    }
}

// How many blanks a run of `length` blanks keeps when every five, then four, three and two
// blanks of it become one. The replacements work left to right, so a run of n blanks gives
// n / L new blanks and keeps n % L, and runs never join: they stay apart by other characters.
qsizetype collapsedRunLength(qsizetype length) {
    for (qsizetype l = 5; l >= 2; --l) length = length / l + length % l;
    return length;
}

// Appends `in` to `out` with the blank runs collapsed; with `normalise`, U+3000 counts as a
// blank and the look-alike characters become ASCII (NormaliseCoordinateText), else only
// U+0020 is a blank and nothing else changes. One pass, no copy of the whole text.
void appendCollapsed(QString& out, QStringView in, bool normalise) {
    const qsizetype start = out.size();
    out.resize(start + in.size());  // the result is never longer than the input
    QChar* const begin = out.data() + start;
    QChar* to = begin;
    const auto isBlank = [normalise](QChar c) { return c == u' ' || (normalise && c == u'\u3000'); };
    for (qsizetype i = 0; i < in.size();) {
        if (!isBlank(in[i])) {
            *to++ = normalise ? normalisedCharacter(in[i]) : in[i];
            ++i;
            continue;
        }
        qsizetype run = 0;
        for (; i < in.size() && isBlank(in[i]); ++i) ++run;
        to = std::fill_n(to, collapsedRunLength(run), QChar(u' '));
    }
    out.truncate(start + (to - begin));
}

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Digits and the characters a number may begin with or contain besides them.
bool isNumberCharacter(QChar c) { return isAsciiDigit(c) || c == u'.' || c == u'+' || c == u'-'; }

// The separator the parser uses: the chosen one when it is one character that is a tab or
// not below the blank, else ",".
QChar effectiveSeparator(const QString& s) {
    if (s.size() == 1 && (s[0] >= u' ' || s[0] == u'\t')) return s[0];
    return u',';
}

// The number of a generated serial: at least three digits.
QString generatedSerial(int number) {
    return QStringLiteral("D") + QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
}

// The blank-trimmed part of a text (TrimBlanks without the copy).
QStringView trimmedBlanks(QStringView text) {
    qsizetype begin = 0, end = text.size();
    while (begin < end && text[begin] == u' ') ++begin;
    while (end > begin && text[end - 1] == u' ') --end;
    return text.mid(begin, end - begin);
}

// The value of the number at the start of a field (LeadingNumberText before its text form):
// blanks off, then digits, ".", "+", "-" and the exponent letter up to the first other
// character after a digit; nothing when another character comes before any digit or the
// piece is no number.
std::optional<double> leadingNumber(QStringView field) {
    QStringView s = trimmedBlanks(field);
    if (s.isEmpty()) return std::nullopt;
    bool digitSeen = false;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (isAsciiDigit(c)) {
            digitSeen = true;
            continue;
        }
        if (c == u'.' || c == u'+' || c == u'-' || c == u'e' || c == u'E') continue;
        if (!digitSeen) return std::nullopt;
        s.truncate(i);
        break;
    }
    return ParseDouble(s);
}

// The text form of a finite double (FormatDouble) written into `buffer`, without building a
// QString; the exponent letter may be lower case, which the number grammar reads alike.
std::string_view doubleChars(double value, std::array<char, 40>& buffer) {
    if (value == 0) return "0";
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    return std::string_view(buffer.data(), std::size_t(result.ptr - buffer.data()));
}

// A number as the cleaned text shows it: its 15-digit text form read back (0 when that text
// lies beyond the largest double).
double shownValue(double value) {
    if (value == 0) return 0;  // the text "0": no sign
    if (const std::optional<dms_digits::Decimal15> d = dms_digits::decimal15(value)) {
        if (const std::optional<double> shown = d->toDouble()) return *shown;  // one exact division
    }
    std::array<char, 40> buffer;
    return ParseDouble(doubleChars(value, buffer)).value_or(0);
}

// Adds one to a string of decimal digits ("" counts as 0).
void incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

QString NormaliseCoordinateText(const QString& text) {
    // Only an empty text is empty: a list pasted with a blank line (or a tab) in front is
    // still a list.
    if (text.isEmpty()) return {};
    try {
        QString result;
        appendCollapsed(result, text, true);
        return result;
    } catch (const std::bad_alloc&) {
        return {};
    }
}

QString CollapseBlankRuns(const QString& text) {
    QString result;
    appendCollapsed(result, text, false);
    return result;
}

QString LeadingNumberText(const QString& field) {
    const std::optional<double> value = leadingNumber(field);
    return value ? FormatDouble(*value) : QString();
}

namespace {

// The points of whole lines of the trimmed text (a piece of it, from a line start), at most
// `limit`, as ParseCoordinateText reads them; a line without a serial leaves the serial empty
// (its number is known only when all pieces are read). The text is read as if normalised and
// ended by CR LF, one line at a time: a line is normalised on its own (blank runs never cross
// a line end). Only a line ending at the normalised text's third character or later can be
// data: `startPosition` is where the piece starts in that text (or a bound of it at 3 or
// above, which settles every line of the piece).
void readPoints(QStringView piece, bool lastPiece, QChar sep, qsizetype startPosition, int limit,
                std::vector<CoordinatePoint>& points, std::vector<QString>& dropped) {
    QString line;
    int count = 0;
    qsizetype position = startPosition;
    const qsizetype end = piece.size();
    for (qsizetype lineStart = 0; (lastPiece ? lineStart <= end : lineStart < end) && count < limit;) {
        const qsizetype cr = piece.indexOf(u'\r', lineStart);
        const qsizetype lineEnd = cr < 0 ? end : cr;
        line.resize(0);
        appendCollapsed(line, piece.mid(lineStart, lineEnd - lineStart), true);
        line += u'\r';
        const qsizetype p = position + line.size() - 1;  // where the CR stands
        position = p + 1;
        if (cr < 0) {
            lineStart = end + 1;  // the last line
        } else {
            lineStart = cr + 1;
            if (lineStart < end && piece[lineStart] == u'\n') {
                ++lineStart;
                ++position;
            }
        }

        int separators = 0;
        int numberCharacters = 0;
        for (QChar c : line) {
            if (c == sep) ++separators;
            if (isNumberCharacter(c)) ++numberCharacters;
        }
        const bool dataLine = p + 1 > 3 && separators > 0 && numberCharacters > 1 && numberCharacters >= separators;
        if (!dataLine) continue;

        // Leading blanks off; the line still ends with its CR, which ends the last field.
        qsizetype first = 0;
        while (line[first] == u' ') ++first;
        const QStringView l = QStringView(line).mid(first);
        const bool hasSerial = !isNumberCharacter(l[0]);
        std::array<QStringView, 4> fields;
        std::size_t f = 0;
        qsizetype fieldStart = 0;
        for (qsizetype i = 0; i < l.size() && f < fields.size(); ++i) {
            if (l[i] != sep && l[i] != u'\r') continue;
            fields[f++] = l.mid(fieldStart, i - fieldStart);
            fieldStart = i + 1;
            if (l[i] == u'\r') break;
        }
        const std::size_t n = hasSerial ? 1 : 0;
        const std::optional<double> num1 = leadingNumber(fields[n]);
        const std::optional<double> num2 = leadingNumber(fields[n + 1]);
        const std::optional<double> num3 = leadingNumber(fields[n + 2]);
        if (!num1 || !num2) {
            dropped.push_back(TrimBlanks(l.left(l.size() - 1).toString()));  // without its CR
            continue;
        }

        CoordinatePoint point;
        if (hasSerial) point.serial = fields[0].toString();
        point.col1 = shownValue(*num1);
        point.col2 = shownValue(*num2);
        point.col3 = num3 ? shownValue(*num3) : 0;
        point.hasHeight = num3.has_value();
        ++count;
        points.push_back(std::move(point));
    }
}

// Appends the cleaned line of a point: serial , N1 , N2[ , N3] CR LF.
void appendCleanedLine(QString& cleaned, const CoordinatePoint& point, const QString& sepJoin) {
    const QString serial = TrimBlanks(point.serial);
    cleaned += serial;
    const int width = DisplayWidth(serial);
    if (width <= 3) cleaned.resize(cleaned.size() + (4 - width), u' ');
    cleaned += sepJoin;
    AppendPicture(cleaned, point.col1, kPictureInput);
    cleaned += sepJoin;
    AppendPicture(cleaned, point.col2, kPictureInput);
    if (point.hasHeight) {
        cleaned += sepJoin;
        AppendPicture(cleaned, point.col3, kPictureInputHeight);
    }
    cleaned += kLineEnd;
}

// Where the pieces of a long text start: at line starts, each piece about as long as the text
// over `pieces`, none before the third line end (so that every line after it may be data).
std::vector<qsizetype> pieceStarts(QStringView text, std::size_t pieces) {
    const auto lineStartAfter = [text](qsizetype at) -> qsizetype {  // -1: none
        const qsizetype cr = text.indexOf(u'\r', at);
        if (cr < 0) return -1;
        return cr + 1 < text.size() && text[cr + 1] == u'\n' ? cr + 2 : cr + 1;
    };
    // After the third line end, every line may be data.
    qsizetype earliest = 0;
    for (int k = 0; k < 3 && earliest >= 0; ++k) earliest = lineStartAfter(earliest);
    std::vector<qsizetype> starts{0};
    if (earliest < 0) return starts;
    for (std::size_t k = 1; k < pieces; ++k) {
        const qsizetype at = std::max({earliest, starts.back() + 1, text.size() * qsizetype(k) / qsizetype(pieces)});
        const qsizetype start = at == earliest ? earliest : lineStartAfter(at);
        if (start < 0 || start >= text.size()) break;
        starts.push_back(start);
    }
    return starts;
}

}  // namespace

QString ParseCoordinateText(QString text, const QString& separator, int limit, CoordinateBatch& batch,
                            std::size_t threads) {
    batch.points.clear();
    batch.droppedLines.clear();
    const QChar sep = effectiveSeparator(separator);
    const QStringView trimmed = trimmedBlanks(text);
    if (trimmed.isEmpty() || limit < 1) return texts::kMsgNoCoordinateData;

    // Read: the text in pieces of whole lines, one a thread.
    const std::vector<Chunk> chunks = ChunksOf(std::size_t(trimmed.size()), kCharactersPerPiece, threads);
    const std::vector<qsizetype> starts = pieceStarts(trimmed, chunks.size());
    std::vector<std::vector<CoordinatePoint>> pieces(starts.size());
    std::vector<std::vector<QString>> droppedPieces(starts.size());
    std::vector<Chunk> pieceChunks;
    for (std::size_t k = 0; k < starts.size(); ++k) pieceChunks.push_back({k, std::size_t(starts[k]), 0});
    RunChunks(pieceChunks, [&](const Chunk& chunk) {
        const std::size_t k = chunk.index;
        const qsizetype from = starts[k], to = k + 1 < starts.size() ? starts[k + 1] : trimmed.size();
        readPoints(trimmed.mid(from, to - from), k + 1 == starts.size(), sep, k == 0 ? 0 : 3, limit, pieces[k],
                   droppedPieces[k]);
    });

    text = QString();
    for (auto& piece : droppedPieces)
        for (QString& line : piece) batch.droppedLines.push_back(std::move(line));

    // Join in order, up to the limit; a point without a serial is numbered in the whole list.
    std::size_t total = 0;
    for (const auto& piece : pieces) total += piece.size();
    total = std::min(total, std::size_t(limit));
    if (total == 0) return texts::kMsgNoCoordinateData;
    batch.points.reserve(total);
    for (auto& piece : pieces) {
        for (CoordinatePoint& point : piece) {
            if (batch.points.size() == total) break;
            if (point.serial.isEmpty()) point.serial = generatedSerial(int(batch.points.size()) + 1);
            batch.points.push_back(std::move(point));
        }
        piece = {};
    }

    // The cleaned text, a piece of points a thread.
    const QString sepJoin = QStringLiteral(" ") + sep + QStringLiteral(" ");
    const std::vector<Chunk> lines = ChunksOf(total, kPointsPerPiece, threads);
    std::vector<QString> cleanedPieces(lines.size());
    RunChunks(lines, [&](const Chunk& chunk) {
        QString& cleaned = cleanedPieces[chunk.index];
        cleaned.reserve(qsizetype(chunk.end - chunk.begin) * kCharactersPerLine);
        for (std::size_t i = chunk.begin; i < chunk.end; ++i) appendCleanedLine(cleaned, batch.points[i], sepJoin);
    });
    return JoinPieces(cleanedPieces);
}

namespace {

// What a picture asks for: digits of the integer part at least, places after the point, and
// places kept at least (up to its last "0").
struct PictureFormat {
    std::size_t minInteger = 0;
    std::size_t places = 0;
    std::size_t minPlaces = 0;
};
PictureFormat pictureFormat(QStringView picture) {
    PictureFormat f;
    const qsizetype point = picture.indexOf(u'.');
    const QStringView integerPicture = point < 0 ? picture : picture.left(point);
    const QStringView fractionPicture = point < 0 ? QStringView() : picture.mid(point + 1);
    f.minInteger = std::size_t(integerPicture.count(u'0'));
    for (QChar c : fractionPicture) {
        if (c == u'0' || c == u'#') ++f.places;
        if (c == u'0') f.minPlaces = f.places;
    }
    return f;
}

// The picture on the text of the number's digits: the way the routine reads, for any value.
void appendPictureByText(QString& out, double value, QStringView picture) {
    if (!std::isfinite(value)) {
        out += FormatDouble(value);
        return;
    }

    const qsizetype point = picture.indexOf(u'.');
    const QStringView integerPicture = point < 0 ? picture : picture.left(point);
    const QStringView fractionPicture = point < 0 ? QStringView() : picture.mid(point + 1);
    const std::size_t minInteger = std::size_t(integerPicture.count(u'0'));
    std::size_t places = 0;       // "0" and "#" after the point
    std::size_t minPlaces = 0;    // up to the last "0" after the point
    for (QChar c : fractionPicture) {
        if (c == u'0' || c == u'#') ++places;
        if (c == u'0') minPlaces = places;
    }

    // |value| × 10^places, rounded half away from zero, as a digit string ("" for zero).
    std::array<char, 40> buffer;
    const std::optional<NumberParts> parts = ParseNumberText(doubleChars(value, buffer));
    if (!parts) {
        out += FormatDouble(value);
        return;
    }
    std::string scaled;
    const long long shift = parts->exponent + (long long)places;
    const std::string& digits = parts->digits;
    if (!digits.empty()) {
        if (shift >= 0) {
            scaled = digits + std::string(std::size_t(shift), '0');
        } else if (std::size_t(-shift) <= digits.size()) {
            const std::size_t keep = digits.size() - std::size_t(-shift);
            scaled = digits.substr(0, keep);
            if (digits[keep] >= '5') incrementDigits(scaled);
        }
    }
    const bool zero = scaled.find_first_not_of('0') == std::string::npos;

    if (scaled.size() < places) scaled.insert(0, places - scaled.size(), '0');
    std::string integer = scaled.substr(0, scaled.size() - places);
    std::string fraction = scaled.substr(scaled.size() - places);
    const std::size_t firstSignificant = integer.find_first_not_of('0');
    integer.erase(0, firstSignificant == std::string::npos ? integer.size() : firstSignificant);
    if (integer.size() < minInteger) integer.insert(0, minInteger - integer.size(), '0');
    while (fraction.size() > minPlaces && fraction.back() == '0') fraction.pop_back();

    std::string text = parts->negative && !zero ? "-" : "";
    text += integer;
    if (!fraction.empty()) text += '.' + fraction;
    const qsizetype at = out.size();
    out.resize(at + qsizetype(text.size()));
    QChar* to = out.data() + at;
    for (const char c : text) *to++ = QLatin1Char(c);
}

}  // namespace

// The picture of a number in integers on its 15-digit decimal, where the rounded units fit
// 64 bits; else on the text of its digits.
void AppendPicture(QString& out, double value, QStringView picture) {
    const PictureFormat f = pictureFormat(picture);
    const std::optional<dms_digits::Decimal15> d = std::isfinite(value) ? dms_digits::decimal15(value) : std::nullopt;
    std::uint64_t units = 0;  // |value| × 10^places, rounded half away from zero
    bool fits = d && f.places <= 19;
    if (fits) {
        if (d->scale >= int(f.places)) {
            const int drop = d->scale - int(f.places);
            if (drop > 19) {
                units = 0;  // every digit lies below the last place kept, the first one too
            } else {
                const std::uint64_t p = dms_digits::kPow10[std::size_t(drop)];
                units = d->coefficient / p;
                if (drop > 0 && d->coefficient % p >= p / 2) ++units;
            }
        } else {
            const int raise = int(f.places) - d->scale;
            fits = raise <= 19 && d->coefficient <= UINT64_MAX / dms_digits::kPow10[std::size_t(raise)];
            if (fits) units = d->coefficient * dms_digits::kPow10[std::size_t(raise)];
        }
    }
    if (!fits) {
        appendPictureByText(out, value, picture);
        return;
    }
    // Digits of the units, then the sign, the integer part padded to its "0"s, the point and
    // the fraction down to its last "0".
    char digits[24];
    int n = 0;
    for (std::uint64_t u = units; u != 0; u /= 10) digits[n++] = char('0' + u % 10);  // reversed
    char text[48];
    int t = 0;
    if (d->negative && units != 0) text[t++] = '-';
    const int integerDigits = n > int(f.places) ? n - int(f.places) : 0;
    for (int i = integerDigits; i < int(f.minInteger); ++i) text[t++] = '0';
    for (int i = n - 1; i >= int(f.places); --i) text[t++] = digits[i];
    // The digit of 10^-(k+1); the fraction's trailing zeros go down to the picture's last "0".
    const auto fractionDigit = [&](int k) { return int(f.places) - 1 - k < n ? digits[int(f.places) - 1 - k] : '0'; };
    int fractionEnd = int(f.places);
    while (fractionEnd > int(f.minPlaces) && fractionDigit(fractionEnd - 1) == '0') --fractionEnd;
    if (fractionEnd > 0) {
        text[t++] = '.';
        for (int k = 0; k < fractionEnd; ++k) text[t++] = fractionDigit(k);
    }
    const qsizetype at = out.size();
    out.resize(at + t);
    QChar* to = out.data() + at;
    for (int i = 0; i < t; ++i) *to++ = QLatin1Char(text[i]);
}

QString FormatPicture(double value, QStringView picture) {
    QString text;
    AppendPicture(text, value, picture);
    return text;
}

namespace textual {
QString FormatPicture(double value, QStringView picture) {
    QString text;
    appendPictureByText(text, value, picture);
    return text;
}
}  // namespace textual

QString CoordinateResultHeader(CoordinateResultKind kind, const QString& ellipsoidName) {
    switch (kind) {
    case CoordinateResultKind::Zone6: return texts::kHeadZone6 + ellipsoidName + texts::kTailZoneHeader;
    case CoordinateResultKind::Zone3: return texts::kHeadZone3 + ellipsoidName + texts::kTailZoneHeader;
    case CoordinateResultKind::Zone1p5: return texts::kHeadZone1p5 + ellipsoidName + texts::kTailZoneHeader;
    case CoordinateResultKind::Geodetic: return texts::kHeaderGeodetic;
    }
    return {};
}

int SerialColumnWidth(const CoordinateBatch& batch) {
    int width = 0;
    for (const CoordinatePoint& p : batch.points) width = std::max(width, DisplayWidth(TrimBlanks(p.serial)));
    return width;
}

void AppendCoordinateResultLine(QString& text, const CoordinateResultLayout& layout, const QString& serial,
                                double north, double east, double height, const QString& message) {
    const bool geodetic = layout.kind == CoordinateResultKind::Geodetic;
    const QStringView northPicture = geodetic ? kPictureLatitude : kPictureX;
    const QStringView eastPicture = geodetic ? kPictureLongitude : kPictureY;

    if (layout.serialOutput) {
        const QString trimmed = TrimBlanks(serial);
        text += trimmed;
        const int missing = layout.serialWidth - DisplayWidth(trimmed);
        if (missing > 0) text.resize(text.size() + missing, u' ');
        text += kColumnJoin;
    }
    if (layout.eastFirst) AppendPicture(text, east, eastPicture);
    else AppendPicture(text, north, northPicture);
    text += kColumnJoin;
    if (layout.eastFirst) AppendPicture(text, north, northPicture);
    else AppendPicture(text, east, eastPicture);
    if (height != 0) {  // its text form is "0" exactly for zero
        text += kColumnJoin;
        AppendPicture(text, height, kPictureHeight);
    }
    text += message;
    text += u' ';
    text += kLineEnd;
}

QString CoordinateResultLine(const CoordinateResultLayout& layout, const QString& serial, double north,
                             double east, double height, const QString& message) {
    QString line;
    AppendCoordinateResultLine(line, layout, serial, north, east, height, message);
    return line;
}

QString CoordinateResultLine(const CoordinateResultLayout& layout, const CoordinatePoint& point,
                             const QString& message) {
    const double north = layout.eastFirst ? point.col2 : point.col1;
    const double east = layout.eastFirst ? point.col1 : point.col2;
    return CoordinateResultLine(layout, point.serial, north, east, point.col3, message);
}

QString CoordinateResultBlockStart(const QString& header) { return header + kLineEnd; }

void FinishCoordinateResultBlock(QString& block, const QString& previousOutput) {
    block.reserve(block.size() + kLineEnd.size() + previousOutput.size());
    block += kLineEnd;
    block += previousOutput;
}

QString CoordinateResultBlock(const QString& header, const QString& lines, const QString& previousOutput) {
    QString block = CoordinateResultBlockStart(header);
    block += lines;
    FinishCoordinateResultBlock(block, previousOutput);
    return block;
}

void AppendCoordinateRemark(QString& inputText, const QString& remark) {
    inputText += kLineEnd;
    inputText += kLineEnd;
    inputText += remark;
}

}  // namespace cesuan
