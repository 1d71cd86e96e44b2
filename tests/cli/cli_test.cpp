// cesuan-cli as a user runs it: arguments in, lines out, message boxes on standard error.

#include <gtest/gtest.h>

#include <cmath>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QStringList>

namespace {

struct Outcome {
    int exitCode = -1;
    QString out, err;
};

Outcome cli(const QStringList& arguments, const QByteArray& input = {}) {
    QProcess process;
    process.start(QStringLiteral(CESUAN_CLI), arguments);
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString lines(std::initializer_list<const char16_t*> items) {
    QString text;
    for (const char16_t* item : items) text += QString::fromUtf16(item) + u'\n';
    return text;
}

TEST(CliCalc, PrintsTheResultBoxWithoutAlignment) {
    const Outcome r = cli({QStringLiteral("calc"), QStringLiteral("1+2"), QString::fromUtf16(u"１加２乘三"),
                       QStringLiteral("1/0"), QStringLiteral("lg(2)+1.23456789012345678"), QStringLiteral("1e30*1e30")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, lines({u"3", u"7", u"1/0   除数为0错误！请修改算式后计算。", u"约数 1.53559788578743", u"1E+60"}));
}

TEST(CliCalc, SettingsForEveryFormula) {
    Outcome r = cli({QStringLiteral("calc"), QStringLiteral("--places"), QStringLiteral("2"), QStringLiteral("--unit"),
                 QStringLiteral("deg"), QStringLiteral("--var"), QString::fromUtf16(u"x=三点五"), QStringLiteral("x*2"),
                 QStringLiteral("1/3"), QStringLiteral("sin90"), QStringLiteral("sec90")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, lines({u"7", u"0.33", u"1", u"10000000000000000000000000000"}));
    EXPECT_EQ(r.err, lines({u"sec(x)为无穷大，采用近似计算....1E+28。"}));

    // Lines of standard input, with any line ends.
    r = cli({QStringLiteral("calc")}, QByteArray("1+1\r\n2*3\n5/2\r7"));
    EXPECT_EQ(r.out, lines({u"2", u"6", u"2.5", u"7"}));
}

TEST(CliCalc, Json) {
    const Outcome r = cli({QStringLiteral("calc"), QStringLiteral("--json"), QStringLiteral("--places"),
                       QStringLiteral("2"), QStringLiteral("1/3"), QStringLiteral("5+*3")});
    const QStringList objects = r.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(objects.size(), 2);
    EXPECT_EQ(objects[0],
              QString::fromUtf16(u"{\"approximate\":false,\"errorCount\":0,\"formula\":\" 1 / 3 \",\"reliableDigits\":29,\"result\":\"") +
                  QString(29, u' ') +
                  QString::fromUtf16(u"0.33\",\"status\":\"\u3000\u3000请在重要计算时仔细核对运算成果，多次运算后尾部采用近似值表示。"
                                     u"如有计算错误，给您带来不便请谅解，本人不承担法律责任。\"}"));
    EXPECT_TRUE(objects[1].contains(u"\"errorCount\":2")) << objects[1].toStdString();
    EXPECT_TRUE(objects[1].contains(u"\"result\":\" 算式中存在多个运算符相临的错误，请修改算式。\""));

    // The digits the 约数 cut used: (1/3)^20·3^20 is 0.99999999999999999988… in decimals,
    // an honest 18 digits of 1.
    const Outcome cut = cli({QStringLiteral("calc"), QStringLiteral("--json"), QStringLiteral("--places"),
                             QStringLiteral("28"), QStringLiteral("(1/3)^20*3^20")});
    EXPECT_TRUE(cut.out.contains(u"\"approximate\":true")) << cut.out.toStdString();
    EXPECT_TRUE(cut.out.contains(u"\"reliableDigits\":18")) << cut.out.toStdString();
    EXPECT_TRUE(cut.out.contains(u"可能从第19位有效数字后")) << cut.out.toStdString();
}

TEST(CliAngle, ConvertsAsTheAngleScreen) {
    Outcome r = cli({QStringLiteral("angle"), QStringLiteral("--from"), QStringLiteral("deg"), QStringLiteral("--to"),
                 QStringLiteral("rad"), QStringLiteral("180"), QStringLiteral("90")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, lines({u"3.141592653589793238462643386", u"1.570796326794896619231321693"}));

    r = cli({QStringLiteral("angle"), QStringLiteral("--from"), QStringLiteral("dms"), QStringLiteral("--to"),
             QStringLiteral("deg"), QStringLiteral("12.3075"), QStringLiteral("45.3")});
    EXPECT_EQ(r.out, lines({u"12.516666666666666666666666667", u"45.5"}));
    EXPECT_EQ(r.err, lines({u"12.3075 度分秒格式的角度数据--[秒] 数据不能大于60！超出后按60计算。请检查是否角度类型选择错误。"}));

    r = cli({QStringLiteral("angle"), QStringLiteral("--from"), QStringLiteral("deg"), QStringLiteral("--to"),
             QStringLiteral("dms"), QStringLiteral("10.25")});
    EXPECT_EQ(r.out, lines({u"10.15"}));
}

TEST(CliStats, PrintsTheAlignedTableAndTheGrid) {
    // The start example of the statistics screen, with mixed line ends.
    const QByteArray data = QString::fromUtf16(u"例1a*2*3*4*5.987\r\n例2b的*2* *5*6.985\n例3c * 2 * 3.2346 * 6 * \r例4 * 2 * -33 * 7 * 98.7").toUtf8();
    const Outcome r = cli({QStringLiteral("stats")}, data);
    EXPECT_EQ(r.exitCode, 0);
    const QStringList out = r.out.split(u'\n');
    ASSERT_EQ(out.size(), 16);  // 4 table lines, an empty line, 10 grid rows, the final line end
    EXPECT_EQ(out[0], QString::fromUtf16(u"   例1a * 2 *      3 * 4 * 5.987 *  "));
    EXPECT_EQ(out[4], u"");
    EXPECT_EQ(out[5], u" 4\t 3\t 4\t 3\t ");
    EXPECT_EQ(out[8], u" 2\t-8.9218\t 5.5\t 37.224\t ");
    EXPECT_EQ(out[11], u" 0\t 434.83354572\t 1.666666666666667\t 2834.722933\t ");

    // The blank as separator: replaced by "*", both warnings on standard error.
    const Outcome blank = cli({QStringLiteral("stats"), QStringLiteral("--sep"), QStringLiteral("blank"),
                               QStringLiteral("--lead"), QStringLiteral("0")},
                              QByteArray("1 2\n3 4\n"));
    EXPECT_EQ(blank.out.split(u'\n')[3], u" 2\t 2\t \t \t ");
    EXPECT_EQ(blank.err.count(u'\n'), 2);
}

// A table in GBK or in UTF-8 after its mark reads as the same text; bytes in neither are named.
TEST(CliStats, ReadsGbkAndMarkedUtf8) {
    const QString table = QString::fromUtf16(u"测点1*2\r\n测点2*4\r\n");
    const QByteArray inputs[] = {QStringEncoder("GBK").encode(table), "\xEF\xBB\xBF" + table.toUtf8()};
    for (const QByteArray& input : inputs) {
        const Outcome r = cli({QStringLiteral("stats")}, input);
        EXPECT_EQ(r.exitCode, 0);
        const QStringList out = r.out.split(u'\n');
        ASSERT_GT(out.size(), 6);
        EXPECT_EQ(out[0], QString::fromUtf16(u" 测点1 * 2 *  *  *  *  "));
        EXPECT_EQ(out[6], u" 3\t \t \t \t ");  // the mean of the first column
    }
    const Outcome garbage = cli({QStringLiteral("stats")}, QByteArray("1*2\x81\x20\xFF\xFF\n"));
    EXPECT_EQ(garbage.exitCode, 1);
    EXPECT_EQ(garbage.err, u"cesuan-cli: standard input is no text in UTF-8 or GBK\n");
}

// Pontius (NIST StRD, degree 2): the certified values to their 15 digits through the JSON,
// which carries every digit of the doubles.
TEST(CliRegress, JsonCarriesTheFullFit) {
    const char* const pontius[] = {
        "150000*.11019",   "300000*.21956",   "450000*.32949",   "600000*.43899",   "750000*.54803",
        "900000*.65694",   "1050000*.76562",  "1200000*.87487",  "1350000*.98292",  "1500000*1.09146",
        "1650000*1.20001", "1800000*1.30822", "1950000*1.41599", "2100000*1.52399", "2250000*1.63194",
        "2400000*1.73947", "2550000*1.84646", "2700000*1.95392", "2850000*2.06128", "3000000*2.16844",
        "150000*.11052",   "300000*.22018",   "450000*.32939",   "600000*.43886",   "750000*.54798",
        "900000*.65739",   "1050000*.76596",  "1200000*.87474",  "1350000*.98300",  "1500000*1.09150",
        "1650000*1.20004", "1800000*1.30818", "1950000*1.41613", "2100000*1.52408", "2250000*1.63159",
        "2400000*1.73965", "2550000*1.84696", "2700000*1.95445", "2850000*2.06177", "3000000*2.16829"};
    QByteArray input;
    for (const char* line : pontius) input += QByteArray(line) + "\n";
    const Outcome r = cli({QStringLiteral("regress"), QStringLiteral("--lead"), QStringLiteral("0"),
                           QStringLiteral("--degree"), QStringLiteral("2"), QStringLiteral("--json")},
                          input);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject fit = QJsonDocument::fromJson(r.out.toUtf8()).object();
    const auto agrees = [](const QJsonValue& value, double certified) {
        return value.isDouble() && std::fabs(value.toDouble() - certified) <=
                                       std::pow(10.0, std::floor(std::log10(std::fabs(certified))) - 14);
    };
    const QJsonArray b = fit[QStringLiteral("coefficients")].toArray(), se = fit[QStringLiteral("std_errors")].toArray();
    ASSERT_EQ(b.size(), 3);
    ASSERT_EQ(se.size(), 3);
    EXPECT_TRUE(agrees(b[0], 0.673565789473684E-03));
    EXPECT_TRUE(agrees(b[1], 0.732059160401003E-06));
    EXPECT_TRUE(agrees(b[2], -0.316081871345029E-14));
    EXPECT_TRUE(agrees(se[0], 0.107938612033077E-03));
    EXPECT_TRUE(agrees(se[1], 0.157817399981659E-09));
    EXPECT_TRUE(agrees(se[2], 0.486652849992036E-16));
    EXPECT_TRUE(agrees(fit[QStringLiteral("residual_sd")], 0.205177424076185E-03));
    EXPECT_TRUE(agrees(fit[QStringLiteral("r2")], 0.999999900178537));
    EXPECT_TRUE(agrees(fit[QStringLiteral("r")], std::sqrt(0.999999900178537)));
    EXPECT_EQ(fit[QStringLiteral("n")], QJsonValue(40));
}

TEST(CliRegress, PrintsTheResultOfTheWindow) {
    const QByteArray table = "a;1;2.1;0\nb;2;3.9;1\nc;3;6.2;0\nd;4;7.8;1\ne;5;10.1;1\nf;6;12.2;0\ng;7;13.8;1\n";
    const Outcome r = cli({QStringLiteral("regress"), QStringLiteral("--sep"), QStringLiteral(";"), QStringLiteral("--x"),
                           QStringLiteral("1"), QStringLiteral("--y"), QStringLiteral("2")},
                          table);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith(QString::fromUtf16(u"1 次回归：y = b0 + b1·x\nx 为第1列数字，y 为第2列数字，共 7 对数据。\n")))
        << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QString::fromUtf16(u"1.986"))) << r.out.toStdString();
    EXPECT_FALSE(r.out.contains(u'\r'));

    // y on the third column, the same rows from a file: the fit of 0/1 on 1 … 7.
    const Outcome third = cli({QStringLiteral("regress"), QStringLiteral("--sep"), QStringLiteral(";"),
                               QStringLiteral("--y"), QStringLiteral("3"), QStringLiteral("--json")},
                              table);
    EXPECT_TRUE(third.out.contains(u"\"n\":7")) << third.out.toStdString();

    // Too few pairs: the reason on standard error, exit status 1, nothing on standard output.
    const Outcome few = cli({QStringLiteral("regress"), QStringLiteral("--json")}, "a*1*2\nb*2*3\n");
    EXPECT_EQ(few.exitCode, 1);
    EXPECT_TRUE(few.out.isEmpty());
    EXPECT_TRUE(few.err.contains(QString::fromUtf16(u"只有 2 对完整的数据"))) << few.err.toStdString();
}

TEST(CliCoord, ConvertsAsTheCoordinateScreen) {
    const QByteArray points("A01 , 39.4125536 , 117.5017873 , 23.441\r\nB , 39.4041 , 117.4814\n");
    Outcome r = cli({QStringLiteral("coord"), QStringLiteral("--op"), QStringLiteral("J6")}, points);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, lines({u"﹌﹌﹌以下为６度带北京系公里网坐标……单位【米】﹌﹌﹌",
                            u"A01 , 4395570.260 , 20571909.407 , 23.441 ", u"B   , 4394169.648 , 20568970.051 ", u""}));
    EXPECT_TRUE(r.err.startsWith(u"A01  , 39.4125536 , 117.5017873 , 23.441\n"));  // the cleaned input

    r = cli({QStringLiteral("coord"), QStringLiteral("--op"), QStringLiteral("J6"), QStringLiteral("--no-serial"),
             QStringLiteral("--ellipsoid"), QStringLiteral("XA"), QStringLiteral("--limit"), QStringLiteral("1")},
            points);
    EXPECT_EQ(r.out, lines({u"﹌﹌﹌以下为６度带西安系公里网坐标……单位【米】﹌﹌﹌", u"4395494.607 , 20571908.236 , 23.441 ", u""}));

    r = cli({QStringLiteral("coord"), QStringLiteral("--op"), QStringLiteral("6J")}, QByteArray("P , 4395570.260 , 20571909.407\n"));
    EXPECT_TRUE(r.out.contains(u"P , 39.41255360 , 117.50178730 ")) << r.out.toStdString();
}

// Any line ends in (CR LF, lone CR, CR CR LF, none after the last line), LF alone out on
// both streams, the remarks after the cleaned input.
TEST(CliCoord, LineEnds) {
    const Outcome r = cli({QStringLiteral("coord"), QStringLiteral("--op"), QStringLiteral("J6")},
                          QByteArray("x\r\rA,117.5,39.4\r\r\nB,200,38.1\rC , 116 , 38"));
    EXPECT_EQ(r.out, lines({u"﹌﹌﹌以下为６度带北京系公里网坐标……单位【米】﹌﹌﹌", u"A , 4392928.158 , 20571508.027 ",
                            u"B , 0000000.000 , 00000000.000错误溢出?原始经纬度数值超出常规范围 |x|<=90 |y|<=180 ",
                            u"C , 4208044.399 , 20412164.975 ", u""}));
    EXPECT_EQ(r.err, lines({u"A    , 117.5000 , 39.4000", u"B    , 200.0000 , 38.1000", u"C    , 116.0000 , 38.0000", u"", u"",
                            u"备注∴原始数据按经度在前 Y X Z 型处理∴", u"", u"备注∴原始数据的经度大于180度错误∴"}));
}

// A list longer than the pieces the output is written in: no line lost, doubled or cut.
TEST(CliCoord, LongList) {
    QByteArray input;
    for (int i = 1; i <= 20000; ++i) input += "P" + QByteArray::number(i) + ",39.4125536,117.5017873,23.441\n";
    const Outcome r = cli({QStringLiteral("coord"), QStringLiteral("--op"), QStringLiteral("J6")}, input);
    const QStringList out = r.out.split(u'\n');
    ASSERT_EQ(out.size(), 20003);  // the header, the lines, an empty line, the final line end
    for (int i = 1; i <= 20000; ++i) {
        const QString want = (QStringLiteral("P") + QString::number(i)).leftJustified(6) +
                             QStringLiteral(" , 4395570.260 , 20571909.407 , 23.441 ");
        ASSERT_EQ(out[i], want) << i;
    }
    const QStringList err = r.err.split(u'\n');
    ASSERT_EQ(err.size(), 20002);
    for (int i = 1; i <= 20000; ++i)
        ASSERT_EQ(err[i - 1], (QStringLiteral("P") + QString::number(i)).leftJustified(4) +
                                  QStringLiteral(" , 39.4125536 , 117.5017873 , 23.441")) << i;
    EXPECT_FALSE(r.out.contains(u'\r') || r.err.contains(u'\r'));
}

TEST(CliSurvey, PointsBearingAndAttitude) {
    const QByteArray list("A001,4395879.562,40400348.322,23.441\nZ02,4394571.954,40397379.291,19.838\r\nz3,4394926.422,40397410.355,19.851\n");
    Outcome r = cli({QStringLiteral("points")}, list);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, lines({u"A001 ,4395879.562 ,40400348.322 ,23.441 ,", u" Z02 ,4394571.954 ,40397379.291 ,19.838 ,",
                            u"  z3 ,4394926.422 ,40397410.355 ,19.851 ,"}));

