// Decimal96 against an exact reference: every result is compared with the exact rational
// value rounded once to the largest scale (at most 28) whose coefficient fits in 96 bits,
// halves to even. The reference works on big integers (numerator / denominator) and never
// shares code with the engine.

#include "engine/decimal96.h"

#include <gtest/gtest.h>

#include <boost/multiprecision/cpp_int.hpp>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <compare>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using boost::multiprecision::cpp_int;
using cesuan::Decimal96;
using cesuan::uint128;

constexpr int kMaxScale = 28;
constexpr int kCasesPerOperation = 100000;

// ---------------------------------------------------------------------------------------
// The exact reference.

const cpp_int& pow10(int n) {
    static const std::vector<cpp_int> table = [] {
        std::vector<cpp_int> t(400);  // down to the smallest double's 15 digits
        t[0] = 1;
        for (std::size_t i = 1; i < t.size(); ++i) t[i] = t[i - 1] * 10;
        return t;
    }();
    return table.at(std::size_t(n));
}

const cpp_int& limit96() {  // 2^96: the first coefficient that does not fit
    static const cpp_int value = cpp_int(1) << 96;
    return value;
}

cpp_int bigOf(uint128 v) {
    cpp_int r = std::uint64_t(v >> 64);
    r <<= 64;
    r += std::uint64_t(v);
    return r;
}

// A value (negative ? -1 : 1) * num / den with num >= 0, den > 0.
struct Exact {
    cpp_int num = 0;
    cpp_int den = 1;
    bool negative = false;
};

// Canonical text of coefficient / 10^scale.
std::string canonicalText(const cpp_int& coefficient, int scale, bool negative) {
    std::string digits = coefficient.str();
    if (scale > 0) {
        if (int(digits.size()) <= scale) digits.insert(0, std::size_t(scale + 1) - digits.size(), '0');
        digits.insert(digits.size() - std::size_t(scale), 1, '.');
        digits.erase(digits.find_last_not_of('0') + 1);
        if (digits.back() == '.') digits.pop_back();
    }
    if (negative && coefficient != 0) digits.insert(0, 1, '-');
    return digits;
}

std::string canonicalText(Decimal96 d) {
    return canonicalText(bigOf(d.coefficient()), d.scale(), d.signBit());
}

const std::string kEmpty = "(empty)";

struct Outcome {
    std::string text;      // canonical text, or kEmpty on overflow / division by zero
    bool inexact = false;  // rounding dropped something
    bool tie = false;      // what was dropped was exactly half a unit
    bool tiny = false;     // a nonzero value below 1E-28
    bool overflow() const { return text == kEmpty; }
};

// round_half_even(v * 10^s) into q; tie / inexact describe what was dropped.
void roundAtScale(const Exact& v, int s, cpp_int& q, bool& inexact, bool& tie) {
    cpp_int r;
    divide_qr(cpp_int(v.num * pow10(s)), v.den, q, r);
    const cpp_int twice = r * 2;
    inexact = r != 0;
    tie = twice == v.den;
    if (twice > v.den || (tie && bit_test(q, 0))) ++q;
}

Outcome roundExact(const Exact& v) {
    Outcome out;
    if (v.num == 0) {
        out.text = "0";
        return out;
    }
    out.tiny = v.num * pow10(kMaxScale) < v.den;
    int s = kMaxScale;
    cpp_int q;
    roundAtScale(v, s, q, out.inexact, out.tie);
    if (q >= limit96()) {
        // Skip the places that certainly do not fit (10^d <= 2^(bits - 96)), then step down.
        const long bits = long(msb(q)) + 1;
        s -= int((bits - 96) * 30103 / 100000);
        if (s < 0) {
            out.text = kEmpty;
            return out;
        }
        roundAtScale(v, s, q, out.inexact, out.tie);
        while (q >= limit96()) {
            if (--s < 0) {
                out.text = kEmpty;
                return out;
            }
            roundAtScale(v, s, q, out.inexact, out.tie);
        }
        // Self-check of the reference: one place more must not fit.
        cpp_int finer;
        bool ignored1, ignored2;
        roundAtScale(v, s + 1, finer, ignored1, ignored2);
        if (s < kMaxScale && finer < limit96()) throw std::logic_error("reference skipped a scale");
    }
    out.text = canonicalText(q, s, v.negative);
    return out;
}

