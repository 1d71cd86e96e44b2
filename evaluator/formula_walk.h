#pragma once
// The walk of a formula text: brackets innermost first, and within a bracket-free text the
// passes in the order of precedence (constants and variables, functions, factorials and
// percentages, powers, products, sums), each writing the text of a value in place of what
// it computed. The walk knows the text and its rules (which sign is an operator, what an
// operand is, which operator goes first); the numbers it meets are computed by a Numbers
// type, which takes the operand texts as the scanners cut them and returns the text to
// write. The evaluation computes in decimals and doubles; its wide twin walks the same
// text with wide numbers, so both give the formula the same meaning.
//
// A Numbers type has a member `journal` (the scanners and the walk log into it, and the
// walk stops as soon as it holds a failure) and these members, each returning the text to
// write, or empty where the computation cannot go on (the evaluation's own failure):
//   constant(QChar)            π or ε
//   variable(QChar)            the text of memory variable r..z, empty for another letter
//   function(name, argument)   sin, …, arcsin, …, sh, …, lg, ln of the argument's text
//   percent(operand), factorial(operand without its sign)
//   power, multiply, remainder, add, subtract, divide (left, right); isZero(right)
//   value(text)                the canonical text of the number the walk ends with
//   rounded(text)              the result as the driver writes it

#include "engine/journal.h"
#include "evaluator/decompose.h"
#include "evaluator/evaluator_texts.h"
#include "evaluator/normalise.h"
#include "evaluator/operand_scan.h"

#include <QString>

#include <optional>
#include <vector>

namespace cesuan::walk {

// Text positions are 1-based, as the formula walks count them.
inline QChar At(const QString& s, qsizetype position) { return s[position - 1]; }
inline bool IsLetter(QChar c) { return c >= u'a' && c <= u'z'; }
inline bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }
inline bool IsSign(QChar c) { return c == u'+' || c == u'-'; }
// A character that may start a number: the argument of a function, or what follows an
// exponent letter.
inline bool StartsNumber(QChar c) { return IsDigit(c) || c == u'-' || c == u'+' || c == u'.' || c == u' '; }
inline QString Padded(const QString& s) { return QStringLiteral(" ") + TrimBlanks(s) + QStringLiteral(" "); }

// More steps than any formula of this length can need: the walk is not making progress.
constexpr qsizetype kStepsPerCharacter = 64;

enum class PassOutcome {
    Continue,       // the evaluation goes on
    FunctionError,  // an unknown name or a misplaced letter: the evaluation stops with "-1"
    Unexpected,     // a computation that cannot go on: the evaluation's own failure
};

struct FunctionNames {
    QChar letter;
    std::initializer_list<const char16_t*> names;
    int quoted;  // characters quoted in the error message
};

inline const FunctionNames kFunctionNames[] = {
    {u'a', {u"arctan", u"arcsin", u"arccos", u"arccot", u"arcsec", u"arccsc"}, 6},
    {u'c', {u"ch", u"cos", u"cot", u"csc", u"cth"}, 4},
    {u'l', {u"lg", u"ln"}, 3},
    {u's', {u"sh", u"sin", u"sec"}, 4},
    {u't', {u"tan", u"th"}, 3},
};

// π, ε and the variables r..z (a variable letter has no letter beside it).
template <typename Numbers>
PassOutcome ConstantsAndVariablesPass(Numbers& numbers, QString& s) {
    for (qsizetype i = 2; i <= s.size() - 1; ++i) {
        if (At(s, i) == u'π' || At(s, i) == u'ε') s.replace(i - 1, 1, numbers.constant(At(s, i)));
        if (!IsLetter(At(s, i - 1)) && !IsLetter(At(s, i + 1))) {
            if (const std::optional<QString> variable = numbers.variable(At(s, i))) s.replace(i - 1, 1, *variable);
        }
    }
    return PassOutcome::Continue;
}

// sin cos tan cot sec csc, the inverse functions, sh ch th cth, lg ln; the exponent letter.
template <typename Numbers>
PassOutcome FunctionPass(Numbers& numbers, QString& s) {
    for (qsizetype i = 2; i <= s.size(); ++i) {
        const QChar ch = At(s, i);
        const auto stop = [&numbers, &s, i](int quoted) {
            LogFailure(numbers.journal, s.mid(i - 1, quoted) + texts::kFunctionError);
            return PassOutcome::FunctionError;
        };
        if (ch == u'e' || ch == u'E') {
            // The exponent letter of a number (E where a value in exponent form was written).
            const bool exponent = i < s.size() && StartsNumber(At(s, i + 1)) &&
                                  (IsDigit(At(s, i - 1)) || At(s, i - 1) == u'.' || At(s, i - 1) == u' ');
            if (!exponent) return stop(4);
            continue;
        }
        if (!IsLetter(ch)) continue;
        const FunctionNames* names = nullptr;
        for (const FunctionNames& candidate : kFunctionNames)
            if (candidate.letter == ch) names = &candidate;
        if (!names) return stop(4);

        QString name;
        for (const char16_t* candidate : names->names) {
            const QString n = QString::fromUtf16(candidate);
            const qsizetype after = i + n.size();  // the position after the name
            if (s.mid(i - 1, n.size()) == n && after <= s.size() && StartsNumber(At(s, after))) {
                name = n;
                break;
            }
        }
        if (name.isEmpty()) return stop(names->quoted);

        const QString argument = ScanOperandAfter(numbers.journal, s, i + name.size());
        const std::optional<QString> v = numbers.function(name, argument);
        if (!v) return PassOutcome::Unexpected;
        s = s.left(i - 1) + *v + s.mid(i - 1 + name.size() + argument.size());
    }
    return PassOutcome::Continue;
}