    r = cli({QStringLiteral("bearing"), QStringLiteral("--origin"), QStringLiteral("A001")}, list);
    EXPECT_EQ(r.out, lines({u"A001 ,       0 ,         0 ,       0 ,        0", u" Z02 ,3244.223 ,246.134999 ,3244.225 ,-0.034908",
                            u"  z3 ,3088.709 ,252.013294 ,3088.712 ,-0.035974"}));

    r = cli({QStringLiteral("attitude"), QStringLiteral("--first"), QStringLiteral("G4")},
            QString::fromUtf16(u"G4,0,0,0\nG5,2,0,-2\nG6,0,2,-2\n例,1,1\n").toUtf8());
    EXPECT_TRUE(r.out.contains(u"    走向为 135 度\n    倾向为 45 度\n    倾角为 54.44082 度。")) << r.out.toStdString();
    EXPECT_EQ(r.err, lines({u"数据中存在无用的字符或汉字！已被自动清除，计算继续进行。"}));  // the removed 例
}

TEST(CliArea, AreaInMuAndJson) {
    // Any line ends; the closing repeat of J1 is not counted.
    const QByteArray parcel("J1,3000,5000\r\nJ2,3040,5000\nJ3,3040,5025\rJ4,3000,5025\nJ1,3000.000,5000\n");
    Outcome r = cli({QStringLiteral("area")}, parcel);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, lines({u"界址点数：4", u"周　　长：130.000 米", u"面　　积：1000.000 ㎡（平方米）", u"　　　　　1.5000 亩",
                            u"　　　　　0.100000 公顷", u"点的顺序：顺时针（北方朝上的图上）"}));
    EXPECT_TRUE(r.err.isEmpty());
    r = cli({QStringLiteral("area"), QStringLiteral("--json")}, parcel);
    EXPECT_EQ(r.out, lines({u"{\"points\":4,\"perimeter\":130.000,\"area_m2\":1000.000,\"area_mu\":1.5000,"
                            u"\"area_ha\":0.100000,\"orientation\":\"clockwise\",\"self_intersecting\":false}"}));

    // A bow-tie is named and still measured; without serials every line is a corner.
    r = cli({QStringLiteral("area"), QStringLiteral("--no-serial"), QStringLiteral("--json")},
            QByteArray("0,0\n10,10\n10,0\n0,20\n"));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, lines({u"{\"points\":4,\"perimeter\":66.503,\"area_m2\":50.000,\"area_mu\":0.0750,"
                            u"\"area_ha\":0.005000,\"orientation\":\"clockwise\",\"self_intersecting\":true}"}));
    r = cli({QStringLiteral("area"), QStringLiteral("--no-serial")}, QByteArray("0,0\n0,10\n10,10\n"));
    EXPECT_TRUE(r.out.contains(u"逆时针")) << r.out.toStdString();

    r = cli({QStringLiteral("area")}, QByteArray("A,0,0\nB,1,1\nA,0,0\n"));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, lines({u"界址点少于3个，围不成地块，无法计算面积。"}));
    EXPECT_TRUE(r.out.isEmpty());
    r = cli({QStringLiteral("area")}, QByteArray("A,0,0\nB,1,x\nC,2,0\n"));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(u"第2行 B 的 Y 值 x 不是数字。")) << r.err.toStdString();
}

