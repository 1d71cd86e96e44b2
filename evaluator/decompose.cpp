#include "evaluator/decompose.h"

#include "engine/calc_value.h"
#include "engine/journal.h"
#include "evaluator/evaluator_texts.h"

#include <algorithm>
#include <exception>

namespace cesuan {
namespace {

constexpr char16_t kPi = u'π';
constexpr char16_t kEpsilon = u'ε';

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isLetter(QChar c) { return c >= u'a' && c <= u'z'; }
bool isOneOf(QChar c, QStringView set) { return set.contains(c); }

bool isOperator(QChar c) { return isOneOf(c, u"-+*/^\\"); }
// Characters that cannot follow an operator or an opening bracket.
bool isClosing(QChar c) { return isOneOf(c, u"*/^)!%\\"); }
bool isConstant(QChar c) { return c == kPi || c == kEpsilon; }

// The number of places where operators (or an operator and a bracket) stand side by side
// in the padded text `s`; the padding itself is not examined.
int countAdjacentOperators(const QString& s) {
    int count = 0;
    for (qsizetype i = 1; i + 1 < s.size(); ++i) {
        const QChar ch = s[i], prev = s[i - 1], next = s[i + 1];
        if (i == 1 && isOneOf(ch, u"\\/*^!%")) ++count;
        if (i == 1 && ch == u'e' && (next == u'-' || next == u'+' || isDigit(next))) ++count;
        if (ch == u'(' && isClosing(next)) ++count;
        if (ch == u')' && (isOperator(prev) || prev == u'(')) ++count;
        if (isOneOf(ch, u"/*\\^")) {
            if (isOperator(prev) || prev == u'(') ++count;
            if (isClosing(next)) ++count;
        }
        if ((ch == u'+' || ch == u'-') && isClosing(next)) ++count;
        if ((ch == u'!' || ch == u'%') && (isOperator(prev) || prev == u'(')) ++count;
        if (ch == u'.' && isLetter(next)) ++count;
    }
    return count;
}

// Makes implied multiplications explicit in the padded text `s`. At each position the tests
// read the characters as they stood when the position was reached, and each insertion
// rebuilds the text from the pieces around the position, so only the last insertion that
// applies survives.
void insertImpliedStars(QString& s) {
    enum class Star { None, Before, After };
    for (qsizetype j = 1; j + 1 < s.size(); ++j) {
        const QChar ch = s[j], prev = s[j - 1], next = s[j + 1];
        const bool prevEndsValue = isDigit(prev) || isConstant(prev) || prev == u'!' || prev == u'%';
        const bool nextStartsOperand = isDigit(next) || isConstant(next) || isLetter(next);
        Star star = Star::None;
        if (ch == u')' && next == u'(') star = Star::After;
        if (ch == u'(' && prevEndsValue) star = Star::Before;
        if (ch == u')' && nextStartsOperand) star = Star::After;
        if (ch == kPi && prevEndsValue) star = Star::Before;
        if (ch == kPi && nextStartsOperand) star = Star::After;
        if (ch == kEpsilon && prevEndsValue) star = Star::Before;
        if (ch == kEpsilon && nextStartsOperand) star = Star::After;
        if (ch == u'!' && nextStartsOperand) star = Star::After;
        if (ch == u'%' && nextStartsOperand) star = Star::After;
        if (isDigit(ch) && (isConstant(next) || next == u'(' || (isLetter(next) && next != u'e'))) star = Star::After;
        if (star == Star::Before) s.insert(j, u'*');
        if (star == Star::After) s.insert(j + 1, u'*');
    }
}

// Gives every bracket and operator a blank on either side; a sign after a blank (the start
// of a number) or after an exponent letter stays attached.
void spaceOut(QString& s) {
    qsizetype k = 1;
    while (k + 1 < s.size()) {
        const QChar ch = s[k];
        const QChar before = s[k - 1];
        const bool spaced = isOneOf(ch, u")(^/*\\") ||
                            ((ch == u'+' || ch == u'-') && before != u' ' && before.toLower() != u'e');
        if (spaced) {
            s.insert(k + 1, u' ');
            s.insert(k, u' ');
            k += 3;
        } else {
            ++k;
        }
    }
}

}  // namespace

BracketError CheckBrackets(const QString& text, bool examineLast) {
    const qsizetype length = text.size();
    const qsizetype last = examineLast ? length : std::max<qsizetype>(1, length - 1);
    const qsizetype opens = text.count(u'(');
    const qsizetype closes = text.count(u')');
    qsizetype opensBefore = 0, closesBefore = 0;
    for (qsizetype l = 0; l < last && l < length; ++l) {
        const QChar ch = text[l];
        if (ch == u'(') {
            ++opensBefore;
            continue;
        }
        if (ch == u')') {
            ++closesBefore;
            continue;
        }
        const qsizetype opensAfter = opens - opensBefore;
        const qsizetype closesAfter = closes - closesBefore;
        if (closesBefore > opensBefore) return BracketError::Order;
        if (closesAfter < opensAfter) return BracketError::Order;
        if (opensBefore - closesBefore != closesAfter - opensAfter) return BracketError::Pairing;
    }
    return BracketError::None;
}

void LogBracketError(CalcErrorJournal& journal, BracketError error) {
    switch (error) {
    case BracketError::None: return;
    case BracketError::Order: LogFailure(journal, texts::kBracketOrder); return;
    case BracketError::Pairing: LogFailure(journal, texts::kBracketPairing); return;
    }
}

QString DecomposeFormula(CalcErrorJournal& journal, const QString& normalised) {
    QString s = TrimBlanks(normalised).toLower();
    if (s.isEmpty() || s == texts::kEmptyFormula) return QStringLiteral("0");
    try {
        s = u' ' + s + u' ';

        journal.errorCount += countAdjacentOperators(s);
        if (journal.errorCount > 0) {
            journal.lastMessage = texts::kAdjacentOperators;
            journal.messageLog += texts::kAdjacentOperators + QStringLiteral("\r\n");
            journal.firstMessage = texts::kAdjacentOperators;
            return s;
        }

        insertImpliedStars(s);
        spaceOut(s);

        // The formula's own characters are judged, not the padding around them.
        LogBracketError(journal, CheckBrackets(TrimBlanks(s), true));
        return s;
    } catch (const std::exception&) {
        LogFailure(journal, texts::msgDecompose(TrimBlanks(s)));
        return s;
    }
}

QString SimplifyFormula(CalcErrorJournal& journal, const QString& formula) {
    const QString trimmed = TrimBlanks(formula);
    try {
        const QString s = trimmed.toLower();
        if (s.isEmpty() || s == texts::kEmptyFormula) return QStringLiteral("0");
        QString out;
        out.reserve(s.size());
        for (const QChar c : s) {
            if (c == u' ' || c == u'\u3000') continue;
            // "++" keeps its first sign, "-+" too: a "+" after a sign goes.
            if (c == u'+' && !out.isEmpty() && (out.back() == u'+' || out.back() == u'-')) continue;
            out.append(c);
        }
        return out;
    } catch (const std::exception&) {
        LogFailure(journal, texts::msgSimplify(trimmed));
        return QStringLiteral("-1");
    }
}

}  // namespace cesuan
