#include "radix/radix.h"

#include "engine/calc_value.h"
#include "engine/journal.h"
#include "engine/power.h"
#include "radix/radix_texts.h"

#include <algorithm>
#include <climits>
#include <optional>

namespace cesuan {
namespace {

const QString kZero = QStringLiteral("0");
const QString kFailure = QStringLiteral("-1");

bool isBinaryDigit(QChar c) { return c == u'0' || c == u'1'; }
bool isHexAlphabet(QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'); }

// The accepted prefix of an already trimmed text: alphabet characters, "." anywhere, "-"
// in the first place only; the first other character ends it.
template <typename Alphabet>
QString acceptedPrefix(const QString& trimmed, Alphabet inAlphabet) {
    qsizetype end = 0;
    for (; end < trimmed.size(); ++end) {
        const QChar c = trimmed[end];
        if (inAlphabet(c) || c == u'.' || (c == u'-' && end == 0)) continue;
        break;
    }
    return trimmed.left(end);
}

// The number texts are split at their first ".": integer digits and fraction digits.
struct Magnitude {
    bool negative = false;
    QString integer;
    QString fraction;
    bool hasPoint = false;
};

Magnitude splitMagnitude(const QString& prefix, QString magnitude) {
    Magnitude m;
    m.negative = prefix.startsWith(u'-');
    const qsizetype point = magnitude.indexOf(u'.');
    m.hasPoint = point >= 0;
    m.integer = m.hasPoint ? magnitude.left(point) : magnitude;
    if (m.hasPoint) m.fraction = magnitude.mid(point + 1);
    return m;
}

// Counts the failure and shows its box; the result every failed conversion returns.
QString conversionFailure(CalcErrorJournal& journal, const QString& argument, const QString& from, const QString& to) {
    AddNotice(journal, texts::msgRadixConversion(TrimBlanks(argument), from, to));
    ++journal.errorCount;
    return kFailure;
}

// The conversions write only errorCount of the journal: the double fallbacks and reliable
// digits that PowerOf notes for the weights are put back when the conversion ends.
class PowerNotesUndone {
public:
    explicit PowerNotesUndone(CalcErrorJournal& journal)
        : journal_(journal), fallbacks_(journal.doubleFallbackCount), reliable_(journal.reliableDigits) {}
    ~PowerNotesUndone() {
        journal_.doubleFallbackCount = fallbacks_;
        journal_.reliableDigits = reliable_;
    }
    PowerNotesUndone(const PowerNotesUndone&) = delete;
    PowerNotesUndone& operator=(const PowerNotesUndone&) = delete;

private:
    CalcErrorJournal& journal_;
    int fallbacks_;
    int reliable_;
};

// The value of a group of binary digits, empty when it holds anything else.
std::optional<int> groupValue(QStringView group) {
    int value = 0;
    for (const QChar c : group) {
        if (!isBinaryDigit(c)) return std::nullopt;
        value = value * 2 + (c == u'1' ? 1 : 0);
    }
    return value;
}

QChar digitChar(int value) { return QLatin1Char("0123456789ABCDEF"[value]); }

// BinToHex (4 bits a digit) and BinToOct (3 bits, with its leading-"000" step).
QString binaryToGroups(CalcErrorJournal& journal, const QString& argument, int bits) {
    const bool octal = bits == 3;
    const QString& target = octal ? texts::kRadixOctal : texts::kRadixHexadecimal;
    const QString prefix = acceptedPrefix(TrimBlanks(argument), isBinaryDigit);
    if (prefix.isEmpty()) return kZero;
    QString magnitude = StripLeadingMinus(prefix);
    if (octal) {
        if (magnitude.startsWith(u"000") && !magnitude.startsWith(u"000.")) magnitude.remove(0, 3);
        if (magnitude.isEmpty()) return kZero;
    }
    const Magnitude m = splitMagnitude(prefix, magnitude);

    QString out;
    // Integer digits in groups from the right; the leftmost short group reads as padded
    // with zeros on the left, which leaves its value as it is.
    const qsizetype lead = m.integer.size() % bits;
    for (qsizetype i = lead > 0 ? -(bits - lead) : 0; i < m.integer.size(); i += bits) {
        const qsizetype from = i < 0 ? 0 : i;
        const std::optional<int> v = groupValue(QStringView(m.integer).mid(from, i + bits - from));
        if (!v) return conversionFailure(journal, argument, texts::kRadixBinary, target);
        out += digitChar(*v);
    }
    // Fraction digits in groups from the left, only when a digit follows the point. A short
    // last group reads as padded with zeros on the right and writes nothing when all zeros.
    const bool fractionHasDigit =
        std::any_of(m.fraction.cbegin(), m.fraction.cend(), [](QChar c) { return isBinaryDigit(c); });
    if (fractionHasDigit) {
        out += u'.';
        for (qsizetype i = 0; i < m.fraction.size(); i += bits) {
            const QStringView group = QStringView(m.fraction).mid(i, bits);
            const std::optional<int> v = groupValue(group);
            if (!v) return conversionFailure(journal, argument, texts::kRadixBinary, target);
            if (group.size() == bits) {
                out += digitChar(*v);
            } else if (*v != 0) {
                out += digitChar(*v << (bits - group.size()));
            }
        }
    }
    return TrimBlanks((m.negative ? QStringLiteral("-") : QString()) + out);
}

// HexToBin (4 bits a digit) and OctToBin (3 bits, digits 0..7 only).
QString digitsToBinary(CalcErrorJournal& journal, const QString& argument, int bits) {
    const bool octal = bits == 3;
    const QString& source = octal ? texts::kRadixOctal : texts::kRadixHexadecimal;
    QString trimmed = TrimBlanks(argument);
    if (!octal) trimmed = trimmed.toUpper();
    const QString prefix = acceptedPrefix(trimmed, isHexAlphabet);
    if (prefix.isEmpty()) return kZero;
    const QString magnitude = StripLeadingMinus(prefix);

    QString out;
    bool pointSeen = false;
    for (const QChar c : magnitude) {
        if (c == u'.') {
            if (pointSeen) return conversionFailure(journal, argument, source, texts::kRadixBinary);
            pointSeen = true;
            out += u'.';
            continue;
        }
        const int value = c <= u'9' ? c.unicode() - u'0' : c.unicode() - u'A' + 10;
        if (value >= (1 << bits)) return conversionFailure(journal, argument, source, texts::kRadixBinary);
        for (int bit = bits - 1; bit >= 0; --bit) out += (value >> bit) & 1 ? u'1' : u'0';
    }
    return TrimBlanks((prefix.startsWith(u'-') ? QStringLiteral("-") : QString()) + out);
}

// The counters' walk: the characters `mark` of the lower-cased trimmed text before its
// first "e".
int countBeforeExponent(CalcErrorJournal& journal, const QString& text, QChar mark, QString (*message)(const QString&)) {
    const QString trimmed = TrimBlanks(text);
    if (trimmed.size() > INT_MAX) {  // the count is a 32-bit number
        LogFailure(journal, message(trimmed));
        return -1;
    }
    int count = 0;
    for (const QChar c : trimmed.toLower()) {
        if (c == u'e') break;
        if (c == mark) ++count;
    }
    return count;
}

}  // namespace

QString BinToHex(CalcErrorJournal& journal, const QString& binary) { return binaryToGroups(journal, binary, 4); }
QString BinToOct(CalcErrorJournal& journal, const QString& binary) { return binaryToGroups(journal, binary, 3); }
QString HexToBin(CalcErrorJournal& journal, const QString& hexadecimal) {
    return digitsToBinary(journal, hexadecimal, 4);
}
QString OctToBin(CalcErrorJournal& journal, const QString& octal) { return digitsToBinary(journal, octal, 3); }

CalcValue BinToDec(CalcErrorJournal& journal, const QString& binary) {
    const QString prefix = acceptedPrefix(TrimBlanks(binary), isBinaryDigit);
    if (prefix.isEmpty()) return Decimal96(0);
    const Magnitude m = splitMagnitude(prefix, StripLeadingMinus(prefix));
    const PowerNotesUndone undo(journal);

    // Each weight as PowerOf gives it, taken into the decimal sum (a double through its 15
    // digits); a weight or sum outside the decimal range is a failure.
    Decimal96 sum(0);
    auto addWeight = [&sum](const CalcValue& weight) {
        const std::optional<Decimal96> w = weight.toDecimal();
        const std::optional<Decimal96> s = w ? add(sum, *w) : std::nullopt;
        if (s) sum = *s;
        return s.has_value();
    };
    const qsizetype digits = m.integer.size();
    for (qsizetype j = 1; j <= digits; ++j) {
        if (m.integer[digits - j] != u'1') continue;
        if (!addWeight(PowerOf(journal, 2, CalcValue(std::int64_t(j - 1)))))
            return conversionFailure(journal, binary, texts::kRadixBinary, texts::kRadixDecimal);
    }
    const CalcValue half(QStringLiteral("0.5"));
    for (qsizetype k = 1; k <= m.fraction.size(); ++k) {
        if (m.fraction[k - 1] != u'1') continue;  // a second "." counts as a zero digit
        if (!addWeight(PowerOf(journal, half, CalcValue(std::int64_t(k)))))
            return conversionFailure(journal, binary, texts::kRadixBinary, texts::kRadixDecimal);
    }
    return CalcValue((m.negative ? QStringLiteral("-") : QString()) + sum.toText());
}

CalcValue DecToBin(CalcErrorJournal& journal, const CalcValue& x) {
    const QString t = x.trimmedText();
    if (t.isEmpty()) return Decimal96(0);
    const PowerNotesUndone undo(journal);
    auto failure = [&] { return CalcValue(conversionFailure(journal, t, texts::kRadixDecimal, texts::kRadixBinary)); };

    const std::optional<Decimal96> value = CalcValue(t).toDecimal();
    if (!value) return failure();
    const QString s = value->toText();
    const qsizetype point = s.indexOf(u'.');
    QString integer = point < 0 ? s : s.left(point);
    const QString fraction = point < 0 ? QString() : s.mid(point + 1);
    if (integer.startsWith(u'-')) integer.remove(0, 1);
    if (integer.isEmpty()) integer = kZero;

    // Integer bits: the powers 2^95 .. 2^0 subtracted where they fit.
    std::optional<Decimal96> r = Decimal96::fromText(integer);
    if (!r) return failure();
    QString out;
    for (int n = 95; n >= 0; --n) {
        const std::optional<Decimal96> w = PowerOf(journal, 2, n).toDecimal();
        if (!w) return failure();
        if (*r >= *w) {
            r = subtract(*r, *w);
            if (!r) return failure();
            out += u'1';
        } else if (!out.isEmpty()) {
            out += u'0';
        }
    }
    if (out.isEmpty()) out = kZero;

    // Fraction bits: 92 weights, each half the previous in decimal (rounded to 28 places
    // beyond 2^-28), subtracted where they fit; trailing zero bits go.
    if (!fraction.isEmpty()) {
        std::optional<Decimal96> f = Decimal96::fromText(QStringLiteral("0.") + fraction);
        if (!f) return failure();
        const Decimal96 half = Decimal96::fromParts(5, 1, false);
        Decimal96 w(1);
        out += u'.';
        for (int j = 1; j <= 92; ++j) {
            const std::optional<Decimal96> next = multiply(w, half);
            if (!next) return failure();
            w = *next;
            const std::optional<Decimal96> rest = subtract(*f, w);
            if (!rest) return failure();
            if (!rest->isNegative()) {
                f = rest;
                out += u'1';
            } else {
                out += u'0';
            }
        }
        while (out.endsWith(u'0')) out.chop(1);
        if (out.endsWith(u'.')) out.chop(1);
    }
    if (s.startsWith(u'-')) out.prepend(u'-');
    return CalcValue(out);
}

CalcValue BinaryNot(CalcErrorJournal& journal, const CalcValue& x) {
    const QString t = x.trimmedText();
    if (t.isEmpty()) {
        ++journal.errorCount;
        return CalcValue(kFailure);
    }
    const QString b = TrimBlanks(DecToBin(journal, CalcValue(t)).text());
    // Digits inverted, sign toggled (最前符号位 - <==> 正).
    QString n = b.startsWith(u'-') ? QString() : QStringLiteral("-");
    for (const QChar c : b) {
        if (c == u'1') n += u'0';
        else if (c == u'0') n += u'1';
        else if (c == u'.') n += u'.';
    }
    if (n.isEmpty()) {
        ++journal.errorCount;
        return CalcValue(kFailure);
    }
    return CalcValue(TrimBlanks(BinToDec(journal, n).text()));
}

QString StripLeadingMinus(const QString& text) {
    const QString trimmed = TrimBlanks(text);
    return trimmed.startsWith(u'-') ? trimmed.mid(1) : trimmed;
}

int CountMinusSigns(CalcErrorJournal& journal, const QString& text) { return countBeforeExponent(journal, text, u'-', texts::msgCountMinusSigns); }
int CountPoints(CalcErrorJournal& journal, const QString& text) { return countBeforeExponent(journal, text, u'.', texts::msgCountPoints); }

int DigitCharCount(CalcErrorJournal& journal, const QString& text) {
    const QString trimmed = TrimBlanks(text);
    if (trimmed.size() > INT_MAX) {  // the count is a 32-bit number
        LogFailure(journal, texts::msgDigitCharCount(trimmed));
        return -1;
    }
    int count = 0;
    for (const QChar c : trimmed) {
        const bool digit = c >= u'0' && c <= u'9';
        if (!digit && c != u' ' && c != u'.' && c != u'+' && c != u'-') break;
        if (digit) ++count;
    }
    return count;
}

QString InvalidRadixDigits(const QString& text, int radix) {
    QString bad;
    if (radix == 10) {
        // A decimal is any number text (a sign, a point, an exponent); the characters that
        // cannot be part of one are named, or the whole text when they all could.
        CalcErrorJournal reading;
        ToCalcValue(reading, CalcValue(text));
        if (reading.errorCount == 0) return bad;
        for (const QChar c : text)
            if (!QStringView(u"0123456789+-.eE ").contains(c) && !bad.contains(c)) bad.append(c);
        return bad.isEmpty() ? text : bad;
    }
    bool point = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const int value = c.isDigit() && c.unicode() < 0x80 ? c.unicode() - u'0'
                          : (c.toUpper() >= u'A' && c.toUpper() <= u'F') ? c.toUpper().unicode() - u'A' + 10
                                                                          : -1;
        bool ok = value >= 0 && value < radix;
        if (!ok && c == u'-' && i == 0) ok = true;
        if (!ok && c == u'.' && !point) ok = point = true;
        if (!ok && !bad.contains(c)) bad.append(c);
    }
    return bad;
}

}  // namespace cesuan