TEST(CliForward, RadialChainedAndJson) {
    const QByteArray legs("P1,45,100\r\nP3,180.3,80,2.3\n");
    Outcome r = cli({QStringLiteral("forward"), QStringLiteral("--station"), QStringLiteral("3000,5000,50")}, legs);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, lines({u"P1, 3070.711, 5070.711, 50.000", u"P3, 2920.079, 4999.303, 53.490"}));
    // No station height: no H; chained, P3 starts at P1; a station with a leading "-".
    r = cli({QStringLiteral("forward"), QStringLiteral("--station=-3000,5000"), QStringLiteral("--chain"),
             QStringLiteral("--json")}, legs);
    EXPECT_EQ(r.out, lines({u"{\"points\":[{\"name\":\"P1\",\"x\":-2929.289,\"y\":5070.711},"
                            u"{\"name\":\"P3\",\"x\":-3009.210,\"y\":5070.013}]}"}));
    r = cli({QStringLiteral("forward"), QStringLiteral("--station"), QStringLiteral("-3000,5000"), QStringLiteral("--chain")}, legs);
    EXPECT_EQ(r.out, lines({u"P1, -2929.289, 5070.711", u"P3, -3009.210, 5070.013"}));

    r = cli({QStringLiteral("forward"), QStringLiteral("--station"), QStringLiteral("0,0")},
            QByteArray("A,45.6,10\nB,10,-5\nC,10,5,95\n"));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, lines({u"点 A 的方位角 45.6 中分或秒大于59。 点 B 的距离 -5 为负数。 点 C 的竖直角 95 超出 -90 至 90 度。 "
                            u"放样数据存在错误，请修改后计算。"}));
    r = cli({QStringLiteral("forward"), QStringLiteral("--station"), QStringLiteral("a,0")}, legs);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(u"测站的 X 值 a 不是数字。")) << r.err.toStdString();
}

