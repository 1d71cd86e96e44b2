#pragma once
// The D.MMSS and degree helpers of the projections in integer arithmetic on the 15 decimal
// digits of a double: the fast paths behind GeoRound, GeoDmsToDegrees, GeoDegreesToRadians,
// GeoDegreesToDms and GeoNormaliseDms (geodesy/dms.h), and the inverse projection's D.MMSS
// output. Internal to geodesy: inline, so that a projection reaches them without a call.
//
// Each step gives the double the step-by-step reference path (geodesy/dms.h, textual::)
// gives, or hands the value to that path when it cannot be sure: outside the ranges its
// integers cover, on a carry of 60, and where a long double estimate lies so close to a
// midpoint between two doubles that its error bound (a few units in its last place, far
// above the 28-place roundings of the decimal steps) could decide the rounding.

#include "engine/decimal96.h"
#include "engine/number_text.h"
#include "geodesy/dms.h"

#include <QString>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <limits>
#include <optional>

namespace cesuan::dms_digits {

// Values beyond this come back unchanged from the decimal helpers: the 15-digit decimal of
// a larger double has no fraction left to work on.
constexpr double kDecimalLimit = 179769313486232.0;
inline bool beyondDecimalLimit(double v) { return v > kDecimalLimit || v < -kDecimalLimit; }

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// π/180 to 28 decimal places, and the double of 180/π to 27.
constexpr char kRadiansPerDegreeText[] = "0.0174532925199432957692369077";
inline const Decimal96& radiansPerDegree() {
    static const Decimal96 value = *Decimal96::fromText(kRadiansPerDegreeText);
    return value;
}
inline const double kDegreesPerRadian = *ParseDouble("57.295779513082320876798154814");

inline bool finite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

// The double of a number text; NaN when it is none (a failed conversion).
inline double valueOfText(const QString& text) { return ParseDouble(text).value_or(kNaN); }

__extension__ typedef unsigned __int128 Uint128;

constexpr auto kPow10 = [] {
    std::array<std::uint64_t, 20> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
    return p;
}();
constexpr auto kPow5 = [] {
    std::array<std::uint64_t, 28> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 5;
    return p;
}();
// Powers of ten that doubles hold exactly: one division by them rounds correctly.
constexpr std::array<double, 23> kExactPow10 = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// n / 10^k for n < 2^57 by one multiplication: with l = ceil(log2 10^k) and
// m = ceil(2^(57+l) / 10^k), floor(n m / 2^(57+l)) = floor(n / 10^k) (Granlund and
// Montgomery, 1994, theorem 4.2); m < 2^58, so n m fits 128 bits.
struct Pow10Reciprocal {
    std::uint64_t multiplier;
    int shift;
};
constexpr auto kPow10Reciprocals = [] {
    std::array<Pow10Reciprocal, 20> r{};
    for (std::size_t k = 0; k < r.size(); ++k) {
        const Uint128 d = kPow10[k];
        int l = 0;
        while ((Uint128(1) << l) < d) ++l;
        const int shift = 57 + l;
        r[k] = {std::uint64_t(((Uint128(1) << shift) + d - 1) / d), shift};
    }
    return r;
}();
constexpr std::uint64_t kBelowReciprocalLimit = std::uint64_t(1) << 57;
constexpr std::uint64_t divPow10(std::uint64_t n, int k) {
    const Pow10Reciprocal& r = kPow10Reciprocals[std::size_t(k)];
    return std::uint64_t((Uint128(n) * r.multiplier) >> r.shift);
}
static_assert(divPow10(kBelowReciprocalLimit - 1, 19) == (kBelowReciprocalLimit - 1) / kPow10[19]);
static_assert(divPow10(kBelowReciprocalLimit - 1, 7) == (kBelowReciprocalLimit - 1) / kPow10[7]);
static_assert(divPow10(kPow10[15] - 1, 14) == 9 && divPow10(kPow10[15], 15) == 1);

// The x87 extended format: 64 significant bits, so 10^0..10^27 and every 64-bit integer are
// exact, and rounding to double drops the 11 lowest bits.
static_assert(std::numeric_limits<long double>::digits == 64);
inline const long double kLongRadiansPerDegree = std::strtold(kRadiansPerDegreeText, nullptr);
// π/180 / 10^k and 1 / (3600 10^k), each rounded once.
inline const auto kLongRadiansPerScaledDegree = [] {
    std::array<long double, 28> p{};
    long double power = 1;  // exact up to 10^27
    for (std::size_t k = 0; k < p.size(); ++k, power *= 10) p[k] = kLongRadiansPerDegree / power;
    return p;
}();
inline const auto kLongPerScaledHour = [] {
    std::array<long double, 20> p{};
    long double power = 3600;
    for (std::size_t k = 0; k < p.size(); ++k, power *= 10) p[k] = 1 / power;
    return p;
}();
inline const auto kLongPerScaledUnit = [] {
    std::array<long double, 20> p{};
    long double power = 1;
    for (std::size_t k = 0; k < p.size(); ++k, power *= 10) p[k] = 1 / power;
    return p;
}();

// An integer below 2^63, exactly (through the signed conversion, which x87 has).
inline long double longOf(std::uint64_t n) { return (long double)std::int64_t(n); }

// The double nearest to the exact value that x estimates within `slack` units of x's last
// place, or nothing when a midpoint between two doubles may lie within that distance.
// x must be positive and normal.
inline std::optional<double> nearestDouble(long double x, int slack) {
    // x - d is exact (x has 11 bits more than d) and so is its double. One unit of x's last
    // place is 2^-11 of d's, so x lies within `slack` of a midpoint when |x - d| is within
    // slack 2^-11 ulp(d) of ulp(d) / 2.
    const double d = double(x);
    const double dropped = std::abs(double(x - (long double)d));
    const double ulp = std::bit_cast<double>(std::bit_cast<std::uint64_t>(d) & 0x7FF0000000000000) *
                       0x1p-52;  // d is normal
    if (std::abs(dropped - ulp / 2) <= slack * ulp * 0x1p-11) return std::nullopt;
    return d;
}

// The 15-significant-digit decimal of a double (what its %.15G text holds): ±coefficient /
// 10^scale. The coefficient may keep trailing zeros (117.5 is 117500000000000 / 10^12).
struct Decimal15 {
    std::uint64_t coefficient = 0;  // below 10^15
    int scale = 0;                  // 0 .. 27
    bool negative = false;

