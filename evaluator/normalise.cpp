#include "evaluator/normalise.h"

#include "engine/calc_value.h"
#include "evaluator/evaluator_texts.h"
#include "evaluator/formula_words.h"

#include <QHash>

#include <array>
#include <optional>

namespace cesuan {
namespace {

constexpr char16_t kPi = u'π';
constexpr char16_t kEpsilon = u'ε';

// Typed characters and what they become. The capitals of a few rows never reach the table
// (the text is lower-cased first); they stay so that the table reads as the full list.
constexpr std::array kCharacterTable = std::to_array<CharacterMapping>({
    {u"", u" \u3000≡≈≠＝=?？"},
    {u".", u"．。.·、点"},
    {u"+", u"加正＋╋┼+"},
    {u"-", u"减负_＿±-—─━―－"},
    {u"*", u"＊乘χ×*"},
    {u"/", u":除|｜：÷／"},
    {u"\\", u"\\余＼"},
    {u"!", u"!！"},
    {u"%", u"%％"},
    {u"^", u"^＾"},
    {u"π", u"∏Ππ"},
    {u"ε", u"ε"},
    {u"(", u"(（〔〈《「『【〖［｛[<{＜"},
    {u")", u")）〕〉》」』】〗］｝]>}＞"},
    {u"a", u"ａＡ"}, {u"b", u"ｂＢ"}, {u"c", u"ｃＣ"}, {u"d", u"ｄＤ"}, {u"e", u"ｅＥ"},
    {u"f", u"ｆＦ"}, {u"g", u"ｇＧ"}, {u"h", u"ｈＨ"}, {u"i", u"ｉＩ"}, {u"j", u"ｊＪ"},
    {u"k", u"ｋＫ"}, {u"l", u"ｌＬ"}, {u"m", u"ｍＭ"}, {u"n", u"ｎＮ"}, {u"o", u"ｏＯ"},
    {u"p", u"ｐＰ"}, {u"q", u"ｑＱ"}, {u"r", u"ｒＲ"}, {u"s", u"ｓＳ"}, {u"t", u"ｔＴ"},
    {u"u", u"ｕＵ"}, {u"v", u"ｖＶ"}, {u"w", u"ｗＷ"}, {u"x", u"ｘＸ"}, {u"y", u"ｙＹ"},
    {u"z", u"ｚＺ"},
    {u"0", u"零０另"},
    {u"1", u"壹１一"}, {u"2", u"贰２二"}, {u"3", u"叁３三"}, {u"4", u"肆４四"}, {u"5", u"伍５五"},
    {u"6", u"陆６六"}, {u"7", u"柒７七"}, {u"8", u"捌８八"}, {u"9", u"玖９九"},
});

// Each table character with its result; a null QChar means "delete".
const QHash<char16_t, QChar>& characterLookup() {
    static const QHash<char16_t, QChar> lookup = [] {
        QHash<char16_t, QChar> h;
        for (const CharacterMapping& row : kCharacterTable) {
            const QChar result = row.result[0] == u'\0' ? QChar() : QChar(row.result[0]);
            for (const char16_t* c = row.characters; *c != u'\0'; ++c) h.insert(*c, result);
        }
        return h;
    }();
    return lookup;
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isLetter(QChar c) { return c >= u'a' && c <= u'z'; }
bool isOneOf(QChar c, QStringView set) { return set.contains(c); }

// Walks the pairs of `s` from the left. Where `merge` turns the pair at the current position
// into one character, that character takes the position and is examined again with the one
// after it; otherwise the walk moves on.
template <typename Merge>
QString mergePairs(const QString& s, Merge merge) {
    QString out;
    out.reserve(s.size());
    for (const QChar c : s) {
        if (!out.isEmpty()) {
            if (const std::optional<QChar> merged = merge(out.back(), c)) {
                out.back() = *merged;
                continue;
            }
        }
        out.append(c);
    }
    return out;
}

QString withoutBlanks(const QString& s) {
    QString out;
    out.reserve(s.size());
    for (const QChar c : s)
        if (c != u' ' && c != u'\u3000') out.append(c);
    return out;
}

// "++", "--" -> "+"; "+-", "-+" -> "-".
std::optional<QChar> collapseSignPair(QChar a, QChar b) {
    const bool aSign = a == u'+' || a == u'-';
    const bool bSign = b == u'+' || b == u'-';
    if (!aSign || !bSign) return std::nullopt;
    return a == b ? QChar(u'+') : QChar(u'-');
}

std::optional<QChar> collapseDoubledSymbol(QChar a, QChar b) {
    if (a == b && isOneOf(a, u".^*/\\%!+")) return a;
    if (a == u'p' && b == u'i') return QChar(kPi);
    return collapseSignPair(a, b);
}

// Characters after which an implied multiplication starts (a value ends there).
bool endsValue(QChar c) { return isDigit(c) || isOneOf(c, u"%!)") || c == kPi || c == kEpsilon; }

// Characters before which an implied multiplication ends (a value starts there).
bool startsValue(QChar c) { return isDigit(c) || isOneOf(c, u".(") || c == kPi || c == kEpsilon; }

}  // namespace

std::span<const CharacterMapping> FormulaCharacterTable() { return kCharacterTable; }

QString NormaliseFormula(const QString& typed, QString* ignored) {
    const QString zero = QStringLiteral("0");
    QString dropped;
    const auto drop = [&dropped](QChar c) {
        if (!dropped.contains(c)) dropped.append(c);
    };
    // Every return names what was left out.
    struct Report {
        QString& dropped;
        QString* ignored;
        ~Report() {
            if (ignored) *ignored = dropped;
        }
    } report{dropped, ignored};

    QString s = TrimBlanks(typed).toLower();
    if (s.isEmpty()) return zero;
    s = RewriteFormulaWords(s);

    // Typed characters to their canonical forms.
    {
        const QHash<char16_t, QChar>& lookup = characterLookup();
        QString mapped;
        mapped.reserve(s.size());
        for (const QChar c : s) {
            const auto it = lookup.constFind(c.unicode());
            if (it == lookup.constEnd())
                mapped.append(c);
            else if (!it->isNull())
                mapped.append(*it);
        }
        s = mapped;
    }
    if (s.isEmpty()) return zero;

    // Only the characters of the formula language stay.
    {
        QString kept;
        kept.reserve(s.size());
        for (const QChar c : s) {
            if (isDigit(c) || isLetter(c) || isOneOf(c, u"%!^*()-+./\\") || c == kPi || c == kEpsilon)
                kept.append(c);
            else
                drop(c);
        }
        s = kept;
    }
    if (s.isEmpty()) return zero;

    s = mergePairs(s, collapseDoubledSymbol);
    if (s.isEmpty()) return zero;

    // An unfinished tail, then a head that cannot start a formula.
    qsizetype end = s.size();
    while (end > 0 && isOneOf(s[end - 1], u"\\ +-*/^e.")) --end;
    for (qsizetype i = end; i < s.size(); ++i) drop(s[i]);
    s.truncate(end);
    if (s.isEmpty()) return zero;
    qsizetype begin = 0;
    while (begin < s.size() && isOneOf(s[begin], u"\\*/^%!)")) ++begin;
    for (qsizetype i = 0; i < begin; ++i) drop(s[i]);
    s.remove(0, begin);
    if (s.isEmpty()) return zero;

    // The walks below run over the padded text from its second character to its end; the
    // end is read anew after every change.
    s = u' ' + s + u' ';

    // A point in front of anything but a digit goes.
    for (qsizetype i = 1; i < s.size(); ++i) {
        if (s[i] != u'.' || i + 1 >= s.size()) continue;
        const QChar next = s[i + 1];
        if (isLetter(next) || isOneOf(next, u"-+*/\\^!%()") || next == kPi || next == kEpsilon) s.remove(i, 1);
    }

    // Letters (not the exponent letter e): a star after a one-letter name followed by a
    // value, and a star between a value and the letter.
    for (qsizetype i = 1; i + 1 < s.size(); ++i) {
        const QChar ch = s[i];
        if (!isLetter(ch) || ch == u'e') continue;
        const QChar prev = s[i - 1];
        if (startsValue(s[i + 1]) && !isLetter(prev)) s.insert(i + 1, u'*');
        if (endsValue(prev)) s.insert(i, u'*');
    }

    // A star after a closing bracket, percent, factorial or constant followed by a value.
    for (qsizetype i = 1; i + 1 < s.size(); ++i) {
        const QChar ch = s[i];
        if ((isOneOf(ch, u")%!") || ch == kPi || ch == kEpsilon) && startsValue(s[i + 1])) s.insert(i + 1, u'*');
    }

    // A star between a value and an opening bracket or constant.
    for (qsizetype i = 1; i < s.size(); ++i) {
        const QChar ch = s[i];
        if ((ch == u'(' || ch == kPi || ch == kEpsilon) && endsValue(s[i - 1])) s.insert(i, u'*');
    }

    return TrimBlanks(s);
}

namespace {

// A text that CollapseSigns would give back unchanged: not empty, in lower case, without
// blanks or sign pairs. The evaluation collapses the whole formula after every addition, so
// this check, which allocates nothing, keeps long sums from costing a rebuild per term.
bool isCollapsed(const QString& s) {
    if (s.isEmpty() || s == texts::kEmptyFormula) return false;
    // For each ASCII character: 1 a sign, 2 a blank or an upper-case letter, 0 anything else.
    static constexpr auto kKind = [] {
        std::array<unsigned char, 128> kind{};
        kind[u'+'] = kind[u'-'] = 1;
        kind[u' '] = 2;
        for (char c = 'A'; c <= 'Z'; ++c) kind[std::size_t(c)] = 2;
        return kind;
    }();
    unsigned previous = 0;
    for (const QChar c : s) {
        const char16_t u = c.unicode();
        unsigned kind;
        if (u < 0x80) {
            kind = kKind[u];
        } else {
            if (u == u'\u3000' || c.isSurrogate() || c.toLower() != c) return false;
            kind = 0;
        }
        if (kind == 2 || (kind & previous)) return false;
        previous = kind;
    }
    return true;
}

}  // namespace

QString CollapseSigns(const QString& formula) {
    if (isCollapsed(formula)) return formula;
    const QString s = TrimBlanks(formula).toLower();
    if (s.isEmpty() || s == texts::kEmptyFormula) return QStringLiteral("0");
    return mergePairs(withoutBlanks(s), collapseSignPair);
}

}  // namespace cesuan
