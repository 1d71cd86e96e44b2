#include "evaluator/formula_words.h"

#include "engine/wide.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace cesuan {
namespace {

using K = WordKind;

constexpr auto kWords = std::to_array<FormulaWord>({
    {u"正弦", K::Function, u"sin"}, {u"余弦", K::Function, u"cos"}, {u"正切", K::Function, u"tan"},
    {u"余切", K::Function, u"cot"}, {u"正割", K::Function, u"sec"}, {u"余割", K::Function, u"csc"},
    {u"反正弦", K::Function, u"arcsin"}, {u"反余弦", K::Function, u"arccos"}, {u"反正切", K::Function, u"arctan"},
    {u"反余切", K::Function, u"arccot"}, {u"反正割", K::Function, u"arcsec"}, {u"反余割", K::Function, u"arccsc"},
    {u"双曲正弦", K::Function, u"sh"}, {u"双曲余弦", K::Function, u"ch"}, {u"双曲正切", K::Function, u"th"},
    {u"双曲余切", K::Function, u"cth"}, {u"常用对数", K::Function, u"lg"}, {u"对数", K::Function, u"lg"},
    {u"自然对数", K::Function, u"ln"},
    {u"圆周率", K::Constant, u"π"},
    {u"加上", K::Operator, u"+"}, {u"减去", K::Operator, u"-"}, {u"乘以", K::Operator, u"*"}, {u"除以", K::Operator, u"/"},
    {u"的", K::Connective, u""}, {u"等于", K::Connective, u""}, {u"得", K::Connective, u""},
    {u"是多少", K::Connective, u""}, {u"求", K::Connective, u""},
    {u"再", K::CloseGroup, u"( … )"}, {u"然后", K::CloseGroup, u"( … )"},
    {u"平方", K::Square, u"^2"}, {u"立方", K::Cube, u"^3"},
    {u"次方", K::PowerN, u"^N"}, {u"次幂", K::PowerN, u"^N"}, {u"次方根", K::RootN, u"^(1/N)"},
    {u"根号", K::SquareRoot, u"^(1/2)"}, {u"平方根", K::SquareRoot, u"^(1/2)"}, {u"开平方", K::SquareRoot, u"^(1/2)"},
    {u"sqrt", K::SquareRoot, u"^(1/2)"},
    {u"立方根", K::CubeRoot, u"^(1/3)"}, {u"开立方", K::CubeRoot, u"^(1/3)"},
    {u"开", K::OpenRoot, u"^(1/N)"},
    {u"阶乘", K::Factorial, u"!"}, {u"乘方", K::PowerInfix, u"^"}, {u"分之", K::Fraction, u"/"},
    {u"以", K::LogBase, u"lg(B)/lg(A)"}, {u"exp", K::Exp, u"ε^"}, {u"log", K::Log, u"lg(B)/lg(A)"},
    {u"十", K::Number, u"10"}, {u"百", K::Number, u"100"}, {u"千", K::Number, u"1000"},
    {u"万", K::Number, u"10000"}, {u"亿", K::Number, u"100000000"},
    {u"拾", K::Number, u"10"}, {u"佰", K::Number, u"100"}, {u"仟", K::Number, u"1000"},
    {u"萬", K::Number, u"10000"}, {u"億", K::Number, u"100000000"},
    {u"两", K::Number, u"2"}, {u"〇", K::Number, u"0"},
});

// --- Characters -----------------------------------------------------------------------

bool isAsciiLetter(QChar c) { return c >= u'a' && c <= u'z'; }
bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isWideDigit(QChar c) { return c >= u'０' && c <= u'９'; }

// The value of a Chinese digit (the financial forms too), or -1.
int chineseDigit(QChar c) {
    static const QString digits[] = {QStringLiteral("零〇另"), QStringLiteral("一壹"), QStringLiteral("二两贰"),
                                     QStringLiteral("三叁"),   QStringLiteral("四肆"), QStringLiteral("五伍"),
                                     QStringLiteral("六陆"),   QStringLiteral("七柒"), QStringLiteral("八捌"),
                                     QStringLiteral("九玖")};
    for (int d = 0; d < 10; ++d)
        if (digits[d].contains(c)) return d;
    return -1;
}

// 十 百 千 (and their financial forms): the place value; 万 and 亿 are sections.
int placeValue(QChar c) {
    if (c == u'十' || c == u'拾') return 10;
    if (c == u'百' || c == u'佰') return 100;
    if (c == u'千' || c == u'仟') return 1000;
    return 0;
}
bool isTenThousand(QChar c) { return c == u'万' || c == u'萬'; }
bool isHundredMillion(QChar c) { return c == u'亿' || c == u'億'; }
bool isPlaceWord(QChar c) { return placeValue(c) != 0 || isTenThousand(c) || isHundredMillion(c); }
bool isDigitChar(QChar c) { return isAsciiDigit(c) || isWideDigit(c) || chineseDigit(c) >= 0; }
bool isNumberChar(QChar c) { return isDigitChar(c) || isPlaceWord(c); }
bool isPointChar(QChar c) { return QStringView(u".．。·、点").contains(c); }
bool isOpen(QChar c) { return QStringView(u"(（〔〈《「『【〖［｛[<{＜").contains(c); }
bool isClose(QChar c) { return QStringView(u")）〕〉》」』】〗］｝]>}＞").contains(c); }
bool isBlank(QChar c) { return c == u' ' || c == u'\u3000'; }
bool isSign(QChar c) { return QStringView(u"+-负正＋－").contains(c); }
bool isConstant(QChar c) { return QStringView(u"πε∏").contains(c); }

const QStringList& functionNames() {
    static const QStringList names = QStringLiteral(
        "sin cos tan cot sec csc arcsin arccos arctan arccot arcsec arccsc sh ch th cth lg ln").split(u' ');
    return names;
}

// --- Chinese numbers --------------------------------------------------------------------

// A run of number characters with a place word read positionally: 三十 30, 一百零五 105,
// 三亿五千万 350000000, 1.5万 15000, 十二点五 12.5. Empty when it cannot be read.
std::optional<QString> positionalNumber(const QString& run) {
    WideNumber big, mid, section;
    std::optional<WideNumber> number;
    bool lastWasDigit = false;
    const auto take = [&number] { return number.value_or(WideNumber()); };
    const auto nonZeroOr1 = [](const WideNumber& v) { return v.isZero() ? WideNumber(1L) : v; };
    for (qsizetype i = 0; i < run.size();) {
        const QChar c = run[i];
        if (isAsciiDigit(c) || isWideDigit(c)) {
            QString literal;
            while (i < run.size() && (isAsciiDigit(run[i]) || isWideDigit(run[i]) || run[i] == u'.' || run[i] == u'．')) {
                const QChar d = run[i++];
                literal += d == u'．' ? QChar(u'.') : isWideDigit(d) ? QChar(u'0' + (d.unicode() - u'０')) : d;
            }
            const std::optional<WideNumber> v = WideNumber::fromText(literal);
            if (!v) return std::nullopt;
            number = *v;
            lastWasDigit = false;
            continue;
        }
        if (const int d = chineseDigit(c); d >= 0) {
            number = lastWasDigit ? take() * WideNumber(10L) + WideNumber(long(d)) : WideNumber(long(d));
            lastWasDigit = true;
        } else if (isPointChar(c)) {
            // Decimals, digit by digit.
            QString fraction;
            ++i;
            while (i < run.size() && isDigitChar(run[i])) {
                const QChar d = run[i++];
                fraction += QString::number(chineseDigit(d) >= 0 ? chineseDigit(d)
                                            : isWideDigit(d)    ? d.unicode() - u'０'
                                                                : d.unicode() - u'0');
            }
            if (fraction.isEmpty()) return std::nullopt;
            number = take() + *WideNumber::fromText(QStringLiteral("0.") + fraction);
            lastWasDigit = false;
            continue;
        } else if (const int place = placeValue(c)) {
            section = section + nonZeroOr1(take()) * WideNumber(long(place));
            number.reset();
            lastWasDigit = false;
        } else if (isTenThousand(c)) {
            mid = mid + nonZeroOr1(section + take()) * WideNumber(10000L);
            section = WideNumber();
            number.reset();
            lastWasDigit = false;
        } else if (isHundredMillion(c)) {
            big = big + nonZeroOr1(mid + section + take()) * WideNumber(100000000L);
            mid = section = WideNumber();
            number.reset();
            lastWasDigit = false;
        } else {
            return std::nullopt;
        }
        ++i;
    }
    return (big + mid + section + take()).toPlainText(60);
}

// A number run as the formula should read it: positionally when it has a place word; else
// digit by digit as the character table reads it, with 两 and 〇 as 2 and 0.
QString numberText(const QString& run) {
    if (std::any_of(run.begin(), run.end(), isPlaceWord)) {
        if (const std::optional<QString> v = positionalNumber(run)) return *v;
        return run;
    }
    QString out = run;
    out.replace(u'两', u'2');
    out.replace(u'〇', u'0');
    return out;
}

// --- Tokens -----------------------------------------------------------------------------

enum class T { Number, Word, Open, Close, Letters, Blank, Other };

struct Token {
    T type;
    QString text;
    const FormulaWord* word = nullptr;
};

// Words longest first, so that 反正弦 wins over 正弦 and 开平方 over 开.
const std::vector<const FormulaWord*>& wordsLongestFirst() {
    static const std::vector<const FormulaWord*> words = [] {
        std::vector<const FormulaWord*> w;
        for (const FormulaWord& entry : kWords)
            if (entry.kind != K::Number) w.push_back(&entry);
        std::stable_sort(w.begin(), w.end(), [](const FormulaWord* a, const FormulaWord* b) {
            return QStringView(a->word).size() > QStringView(b->word).size();
        });
        return w;
    }();
    return words;
}

bool isAsciiWord(const FormulaWord& w) { return isAsciiLetter(QChar(w.word[0])); }

// Whether a Chinese word of the table may start with c: most characters of a formula start
// none, and are passed over without trying every word.
bool startsWord(QChar c) {
    static const QString firsts = [] {
        QString f;
        for (const FormulaWord& w : kWords)
            if (w.kind != K::Number && !isAsciiWord(w) && !f.contains(QChar(w.word[0]))) f += QChar(w.word[0]);
        return f;
    }();
    return c.unicode() >= 0x80 && firsts.contains(c);
}

std::vector<Token> tokens(const QString& s) {
    std::vector<Token> out;
    for (qsizetype i = 0; i < s.size();) {
        const QChar c = s[i];
        // A number: digits, place words, and a point between digits.
        if (isNumberChar(c)) {
            qsizetype j = i;
            while (j < s.size() && (isNumberChar(s[j]) || (isPointChar(s[j]) && j + 1 < s.size() && isDigitChar(s[j + 1]))))
                ++j;
            out.push_back({T::Number, s.mid(i, j - i)});
            i = j;
            continue;
        }
        if (isAsciiLetter(c)) {
            qsizetype j = i;
            while (j < s.size() && isAsciiLetter(s[j])) ++j;
            const QString run = s.mid(i, j - i);
            const FormulaWord* word = nullptr;
            for (const FormulaWord* w : wordsLongestFirst())
                if (isAsciiWord(*w) && run == QStringView(w->word)) word = w;
            out.push_back({word ? T::Word : T::Letters, run, word});
            i = j;
            continue;
        }
        const FormulaWord* word = nullptr;
        if (startsWord(c)) {
            for (const FormulaWord* w : wordsLongestFirst()) {
                if (!isAsciiWord(*w) && QStringView(s).mid(i).startsWith(QStringView(w->word))) {
                    word = w;
                    break;
                }
            }
        }
        if (word) {
            const qsizetype n = QStringView(word->word).size();
            out.push_back({T::Word, s.mid(i, n), word});
            i += n;
            continue;
        }
        out.push_back({isOpen(c) ? T::Open : isClose(c) ? T::Close : isBlank(c) ? T::Blank : T::Other, QString(c)});
        ++i;
    }
    return out;
}

// --- Rewriting --------------------------------------------------------------------------

QString bracketed(const QString& x) { return u'(' + x + u')'; }

class Rewriter {
public:
    explicit Rewriter(std::vector<Token> t) : t_(std::move(t)) {}