Exact exactSum(Decimal96 a, Decimal96 b) {
    const int s = std::max(a.scale(), b.scale());
    cpp_int x = bigOf(a.coefficient()) * pow10(s - a.scale());
    cpp_int y = bigOf(b.coefficient()) * pow10(s - b.scale());
    if (a.signBit()) x = -x;
    if (b.signBit()) y = -y;
    const cpp_int sum = x + y;
    return {abs(sum), pow10(s), sum < 0};
}

Exact exactProduct(Decimal96 a, Decimal96 b) {
    return {bigOf(a.coefficient()) * bigOf(b.coefficient()), pow10(a.scale() + b.scale()),
            a.signBit() != b.signBit()};
}

Outcome exactQuotient(Decimal96 a, Decimal96 b) {
    if (b.isZero()) return {kEmpty};
    return roundExact({bigOf(a.coefficient()) * pow10(b.scale()), bigOf(b.coefficient()) * pow10(a.scale()),
                       a.signBit() != b.signBit()});
}

// The exact value of a valid number text (blanks, sign, digits, point, exponent).
Exact exactOfText(const std::string& text) {
    std::size_t i = text.find_first_not_of(' ');
    Exact v;
    if (text[i] == '+' || text[i] == '-') v.negative = text[i++] == '-';
    std::string digits;
    long long fractionDigits = 0;
    bool point = false;
    for (; i < text.size() && (std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == '.'); ++i) {
        if (text[i] == '.') {
            point = true;
        } else {
            digits.push_back(text[i]);
            if (point) ++fractionDigits;
        }
    }
    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (text[i] == '+' || text[i] == '-') negativeExponent = text[i++] == '-';
        for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
            exponent = exponent * 10 + (text[i] - '0');
        if (negativeExponent) exponent = -exponent;
    }
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));  // no octal
    v.num = digits.empty() ? cpp_int(0) : cpp_int(digits);
    exponent -= fractionDigits;
    if (exponent >= 0)
        v.num *= pow10(int(exponent));
    else
        v.den = pow10(int(-exponent));
    return v;
}

std::string shown(const std::optional<Decimal96>& d) {
    return d ? d->toText().toStdString() : kEmpty;
}

std::string describe(Decimal96 d) {
    return d.toStdString() + " [" + (d.signBit() ? "-" : "+") + bigOf(d.coefficient()).str() + "e-" +
           std::to_string(d.scale()) + "]";
}

// ---------------------------------------------------------------------------------------
// Operands, biased to the places where rounding goes wrong.

constexpr uint128 pow10u(int n) {
    uint128 r = 1;
    while (n-- > 0) r *= 10;
    return r;
}

class Generator {
public:
    explicit Generator(std::uint64_t seed) : rng_(seed) {}

    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool chance(int percent) { return uniform(0, 99) < percent; }
    std::uint64_t bits() { return rng_(); }
    uint128 bits128() { return (uint128(rng_()) << 64) | rng_(); }
    uint128 below(uint128 bound) { return bound == 0 ? 0 : bits128() % bound; }
    uint128 between(uint128 lo, uint128 hi) { return lo + below(hi - lo + 1); }  // inclusive

    // A coefficient with exactly n digits (n = 29 stays below 2^96).
    uint128 withDigits(int n) {
        const uint128 lo = n == 1 ? 0 : pow10u(n - 1);
        const uint128 hi = std::min(pow10u(n) - 1, Decimal96::kMaxCoefficient);
        return between(lo, hi);
    }

    uint128 coefficient() {
        const int kind = uniform(0, 99);
        if (kind < 30) return withDigits(uniform(1, 29));
        if (kind < 55) return withDigits(uniform(28, 29));
        if (kind < 65) return Decimal96::kMaxCoefficient - below(1000);
        if (kind < 72) {
            const uint128 p = pow10u(uniform(0, 28));
            return p + uint128(uniform(-1, 1));
        }
        if (kind < 77) return 0;
        if (kind < 85) return below(1000);
        return bits128() & Decimal96::kMaxCoefficient;
    }

    int scale() {
        const int kind = uniform(0, 99);
        if (kind < 35) return uniform(0, kMaxScale);
        if (kind < 55) return 0;
        if (kind < 75) return kMaxScale;
        if (kind < 88) return uniform(kMaxScale - 4, kMaxScale);
        return uniform(0, 4);
    }

    bool sign() { return chance(50); }

    Decimal96 decimal() { return Decimal96::fromParts(coefficient(), scale(), sign()); }

    // An odd number of exactly `bitCount` bits.
    uint128 oddWithBits(int bitCount) {
        const uint128 top = uint128(1) << (bitCount - 1);
        return (top | below(top)) | 1;
    }

private:
    std::mt19937_64 rng_;
};

