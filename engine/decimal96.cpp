#include "engine/decimal96.h"

#include "engine/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace cesuan {
namespace {

// An unsigned integer of up to 384 bits in 64-bit limbs, little end first: room for a
// 96-bit coefficient times 10^56, the widest intermediate (a quotient's numerator).
struct Wide {
    static constexpr int kLimbs = 6;
    std::array<std::uint64_t, kLimbs> limb{};
    int used = 0;  // limbs in use; the top one is not zero

    static Wide of(uint128 v) {
        Wide w;
        w.limb[0] = std::uint64_t(v);
        w.limb[1] = std::uint64_t(v >> 64);
        w.used = w.limb[1] ? 2 : (w.limb[0] ? 1 : 0);
        return w;
    }
    bool isZero() const { return used == 0; }
    bool fits96() const { return used <= 1 || (used == 2 && limb[1] < (std::uint64_t(1) << 32)); }
    uint128 low128() const { return uint128(limb[0]) | (uint128(limb[1]) << 64); }
    int bitLength() const {
        return used == 0 ? 0 : 64 * (used - 1) + (64 - __builtin_clzll(limb[used - 1]));
    }
    void trim() {
        while (used > 0 && limb[used - 1] == 0) --used;
    }
};

constexpr std::uint64_t kPow10[20] = {1ULL,
                                      10ULL,
                                      100ULL,
                                      1000ULL,
                                      10000ULL,
                                      100000ULL,
                                      1000000ULL,
                                      10000000ULL,
                                      100000000ULL,
                                      1000000000ULL,
                                      10000000000ULL,
                                      100000000000ULL,
                                      1000000000000ULL,
                                      10000000000000ULL,
                                      100000000000000ULL,
                                      1000000000000000ULL,
                                      10000000000000000ULL,
                                      100000000000000000ULL,
                                      1000000000000000000ULL,
                                      10000000000000000000ULL};

constexpr auto kPow10Wide = [] {
    std::array<uint128, 39> powers{};
    powers[0] = 1;
    for (int i = 1; i < 39; ++i) powers[i] = powers[i - 1] * 10;
    return powers;
}();

// kAlignLimits[d]: the largest coefficient that times 10^d stays below 2^127.
constexpr auto kAlignLimits = [] {
    std::array<uint128, 39> limits{};
    for (int i = 0; i < 39; ++i) limits[i] = ((uint128(1) << 127) - 1) / kPow10Wide[i];
    return limits;
}();

// (high:low) / divisor with high < divisor: one hardware division where there is one.
inline std::uint64_t divide128(std::uint64_t high, std::uint64_t low, std::uint64_t divisor,
                               std::uint64_t& remainder) {
#if defined(__x86_64__)
    std::uint64_t quotient;
    __asm__("divq %[d]" : "=a"(quotient), "=d"(remainder) : [d] "r"(divisor), "a"(low), "d"(high));
    return quotient;
#else
    const uint128 n = (uint128(high) << 64) | low;
    remainder = std::uint64_t(n % divisor);
    return std::uint64_t(n / divisor);
#endif
}

void multiplySmall(Wide& w, std::uint64_t factor) {
    std::uint64_t carry = 0;
    for (int i = 0; i < w.used; ++i) {
        const uint128 p = uint128(w.limb[i]) * factor + carry;
        w.limb[i] = std::uint64_t(p);
        carry = std::uint64_t(p >> 64);
    }
    if (carry) w.limb[w.used++] = carry;
}

void multiplyPow10(Wide& w, int exponent) {
    if (w.isZero()) return;
    for (; exponent >= 19; exponent -= 19) multiplySmall(w, kPow10[19]);
    if (exponent > 0) multiplySmall(w, kPow10[exponent]);
}

std::uint64_t divideSmall(Wide& w, std::uint64_t divisor) {
    std::uint64_t remainder = 0;
    for (int i = w.used - 1; i >= 0; --i) w.limb[i] = divide128(remainder, w.limb[i], divisor, remainder);
    w.trim();
    return remainder;
}

int compare(const Wide& a, const Wide& b) {
    if (a.used != b.used) return a.used < b.used ? -1 : 1;
    for (int i = a.used - 1; i >= 0; --i)
        if (a.limb[i] != b.limb[i]) return a.limb[i] < b.limb[i] ? -1 : 1;
    return 0;
}

void addInPlace(Wide& a, const Wide& b) {
    const int n = std::max(a.used, b.used);
    std::uint64_t carry = 0;
    for (int i = 0; i < n; ++i) {
        const uint128 s = uint128(i < a.used ? a.limb[i] : 0) + (i < b.used ? b.limb[i] : 0) + carry;
        a.limb[i] = std::uint64_t(s);
        carry = std::uint64_t(s >> 64);
    }
    a.used = n;
    if (carry) a.limb[a.used++] = carry;
}

void subtractInPlace(Wide& a, const Wide& b) {  // requires a >= b
    std::uint64_t borrow = 0;
    for (int i = 0; i < a.used; ++i) {
        const std::uint64_t bi = i < b.used ? b.limb[i] : 0;
        const uint128 d = uint128(a.limb[i]) - bi - borrow;
        a.limb[i] = std::uint64_t(d);
        borrow = std::uint64_t(d >> 64) ? 1 : 0;
    }
    a.trim();
}

// What was cut off below the last kept unit, relative to half a unit.
enum class Tail { Exact, BelowHalf, Half, AboveHalf };

// Division by 10^k (k <= 19) through a precomputed reciprocal of the normalised divisor:
// two-by-one division by an invariant integer (Granlund and Moeller, "Improved division by
// invariant integers", 2011, algorithm 4), a few multiplications per limb instead of a
// hardware division.
struct Pow10Divisor {
    std::uint64_t normalised;  // 10^k << shift, top bit set
    std::uint64_t reciprocal;  // floor((2^128 - 1) / normalised) - 2^64
    int shift;
};

const std::array<Pow10Divisor, 20> kPow10Divisors = [] {
    std::array<Pow10Divisor, 20> table{};
    for (int k = 1; k < 20; ++k) {
        const int shift = __builtin_clzll(kPow10[k]);
        const std::uint64_t d = kPow10[k] << shift;
        const uint128 all = ~uint128(0);
        table[k] = {d, std::uint64_t(all / d - (uint128(1) << 64)), shift};
    }
    return table;
}();

// (u1:u0) / d for u1 < d: the quotient, and the remainder in r.
inline std::uint64_t divideTwoByOne(std::uint64_t u1, std::uint64_t u0, const Pow10Divisor& d,
                                    std::uint64_t& r) {
    uint128 q = uint128(d.reciprocal) * u1;
    q += (uint128(u1 + 1) << 64) | u0;
    std::uint64_t q1 = std::uint64_t(q >> 64);
    const std::uint64_t q0 = std::uint64_t(q);
    std::uint64_t rem = u0 - q1 * d.normalised;
    if (rem > q0) {
        --q1;
        rem += d.normalised;
    }
    if (rem >= d.normalised) {
        ++q1;
        rem -= d.normalised;
    }
    r = rem;
    return q1;
}

// w /= 10^k for 1 <= k <= 19; returns the remainder.
std::uint64_t dividePow10(Wide& w, int k) {
    const Pow10Divisor& d = kPow10Divisors[std::size_t(k)];
    const int shift = d.shift;
    std::uint64_t r = 0;
    if (w.used > 0 && shift) r = w.limb[w.used - 1] >> (64 - shift);
    for (int i = w.used - 1; i >= 0; --i) {
        std::uint64_t u0 = w.limb[i] << shift;
        if (shift && i > 0) u0 |= w.limb[i - 1] >> (64 - shift);
        w.limb[i] = divideTwoByOne(r, u0, d, r);
    }
    w.trim();
    return r >> shift;
}

// Folds a remainder r of a division by 10^k (half = 10^k / 2) into the tail below it.
inline void foldTail(std::uint64_t r, std::uint64_t half, Tail& tail) {
    if (r > half) {
        tail = Tail::AboveHalf;
    } else if (r < half) {
        if (r != 0 || tail != Tail::Exact) tail = Tail::BelowHalf;
    } else {
        tail = tail == Tail::Exact ? Tail::Half : Tail::AboveHalf;
    }
}

// Cuts `digits` decimal digits off w, folding what is cut into tail.
void dropDigits(Wide& w, int digits, Tail& tail) {
    while (digits > 0) {
        const int step = std::min(digits, 19);
        digits -= step;
        foldTail(dividePow10(w, step), kPow10[step] / 2, tail);
    }
}

// v / 10^digits for a 128-bit v, folding what is cut into tail.
uint128 dropDigits128(uint128 v, int digits, Tail& tail) {
    while (digits > 0) {
        const int step = std::min(digits, 19);
        digits -= step;
        const Pow10Divisor& d = kPow10Divisors[std::size_t(step)];
        const int shift = d.shift;
        const std::uint64_t hi = std::uint64_t(v >> 64), lo = std::uint64_t(v);
        const std::uint64_t u2 = shift ? hi >> (64 - shift) : 0;
        const std::uint64_t u1 = (hi << shift) | (shift ? lo >> (64 - shift) : 0);
        std::uint64_t r;
        const std::uint64_t q1 = divideTwoByOne(u2, u1, d, r);
        const std::uint64_t q0 = divideTwoByOne(r, lo << shift, d, r);
        v = (uint128(q1) << 64) | q0;
        foldTail(r >> shift, kPow10[step] / 2, tail);
    }
    return v;
}

// kFitLimits128[k] = 2^96 * 10^k for the k where it stays below 2^128.
constexpr auto kFitLimits128 = [] {
    std::array<uint128, 10> limits{};
    for (int k = 0; k < 10; ++k) limits[k] = (uint128(1) << 96) * kPow10Wide[k];
    return limits;
}();

// The rounding of finish() below for a value that fits 128 bits.
std::optional<Decimal96> finish128(uint128 v, int scale, Tail tail, bool negative) {
    int drop = std::max(0, scale - Decimal96::kMaxScale);
    while (drop < 10 && v >= kFitLimits128[std::size_t(drop)]) ++drop;
    if (drop > 0) {
        if (drop > 40) {
            v = 0;
            tail = Tail::BelowHalf;
        } else {
            v = dropDigits128(v, drop, tail);
        }
        scale -= drop;
    }
    if (scale < 0) return std::nullopt;
    const bool up = tail == Tail::AboveHalf || (tail == Tail::Half && (v & 1));
    if (!up) return Decimal96::fromParts(v, scale, negative);
    if (v < Decimal96::kMaxCoefficient) return Decimal96::fromParts(v + 1, scale, negative);
    if (scale == 0) return std::nullopt;
    return Decimal96::fromParts(Decimal96::kMaxCoefficient / 10 + 1, scale - 1, negative);
}

// kFitLimits[k] = 2^96 * 10^k: w / 10^k fits 96 bits exactly when w < kFitLimits[k].
const std::array<Wide, 64> kFitLimits = [] {
    std::array<Wide, 64> table{};
    Wide w = Wide::of(uint128(1) << 96);
    for (std::size_t k = 0; k < table.size(); ++k) {
        table[k] = w;
        if (w.used < Wide::kLimbs - 1) multiplySmall(w, 10);
    }
    return table;
}();

// The exact value w / 10^scale (plus tail) rounded into a decimal: the largest scale of at
// most 28 at which the coefficient fits 96 bits, halves to even.
std::optional<Decimal96> finish(Wide w, int scale, Tail tail, bool negative) {
    if (!w.fits96() || scale > Decimal96::kMaxScale) {
        // The fewest places that bring the coefficient below 2^96: w < 2^96 * 10^k.
        int drop = 0;
        if (!w.fits96()) {
            drop = std::max(1, (w.bitLength() - 96) * 30103 / 100000);  // a lower bound
            while (drop < int(kFitLimits.size()) && compare(w, kFitLimits[std::size_t(drop)]) >= 0) ++drop;
        }
        drop = std::max(drop, scale - Decimal96::kMaxScale);
        if (drop > 120) {  // far below the smallest unit: the value rounds to zero
            w = Wide{};
            tail = Tail::BelowHalf;
        } else {
            dropDigits(w, drop, tail);
        }
        scale -= drop;
    }
    if (scale < 0) return std::nullopt;
    const uint128 c = w.low128();
    const bool up = tail == Tail::AboveHalf || (tail == Tail::Half && (c & 1));
    if (!up) return Decimal96::fromParts(c, scale, negative);
    if (c < Decimal96::kMaxCoefficient) return Decimal96::fromParts(c + 1, scale, negative);
    // The carry leaves 96 bits: 2^96 is one place fewer, 7922816251426433759354395034 (the
    // last digit of 2^96 - 1 is 5 and a carry came, so it rounds up).
    if (scale == 0) return std::nullopt;
    return Decimal96::fromParts(Decimal96::kMaxCoefficient / 10 + 1, scale - 1, negative);
}

Wide alignedCoefficient(const Decimal96& d, int scale) {
    Wide w = Wide::of(d.coefficient());
    multiplyPow10(w, scale - d.scale());
    return w;
}

// Knuth's algorithm D on 32-bit digits: quotient and remainder of u by v (v has 2..3 digits).
void divideLong(const Wide& numerator, uint128 divisor, Wide& quotient, Wide& remainder) {
    constexpr int kMaxDigits = 2 * Wide::kLimbs;
    std::uint32_t u[kMaxDigits + 1] = {}, v[4] = {}, q[kMaxDigits] = {};
    int m = 2 * numerator.used;
    for (int i = 0; i < numerator.used; ++i) {
        u[2 * i] = std::uint32_t(numerator.limb[i]);
        u[2 * i + 1] = std::uint32_t(numerator.limb[i] >> 32);
    }
    while (m > 0 && u[m - 1] == 0) --m;
    int n = 0;
    for (uint128 d = divisor; d; d >>= 32) v[n++] = std::uint32_t(d);

    const int shift = __builtin_clz(v[n - 1]);
    std::uint32_t vn[4] = {}, un[kMaxDigits + 1] = {};
    for (int i = n - 1; i > 0; --i)
        vn[i] = (v[i] << shift) | (shift ? std::uint32_t(std::uint64_t(v[i - 1]) >> (32 - shift)) : 0);
    vn[0] = v[0] << shift;
    un[m] = shift ? std::uint32_t(std::uint64_t(u[m - 1]) >> (32 - shift)) : 0;
    for (int i = m - 1; i > 0; --i)
        un[i] = (u[i] << shift) | (shift ? std::uint32_t(std::uint64_t(u[i - 1]) >> (32 - shift)) : 0);
    un[0] = u[0] << shift;

    constexpr std::uint64_t b = std::uint64_t(1) << 32;
    for (int j = m - n; j >= 0; --j) {
        const std::uint64_t top = (std::uint64_t(un[j + n]) << 32) | un[j + n - 1];
        std::uint64_t qhat = top / vn[n - 1];
        std::uint64_t rhat = top - qhat * vn[n - 1];
        while (qhat >= b || qhat * vn[n - 2] > ((rhat << 32) | un[j + n - 2])) {
            --qhat;
            rhat += vn[n - 1];
            if (rhat >= b) break;
        }
        std::int64_t borrow = 0;
        std::uint64_t carry = 0;
        for (int i = 0; i < n; ++i) {
            const std::uint64_t p = qhat * vn[i] + carry;
            carry = p >> 32;
            const std::int64_t t = std::int64_t(un[i + j]) - borrow - std::int64_t(p & 0xFFFFFFFFu);
            un[i + j] = std::uint32_t(t);
            borrow = t < 0 ? 1 : 0;
        }
        const std::int64_t t = std::int64_t(un[j + n]) - borrow - std::int64_t(carry);
        un[j + n] = std::uint32_t(t);
        if (t < 0) {  // qhat was one too large: add the divisor back
            --qhat;
            std::uint64_t c = 0;
            for (int i = 0; i < n; ++i) {
                const std::uint64_t s = std::uint64_t(un[i + j]) + vn[i] + c;
                un[i + j] = std::uint32_t(s);
                c = s >> 32;
            }
            un[j + n] = std::uint32_t(un[j + n] + c);
        }
        q[j] = std::uint32_t(qhat);
    }

    quotient = Wide{};
    for (int i = 0; i <= m - n; ++i) quotient.limb[i / 2] |= std::uint64_t(q[i]) << (32 * (i % 2));
    quotient.used = Wide::kLimbs;
    quotient.trim();
    uint128 r = 0;
    for (int i = n - 1; i >= 0; --i) {
        const std::uint32_t digit =
            (un[i] >> shift) | (shift ? std::uint32_t(std::uint64_t(un[i + 1]) << (32 - shift)) : 0);
        r = (r << 32) | digit;
    }
    remainder = Wide::of(r);
}

std::optional<Decimal96> fromParts(const NumberParts& parts) {
    if (parts.digits.empty()) return Decimal96::fromParts(0, 0, parts.negative);
    // Beyond 38 digits only whether the rest is zero matters for rounding.
    std::string_view digits = parts.digits;
    long long exponent = parts.exponent;
    Tail tail = Tail::Exact;
    if (digits.size() > 38) {
        const std::string_view rest = digits.substr(38);
        const bool moreAfterFirst = rest.find_first_not_of('0', 1) != std::string_view::npos;
        if (rest[0] > '5' || (rest[0] == '5' && moreAfterFirst))
            tail = Tail::AboveHalf;
        else if (rest[0] == '5')
            tail = Tail::Half;
        else if (rest[0] != '0' || moreAfterFirst)
            tail = Tail::BelowHalf;
        exponent += static_cast<long long>(rest.size());
        digits = digits.substr(0, 38);
    }
    uint128 value = 0;
    for (char c : digits) value = value * 10 + uint128(c - '0');
    Wide w = Wide::of(value);
    if (exponent > 0) {
        if (static_cast<long long>(digits.size()) + exponent > 29) return std::nullopt;
        multiplyPow10(w, int(exponent));
        exponent = 0;
    }
    return finish(w, int(-exponent), tail, parts.negative);
}

}  // namespace

