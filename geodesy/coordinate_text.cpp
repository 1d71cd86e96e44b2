#include "geodesy/coordinate_text.h"

#include "engine/calc_value.h"
#include "engine/number_text.h"
#include "engine/rounding.h"
#include "geodesy/geodesy_texts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <new>
#include <string>

namespace cesuan {
namespace {

const QString kLineEnd = QStringLiteral("\r\n");
const QString kColumnJoin = QStringLiteral(" , ");

// Pictures of the cleaned input and of the result lines.
constexpr QStringView kPictureInput = u"#######00.0000####";
constexpr QStringView kPictureInputHeight = u"#######00.000";
constexpr QStringView kPictureX = u"0000000.000";
constexpr QStringView kPictureY = u"00000000.000";
constexpr QStringView kPictureLatitude = u"00.00000000";
constexpr QStringView kPictureLongitude = u"000.00000000";
constexpr QStringView kPictureHeight = u"###0.000";

// The replacements of NormaliseCoordinateText, made one after the other.
struct Replacement {
    const char16_t* from;
    const char16_t* to;
};
constexpr std::array kReplacements = std::to_array<Replacement>({
    {u"\u3000", u" "},
    {u"     ", u" "},
    {u"    ", u" "},
    {u"   ", u" "},
    {u"  ", u" "},
    {u"\u2015", u"-"},  // ―
    {u"＋", u"+"},
    {u"\u00B7", u"."},  // ·
    {u"．", u"."},
    {u"，", u","},
    {u"＃", u"#"},
    {u"＠", u"@"},
    {u"＊", u"*"},
    {u"＆", u"&"},
    {u"／", u"/"},
});

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Digits and the characters a number may begin with or contain besides them.
bool isNumberCharacter(QChar c) { return isAsciiDigit(c) || c == u'.' || c == u'+' || c == u'-'; }

// The separator the parser uses: FieldSeparator() when it is one character that is a tab or
// not below the blank, else ",".
QChar effectiveSeparator() {
    const QString& s = FieldSeparator();
    if (s.size() == 1 && (s[0] >= u' ' || s[0] == u'\t')) return s[0];
    return u',';
}

// The serial padded with blanks to `width` display cells (nothing added when it is wider).
QString padToWidth(const QString& text, int width) {
    const int missing = width - DisplayWidth(text);
    return missing > 0 ? text + QString(missing, u' ') : text;
}

// The number of a generated serial: at least three digits.
QString generatedSerial(int number) {
    return QStringLiteral("D") + QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
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

QString& FieldSeparator() {
    static QString separator = QStringLiteral(",");
    return separator;
}

QString NormaliseCoordinateText(const QString& text) {
    // Only an empty text is empty: a list pasted with a blank line (or a tab) in front is
    // still a list.
    if (text.isEmpty()) return {};
    try {
        QString result = text;
        for (const Replacement& r : kReplacements)
            result.replace(QString::fromUtf16(r.from), QString::fromUtf16(r.to));
        return result;
    } catch (const std::bad_alloc&) {
        return {};
    }
}

QString LeadingNumberText(const QString& field) {
    QString s = TrimBlanks(field.toLower());
    if (s.isEmpty()) return {};
    bool digitSeen = false;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (isAsciiDigit(c)) {
            digitSeen = true;
            continue;
        }
        if (c == u'.' || c == u'+' || c == u'-' || c == u'e') continue;
        if (!digitSeen) return {};
        s.truncate(i);
        break;
    }
    const std::optional<double> value = parseDouble(s);
    return value ? formatDouble(*value) : QString();
}

QString ParseCoordinateText(const QString& text, int limit, CoordinateBatch& batch) {
    batch.points.clear();
    const QChar sep = effectiveSeparator();
    const QString trimmed = TrimBlanks(text);
    if (trimmed.isEmpty() || limit < 1) return texts::kMsgNoCoordinateData;

    const QString t = NormaliseCoordinateText(trimmed) + kLineEnd;
    const QString sepJoin = QStringLiteral(" ") + sep + QStringLiteral(" ");
    QString cleaned;
    int count = 0;

    qsizetype lineStart = 0;
    int separators = 0;
    int numberCharacters = 0;
    for (qsizetype p = 0; p < t.size() && count < limit; ++p) {
        const QChar c = t[p];
        if (c != u'\r') {
            if (c == sep) ++separators;
            if (isNumberCharacter(c)) ++numberCharacters;
            continue;
        }
        // The line [lineStart, p] ends here with its CR; an LF after the CR belongs to the end.
        const bool dataLine = p + 1 > 3 && separators > 0 && numberCharacters > 1 && numberCharacters >= separators;
        const QStringView line = QStringView(t).mid(lineStart, p - lineStart + 1);
        lineStart = p + 1;
        if (lineStart < t.size() && t[lineStart] == u'\n') ++lineStart;
        separators = 0;
        numberCharacters = 0;
        if (!dataLine) continue;

        // Leading blanks off; the line still ends with its CR, which ends the last field.
        qsizetype first = 0;
        while (line[first] == u' ') ++first;
        const QStringView l = line.mid(first);
        const bool hasSerial = !isNumberCharacter(l[0]);
        std::array<QString, 4> fields;
        std::size_t f = 0;
        qsizetype fieldStart = 0;
        for (qsizetype i = 0; i < l.size() && f < fields.size(); ++i) {
            if (l[i] != sep && l[i] != u'\r') continue;
            fields[f++] = l.mid(fieldStart, i - fieldStart).toString();
            fieldStart = i + 1;
            if (l[i] == u'\r') break;
        }
        const std::size_t n = hasSerial ? 1 : 0;
        const QString num1 = LeadingNumberText(fields[n]);
        const QString num2 = LeadingNumberText(fields[n + 1]);
        const QString num3 = LeadingNumberText(fields[n + 2]);
        if (num1.isEmpty() || num2.isEmpty()) continue;

        CoordinatePoint point;
        point.serial = hasSerial ? fields[0] : generatedSerial(count + 1);
        point.col1 = parseDouble(num1).value_or(0);
        point.col2 = parseDouble(num2).value_or(0);
        point.col3 = num3.isEmpty() ? 0 : parseDouble(num3).value_or(0);
        ++count;

        const QString serial = TrimBlanks(point.serial);
        cleaned += DisplayWidth(serial) <= 3 ? padToWidth(serial, 4) : serial;
        cleaned += sepJoin + FormatPicture(point.col1, kPictureInput);
        cleaned += sepJoin + FormatPicture(point.col2, kPictureInput);
        if (!num3.isEmpty()) cleaned += sepJoin + FormatPicture(point.col3, kPictureInputHeight);
        cleaned += kLineEnd;
        batch.points.push_back(std::move(point));
    }
    return count == 0 ? texts::kMsgNoCoordinateData : cleaned;
}

QString FormatPicture(double value, QStringView picture) {
    if (!std::isfinite(value)) return formatDouble(value);

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
    const std::optional<NumberParts> parts = parseNumberText(formatDouble(value));
    if (!parts) return formatDouble(value);
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
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

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

QString CoordinateResultLine(const CoordinateResultLayout& layout, const QString& serial, double north,
                             double east, double height, const QString& message) {
    const bool geodetic = layout.kind == CoordinateResultKind::Geodetic;
    const QString northText = FormatPicture(north, geodetic ? kPictureLatitude : kPictureX);
    const QString eastText = FormatPicture(east, geodetic ? kPictureLongitude : kPictureY);

    QString line;
    if (layout.serialOutput) line = padToWidth(TrimBlanks(serial), layout.serialWidth) + kColumnJoin;
    line += layout.eastFirst ? eastText + kColumnJoin + northText : northText + kColumnJoin + eastText;
    if (formatDouble(height) != QStringLiteral("0")) line += kColumnJoin + FormatPicture(height, kPictureHeight);
    line += message + QStringLiteral(" ") + kLineEnd;
    return line;
}

QString CoordinateResultLine(const CoordinateResultLayout& layout, const CoordinatePoint& point,
                             const QString& message) {
    const double north = layout.eastFirst ? point.col2 : point.col1;
    const double east = layout.eastFirst ? point.col1 : point.col2;
    return CoordinateResultLine(layout, point.serial, north, east, point.col3, message);
}

QString CoordinateResultBlock(const QString& header, const QString& lines, const QString& previousOutput) {
    return header + kLineEnd + lines + kLineEnd + previousOutput;
}

QString AppendCoordinateRemark(const QString& inputText, const QString& remark) {
    return inputText + kLineEnd + kLineEnd + remark;
}

}  // namespace cesuan
