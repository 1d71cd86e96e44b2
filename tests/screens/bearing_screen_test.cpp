#include "screens/bearing_screen.h"

#include "tests/support/journal_fixture.h"

#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <numbers>
#include <random>

namespace cesuan {
namespace {

class BearingScreenTest : public JournalTest {
protected:
    RecordingMessageBox box;
    RecordingPrinter printer;
    RecordingFileChooser files;
    RecordingNavigator navigator;
    BearingScreen screen{box, printer, navigator, files};

    // The rows of Text2, split at " ," and trimmed.
    std::vector<QStringList> rows() const {
        std::vector<QStringList> result;
        for (const QString& line : screen.resultText.split(q(u"\r\n"), Qt::SkipEmptyParts)) {
            QStringList cells = line.split(q(u" ,"));
            for (QString& c : cells) c = c.trimmed();
            result.push_back(cells);
        }
        return result;
    }
};

// D.MMSSss back to decimal degrees, on the digits of the text.
double DmsTextToDegrees(const QString& text) {
    const bool negative = text.startsWith(u'-');
    const QString t = negative ? text.mid(1) : text;
    const qsizetype point = t.indexOf(u'.');
    const double degrees = t.left(point < 0 ? t.size() : point).toDouble();
    const QString rest = (point < 0 ? QString() : t.mid(point + 1)).leftJustified(8, u'0');
    const double minutes = rest.left(2).toDouble();
    const double seconds = (rest.mid(2, 2) + u'.' + rest.mid(4)).toDouble();
    const double value = degrees + minutes / 60 + seconds / 3600;
    return negative ? -value : value;
}

TEST_F(BearingScreenTest, StartsWithTheWindowTexts) {
    EXPECT_EQ(screen.pointText, q(u"A001,4395879.562,40400348.322,23.441\r\n"
                              u" Z02,4394571.954,40397379.291,19.838\r\n"
                              u"  z3,4394926.422,40397410.355,19.851"));
    EXPECT_TRUE(screen.serialColumn);
    EXPECT_EQ(screen.serialColumnCaption, q(u"首列为序号"));
    EXPECT_EQ(screen.serialChoices, QStringList({q(u"0")}));
    EXPECT_EQ(screen.chosenSerial, q(u"0"));
    EXPECT_EQ(screen.computeCaption, q(u"进行计算"));
    EXPECT_EQ(screen.printCaption, q(u"打印屏幕"));
    EXPECT_EQ(screen.printTooltip, q(u"安装打印机后才可执行打印功能"));
    EXPECT_EQ(screen.heading, q(u"计算两点间距离和方位"));
    EXPECT_EQ(screen.formatNote, q(u"[序号]，纬度 X，经度 Y，高程 H 值必须采用，分隔数据！每行必须用回车符结束。   "
                               u"输出的角度数据为 90 . 59 59 99 类型 --> 度 . 分 秒 百分秒。"));
    EXPECT_EQ(screen.directionNote, q(u"水平上用真北为0度，垂直向用平为0度。"));
    EXPECT_EQ(screen.choiceLabel, q(u"用点号"));
    EXPECT_EQ(screen.choiceNote, q(u"作为原点计算其它点。"));
    EXPECT_EQ(screen.resultHeading, q(u"序号  平距(米)   水平角(度)   斜距(米)   仰俯角(度)"));
    EXPECT_TRUE(screen.windowTitle.contains(q(u"距离方位")));
}

TEST_F(BearingScreenTest, CheckBoxCaptionFollowsItsValue) {
    screen.serialColumnClicked(false);
    EXPECT_FALSE(screen.serialColumn);
    EXPECT_EQ(screen.serialColumnCaption, q(u"无序号列（按行号）"));
    screen.serialColumnClicked(true);
    EXPECT_EQ(screen.serialColumnCaption, q(u"首列为序号"));
}

TEST_F(BearingScreenTest, OriginListIsRefilledFromTheSerialsKeepingTheTypedText) {
    const QString before = screen.pointText;
    screen.chosenSerial = q(u"typed");
    screen.serialChoicesOpened();
    EXPECT_EQ(screen.serialChoices, QStringList({q(u"0"), q(u"A001"), q(u"Z02"), q(u"z3")}));
    EXPECT_EQ(screen.chosenSerial, q(u"typed"));
    EXPECT_EQ(screen.pointText, before);

    screen.serialColumnClicked(false);
    screen.pointText = q(u"1,2,3\r\n4,5,6");
    screen.serialChoicesOpened();
    EXPECT_EQ(screen.serialChoices, QStringList({q(u"0"), q(u"1"), q(u"2")}));
}

TEST_F(BearingScreenTest, StartDataFromA001) {
    screen.chosenSerial = q(u"A001");
    screen.compute();
    EXPECT_TRUE(box.shown.isEmpty());
    EXPECT_EQ(screen.chosenSerial, q(u"A001"));
    EXPECT_TRUE(screen.pointText.startsWith(q(u"A001 ,4395879.562 ,40400348.322 ,23.441 ,\r\n Z02 ,")));
    const auto r = rows();
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0], QStringList({q(u"A001"), q(u"0"), q(u"0"), q(u"0"), q(u"0")}));
    // Z02 lies south-west: dX = -1307.608, dY = -2969.031, dH = -3.603. Values from Python's
    // math.hypot and math.atan: 3244.2231, 180 + 66.230552 = 246°13'49.99", slope 3244.2251,
    // vertical -0.063632 degrees = -0°03'49.08".
    EXPECT_EQ(r[1], QStringList({q(u"Z02"), q(u"3244.223"), q(u"246.134999"), q(u"3244.225"), q(u"-0.034908")}));
}