std::optional<Decimal96> Decimal96::fromNumberParts(const NumberParts& parts) { return cesuan::fromParts(parts); }

std::optional<Decimal96> Decimal96::fromText(QStringView text) {
    const auto parts = ParseNumberText(text);
    return parts ? cesuan::fromParts(*parts) : std::nullopt;
}

std::optional<Decimal96> Decimal96::fromText(std::string_view text) {
    const auto parts = ParseNumberText(text);
    return parts ? cesuan::fromParts(*parts) : std::nullopt;
}

std::optional<Decimal96> Decimal96::fromDouble(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    char buffer[40];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return fromText(std::string_view(buffer, std::size_t(result.ptr - buffer)));
}

namespace {

// The decimal digits of c, least significant first; returns how many (at least one).
int digitsOf(uint128 c, char* digits) {
    int count = 0;
    // Two 19-digit chunks in 64-bit arithmetic, then the rest.
    std::uint64_t chunks[3];
    int chunkCount = 0;
    do {
        chunks[chunkCount++] = std::uint64_t(c % kPow10[19]);
        c /= kPow10[19];
    } while (c != 0 && chunkCount < 3);
    for (int k = 0; k < chunkCount; ++k) {
        std::uint64_t chunk = chunks[k];
        const bool last = k == chunkCount - 1;
        for (int d = 0; d < 19 && (!last || chunk != 0 || d == 0); ++d) {
            digits[count++] = char('0' + chunk % 10);
            chunk /= 10;
        }
    }
    return count;
}

}  // namespace