    // coefficient / 10^scale and its remainder, for scale <= 19.
    std::uint64_t integerPart() const { return divPow10(coefficient, scale); }
    std::uint64_t fractionPart() const { return coefficient - integerPart() * kPow10[std::size_t(scale)]; }
    bool whole() const { return scale == 0 || (scale < 15 ? fractionPart() == 0 : coefficient == 0); }
    // The nearest double, when one division gives it.
    std::optional<double> toDouble() const {
        if (scale >= int(kExactPow10.size())) return std::nullopt;
        const double magnitude = double(coefficient) / kExactPow10[std::size_t(scale)];
        return negative ? -magnitude : magnitude;
    }
};

// 10^-13 .. 10^15 as doubles, to pick the decimal exponent.
constexpr auto kPowersOfTen = [] {
    std::array<double, 29> p{};
    for (int k = -13; k <= 15; ++k) {
        double v = 1;
        for (int i = 0; i < (k < 0 ? -k : k); ++i) v *= 10;
        p[std::size_t(k + 13)] = k < 0 ? 1 / v : v;
    }
    return p;
}();

// Exact: |v| = m 2^e, and m 5^q 2^(e+q) = |v| 10^q is cut to its integer part and rounded
// half to even on the exact remainder, as the correctly rounded %.15G text is. Nothing for
// 0 < |v| < 2^-39 (about 1.8e-12), |v| >= 2^48 and non-finite values.
inline std::optional<Decimal15> decimal15ByIntegers(double v) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(v);
    const bool negative = (bits >> 63) != 0;
    if (v == 0) return Decimal15{0, 0, negative};
    const int biased = int((bits >> 52) & 0x7FF);
    if (biased < 1023 - 39 || biased > 1023 + 47) return std::nullopt;
    const std::uint64_t m = (bits & ((std::uint64_t(1) << 52) - 1)) | (std::uint64_t(1) << 52);
    const int e = biased - 1023 - 52;
    // floor(log10 |v|) is floor(log10 2^(e+52)) or one more; the table comparison picks one,
    // and the range check on the integer part below settles the rare value it misjudges.
    int k = (e + 52) * 78913 >> 18;
    if (std::abs(v) >= kPowersOfTen[std::size_t(k + 1 + 13)]) ++k;
    int q = 14 - k;
    for (;;) {
        if (q < 0 || q > 27) return std::nullopt;
        const Uint128 scaled = Uint128(m) * kPow5[std::size_t(q)];
        const int shift = -(e + q);
        if (shift < 1 || shift > 127) return std::nullopt;
        const Uint128 integer = scaled >> shift;
        if (integer < kPow10[14]) {
            ++q;
            continue;
        }
        if (integer >= kPow10[15]) {
            --q;
            continue;
        }
        const Uint128 remainder = scaled - (integer << shift);
        const Uint128 half = Uint128(1) << (shift - 1);
        std::uint64_t c = std::uint64_t(integer);
        if (remainder > half || (remainder == half && (c & 1) != 0)) ++c;
        if (c == kPow10[15]) {  // 999999999999999.5 and up: one digit more, one place less
            c = kPow10[14];
            if (--q < 0) return std::nullopt;
        }
        return Decimal15{c, q, negative};
    }
}

// 10^q split into two halves of 26 bits for Dekker's exact product.
struct SplitPow10 {
    double value, high, low;
};
constexpr double kSplitter = 134217729.0;  // 2^27 + 1
inline const auto kSplitPow10 = [] {
    std::array<SplitPow10, 23> p{};
    for (std::size_t q = 0; q < p.size(); ++q) {
        const double v = kExactPow10[q];
        const double c = kSplitter * v;
        const double high = c - (c - v);
        p[q] = {v, high, v - high};
    }
    return p;
}();

// The same decimal in double arithmetic for 10^-8 <= |v| < 10^15: t = |v| 10^q rounded,
// and Dekker's product gives the exact error e of that rounding (|v| 10^q = t + e exactly;
// this needs the separate roundings of ISO C++, which GCC keeps unless told to contract).
// The nearest integer of t is the nearest of t + e except at a tie of t, where e decides.
inline std::optional<Decimal15> decimal15(double v) {
    const double a = std::abs(v);
    if (!(a >= 1e-8 && a < 1e15)) return v == 0 ? Decimal15{0, 0, std::signbit(v)} : decimal15ByIntegers(v);
    const int binaryExponent = int(std::bit_cast<std::uint64_t>(a) >> 52) - 1023;
    int k = binaryExponent * 78913 >> 18;  // floor(log10 |v|) or one less
    if (a >= kPowersOfTen[std::size_t(k + 1 + 13)]) ++k;
    const int q = 14 - k;
    if (q < 0 || q > 22) return decimal15ByIntegers(v);
    const SplitPow10& p = kSplitPow10[std::size_t(q)];
    const double t = a * p.value;
    if (!(t >= 1e14 && t < 1e15)) return decimal15ByIntegers(v);
    constexpr double kTwo52 = 4503599627370496.0;
    double n = (t + kTwo52) - kTwo52;  // nearest integer, ties to even
    if (std::abs(t - n) == 0.5) {
        const double c = kSplitter * a;
        const double high = c - (c - a);
        const double low = a - high;
        const double e = ((high * p.high - t) + high * p.low + low * p.high) + low * p.low;
        if (t - n == 0.5 && e > 0) n += 1;
        if (t - n == -0.5 && e < 0) n -= 1;
    }
    std::uint64_t coefficient = std::uint64_t(std::int64_t(n));
    int scale = q;
    if (coefficient == kPow10[15]) {
        coefficient = kPow10[14];
        --scale;
    }
    return Decimal15{coefficient, scale, std::signbit(v)};
}

// The integer part of d, the decimal of v, and the rest below it (in units of 10^-scale, for
// scale <= 19). The integer part is that of v, worked out beside the decimal, unless the
// rounding to 15 digits carried into the next integer (59.99999999999999 is 60.0000000000000).
struct Split {
    std::uint64_t whole, fraction;
};
inline Split splitDecimal(const Decimal15& d, double v) {
    const std::uint64_t unit = kPow10[std::size_t(d.scale)];
    const std::uint64_t whole = std::uint64_t(std::abs(v));  // |v| < 179769313486232: exact
    const std::uint64_t fraction = d.coefficient - whole * unit;  // the decimal is not below whole
    if (fraction < unit) return {whole, fraction};
    const std::uint64_t carried = d.integerPart();
    return {carried, d.coefficient - carried * unit};
}

