#pragma once
// Decimal96: the 96-bit decimal of OLE Automation as a small value type.
//
// Value = (-1)^sign * coefficient / 10^scale, with an unsigned 96-bit coefficient
// (0 .. 79228162514264337593543950335) and a scale of 0 .. 28. Zero may carry a sign;
// it compares equal to zero and is written "0".
//
// Arithmetic keeps an exact result exactly. A result that needs more digits than fit is
// rounded to the largest scale (at most 28) at which its coefficient fits in 96 bits,
// halves going to the even neighbour; rounding is done once, from the exact result. A
// result whose integer part needs more than 96 bits overflows, and division by zero fails:
// both give an empty optional. Text in and out always uses "." whatever the locale.

#include <QString>
#include <QStringView>

#include <compare>
#include <cstdint>
#include <optional>
#include <type_traits>

namespace cesuan {

__extension__ typedef unsigned __int128 uint128;

struct NumberParts;  // engine/number_text.h

class Decimal96 {
public:
    static constexpr int kMaxScale = 28;
    static constexpr uint128 kMaxCoefficient = (uint128(1) << 96) - 1;

    constexpr Decimal96() = default;
    // A whole number.
    constexpr Decimal96(std::int64_t value)  // NOLINT: implicit, like any integer literal
        : lo_(std::uint32_t(magnitude(value))), mid_(std::uint32_t(magnitude(value) >> 32)),
          negative_(value < 0) {}

    // coefficient must not exceed kMaxCoefficient, scale must lie in 0..28.
    static constexpr Decimal96 fromParts(uint128 coefficient, int scale, bool negative) {
        Decimal96 d;
        d.lo_ = std::uint32_t(coefficient);
        d.mid_ = std::uint32_t(coefficient >> 32);
        d.hi_ = std::uint32_t(coefficient >> 64);
        d.scale_ = std::uint8_t(scale);
        d.negative_ = negative;
        return d;
    }
    static constexpr Decimal96 max() { return fromParts(kMaxCoefficient, 0, false); }

    // A number text: blanks, optional sign, digits with at most one point, optional
    // exponent (e or E, optional sign, digits), blanks. Empty when the text is not a
    // number or its value overflows; digits beyond the 28th decimal place are rounded.
    static std::optional<Decimal96> fromText(QStringView text);
    static std::optional<Decimal96> fromText(std::string_view text);
    static std::optional<Decimal96> fromNumberParts(const NumberParts& parts);
    // A double becomes the decimal of its 15 significant digits (its %.15G text).
    static std::optional<Decimal96> fromDouble(double value);

    constexpr uint128 coefficient() const {
        return uint128(lo_) | (uint128(mid_) << 32) | (uint128(hi_) << 64);
    }
    constexpr int scale() const { return scale_; }
    constexpr bool signBit() const { return negative_; }
    constexpr bool isZero() const { return (lo_ | mid_ | hi_) == 0; }
    constexpr bool isNegative() const { return negative_ && !isZero(); }

    constexpr Decimal96 operator-() const {
        Decimal96 d = *this;
        d.negative_ = !negative_;
        return d;
    }
    constexpr Decimal96 abs() const {
        Decimal96 d = *this;
        d.negative_ = false;
        return d;
    }

    // How many significant digits the canonical text shows: the digits from the first
    // non-zero one on, trailing zeros of the fraction dropped (100 has 3, 0.0120 has 2).
    int significantDigits() const;

    // The correctly rounded nearest double.
    double toDouble() const;
    // Canonical text: optional "-", integer digits, and "." with the fraction only when
    // the fraction is not zero, trailing zeros removed. Never an exponent; zero is "0".
    QString toText() const;
    std::string toStdString() const;

    friend std::optional<Decimal96> add(Decimal96 a, Decimal96 b);
    friend std::optional<Decimal96> subtract(Decimal96 a, Decimal96 b) { return add(a, -b); }
    friend std::optional<Decimal96> multiply(Decimal96 a, Decimal96 b);
    friend std::optional<Decimal96> divide(Decimal96 a, Decimal96 b);

    // Comparison by value (so -0 == 0 and 1.50 == 1.5).
    friend std::strong_ordering operator<=>(const Decimal96& a, const Decimal96& b);
    friend bool operator==(const Decimal96& a, const Decimal96& b) {
        return (a <=> b) == std::strong_ordering::equal;
    }

private:
    static constexpr std::uint64_t magnitude(std::int64_t v) {
        return v < 0 ? ~std::uint64_t(v) + 1 : std::uint64_t(v);
    }

    std::uint32_t lo_ = 0, mid_ = 0, hi_ = 0;
    std::uint8_t scale_ = 0;
    bool negative_ = false;
    std::uint16_t reserved_ = 0;
};

static_assert(sizeof(Decimal96) == 16);
static_assert(std::is_trivially_copyable_v<Decimal96>);

}  // namespace cesuan