TEST_F(BearingScreenTest, CardinalDirectionsAndThePlumbLine) {
    screen.pointText = q(u"O,100,200,10\r\n"
                     u"N,110,200,10\r\n"
                     u"E,100,205,10\r\n"
                     u"S,90,200,10\r\n"
                     u"W,100,190,10\r\n"
                     u"UP,100,200,15\r\n"
                     u"DN,100,200,7\r\n"
                     u"NE,103,204,15\r\n"
                     u"SE,97,204,10\r\n"
                     u"NW,103,196,5\r\n");
    screen.chosenSerial = q(u"O");
    screen.compute();
    ASSERT_TRUE(box.shown.isEmpty());
    const std::vector<QStringList> want = {
        {q(u"O"), q(u"0"), q(u"0"), q(u"0"), q(u"0")},
        {q(u"N"), q(u"10"), q(u"0"), q(u"10"), q(u"0")},
        {q(u"E"), q(u"5"), q(u"90"), q(u"5"), q(u"0")},
        {q(u"S"), q(u"10"), q(u"180"), q(u"10"), q(u"0")},
        {q(u"W"), q(u"10"), q(u"270"), q(u"10"), q(u"0")},
        {q(u"UP"), q(u"0"), q(u"0"), q(u"5"), q(u"90")},
        {q(u"DN"), q(u"0"), q(u"0"), q(u"3"), q(u"-90")},
        // atan(4/3) = 53.13010235 degrees = 53°07'48.37"; the slope is 5√2.
        {q(u"NE"), q(u"5"), q(u"53.074837"), q(u"7.071"), q(u"45")},
        {q(u"SE"), q(u"5"), q(u"126.521163"), q(u"5"), q(u"0")},   // 180 - 53.130102
        {q(u"NW"), q(u"5"), q(u"306.521163"), q(u"7.071"), q(u"-45")},  // 360 - 53.130102
    };
    EXPECT_EQ(rows(), want);
}

TEST_F(BearingScreenTest, TableColumnsAreRightAligned) {
    screen.pointText = q(u"A,0,0,0\r\nBB,3,4,0\r\nC,-300,400,0");
    screen.chosenSerial = q(u"A");
    screen.compute();
    EXPECT_EQ(screen.resultText, q(u" A ,  0 ,         0 ,  0 ,0\r\n"
                              u"BB ,  5 , 53.074837 ,  5 ,0\r\n"
                              u" C ,500 ,126.521163 ,500 ,0\r\n"));
}

TEST_F(BearingScreenTest, WithoutAChosenPointTheOriginIsZero) {
    for (const char16_t* origin : {u"0", u""}) {
        SCOPED_TRACE(QString::fromUtf16(origin).toStdString());
        screen.pointText = q(u"P,3,4,0\r\nQ,0,0,-2");
        screen.chosenSerial = QString::fromUtf16(origin);
        screen.compute();
        EXPECT_EQ(screen.chosenSerial, q(u"0"));
        const auto r = rows();
        ASSERT_EQ(r.size(), 2u);
        EXPECT_EQ(r[0], QStringList({q(u"P"), q(u"5"), q(u"53.074837"), q(u"5"), q(u"0")}));
        EXPECT_EQ(r[1], QStringList({q(u"Q"), q(u"0"), q(u"0"), q(u"2"), q(u"-90")}));
    }
}