// GeoRound's result as a decimal: d rounded half up to `places` places, when it has more.
inline Decimal15 roundedTo(Decimal15 d, int places) {
    if (d.whole() || places >= d.scale) return d;
    const int cut = d.scale - places;
    std::uint64_t kept = 0;
    if (cut <= 15) {  // else every digit goes, and the next one is 0
        const std::uint64_t withNext = divPow10(d.coefficient, cut - 1);
        kept = withNext / 10;
        if (withNext % 10 > 4) ++kept;
    }
    return Decimal15{kept, places, d.negative};
}

// The exact decimal steps for the values that nearestDouble cannot settle: the Decimal96
// operations of the text path on the same numbers, without the texts.
inline double radiansExact(std::uint64_t coefficient, int scale) {
    const std::optional<Decimal96> r =
        multiply(Decimal96::fromParts(coefficient, scale, false), radiansPerDegree());
    return r ? r->toDouble() : kNaN;
}
// whole + (minutes + seconds / 60) / 60 with the seconds (at most 60) at secondScale places.
inline double dmsDegreesExact(std::uint64_t whole, std::uint64_t minutes, std::uint64_t seconds,
                       int secondScale) {
    const std::optional<Decimal96> inMinutes =
        divide(Decimal96::fromParts(seconds, secondScale, false), 60);
    std::optional<Decimal96> m = inMinutes ? add(Decimal96(std::int64_t(minutes)), *inMinutes) : std::nullopt;
    if (m && *m > Decimal96(60)) m = Decimal96(60);
    const std::optional<Decimal96> degrees = m ? divide(*m, 60) : std::nullopt;
    const std::optional<Decimal96> result =
        degrees ? add(Decimal96(std::int64_t(whole)), *degrees) : std::nullopt;
    return result ? result->toDouble() : kNaN;
}

// GeoRound in double arithmetic, for a value at least 10^-14 |value| from the nearest
// integer (so its 15-digit decimal D is not whole) and whose |value| 10^places lies at least
// 10^-14 of itself from a half (so D 10^places, within 5.2 10^-15 of it, rounds the same
// way): the magnitude of the rounded value in units of 10^-places.
inline std::optional<std::uint64_t> roundedUnits(double value, int places) {
    const double a = std::abs(value);
    const double scaled = a * kExactPow10[std::size_t(places)];
    if (!(a >= 1e-8 && a < 1e15 && scaled < 4e15)) return std::nullopt;
    const double wholeDistance = a - double(std::int64_t(a + 0.5));
    const double units = double(std::int64_t(scaled));
    const double rest = scaled - units;  // exact
    const double margin = 1e-14 * scaled;
    if (std::abs(wholeDistance) <= 1e-14 * a || std::abs(rest - 0.5) <= margin) return std::nullopt;
    return std::uint64_t(std::int64_t(units)) + (rest > 0.5 ? 1 : 0);
}

inline double roundFast(double value, int places) {
    if (places > 17 || places < 0 || beyondDecimalLimit(value)) return value;
    if (value == std::trunc(value)) return value;  // its decimal is whole
    if (const std::optional<std::uint64_t> units = roundedUnits(value, places)) {
        const double magnitude = double(*units) / kExactPow10[std::size_t(places)];
        return value < 0 ? -magnitude : magnitude;
    }
    const std::optional<Decimal15> d = decimal15(value);
    if (!d) return textual::GeoRound(value, places);
    if (d->whole()) return value;
    const std::optional<double> result = roundedTo(*d, places).toDouble();
    return result ? *result : textual::GeoRound(value, places);
}

// ---------------------------------------------------------------------------------------
// The projections' usual angles, 1 to 1000 degrees in magnitude, take a shorter way. The
// 15-digit decimal comes from one product, as in decimal15, or from the bits of the double.
// The quotient of GeoDmsToDegrees and the product of GeoDegreesToRadians are computed as
// 128-bit fixed-point numbers, within 2^-12 of a unit in the last place of the result, and
// a result is taken only where it lies more than 2^-12 of that unit from a midpoint between
// two doubles. The decimal steps round to 26..28 decimal places, which moves a value of
// these magnitudes by less than 2^-33 of that unit, so a result taken is the double of the
// decimal steps. The D.MMSS output of the inverse is rounded on the same digits in integers.
// Whatever is left goes the ways above.

constexpr double kTwo52 = 4503599627370496.0;

// The 15-digit decimal of a, 1 <= a < 1000, as coefficient / 10^scale with scale 12..14;
// nothing when it rounds up to 10^15 (one digit more).
[[gnu::always_inline]] inline bool decimal15Of(double a, std::uint64_t& coefficient, int& scale) {
    scale = 14 - int(a >= 10) - int(a >= 100);  // without a branch: longitudes go either way
    const SplitPow10& p = kSplitPow10[std::size_t(scale)];
    const double t = a * p.value;  // 10^14 .. 10^15, in steps of 1/64 .. 1/8
    // t + 2^52 lies in [2^52, 2^53), where the doubles are the integers: its rounding is the
    // nearest integer of t (ties to even), and its low bits hold that integer.
    const double shifted = t + kTwo52;
    const double n = shifted - kTwo52;
    coefficient = std::bit_cast<std::uint64_t>(shifted) - std::bit_cast<std::uint64_t>(kTwo52);
    if (std::abs(t - n) == 0.5) {  // the exact product settles the tie
        const double c = kSplitter * a;
        const double high = c - (c - a);
        const double low = a - high;
        const double e = ((high * p.high - t) + high * p.low + low * p.high) + low * p.low;
        if (t - n == 0.5 && e > 0) ++coefficient;
        if (t - n == -0.5 && e < 0) --coefficient;
    }
    return coefficient < kPow10[15];
}

// A positive double as mantissa 2^52 .. 2^53 (2^53 only as a carry out of a rounding)
// times 2^exponent.
struct Binary {
    std::uint64_t mantissa;
    int exponent;
};
inline double doubleOf(Binary b) {
    return std::bit_cast<double>((std::uint64_t(b.exponent + 1074) << 52) + b.mantissa);
}
inline Binary binaryOf(double v) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(v);
    return {(bits & ((std::uint64_t(1) << 52) - 1)) | (std::uint64_t(1) << 52), int(bits >> 52) - 1075};
}