int Decimal96::significantDigits() const {
    uint128 c = coefficient();
    if (c == 0) return 0;
    int scale = scale_;
    while (scale > 0 && c % 10 == 0) {
        c /= 10;
        --scale;
    }
    char digits[40];
    return digitsOf(c, digits);
}

std::string Decimal96::toStdString() const {
    char digits[40];
    const int count = digitsOf(coefficient(), digits);
    std::string text;
    text.reserve(std::size_t(count + 4));
    if (negative_ && !isZero()) text.push_back('-');
    const int scale = scale_;
    // Integer digits.
    if (count > scale) {
        for (int i = count - 1; i >= scale; --i) text.push_back(digits[i]);
    } else {
        text.push_back('0');
    }
    // Fraction digits without trailing zeros.
    int last = 0;
    while (last < scale && (last >= count || digits[last] == '0')) ++last;
    if (last < scale) {
        text.push_back('.');
        for (int i = scale - 1; i >= last; --i) text.push_back(i < count ? digits[i] : '0');
    }
    return text;
}

QString Decimal96::toText() const { return QString::fromLatin1(toStdString()); }

double Decimal96::toDouble() const {
    // Below 2^53 and 10^22 both operands are exact doubles, so one division rounds
    // correctly; the rest go through the text, which the C library rounds correctly.
    static constexpr double kExactPow10[23] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                               1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                               1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const uint128 c = coefficient();
    const double value = c < (uint128(1) << 53) && scale_ <= 22
                             ? double(std::uint64_t(c)) / kExactPow10[scale_]
                             : *ParseDouble(abs().toStdString());
    return negative_ ? -value : value;
}