using Pair = std::pair<Decimal96, Decimal96>;

Pair withRandomOrderAndSigns(Generator& g, Decimal96 a, Decimal96 b) {
    if (g.chance(50)) std::swap(a, b);
    return {g.sign() ? -a : a, g.sign() ? -b : b};
}

// A sum whose exact value ends in ...5 right below its last kept place: a big number at
// scale s plus (10d + 5) / 10^(s+1), sometimes spread over more places, sometimes nudged
// by one unit so that only the far digits decide.
Pair additionTie(Generator& g) {
    const int s = g.uniform(0, kMaxScale - 1);
    // The largest coefficients make the rounded sum carry out of 96 bits at times.
    const uint128 bigCoefficient =
        g.chance(15) ? Decimal96::kMaxCoefficient - g.below(4) : g.withDigits(g.chance(80) ? 29 : 28);
    const Decimal96 big = Decimal96::fromParts(bigCoefficient, s, false);
    const int spread = g.uniform(0, std::min(kMaxScale - 1 - s, 20));
    uint128 small = (g.below(pow10u(g.uniform(0, 5))) * 10 + 5) * pow10u(spread);
    if (g.chance(30)) small = g.chance(50) ? small + 1 : small - 1;
    return withRandomOrderAndSigns(g, big, Decimal96::fromParts(small, s + 1 + spread, false));
}

// (5^k u) * (2^(k-1) w) = 10^(k-1) * 5uw with uw odd: the product ends in 5 followed by
// k - 1 zeros. Scales are chosen so that exactly these k digits are cut.
Pair multiplicationTie(Generator& g) {
    for (;;) {
        const int k = g.uniform(1, 27);
        const int uBitsMax = 96 - int(std::ceil(k * std::log2(5.0)));
        const int wBitsMax = 96 - (k - 1);
        if (uBitsMax < 1) continue;
        uint128 u, w;
        int resultScale;
        if (k == 1 && g.chance(20)) {
            // uw = 2^97 - 1 = 11447 * 13842607235828485645766393: the cut leaves 2^96 - 1/2,
            // which rounds up to 2^96 and has to go one place further.
            u = 11447;
            w = (uint128(13842607) * 1000000000ULL + 235828485ULL) * 1000000000ULL + 645766393ULL;
            if (g.chance(50)) std::swap(u, w);
            resultScale = g.uniform(0, kMaxScale);
        } else if (g.chance(30)) {
            // Cut at scale 28: any product small enough.
            u = g.oddWithBits(g.uniform(1, std::min(uBitsMax, 60)));
            w = g.oddWithBits(g.uniform(1, std::min(wBitsMax, 60)));
            resultScale = kMaxScale;
        } else {
            // uw in [2^97 / 10, 2^97): uw / 2 fits at the result scale, 5uw does not.
            const int uBits = g.uniform(std::max(1, 97 - wBitsMax), std::min(uBitsMax, 96));
            u = g.oddWithBits(uBits);
            const uint128 lo = ((uint128(1) << 97) / 10) / u + 1;
            const uint128 hi = std::min(((uint128(1) << 97) - 1) / u, (uint128(1) << wBitsMax) - 1);
            if (lo > hi) continue;
            w = g.between(lo, hi) | 1;
            if (w > hi) continue;
            resultScale = g.uniform(0, kMaxScale);
        }
        uint128 a = u, b = w;
        for (int i = 0; i < k; ++i) a *= 5;
        b <<= (k - 1);
        if (a > Decimal96::kMaxCoefficient || b > Decimal96::kMaxCoefficient) continue;
        const int total = resultScale + k;
        if (total > 2 * kMaxScale) continue;
        const int sa = g.uniform(std::max(0, total - kMaxScale), std::min(kMaxScale, total));
        return withRandomOrderAndSigns(g, Decimal96::fromParts(a, sa, false),
                                       Decimal96::fromParts(b, total - sa, false));
    }
}

