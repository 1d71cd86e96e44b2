// cesuan-cli as a user runs it: arguments in, lines out, message boxes on standard error.

#include <gtest/gtest.h>

#include <QProcess>
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
        {QStringLiteral("split"), QStringLiteral("1"), QStringLiteral("2")},
    };
    for (const QStringList& arguments : bad) {
        const Outcome r = cli(arguments);
        EXPECT_EQ(r.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(r.err.contains(u"usage: cesuan-cli")) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
}

}  // namespace