TEST(CliGeodesic, DistanceAndAzimuths) {
    // New York JFK to Singapore Changi (40°38′24″ N 73°46′48″ W, 1°21′36″ N 103°59′24″ E):
    // GeodSolve gives 15347512.9405 m, 3.30577348° and a travel azimuth of 177.48784021°.
    const QByteArray pairs("JFK-SIN,40.3824,-73.4648,1.2136,103.5924\r\nB,30,117,31,118\n");
    Outcome r = cli({QStringLiteral("geodesic"), QStringLiteral("--ellipsoid"), QStringLiteral("WGS")}, pairs);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, lines({u"JFK-SIN, 15347512.9405, 3.18207845, 357.29162247", u"B, 146647.1994, 40.38164213, 221.08436638"}));
    r = cli({QStringLiteral("geodesic"), QStringLiteral("--ellipsoid=xa"), QStringLiteral("--json")}, QByteArray("B,30,117,31,118\n"));
    EXPECT_EQ(r.out, lines({u"{\"lines\":[{\"name\":\"B\",\"distance\":146647.2682,\"azimuth1\":40.38164216,"
                            u"\"azimuth2\":221.08436642}]}"}));

    r = cli({QStringLiteral("geodesic"), QStringLiteral("--ellipsoid"), QStringLiteral("BJ")},
            QByteArray("A,30.6,117,31,118\nB,91,0,0,0\nC,1,2,3\n"));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, lines({u"点 A 的纬度1 30.6 中分或秒大于59。 点 B 的纬度1 91 超出常规范围。 点 C 缺少经度2。 "
                            u"坐标数据存在错误，请修改后计算。"}));
}