namespace {

// kFitCoefficient[j]: the largest coefficient that times 10^j still fits 96 bits.
constexpr auto kFitCoefficient = [] {
    std::array<uint128, 29> limits{};
    for (int j = 0; j < 29; ++j) limits[j] = Decimal96::kMaxCoefficient / kPow10Wide[j];
    return limits;
}();

// A sum whose operands lie so far apart in scale that the one with fewer places, scaled
// up, leaves 127 bits: that operand decides the result's scale, and the other one only
// contributes its leading digits and a tail. Empty where the general path must decide
// (a difference that cancels a leading digit).
std::optional<Decimal96> addFarApart(Decimal96 big, Decimal96 small) {
    if (big.scale() > small.scale()) std::swap(big, small);
    const int gap = small.scale() - big.scale();
    const uint128 x = big.coefficient();
    // The largest j with x * 10^j within 96 bits; j < gap because x * 10^gap >= 2^127.
    int j = 0;
    while (j + 1 < gap && x <= kFitCoefficient[std::size_t(j + 1)]) ++j;
    Tail tail = Tail::Exact;
    const uint128 yq = dropDigits128(small.coefficient(), gap - j, tail);
    uint128 r = x * kPow10Wide[std::size_t(j)];
    const int scale = big.scale() + j;
    if (big.signBit() == small.signBit()) return finish128(r + yq, scale, tail, big.signBit());
    // x*10^j - (yq + fraction): borrow one unit when a fraction was cut.
    r -= yq;
    if (tail != Tail::Exact) {
        r -= 1;
        tail = tail == Tail::BelowHalf ? Tail::AboveHalf : tail == Tail::AboveHalf ? Tail::BelowHalf : Tail::Half;
    }
    if (r <= kFitCoefficient[1]) return std::nullopt;  // a larger scale could hold it
    return finish128(r, scale, tail, big.signBit());
}

}  // namespace

