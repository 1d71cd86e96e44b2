// Wide numbers: the way into a decimal rounds as the decimal rules do, and texts come out
// with the digits asked for.

#include "engine/wide.h"

#include "tests/support/journal_fixture.h"

#include <random>

namespace cesuan {
namespace {

TEST(WideNumber, RoundsIntoADecimalAsTheDecimalRulesDo) {
    struct Case {
        const char *text, *decimal;
    };
    const Case cases[] = {
        {"0.33333333333333333333333333333333", "0.3333333333333333333333333333"},
        {"3.33333333333333333333333333333333", "3.3333333333333333333333333333"},
        {"0.66666666666666666666666666666666", "0.6666666666666666666666666667"},
        {"79228162514264337593543950335", "79228162514264337593543950335"},  // the largest
        {"12345678901234567890123456788.5", "12345678901234567890123456788"},  // half to even
        {"12345678901234567890123456789.5", "12345678901234567890123456790"},
        {"-0.00000000000000000000000000005", "0"},
        {"-0.00000000000000000000000000015", "-0.0000000000000000000000000002"},
        {"1E-40", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<Decimal96> d = WideNumber::fromText(QString::fromLatin1(c.text))->toDecimal();
        ASSERT_TRUE(d.has_value());
        EXPECT_EQ(d->toText(), QString::fromLatin1(c.decimal));
    }
    EXPECT_FALSE(WideNumber::fromText(u"79228162514264337593543950335.5")->toDecimal().has_value());
    EXPECT_FALSE(WideNumber::fromText(u"1E+29")->toDecimal().has_value());
    EXPECT_FALSE(WideNumber::fromText(u"1.2.3").has_value());
    EXPECT_FALSE(WideNumber::fromText(u"").has_value());
}

// A decimal quotient is the exact quotient rounded once by the decimal rules: the wide
// quotient rounded into a decimal must give the same digits.
TEST(WideNumber, QuotientsAgreeWithDecimalDivision) {
    std::mt19937_64 rng(20261211);
    for (int i = 0; i < 2000; ++i) {
        const auto draw = [&rng] {
            const uint128 c = ((uint128(rng()) << 64) | rng()) % (Decimal96::kMaxCoefficient / 7);
            return Decimal96::fromParts(c + 1, int(rng() % 29), rng() % 2 == 0);
        };
        const Decimal96 a = draw(), b = draw();
        const std::optional<Decimal96> q = divide(a, b);
        if (!q || q->isZero()) continue;
        const std::optional<Decimal96> w = (WideNumber(a) / WideNumber(b)).toDecimal();
        ASSERT_TRUE(w.has_value()) << a.toStdString() << " / " << b.toStdString();
        EXPECT_EQ(w->toText(), q->toText()) << a.toStdString() << " / " << b.toStdString();
        EXPECT_EQ(WideNumber(a).toDecimal()->toText(), a.toText());
    }
}

TEST(WideNumber, PlainTextWithTheDigitsAskedFor) {
    EXPECT_EQ(WideNumber::pi().toPlainText(30), u"3.14159265358979323846264338328");
    EXPECT_EQ((-WideNumber::pi() / PowerOfTen(5)).toPlainText(5), u"-0.000031416");
    EXPECT_EQ(PowerOfTen(20).toPlainText(3), u"100000000000000000000");
    EXPECT_EQ(WideNumber::fromText(u"45.3")->toPlainText(100), u"45.3");
    EXPECT_EQ(WideNumber().toPlainText(10), u"0");
}

}  // namespace
}  // namespace cesuan