// "!" and "%", left to right; after each, the walk goes on right after the inserted value.
template <typename Numbers>
PassOutcome FactorialPercentPass(Numbers& numbers, QString& s) {
    for (qsizetype i = 2; i <= s.size(); ++i) {
        const QChar ch = At(s, i);
        if (ch != u'%' && ch != u'!') continue;
        QString operand = ScanOperandBefore(numbers.journal, s, i - 1);
        std::optional<QString> value;
        if (ch == u'%') {
            value = numbers.percent(operand);
        } else {
            // The sign stays in the formula: -3! is -(3!).
            operand = operand.mid(operand.lastIndexOf(u'-') + 1);
            value = numbers.factorial(operand);
        }
        if (!value) return PassOutcome::Unexpected;
        // Operand and sign replaced by the value; the walk goes on right after it.
        const qsizetype start = i - operand.size();
        s = s.left(start - 1) + *value + s.mid(i);
        i = start - 1 + value->size();
    }
    return PassOutcome::Continue;
}

enum class PassResult { Done, Stopped, Stuck };

// Applies the operator at position i: its two operands and itself are replaced by the text
// of the value. False when the computation stops the evaluation.
template <typename Numbers, typename Compute>
bool ApplyOperator(Numbers& numbers, QString& s, qsizetype i, Compute compute) {
    const QString left = ScanOperandBefore(numbers.journal, s, i - 1);
    const QString right = ScanOperandAfter(numbers.journal, s, i + 1);
    const std::optional<QString> value = compute(left, right);
    if (!value) return false;
    const qsizetype head = std::max<qsizetype>(0, i - 1 - left.size());
    s = s.left(head) + *value + s.mid(std::min(s.size(), i + right.size()));
    return true;
}

// One operator pass: finds the first operator the pass applies, applies it and starts
// over from position 2, until none is left.
template <typename Find, typename Apply>
PassResult OperatorPass(QString& s, Find find, Apply apply) {
    const qsizetype limit = kStepsPerCharacter * (s.size() + 16);
    for (qsizetype step = 0; step < limit; ++step) {
        const qsizetype i = find(s);
        if (i == 0) return PassResult::Done;
        if (!apply(s, i)) return PassResult::Stopped;
    }
    return PassResult::Stuck;
}

