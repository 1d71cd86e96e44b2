#include "engine/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace cesuan {
namespace {

constexpr long long kExponentLimit = 100000000;  // far beyond 10^±400, so no overflow

template <typename Char>
std::optional<NumberParts> parseChars(const Char* p, const Char* end) {
    auto isDigit = [](Char c) { return c >= Char('0') && c <= Char('9'); };
    while (p != end && *p == Char(' ')) ++p;
    while (end != p && *(end - 1) == Char(' ')) --end;

    NumberParts parts;
    if (p != end && (*p == Char('+') || *p == Char('-'))) {
        parts.negative = *p == Char('-');
        ++p;
    }
    long long pointShift = 0;  // digits after the point
    bool anyDigit = false, seenPoint = false;
    for (; p != end; ++p) {
        if (isDigit(*p)) {
            anyDigit = true;
            if (!(parts.digits.empty() && *p == Char('0'))) parts.digits.push_back(char(*p));
            if (seenPoint) ++pointShift;
        } else if (*p == Char('.') && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!anyDigit) return std::nullopt;

    long long exponent = 0;
    if (p != end) {
        if (*p != Char('e') && *p != Char('E')) return std::nullopt;
        ++p;
        bool negativeExponent = false;
        if (p != end && (*p == Char('+') || *p == Char('-'))) {
            negativeExponent = *p == Char('-');
            ++p;
        }
        if (p == end) return std::nullopt;
        for (; p != end; ++p) {
            if (!isDigit(*p)) return std::nullopt;
            if (exponent < kExponentLimit) exponent = exponent * 10 + (*p - Char('0'));
        }
        if (negativeExponent) exponent = -exponent;
    }
    // Trailing zeros of the digits move into the exponent.
    std::size_t kept = parts.digits.find_last_not_of('0');
    long long trailing = 0;
    if (kept == std::string::npos) {
        parts.digits.clear();
    } else {
        trailing = static_cast<long long>(parts.digits.size() - kept - 1);
        parts.digits.resize(kept + 1);
    }
    parts.exponent = parts.digits.empty() ? 0 : exponent - pointShift + trailing;
    return parts;
}

locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return locale;
}

std::optional<double> partsToDouble(const std::optional<NumberParts>& parts) {
    if (!parts) return std::nullopt;
    return NumberPartsToDouble(*parts);
}

}  // namespace

std::optional<double> NumberPartsToDouble(const NumberParts& parts) {
    if (parts.digits.empty()) return parts.negative ? -0.0 : 0.0;
    // Up to 15 digits and a power of ten up to 10^22 are exact doubles: one multiplication
    // or division rounds correctly.
    static constexpr double kExactPow10[23] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                               1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                               1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (parts.digits.size() <= 15 && parts.exponent >= -22 && parts.exponent <= 22) {
        std::uint64_t whole = 0;
        for (char c : parts.digits) whole = whole * 10 + std::uint64_t(c - '0');
        double value = double(whole);
        value = parts.exponent < 0 ? value / kExactPow10[-parts.exponent] : value * kExactPow10[parts.exponent];
        if (!std::isinf(value)) return parts.negative ? -value : value;
    }
    std::string text;
    text.reserve(parts.digits.size() + 24);
    if (parts.negative) text.push_back('-');
    text += parts.digits;
    text.push_back('e');
    text += std::to_string(parts.exponent);
    const double value = strtod_l(text.c_str(), nullptr, cLocale());
    if (std::isinf(value)) return std::nullopt;
    return value;
}

std::optional<NumberParts> ParseNumberText(QStringView text) {
    return parseChars(text.utf16(), text.utf16() + text.size());
}

std::optional<NumberParts> ParseNumberText(std::string_view text) {
    return parseChars(text.data(), text.data() + text.size());
}

std::optional<double> ParseDouble(QStringView text) { return partsToDouble(ParseNumberText(text)); }

std::optional<double> ParseDouble(std::string_view text) {
    return partsToDouble(ParseNumberText(text));
}

int SignificantDigitsOfDouble(double value) {
    if (value == 0) return 0;
    char buffer[40];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    int count = 0;
    for (const char* p = buffer; p != result.ptr; ++p) {
        if (*p >= '1' && *p <= '9') ++count;
        else if (*p == '0') count += count > 0 ? 1 : 0;
        else if (*p != '.' && *p != '-' && *p != '+') break;  // the exponent
    }
    return count;
}

QString FormatDouble(double value) {
    if (value == 0) return QStringLiteral("0");
    char buffer[40];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    QString text = QString::fromLatin1(buffer, int(result.ptr - buffer));
    return text.toUpper();  // "e+20" -> "E+20"; the exponent has at least two digits already
}

}  // namespace cesuan
