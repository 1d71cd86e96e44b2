#include "engine/wide.h"

#include <cstdlib>
#include <string>

namespace cesuan {
namespace {

// MPFR keeps constants (π, logarithms) in caches of each thread; a thread that computed
// with wide numbers frees its own when it ends.
struct CacheRelease {
    ~CacheRelease() { mpfr_free_cache2(MPFR_FREE_LOCAL_CACHE); }
};

void holdCacheRelease() {
    static thread_local CacheRelease release;
    (void)release;
}

}  // namespace

WideNumber::WideNumber() {
    holdCacheRelease();
    mpfr_init2(value_, kBits);
    mpfr_set_zero(value_, 1);
}

WideNumber::WideNumber(long value) {
    mpfr_init2(value_, kBits);
    mpfr_set_si(value_, value, MPFR_RNDN);
}

WideNumber::WideNumber(Decimal96 value) {
    mpfr_init2(value_, kBits);
    // The coefficient is exact in 96 bits, a word of 32 at a time; only the division by the
    // power of ten rounds.
    const uint128 c = value.coefficient();
    mpfr_set_zero(value_, 1);
    for (int word = 2; word >= 0; --word) {
        mpfr_mul_2ui(value_, value_, 32, MPFR_RNDN);
        mpfr_add_ui(value_, value_, std::uint32_t(c >> (32 * word)), MPFR_RNDN);
    }
    if (value.scale() > 0) {
        const WideNumber ten = PowerOfTen(value.scale());
        mpfr_div(value_, value_, ten.value_, MPFR_RNDN);
    }
    if (value.isNegative()) mpfr_neg(value_, value_, MPFR_RNDN);
}

WideNumber::WideNumber(const WideNumber& other) {
    mpfr_init2(value_, kBits);
    mpfr_set(value_, other.value_, MPFR_RNDN);
}

WideNumber::WideNumber(WideNumber&& other) noexcept {
    mpfr_init2(value_, kBits);
    mpfr_swap(value_, other.value_);
}

WideNumber& WideNumber::operator=(const WideNumber& other) {
    mpfr_set(value_, other.value_, MPFR_RNDN);
    return *this;
}

WideNumber& WideNumber::operator=(WideNumber&& other) noexcept {
    mpfr_swap(value_, other.value_);
    return *this;
}

WideNumber::~WideNumber() { mpfr_clear(value_); }

std::optional<WideNumber> WideNumber::fromText(QStringView text) {
    std::string s = text.trimmed().toLatin1().toStdString();
    if (s.empty() || s.find_first_not_of("0123456789+-.eE") != std::string::npos) return std::nullopt;
    // mpfr_strtofr reads "5." and ".5" but not a lone point or sign.
    if (s.find_first_of("0123456789") == std::string::npos) return std::nullopt;
    WideNumber w;
    char* end = nullptr;
    mpfr_strtofr(w.value_, s.c_str(), &end, 10, MPFR_RNDN);
    if (end != s.c_str() + s.size()) return std::nullopt;
    return w;
}

WideNumber WideNumber::pi() {
    WideNumber w;
    mpfr_const_pi(w.value_, MPFR_RNDN);
    return w;
}

WideNumber WideNumber::e() {
    WideNumber w(1L);
    mpfr_exp(w.value_, w.value_, MPFR_RNDN);
    return w;
}

std::optional<Decimal96> WideNumber::toDecimal() const {
    if (!isFinite()) return std::nullopt;
    if (isZero()) return Decimal96(0);
    WideNumber limit;
    mpfr_set_ui_2exp(limit.value_, 1, 96, MPFR_RNDN);  // 2^96: the first coefficient too large
    const WideNumber magnitude = abs();
    // The scale to try first: 28 for a value below 1, fewer as the integer part grows.
    const long exponent10 = long(mpfr_get_exp(magnitude.value_) * 0.30103);
    int scale = int(std::min<long>(28, std::max<long>(0, 28 - exponent10)));
    for (; scale >= 0; --scale) {
        WideNumber scaled = magnitude * PowerOfTen(scale);
        mpfr_rint(scaled.value_, scaled.value_, MPFR_RNDN);  // halves to even
        if (compare(scaled, limit) >= 0) continue;
        // A larger scale may fit too when the estimate was low.
        if (scale < 28) {
            WideNumber finer = magnitude * PowerOfTen(scale + 1);
            mpfr_rint(finer.value_, finer.value_, MPFR_RNDN);
            if (compare(finer, limit) < 0) {
                scaled = finer;
                ++scale;
            }
        }
        uint128 coefficient = 0;
        for (int word = 2; word >= 0; --word) {
            WideNumber part;
            mpfr_div_2ui(part.value_, scaled.value_, 32 * word, MPFR_RNDN);
            mpfr_rint_trunc(part.value_, part.value_, MPFR_RNDN);
            const std::uint32_t bits = std::uint32_t(mpfr_get_ui(part.value_, MPFR_RNDN));
            coefficient = (coefficient << 32) | bits;
            mpfr_mul_2ui(part.value_, part.value_, 32 * word, MPFR_RNDN);
            mpfr_sub(scaled.value_, scaled.value_, part.value_, MPFR_RNDN);
        }
        return Decimal96::fromParts(coefficient, scale, sign() < 0);
    }
    return std::nullopt;
}

QString WideNumber::toPlainText(int digits) const {
    if (isZero() || !isFinite()) return QStringLiteral("0");
    mpfr_exp_t exponent = 0;
    char* raw = mpfr_get_str(nullptr, &exponent, 10, std::size_t(digits), value_, MPFR_RNDN);
    std::string d = raw;
    mpfr_free_str(raw);
    const bool negative = !d.empty() && d[0] == '-';
    if (negative) d.erase(0, 1);
    // value = 0.d × 10^exponent
    std::string text;
    if (exponent <= 0) {
        text = "0." + std::string(std::size_t(-exponent), '0') + d;
    } else if (std::size_t(exponent) >= d.size()) {
        text = d + std::string(std::size_t(exponent) - d.size(), '0');
    } else {
        text = d.substr(0, std::size_t(exponent)) + "." + d.substr(std::size_t(exponent));
    }
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    return QString::fromLatin1((negative ? "-" : "") + text);
}

WideNumber operator+(const WideNumber& a, const WideNumber& b) {
    WideNumber r;
    mpfr_add(r.value_, a.value_, b.value_, MPFR_RNDN);
    return r;
}

WideNumber operator-(const WideNumber& a, const WideNumber& b) {
    WideNumber r;
    mpfr_sub(r.value_, a.value_, b.value_, MPFR_RNDN);
    return r;
}

WideNumber operator*(const WideNumber& a, const WideNumber& b) {
    WideNumber r;
    mpfr_mul(r.value_, a.value_, b.value_, MPFR_RNDN);
    return r;
}

WideNumber operator/(const WideNumber& a, const WideNumber& b) {
    WideNumber r;
    mpfr_div(r.value_, a.value_, b.value_, MPFR_RNDN);
    return r;
}

WideNumber WideNumber::operator-() const {
    WideNumber r;
    mpfr_neg(r.value_, value_, MPFR_RNDN);
    return r;
}

WideNumber WideNumber::abs() const {
    WideNumber r;
    mpfr_abs(r.value_, value_, MPFR_RNDN);
    return r;
}

WideNumber Apply(int (*function)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t), const WideNumber& x) {
    WideNumber r;
    function(r.get(), x.get(), MPFR_RNDN);
    return r;
}

WideNumber Power(const WideNumber& x, const WideNumber& y) {
    WideNumber r;
    mpfr_pow(r.get(), x.get(), y.get(), MPFR_RNDN);
    return r;
}

WideNumber Remainder(const WideNumber& x, const WideNumber& y) {
    WideNumber r;
    mpfr_fmod(r.get(), x.get(), y.get(), MPFR_RNDN);
    return r;
}

WideNumber Truncated(const WideNumber& x) {
    WideNumber r;
    mpfr_trunc(r.get(), x.get());
    return r;
}

WideNumber PowerOfTen(long exponent) {
    WideNumber r;
    mpfr_ui_pow_ui(r.get(), 10, (unsigned long)std::labs(exponent), MPFR_RNDN);
    if (exponent < 0) mpfr_ui_div(r.get(), 1, r.get(), MPFR_RNDN);
    return r;
}

}  // namespace cesuan