// The double nearest to the 128-bit fixed-point value (high 2^64 + low) 2^(exponent - 64),
// high >= 2^52, when the value's error, below 2^47 units of low, leaves its rounding
// certain: nothing within 2^-12 of a unit in the last place from a midpoint.
inline std::optional<Binary> nearestOfFixed(std::uint64_t high, std::uint64_t low, int exponent) {
    const int extra = 11 - __builtin_clzll(high);  // bits of high below the 53 kept: 0 .. 11
    if (extra < 0) return std::nullopt;
    std::uint64_t mantissa = high >> extra;
    // The bits cut off, from the half of a unit down: high's low bits, then low's top ones.
    const std::uint64_t rest = (high << 1 << (63 - extra)) | (low >> extra);
    constexpr std::uint64_t kHalf = std::uint64_t(1) << 63, kMargin = std::uint64_t(1) << 51;
    if (rest - (kHalf - kMargin) <= 2 * kMargin) return std::nullopt;
    mantissa += rest >> 63;
    return Binary{mantissa, exponent + extra};
}

// The 15-digit decimal of b, 1 <= b < 1000 (10 and 100 given as comparisons), exactly:
// b 10^scale = m 5^scale 2^(e+scale), rounded half to even, with scale 12..14. Nothing when
// the decimal has 16 digits.
inline bool decimal15Of(Binary b, bool atLeast10, bool atLeast100, std::uint64_t& coefficient, int& scale) {
    scale = 14 - int(atLeast10) - int(atLeast100);
    if (b.mantissa >> 53) b = {b.mantissa >> 1, b.exponent + 1};
    const Uint128 product = Uint128(b.mantissa) * kPow5[std::size_t(scale)];
    const int shift = -(b.exponent + scale);  // 29 .. 40 for these magnitudes
    if (shift < 1 || shift > 63) return false;
    const std::uint64_t integer = std::uint64_t(product >> shift);
    const std::uint64_t rest = std::uint64_t(product) & ((std::uint64_t(1) << shift) - 1);
    const std::uint64_t half = std::uint64_t(1) << (shift - 1);
    coefficient = integer + ((rest > half || (rest == half && (integer & 1))) ? 1 : 0);
    return coefficient < kPow10[15];
}

// 2^116 / (3600 10^k), rounded up, for the seconds at k = 8..10 places.
constexpr std::array<Uint128, 3> kPerHourUnit = [] {
    std::array<Uint128, 3> r{};
    for (std::size_t i = 0; i < r.size(); ++i) {
        const Uint128 hour = 3600 * Uint128(kPow10[8 + i]);
        r[i] = ((Uint128(1) << 116) + hour - 1) / hour;
    }
    return r;
}();

// π/180 to 28 places divided by 10^12, 10^13 and 10^14, as 128-bit numbers 2^127 .. 2^128
// (rounded) times 2^-173, 2^-177 and 2^-180.
struct ScaledRadians {
    std::uint64_t high, low;
    int exponent;
};
constexpr std::array<ScaledRadians, 3> kScaledRadians = {{
    {0x9d348d7394aeb2b5, 0x2871260f5d6b06ad, -173},
    {0xfb8748b8ede45121, 0xda4ea34bc8ab3de2, -177},
    {0xc93906fa57e9da81, 0x7b721c3ca088fe4e, -180},
}};

// A D.MMSS angle a, 1 <= a < 1000, with minutes below 60 and not whole, as GeoDmsToDegrees
// reads it: whole degrees and n seconds of 10^-(scale-4) (seconds above 60 count as 60), on
// its 15-digit decimal at `scale` places.
struct DmsParts {
    std::uint64_t whole, n;
    int scale;  // 12 .. 14
};
inline bool dmsPartsOf(double a, DmsParts& parts) {
    std::uint64_t coefficient;
    int scale;
    if (!decimal15Of(a, coefficient, scale)) return false;
    const std::uint64_t unit = kPow10[std::size_t(scale)];
    const std::uint64_t whole = std::uint64_t(std::int64_t(a));
    const std::uint64_t fraction = coefficient - whole * unit;
    if (fraction == 0 || fraction >= unit) return false;  // whole; a carry into the degrees
    const std::uint64_t minutes = divPow10(fraction, scale - 2);
    if (minutes >= 60) return false;
    const std::uint64_t secondUnit = kPow10[std::size_t(scale - 4)];
    const std::uint64_t seconds =
        std::min(fraction - minutes * kPow10[std::size_t(scale - 2)], 60 * secondUnit);
    parts = {whole, minutes * 60 * secondUnit + seconds, scale};
    return true;
}

// GeoDmsToDegrees of the parts: whole + n / (3600 10^k) as a 128-bit fixed-point number with
// 116 places, too large by less than n < 2^46 of their units.
inline std::optional<Binary> degreesOf(const DmsParts& p) {
    const Uint128 fixed = (Uint128(p.whole) << 116) + p.n * kPerHourUnit[std::size_t(p.scale - 12)];
    return nearestOfFixed(std::uint64_t(fixed >> 64), std::uint64_t(fixed), 64 - 116);
}

// GeoDmsToDegrees of a, 1 <= a < 1000, where it has minutes or seconds below 60.
inline std::optional<Binary> dmsDegreesOf(double a) {
    DmsParts parts;
    if (!dmsPartsOf(a, parts)) return std::nullopt;
    return degreesOf(parts);
}

// coefficient / 10^scale times π/180 to 28 places, rounded to a double, for a coefficient
// of 15 digits and scale 12..14; nothing where the rounding is not certain.
inline std::optional<double> radiansOfDecimal(std::uint64_t coefficient, int scale) {
    const ScaledRadians& k = kScaledRadians[std::size_t(scale - 12)];
    // Coefficient times k (2^173 .. 2^178) without its 50 lowest bits, short by less than
    // two units.
    const Uint128 top = ((Uint128(coefficient) * k.high) << 14) + ((Uint128(coefficient) * k.low) >> 50);
    const std::optional<Binary> r = nearestOfFixed(std::uint64_t(top >> 64), std::uint64_t(top), k.exponent + 50 + 64);
    if (!r) return std::nullopt;
    return doubleOf(*r);
}