TEST(CliBases, RadixAndBase) {
    Outcome r = cli({QStringLiteral("radix"), QStringLiteral("--from"), QStringLiteral("10"), QStringLiteral("--to"),
                     QStringLiteral("2"), QStringLiteral("--"), QStringLiteral("10"), QStringLiteral("-5")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, lines({u"1010", u"-101"}));
    r = cli({QStringLiteral("radix"), QStringLiteral("--from"), QStringLiteral("2"), QStringLiteral("--to"),
             QStringLiteral("16"), QStringLiteral("1010"), QStringLiteral("1.0")});
    EXPECT_EQ(r.out, lines({u"A", u"1."}));  // the literal result of a zero fraction

    r = cli({QStringLiteral("base"), QStringLiteral("--radix"), QStringLiteral("2"), QStringLiteral("--op"),
             QStringLiteral("add"), QStringLiteral("101"), QStringLiteral("11")});
    EXPECT_EQ(r.out, lines({u"101", u"11", u"1000"}));
    r = cli({QStringLiteral("base"), QStringLiteral("--radix"), QStringLiteral("16"), QStringLiteral("--op"),
             QStringLiteral("and"), QStringLiteral("FF"), QStringLiteral("0F")});
    EXPECT_EQ(r.out.split(u'\n').value(2), u"F");
    r = cli({QStringLiteral("base"), QStringLiteral("--radix"), QStringLiteral("2"), QStringLiteral("--op"),
             QStringLiteral("not"), QStringLiteral("101")});
    EXPECT_EQ(r.out.split(u'\n').value(2), u"-10");  // NOT 5 is -2
}

TEST(CliSplit, PrintsBothPartsAsTheSplitScreen) {
    Outcome r = cli({QStringLiteral("split"), QStringLiteral("-12.345")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, lines({u"-12", u"345"}));
    EXPECT_TRUE(r.err.isEmpty());

    r = cli({QStringLiteral("split"), QStringLiteral("--"), QStringLiteral("-0.5")});
    EXPECT_EQ(r.out, lines({u"-0", u"5"}));
}

// A bad value is named on standard error and the command exits with 1; nothing that is no
// number is printed as one.
TEST(CliBadValues, AreNamedAndFail) {
    Outcome r = cli({QStringLiteral("bearing"), QStringLiteral("--origin"), QStringLiteral("Q")},
                    QByteArray("P1,10,20,5\nP4,3,4\n"));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(u"点号 Q 不在坐标数据中")) << r.err.toStdString();

    r = cli({QStringLiteral("bearing")}, QByteArray("P1,10,20,5\nP2,abc,30,1\n"));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(u"第2行 P2 的 X 值 abc 不是数字。")) << r.err.toStdString();

    r = cli({QStringLiteral("points")}, QByteArray("P1,10,20,5\nP2,abc,30,1\n"));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, lines({u"P1,10,20,5", u"P2,abc,30,1"}));  // the list as typed

    r = cli({QStringLiteral("angle"), QStringLiteral("--from"), QStringLiteral("deg"), QStringLiteral("--to"),
             QStringLiteral("rad"), QStringLiteral("abc"), QStringLiteral("1E+35"), QStringLiteral("90")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, lines({u"", u"", u"1.570796326794896619231321693"}));
    EXPECT_EQ(r.err, lines({u"角度 abc 不是数字，无法转换。", u"角度 1E+35 超出计算范围，无法转换。"}));

    r = cli({QStringLiteral("radix"), QStringLiteral("--from"), QStringLiteral("16"), QStringLiteral("--to"),
             QStringLiteral("10"), QStringLiteral("GZ!"), QStringLiteral("1F")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, lines({u"", u"31"}));
    EXPECT_EQ(r.err, lines({u"数据 GZ! 中的 G、Z、! 不是十六进制数字，请修改后再计算。"}));

    r = cli({QStringLiteral("split"), QStringLiteral("abc")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, lines({u"abc 不是数字"}));

    r = cli({QStringLiteral("stats")}, QByteArray("a*1*abc\nb*2*3\n"));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.err.contains(u"第1行第3列 abc")) << r.err.toStdString();
}

// Every option is long: an argument with a single "-" is a formula or a value.
TEST(CliNumerics, MatrixSolveAndErrorsAsJson) {
    Outcome r = cli({QStringLiteral("matrix"), QStringLiteral("--op"), QStringLiteral("det"), QStringLiteral("--json"),
                     QStringLiteral("-")},
                    QByteArray("4 1 1\r1 3 0\r\n1,0,2"));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QStringLiteral("{\"value\":19}\n"));
    r = cli({QStringLiteral("matrix"), QStringLiteral("--op"), QStringLiteral("eig"), QStringLiteral("--json"), QStringLiteral("-")},
            QByteArray("2 1\n1 2"));
    // One vector a value, the first of its largest components positive.
    EXPECT_EQ(r.out, QStringLiteral("{\"values\":[1,3],\"vectors\":[[0.707106781186547,-0.707106781186547],[0.707106781186547,0.707106781186547]]}\n"));
    r = cli({QStringLiteral("matrix"), QStringLiteral("--op"), QStringLiteral("inv"), QStringLiteral("-")}, QByteArray("1 2\n2 4"));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith(QString::fromUtf16(u"矩阵奇异（秩为1，阶数为2）"))) << r.err.toStdString();

    r = cli({QStringLiteral("solve"), QStringLiteral("--json")}, QString::fromUtf16(u"2x加3y减z等于5\nx-y+2z=5\r3x+y-z=2").toUtf8());
    EXPECT_EQ(r.out, QStringLiteral("{\"rank\":3,\"status\":\"unique\",\"unknowns\":{\"x\":1,\"y\":2,\"z\":3}}\n"));
    r = cli({QStringLiteral("solve"), QStringLiteral("--json"), QStringLiteral("--least-squares")}, QByteArray("x=1\nx=2\nx=6\n"));
    EXPECT_EQ(r.out, QStringLiteral("{\"rank\":1,\"status\":\"least-squares\",\"unknowns\":{\"x\":3}}\n"));

    r = cli({QStringLiteral("errors"), QStringLiteral("--observations"), QStringLiteral("-"), QStringLiteral("--json")},
            QByteArray("10 10 10 10 10 10 10 10 10 10 10 20"));
    EXPECT_TRUE(r.out.contains(QStringLiteral("\"blunders\":[12]"))) << r.out.toStdString();
    r = cli({QStringLiteral("errors"), QStringLiteral("--propagate"), QStringLiteral("x+y"), QStringLiteral("--var"),
             QString::fromUtf16(u"x=1±0.3"), QStringLiteral("--var"), QStringLiteral("y=2+-0.4"), QStringLiteral("--json")});
    EXPECT_EQ(r.out, QStringLiteral("{\"m\":0.5,\"shares\":{\"x\":36,\"y\":64},\"value\":3}\n"));

    r = cli({QStringLiteral("matrix"), QStringLiteral("--op"), QStringLiteral("mul"), QStringLiteral("-")});
    EXPECT_EQ(r.exitCode, 2);
    r = cli({QStringLiteral("errors"), QStringLiteral("--propagate"), QStringLiteral("x")});
    EXPECT_EQ(r.exitCode, 2);
}