// (2Q + 1) x / (2x 10^j): the quotient is Q + 1/2 at scale sa + j - sb. Below scale 28 the
// cut is a tie only when 10Q + 5 leaves 96 bits, so Q is large and x = 1; at scale 28 any Q
// will do and x varies the divisor.
Pair divisionTie(Generator& g) {
    for (;;) {
        const int s = g.chance(40) ? kMaxScale : g.uniform(0, kMaxScale - 1);
        const int j = g.uniform(0, kMaxScale);
        const int roomForX = 94 - int(std::ceil(j * std::log2(10.0)));  // keeps 2x 10^j in 96 bits
        uint128 q, x = 1;
        if (s == kMaxScale) {
            const int qBits = g.uniform(1, 80);
            q = g.below(uint128(1) << qBits);
            const int xBits = std::min(94 - qBits, roomForX);
            if (xBits >= 1) x = g.oddWithBits(g.uniform(1, xBits));
        } else {
            q = g.between((Decimal96::kMaxCoefficient - 4) / 10 + 1, (uint128(1) << 95) - 1);
        }
        const uint128 a = (2 * q + 1) * x;
        const uint128 b = 2 * x * pow10u(j);
        if (a > Decimal96::kMaxCoefficient || b > Decimal96::kMaxCoefficient) continue;
        const int sb = g.uniform(std::max(0, j - s), std::min(kMaxScale, kMaxScale + j - s));
        const int sa = s + sb - j;
        if (sa < 0 || sa > kMaxScale) continue;
        return {Decimal96::fromParts(a, sa, g.sign()), Decimal96::fromParts(b, sb, g.sign())};
    }
}

Pair independent(Generator& g) {
    return {g.decimal(), g.decimal()};
}

// Operands of nearly equal size and opposite sign: most digits cancel.
Pair cancelling(Generator& g) {
    const Decimal96 a = g.decimal();
    const Decimal96 b =
        Decimal96::fromParts(a.coefficient() ^ uint128(g.uniform(0, 3)), a.scale(), !a.signBit());
    return {a, b};
}

// Sums at the top of the range: two big numbers; or a big one plus what is missing to kMax,
// plus 0..2 (the same scale) or plus d/10 (below, at and above the tie that overflows).
Pair sumOverflow(Generator& g) {
    const bool negative = g.sign();
    const uint128 big = g.between(uint128(1) << 95, Decimal96::kMaxCoefficient);
    if (g.chance(40))
        return {Decimal96::fromParts(big, 0, negative),
                Decimal96::fromParts(g.withDigits(29), g.uniform(0, 1), negative)};
    const uint128 nearTop = Decimal96::kMaxCoefficient - g.below(uint128(1) << 92);
    const uint128 missing = Decimal96::kMaxCoefficient - nearTop;
    const Decimal96 rest = g.chance(40)
                               ? Decimal96::fromParts(missing + uint128(g.uniform(0, 2)), 0, negative)
                               : Decimal96::fromParts(missing * 10 + uint128(g.uniform(0, 9)), 1, negative);
    return {Decimal96::fromParts(nearTop, 0, negative), rest};
}

Pair productOverflow(Generator& g) {
    return withRandomOrderAndSigns(
        g, Decimal96::fromParts(g.withDigits(g.uniform(15, 29)), g.uniform(0, 2), false),
        Decimal96::fromParts(g.withDigits(g.uniform(15, 29)), g.uniform(0, 2), false));
}

Pair productTiny(Generator& g) {
    return withRandomOrderAndSigns(g, Decimal96::fromParts(g.below(10000), g.uniform(14, kMaxScale), false),
                                   Decimal96::fromParts(g.below(10000), g.uniform(14, kMaxScale), false));
}

Pair quotientOverflow(Generator& g) {
    return {Decimal96::fromParts(g.withDigits(g.uniform(20, 29)), g.uniform(0, 3), g.sign()),
            Decimal96::fromParts(g.withDigits(g.uniform(1, 8)), g.uniform(18, kMaxScale), g.sign())};
}

Pair quotientTiny(Generator& g) {
    return {Decimal96::fromParts(g.withDigits(g.uniform(1, 4)), g.uniform(20, kMaxScale), g.sign()),
            Decimal96::fromParts(g.withDigits(g.uniform(20, 29)), g.uniform(0, 5), g.sign())};
}

struct Mix {
    int percent;
    Pair (*make)(Generator&);
};

Pair pick(Generator& g, const std::vector<Mix>& mix) {
    int roll = g.uniform(0, 99);
    for (const Mix& m : mix) {
        if (roll < m.percent) return m.make(g);
        roll -= m.percent;
    }
    return independent(g);
}

struct Tally {
    int inexact = 0, ties = 0, overflows = 0, tiny = 0;
};