// GeoDegreesToRadians of degrees, 1 <= degrees < 1000: the 15-digit decimal times π/180.
inline std::optional<double> radiansOf(Binary degrees) {
    const double value = doubleOf(degrees);
    std::uint64_t coefficient;
    int scale;
    if (!decimal15Of(degrees, value >= 10, value >= 100, coefficient, scale)) return std::nullopt;
    return radiansOfDecimal(coefficient, scale);
}

// GeoDmsToRadians of the parts without the double of the degrees between. The degrees
// V = whole + n / (3600 10^(scale-4)) have V 10^scale = whole 10^scale + 25 n / 9, so the
// 15-digit decimal of V is that rounded, never a tie: its fraction r / 9 (r = 25 n mod 9)
// lies at least 1/18 from a half. The degrees' double D lies within half a unit of its last
// place of V (and 2^-33 of a unit more, for the decimal steps), so D has the same 15-digit
// decimal when that half unit, in units of 10^-scale, is below 1/18: D below 8 (scale 14),
// 64 (scale 13) or 512 (scale 12), which whole below 7, 63 or 511 makes sure of. For r of 4
// or 5 (1/18 from the half) with larger degrees, and where the decimal reaches 16 digits
// (V rounds up to 10, 100 or 1000), nothing.
inline std::optional<double> radiansOf(const DmsParts& p) {
    constexpr std::array<std::uint64_t, 3> kCloseToHalfFrom = {511, 63, 7};  // scale 12, 13, 14
    const std::uint64_t t = 25 * p.n;  // n <= 3600 10^10
    const std::uint64_t q = t / 9, r = t - 9 * q;
    if ((r - 4 <= 1) & (p.whole >= kCloseToHalfFrom[std::size_t(p.scale - 12)])) return std::nullopt;
    const std::uint64_t coefficient = p.whole * kPow10[std::size_t(p.scale)] + q + (r >= 5 ? 1 : 0);
    if (coefficient >= kPow10[15]) return std::nullopt;
    return radiansOfDecimal(coefficient, p.scale);
}

// dmsOutputFast for 1 <= degrees < 1000 where its 8 places need no carry of 60 and are not
// whole degrees. For the decimal's fraction f at s places, GeoDegreesToDms gives minutes
// m = floor(60 f / 10^s) and the value whole + (4 10^s m + 360 f) / 10^(s+3), and its double
// D; the 15-digit decimal of D lies within 6 10^-13 of that value, so away from a half of
// the 8th place (by 10^-11 here) both round the same way: to 4 10^5 m plus 360 f / 10^(s-5)
// rounded, in units of the 8th place.
[[gnu::always_inline]] inline std::optional<double> dmsOutputOf(double degrees, bool prefixed, bool negative) {
    if (!(degrees >= 1 && degrees < 1000)) return std::nullopt;
    std::uint64_t digits;
    int scale;
    if (!decimal15Of(degrees, digits, scale)) return std::nullopt;
    const std::uint64_t whole = std::uint64_t(std::int64_t(degrees));
    const std::uint64_t fraction = digits - whole * kPow10[std::size_t(scale)];
    if (fraction == 0 || fraction >= kPow10[std::size_t(scale)]) return std::nullopt;
    const std::uint64_t minutes = divPow10(60 * fraction, scale);  // 60 f < 2^57
    const int cut = scale - 5;
    const std::uint64_t kept = divPow10(360 * fraction, cut);  // 360 f < 2^57
    const std::uint64_t dropped = 360 * fraction - kept * kPow10[std::size_t(cut)];
    const std::uint64_t half = 5 * kPow10[std::size_t(cut - 1)];
    const std::uint64_t margin = kPow10[std::size_t(cut - 3)];
    if (dropped - (half - margin) <= 2 * margin) return std::nullopt;  // one comparison, no branch on the data
    // The seconds in units of the 8th place, rounded: below 600000 but for a carry of 60.
    const std::uint64_t seconds = kept + (dropped > half ? 1 : 0) - 600000 * minutes;
    if (seconds == 600000 || (minutes == 0 && seconds == 0)) return std::nullopt;
    const double magnitude = double(std::int64_t(whole * kPow10[8] + 1000000 * minutes + seconds)) / kExactPow10[8];
    return prefixed && negative ? -magnitude : magnitude;
}

// dmsOutputOf with the scale of the decimal picked beforehand, from an estimate of the degrees
// that comes well before them, so that the digits need not wait for the comparisons that
// pick it; and with no branch on the digits but for the rare cases left to dmsOutputFast.
struct DmsOutputScale {
    double power;                    // 10^scale
    std::uint64_t unit;              // 10^scale
    std::uint64_t minuteMultiplier;  // floor(n / 10^scale) is the high half of n times this,
    int minuteShift;                 // shifted right by this
    std::uint64_t cutMultiplier;     // floor(n / 10^(scale-5)), the same way
    int cutShift;
    std::uint64_t cutUnit, half, margin;  // 10^(scale-5), its half, 10^(scale-8)
};
constexpr std::array<DmsOutputScale, 3> kDmsOutputScales = [] {
    std::array<DmsOutputScale, 3> r{};
    for (std::size_t i = 0; i < r.size(); ++i) {
        const std::size_t scale = 14 - i;  // 1 <= degrees < 10, then below 100, below 1000
        const Pow10Reciprocal& minute = kPow10Reciprocals[scale];
        const Pow10Reciprocal& cut = kPow10Reciprocals[scale - 5];
        r[i] = {kExactPow10[scale], kPow10[scale],  minute.multiplier,     minute.shift - 64,
                cut.multiplier,     cut.shift - 64, kPow10[scale - 5],     5 * kPow10[scale - 6],
                kPow10[scale - 8]};
    }
    return r;
}();
static_assert(kDmsOutputScales[2].minuteShift >= 0 && kDmsOutputScales[2].cutShift >= 0);
// The row for degrees of about `estimate` (1 to 1000).
inline const DmsOutputScale& dmsOutputScaleFor(double estimate) {
    return kDmsOutputScales[std::size_t(int(estimate >= 10) + int(estimate >= 100))];
}
inline std::uint64_t highHalf(std::uint64_t a, std::uint64_t b) { return std::uint64_t((Uint128(a) * b) >> 64); }
// The integer part of v, |v| < 1000, taken before v is known to lie there: 0 for any other v
// (NaN too), whose conversion would not be defined.
inline std::uint64_t wholeBelow1000(double v) { return std::uint64_t(std::int64_t(std::abs(v) < 1000 ? v : 0.0)); }