TEST(CliCalculus, DeriveAndIntegrate) {
    const auto json = [](const Outcome& r) { return QJsonDocument::fromJson(r.out.toUtf8()).object(); };
    Outcome r = cli({QStringLiteral("derive"), QStringLiteral("--at"), QStringLiteral("1.5"), QStringLiteral("--json"),
                     QStringLiteral("x^3-2*x")});
    EXPECT_EQ(r.exitCode, 0);
    QJsonObject o = json(r);
    EXPECT_DOUBLE_EQ(o[QStringLiteral("value")].toDouble(), 4.75) << r.out.toStdString();
    EXPECT_LT(o[QStringLiteral("error")].toDouble(), 1e-9);
    r = cli({QStringLiteral("derive"), QStringLiteral("--at"), QStringLiteral("-2"), QStringLiteral("--order"),
             QStringLiteral("2"), QStringLiteral("x^3")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.contains(QString::fromUtf16(u"f″(x₀) = -12\n"))) << r.out.toStdString();
    r = cli({QStringLiteral("integrate"), QStringLiteral("--from"), QStringLiteral("0"), QStringLiteral("--to"),
             QStringLiteral("inf"), QStringLiteral("--json"), QStringLiteral("-")},
            QString::fromUtf16(u"1/ε^(x^2)\n").toUtf8());
    o = json(r);
    EXPECT_NEAR(o[QStringLiteral("value")].toDouble(), 0.886226925452758, o[QStringLiteral("error")].toDouble());
    r = cli({QStringLiteral("integrate"), QStringLiteral("--from"), QStringLiteral("0"), QStringLiteral("--to"),
             QStringLiteral("30"), QStringLiteral("--unit"), QStringLiteral("dms"), QStringLiteral("sin(x)")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QString::fromUtf16(u"度分秒"))) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    r = cli({QStringLiteral("derive"), QStringLiteral("sin(x)")});
    EXPECT_EQ(r.exitCode, 2);
}

TEST(CliUsage, ASingleDashStartsAFormulaOrAValue) {
    Outcome r = cli({QStringLiteral("calc"), QStringLiteral("-2^2"), QStringLiteral("--places"), QStringLiteral("2"),
                     QStringLiteral("-1/3")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, lines({u"4", u"-0.33"}));
    r = cli({QStringLiteral("radix"), QStringLiteral("--from"), QStringLiteral("10"), QStringLiteral("--to"),
             QStringLiteral("2"), QStringLiteral("-10.625")});
    EXPECT_EQ(r.out, lines({u"-1010.101"}));
    r = cli({QStringLiteral("split"), QStringLiteral("-0.5")});
    EXPECT_EQ(r.out, lines({u"-0", u"5"}));
    r = cli({QStringLiteral("calc"), QStringLiteral("--places"), QStringLiteral("-3"), QStringLiteral("1")});
    EXPECT_EQ(r.exitCode, 2);  // an option's value stays its value
}

TEST(CliUsage, BadUsageExitsWithTwo) {
    const QStringList bad[] = {
        {},
        {QStringLiteral("frobnicate")},
        {QStringLiteral("calc"), QStringLiteral("--places"), QStringLiteral("29"), QStringLiteral("1")},
        {QStringLiteral("calc"), QStringLiteral("--unit"), QStringLiteral("grad"), QStringLiteral("1")},
        {QStringLiteral("calc"), QStringLiteral("--var"), QStringLiteral("a=1"), QStringLiteral("1")},
        {QStringLiteral("angle"), QStringLiteral("--from"), QStringLiteral("deg"), QStringLiteral("1")},
        {QStringLiteral("angle"), QStringLiteral("--from"), QStringLiteral("deg"), QStringLiteral("--to"), QStringLiteral("rad")},
        {QStringLiteral("stats"), QStringLiteral("--lead"), QStringLiteral("4")},
        {QStringLiteral("stats"), QStringLiteral("--sep"), QStringLiteral("xy")},
        {QStringLiteral("coord"), QStringLiteral("--op"), QStringLiteral("J7")},
        {QStringLiteral("attitude"), QStringLiteral("--origin"), QStringLiteral("A")},
        {QStringLiteral("radix"), QStringLiteral("--from"), QStringLiteral("3"), QStringLiteral("--to"), QStringLiteral("2"), QStringLiteral("1")},
        {QStringLiteral("base"), QStringLiteral("--radix"), QStringLiteral("2"), QStringLiteral("--op"), QStringLiteral("add"), QStringLiteral("1")},
        {QStringLiteral("coord"), QStringLiteral("--op"), QStringLiteral("J6"), QStringLiteral("--ellipsoid"), QStringLiteral("GRS")},
        {QStringLiteral("split")},
        {QStringLiteral("forward"), QStringLiteral("--station"), QStringLiteral("1")},
        {QStringLiteral("forward")},
        {QStringLiteral("geodesic")},
        {QStringLiteral("geodesic"), QStringLiteral("--ellipsoid"), QStringLiteral("GRS")},
        {QStringLiteral("area"), QStringLiteral("--origin"), QStringLiteral("A")},
        {QStringLiteral("split"), QStringLiteral("1"), QStringLiteral("2")},
        {QStringLiteral("regress"), QStringLiteral("--degree"), QStringLiteral("4")},
        {QStringLiteral("regress"), QStringLiteral("--x"), QStringLiteral("6")},
        {QStringLiteral("regress"), QStringLiteral("--y"), QStringLiteral("0")},
        {QStringLiteral("regress"), QStringLiteral("--lead"), QStringLiteral("5")},
        {QStringLiteral("regress"), QStringLiteral("a"), QStringLiteral("b")},
    };
    for (const QStringList& arguments : bad) {
        const Outcome r = cli(arguments);
        EXPECT_EQ(r.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(u"usage: cesuan-cli")) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
}

}  // namespace

namespace {

const QByteArray kCommonPoints =
    "G01, -2277048.0837, 4345666.2975, 4062027.1367, -2276953.6068, 4345530.9739, 4061928.8222\n"
    "G02, -2309181.3238, 4345646.0606, 4043970.4131, -2309086.8189, 4345511.0358, 4043872.3631\r\n"
    "G03, -2308041.3273, 4320326.6696, 4071513.0485, -2307946.9242, 4320191.7922, 4071414.9190\r"
    "G04, -2277991.4638, 4368197.1817, 4037392.8239, -2277896.8967, 4368061.7252, 4037294.5733\n"
    "G05, -2292603.4132, 4343971.3203, 4055117.9306, -2292508.9275, 4343836.1559, 4055019.7364\n"
    "G06, -2277999.2156, 4331378.6466, 4076669.8225, -2277904.7954, 4331243.4248, 4076571.4802\n";

TEST(CliTransform, EstimateAsJsonWithTheContractDecimals) {
    Outcome r = cli({QStringLiteral("transform"), QStringLiteral("estimate"), QStringLiteral("--model"), QStringLiteral("7"),
                     QStringLiteral("--json")},
                    kCommonPoints);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, QString());
    EXPECT_TRUE(r.out.startsWith(
        u"{\"model\":\"7\",\"parameters\":{\"dx\":16.3714,\"dy\":-148.1509,\"dz\":-86.0439,\"rx\":0.397364,"
        u"\"ry\":-1.206188,\"rz\":2.121704,\"scale_ppm\":-4.238273},\"sigma0\":0.0022,\"residuals\":[{\"name\":\"G01\","
        u"\"vx\":-0.0004,\"vy\":0.0023,\"vz\":-0.0016,\"flagged\":false},"))
        << r.out.toStdString();
    EXPECT_TRUE(r.out.endsWith(u"}]}\n"));

    // The plane model: dx, dy, rotation, scale_ppm and no vz; two points fit exactly.
    r = cli({QStringLiteral("transform"), QStringLiteral("estimate"), QStringLiteral("--model"), QStringLiteral("4"),
             QStringLiteral("--json")},
            "A, 0, 0, 100, 200\nB, 0, 1000, 100, 1200.01\n");
    EXPECT_EQ(r.out, u"{\"model\":\"4\",\"parameters\":{\"dx\":100.0000,\"dy\":200.0000,\"rotation\":0.000000,"
                     u"\"scale_ppm\":10.000000},\"sigma0\":0.0000,\"residuals\":[{\"name\":\"A\",\"vx\":0.0000,"
                     u"\"vy\":0.0000,\"flagged\":false},{\"name\":\"B\",\"vx\":0.0000,\"vy\":0.0000,\"flagged\":false}]}\n");

    // Without --json: the window's report.
    r = cli({QStringLiteral("transform"), QStringLiteral("estimate"), QStringLiteral("--model"), QStringLiteral("3")},
            "P, 1, 2, 3, 11, 22, 33\n");
    EXPECT_TRUE(r.out.startsWith(u"三参数  公共点 1 个，多余观测数 0\n")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(u"参数值依次为：10.0000,20.0000,30.0000\n"));
}

TEST(CliTransform, ApplyTakesParamsInOrder) {
    const QByteArray points = "A01, -2295078.5471, 4345959.9672, 4051610.1656\r\nA02, -2292878.6555, 4348113.9158, 4050546.0663";
    const QString params = QStringLiteral("16.3714,-148.1509,-86.0439,0.397364,-1.206188,2.121704,-4.238273");
    const QString want = QStringLiteral("A01, -2294984.0521, 4345824.8100, 4051511.9985\nA02, -2292784.1539, 4347978.7248, 4050447.8867\n");
    Outcome r = cli({QStringLiteral("transform"), QStringLiteral("apply"), QStringLiteral("--model"), QStringLiteral("7"),
                     QStringLiteral("--params"), params},
                    points);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, want);
    // Values that begin with "-", after "=" or as the next argument.
    r = cli({QStringLiteral("transform"), QStringLiteral("apply"), QStringLiteral("--model=4"),
             QStringLiteral("--params=-10,-20,0,0")},
            "P, 100, 200, 5\n");
    EXPECT_EQ(r.out, u"P, 90.0000, 180.0000, 5.0000\n");
    r = cli({QStringLiteral("transform"), QStringLiteral("apply"), QStringLiteral("--model"), QStringLiteral("3"),
             QStringLiteral("--params"), QStringLiteral("-1,-2,-3")},
            "P, 1, 2, 3\n");
    EXPECT_EQ(r.out, u"P, 0.0000, 0.0000, 0.0000\n");
}

TEST(CliTransform, DataErrorsGoToStandardErrorWithStatusOne) {
    const struct {
        QStringList arguments;
        QByteArray input;
        QString err;
    } cases[] = {
        {{QStringLiteral("transform"), QStringLiteral("estimate"), QStringLiteral("--model"), QStringLiteral("7")},
         "A,0,0,0,1,1,1\nB,10,0,0,11,1,1\n", QString::fromUtf16(u"公共点只有 2 个，七参数至少需要 3 个公共点。\n")},
        {{QStringLiteral("transform"), QStringLiteral("estimate"), QStringLiteral("--model"), QStringLiteral("4")},
         "A,1,1,0,0\nB,1,1,5,5\n", QString::fromUtf16(u"公共点的原坐标重合在一处，无法确定旋转和尺度，求不出参数。\n")},
        {{QStringLiteral("transform"), QStringLiteral("apply"), QStringLiteral("--model"), QStringLiteral("3"),
          QStringLiteral("--params"), QStringLiteral("1,2,3")},
         "A,1,2,3\nB,1,2\n", QString::fromUtf16(u"第2行 应为 点名, X, Y, Z 共 4 项，实有 3 项。\n")},
        {{QStringLiteral("cart"), QStringLiteral("--to"), QStringLiteral("blh")}, "A,1,2,z\n",
         QString::fromUtf16(u"第1行 A 的 Z 值 z 不是数字。\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const Outcome r = cli(c.arguments, c.input);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.out, QString());
        EXPECT_EQ(r.err, c.err);
    }
    // Bad usage: status 2.
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("transform"), QStringLiteral("guess"), QStringLiteral("--model"), QStringLiteral("7")},
          QStringList{QStringLiteral("transform"), QStringLiteral("estimate"), QStringLiteral("--model"), QStringLiteral("5")},
          QStringList{QStringLiteral("transform"), QStringLiteral("apply"), QStringLiteral("--model"), QStringLiteral("7"),
                      QStringLiteral("--params"), QStringLiteral("1,2")},
          QStringList{QStringLiteral("cart"), QStringLiteral("--ellipsoid"), QStringLiteral("GRS"), QStringLiteral("--to"),
                      QStringLiteral("xyz")}})
        EXPECT_EQ(cli(arguments).exitCode, 2) << arguments.join(u' ').toStdString();
}