    QString all() { return sequence(0, t_.size()); }

private:
    struct Piece {
        QString text;
        bool operand;
    };
    std::vector<Token> t_;

    std::size_t skipBlanks(std::size_t i, std::size_t end) const {
        while (i < end && (t_[i].type == T::Blank || (t_[i].word && QStringView(t_[i].word->word) == u"的"))) ++i;
        return i;
    }

    // The closing bracket that matches the opening one at i, or end.
    std::size_t matching(std::size_t i, std::size_t end) const {
        int depth = 0;
        for (std::size_t j = i; j < end; ++j) {
            if (t_[j].type == T::Open) ++depth;
            else if (t_[j].type == T::Close && --depth == 0) return j;
        }
        return end;
    }

    bool isWord(std::size_t i, std::size_t end, K kind) const {
        return i < end && t_[i].type == T::Word && t_[i].word->kind == kind;
    }

    // One operand starting at i (after blanks): a number, a bracketed group, a constant, a
    // variable, or a function with its argument. The text and the index after it.
    std::optional<std::pair<QString, std::size_t>> operand(std::size_t i, std::size_t end) {
        i = skipBlanks(i, end);
        if (i >= end) return std::nullopt;
        const Token& k = t_[i];
        switch (k.type) {
        case T::Number: return std::pair{numberText(k.text), i + 1};
        case T::Open: {
            const std::size_t j = matching(i, end);
            if (j >= end) return std::nullopt;
            return std::pair{k.text + sequence(i + 1, j) + t_[j].text, j + 1};
        }
        case T::Other:
            if (isConstant(k.text[0])) return std::pair{k.text, i + 1};
            if (isSign(k.text[0])) {
                const auto x = operand(i + 1, end);
                if (x) return std::pair{k.text + x->first, x->second};
            }
            return std::nullopt;
        case T::Letters: {
            if (functionNames().contains(k.text)) {
                const auto x = operand(i + 1, end);
                if (x) return std::pair{k.text + x->first, x->second};
                return std::nullopt;
            }
            if ((k.text.size() == 1 && k.text[0] >= u'r') || k.text == u"pi") return std::pair{k.text, i + 1};
            return std::nullopt;
        }
        case T::Word: return prefixed(i, end);
        default: return std::nullopt;
        }
    }