// dmsOutputOf(degrees, prefixed, negative) into `result`, with negativeResult for prefixed &&
// negative, where degrees has k's scale (10^scale degrees lies in [10^14, 10^15)); false
// where it has not, for the cases dmsOutputOf leaves to the general way, and a few more.
// The digits are those of t, degrees 10^scale rounded, to the nearest integer (ties to even),
// without the exact product that decides a tie of t the other way: they may be one unit of
// the 15th digit, 3.6 10^-5 of a unit of the 8th place of the result or less, above or below
// the decimal's. That changes neither the seconds rounded more than 10^-3 of that unit away
// from a half (which the margin leaves aside), nor the minutes, but where the seconds come to
// 0 or 60 (60 f / 10^scale within one step of a whole number): such values are left aside
// too. The seconds are rounded as floor((360 f + half) / 10^cut), kept + (dropped > half) of
// dmsOutputOf away from the half.
[[gnu::always_inline]] inline bool dmsOutputAt(double degrees, const DmsOutputScale& k, bool negativeResult,
                                               double& result) {
    const double t = degrees * k.power;
    const double shifted = t + kTwo52;
    const std::uint64_t whole = wholeBelow1000(degrees);
    const std::uint64_t digits = std::bit_cast<std::uint64_t>(shifted) - std::bit_cast<std::uint64_t>(kTwo52);
    const std::uint64_t fraction = digits - whole * k.unit;
    const std::uint64_t minutes = highHalf(60 * fraction, k.minuteMultiplier) >> k.minuteShift;
    const std::uint64_t halfUp = 360 * fraction + k.half;  // below 2^57, as the multipliers want
    const std::uint64_t rounded = highHalf(halfUp, k.cutMultiplier) >> k.cutShift;
    const std::uint64_t rest = halfUp - rounded * k.cutUnit;  // dropped - half, modulo 10^cut
    const std::uint64_t seconds = rounded - 600000 * minutes;
    if (!(t >= 1e14 && t < 1e15) || digits >= kPow10[15] || fraction == 0 || fraction >= k.unit ||
        rest <= k.margin || rest >= k.cutUnit - k.margin || seconds == 0 || seconds == 600000)
        return false;
    const double magnitude = double(std::int64_t(whole * kPow10[8] + 400000 * minutes + rounded)) / kExactPow10[8];
    result = negativeResult ? -magnitude : magnitude;
    return true;
}

inline double dmsToDegreesFast(double angle) {
    const double a = std::abs(angle);
    if (a >= 1 && a < 1000) {
        if (const std::optional<Binary> degrees = dmsDegreesOf(a)) {
            const double d = doubleOf(*degrees);
            return angle < 0 ? -d : d;
        }
    }
    if (beyondDecimalLimit(angle)) return angle;
    const std::optional<Decimal15> d = decimal15(angle);
    if (!d || d->scale > 19) return textual::GeoDmsToDegrees(angle);
    const auto [whole, integerRest] = splitDecimal(*d, angle);
    std::uint64_t fraction = integerRest;
    if (fraction == 0) return angle;  // whole degrees
    int scale = d->scale;
    if (scale < 4) {  // ".5" reads as ".5000": 50 minutes
        fraction *= kPow10[std::size_t(4 - scale)];
        scale = 4;
    }
    const std::uint64_t minutes = divPow10(fraction, scale - 2);
    const std::uint64_t secondUnit = kPow10[std::size_t(scale - 4)];
    const std::uint64_t seconds = std::min(fraction - minutes * kPow10[std::size_t(scale - 2)],
                                           60 * secondUnit);  // at most 60
    double magnitude;
    if (minutes >= 60) {  // minutes and seconds at most 60 minutes
        magnitude = double(whole + 1);
    } else {
        // whole + (60 minutes + seconds) / 3600, counted in seconds of secondUnit.
        const std::uint64_t numerator = minutes * 60 * secondUnit + seconds;
        const long double estimate =
            longOf(whole) + longOf(numerator) * kLongPerScaledHour[std::size_t(scale - 4)];
        const std::optional<double> nearest =
            whole == 0 && numerator < secondUnit ? std::nullopt : nearestDouble(estimate, 3);
        magnitude = nearest ? *nearest : dmsDegreesExact(whole, minutes, seconds, scale - 4);
    }
    return d->negative ? -magnitude : magnitude;
}

inline double degreesToRadiansByDigits(double degrees);

// Central meridians are multiples of 1.5 degrees: the radians of every half degree from -360
// to 360 are a table, made once (on first use, by any thread) and constant afterwards.
inline double degreesToRadiansFast(double degrees) {
    constexpr int kHalves = 720;  // -360 .. 360 degrees in steps of 0.5
    static const std::array<double, 2 * kHalves + 1> known = [] {
        std::array<double, 2 * kHalves + 1> k{};
        for (int i = -kHalves; i <= kHalves; ++i) k[std::size_t(i + kHalves)] = degreesToRadiansByDigits(i / 2.0);
        return k;
    }();
    const double halves = degrees * 2;
    if (halves == std::trunc(halves) && std::abs(halves) <= kHalves) return known[std::size_t(int(halves) + kHalves)];
    const double a = std::abs(degrees);
    if (a >= 1 && a < 1000) {
        if (const std::optional<double> radians = radiansOf(binaryOf(a))) return degrees < 0 ? -*radians : *radians;
    }
    return degreesToRadiansByDigits(degrees);
}

inline double degreesToRadiansByDigits(double degrees) {
    if (beyondDecimalLimit(degrees)) return 0;
    const std::optional<Decimal15> d = degrees == std::trunc(degrees) && degrees != 0
                                           ? Decimal15{std::uint64_t(std::abs(degrees)), 0, degrees < 0}
                                           : decimal15(degrees);
    if (!d || d->coefficient == 0 || std::abs(degrees) < 1e-4)
        return textual::GeoDegreesToRadians(degrees);
    const long double estimate =
        longOf(d->coefficient) * kLongRadiansPerScaledDegree[std::size_t(d->scale)];
    const std::optional<double> nearest = nearestDouble(estimate, 4);
    const double magnitude = nearest ? *nearest : radiansExact(d->coefficient, d->scale);
    return d->negative ? -magnitude : magnitude;
}

