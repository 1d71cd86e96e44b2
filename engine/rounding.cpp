#include "engine/rounding.h"

#include "engine/engine_texts.h"
#include "engine/journal.h"

#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace cesuan {
namespace {

bool hasExponentMark(const QString& text) { return text.contains(u'E') || text.contains(u'e'); }

double valueOf(const CalcValue& v) { return v.toDouble().value_or(0.0); }

// Integer digits plus or minus one, as a decimal.
std::optional<Decimal96> stepAway(const QString& integerPart, bool negative) {
    const std::optional<Decimal96> i = Decimal96::fromText(integerPart);
    if (!i) return std::nullopt;
    return negative ? subtract(*i, 1) : add(*i, 1);
}

}  // namespace

QString IntegerPartText(CalcErrorJournal& journal, const CalcValue& x) {
    const CalcValue v = ToCalcValue(journal, x);
    const QString t = v.trimmedText();
    if (hasExponentMark(t)) {
        const double d = valueOf(v);
        if (d > 10000 || d < -10000) return t;
        return d > 0 ? QStringLiteral("0") : QStringLiteral("-0");
    }
    QString integer = TrimBlanks(t.left(t.indexOf(u'.')));  // all of t when there is no point
    if (integer.isEmpty()) return QStringLiteral("0");
    if (integer == u"-") return QStringLiteral("-0");
    return integer;
}

QString FractionDigitsText(CalcErrorJournal& journal, const CalcValue& x) {
    const CalcValue v = ToCalcValue(journal, x);
    const QString t = v.trimmedText();
    if (hasExponentMark(t)) {
        const double d = valueOf(v);
        return (d > 10000 || d < -10000) ? QStringLiteral("0") : t;
    }
    const qsizetype point = t.indexOf(u'.');
    if (point < 0 || point == t.size() - 1) return QStringLiteral("0");
    return t.mid(point + 1);
}

CalcValue RoundHalfUp(CalcErrorJournal& journal, const CalcValue& x, int n) {
    const CalcValue v = ToCalcValue(journal, x);
    if (CountExponentMarks(v) > 0) return v;
    n = std::clamp(n, 0, 28);
    const QString integer = IntegerPartText(journal, v);
    const QString fraction = FractionDigitsText(journal, v);
    const double sign = valueOf(v);

    std::optional<Decimal96> result;
    if (fraction == u"0") {
        result = Decimal96::fromText(integer);
    } else if (n == 0) {
        result = fraction[0] >= u'5' ? stepAway(integer, sign < 0) : Decimal96::fromText(integer);
    } else if (n < fraction.size()) {
        const int carry = fraction[n] >= u'5' ? 1 : 0;
        const std::optional<Decimal96> kept = Decimal96::fromText(fraction.left(n));
        const std::optional<Decimal96> sum = kept ? add(*kept, carry) : std::nullopt;
        if (sum) {
            const QString digits = sum->toText().rightJustified(n, u'0');
            if (digits.size() > n) {  // all kept digits were 9 and the carry came
                result = sign == 0 ? Decimal96::fromText(integer) : stepAway(integer, sign < 0);
            } else {
                result = Decimal96::fromText(integer + u'.' + digits);
            }
        }
    } else {
        result = Decimal96::fromText(integer + u'.' + fraction);
    }
    if (result) return *result;
    LogFailure(journal, texts::msgRoundHalfUp(x.trimmedText()));
    return CalcValue();
}

int DisplayWidth(const QString& text) {
    // What the code page makes of each character, asked of the encoder once per character
    // and kept: 0 not yet asked, else the width.
    thread_local std::array<std::uint8_t, 0x10000> known{};
    thread_local std::optional<QStringEncoder> gbk;
    int width = 0;
    for (QChar c : text) {
        if (c.unicode() < 0x80 || c.isSurrogate()) {
            width += 1;
            continue;
        }
        std::uint8_t& w = known[c.unicode()];
        if (w == 0) {
            if (!gbk) gbk.emplace("GBK");
            const QByteArray bytes = gbk->encode(QStringView(&c, 1));
            w = bytes.size() == 2 ? 2 : 1;
        }
        width += w;
    }
    return width;
}

}  // namespace cesuan