    // A word that takes the operand after it: a function word, a root, exp, log, 以…为底…的对数.
    std::optional<std::pair<QString, std::size_t>> prefixed(std::size_t i, std::size_t end) {
        const FormulaWord& w = *t_[i].word;
        const QString meaning = QString::fromUtf16(w.meaning);
        switch (w.kind) {
        case K::Constant: return std::pair{meaning, i + 1};
        case K::Function: {
            const auto y = operand(i + 1, end);
            if (!y) return std::nullopt;
            return std::pair{meaning + bracketed(y->first), y->second};
        }
        case K::SquareRoot:
        case K::CubeRoot: {
            const auto y = operand(i + 1, end);
            if (!y) return std::nullopt;
            return std::pair{root(y->first, w.kind == K::SquareRoot ? QStringLiteral("2") : QStringLiteral("3")), y->second};
        }
        case K::OpenRoot: {  // 开N次方Y
            const auto n = operand(i + 1, end);
            if (!n) return std::nullopt;
            const std::size_t after = skipBlanks(n->second, end);
            if (!isWord(after, end, K::PowerN)) return std::nullopt;
            const auto y = operand(after + 1, end);
            if (!y) return std::nullopt;
            return std::pair{root(y->first, n->first), y->second};
        }
        case K::Exp: {
            const auto y = operand(i + 1, end);
            if (!y) return std::nullopt;
            return std::pair{QStringLiteral("ε^") + bracketed(y->first), y->second};
        }
        case K::Log: {
            const auto a = operand(i + 1, end);
            if (!a) return std::nullopt;
            const std::size_t next = skipBlanks(a->second, end);
            if (next < end && t_[next].type == T::Open) {
                const auto b = operand(next, end);
                if (b) return std::pair{logarithm(b->first, a->first), b->second};
            }
            return std::pair{QStringLiteral("lg") + bracketed(a->first), a->second};
        }
        case K::LogBase: {  // 以A为底B的对数
            const auto a = operand(i + 1, end);
            if (!a) return std::nullopt;
            std::size_t j = skipBlanks(a->second, end);
            if (j >= end || t_[j].text != u"为底") {
                // 为底 is no word of its own: it comes as two characters.
                if (j + 1 < end && t_[j].text == u"为" && t_[j + 1].text == u"底") ++j;
                else return std::nullopt;
            }
            const auto b = operand(j + 1, end);
            if (!b) return std::nullopt;
            const std::size_t k = skipBlanks(b->second, end);
            if (!isWord(k, end, K::Function) || QStringView(t_[k].word->word) != u"对数") return std::nullopt;
            return std::pair{logarithm(b->first, a->first), k + 1};
        }
        default: return std::nullopt;
        }
    }

