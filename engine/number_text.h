#pragma once
// Number texts: the one grammar every routine reads numbers with, and the text form of a
// double. A number text is: blanks (U+0020), an optional sign, digits with at most one
// ".", an optional exponent ("e" or "E", optional sign, digits), blanks. At least one digit
// stands before or after the point. "." is the decimal point whatever the locale.

#include <QString>
#include <QStringView>

#include <optional>
#include <string>
#include <string_view>

namespace cesuan {

// A parsed number text: value = (negative ? -1 : 1) * digits * 10^exponent.
struct NumberParts {
    bool negative = false;
    std::string digits;      // significant digits, no leading zeros; empty for zero
    long long exponent = 0;  // saturated far beyond any representable range
};

std::optional<NumberParts> ParseNumberText(QStringView text);
std::optional<NumberParts> ParseNumberText(std::string_view text);

// The nearest double of parsed parts; empty when the value overflows a double.
std::optional<double> NumberPartsToDouble(const NumberParts& parts);

// The nearest double; empty when the text is not a number or the value overflows a double.
std::optional<double> ParseDouble(QStringView text);
std::optional<double> ParseDouble(std::string_view text);

// The double's text form: 15 significant digits with trailing zeros removed, as %.15G
// writes it (plain when the decimal exponent lies in -4..14, else e.g. 1.23456789012346E+20
// or 1E-05); negative zero is "0".
QString FormatDouble(double value);

// The significant digits of that text form (leading zeros and the exponent not counted).
int SignificantDigitsOfDouble(double value);

}  // namespace cesuan