// Runs one operation over generated operands; reports the first mismatches in full.
Tally checkOperation(const char* name, std::uint64_t seed, const std::vector<Mix>& mix,
                     const std::function<std::optional<Decimal96>(Decimal96, Decimal96)>& operation,
                     const std::function<Outcome(Decimal96, Decimal96)>& reference) {
    Generator g(seed);
    Tally tally;
    int failures = 0;
    for (int i = 0; i < kCasesPerOperation; ++i) {
        const auto [a, b] = pick(g, mix);
        const Outcome want = reference(a, b);
        const std::string got = shown(operation(a, b));
        tally.inexact += want.inexact;
        tally.ties += want.tie;
        tally.overflows += want.overflow();
        tally.tiny += want.tiny;
        if (got != want.text && ++failures <= 10)
            ADD_FAILURE() << name << "(" << describe(a) << ", " << describe(b) << ")\n  got      " << got
                          << "\n  expected " << want.text << (want.tie ? "  (a tie)" : "");
    }
    EXPECT_EQ(failures, 0) << name << ": mismatches out of " << kCasesPerOperation << ", seed " << seed;
    return tally;
}

std::vector<Mix> additionMix() {
    return {{40, independent}, {30, additionTie}, {10, cancelling}, {10, sumOverflow}};
}

// The same operands for a - b: the second one negated, so that a - b is the sum above.
template <Pair (*make)(Generator&)>
Pair negatedSecond(Generator& g) {
    const auto [a, b] = make(g);
    return {a, -b};
}

std::vector<Mix> subtractionMix() {
    return {{40, negatedSecond<independent>},
            {30, negatedSecond<additionTie>},
            {10, negatedSecond<cancelling>},
            {10, negatedSecond<sumOverflow>}};
}

TEST(Decimal96Arithmetic, AddMatchesExactRounding) {
    const Tally t = checkOperation(
        "add", 0xADD0001, additionMix(), [](Decimal96 a, Decimal96 b) { return add(a, b); },
        [](Decimal96 a, Decimal96 b) { return roundExact(exactSum(a, b)); });
    // The operands must have reached the hard places.
    EXPECT_GT(t.ties, 5000);
    EXPECT_GT(t.overflows, 2000);
    EXPECT_GT(t.inexact, 20000);
}

TEST(Decimal96Arithmetic, SubtractMatchesExactRounding) {
    const Tally t = checkOperation(
        "subtract", 0x5B7002, subtractionMix(), [](Decimal96 a, Decimal96 b) { return subtract(a, b); },
        [](Decimal96 a, Decimal96 b) { return roundExact(exactSum(a, -b)); });
    EXPECT_GT(t.ties, 5000);
    EXPECT_GT(t.overflows, 2000);
    EXPECT_GT(t.inexact, 20000);
}

TEST(Decimal96Arithmetic, MultiplyMatchesExactRounding) {
    const Tally t = checkOperation(
        "multiply", 0x3017003,
        {{45, independent}, {35, multiplicationTie}, {10, productOverflow}, {10, productTiny}},
        [](Decimal96 a, Decimal96 b) { return multiply(a, b); },
        [](Decimal96 a, Decimal96 b) { return roundExact(exactProduct(a, b)); });
    EXPECT_GT(t.ties, 5000);
    EXPECT_GT(t.overflows, 2000);
    EXPECT_GT(t.tiny, 2000);
}

TEST(Decimal96Arithmetic, DivideMatchesExactRounding) {
    const Tally t = checkOperation(
        "divide", 0xD1F004,
        {{50, independent}, {30, divisionTie}, {10, quotientOverflow}, {10, quotientTiny}},
        [](Decimal96 a, Decimal96 b) { return divide(a, b); }, exactQuotient);
    EXPECT_GT(t.ties, 5000);
    EXPECT_GT(t.overflows, 2000);
    EXPECT_GT(t.tiny, 2000);
}

