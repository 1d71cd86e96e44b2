#include "evaluator/evaluate.h"

#include "engine/arithmetic.h"
#include "engine/journal.h"
#include "engine/power.h"
#include "engine/rounding.h"
#include "engine/trig.h"
#include "evaluator/evaluator_texts.h"
#include "evaluator/formula_walk.h"
#include "evaluator/functions.h"

#include <optional>

namespace cesuan {
namespace {

// The numbers of the evaluation: decimals where they hold the value, doubles where not,
// each step by the routines of the number engine, every value written as its text form.
struct DecimalNumbers {
    CalcContext& context;
    CalcErrorJournal& journal = context.journal;

    static QString text(const CalcValue& v) { return TrimBlanks(v.text()); }
    CalcValue number(const QString& operand) { return ToCalcValue(journal, operand); }

    QString constant(QChar c) const { return c == u'π' ? kPiText : texts::kEpsilonText; }
    std::optional<QString> variable(QChar letter) const {
        const CalcValue* v = context.settings.memoryVariable(letter);
        if (!v) return std::nullopt;
        return TrimBlanks(v->text()).toLower();
    }
    std::optional<QString> function(const QString& name, const QString& argument) {
        const std::optional<CalcValue> v = FunctionValue(context, name, number(argument));
        if (!v) return std::nullopt;
        return text(*v);
    }
    std::optional<QString> percent(const QString& operand) {
        return text(DivideTwo(journal, number(operand), Decimal96(100)));
    }
    std::optional<QString> factorial(const QString& operand) {
        const std::optional<CalcValue> v = FactorialValue(journal, operand);
        if (!v) return std::nullopt;
        return text(*v);
    }
    QString power(const QString& x, const QString& y) { return text(PowerOf(journal, x, y)); }
    QString multiply(const QString& x, const QString& y) { return text(MultiplyTwo(journal, x, y)); }
    QString remainder(const QString& x, const QString& y) { return text(RemainderTwo(journal, x, y)); }
    QString divide(const QString& x, const QString& y) { return text(DivideTwo(journal, x, y)); }
    QString add(const QString& x, const QString& y) { return text(AddTwo(journal, x, y)); }
    QString subtract(const QString& x, const QString& y) { return text(SubtractTwo(journal, x, y)); }
    bool isZero(const QString& y) { return IsZeroValue(number(y)); }
    QString value(const QString& scanned) { return number(scanned).text(); }

    // Rounded to the decimal places, with a "0" before a leading point.
    QString rounded(const QString& value) {
        QString s = TrimBlanks(RoundHalfUp(journal, value, context.settings.decimalPlaces).text());
        if (s.startsWith(u'.')) s.prepend(u'0');
        else if (s.startsWith(QStringLiteral("-."))) s.insert(1, u'0');
        return s;
    }
};

}  // namespace

QString EvaluateFlat(CalcContext& context, const QString& formula) {
    DecimalNumbers numbers{context};
    return walk::EvaluateFlat(numbers, formula);
}

QString EvaluateFormula(CalcContext& context, const QString& formula) {
    DecimalNumbers numbers{context};
    return walk::EvaluateFormula(numbers, formula);
}

}  // namespace cesuan
