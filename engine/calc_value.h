#pragma once
// CalcValue: the one value type of every numeric routine, in four forms: a 96-bit decimal,
// a double, a number written as text (typed, scanned out of a formula, or a routine's text
// result), or the empty text (空值, the arithmetic routines' failure result).

#include "engine/decimal96.h"
#include "engine/journal.h"

#include <QString>

#include <optional>
#include <variant>

namespace cesuan {

class CalcValue {
public:
    enum class Kind { Empty, Decimal, Double, Text };

    CalcValue() = default;
    CalcValue(Decimal96 value) : value_(value) {}                  // NOLINT: implicit
    CalcValue(std::int64_t value) : value_(Decimal96(value)) {}   // NOLINT: implicit
    CalcValue(int value) : value_(Decimal96(value)) {}            // NOLINT: implicit
    CalcValue(double value) : value_(value) {}                     // NOLINT: implicit
    CalcValue(const QString& text);                                // NOLINT: the text form
    CalcValue(const char16_t* text) : CalcValue(QString::fromUtf16(text)) {}  // NOLINT

    Kind kind() const { return Kind(value_.index()); }
    bool isEmpty() const { return kind() == Kind::Empty; }
    bool isDecimal() const { return kind() == Kind::Decimal; }
    bool isDouble() const { return kind() == Kind::Double; }
    bool isText() const { return kind() == Kind::Text; }
    Decimal96 decimal() const { return std::get<Decimal96>(value_); }
    double doubleValue() const { return std::get<double>(value_); }

    // The text form: a decimal without exponent and trailing zeros, a double as %.15G
    // writes it, a text as it is, empty as "".
    QString text() const;
    // The text form without leading and trailing blanks (U+0020 only).
    QString trimmedText() const;

    // The value converted as given: a decimal as it is, a double through its 15 digits, a
    // number text by the decimal rules; empty when that fails (no number, overflow).
    std::optional<Decimal96> toDecimal() const;
    // The nearest double; empty when the text is no number or overflows a double.
    std::optional<double> toDouble() const;

private:
    std::variant<std::monostate, Decimal96, double, QString> value_;
};

// Leading and trailing blanks U+0020 removed (not tabs or other white space).
QString TrimBlanks(const QString& text);

// 数转数: any value or number text to a decimal, or to a double outside the decimal range
// or where the decimal would keep fewer significant digits; the text "0" on failure.
CalcValue ToCalcValue(CalcErrorJournal& journal, const CalcValue& x);

// 多少E: how many "E" or "e" the trimmed text form holds (a decimal never has one).
int CountExponentMarks(const CalcValue& x);

// Significant digits of the trimmed text form: leading zeros do not count, later zeros do;
// the scan stops at the first character other than a digit, blank, ".", "+" or "-".
int SignificantDigitCount(const CalcValue& x);

// The first n significant digits of the mantissa, cut (not rounded) only after the point,
// with the exponent part kept.
QString TruncateSignificant(const CalcValue& x, int n);

}  // namespace cesuan