// A bracket-free formula: the text of its value, or a substitute after a failure.
template <typename Numbers>
QString EvaluateFlat(Numbers& numbers, const QString& formula) {
    CalcErrorJournal& journal = numbers.journal;
    if (journal.errorCount >= 1) return QStringLiteral("1");
    QString s = QStringLiteral(" ") + SimplifyFormula(journal, formula.toLower()) + QStringLiteral(" ");
    const auto stuck = [&journal, &s]() -> QString {
        LogFailure(journal, texts::msgFlatFailure(TrimBlanks(s)));
        return QString();
    };

    const auto outcome = [&](PassOutcome o) -> std::optional<QString> {
        if (o == PassOutcome::FunctionError) return QStringLiteral("-1");
        if (o == PassOutcome::Unexpected) return stuck();
        return std::nullopt;
    };
    if (auto r = outcome(ConstantsAndVariablesPass(numbers, s))) return *r;
    s = Padded(s);
    if (auto r = outcome(FunctionPass(numbers, s))) return *r;
    s = Padded(s);
    if (auto r = outcome(FactorialPercentPass(numbers, s))) return *r;

    // Powers: the leftmost "^" first, so 2^3^2 is (2^3)^2.
    s = QStringLiteral(" ") + SimplifyFormula(journal, s) + QStringLiteral(" ");
    const auto findPower = [](const QString& t) {
        const qsizetype i = t.indexOf(u'^', 1);
        return i < 0 ? qsizetype(0) : i + 1;
    };
    if (OperatorPass(s, findPower, [&numbers](QString& t, qsizetype i) {
            return ApplyOperator(numbers, t, i, [&numbers](const QString& x, const QString& y) {
                return std::optional(numbers.power(x, y));
            });
        }) == PassResult::Stuck)
        return stuck();

    // Products, quotients and remainders, leftmost first.
    s = Padded(s);
    const auto findMultiplicative = [](const QString& t) {
        for (qsizetype i = 2; i <= t.size(); ++i) {
            const QChar c = At(t, i);
            if (c == u'*' || c == u'/' || c == u'\\') return i;
        }
        return qsizetype(0);
    };
    const PassResult multiplicative = OperatorPass(s, findMultiplicative, [&numbers](QString& t, qsizetype i) {
        const QChar op = At(t, i);
        return ApplyOperator(numbers, t, i, [&numbers, &t, op](const QString& x, const QString& y) -> std::optional<QString> {
            if (op == u'*') return numbers.multiply(x, y);
            if (op == u'\\') return numbers.remainder(x, y);
            if (numbers.isZero(y)) {  // the evaluation stops on a zero divisor
                LogFailure(numbers.journal, t + texts::kDivisorZero);
                return std::nullopt;
            }
            return numbers.divide(x, y);
        });
    });
    if (multiplicative == PassResult::Stopped) return QStringLiteral("1");
    if (multiplicative == PassResult::Stuck) return stuck();

    // Sums and differences, leftmost first; a sign after "e" or a blank is no operator.
    s = CollapseSigns(s);
    const auto findAdditive = [](const QString& t) {
        for (qsizetype i = 2; i <= t.size() - 1; ++i) {
            const QChar c = At(t, i);
            if (IsSign(c)) {
                const QChar before = At(t, i - 1).toLower();
                if (before != u'e' && before != u' ') return i;
            }
        }
        return qsizetype(0);
    };
    if (OperatorPass(s, findAdditive, [&numbers](QString& t, qsizetype i) {
            const bool plus = At(t, i) == u'+';
            ApplyOperator(numbers, t, i, [&numbers, plus](const QString& x, const QString& y) {
                return std::optional(plus ? numbers.add(x, y) : numbers.subtract(x, y));
            });
            t = CollapseSigns(t);
            return true;
        }) == PassResult::Stuck)
        return stuck();

    s = CollapseSigns(s);
    return numbers.value(ScanOperandAfter(journal, s, 1));
}

// Evaluates every innermost bracket pair met while walking the text once; a pair that
// becomes innermost while the walk is still inside it is evaluated in the same walk.
// False when an evaluation logged a failure.
template <typename Numbers>
bool BracketSweep(Numbers& numbers, QString& s) {
    // Nearest "(" to the left and ")" to the right with no other bracket between.
    std::vector<qsizetype> open, close;
    const auto index = [&] {
        const qsizetype n = s.size();
        open.assign(std::size_t(n + 2), 0);
        close.assign(std::size_t(n + 2), 0);
        qsizetype last = 0;
        for (qsizetype p = 1; p <= n; ++p) {
            const QChar c = At(s, p);
            if (c == u'(') last = p;
            else if (c == u')') last = 0;
            open[std::size_t(p)] = last;
        }
        last = 0;
        for (qsizetype p = n; p >= 1; --p) {
            const QChar c = At(s, p);
            if (c == u')') last = p;
            else if (c == u'(') last = 0;
            close[std::size_t(p)] = last;
        }
    };
    index();
    for (qsizetype a = 1; a <= s.size() - 1; ++a) {
        const QChar c = At(s, a);
        if (c == u'(' || c == u')') continue;
        const qsizetype b = open[std::size_t(a)], e = close[std::size_t(a)];
        if (b >= 1 && b < e) {
            const QString value = EvaluateFlat(numbers, s.mid(b, e - b - 1));
            s = s.left(b - 1) + value + s.mid(e);
            if (numbers.journal.errorCount > 0) return false;
            index();
        }
    }
    return true;
}

// The driver: the result as the Numbers round it, or "error" (the journal says why).
template <typename Numbers>
QString EvaluateFormula(Numbers& numbers, const QString& formula) {
    CalcErrorJournal& journal = numbers.journal;
    if (journal.errorCount >= 1) return QStringLiteral("error");
    const QString received = TrimBlanks(formula);
    QString s = received.toLower();

    const BracketError bracketError = CheckBrackets(s, false);
    if (bracketError != BracketError::None) {
        LogBracketError(journal, bracketError);
        return QStringLiteral("error");
    }

    bool failed = false;
    for (qsizetype sweeps = s.count(u'('); sweeps > 0 && s.contains(u'('); --sweeps) {
        if (!BracketSweep(numbers, s)) {
            failed = true;
            break;
        }
    }
    if (!failed) {
        s = EvaluateFlat(numbers, SimplifyFormula(journal, s));
        if (journal.errorCount == 0) {
            s = numbers.rounded(s);
            if (journal.errorCount == 0) return s;
        }
    }
    LogFailure(journal, texts::msgFormulaFailure(received));
    return QStringLiteral("error");
}

}  // namespace cesuan::walk
