#include "engine/arithmetic.h"

#include "engine/engine_texts.h"
#include "engine/journal.h"
#include "engine/rounding.h"

#include <cmath>

namespace cesuan {
namespace {

enum class Op { Multiply, Divide, Add, Subtract };

std::optional<Decimal96> apply(Op op, Decimal96 a, Decimal96 b) {
    switch (op) {
    case Op::Multiply: return multiply(a, b);
    case Op::Divide: return divide(a, b);
    case Op::Add: return add(a, b);
    case Op::Subtract: return subtract(a, b);
    }
    return std::nullopt;
}

double apply(Op op, double a, double b) {
    switch (op) {
    case Op::Multiply: return a * b;
    case Op::Divide: return a / b;
    case Op::Add: return a + b;
    case Op::Subtract: return a - b;
    }
    return NAN;
}

// The decimal trial: empty when the calculation must go to double.
std::optional<Decimal96> decimalTrial(CalcErrorJournal& journal, Op op, const CalcValue& x, const CalcValue& y) {
    const CalcValue X = ToCalcValue(journal, x);
    if (CountExponentMarks(X) > 0) return std::nullopt;
    const CalcValue Y = ToCalcValue(journal, y);
    if (CountExponentMarks(Y) > 0) return std::nullopt;
    const std::optional<Decimal96> a = X.toDecimal(), b = Y.toDecimal();
    if (!a || !b) return std::nullopt;
    const std::optional<Decimal96> p = apply(op, *a, *b);
    if (!p) return std::nullopt;
    // A product or quotient of two non-zero numbers that rounds to zero is too small for
    // 28 places: the double keeps it.
    if ((op == Op::Multiply || op == Op::Divide) && !a->isZero() && !b->isZero() && p->isZero())
        return std::nullopt;
    if (x.isDecimal() && y.isDecimal()) return p;  // the arguments are X and Y themselves
    // The result is computed again from the arguments as given.
    const std::optional<Decimal96> xd = x.toDecimal(), yd = y.toDecimal();
    if (!xd || !yd) return std::nullopt;
    return apply(op, *xd, *yd);
}

CalcValue twoNumbers(CalcErrorJournal& journal, Op op, const CalcValue& x, const CalcValue& y, const QString& prefix,
                     const QString& symbol) {
    if (const std::optional<Decimal96> result = decimalTrial(journal, op, x, y)) return *result;
    const std::optional<double> a = x.toDouble(), b = y.toDouble();
    if (a && b) {
        const double result = apply(op, *a, *b);
        if (std::isfinite(result)) {
            NoteDoubleFallback(journal);
            return result;
        }
    }
    LogFailure(journal, prefix + x.trimmedText() + symbol + y.trimmedText() + texts::kSuffixTwoNumbers);
    return CalcValue();
}

}  // namespace

CalcValue MultiplyTwo(CalcErrorJournal& journal, const CalcValue& x, const CalcValue& y) {
    return twoNumbers(journal, Op::Multiply, x, y, texts::kPrefixMultiply, QStringLiteral("*"));
}

CalcValue DivideTwo(CalcErrorJournal& journal, const CalcValue& x, const CalcValue& y) {
    return twoNumbers(journal, Op::Divide, x, y, texts::kPrefixDivide, QStringLiteral("/"));
}

CalcValue AddTwo(CalcErrorJournal& journal, const CalcValue& x, const CalcValue& y) {
    return twoNumbers(journal, Op::Add, x, y, texts::kPrefixAdd, QStringLiteral("+"));
}

CalcValue SubtractTwo(CalcErrorJournal& journal, const CalcValue& x, const CalcValue& y) {
    return twoNumbers(journal, Op::Subtract, x, y, texts::kPrefixSubtract, QStringLiteral("-"));
}

CalcValue RemainderTwo(CalcErrorJournal& journal, const CalcValue& x, const CalcValue& y) {
    const CalcValue X = ToCalcValue(journal, x), Y = ToCalcValue(journal, y);
    const CalcValue quotient = DivideTwo(journal, X, Y);
    if (quotient.isDouble() && CountExponentMarks(quotient) > 0) {
        // A quotient in exponent form has lost its integer digits, so the multiple of the
        // divisor cannot be rebuilt from it: the remainder of the two doubles is exact.
        const std::optional<double> a = X.toDouble(), b = Y.toDouble();
        if (a && b) {
            const double r = std::fmod(*a, *b);
            if (std::isfinite(r)) {
                NoteDoubleFallback(journal);
                return r;
            }
        }
        LogFailure(journal, texts::kPrefixRemainder + x.trimmedText() + QStringLiteral("余") + y.trimmedText() +
                   texts::kSuffixTwoNumbers);
        return CalcValue();
    }
    const CalcValue multiple = MultiplyTwo(journal, IntegerPartText(journal, quotient), Y);
    return SubtractTwo(journal, X, multiple);
}

bool IsZeroValue(const CalcValue& x) {
    if (x.isDecimal()) return x.decimal().isZero();
    const std::optional<double> d = x.toDouble();
    return d && *d == 0;
}

}  // namespace cesuan