// The usual D.MMSS angles through fewer steps one after another than dmsPartsOf and
// radiansOf(parts) take. For the fraction's digits f at `scale` places and a seconds field of
// 60 or less, the count of seconds is n = f - 40 10^(scale-4) minutes, and the degrees'
// decimal whole 10^scale + round(25 n / 9) is whole 10^scale + floor((25 f + 4 -
// 10^(scale-1) minutes) / 9); 25 n / 9 lies 1/18 from a half where (25 f + 4 - ...) mod 9 is
// 0 or 8. The rows hold the constants of each scale, so that a row known at compile time
// leaves no loads or variable shifts.
struct DmsInputScale {
    double power;                                  // 10^scale
    std::uint64_t unit, minuteUnit, tenthUnit;     // 10^scale, 10^(scale-2), 10^(scale-1)
    std::uint64_t secondsLimit, fortySecondUnits;  // 60 and 40 times 10^(scale-4)
    std::uint64_t minuteMultiplier;                // floor(n / 10^(scale-2)) is the high half
    int minuteShift;                               // of n times this, shifted right by this
    std::uint64_t closeToHalfFrom;                 // as in radiansOf(parts)
    int scale;
};
constexpr std::array<DmsInputScale, 3> kDmsInputScales = [] {
    std::array<DmsInputScale, 3> r{};
    for (std::size_t i = 0; i < r.size(); ++i) {
        const std::size_t scale = 14 - i;  // 1 <= a < 10, then below 100, below 1000
        const Pow10Reciprocal& minute = kPow10Reciprocals[scale - 2];
        r[i] = {kExactPow10[scale],     kPow10[scale],          kPow10[scale - 2], kPow10[scale - 1],
                60 * kPow10[scale - 4], 40 * kPow10[scale - 4], minute.multiplier, minute.shift - 64,
                i == 0 ? 7u : i == 1 ? 63u : 511u, int(scale)};
    }
    return r;
}();
static_assert(kDmsInputScales[2].minuteShift >= 0);

// The digits of a D.MMSS angle a, 1 <= a < 1000, at k's scale: the parts dmsPartsOf gives and
// the decimal of the degrees radiansOf(parts) takes. False where k's scale is not a's, where
// dmsPartsOf or radiansOf(parts) give nothing (closeToHalf: where radiansOf(parts) leaves the
// radians to the degrees' double), for a tie of the rounded product, which a D.MMSS number of
// up to 15 digits does not make, and for a seconds field above 60.
struct DmsDigits {
    DmsParts parts;
    std::uint64_t decimal;
    bool closeToHalf;
};
[[gnu::always_inline]] inline bool dmsDigitsAt(double a, const DmsInputScale& k, DmsDigits& digits) {
    const double t = a * k.power;
    const double shifted = t + kTwo52;
    const std::uint64_t coefficient = std::bit_cast<std::uint64_t>(shifted) - std::bit_cast<std::uint64_t>(kTwo52);
    const std::uint64_t whole = wholeBelow1000(a);
    const std::uint64_t fraction = coefficient - whole * k.unit;
    const std::uint64_t minutes = highHalf(fraction, k.minuteMultiplier) >> k.minuteShift;
    const std::uint64_t numerator = 25 * fraction + 4 - k.tenthUnit * minutes;  // 25 n + 4
    const std::uint64_t quotient = numerator / 9;
    const std::uint64_t remainder = numerator - 9 * quotient;
    digits = {{whole, fraction - k.fortySecondUnits * minutes, k.scale},
              whole * k.unit + quotient,
              (remainder == 0 || remainder == 8) && whole >= k.closeToHalfFrom};
    return t >= 1e14 && t < 1e15 && std::abs(t - (shifted - kTwo52)) != 0.5 && coefficient < kPow10[15] &&
           fraction != 0 && fraction < k.unit && minutes < 60 &&
           fraction - minutes * k.minuteUnit <= k.secondsLimit && digits.decimal < kPow10[15];
}

// GeoDmsToRadians(a) for 1 <= a < 1000 from the digits, on a branch by the magnitude, which
// the latitudes of a run of points keep to one way; false where radiansOf(parts) would leave
// the radians to the degrees' double.
[[gnu::always_inline]] inline bool dmsRadiansUsual(double a, double& radians) {
    DmsDigits digits;
    const bool usual = a >= 100  ? dmsDigitsAt(a, kDmsInputScales[2], digits)
                       : a >= 10 ? dmsDigitsAt(a, kDmsInputScales[1], digits)
                                 : dmsDigitsAt(a, kDmsInputScales[0], digits);
    if (!usual || digits.closeToHalf) return false;
    const std::optional<double> r = radiansOfDecimal(digits.decimal, digits.parts.scale);
    if (!r) return false;
    radians = *r;
    return true;
}

// GeoDmsToRadians(a) and GeoDmsToDegrees(a) for 1 <= a < 1000 from the digits, the scale
// picked without a branch: the degrees' double from the count of seconds, and the radians
// from the decimal or, close to a half, from that double.
[[gnu::always_inline]] inline bool dmsRadiansAndDegrees(double a, double& radians, double& degrees) {
    DmsDigits digits;
    if (!dmsDigitsAt(a, kDmsInputScales[std::size_t(int(a >= 10) + int(a >= 100))], digits)) return false;
    const std::optional<Binary> d = degreesOf(digits.parts);
    if (!d) return false;
    const std::optional<double> r =
        digits.closeToHalf ? radiansOf(*d) : radiansOfDecimal(digits.decimal, digits.parts.scale);
    if (!r) return false;
    degrees = doubleOf(*d);
    radians = *r;
    return true;
}

// GeoDmsToRadians(angle), and GeoDmsToDegrees(angle) into `degrees`. The usual angles go
// from their digits to the radians directly; the degrees' double is made beside them.
inline double dmsToRadiansFast(double angle, double& degrees) {
    const double a = std::abs(angle);
    double radians;
    if (dmsRadiansAndDegrees(a, radians, degrees)) {
        if (angle < 0) degrees = -degrees;
        return angle < 0 ? -radians : radians;
    }
    DmsParts parts;
    if (a >= 1 && a < 1000 && dmsPartsOf(a, parts)) {
        if (const std::optional<Binary> d = degreesOf(parts)) {
            const double magnitude = doubleOf(*d);
            degrees = angle < 0 ? -magnitude : magnitude;
            std::optional<double> r = radiansOf(parts);
            if (!r) r = radiansOf(*d);
            if (r) return angle < 0 ? -*r : *r;
            return degreesToRadiansFast(degrees);
        }
    }
    degrees = dmsToDegreesFast(angle);
    return degreesToRadiansFast(degrees);
}
// GeoDmsToRadians(angle), where the degrees are not wanted.
inline double dmsToRadiansFast(double angle) {
    const double a = std::abs(angle);
    double radians;
    if (dmsRadiansUsual(a, radians)) return angle < 0 ? -radians : radians;
    double degrees;
    return dmsToRadiansFast(angle, degrees);
}