// Only "0" is the point 0, 0, 0: a serial that is not in the list fails and says so.
TEST_F(BearingScreenTest, AnOriginNotInTheListFails) {
    screen.pointText = q(u"P,3,4,0\r\nQ,0,0,-2");
    screen.chosenSerial = q(u"nowhere");
    screen.resultText = q(u"old");
    screen.compute();
    EXPECT_TRUE(screen.failed);
    EXPECT_EQ(box.shown, QStringList({q(u"点号 nowhere 不在坐标数据中，请重新选择原点（0 为 0, 0, 0 点）。")}));
    EXPECT_EQ(screen.resultText, q(u" "));
}

// A value that is no number fails with one box that names it; the point text stays as typed,
// so pressing again fails again.
TEST_F(BearingScreenTest, ANonNumberFailsWithOneBoxThatNamesIt) {
    const QString failure = q(u"坐标数据存在错误，请修改后计算。");
    struct Case {
        const char16_t *text, *named;
    };
    const Case cases[] = {
        {u"A,1,2,3\r\nB,abc,5,6", u"第2行 B 的 X 值 abc 不是数字。"},
        {u"A,1,2,3\r\nB,4,5,1e400", u"第2行 B 的 H 值 1e400 不是数字。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(q(c.text).toStdString());
        for (int press = 0; press < 2; ++press) {
            box.shown.clear();
            screen.resultText = q(u"old");
            screen.pointText = q(c.text);
            screen.chosenSerial = q(u"A");
            screen.compute();
            EXPECT_EQ(box.shown, QStringList({q(c.named) + u'\n' + failure}));
            EXPECT_EQ(box.errors, box.shown);  // an error box: the warning icon
            box.errors.clear();
            EXPECT_EQ(screen.resultText, q(u" "));
            EXPECT_EQ(screen.pointText, q(c.text));
            EXPECT_TRUE(screen.failed);
        }
    }
    // The start data read as a list without serials: "A001" is no number.
    box.shown.clear();
    screen.pointText = BearingScreen(box, printer, navigator, files).pointText;
    screen.serialColumnClicked(false);
    screen.compute();
    ASSERT_EQ(box.shown.size(), 1);
    EXPECT_TRUE(box.shown[0].startsWith(q(u"第1行 的 X 值 A001 不是数字。\n"))) << box.shown[0].toStdString();
    // Once corrected, the same screen computes again.
    box.shown.clear();
    screen.pointText = q(u"1,2,3");
    screen.chosenSerial = q(u"0");
    screen.compute();
    EXPECT_TRUE(box.shown.isEmpty());
    EXPECT_FALSE(screen.failed);
    // x 1, y 2, h 3 from (0, 0, 0): √5, atan 2 = 63°26'05.82", √14, atan(3/√5) = 53°18'02.79".
    EXPECT_EQ(screen.resultText, q(u"1 ,2.236 ,63.260582 ,3.742 ,53.180279\r\n"));
}

TEST_F(BearingScreenTest, MatchesVectorGeometryOnRandomPoints) {
    std::mt19937_64 rng(20261210);
    std::uniform_real_distribution<double> northing(4300000, 4400000), easting(40300000, 40400000),
        height(-50, 3000);
    const auto fixed = [](double v, int places) { return QString::number(v, 'f', places); };
    for (int set = 0; set < 20; ++set) {
        std::vector<std::array<double, 3>> pts(8);
        QString text;
        for (std::size_t i = 0; i < pts.size(); ++i) {
            // Millimetre coordinates, as a survey gives them; the texts are the exact values.
            pts[i] = {fixed(northing(rng), 3).toDouble(), fixed(easting(rng), 3).toDouble(),
                      fixed(height(rng), 3).toDouble()};
            if (set % 4 == 0 && i == 1) pts[i][0] = pts[0][0];  // due east or west of point 1
            if (set % 4 == 1 && i == 2) pts[i][1] = pts[0][1];  // due north or south
            text += q(u"P") + QString::number(i + 1) + u',' + fixed(pts[i][0], 3) + u',' + fixed(pts[i][1], 3) +
                    u',' + fixed(pts[i][2], 3) + q(u"\r\n");
        }
        const std::size_t o = std::size_t(set) % pts.size();
        screen.pointText = text;
        screen.chosenSerial = q(u"P") + QString::number(o + 1);
        screen.compute();
        ASSERT_TRUE(box.shown.isEmpty());
        const auto r = rows();
        ASSERT_EQ(r.size(), pts.size());
        for (std::size_t i = 0; i < pts.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "set " << set << " point " << i + 1);
            const double dx = pts[i][0] - pts[o][0], dy = pts[i][1] - pts[o][1], dh = pts[i][2] - pts[o][2];
            const double d = std::hypot(dx, dy);
            double azimuth = std::atan2(dy, dx) * 180 / std::numbers::pi;
            if (azimuth < 0) azimuth += 360;
            const double vertical = std::atan2(dh, d) * 180 / std::numbers::pi;
            EXPECT_NEAR(r[i][1].toDouble(), d, 0.0005 + 1e-9 * d);
            EXPECT_NEAR(r[i][3].toDouble(), std::hypot(d, dh), 0.0005 + 1e-9 * d);
            double diff = std::fabs(DmsTextToDegrees(r[i][2]) - azimuth);
            diff = std::min(diff, 360 - diff);
            EXPECT_LT(diff, 2e-6) << r[i][2].toStdString();
            EXPECT_NEAR(DmsTextToDegrees(r[i][4]), vertical, 2e-6) << r[i][4].toStdString();
            // Seconds and minutes of a D.MMSSss text stay below 60.
            const QString frac = r[i][2].section(u'.', 1).leftJustified(4, u'0');
            EXPECT_LT(frac.left(2).toInt(), 60);
            EXPECT_LT(frac.mid(2, 2).toInt(), 60);
        }
    }
}