std::optional<Decimal96> add(Decimal96 a, Decimal96 b) {
    const int scale = std::max(a.scale(), b.scale());
    uint128 x = a.coefficient(), y = b.coefficient();
    // Aligned to the common scale in 128 bits wherever both stay below 2^127.
    const int dx = scale - a.scale(), dy = scale - b.scale();
    if (x <= kAlignLimits[std::size_t(dx)] && y <= kAlignLimits[std::size_t(dy)]) {
        x *= kPow10Wide[dx];
        y *= kPow10Wide[dy];
        bool negative = a.signBit();
        uint128 r;
        if (a.signBit() == b.signBit()) {
            r = x + y;
        } else if (x >= y) {
            r = x - y;
        } else {
            r = y - x;
            negative = b.signBit();
        }
        if (r == 0) return Decimal96::fromParts(0, scale, false);
        if (r <= Decimal96::kMaxCoefficient) return Decimal96::fromParts(r, scale, negative);
        return finish128(r, scale, Tail::Exact, negative);
    }
    if (const std::optional<Decimal96> r = addFarApart(a, b)) return r;
    Wide wx = alignedCoefficient(a, scale), wy = alignedCoefficient(b, scale);
    if (a.signBit() == b.signBit()) {
        addInPlace(wx, wy);
        return finish(wx, scale, Tail::Exact, a.signBit());
    }
    const int order = compare(wx, wy);
    if (order == 0) return Decimal96::fromParts(0, scale, false);
    if (order > 0) {
        subtractInPlace(wx, wy);
        return finish(wx, scale, Tail::Exact, a.signBit());
    }
    subtractInPlace(wy, wx);
    return finish(wy, scale, Tail::Exact, b.signBit());
}

