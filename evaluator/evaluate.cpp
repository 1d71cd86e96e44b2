#include "evaluator/evaluate.h"

#include "engine/arithmetic.h"
#include "engine/journal.h"
#include "engine/power.h"
#include "engine/rounding.h"
#include "evaluator/decompose.h"
#include "evaluator/evaluator_texts.h"
#include "evaluator/functions.h"
#include "evaluator/normalise.h"
#include "evaluator/settings.h"

#include <optional>
#include <vector>

namespace cesuan {

namespace {

// Text positions are 1-based, as the formula walks count them.
QChar at(const QString& s, qsizetype position) { return s[position - 1]; }

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isSign(QChar c) { return c == u'+' || c == u'-'; }

// A scanner's error: the text and the error go to lastMessage and the log without
// counting; then the scanner's own failure is logged.
void logScanError(const QString& t, const QString& error, const QString& scannerFailure) {
    CalcErrorJournal& j = Journal();
    j.lastMessage = t + error;
    j.messageLog += j.lastMessage + QStringLiteral("\r\n");
    LogFailure(scannerFailure);
}

// More steps than any formula of this length can need: the walk is not making progress.
constexpr qsizetype kStepsPerCharacter = 64;

}  // namespace

QString ScanOperandBefore(const QString& s, qsizetype b) {
    const auto failure = [&s](const QString& t, const QString& error) {
        logScanError(t, error, texts::msgScanBefore(TrimBlanks(s)));
        return t;
    };
    if (b > s.size()) b = s.size();
    if (b <= 0) return failure(QString(), QString());
    const QString t = s.left(b).toLower();
    int points = 0, digits = 0, signs = 0, exponents = 0;
    qsizetype c = b + 1;
    for (qsizetype d = b; d >= 1; --d) {
        const QChar ch = at(t, d);
        if (ch == u' ' && digits == 0) {
            c = d;
            continue;
        }
        if (isSign(ch)) {
            ++signs;
            if (digits >= 1) {
                if (d == 1) {
                    c = 1;
                    break;
                }
                const QChar before = at(t, d - 1);
                if (before == u' ' || before == u'-' || before == u'+' || before == u'*' ||
                    before == u'/' || before == u'\\') {
                    c = d;  // a unary sign belongs to the number
                    break;
                }
                if (before == u'e') {
                    c = d;  // the exponent's sign
                    continue;
                }
                c = d + 1;  // a binary operator
                break;
            }
            if (signs > 1) {
                c = d + 1;
                break;
            }
            c = d;
            continue;
        }
        if (ch == u'e') {
            ++exponents;
            points = digits = signs = 0;
        } else if (isDigit(ch)) {
            ++digits;
        } else if (ch == u'.') {
            ++points;
        } else {
            c = d + 1;
            break;
        }
        c = d;
    }
    if (points >= 2) return failure(t, texts::kScanTooManyPoints);
    if (digits == 0) return failure(t, texts::kScanNoDigit);
    if (signs >= 3) return failure(t, texts::kScanTooManySigns);
    if (exponents >= 2) return failure(t, texts::kScanTooManyExponents);
    return c > b ? QString() : t.mid(c - 1, b - c + 1);
}

QString ScanOperandAfter(const QString& s, qsizetype a) {
    const auto failure = [&s](const QString& t, const QString& error) {
        logScanError(t, error, texts::msgScanAfter(TrimBlanks(s)));
        return t;
    };
    if (a > s.size()) a = s.size();
    if (a <= 0) return failure(QString(), QString());
    const QString t = s.mid(a - 1).toLower();
    int points = 0, digits = 0, signs = 0, exponents = 0;
    qsizetype end = 0;
    for (qsizetype i = 1; i <= t.size(); ++i) {
        const QChar ch = at(t, i);
        if (ch == u' ' && digits == 0) {
            end = i;
            continue;
        }
        if (isSign(ch)) {
            if (digits >= 1) {
                end = i - 1;
                break;
            }
            if (++signs > 1) return failure(t, texts::kScanSignsTooMany);
            continue;
        }
        if (ch == u'.') {
            end = i;
            if (++points > 1) return failure(t, texts::kScanTooManyPoints);
            continue;
        }
        if (isDigit(ch)) {
            end = i;
            ++digits;
            continue;
        }
        if (ch == u'e') {
            ++exponents;
            points = digits = signs = 0;
            continue;
        }
        end = i - 1;
        break;
    }
    if (digits == 0) return failure(t, texts::kScanNoDigit);
    if (signs >= 2) return failure(t, texts::kScanTooManySigns);
    if (exponents >= 2) return failure(t, texts::kScanTooManyExponents);
    return t.left(end);
}

namespace {

enum class PassResult { Done, Stopped, Stuck };

// Applies the operator at position i: its two operands and itself are replaced by the
// trimmed text of the value. False when the computation stops the evaluation.
template <typename Compute>
bool applyOperator(QString& s, qsizetype i, Compute compute) {
    const QString left = ScanOperandBefore(s, i - 1);
    const QString right = ScanOperandAfter(s, i + 1);
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

QString EvaluateFlat(const QString& formula, MessageBoxService& box) {
    if (Journal().errorCount >= 1) return QStringLiteral("1");
    QString s = QStringLiteral(" ") + SimplifyFormula(formula.toLower()) + QStringLiteral(" ");
    const auto stuck = [&s]() -> QString {
        LogFailure(texts::msgFlatFailure(TrimBlanks(s)));
        return QString();
    };

    const auto outcome = [&](PassOutcome o) -> std::optional<QString> {
        if (o == PassOutcome::FunctionError) return QStringLiteral("-1");
        if (o == PassOutcome::Unexpected) return stuck();
        return std::nullopt;
    };
    if (auto r = outcome(ConstantsAndVariablesPass(s))) return *r;
    s = padded(s);
    if (auto r = outcome(FunctionPass(s, box))) return *r;
    s = padded(s);
    if (auto r = outcome(FactorialPercentPass(s))) return *r;

    // Powers: the leftmost "^" first, so 2^3^2 is (2^3)^2.
    s = QStringLiteral(" ") + SimplifyFormula(s) + QStringLiteral(" ");
    const auto findPower = [](const QString& t) {
        const qsizetype i = t.indexOf(u'^', 1);
        return i < 0 ? qsizetype(0) : i + 1;
    };
    if (operatorPass(s, findPower, [](QString& t, qsizetype i) {
            return applyOperator(t, i, [](const QString& x, const QString& y) {
                return std::optional(PowerOf(x, y));
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
    const PassResult multiplicative = operatorPass(s, findMultiplicative, [](QString& t, qsizetype i) {
        const QChar op = at(t, i);
        return applyOperator(t, i, [&t, op](const QString& x, const QString& y) -> std::optional<CalcValue> {
            if (op == u'*') return MultiplyTwo(x, y);
            if (op == u'\\') return RemainderTwo(x, y);
            if (IsZeroValue(ToCalcValue(y))) {  // the evaluation stops on a zero divisor
                LogFailure(t + texts::kDivisorZero);
                return std::nullopt;
            }
            return DivideTwo(x, y);
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
    if (operatorPass(s, findAdditive, [](QString& t, qsizetype i) {
            const bool plus = at(t, i) == u'+';
            applyOperator(t, i, [plus](const QString& x, const QString& y) {
                return std::optional(plus ? AddTwo(x, y) : SubtractTwo(x, y));
            });
            t = CollapseSigns(t);
            return true;
        }) == PassResult::Stuck)
        return stuck();

    s = CollapseSigns(s);
    return ToCalcValue(ScanOperandAfter(s, 1)).text();
}

namespace {

// Evaluates every innermost bracket pair met while walking the text once; a pair that
// becomes innermost while the walk is still inside it is evaluated in the same walk.
// False when an evaluation logged a failure.
bool bracketSweep(QString& s, MessageBoxService& box) {
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
            const QString value = EvaluateFlat(s.mid(b, e - b - 1), box);
            s = s.left(b - 1) + value + s.mid(e);
            if (Journal().errorCount > 0) return false;
            index();
        }
    }
    return true;
}

}  // namespace

QString EvaluateFormula(const QString& formula, MessageBoxService& box) {
    if (Journal().errorCount >= 1) return QStringLiteral("error");
    const QString received = TrimBlanks(formula);
    QString s = received.toLower();

    const BracketError bracketError = CheckBrackets(s, false);
    if (bracketError != BracketError::None) {
        LogBracketError(bracketError);
        return QStringLiteral("error");
    }

    bool failed = false;
    for (qsizetype sweeps = s.count(u'('); sweeps > 0 && s.contains(u'('); --sweeps) {
        if (!bracketSweep(s, box)) {
            failed = true;
            break;
        }
    }
    if (!failed) {
        s = EvaluateFlat(SimplifyFormula(s), box);
        if (Journal().errorCount == 0) {
            s = TrimBlanks(RoundHalfUp(s, DecimalPlaces()).text());
            if (s.startsWith(u'.')) s.prepend(u'0');
            else if (s.startsWith(QStringLiteral("-."))) s.insert(1, u'0');
            if (Journal().errorCount == 0) return s;
        }
    }
    LogFailure(texts::msgFormulaFailure(received));
    return QStringLiteral("error");
}

}  // namespace cesuan