TEST_F(BearingScreenTest, PrintAndOtherScreens) {
    screen.printScreen();
    EXPECT_EQ(printer.printed, 1);
    screen.showCalculator();
    screen.showMenu();
    EXPECT_EQ(navigator.shown, (std::vector<ScreenId>{ScreenId::Main, ScreenId::ModuleMenu}));
    EXPECT_TRUE(screen.statusLine.isEmpty());
    navigator.missing = {ScreenId::ModuleMenu};
    screen.showMenu();
    EXPECT_EQ(screen.statusLine, q(u"[其它功能]模块即将推出，敬请期待。"));
}

}  // namespace
}  // namespace cesuan

namespace cesuan {
namespace {

// A long list is measured in chunks on several threads: the table is the one of a single
// pass, and a point that fails late in the list fails the command all the same.
TEST_F(BearingScreenTest, LongListsOnSeveralThreadsGiveTheSerialResult) {
    std::mt19937 rng(214);
    std::uniform_real_distribution<double> offset(-5000, 5000);
    QString list;
    for (int i = 1; i <= 5000; ++i)
        list += QStringLiteral("P%1,%2,%3,%4\r\n")
                    .arg(i)
                    .arg(4395879.562 + offset(rng), 0, 'f', 3)
                    .arg(40400348.322 + offset(rng), 0, 'f', 3)
                    .arg(offset(rng) / 100, 0, 'f', 3);
    const auto measure = [&](const QString& points, std::size_t threads) {
        BearingScreen s{box, printer, navigator, files};
        s.threads = threads;
        s.pointText = points;
        s.chosenSerial = q(u"P17");
        s.compute();
        return s.resultText;
    };
    const QString serial = measure(list, 1);
    ASSERT_EQ(serial.count(q(u"\r\n")), 5000);
    EXPECT_EQ(measure(list, 3), serial);
    EXPECT_EQ(measure(list, 7), serial);
    EXPECT_TRUE(box.shown.isEmpty());

    // 1E200 squared leaves even the double range: the whole command fails.
    const QString failing = list + q(u"Z,1E200,1E200,0\r\n") + list.left(200);
    for (std::size_t threads : {1u, 3u}) {
        box.shown.clear();
        EXPECT_EQ(measure(failing, threads), q(u" "));
        EXPECT_EQ(box.shown, QStringList{q(u"坐标数据存在错误，请修改后计算。")});
    }
}

// Ctrl+O and Ctrl+S: a point file in, the result out; the status line says which file.
TEST_F(BearingScreenTest, OpenPointsAndSaveTheResult) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString points = dir.filePath(QStringLiteral("点.csv"));
    {
        QFile file(points);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(q(u"\uFEFFA,0,0,0\nB,3,4,0\n").toUtf8());
    }
    files.openPaths = {points};
    screen.openPoints();
    EXPECT_EQ(screen.pointText, q(u"A,0,0,0\r\nB,3,4,0\r\n"));
    EXPECT_EQ(screen.statusLine, q(u"已打开 点.csv（2 行，UTF-8 编码）"));
    screen.chosenSerial = q(u"A");
    screen.compute();
    ASSERT_FALSE(screen.failed) << box.shown.join(u"|").toStdString();