std::optional<Decimal96> multiply(Decimal96 a, Decimal96 b) {
    const uint128 x = a.coefficient(), y = b.coefficient();
    const std::uint64_t x0 = std::uint64_t(x), x1 = std::uint64_t(x >> 64);
    const std::uint64_t y0 = std::uint64_t(y), y1 = std::uint64_t(y >> 64);
    const bool negative = a.signBit() != b.signBit();
    const int scale = a.scale() + b.scale();
    // 96 x 96 -> 192 bits in three limbs (the high halves have at most 32 bits each).
    const uint128 p00 = uint128(x0) * y0, p01 = uint128(x0) * y1, p10 = uint128(x1) * y0;
    const uint128 mid = (p00 >> 64) + std::uint64_t(p01) + std::uint64_t(p10);
    const uint128 high = (mid >> 64) + (p01 >> 64) + (p10 >> 64) + uint128(x1) * y1;
    const std::uint64_t w0 = std::uint64_t(p00), w1 = std::uint64_t(mid), w2 = std::uint64_t(high);
    if (w2 == 0) return finish128((uint128(w1) << 64) | w0, scale, Tail::Exact, negative);

    // At least 10 places must go (the product exceeds 2^128), and at least those beyond 28
    // and those the bit length asks for; the first 19 at most go here, the rest below.
    const int bits = 128 + 64 - __builtin_clzll(w2);
    const int step = std::min(19, std::max({10, scale - Decimal96::kMaxScale, (bits - 96) * 30103 / 100000}));
    const Pow10Divisor& d = kPow10Divisors[std::size_t(step)];
    const int sh = d.shift;
    const auto spill = [sh](std::uint64_t v) { return sh ? v >> (64 - sh) : 0; };
    std::uint64_t r;
    const std::uint64_t q2 = divideTwoByOne(spill(w2), (w2 << sh) | spill(w1), d, r);
    const std::uint64_t q1 = divideTwoByOne(r, (w1 << sh) | spill(w0), d, r);
    const std::uint64_t q0 = divideTwoByOne(r, w0 << sh, d, r);
    Tail tail = Tail::Exact;
    foldTail(r >> sh, kPow10[step] / 2, tail);
    if (q2 == 0) return finish128((uint128(q1) << 64) | q0, scale - step, tail, negative);
    Wide w;
    w.limb = {q0, q1, q2, 0, 0, 0};
    w.used = 3;
    return finish(w, scale - step, tail, negative);
}