TEST(CliCart, BothWaysWithTheContractDecimals) {
    Outcome r = cli({QStringLiteral("cart"), QStringLiteral("--ellipsoid"), QStringLiteral("WGS"), QStringLiteral("--to"),
                     QStringLiteral("xyz")},
                    "A01, 39.4125536, 117.5017873, 23.441\r\nN, 90, 0, 0\r");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, u"A01, -2295078.5471, 4345959.9673, 4051610.1655\nN, 0.0000, 0.0000, 6356752.3142\n");
    r = cli({QStringLiteral("cart"), QStringLiteral("--ellipsoid"), QStringLiteral("bj-std"), QStringLiteral("--to"),
             QStringLiteral("blh")},
            "P, 6378245, 0, 0\nQ, -2295000, 4346000, 4051500\n");
    EXPECT_EQ(r.exitCode, 0);
    const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], u"P, 0.0000000000, 0.0000000000, 0.0000");
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Q, 39\\.\\d{10}, 117\\.\\d{10}, -?\\d+\\.\\d{4}$")).match(lines[1]).hasMatch())
        << lines[1].toStdString();
}

TEST(CliCoord, StandardBeijingEllipsoid) {
    const Outcome r = cli({QStringLiteral("coord"), QStringLiteral("--op"), QStringLiteral("J6"), QStringLiteral("--ellipsoid"),
                           QStringLiteral("BJ-STD")},
                          "A01 , 39.4125536 , 117.5017873 , 23.441\n");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith(u"﹌﹌﹌以下为６度带北京54（标准）系公里网坐标……单位【米】﹌﹌﹌\nA01 , 4395570.305 , 20571909.405 , 23.441"))
        << r.out.toStdString();
}

}  // namespace
