#include "geodesy/coordinate_text.h"
#include "tests/support/journal_fixture.h"

#include <cstdint>
#include <iterator>
#include <limits>
#include <iomanip>
#include <random>

namespace cesuan {
namespace {

const QString kNoData = QStringLiteral("没有发现坐标数据！");

// Every test starts with the separator of a fresh screen.
class CoordinateTextTest : public testing::Test {
protected:
    QString separator = QStringLiteral(",");
    CoordinateBatch batch;
};

TEST(NormaliseCoordinateText, Replacements) {
    struct Case { const char16_t *in, *out; };
    const Case cases[] = {
        {u"", u""},
        {u"\r\nA01,1,2", u"\r\nA01,1,2"},  // a blank line in front is still a list
        {u"\t1,2", u"\t1,2"},
        {u" A", u" A"},
        {u"a\u3000\u3000b", u"a b"},
        {u"a  b   c          d", u"a b c d"},
        {u"―＋·．，＃＠＊＆／", u"-+..,#@*&/"},
        {u"１２Ｚ２、：", u"１２Ｚ２、："},  // full-width digits and letters stay
    };
    for (const Case& c : cases)
        EXPECT_EQ(NormaliseCoordinateText(q(c.in)), q(c.out)) << q(c.in).toStdString();
}

// The blank runs against the replacements done one after the other over the whole text
// (U+3000 to a blank, then five, four, three, two blanks to one), on every run length up to
// 40 and on random texts of blanks, U+3000, line ends and other characters.
TEST(NormaliseCoordinateText, BlankRunsAsSuccessiveReplacements) {
    const auto collapse = [](QString text) {
        for (int run = 5; run >= 2; --run) text.replace(QString(run, u' '), QStringLiteral(" "));
        return text;
    };
    const auto normalise = [&](QString text) {
        return collapse(text.replace(u'\u3000', u' ')).replace(u'，', u',').replace(u'．', u'.');
    };
    for (int length = 0; length <= 40; ++length) {
        const QString run = QStringLiteral("a") + QString(length, u' ') + QStringLiteral("b");
        EXPECT_EQ(NormaliseCoordinateText(run), normalise(run)) << length;
        EXPECT_EQ(CollapseBlankRuns(run), collapse(run)) << length;
    }
    const QString pool = q(u"   \u3000\u3000a1,，．\r\n\t");
    std::mt19937 random(11);
    for (int round = 0; round < 2000; ++round) {
        QString text;
        const int length = 1 + int(random() % 60);
        for (int i = 0; i < length; ++i) text += pool[qsizetype(random() % pool.size())];
        ASSERT_EQ(NormaliseCoordinateText(text), normalise(text)) << text.toStdString();
        ASSERT_EQ(CollapseBlankRuns(text), collapse(text)) << text.toStdString();
    }
}

TEST(LeadingNumberText, Examples) {
    struct Case { const char16_t *in, *out; };
    const Case cases[] = {
        {u"  -12.5m ", u"-12.5"},
        {u"E5", u""},  // "e5" walks to its end without a digit before the e, and is no number
        {u"1e3", u"1000"},
        {u"12abc", u"12"},
        {u"1E3x", u"1000"},
        {u"abc", u""},
        {u"", u""},
        {u"   ", u""},
        {u"+5", u"5"},
        {u".5", u"0.5"},
        {u"-0", u"0"},
        {u"1.2.3", u""},
        {u"5-", u""},
        {u"1e400", u""},  // overflows a double
        {u"0.1234567890123456789", u"0.123456789012346"},
        {u"39.4125536\r", u"39.4125536"},
        {u"１２", u""},  // full-width digits are not digits here
    };
    for (const Case& c : cases)
        EXPECT_EQ(LeadingNumberText(q(c.in)), q(c.out)) << q(c.in).toStdString();
}

TEST(FormatPicture, Examples) {
    struct Case { double value; const char16_t *picture, *out; };
    const Case cases[] = {
        {-3.5, u"00.00000000", u"-03.50000000"},
        {39.4125536, u"#######00.0000####", u"39.4125536"},
        {1, u"#######00.0000####", u"01.0000"},
        {117.50, u"#######00.0000####", u"117.5000"},
        {1.123456785, u"#######00.0000####", u"01.12345679"},
        {0.000000005, u"#######00.0000####", u"00.00000001"},
        {0.000000004, u"#######00.0000####", u"00.0000"},
        {23.441, u"#######00.000", u"23.441"},
        {4395570.26, u"0000000.000", u"4395570.260"},
        {20571909.4065, u"00000000.000", u"20571909.407"},
        {123456789.5, u"0000000.000", u"123456789.500"},  // the integer part is never cut
        {0, u"0000000.000", u"0000000.000"},
        {23.441, u"###0.000", u"23.441"},
        {0.5, u"###0.000", u"0.500"},
        {-0.0004, u"###0.000", u"0.000"},  // no sign on a value that shows as zero
        {-0.0005, u"###0.000", u"-0.001"},
        {2.675, u"0.00", u"2.68"},  // the typed decimal is rounded, not the binary 2.67499…
        {-2.675, u"0.00", u"-2.68"},
        {9.99999999995, u"00.0000####", u"10.0000"},
        {0.99995, u"0.0000", u"1.0000"},
        {1e20, u"0.0", u"100000000000000000000.0"},
        {1e-20, u"0.00", u"0.00"},
        {1.5, u"0", u"2"},
        {0.25, u"#.#", u".3"},
        {12.5, u"#", u"13"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatPicture(c.value, c.picture), q(c.out)) << c.value << " " << q(c.picture).toStdString();
    EXPECT_EQ(FormatPicture(std::numeric_limits<double>::infinity(), u"0.00"), u"INF");
}

// Against exact integer rounding: v = ±m / 10^k with at most 11 digits, rounded to p places.
TEST(FormatPicture, RoundsHalfAwayFromZeroLikeIntegers) {
    std::mt19937_64 random(20240613);
    std::uint64_t powers[19] = {1};
    for (int i = 1; i < 19; ++i) powers[i] = powers[i - 1] * 10;
    for (int round = 0; round < 20000; ++round) {
        const std::uint64_t m = random() % powers[10];
        const int k = int(random() % 10);
        const int p = int(random() % 9);
        const bool negative = random() % 2;
        const double v = (negative ? -1.0 : 1.0) * double(m) / double(powers[k]);

        std::uint64_t n = m;
        if (p >= k) {
            n = m * powers[p - k];
        } else {
            n = m / powers[k - p];
            if (m % powers[k - p] * 2 >= powers[k - p]) ++n;
        }
        QString want = negative && n != 0 ? QStringLiteral("-") : QString();
        want += QString::number(n / powers[p]);
        if (p > 0) want += u'.' + QStringLiteral("%1").arg(n % powers[p], p, 10, QLatin1Char('0'));
        const QString picture = p > 0 ? QStringLiteral("0.") + QString(p, u'0') : QStringLiteral("0");
        ASSERT_EQ(FormatPicture(v, picture), want) << m << "e-" << k << " to " << p;
    }
}

// The integer path against the text of the digits, on values of every magnitude the lists
// and results hold and beyond, near halves and with long fractions, for every picture in use.
TEST(FormatPicture, IntegerPathMatchesTheDigitText) {
    const char16_t* pictures[] = {u"#######00.0000####", u"#######00.000", u"0000000.000", u"00000000.000",
                                  u"00.00000000",        u"000.00000000",  u"###0.000",    u"0.00",
                                  u"#.#",                u"0",             u"#"};
    std::mt19937_64 random(20261211);
    std::uniform_real_distribution<double> unit(0, 1);
    long compared = 0;
    for (int round = 0; round < 200000; ++round) {
        const int magnitude = int(random() % 40) - 20;
        double v = unit(random) * std::pow(10.0, magnitude);
        if (round % 3 == 0) v = std::round(v * 1e6) / 1e6 + 5e-7 * double(random() % 3);  // near a half
        if (random() % 2) v = -v;
        if (round % 97 == 0) v = double(std::int64_t(random() % 1000000000)) / 1000;
        for (const char16_t* picture : pictures) {
            ++compared;
            ASSERT_EQ(FormatPicture(v, q(picture)), textual::FormatPicture(v, q(picture)))
                << std::setprecision(17) << v << " " << q(picture).toStdString();
        }
    }
    for (double v : {0.0, -0.0, 1e15, 999999999999999.9, 1e-8, 9.9999999999999e-9, 1.7976931348623157e308,
                     4.9e-324, std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN()})
        for (const char16_t* picture : pictures)
            EXPECT_EQ(FormatPicture(v, q(picture)), textual::FormatPicture(v, q(picture))) << v;
    EXPECT_GT(compared, 2000000);
}

// The example list of the screen's help: headings and remarks dropped, serials padded to four
// cells (Ｚ is two), the line without serial numbered by its point.
TEST_F(CoordinateTextTest, ParsesTheExampleList) {
    const QString cleaned = ParseCoordinateText(q(u"A01 , 39.4125536 , 117.5017873 , 23.441\r\n"
                                                  u"Ｚ2 , 39.4041 , 117.4814 , 19.838\r\n"
                                                  u"39.4053387 , 117.4815132 , 19.851\r\n"
                                                  u"示例提示:"), separator,
                                                kCoordinatePointLimit, batch);
    EXPECT_EQ(cleaned, q(u"A01  , 39.4125536 , 117.5017873 , 23.441\r\n"
                         u"Ｚ2  , 39.4041 , 117.4814 , 19.838\r\n"
                         u"D003 , 39.4053387 , 117.4815132 , 19.851\r\n"));
    ASSERT_EQ(batch.count(), 3);
    EXPECT_EQ(batch.points[0].serial, u"A01 ");  // as cut, untrimmed
    EXPECT_EQ(batch.points[1].serial, u"Ｚ2 ");
    EXPECT_EQ(batch.points[2].serial, u"D003");
    EXPECT_EQ(batch.points[0].col1, 39.4125536);
    EXPECT_EQ(batch.points[0].col2, 117.5017873);
    EXPECT_EQ(batch.points[0].col3, 23.441);
    EXPECT_EQ(batch.points[2].col3, 19.851);
}

TEST_F(CoordinateTextTest, DataLinesAndFields) {
    struct Case { const char16_t *in, *out; };
    const Case cases[] = {
        {u"1 , 2", u"D001 , 01.0000 , 02.0000\r\n"},  // two number characters, one separator
        {u"P1 , abc , 117.5", nullptr},                // no first number
        {u"A , 1", nullptr},                           // no second number
        {u"A01，39.41，117.50", u"A01  , 39.4100 , 117.5000\r\n"},
        {u"", nullptr},
        {u"  \r\n  ", nullptr},
        {u"示例提示:", nullptr},
        {u"a,b,c,12", nullptr},  // fewer number characters than separators
        {u"A,1,2,x9", u"A    , 01.0000 , 02.0000\r\n"},  // an unreadable height is no height
        {u"A,1,2,x", nullptr},                                // three separators, two number characters
        {u"A,1,2,0", u"A    , 01.0000 , 02.0000 , 00.000\r\n"},
        {u"A,1,2,3,4", u"A    , 01.0000 , 02.0000 , 03.000\r\n"},  // the fifth field is ignored
        {u"测试点1 , 1 , 2", u"测试点1 , 01.0000 , 02.0000\r\n"},  // wider than four cells
        {u"-1.5 , +2e3m , 1.234567895", u"D001 , -01.5000 , 2000.0000 , 01.235\r\n"},
        {u"1.123456785,0.000000005", u"D001 , 01.12345679 , 00.00000001\r\n"},
        {u"x\r1,2\r3,4", u"D001 , 01.0000 , 02.0000\r\nD002 , 03.0000 , 04.0000\r\n"},  // lone CRs
        {u"1,2\n3,4", u"D001 , 01.0000 , 02.0000 , 04.000\r\n"},  // a lone LF ends no line
        {u"1,2\r\nA,abc,1\r\n3,4", u"D001 , 01.0000 , 02.0000\r\nD002 , 03.0000 , 04.0000\r\n"},
        {u"\r\n1,2", u"D001 , 01.0000 , 02.0000\r\n"},  // a blank line in front of the list
        {u"   1,2   \r\n", u"D001 , 01.0000 , 02.0000\r\n"},
        {u"序号,X纬度,Y经度\r\n", nullptr},
        {u"1,2   \r\n   3,4", u"D001 , 01.0000 , 02.0000\r\nD002 , 03.0000 , 04.0000\r\n"},
        {u"A  \u3000 1 ,  2", nullptr},  // the blanks become one: the serial is "A 1 "
        {u"A,\u3000\u30001\u3000,2", u"A    , 01.0000 , 02.0000\r\n"},
        {u"A,1.7976931348623157e308,2", u"A    , 00.0000 , 02.0000\r\n"},  // its text form lies beyond
        {u"B,1e-320,117.5,1e-300", u"B    , 00.0000 , 117.5000 , 00.000\r\n"},
    };
    for (const Case& c : cases) {
        const QString cleaned = ParseCoordinateText(q(c.in), separator, kCoordinatePointLimit, batch);
        EXPECT_EQ(cleaned, c.out ? q(c.out) : kNoData) << q(c.in).toStdString();
        EXPECT_EQ(batch.count(), c.out ? int(q(c.out).count(u'\r')) : 0) << q(c.in).toStdString();
    }
}

TEST_F(CoordinateTextTest, Separators) {
    struct Case { const char16_t *separator, *in, *out; };
    const Case cases[] = {
        {u"*", u"A*1*2", u"A    * 01.0000 * 02.0000\r\n"},
        {u"*", u"A,1,2", nullptr},
        {u"ab", u"A,1,2", u"A    , 01.0000 , 02.0000\r\n"},  // not one character: ","
        {u"", u"A,1,2", u"A    , 01.0000 , 02.0000\r\n"},
        {u"\u0001", u"A,1,2", u"A    , 01.0000 , 02.0000\r\n"},
        {u"\t", u"A\t1\t2", u"A    \t 01.0000 \t 02.0000\r\n"},  // the tab is taken as it is
        {u" ", u"A 1  2", u"A      01.0000   02.0000\r\n"},
    };
    for (const Case& c : cases) {
        separator = q(c.separator);
        EXPECT_EQ(ParseCoordinateText(q(c.in), separator, kCoordinatePointLimit, batch), c.out ? q(c.out) : kNoData)
            << q(c.separator).toStdString() << " " << q(c.in).toStdString();
    }
}

TEST_F(CoordinateTextTest, StopsAtTheLimit) {
    QString text;
    for (int i = 1; i <= 250; ++i) text += QStringLiteral("P%1,%1,2\r\n").arg(i);
    const QString cleaned = ParseCoordinateText(text, separator, kCoordinatePointLimit, batch);
    ASSERT_EQ(batch.count(), 200);
    EXPECT_EQ(batch.points.back().serial, u"P200");
    EXPECT_EQ(cleaned.count(u'\r'), 200);
    EXPECT_TRUE(cleaned.endsWith(q(u"P200 , 200.0000 , 02.0000\r\n")));

    EXPECT_EQ(ParseCoordinateText(text, separator, 1, batch), q(u"P1   , 01.0000 , 02.0000\r\n"));
    EXPECT_EQ(ParseCoordinateText(text, separator, 0, batch), kNoData);
    EXPECT_EQ(batch.count(), 0);

    // Generated serials keep three digits at least.
    QString plain;
    for (int i = 0; i < 1000; ++i) plain += QStringLiteral("1,2\r\n");
    ParseCoordinateText(plain, separator, 1000, batch);
    EXPECT_EQ(batch.points[98].serial, u"D099");
    EXPECT_EQ(batch.points[999].serial, u"D1000");
}

// The screen's start text, converted to 6-degree zones with the serial column on: the column
// is four cells for the generated serial "D004". X and Y are the grid values the screen shows
// for the first point.
TEST_F(CoordinateTextTest, ResultLinesOfTheStartText) {
    ParseCoordinateText(q(u"A01 , 39.4125536 , 117.5017873 , 23.441\r\n"
                          u"Ｚ2 , 39.4041 , 117.4814 , 19.838\r\n"
                          u"例3 , 39.4053387 , 117.4815132 , 19.851\r\n"
                          u"39.4053387 , 117.4815132 , 19.851\r\n"
                          u"\r\n"
                          u"示例提示:\r\n"
                          u"  序号  X纬度(北)  Y经度(东)  Z高程(H)\r\n"
                          u"    "), separator,
                        kCoordinatePointLimit, batch);
    ASSERT_EQ(batch.count(), 4);
    EXPECT_EQ(batch.points[3].serial, u"D004");

    CoordinateResultLayout layout{CoordinateResultKind::Zone6, true, SerialColumnWidth(batch), false};
    EXPECT_EQ(layout.serialWidth, 4);
    EXPECT_EQ(CoordinateResultLine(layout, batch.points[0].serial, 4395570.26, 20571909.407, 23.441, QString()),
              q(u"A01  , 4395570.260 , 20571909.407 , 23.441 \r\n"));
    layout.serialOutput = false;
    EXPECT_EQ(CoordinateResultLine(layout, batch.points[0].serial, 4395570.26, 20571909.407, 23.441, QString()),
              q(u"4395570.260 , 20571909.407 , 23.441 \r\n"));
}

TEST(CoordinateResultLine, Columns) {
    using K = CoordinateResultKind;
    struct Case { CoordinateResultLayout layout; const char16_t* serial; double north, east, height; const char16_t *message, *out; };
    const Case cases[] = {
        {{K::Zone3, true, 6, false}, u" Ｚ2 ", 3000000, 39500000.0004, 0, u"", u"Ｚ2    , 3000000.000 , 39500000.000 \r\n"},
        {{K::Zone3, true, 6, true}, u"A", 12.5, 500000, -7, u"", u"A      , 00500000.000 , 0000012.500 , -7.000 \r\n"},
        {{K::Zone1p5, true, 2, false}, u"长序号", 1, 2, 0.0001, u"", u"长序号 , 0000001.000 , 00000002.000 , 0.000 \r\n"},
        {{K::Geodetic, false, 4, false}, u"A", 39.4125536, 117.5017873, 0, u"……跨带 117度", u"39.41255360 , 117.50178730……跨带 117度 \r\n"},
        {{K::Geodetic, false, 4, true}, u"A", -3.5, 5, 1234.5678, u"", u"005.00000000 , -03.50000000 , 1234.568 \r\n"},
        {{K::Zone6, true, 4, false}, u"A", 1, 2, -0.0, u"", u"A    , 0000001.000 , 00000002.000 \r\n"},
        {{K::Zone6, true, 4, false}, u"A", 1, 2, 1e-300, u"", u"A    , 0000001.000 , 00000002.000 , 0.000 \r\n"},
        {{K::Zone6, true, 4, false}, u"A", 0, 0, 0, u"错误?原始六度带坐标 0 0 超出常规范围!",
         u"A    , 0000000.000 , 00000000.000错误?原始六度带坐标 0 0 超出常规范围! \r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CoordinateResultLine(c.layout, q(c.serial), c.north, c.east, c.height, q(c.message)), q(c.out))
            << q(c.out).toStdString();

    // A converted point in data order: col1, col2 are north, east (XYZ) or east, north (YXZ).
    const CoordinatePoint point{QStringLiteral("B"), 117.5, 39.25, 10};
    const CoordinateResultLayout yxz{K::Geodetic, true, 1, true};
    EXPECT_EQ(CoordinateResultLine(yxz, point, QString()), q(u"B , 117.50000000 , 39.25000000 , 10.000 \r\n"));
}

TEST(CoordinateResultBlock, HeadersAndBlock) {
    EXPECT_EQ(CoordinateResultHeader(CoordinateResultKind::Zone6, q(u"北京")),
              q(u"﹌﹌﹌以下为６度带北京系公里网坐标……单位【米】﹌﹌﹌"));
    EXPECT_EQ(CoordinateResultHeader(CoordinateResultKind::Zone3, q(u"西安")),
              q(u"﹌﹌﹌以下为３度带西安系公里网坐标……单位【米】﹌﹌﹌"));
    EXPECT_EQ(CoordinateResultHeader(CoordinateResultKind::Zone1p5, q(u"WGS")),
              q(u"﹌﹌﹌以下为１.５度带WGS系公里网坐标……单位【米】﹌﹌﹌"));
    EXPECT_EQ(CoordinateResultHeader(CoordinateResultKind::Geodetic, q(u"北京")),
              q(u"●●●以下坐标为经纬度……度.分秒格式●●●"));

    EXPECT_EQ(CoordinateResultBlock(q(u"H"), q(u"a \r\nb \r\n"), q(u"旧的成果")), q(u"H\r\na \r\nb \r\n\r\n旧的成果"));
    // Built in place, the same block.
    QString block = CoordinateResultBlockStart(q(u"H"));
    block += q(u"a \r\nb \r\n");
    FinishCoordinateResultBlock(block, q(u"旧的成果"));
    EXPECT_EQ(block, q(u"H\r\na \r\nb \r\n\r\n旧的成果"));

    QString input = q(u"D001 , 01.0000 , 02.0000\r\n");
    AppendCoordinateRemark(input, q(u"备注∴原始数据按经度在前 Y X Z 型处理∴"));
    AppendCoordinateRemark(input, q(u"备注∴原始数据的经度大于180度错误∴"));
    EXPECT_EQ(input, q(u"D001 , 01.0000 , 02.0000\r\n\r\n\r\n备注∴原始数据按经度在前 Y X Z 型处理∴"
                       u"\r\n\r\n备注∴原始数据的经度大于180度错误∴"));
}

// Random texts of separators, number characters, line ends, Chinese and full-width characters,
// surrogates and controls: no crash, the batch within the limit, the message exactly when empty.
TEST_F(CoordinateTextTest, SurvivesRandomTexts) {
    const QString pool = q(u"0123456789.+-eE,*\t \r\n\r\nA序号，．＋―·\u3000\U00020000Ｚ例") + QChar(0) + QChar(0xD800);
    std::mt19937 random(7);
    const QString separators[] = {QStringLiteral(","), QStringLiteral("*"), QStringLiteral("\t"), QStringLiteral(" "),
                                  QStringLiteral("-"), QStringLiteral("."), QString()};
    for (int round = 0; round < 3000; ++round) {
        separator = separators[random() % std::size(separators)];
        QString text;
        const int length = int(random() % 120);
        for (int i = 0; i < length; ++i) text += pool[qsizetype(random() % pool.size())];
        const int limit = int(random() % 5);
        const QString cleaned = ParseCoordinateText(text, separator, limit, batch);
        ASSERT_LE(batch.count(), limit);
        ASSERT_EQ(cleaned == kNoData, batch.count() == 0) << text.toStdString();
        if (batch.count() > 0) {
            ASSERT_EQ(cleaned.count(u'\r'), batch.count());
        }
        for (const CoordinatePoint& p : batch.points) {
            CoordinateResultLine({CoordinateResultKind::Geodetic, true, SerialColumnWidth(batch), false}, p, QString());
            CoordinateResultLine({CoordinateResultKind::Zone6, true, 0, true}, p, QString());
        }
    }
}

// Large texts in linear time: 100,000 heading lines before the points, and one long line.
TEST_F(CoordinateTextTest, LargeTexts) {
    QString text;
    for (int i = 0; i < 100000; ++i) text += QStringLiteral("示例提示:第%1行 a,b\r\n").arg(i);
    text += QStringLiteral("X,1,2\r\n");
    EXPECT_EQ(ParseCoordinateText(text, separator, kCoordinatePointLimit, batch), q(u"X    , 01.0000 , 02.0000\r\n"));

    // 200,000 points, every line with runs of blanks, U+3000 and full-width commas to clean,
    // and all three line ends.
    const QString lineEnds[] = {QStringLiteral("\r\n"), QStringLiteral("\r"), QStringLiteral("\r\n")};
    QString points;
    for (int i = 1; i <= 200000; ++i)
        points += QStringLiteral("P%1  \u3000 ，%2.5  ,   117.25，%3").arg(i).arg(i % 90).arg(i % 7) + lineEnds[i % 3];
    const QString cleaned = ParseCoordinateText(points, separator, 1000000, batch);
    ASSERT_EQ(batch.count(), 200000);
    EXPECT_EQ(cleaned.count(u'\r'), 200000);
    EXPECT_TRUE(cleaned.startsWith(q(u"P1   , 01.5000 , 117.2500 , 01.000\r\nP2   , 02.5000 , 117.2500 , 02.000\r\n")));
    EXPECT_TRUE(cleaned.endsWith(q(u"P200000 , 20.5000 , 117.2500 , 03.000\r\n")));
    EXPECT_EQ(batch.points[99999].serial, u"P100000 ");
    EXPECT_EQ(batch.points[99999].col1, 10.5);

    const QString longLine = QStringLiteral("1,") + QString(1000000, u'7') + QStringLiteral(",2") + QString(500000, u',');
    ParseCoordinateText(longLine, separator, kCoordinatePointLimit, batch);
    EXPECT_EQ(batch.count(), 0);  // the second number overflows a double
    EXPECT_EQ(LeadingNumberText(QString(1000000, u'5')), QString());
}

}  // namespace
}  // namespace cesuan

namespace cesuan {
namespace {

// A long text read in pieces on several threads gives what one pass gives: lines of every kind
// (serials or none, CR LF, lone CR and LF, blank runs, full-width characters, headings, lines
// that are no data) lie on every piece boundary the thread counts make, and limits end inside
// pieces.
TEST(CoordinateTextInPieces, SameAsOnePass) {
    std::mt19937 random(214);
    const char16_t* ends[] = {u"\r\n", u"\r", u"\n", u"\r\n\r\n"};
    QString text;
    for (int i = 0; text.size() < 400000; ++i) {
        switch (random() % 9) {
        case 0: text += QStringLiteral("%1,%2").arg(30 + random() % 10).arg(117 + random() % 3); break;
        case 1: text += QStringLiteral("点%1 ，  39.%2 ，117.%3，  12.5").arg(i).arg(random() % 5959).arg(random() % 5959); break;
        case 2: text += QStringLiteral("示例提示:"); break;
        case 3: text += QStringLiteral("     "); break;
        case 4: text += QStringLiteral("P%1\u3000,\u3000%2.5,%3").arg(i).arg(random() % 90).arg(random() % 180); break;
        default:
            text += QStringLiteral("A%1 , 39.%2 , 117.%3 , %4").arg(i).arg(random() % 595959).arg(random() % 595959).arg(random() % 900);
        }
        text += QString::fromUtf16(ends[random() % 4]);
    }
    for (const int limit : {1000000, 200, 7777}) {
        CoordinateBatch one;
        const QString cleaned = ParseCoordinateText(text, QStringLiteral(","), limit, one, 1);
        ASSERT_GT(one.count(), 100);
        for (const std::size_t threads : {2u, 3u, 5u, 8u}) {
            SCOPED_TRACE(testing::Message() << "limit " << limit << ", " << threads << " threads");
            CoordinateBatch many;
            EXPECT_EQ(ParseCoordinateText(text, QStringLiteral(","), limit, many, threads), cleaned);
            ASSERT_EQ(many.count(), one.count());
            for (int i = 0; i < one.count(); ++i) {
                const CoordinatePoint &a = one.points[std::size_t(i)], &b = many.points[std::size_t(i)];
                ASSERT_TRUE(a.serial == b.serial && a.col1 == b.col1 && a.col2 == b.col2 && a.col3 == b.col3 &&
                            a.hasHeight == b.hasHeight)
                    << "point " << i;
            }
        }
    }
}

}  // namespace
}  // namespace cesuan