inline double degreesToDmsFast(double degrees) {
    if (beyondDecimalLimit(degrees)) return degrees;
    const std::optional<Decimal15> d = decimal15(degrees);
    if (!d || d->scale > 15) return textual::GeoDegreesToDms(degrees);
    const std::uint64_t unit = kPow10[std::size_t(d->scale)];
    const auto [whole, fraction] = splitDecimal(*d, degrees);
    if (fraction == 0) return degrees;  // whole degrees
    const std::uint64_t minutes = divPow10(fraction * 60, d->scale);
    const std::uint64_t restSixtieths = fraction * 60 - minutes * unit;  // of a minute, in 1/unit
    // The rest in seconds: 60 rest / unit = 6 rest / 10^(scale-1), and 6 rest < 6 10^scale.
    Decimal15 seconds{6 * restSixtieths, d->scale - 1, false};
    if (d->scale == 15) {
        // 16 digits: the seconds are the 15-digit decimal of their double (exact: 6 rest is
        // below 2^53), rounded by GeoRound to 15 places; that decimal is the one the double
        // of the result shows again.
        const double restSeconds = double(seconds.coefficient) / kExactPow10[14];
        const std::optional<Decimal15> s = decimal15(restSeconds);
        if (!s) return textual::GeoDegreesToDms(degrees);
        seconds = roundedTo(*s, 15);
    }
    // With at most 15 digits the seconds' double shows the same decimal again, which
    // GeoRound(…, 15) keeps.
    if (seconds.scale > 15 || seconds.coefficient >= 60 * kPow10[std::size_t(seconds.scale)])
        return textual::GeoDegreesToDms(degrees);  // a carry of 60 seconds
    // degrees.MM SS sss: whole + (minutes 10^(2+k) + seconds coefficient) / 10^(4+k).
    const int k = seconds.scale;
    const std::uint64_t numerator = minutes * kPow10[std::size_t(2 + k)] + seconds.coefficient;
    double magnitude = double(whole);
    if (numerator != 0) {
        const long double estimate =
            longOf(whole) + longOf(numerator) * kLongPerScaledUnit[std::size_t(4 + k)];
        const std::optional<double> nearest = nearestDouble(estimate, 3);
        if (nearest) {
            magnitude = *nearest;
        } else {
            const Uint128 digits = Uint128(whole) * kPow10[std::size_t(4 + k)] + numerator;
            if (digits > Decimal96::kMaxCoefficient) return textual::GeoDegreesToDms(degrees);
            magnitude = Decimal96::fromParts(digits, 4 + k, false).toDouble();
        }
    }
    return d->negative ? -magnitude : magnitude;
}

inline double normaliseDmsFast(double angle) {
    if (beyondDecimalLimit(angle)) return angle;
    const std::optional<Decimal15> d = decimal15(angle);
    if (!d || d->scale > 19) return textual::GeoNormaliseDms(angle);
    const std::uint64_t whole = d->integerPart();
    std::uint64_t fraction = d->coefficient - whole * kPow10[std::size_t(d->scale)];
    if (fraction == 0) return angle;
    // The digits past the 16th of the trimmed fraction would be cut: leave those to the text.
    int scale = d->scale;
    if (scale > 16 && fraction % kPow10[std::size_t(scale - 16)] != 0) return textual::GeoNormaliseDms(angle);
    if (scale < 4) {
        fraction *= kPow10[std::size_t(4 - scale)];
        scale = 4;
    }
    const std::uint64_t minutesAndSeconds = divPow10(fraction, scale - 4);
    if (minutesAndSeconds >= 6000 || minutesAndSeconds % 100 >= 60)
        return textual::GeoNormaliseDms(angle);  // a carry
    // Nothing to carry: the number of the same digits.
    const std::optional<double> same = d->toDouble();
    return same ? *same : textual::GeoNormaliseDms(angle);
}

// The inverse projection's D.MMSS output: GeoNormaliseDms of GeoRound(GeoDegreesToDms(
// degrees), 8), read back through its text with "-" before it when `prefixed` and
// `negative`. When GeoRound's double path settles the rounding, the rounded value has at
// most 15 digits, so its text gives it back, and only a carry in its minutes or seconds
// needs GeoNormaliseDms.
inline double dmsOutputFast(double degrees, bool prefixed, bool negative);

// The value of the text "-" (when negative) followed by the text of v.
inline double signedValueText(bool negative, double v) {
    const QString text = FormatDouble(v);
    return valueOfText(negative ? QStringLiteral("-") + text : text);
}
inline double signedValueFast(bool negative, double v) {
    const std::optional<Decimal15> d = decimal15(v);
    if (!d || (negative && d->negative && d->coefficient != 0)) return signedValueText(negative, v);
    const std::optional<double> value = d->toDouble();
    if (!value) return signedValueText(negative, v);
    return negative ? -*value : *value;
}

inline double dmsOutputFast(double degrees, bool prefixed, bool negative) {
    if (const std::optional<double> usual = dmsOutputOf(degrees, prefixed, negative)) return *usual;
    const double dms = degreesToDmsFast(degrees);
    if (!beyondDecimalLimit(dms) && dms != std::trunc(dms)) {
        const std::optional<std::uint64_t> units = roundedUnits(dms, 8);
        if (units && *units < kPow10[15] && !(prefixed && negative && dms < 0)) {
            const double magnitude = double(*units) / kExactPow10[8];
            const bool below = prefixed && negative ? true : dms < 0;
            const std::uint64_t minutesAndSeconds = *units / 10000 % 10000;
            if (*units % kPow10[8] == 0 || (minutesAndSeconds < 6000 && minutesAndSeconds % 100 < 60))
                return below ? -magnitude : magnitude;
        }
    }
    const double rounded = roundFast(dms, 8);
    return normaliseDmsFast(prefixed ? signedValueFast(negative, rounded) : rounded);
}

}  // namespace cesuan::dms_digits