namespace {

int bitLength128(uint128 v) {
    const std::uint64_t hi = std::uint64_t(v >> 64);
    return hi ? 128 - __builtin_clzll(hi) : (std::uint64_t(v) ? 64 - __builtin_clzll(std::uint64_t(v)) : 0);
}

Tail remainderTail(uint128 remainder, uint128 divisor) {  // both below 2^97
    if (remainder == 0) return Tail::Exact;
    const uint128 twice = remainder << 1;
    return twice < divisor ? Tail::BelowHalf : twice == divisor ? Tail::Half : Tail::AboveHalf;
}

// The quotient at scale 28 (a * 10^(28 + sb - sa) / b, the remainder as tail), rounded
// down to the scale that fits. Serves every quotient.
std::optional<Decimal96> divideAtScale28(Decimal96 a, Decimal96 b, bool negative) {
    Wide numerator = Wide::of(a.coefficient());
    multiplyPow10(numerator, Decimal96::kMaxScale + b.scale() - a.scale());
    const uint128 divisor = b.coefficient();
    Wide quotient, remainder;
    if (divisor >> 64 == 0) {
        quotient = numerator;
        remainder = Wide::of(divideSmall(quotient, std::uint64_t(divisor)));
    } else {
        divideLong(numerator, divisor, quotient, remainder);
    }
    return finish(quotient, Decimal96::kMaxScale, remainderTail(remainder.low128(), divisor), negative);
}

// One step of long division in base 2^64 by a normalised two-limb divisor (v1 has its top
// bit set): (u2:u1:u0) / (v1:v0) for (u2:u1) < (v1:v0); the remainder goes to (r1:r0).
std::uint64_t divideThreeByTwo(std::uint64_t u2, std::uint64_t u1, std::uint64_t u0, std::uint64_t v1,
                               std::uint64_t v0, uint128& remainder) {
    std::uint64_t qhat, rhat;
    bool rhatOverflow = false;
    if (u2 >= v1) {  // u2 == v1: the estimate is the largest digit
        qhat = ~std::uint64_t(0);
        const uint128 sum = uint128(u1) + v1;
        rhat = std::uint64_t(sum);
        rhatOverflow = (sum >> 64) != 0;
    } else {
        qhat = divide128(u2, u1, v1, rhat);
    }
    while (!rhatOverflow && uint128(qhat) * v0 > ((uint128(rhat) << 64) | u0)) {
        --qhat;
        const uint128 sum = uint128(rhat) + v1;
        rhat = std::uint64_t(sum);
        rhatOverflow = (sum >> 64) != 0;
    }
    // (u2:u1:u0) - qhat * (v1:v0), adding the divisor back once if that went below zero.
    const uint128 low = uint128(qhat) * v0;
    const uint128 high = uint128(qhat) * v1 + std::uint64_t(low >> 64);
    const uint128 top = (uint128(u2) << 64) | u1;
    const std::uint64_t r0 = u0 - std::uint64_t(low);
    const std::uint64_t borrow = u0 < std::uint64_t(low) ? 1 : 0;
    uint128 r = top - high - borrow;
    const bool negative = top < high || (top == high && borrow);
    uint128 rest = (r << 64) | r0;
    if (negative) {
        --qhat;
        rest += (uint128(v1) << 64) | v0;
    }
    remainder = rest;
    return qhat;
}

// n (below 2^192) / y for 2^64 <= y < 2^96 and a quotient below 2^128.
void divideByWideDivisor(const Wide& n, uint128 y, uint128& quotient, uint128& remainder) {
    const int shift = __builtin_clzll(std::uint64_t(y >> 64));
    const uint128 v = y << shift;
    const std::uint64_t v1 = std::uint64_t(v >> 64), v0 = std::uint64_t(v);
    const std::uint64_t n0 = n.limb[0], n1 = n.used > 1 ? n.limb[1] : 0, n2 = n.used > 2 ? n.limb[2] : 0;
    const auto spill = [shift](std::uint64_t x) { return shift ? x >> (64 - shift) : 0; };
    const std::uint64_t u3 = spill(n2), u2 = (n2 << shift) | spill(n1), u1 = (n1 << shift) | spill(n0),
                        u0 = n0 << shift;
    uint128 r;
    const std::uint64_t q1 = divideThreeByTwo(u3, u2, u1, v1, v0, r);
    const std::uint64_t q0 = divideThreeByTwo(std::uint64_t(r >> 64), std::uint64_t(r), u0, v1, v0, r);
    quotient = (uint128(q1) << 64) | q0;
    remainder = r >> shift;
}

}  // namespace

