#include "engine/calc_value.h"

#include "engine/engine_texts.h"
#include "engine/journal.h"
#include "engine/number_text.h"

namespace cesuan {

CalcValue::CalcValue(const QString& text) : value_(text) {
    if (text.isEmpty()) value_ = std::monostate{};
}

QString CalcValue::text() const {
    switch (kind()) {
    case Kind::Empty: return QString();
    case Kind::Decimal: return decimal().toText();
    case Kind::Double: return FormatDouble(doubleValue());
    case Kind::Text: return std::get<QString>(value_);
    }
    return QString();
}

QString CalcValue::trimmedText() const {
    return kind() == Kind::Text ? TrimBlanks(std::get<QString>(value_)) : text();
}

std::optional<Decimal96> CalcValue::toDecimal() const {
    switch (kind()) {
    case Kind::Empty: return std::nullopt;
    case Kind::Decimal: return decimal();
    case Kind::Double: return Decimal96::fromDouble(doubleValue());
    case Kind::Text: return Decimal96::fromText(std::get<QString>(value_));
    }
    return std::nullopt;
}

std::optional<double> CalcValue::toDouble() const {
    switch (kind()) {
    case Kind::Empty: return std::nullopt;
    case Kind::Decimal: return decimal().toDouble();
    case Kind::Double: return doubleValue();
    case Kind::Text: return ParseDouble(std::get<QString>(value_));
    }
    return std::nullopt;
}

QString TrimBlanks(const QString& text) {
    qsizetype begin = 0, end = text.size();
    while (begin < end && text[begin] == u' ') ++begin;
    while (end > begin && text[end - 1] == u' ') --end;
    return (begin == 0 && end == text.size()) ? text : text.mid(begin, end - begin);
}

CalcValue ToCalcValue(CalcErrorJournal& journal, const CalcValue& x) {
    constexpr double kDecimalLimit = 7.92281625142642E+28;  // the bound as the double literal
    if (x.isDecimal()) {
        // A decimal keeps at least the significant digits of its double, so it stays a
        // decimal, except at the very top where its double lies on or beyond the bound.
        const Decimal96 d = x.decimal();
        if (d.scale() == 0 && d.coefficient() >= uint128(79) * uint128(1000000000000000000ULL) * 1000000000ULL) {
            const double v = d.toDouble();
            if (v >= kDecimalLimit || v <= -kDecimalLimit) {
                NoteDoubleFallback(journal);
                return v;
            }
        }
        return x;
    }
    const QString trimmed = x.trimmedText();
    if (trimmed < QStringLiteral(" ")) return Decimal96(0);

    // A text is read once for both conversions.
    std::optional<NumberParts> parts;
    if (x.isText()) parts = ParseNumberText(x.text());
    const std::optional<double> d = x.isText() ? (parts ? NumberPartsToDouble(*parts) : std::nullopt) : x.toDouble();
    if (d) {
        // The decimal range, as the two double literals bound it.
        const double v = *d;
        const bool inRange = v == 0 || (-kDecimalLimit < v && v <= -1E-28) ||
                             (1E-28 <= v && v < kDecimalLimit);
        if (!inRange) {
            NoteDoubleFallback(journal);
            return v;
        }
        const std::optional<Decimal96> decimal = x.isText() ? Decimal96::fromNumberParts(*parts) : x.toDecimal();
        if (decimal) {
            // A double's text has at most 15 significant digits.
            const int digits = decimal->significantDigits();
            if (digits < 15 && digits < SignificantDigitsOfDouble(v)) {
                NoteDoubleFallback(journal);
                return v;
            }
            return *decimal;
        }
    }
    LogFailure(journal, texts::msgToCalcValue(trimmed));
    return QStringLiteral("0");
}

int CountExponentMarks(const CalcValue& x) {
    if (x.isDecimal() || x.isEmpty()) return 0;  // a decimal's text never has one
    const QString t = x.trimmedText();
    return int(t.count(u'E') + t.count(u'e'));
}

int SignificantDigitCount(const CalcValue& x) {
    int count = 0;
    for (QChar c : x.trimmedText()) {
        if (c >= u'1' && c <= u'9') {
            ++count;
        } else if (c == u'0') {
            if (count > 0) ++count;
        } else if (c != u' ' && c != u'.' && c != u'+' && c != u'-') {
            break;
        }
    }
    return count;
}

QString TruncateSignificant(const CalcValue& x, int n) {
    const QString t = x.trimmedText();
    const qsizetype mark = std::max(t.lastIndexOf(u'E'), t.lastIndexOf(u'e'));
    QString mantissa = mark >= 0 ? t.left(mark) : t;
    const QString exponentPart = mark >= 0 ? t.mid(mark) : QString();
    int count = 0;
    bool seenPoint = false;
    for (qsizetype i = 0; i < mantissa.size(); ++i) {
        const QChar c = mantissa[i];
        if (c == u'.') {
            seenPoint = true;
        } else if (c >= u'1' && c <= u'9') {
            ++count;
        } else if (c == u'0' && count > 0) {
            ++count;
        }
        if (count >= n && seenPoint) {
            mantissa.truncate(i + 1);
            break;
        }
    }
    return mantissa + exponentPart;
}

}  // namespace cesuan