    const QString saved = dir.filePath(QStringLiteral("结果.txt"));
    files.savePaths = {saved};
    screen.saveResult();
    EXPECT_EQ(files.suggestedNames, QStringList{q(u"距离方位结果.txt")});
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "\xEF\xBB\xBF" + screen.resultText.toUtf8());
    EXPECT_EQ(screen.statusLine, q(u"已保存到 ") + saved);
    EXPECT_TRUE(box.shown.isEmpty());

    // Cancelled dialogs change nothing; an empty result is not saved.
    const QString pointText = screen.pointText;
    screen.openPoints();
    screen.saveResult();
    EXPECT_EQ(screen.pointText, pointText);
    screen.resultText = q(u" \r\n");
    screen.saveResult();
    EXPECT_EQ(files.saved.size(), 2);
    EXPECT_EQ(box.shown, QStringList{q(u"计算结果是空的，没有可保存的内容。")});
}

TEST_F(BearingScreenTest, NoPrinterIsSaidOnTheStatusLine) {
    printer.outcome = {PrintOutcome::Kind::NoPrinter, QString()};
    screen.printScreen();
    EXPECT_EQ(screen.statusLine, q(u"没有可用的打印机，本页没有打印。"));
    EXPECT_TRUE(box.shown.isEmpty());
}

// 大地线: latitude and longitude in D.MMSS, distances and azimuths on the chosen ellipsoid
// (values of GeodSolve); unchecked, the window measures plane coordinates again.
TEST_F(BearingScreenTest, GeodesicsOnTheChosenEllipsoid) {
    screen.geodesicClicked(true);
    EXPECT_EQ(screen.resultHeading, q(u"序号  大地线长(米)    起点方位角(度)  反方位角(度)"));
    ASSERT_TRUE(screen.ellipsoidNames.contains(q(u"WGS")));
    screen.chooseEllipsoid(int(screen.ellipsoidNames.indexOf(q(u"WGS"))));
    screen.pointText = q(u"A,30,117,5\r\nB,31,118,9\r\nJFK,40.3824,-73.4648");
    screen.chosenSerial = q(u"B");
    screen.compute();
    ASSERT_FALSE(screen.failed);
    const std::vector<QStringList> wgs = rows();
    ASSERT_EQ(wgs.size(), 3u);
    EXPECT_EQ(wgs[0], (QStringList{q(u"A"), q(u"146647.1994"), q(u"221.08436638"), q(u"40.38164213")}));
    EXPECT_EQ(wgs[1], (QStringList{q(u"B"), q(u"0.0000"), q(u"0.00000000"), q(u"0.00000000")}));
    screen.chosenSerial = q(u"A");
    screen.chooseEllipsoid(int(screen.ellipsoidNames.indexOf(q(u"西安"))));
    screen.chooseEllipsoid(99);  // ignored
    screen.compute();
    EXPECT_EQ(rows()[1], (QStringList{q(u"B"), q(u"146647.2682"), q(u"40.38164216"), q(u"221.08436642")}));
    EXPECT_TRUE(box.shown.isEmpty());

    // Each bad latitude or longitude named once, the origin's too.
    screen.pointText = q(u"A,91,117\r\nB,31,118.6\r\nC,31");
    screen.compute();
    EXPECT_TRUE(screen.failed);
    EXPECT_EQ(box.errors, QStringList{q(u"点 A 的纬度 91 超出常规范围。\n点 B 的经度 118.6 中分或秒大于59。\n点 C 缺少经度。\n"
                                        u"坐标数据存在错误，请修改后计算。")});

    screen.geodesicClicked(false);
    EXPECT_EQ(screen.resultHeading, q(u"序号  平距(米)   水平角(度)   斜距(米)   仰俯角(度)"));
    screen.pointText = q(u"A,0,0,0\r\nB,3,4,0");
    screen.compute();
    EXPECT_EQ(rows()[1], (QStringList{q(u"B"), q(u"5"), q(u"53.074837"), q(u"5"), q(u"0")}));
}

}  // namespace
}  // namespace cesuan