// Texts with up to 60 digits, leading zeros, points anywhere, exponents and blanks.
std::string randomNumberText(Generator& g) {
    std::string digits;
    int point = -1;  // digits before the point; -1: no point
    int exponent = 0;
    bool writeExponent = g.chance(60);
    if (g.chance(40)) {
        // A full coefficient C then "5" and zeros, placed so that the value is C.5 / 10^s: a
        // tie at scale s, unless a further digit makes it nearly one.
        const int s = g.uniform(0, kMaxScale);
        const int zeros = g.uniform(0, 25);
        digits = bigOf(g.withDigits(s == kMaxScale ? g.uniform(1, 29) : 29)).str() + "5" +
                 std::string(std::size_t(zeros), '0');
        const bool nudged = g.chance(30);
        if (nudged) digits.push_back(char('1' + g.uniform(0, 8)));
        const int fraction = s + 1 + zeros + nudged;  // digits after the point, exponent 0
        point = g.uniform(0, int(digits.size()));
        exponent = (int(digits.size()) - point) - fraction;
        writeExponent = writeExponent || exponent != 0;
        if (g.chance(20)) {  // leading zeros
            const int lead = g.uniform(1, 5);
            digits.insert(0, std::size_t(lead), '0');
            point += lead;
        }
    } else {
        if (g.chance(15)) {
            digits = "79228162514264337593543950335" + std::to_string(g.uniform(0, 99));
        } else {
            const int n = g.uniform(1, 60);
            for (int i = 0; i < n; ++i) digits.push_back(char('0' + g.uniform(0, 9)));
        }
        point = g.uniform(-1, int(digits.size()));
        exponent = g.uniform(-70, 40);
    }
    std::string text(std::size_t(g.chance(10) ? g.uniform(1, 3) : 0), ' ');
    if (g.chance(50)) text.push_back(g.chance(70) ? '-' : '+');
    if (point < 0) {
        text += digits;
    } else {
        text += digits.substr(0, std::size_t(point)) + "." + digits.substr(std::size_t(point));
    }
    if (writeExponent) {
        text.push_back(g.chance(50) ? 'e' : 'E');
        if (exponent < 0)
            text.push_back('-');
        else if (g.chance(30))
            text.push_back('+');
        if (g.chance(10)) text.push_back('0');
        text += std::to_string(std::abs(exponent));
    }
    if (g.chance(10)) text.append(std::size_t(g.uniform(1, 3)), ' ');
    return text;
}

TEST(Decimal96Conversion, FromTextMatchesExactRounding) {
    Generator g(0x7E47005);
    int failures = 0, ties = 0, overflows = 0;
    for (int i = 0; i < kCasesPerOperation; ++i) {
        const std::string text = randomNumberText(g);
        const Outcome want = roundExact(exactOfText(text));
        ties += want.tie;
        overflows += want.overflow();
        const std::string got = shown(Decimal96::fromText(std::string_view(text)));
        if (got != want.text && ++failures <= 10)
            ADD_FAILURE() << "fromText(\"" << text << "\")\n  got      " << got << "\n  expected "
                          << want.text;
        // The QString overload reads the same grammar.
        if (i % 16 == 0) {
            const std::string gotUtf16 = shown(Decimal96::fromText(QString::fromLatin1(text.c_str())));
            if (gotUtf16 != want.text && ++failures <= 10)
                ADD_FAILURE() << "fromText(QString \"" << text << "\") gave " << gotUtf16;
        }
    }
    EXPECT_EQ(failures, 0);
    EXPECT_GT(ties, 5000);
    EXPECT_GT(overflows, 2000);
}

// toText is the canonical form, it reads back to the same decimal, and toDouble is the
// double nearest to the exact value (strtod rounds the exact text correctly).
TEST(Decimal96Conversion, ToTextAndToDouble) {
    Generator g(0x70D006);
    int failures = 0;
    for (int i = 0; i < kCasesPerOperation; ++i) {
        Decimal96 d = g.decimal();
        if (g.chance(30))  // coefficients below 2^53 at every scale
            d = Decimal96::fromParts(g.below(uint128(1) << g.uniform(1, 53)), g.uniform(0, kMaxScale),
                                     g.sign());
        const std::string text = canonicalText(d);
        const std::string got = d.toText().toStdString();
        if (got != text && ++failures <= 10)
            ADD_FAILURE() << "toText " << describe(d) << " gave " << got << ", expected " << text;
        const std::optional<Decimal96> back = Decimal96::fromText(std::string_view(got));
        if ((!back || !(*back == d) || shown(back) != text) && ++failures <= 10)
            ADD_FAILURE() << "fromText(toText(" << describe(d) << ")) gave " << shown(back);
        const double want = std::strtod(text.c_str(), nullptr);
        const double gotDouble = d.toDouble();
        if (gotDouble != want && ++failures <= 10)
            ADD_FAILURE() << "toDouble " << describe(d) << " gave " << std::hexfloat << gotDouble
                          << ", expected " << want << std::defaultfloat;
    }
    EXPECT_EQ(failures, 0);
}

