#include "evaluator/evaluate.h"

#include "engine/arithmetic.h"
#include "engine/journal.h"
#include "engine/power.h"
#include "engine/rounding.h"
#include "evaluator/decompose.h"
#include "evaluator/evaluator_texts.h"
#include "evaluator/functions.h"
#include "evaluator/normalise.h"
#include "evaluator/operand_scan.h"

#include <optional>
#include <vector>

namespace cesuan {

namespace {

// Text positions are 1-based, as the formula walks count them.
QChar at(const QString& s, qsizetype position) { return s[position - 1]; }

bool isSign(QChar c) { return c == u'+' || c == u'-'; }

// More steps than any formula of this length can need: the walk is not making progress.
constexpr qsizetype kStepsPerCharacter = 64;

}  // namespace

namespace {

enum class PassResult { Done, Stopped, Stuck };

// Applies the operator at position i: its two operands and itself are replaced by the
// trimmed text of the value. False when the computation stops the evaluation.
template <typename Compute>
bool applyOperator(CalcErrorJournal& journal, QString& s, qsizetype i, Compute compute) {
    const QString left = ScanOperandBefore(journal, s, i - 1);
    const QString right = ScanOperandAfter(journal, s, i + 1);
    const std::optional<CalcValue> value = compute(left, right);
    if (!value) return false;
    const qsizetype head = std::max<qsizetype>(0, i - 1 - left.size());
    s = s.left(head) + TrimBlanks(value->text()) + s.mid(std::min(s.size(), i + right.size()));
    return true;
}

// One operator pass: finds the first operator the pass applies, applies it and starts
// over from position 2, until none is left.
template <typename Find, typename Apply>
PassResult operatorPass(QString& s, Find find, Apply apply) {
    const qsizetype limit = kStepsPerCharacter * (s.size() + 16);
    for (qsizetype step = 0; step < limit; ++step) {
        const qsizetype i = find(s);
        if (i == 0) return PassResult::Done;
        if (!apply(s, i)) return PassResult::Stopped;
    }
    return PassResult::Stuck;
}

QString padded(const QString& s) { return QStringLiteral(" ") + TrimBlanks(s) + QStringLiteral(" "); }

}  // namespace

QString EvaluateFlat(CalcContext& context, const QString& formula) {
    CalcErrorJournal& journal = context.journal;
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
    if (auto r = outcome(ConstantsAndVariablesPass(context, s))) return *r;
    s = padded(s);
    if (auto r = outcome(FunctionPass(context, s))) return *r;
    s = padded(s);
    if (auto r = outcome(FactorialPercentPass(journal, s))) return *r;

    // Powers: the leftmost "^" first, so 2^3^2 is (2^3)^2.
    s = QStringLiteral(" ") + SimplifyFormula(journal, s) + QStringLiteral(" ");
    const auto findPower = [](const QString& t) {
        const qsizetype i = t.indexOf(u'^', 1);
        return i < 0 ? qsizetype(0) : i + 1;
    };
    if (operatorPass(s, findPower, [&journal](QString& t, qsizetype i) {
            return applyOperator(journal, t, i, [&journal](const QString& x, const QString& y) {
                return std::optional(PowerOf(journal, x, y));
            });
        }) == PassResult::Stuck)
        return stuck();

    // Products, quotients and remainders, leftmost first.
    s = padded(s);
    const auto findMultiplicative = [](const QString& t) {
        for (qsizetype i = 2; i <= t.size(); ++i) {
            const QChar c = at(t, i);
            if (c == u'*' || c == u'/' || c == u'\\') return i;
        }
        return qsizetype(0);
    };
    const PassResult multiplicative = operatorPass(s, findMultiplicative, [&journal](QString& t, qsizetype i) {
        const QChar op = at(t, i);
        return applyOperator(journal, t, i, [&journal, &t, op](const QString& x, const QString& y) -> std::optional<CalcValue> {
            if (op == u'*') return MultiplyTwo(journal, x, y);
            if (op == u'\\') return RemainderTwo(journal, x, y);
            if (IsZeroValue(ToCalcValue(journal, y))) {  // the evaluation stops on a zero divisor
                LogFailure(journal, t + texts::kDivisorZero);
                return std::nullopt;
            }
            return DivideTwo(journal, x, y);
        });
    });
    if (multiplicative == PassResult::Stopped) return QStringLiteral("1");
    if (multiplicative == PassResult::Stuck) return stuck();

    // Sums and differences, leftmost first; a sign after "e" or a blank is no operator.
    s = CollapseSigns(s);
    const auto findAdditive = [](const QString& t) {
        for (qsizetype i = 2; i <= t.size() - 1; ++i) {
            const QChar c = at(t, i);
            if (isSign(c)) {
                const QChar before = at(t, i - 1).toLower();
                if (before != u'e' && before != u' ') return i;
            }
        }
        return qsizetype(0);
    };
    if (operatorPass(s, findAdditive, [&journal](QString& t, qsizetype i) {
            const bool plus = at(t, i) == u'+';
            applyOperator(journal, t, i, [&journal, plus](const QString& x, const QString& y) {
                return std::optional(plus ? AddTwo(journal, x, y) : SubtractTwo(journal, x, y));
            });
            t = CollapseSigns(t);
            return true;
        }) == PassResult::Stuck)
        return stuck();

    s = CollapseSigns(s);
    return ToCalcValue(journal, ScanOperandAfter(journal, s, 1)).text();
}

namespace {

// Evaluates every innermost bracket pair met while walking the text once; a pair that
// becomes innermost while the walk is still inside it is evaluated in the same walk.
// False when an evaluation logged a failure.
bool bracketSweep(CalcContext& context, QString& s) {
    // Nearest "(" to the left and ")" to the right with no other bracket between.
    std::vector<qsizetype> open, close;
    const auto index = [&] {
        const qsizetype n = s.size();
        open.assign(std::size_t(n + 2), 0);
        close.assign(std::size_t(n + 2), 0);
        qsizetype last = 0;
        for (qsizetype p = 1; p <= n; ++p) {
            const QChar c = at(s, p);
            if (c == u'(') last = p;
            else if (c == u')') last = 0;
            open[std::size_t(p)] = last;
        }
        last = 0;
        for (qsizetype p = n; p >= 1; --p) {
            const QChar c = at(s, p);
            if (c == u')') last = p;
            else if (c == u'(') last = 0;
            close[std::size_t(p)] = last;
        }
    };
    index();
    for (qsizetype a = 1; a <= s.size() - 1; ++a) {
        const QChar c = at(s, a);
        if (c == u'(' || c == u')') continue;
        const qsizetype b = open[std::size_t(a)], e = close[std::size_t(a)];
        if (b >= 1 && b < e) {
            const QString value = EvaluateFlat(context, s.mid(b, e - b - 1));
            s = s.left(b - 1) + value + s.mid(e);
            if (context.journal.errorCount > 0) return false;
            index();
        }
    }
    return true;
}

}  // namespace

QString EvaluateFormula(CalcContext& context, const QString& formula) {
    CalcErrorJournal& journal = context.journal;
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
        if (!bracketSweep(context, s)) {
            failed = true;
            break;
        }
    }
    if (!failed) {
        s = EvaluateFlat(context, SimplifyFormula(journal, s));
        if (journal.errorCount == 0) {
            s = TrimBlanks(RoundHalfUp(journal, s, context.settings.decimalPlaces).text());
            if (s.startsWith(u'.')) s.prepend(u'0');
            else if (s.startsWith(QStringLiteral("-."))) s.insert(1, u'0');
            if (journal.errorCount == 0) return s;
        }
    }
    LogFailure(journal, texts::msgFormulaFailure(received));
    return QStringLiteral("error");
}

}  // namespace cesuan