    static QString root(const QString& x, const QString& n) {
        return bracketed(x) + QStringLiteral("^(1/") + (n == u"2" || n == u"3" ? n : bracketed(n)) + u')';
    }
    static QString logarithm(const QString& b, const QString& a) {
        return bracketed(QStringLiteral("lg") + bracketed(b) + QStringLiteral("/lg") + bracketed(a));
    }

    // The index of the last operand piece, past blanks; -1 when the piece before is none.
    static int lastOperand(const std::vector<Piece>& pieces, int before) {
        int i = before - 1;
        while (i >= 0 && !pieces[std::size_t(i)].operand && TrimBlanksOf(pieces[std::size_t(i)].text).isEmpty()) --i;
        return i >= 0 && pieces[std::size_t(i)].operand ? i : -1;
    }
    static QString TrimBlanksOf(const QString& s) {
        QString out;
        for (const QChar c : s)
            if (!isBlank(c)) out += c;
        return out;
    }

    // Replaces the pieces from `from` on by one operand.
    static void collapse(std::vector<Piece>& pieces, int from, const QString& text) {
        pieces.resize(std::size_t(from));
        pieces.push_back({text, true});
    }

    QString sequence(std::size_t begin, std::size_t end) {
        std::vector<Piece> pieces;
        for (std::size_t i = begin; i < end;) {
            const Token& k = t_[i];
            if (k.type != T::Word || k.word->kind == K::Number) {
                // Operands as they are (numbers read), anything else unchanged.
                if (k.type == T::Open || k.type == T::Number || k.type == T::Letters ||
                    (k.type == T::Other && (isConstant(k.text[0])))) {
                    if (const auto x = operand(i, end)) {
                        pieces.push_back({x->first, true});
                        i = x->second;
                        continue;
                    }
                }
                pieces.push_back({k.text, false});
                ++i;
                continue;
            }
            const FormulaWord& w = *k.word;
            const int x = lastOperand(pieces, int(pieces.size()));
            const auto keep = [&] {
                pieces.push_back({k.text, false});
                ++i;
            };
            // A word that takes the operand after it; kept as it is when none follows.
            const auto takePrefixed = [&] {
                if (const auto y = prefixed(i, end)) {
                    pieces.push_back({y->first, true});
                    i = y->second;
                } else {
                    keep();
                }
            };
            switch (w.kind) {
            case K::Connective: ++i; break;
            case K::Operator: pieces.push_back({QString::fromUtf16(w.meaning), false}); ++i; break;
            case K::CloseGroup: {
                QString all;
                for (const Piece& p : pieces) all += p.text;
                if (!TrimBlanksOf(all).isEmpty()) collapse(pieces, 0, bracketed(all));
                ++i;
                break;
            }
            case K::Square:
            case K::Cube:
                if (x < 0) { keep(); break; }
                collapse(pieces, x, bracketed(pieces[std::size_t(x)].text) + QString::fromUtf16(w.kind == K::Square ? u"^2" : u"^3"));
                ++i;
                break;
            case K::PowerN:
            case K::RootN: {
                // X的N次方: N is the last operand, X the one before it.
                const int base = x < 0 ? -1 : lastOperand(pieces, x);
                if (base < 0) { keep(); break; }
                const QString n = pieces[std::size_t(x)].text, b = pieces[std::size_t(base)].text;
                collapse(pieces, base, w.kind == K::PowerN ? bracketed(b) + u'^' + bracketed(n) : root(b, n));
                ++i;
                break;
            }
            case K::Factorial:
                if (x < 0) { keep(); break; }
                collapse(pieces, x, bracketed(pieces[std::size_t(x)].text) + u'!');
                ++i;
                break;
            case K::PowerInfix:
            case K::Fraction: {
                const auto y = x < 0 ? std::nullopt : operand(i + 1, end);
                if (!y) { keep(); break; }
                const QString a = pieces[std::size_t(x)].text;
                collapse(pieces, x, w.kind == K::PowerInfix ? bracketed(a) + u'^' + bracketed(y->first)
                                                            : bracketed(bracketed(y->first) + u'/' + bracketed(a)));
                i = y->second;
                break;
            }
            case K::SquareRoot:
            case K::CubeRoot:
            case K::OpenRoot: {
                // After an operand the root applies to it (X开平方, X的平方根, X开N次方); else
                // to the operand that follows (根号Y, 开平方Y, 开N次方Y).
                const bool postfix = x >= 0 && QStringView(w.word) != u"根号" && QStringView(w.word) != u"sqrt";
                if (postfix && w.kind != K::OpenRoot) {
                    collapse(pieces, x, root(pieces[std::size_t(x)].text, w.kind == K::SquareRoot ? QStringLiteral("2") : QStringLiteral("3")));
                    ++i;
                    break;
                }
                if (postfix) {  // X开N次方
                    const auto n = operand(i + 1, end);
                    const std::size_t after = n ? skipBlanks(n->second, end) : end;
                    if (n && isWord(after, end, K::PowerN)) {
                        collapse(pieces, x, root(pieces[std::size_t(x)].text, n->first));
                        i = after + 1;
                        break;
                    }
                }
                takePrefixed();
                break;
            }
            default:
                takePrefixed();
                break;
            }
        }
        QString out;
        for (const Piece& p : pieces) out += p.text;
        return out;
    }
};

}  // namespace

std::span<const FormulaWord> FormulaWordTable() { return kWords; }

bool HasFormulaWord(const QString& text) {
    for (const Token& k : tokens(text))
        if (k.type == T::Word || (k.type == T::Number && k.text != numberText(k.text))) return true;
    return false;
}

QString RewriteFormulaWords(const QString& text) {
    // An ASCII formula without the three ASCII names has no word: most formulas stop here.
    const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii && !text.contains(u"sqrt") && !text.contains(u"exp") && !text.contains(u"log")) return text;
    std::vector<Token> t = tokens(text);
    const bool any = std::any_of(t.begin(), t.end(), [](const Token& k) {
        return k.type == T::Word || (k.type == T::Number && std::any_of(k.text.begin(), k.text.end(), [](QChar c) {
                                          return isPlaceWord(c) || c == u'两' || c == u'〇';
                                      }));
    });
    if (!any) return text;
    return Rewriter(std::move(t)).all();
}

}  // namespace cesuan