double randomDouble(Generator& g) {
    const int kind = g.uniform(0, 99);
    if (kind < 30) return g.decimal().toDouble();
    if (kind < 55) {  // 17 random digits at a decimal exponent in and around the range
        std::string text = std::to_string(g.uniform(1, 9)) + ".";
        for (int i = 0; i < 16; ++i) text.push_back(char('0' + g.uniform(0, 9)));
        text += "e" + std::to_string(g.uniform(-34, 31));
        return (g.sign() ? -1 : 1) * std::strtod(text.c_str(), nullptr);
    }
    if (kind < 70) {  // any bit pattern
        double x;
        const std::uint64_t b = g.bits();
        std::memcpy(&x, &b, sizeof x);
        return x;
    }
    // Around the ends of the range and the ties of the smallest unit.
    static const double anchors[] = {7.92281625142643e28,
                                     7.92281625142644e28,
                                     7.922816251426434e28,
                                     5e-29,
                                     1.5e-28,
                                     2.5e-28,
                                     1e-28,
                                     4.99999999999999e-29,
                                     0.5,
                                     1.0,
                                     0.0};
    double x = anchors[g.uniform(0, int(std::size(anchors)) - 1)];
    for (int steps = g.uniform(-3, 3); steps != 0; steps += steps < 0 ? 1 : -1)
        x = std::nextafter(x, steps < 0 ? -INFINITY : INFINITY);
    return g.sign() ? -x : x;
}

TEST(Decimal96Conversion, FromDoubleIsTheDecimalOfFifteenDigits) {
    Generator g(0xD0B007);
    int failures = 0;
    for (int i = 0; i < kCasesPerOperation; ++i) {
        const double x = randomDouble(g);
        std::string want;
        char buffer[64];
        if (std::isfinite(x)) {
            std::snprintf(buffer, sizeof buffer, "%.15G", x);
            want = roundExact(exactOfText(buffer)).text;
        } else {
            std::snprintf(buffer, sizeof buffer, "%G", x);
            want = kEmpty;
        }
        const std::string got = shown(Decimal96::fromDouble(x));
        if (got != want && ++failures <= 10)
            ADD_FAILURE() << "fromDouble(" << buffer << ")\n  got      " << got << "\n  expected " << want;
    }
    EXPECT_EQ(failures, 0);
}

// ---------------------------------------------------------------------------------------
// Named cases.

Decimal96 dec(const char* text) {
    const std::optional<Decimal96> d = Decimal96::fromText(std::string_view(text));
    if (!d) throw std::invalid_argument(text);
    return *d;
}

const char* const kMax = "79228162514264337593543950335";
const char* const kE28 = "0.0000000000000000000000000001";  // the smallest unit

TEST(Decimal96Arithmetic, NamedCases) {
    struct Case {
        const char* a;
        char op;
        const char* b;
        const char* expected;  // nullptr: empty (overflow or division by zero)
    };
    const Case cases[] = {
        {"1", '/', "3", "0.3333333333333333333333333333"},
        {"2", '/', "3", "0.6666666666666666666666666667"},
        {"10", '/', "3", "3.3333333333333333333333333333"},
        {"-2", '/', "3", "-0.6666666666666666666666666667"},
        {kMax, '/', "10", "7922816251426433759354395033.5"},
        {kMax, '/', "100", "792281625142643375935439503.35"},
        {kMax, '*', "1", kMax},
        {kMax, '*', "-1", "-79228162514264337593543950335"},
        {kMax, '+', "1", nullptr},
        {kMax, '-', "-1", nullptr},
        {kMax, '+', "0.4", kMax},
        {kMax, '+', "0.5", nullptr},  // the tie rounds to the even 2^96, which does not fit
        {kMax, '-', "0.5", "79228162514264337593543950334"},
        {kMax, '*', "1.1", nullptr},
        {kMax, '/', "0.1", nullptr},
        {"1", '/', "0", nullptr},
        {"0", '/', "0", nullptr},
        {"0", '/', "7", "0"},
        {kE28, '*', "0.1", "0"},
        {kE28, '*', "0.5", "0"},  // 0.5E-28: a tie, to the even 0
        {kE28, '*', "1.5", "0.0000000000000000000000000002"},
        {kE28, '*', "2.5", "0.0000000000000000000000000002"},
        {kE28, '/', "2", "0"},
        {"0.0000000000000000000000000003", '/', "2", "0.0000000000000000000000000002"},
        {"1", '-', kE28, "0.9999999999999999999999999999"},
        {"7.9228162514264337593543950335", '+', "7.9228162514264337593543950335",
         "15.845632502852867518708790067"},
        {"10000000000000000000000000000", '+', "0.5", "10000000000000000000000000000"},
        {"10000000000000000000000000000", '+', "1.5", "10000000000000000000000000002"},
        {"10000000000000000000000000000", '+', "0.1", "10000000000000000000000000000"},
        // Rounded up to 2^96 at scale 28 (27), so one place further.
        {"0.0013842607235828485645766393", '*', "5723.5", "7.922816251426433759354395034"},
        {"79.228162514264337593543950335", '+', "0.0000000000000000000000000005",
         "79.22816251426433759354395034"},
        {"0.5", '+', "0.5", "1"},
        {"1.50", '-', "1.5", "0"},
        {"-0", '+', "-0", "0"},
    };
    for (const Case& c : cases) {
        const Decimal96 a = dec(c.a), b = dec(c.b);
        std::optional<Decimal96> r;
        switch (c.op) {
            case '+':
                r = add(a, b);
                break;
            case '-':
                r = subtract(a, b);
                break;
            case '*':
                r = multiply(a, b);
                break;
            default:
                r = divide(a, b);
                break;
        }
        EXPECT_EQ(shown(r), c.expected ? c.expected : kEmpty) << c.a << " " << c.op << " " << c.b;
    }
}