std::optional<Decimal96> divide(Decimal96 a, Decimal96 b) {
    if (b.isZero()) return std::nullopt;
    const bool negative = a.signBit() != b.signBit();
    if (a.isZero()) return Decimal96::fromParts(0, 0, negative);
    // Most quotients: the scale at which the quotient just fits 96 bits, from the bit
    // lengths (a < 2^la, b >= 2^(lb-1), so a/b * 10^e < 2^96 for 10^e <= 2^(95-la+lb)).
    const uint128 x = a.coefficient(), y = b.coefficient();
    const int room = 95 - bitLength128(x) + bitLength128(y);
    const int e = std::min(room * 30103 / 100000, Decimal96::kMaxScale + b.scale() - a.scale());
    int scale = e + a.scale() - b.scale();
    if (room < 0 || e < 0 || scale < 0) return divideAtScale28(a, b, negative);

    Wide numerator = Wide::of(x);
    multiplyPow10(numerator, e);
    uint128 quotient, remainder;
    if (y >> 64 == 0) {
        remainder = divideSmall(numerator, std::uint64_t(y));
        quotient = numerator.low128();
    } else {
        divideByWideDivisor(numerator, y, quotient, remainder);
    }
    // More places while they still fit: the largest scale that holds the quotient.
    while (scale < Decimal96::kMaxScale && quotient <= kFitCoefficient[1]) {
        uint128 nextRemainder = remainder * 10;
        std::uint64_t digit = 0;
        while (nextRemainder >= y) {
            nextRemainder -= y;
            ++digit;
        }
        const uint128 next = quotient * 10 + digit;
        if (next > Decimal96::kMaxCoefficient) break;
        quotient = next;
        remainder = nextRemainder;
        ++scale;
    }
    return finish128(quotient, scale, remainderTail(remainder, y), negative);
}

std::strong_ordering operator<=>(const Decimal96& a, const Decimal96& b) {
    const bool na = a.isNegative(), nb = b.isNegative();
    if (a.isZero() && b.isZero()) return std::strong_ordering::equal;
    if (na != nb) return na ? std::strong_ordering::less : std::strong_ordering::greater;
    int order;
    if (a.scale() == b.scale()) {
        order = a.coefficient() < b.coefficient() ? -1 : a.coefficient() > b.coefficient() ? 1 : 0;
    } else {
        const int scale = std::max(a.scale(), b.scale());
        order = compare(alignedCoefficient(a, scale), alignedCoefficient(b, scale));
    }
    if (na) order = -order;
    return order < 0 ? std::strong_ordering::less
                     : order > 0 ? std::strong_ordering::greater : std::strong_ordering::equal;
}

}  // namespace cesuan
