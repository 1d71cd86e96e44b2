#pragma once
// WideNumber: a binary floating-point number of 384 bits (about 115 significant digits),
// every operation rounded to nearest, on MPFR. Two uses: the few decimal routines that need
// more digits than 96 bits hold on the way to a decimal result (the reduction of a large
// angle by 2π, a power whose intermediate would lose significant digits), and the second,
// wide evaluation of a formula that tells how many digits of its decimal result are right.
// Its error stays some 80 digits below anything a decimal or a double can show.

#include "engine/decimal96.h"

#include <QString>

#include <mpfr.h>

#include <optional>

namespace cesuan {

class WideNumber {
public:
    static constexpr mpfr_prec_t kBits = 384;

    WideNumber();                       // 0
    explicit WideNumber(long value);
    explicit WideNumber(Decimal96 value);
    WideNumber(const WideNumber& other);
    WideNumber(WideNumber&& other) noexcept;
    WideNumber& operator=(const WideNumber& other);
    WideNumber& operator=(WideNumber&& other) noexcept;
    ~WideNumber();

    // A number text (sign, digits, point, exponent; blanks around) read to the nearest wide
    // number; empty when it is no number.
    static std::optional<WideNumber> fromText(QStringView text);
    static WideNumber pi();
    static WideNumber e();

    mpfr_ptr get() { return value_; }
    mpfr_srcptr get() const { return value_; }

    bool isZero() const { return mpfr_zero_p(value_) != 0; }
    bool isFinite() const { return mpfr_number_p(value_) != 0; }
    bool isInteger() const { return mpfr_integer_p(value_) != 0; }
    int sign() const { return mpfr_sgn(value_); }
    double toDouble() const { return mpfr_get_d(value_, MPFR_RNDN); }

    // The decimal by the decimal rules: rounded to the largest scale (at most 28) at which
    // the coefficient fits in 96 bits, halves to even; empty beyond the decimal range.
    std::optional<Decimal96> toDecimal() const;

    // The value with `digits` significant digits, rounded to nearest, without an exponent:
    // "-0.000123", "1234500", "0". Meant for values a decimal or a double can hold.
    QString toPlainText(int digits) const;

    friend WideNumber operator+(const WideNumber& a, const WideNumber& b);
    friend WideNumber operator-(const WideNumber& a, const WideNumber& b);
    friend WideNumber operator*(const WideNumber& a, const WideNumber& b);
    friend WideNumber operator/(const WideNumber& a, const WideNumber& b);
    WideNumber operator-() const;
    WideNumber abs() const;
    friend int compare(const WideNumber& a, const WideNumber& b) { return mpfr_cmp(a.value_, b.value_); }
    friend bool operator==(const WideNumber& a, const WideNumber& b) { return compare(a, b) == 0; }
    friend bool operator<(const WideNumber& a, const WideNumber& b) { return compare(a, b) < 0; }

private:
    mpfr_t value_;
};

// The functions the wide evaluation needs, each rounded to nearest.
WideNumber Apply(int (*function)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t), const WideNumber& x);
WideNumber Power(const WideNumber& x, const WideNumber& y);
WideNumber Remainder(const WideNumber& x, const WideNumber& y);  // x − trunc(x / y)·y
WideNumber Truncated(const WideNumber& x);                       // toward zero
WideNumber PowerOfTen(long exponent);

}  // namespace cesuan