TEST(Decimal96Conversion, NamedTexts) {
    const std::pair<const char*, const char*> cases[] = {
        {"1E-28", "0.0000000000000000000000000001"},
        {"5E-29", "0"},
        {"1.5E-28", "0.0000000000000000000000000002"},
        {"2.5e-28", "0.0000000000000000000000000002"},
        {"79228162514264337593543950335", kMax},
        {"79228162514264337593543950336", nullptr},
        {"79228162514264337593543950335.5", nullptr},
        {"79228162514264337593543950334.5", "79228162514264337593543950334"},
        {"7.9228162514264337593543950335E28", kMax},
        {"0.079228162514264337593543950335", "0.0792281625142643375935439503"},
        {"-0", "0"},
        {"-0.000E5", "0"},
        {"  +1.50  ", "1.5"},
        {"1.2E+3", "1200"},
        {".5", "0.5"},
        {"5.", "5"},
        {"00012.3400e-2", "0.1234"},
        {"1E999999999999999999", nullptr},
        {"1E-999999999999999999", "0"},
        {"0E999999999999999999", "0"},
        {"", nullptr},
        {"   ", nullptr},
        {"+", nullptr},
        {".", nullptr},
        {"-.e1", nullptr},
        {"1e", nullptr},
        {"1e+", nullptr},
        {"1.2.3", nullptr},
        {"1 2", nullptr},
        {"--1", nullptr},
        {"e5", nullptr},
        {"1,5", nullptr},
        {"\t1", nullptr},
        {"1E2.5", nullptr},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(shown(Decimal96::fromText(std::string_view(text))), expected ? expected : kEmpty)
            << '"' << text << '"';

    EXPECT_EQ(Decimal96::fromParts(0, 7, true).toText(), QStringLiteral("0"));
    EXPECT_EQ(Decimal96(std::numeric_limits<std::int64_t>::min()).toText(),
              QStringLiteral("-9223372036854775808"));
    EXPECT_FALSE(Decimal96::fromDouble(INFINITY).has_value());
    EXPECT_FALSE(Decimal96::fromDouble(NAN).has_value());
    EXPECT_EQ(shown(Decimal96::fromDouble(0.1 + 0.2)), "0.3");
    EXPECT_EQ(dec(kMax).toDouble(), 79228162514264337593543950336.0);
}

int orderSign(std::strong_ordering o) {
    return o < 0 ? -1 : o > 0 ? 1 : 0;
}

TEST(Decimal96Comparison, ByValue) {
    EXPECT_EQ(dec("-0"), dec("0"));
    EXPECT_EQ(Decimal96::fromParts(0, 28, true), Decimal96(0));
    EXPECT_EQ(dec("1.50"), dec("1.5"));
    EXPECT_EQ(dec("1.5000000000000000000000000000"), dec("1.5"));
    EXPECT_EQ(dec("100"), Decimal96::fromParts(10000, 2, false));

    // Increasing values, each a different form.
    const Decimal96 ascending[] = {-dec(kMax),
                                   dec("-1.0000000000000000000000000001"),
                                   dec("-1"),
                                   dec("-0"),
                                   dec(kE28),
                                   dec("0.5"),
                                   dec("7.9228162514264337593543950335"),
                                   dec("79228162514264337593543950.335"),
                                   dec("79228162514264337593543950334"),
                                   dec(kMax)};
    for (std::size_t i = 0; i < std::size(ascending); ++i)
        for (std::size_t j = 0; j < std::size(ascending); ++j)
            EXPECT_EQ(orderSign(ascending[i] <=> ascending[j]), orderSign(i <=> j))
                << describe(ascending[i]) << " vs " << describe(ascending[j]);
}

}  // namespace
