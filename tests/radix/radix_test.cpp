// The radix conversions: the worked examples and edge rows as tables, the failure boxes
// with their radix words, and properties over random texts against exact integer
// arithmetic (Boost.Multiprecision).

#include "radix/radix.h"

#include "tests/support/journal_fixture.h"

#include <boost/multiprecision/cpp_int.hpp>

#include <random>
#include <string>

namespace cesuan {
namespace {

using boost::multiprecision::cpp_int;

class RadixTest : public JournalTest {};

struct TextCase {
    const char16_t* in;
    const char16_t* want;
};

// Expected texts: the worked examples of the routines, and rows derived by hand from the
// grouping rules (short fraction groups padded with zeros on the right, short zero groups
// writing nothing, leading zeros kept).
TEST_F(RadixTest, BinToHexGroupsFourBits) {
    const TextCase cases[] = {
        {u"11111111", u"FF"},
        {u"00001", u"01"},      // leading zeros are not removed
        {u"-101.1", u"-5.8"},
        {u".1", u".8"},         // no integer digits, no integer part
        {u"101.", u"5"},        // a trailing point writes no point
        {u"1.0001", u"1.1"},
        {u"1.10000", u"1.8"},   // the short zero group writes nothing
        {u"1.0", u"1."},        // a lone short zero group leaves the point alone
        {u"0.1", u"0.8"}, {u"0.01", u"0.4"}, {u"0.11", u"0.C"}, {u"0.101", u"0.A"},
        {u"0.111", u"0.E"}, {u"0.0000", u"0.0"}, {u"0.00001", u"0.08"},
        {u"1010101111001101", u"ABCD"},
        {u"", u"0"}, {u"   ", u"0"}, {u"x101", u"0"}, {u"101x", u"5"},
        {u"  -1  ", u"-1"}, {u"1-1", u"1"},  // "-" after the first place ends the walk
        {u"12", u"1"},
        {u"-", u"-"},                         // an empty magnitude keeps its sign
        {u"1..", u"1"},                        // no digit after the point: no fraction
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(q(c.in).toStdString());
        EXPECT_EQ(BinToHex(journal, q(c.in)), q(c.want));
    }
    EXPECT_TRUE(journal.notices.empty());
    EXPECT_EQ(journal.errorCount, 0);
}

TEST_F(RadixTest, BinToOctGroupsThreeBitsAfterDroppingOneLeadingTripleZero) {
    const TextCase cases[] = {
        {u"000111", u"7"},       // three zeros dropped
        {u"000000111", u"07"},   // once only
        {u"000000101", u"05"},
        {u"000.1", u"0.4"},      // not before a point
        {u"000", u"0"}, {u"-000", u"0"}, {u"-", u"0"},  // empty magnitude: "0" without sign
        {u"0000", u"0"}, {u"1010", u"12"}, {u"-11111111", u"-377"},
        {u"0.1", u"0.4"}, {u"0.10", u"0.4"}, {u"0.01", u"0.2"}, {u"0.11", u"0.6"},
        {u"0.0", u"0."}, {u"0.00", u"0."}, {u"0.000", u"0.0"}, {u"0.0001", u"0.04"},
        {u"101.", u"5"}, {u"", u"0"}, {u"x1", u"0"}, {u"11y", u"3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(q(c.in).toStdString());
        EXPECT_EQ(BinToOct(journal, q(c.in)), q(c.want));
    }
    EXPECT_TRUE(journal.notices.empty());
    EXPECT_EQ(journal.errorCount, 0);
}

TEST_F(RadixTest, HexAndOctDigitsBecomeFixedBitGroups) {
    const TextCase hex[] = {
        {u"ff", u"11111111"}, {u"-A.8", u"-1010.1000"}, {u"1", u"0001"}, {u"1F", u"00011111"},
        {u"0.8", u"0000.1000"}, {u"0", u"0000"}, {u" 5 ", u"0101"}, {u"1.", u"0001."},
        {u"g1", u"0"}, {u"1g", u"0001"}, {u"", u"0"}, {u"1-2", u"0001"},
    };
    for (const auto& c : hex) {
        SCOPED_TRACE(q(c.in).toStdString());
        EXPECT_EQ(HexToBin(journal, q(c.in)), q(c.want));
    }
    const TextCase oct[] = {
        {u"17", u"001111"}, {u"1a", u"001"},  // lower case ends the octal walk
        {u"-7.4", u"-111.100"}, {u"0", u"000"}, {u"x7", u"0"}, {u"", u"0"},
    };
    for (const auto& c : oct) {
        SCOPED_TRACE(q(c.in).toStdString());
        EXPECT_EQ(OctToBin(journal, q(c.in)), q(c.want));
    }
    EXPECT_TRUE(journal.notices.empty());
    EXPECT_EQ(journal.errorCount, 0);
}

TEST_F(RadixTest, BinToDecSumsPowersOfTwo) {
    const QString ones96(96, u'1');
    const TextCase cases[] = {
        {u"1010.01", u"10.25"},
        {u"-0", u"-0"},          // a negative zero keeps its sign
        {u"-", u"-0"},
        {u"1.1.1", u"1.625"},    // the second point counts as a zero digit
        {u"0.000000000000000000001", u"0.000000476837158203125"},  // 2^-21
        {u"  -1111  ", u"-15"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(q(c.in).toStdString());
        const CalcValue v = BinToDec(journal, q(c.in));
        EXPECT_EQ(v.text(), q(c.want));
    }
    // 2^96 - 1, the decimal maximum; a leading zero changes nothing.
    EXPECT_EQ(BinToDec(journal, ones96).text(), q(u"79228162514264337593543950335"));
    EXPECT_EQ(BinToDec(journal, u'0' + ones96).text(), q(u"79228162514264337593543950335"));
    // An empty accepted prefix gives the number 0.
    for (const char16_t* in : {u"", u"2", u"  ", u"a1"}) {
        const CalcValue v = BinToDec(journal, q(in));
        EXPECT_TRUE(v.isDecimal()) << q(in).toStdString();
        EXPECT_EQ(v.text(), q(u"0"));
    }
    EXPECT_TRUE(journal.notices.empty());
    EXPECT_EQ(journal.errorCount, 0);
}

// The weights come from PowerOf, which notes double fallbacks and lowers the reliable
// digits; the conversions leave every journal field but errorCount as it was.
TEST_F(RadixTest, ConversionsWriteOnlyTheErrorCount) {
    BinToDec(journal, q(u"0.") + QString(60, u'1'));
    DecToBin(journal, q(u"39614081257132168796771975168.25"));
    BinToDec(journal, QString(97, u'1'));  // fails
    EXPECT_EQ(journal.errorCount, 1);
    EXPECT_EQ(journal.doubleFallbackCount, 0);
    EXPECT_EQ(journal.reliableDigits, 29);
    EXPECT_TRUE(journal.messageLog.isEmpty());
    EXPECT_TRUE(journal.lastMessage.isEmpty());
}

TEST_F(RadixTest, DecToBinSubtractsPowersOfTwo) {
    const TextCase cases[] = {
        {u"10", u"1010"}, {u"-0.5", u"-0.1"}, {u"0", u"0"}, {u"-0", u"0"},
        {u"2.0000000000000000000000000001", u"10"},  // below the 92nd weight
        {u"+5", u"101"}, {u"005", u"101"}, {u"1E3", u"1111101000"}, {u" 0.75 ", u"0.11"},
        {u"-6.125", u"-110.001"},
        {u"0.0000000037252902984619140625", u"0.0000000000000000000000000001"},  // 2^-28
        {u"79228162514264337593543950335",
         u"111111111111111111111111111111111111111111111111111111111111111111111111111111111111111111111111"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(q(c.in).toStdString());
        EXPECT_EQ(DecToBin(journal, q(c.in)).text(), q(c.want));
    }
    // The 92nd and last weight is 2E-28 (the halved weights rounded to 28 places).
    const QString bit92 = q(u"0.") + QString(91, u'0') + u'1';
    EXPECT_EQ(DecToBin(journal, q(u"0.0000000000000000000000000002")).text(), bit92);
    EXPECT_EQ(DecToBin(journal, q(u"-0.0000000000000000000000000003")).text(), u'-' + bit92);
    // 0.1 = 0.000110011..., the repeating 0011 cut after 92 bits with the trailing zero gone.
    const QString tenth = DecToBin(journal, q(u"0.1")).text();
    EXPECT_TRUE(tenth.startsWith(q(u"0.0001100110011001100110011001100110011"))) << tenth.toStdString();
    EXPECT_LE(tenth.size(), 2 + 92);
    // A decimal and a double argument go through their text forms.
    EXPECT_EQ(DecToBin(journal, Decimal96(12)).text(), q(u"1100"));
    EXPECT_EQ(DecToBin(journal, 0.25).text(), q(u"0.01"));
    // An empty argument gives the number 0.
    const CalcValue empty = DecToBin(journal, q(u"   "));
    EXPECT_TRUE(empty.isDecimal());
    EXPECT_EQ(empty.text(), q(u"0"));
    EXPECT_TRUE(journal.notices.empty());
    EXPECT_EQ(journal.errorCount, 0);
}

// A failure shows the box with the trimmed argument and the two radix words, counts one
// error without writing a message into the journal, and returns "-1".
TEST_F(RadixTest, FailedConversionsShowTheirBoxAndReturnMinusOne) {
    using Conversion = QString (*)(CalcErrorJournal&, const QString&);
    struct Case {
        const char* name;
        Conversion convert;
        QString in;
        const char16_t* box;
    };
    const QString ones97(97, u'1');
    const Case cases[] = {
        {"BinToHex", BinToHex, q(u" 1.0.1 "),
         u"把数1.0.1由二进制转换为十六进制时，出现超出范围的错误！计算结果无效，请修改数据后再计算。"},
        {"BinToHex point in a full group", BinToHex, q(u"1.01.1"),
         u"把数1.01.1由二进制转换为十六进制时，出现超出范围的错误！计算结果无效，请修改数据后再计算。"},
        {"BinToOct", BinToOct, q(u"1.0.1"),
         u"把数1.0.1由二进制转换为八进制时，出现超出范围的错误！计算结果无效，请修改数据后再计算。"},
        {"HexToBin", HexToBin, q(u"a.b.c"),
         u"把数a.b.c由十六进制转换为二进制时，出现超出范围的错误！计算结果无效，请修改数据后再计算。"},
        {"OctToBin digit 8", OctToBin, q(u"18"),
         u"把数18由八进制转换为二进制时，出现超出范围的错误！计算结果无效，请修改数据后再计算。"},
        {"OctToBin letter", OctToBin, q(u"7F"),
         u"把数7F由八进制转换为二进制时，出现超出范围的错误！计算结果无效，请修改数据后再计算。"},
        {"OctToBin second point", OctToBin, q(u"1.2.3"),
         u"把数1.2.3由八进制转换为二进制时，出现超出范围的错误！计算结果无效，请修改数据后再计算。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ResetJournal(journal);
        journal.notices.clear();
        EXPECT_EQ(c.convert(journal, c.in), q(u"-1"));
        EXPECT_EQ(NoticeTexts(journal.notices), QStringList{q(c.box)});
        for (const Notice& n : journal.notices) EXPECT_EQ(n, InformationNotice(n.text)) << "an information box with OK";
        EXPECT_EQ(journal.errorCount, 1);
        EXPECT_TRUE(journal.messageLog.isEmpty());
    }

    ResetJournal(journal);
    journal.notices.clear();
    EXPECT_EQ(BinToDec(journal, ones97).text(), q(u"-1"));  // 2^96 leaves the decimal range
    EXPECT_EQ(NoticeTexts(journal.notices), QStringList{q(u"把数") + ones97 +
                                     q(u"由二进制转换为十进制时，出现超出范围的错误！计算结果无效，请修改数据后再计算。")});
    EXPECT_EQ(journal.errorCount, 1);

    for (const char16_t* in : {u"abc", u"1E30", u"1.2.3"}) {
        SCOPED_TRACE(q(in).toStdString());
        ResetJournal(journal);
        journal.notices.clear();
        EXPECT_EQ(DecToBin(journal, q(in)).text(), q(u"-1"));
        EXPECT_EQ(NoticeTexts(journal.notices), QStringList{q(u"把数") + q(in) +
                                         q(u"由十进制转换为二进制时，出现超出范围的错误！计算结果无效，请修改数据后再计算。")});
        EXPECT_EQ(journal.errorCount, 1);
        EXPECT_TRUE(journal.messageLog.isEmpty());
    }
}

TEST_F(RadixTest, BinaryNotInvertsDigitsAndTogglesSign) {
    const TextCase cases[] = {
        {u"5", u"-2"},    // 101 -> -010
        {u"-5", u"2"},    // -101 -> 010
        {u"0", u"-1"},
        {u"1", u"-0"},
        {u"2.5", u"-1"},  // 10.1 -> -01.0
        {u"-0.25", u"1.5"},   // -0.01 -> 1.10
        {u"79228162514264337593543950335", u"-0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(q(c.in).toStdString());
        EXPECT_EQ(BinaryNot(journal, q(c.in)).text(), q(c.want));
    }
    EXPECT_EQ(journal.errorCount, 0);

    // A number DecToBin cannot read: its box and error, then the NOT of its "-1", which is 0.
    EXPECT_EQ(BinaryNot(journal, q(u"abc")).text(), q(u"0"));
    EXPECT_EQ(NoticeTexts(journal.notices), QStringList{q(u"把数abc由十进制转换为二进制时，出现超出范围的错误！计算结果无效，请修改数据后再计算。")});
    EXPECT_EQ(journal.errorCount, 1);
    ResetJournal(journal);
    journal.notices.clear();

    // An empty argument: "-1", one error, no box.
    EXPECT_EQ(BinaryNot(journal, q(u"  ")).text(), q(u"-1"));
    EXPECT_EQ(journal.errorCount, 1);
    EXPECT_TRUE(journal.notices.empty());
    EXPECT_TRUE(journal.messageLog.isEmpty());
}

TEST_F(RadixTest, CountersReadTheTextBeforeItsExponent) {
    struct Case {
        const char16_t* in;
        int minus, points, digits;
    };
    const Case cases[] = {
        {u"-1e-5", 1, 0, 1},       // the minus after e is not counted
        {u"1.5E.2", 0, 1, 2},
        {u"-00012.50", 1, 1, 7},   // leading zeros count as digits
        {u"1E+20", 0, 0, 1},
        {u"A1", 0, 0, 0},
        {u"  --1..2  ", 2, 2, 2},
        {u"1 2 3", 0, 0, 3},       // blanks do not end the digit walk
        {u"", 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(q(c.in).toStdString());
        EXPECT_EQ(CountMinusSigns(journal, q(c.in)), c.minus);
        EXPECT_EQ(CountPoints(journal, q(c.in)), c.points);
        EXPECT_EQ(DigitCharCount(journal, q(c.in)), c.digits);
    }
    EXPECT_EQ(journal.errorCount, 0);
}

TEST_F(RadixTest, StripLeadingMinusDropsOneMinusOfTheTrimmedText) {
    const TextCase cases[] = {
        {u" -5 ", u"5"}, {u"- 5", u" 5"}, {u"--5", u"-5"}, {u"5-", u"5-"}, {u"", u""},
    };
    for (const auto& c : cases) EXPECT_EQ(StripLeadingMinus(q(c.in)), q(c.want)) << q(c.in).toStdString();
}

// ---- Properties over random inputs against exact integer arithmetic ----

cpp_int pow10(int n) {
    cpp_int p = 1;
    for (int i = 0; i < n; ++i) p *= 10;
    return p;
}

// A random binary text: optional sign, 1..60 integer digits, optionally a point and up to
// 60 fraction digits.
QString randomBinary(std::mt19937_64& rng) {
    std::uniform_int_distribution<int> length(1, 60), bit(0, 1);
    QString s;
    if (bit(rng)) s += u'-';
    for (int i = length(rng); i > 0; --i) s += bit(rng) ? u'1' : u'0';
    if (bit(rng)) {
        s += u'.';
        for (int i = length(rng) - 1; i > 0; --i) s += bit(rng) ? u'1' : u'0';
    }
    return s;
}

// The exact value of a signed binary text, scaled by 2^denominatorBits.
struct BinaryValue {
    bool negative = false;
    cpp_int scaled;  // value * 2^fractionBits
    int fractionBits = 0;
    bool operator==(const BinaryValue& o) const {
        if (negative != o.negative) return false;
        const int bits = std::max(fractionBits, o.fractionBits);
        return (scaled << (bits - fractionBits)) == (o.scaled << (bits - o.fractionBits));
    }
};

BinaryValue readBinary(const QString& text, int bitsPerDigit = 1) {
    BinaryValue v;
    v.negative = text.startsWith(u'-');
    bool fraction = false;
    for (const QChar c : v.negative ? text.mid(1) : text) {
        if (c == u'.') {
            fraction = true;
            continue;
        }
        const int d = c.isDigit() ? c.digitValue() : c.unicode() - u'A' + 10;
        v.scaled = (v.scaled << bitsPerDigit) + d;
        if (fraction) v.fractionBits += bitsPerDigit;
    }
    return v;
}

TEST_F(RadixTest, HexAndOctTextsRoundTripToTheSameBinaryValue) {
    std::mt19937_64 rng(20261210);
    for (int i = 0; i < 2000; ++i) {
        const QString b = randomBinary(rng);
        SCOPED_TRACE(b.toStdString());
        const BinaryValue exact = readBinary(b);
        const QString integer = b.section(u'.', 0, 0).remove(u'-');

        const QString hex = BinToHex(journal, b);
        EXPECT_EQ(readBinary(hex, 4), exact) << hex.toStdString();
        EXPECT_EQ(hex.section(u'.', 0, 0).remove(u'-').size(), (integer.size() + 3) / 4);
        EXPECT_EQ(readBinary(HexToBin(journal, hex)), exact);

        const QString oct = BinToOct(journal, b);
        EXPECT_EQ(readBinary(oct, 3), exact) << oct.toStdString();
        EXPECT_EQ(readBinary(OctToBin(journal, oct)), exact);
    }
    EXPECT_EQ(journal.errorCount, 0);
}

// Every decimal with up to 28 places: the integer bits are the exact binary digits; the
// fraction bits are the greedy bits over the weights 2^-j halved in decimal and rounded to
// 28 places half to even (modelled here in units of 1e-28), and their first 64 agree with
// the exact binary expansion.
TEST_F(RadixTest, DecToBinMatchesExactBinaryExpansion) {
    std::mt19937_64 rng(7);
    std::uniform_int_distribution<int> scaleOf(0, 28), shiftOf(0, 95), bit(0, 1);
    const cpp_int unit = pow10(28);
    for (int i = 0; i < 400; ++i) {
        cpp_int coefficient = (cpp_int(rng()) << 32) | cpp_int(rng() >> 32);
        coefficient >>= shiftOf(rng);
        const int scale = scaleOf(rng);
        const bool negative = bit(rng) && coefficient != 0;
        std::string digits = coefficient.str();
        if (int(digits.size()) <= scale) digits.insert(0, scale + 1 - digits.size(), '0');
        if (scale > 0) digits.insert(digits.size() - scale, ".");
        const QString text = QString::fromStdString((negative ? "-" : "") + digits);
        SCOPED_TRACE(text.toStdString());

        const cpp_int integerPart = coefficient / pow10(scale);
        cpp_int rest = (coefficient % pow10(scale)) * pow10(28 - scale);  // units of 1e-28
        QString want = integerPart == 0 ? q(u"0") : QString::fromStdString([&] {
            std::string s;
            for (cpp_int n = integerPart; n != 0; n >>= 1) s.insert(s.begin(), n & 1 ? '1' : '0');
            return s;
        }());
        if (rest != 0) {
            QString bits, exactBits;
            cpp_int weight = unit;
            for (int j = 1; j <= 92; ++j) {
                const bool odd = (weight & 1) != 0;
                weight >>= 1;
                if (odd && (weight & 1) != 0) weight += 1;  // a half goes to the even neighbour
                if (rest >= weight) {
                    rest -= weight;
                    bits += u'1';
                } else {
                    bits += u'0';
                }
            }
            const cpp_int fraction = (coefficient % pow10(scale)) * pow10(28 - scale);
            for (int j = 1; j <= 64; ++j) exactBits += ((fraction << j) / unit) % 2 != 0 ? u'1' : u'0';
            EXPECT_EQ(bits.left(64), exactBits);
            while (bits.endsWith(u'0')) bits.chop(1);
            if (!bits.isEmpty()) want += u'.' + bits;
        }
        if (negative) want.prepend(u'-');
        EXPECT_EQ(DecToBin(journal, text).text(), want);
    }
    EXPECT_EQ(journal.errorCount, 0);
}

// Binary texts whose value a decimal holds exactly (integers up to 96 bits; up to 20
// integer and 21 fraction bits, where the weights 0.5^k still have 15 significant digits)
// convert to their exact decimal text, and integers come back through DecToBin.
TEST_F(RadixTest, BinToDecIsExactWhereTheDecimalHoldsTheValue) {
    std::mt19937_64 rng(11);
    std::uniform_int_distribution<int> bit(0, 1), integerBits(1, 96), shortBits(0, 20),
        fractionBits(1, 21);
    for (int i = 0; i < 600; ++i) {
        const bool withFraction = i % 2 != 0;
        QString b = bit(rng) ? q(u"-") : QString();
        const bool negative = !b.isEmpty();
        for (int n = withFraction ? shortBits(rng) : integerBits(rng); n > 0; --n) b += bit(rng) ? u'1' : u'0';
        if (withFraction) {
            b += u'.';
            for (int n = fractionBits(rng); n > 0; --n) b += bit(rng) ? u'1' : u'0';
        }
        SCOPED_TRACE(b.toStdString());
        const BinaryValue v = readBinary(b);
        // value = scaled / 2^f = scaled * 5^f / 10^f
        cpp_int five = 1;
        for (int k = 0; k < v.fractionBits; ++k) five *= 5;
        const cpp_int c = v.scaled * five;
        std::string digits = c.str();
        if (int(digits.size()) <= v.fractionBits) digits.insert(0, v.fractionBits + 1 - digits.size(), '0');
        if (v.fractionBits > 0) {
            const std::size_t point = digits.size() - std::size_t(v.fractionBits);
            digits = digits.substr(0, point) + '.' + digits.substr(point);
            while (digits.back() == '0') digits.pop_back();
            if (digits.back() == '.') digits.pop_back();
        }
        const QString want = QString::fromStdString((negative ? "-" : "") + digits);
        const QString got = BinToDec(journal, b).text();
        EXPECT_EQ(got, want);
        if (!withFraction && v.scaled != 0) {
            QString back = b;
            const qsizetype firstOne = back.indexOf(u'1');
            back.remove(negative ? 1 : 0, firstOne - (negative ? 1 : 0));  // leading zeros go
            EXPECT_EQ(DecToBin(journal, got).text(), back);
        }
    }
    EXPECT_EQ(journal.errorCount, 0);
}

}  // namespace
}  // namespace cesuan
