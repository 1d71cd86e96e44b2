#include "screens/coordinate_screen.h"
#include "screens/picture_texts.h"
#include "screens/coordinate_texts.h"
#include "tests/support/journal_fixture.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <random>

namespace cesuan {
namespace {

class CoordinateScreenTest : public JournalTest {
protected:
    QStringList outputLines() const { return screen.output.split(QStringLiteral("\r\n")); }

    RecordingMessageBox messages;
    RecordingPrinter printer;
    RecordingFileChooser files;
    RecordingWebPageOpener web;
    RecordingNavigator navigator;
    CoordinateScreen screen{messages, printer, web, navigator, files};
};

TEST_F(CoordinateScreenTest, StartTextToSixDegreeZones) {
    const QString explanation = screen.output;
    screen.geoToZone6();
    const QStringList lines = outputLines();
    EXPECT_EQ(lines[0], u"﹌﹌﹌以下为６度带北京系公里网坐标……单位【米】﹌﹌﹌");
    EXPECT_EQ(lines[1], u"A01  , 4395570.260 , 20571909.407 , 23.441 ");
    EXPECT_TRUE(lines[4].startsWith(u"D004 , "));
    EXPECT_EQ(lines[5], u"");
    EXPECT_TRUE(screen.output.endsWith(explanation));  // older content stays below
    EXPECT_TRUE(screen.input.startsWith(u"A01  , 39.4125536 , 117.5017873 , 23.441\r\n"));
    EXPECT_EQ(screen.meridianText, u"117度");

    screen.serialToggled(false);
    EXPECT_EQ(screen.serialOutputCaption, u"无序号输出");
    screen.input = QStringLiteral("A01 , 39.4125536 , 117.5017873");
    screen.geoToZone6();
    EXPECT_EQ(outputLines()[1], u"4395570.260 , 20571909.407 ");
}

TEST_F(CoordinateScreenTest, DataOrderIsDetected) {
    screen.input = QStringLiteral("A , 117.5017873 , 39.4125536");
    screen.geoToZone6();  // order XYZ, but the first column lies beyond 90: longitude first
    EXPECT_TRUE(screen.input.endsWith(u"\r\n\r\n备注∴原始数据按经度在前 Y X Z 型处理∴"));
    EXPECT_EQ(outputLines()[1], u"A , 4395570.260 , 20571909.407 ");

    screen.toggleDataOrder();
    EXPECT_EQ(screen.orderCaption, u"Y X Z模式");
    EXPECT_EQ(screen.orderColour, (Rgb{0xC0, 0xFF, 0xFF}));
    screen.input = QStringLiteral("A , 117.5017873 , 39.4125536");
    screen.geoToZone6();
    EXPECT_FALSE(screen.input.contains(u"备注"));
    EXPECT_EQ(outputLines()[1], u"A , 20571909.407 , 4395570.260 ");  // Y first, as the data
}

TEST_F(CoordinateScreenTest, BothRemarksFollowTheCleanedInput) {
    screen.input = QStringLiteral("A , 117.5017873 , 39.4125536\r\nB , 190.1 , 39.4");
    screen.geoToZone6();
    EXPECT_EQ(screen.input, QString::fromUtf16(u"A    , 117.5017873 , 39.4125536\r\nB    , 190.1000 , 39.4000\r\n"
                                               u"\r\n\r\n备注∴原始数据按经度在前 Y X Z 型处理∴"
                                               u"\r\n\r\n备注∴原始数据的经度大于180度错误∴"));
}

// The blank as separator: tabs and U+3000 become blanks and runs of blanks one blank before
// the list is read.
TEST_F(CoordinateScreenTest, BlankSeparator) {
    screen.separatorIndex = int(texts::coordinates::kSeparators.indexOf(QStringLiteral(" ")));
    screen.input = QString::fromUtf16(u"A\t39.4125536   117.5017873\u3000\u3000 23.441\r\nB          39.4041 117.4814");
    screen.geoToZone6();
    EXPECT_EQ(screen.input, u"A      39.4125536   117.5017873   23.441\r\nB      39.4041   117.4814\r\n");
    EXPECT_EQ(outputLines()[1], u"A , 4395570.260 , 20571909.407 , 23.441 ");
    EXPECT_EQ(outputLines()[2], u"B , 4394169.648 , 20568970.051 ");
}

// A list far beyond the screen's 200 points: every point converted, the new block above the
// older one, the explanation still at the bottom.
TEST_F(CoordinateScreenTest, LongListsStackTheirBlocks) {
    const QString explanation = screen.output;
    screen.pointLimit = 1000000;
    QString list;
    for (int i = 1; i <= 50000; ++i) list += QStringLiteral("P%1,39.4125536,117.5017873\r\n").arg(i);
    screen.input = list;
    screen.geoToZone6();
    screen.input = list;
    screen.zone3ToGeo();
    const QStringList lines = outputLines();
    ASSERT_EQ(lines.size(), 2 * (1 + 50000 + 1) + explanation.count(QStringLiteral("\r\n")) + 1);
    EXPECT_EQ(lines[0], u"●●●以下坐标为经纬度……度.分秒格式●●●");
    EXPECT_TRUE(lines[50000].startsWith(u"P50000 , ")) << lines[50000].toStdString();
    EXPECT_EQ(lines[50001], u"");
    EXPECT_EQ(lines[50002], u"﹌﹌﹌以下为６度带北京系公里网坐标……单位【米】﹌﹌﹌");
    EXPECT_EQ(lines[50003], u"P1     , 4395570.260 , 20571909.407 ");
    EXPECT_EQ(lines[100002], u"P50000 , 4395570.260 , 20571909.407 ");
    EXPECT_TRUE(screen.output.endsWith(QStringLiteral("\r\n\r\n") + explanation));
    EXPECT_EQ(screen.input.count(u'\r'), 50000);
}

TEST_F(CoordinateScreenTest, ZoneToZoneAndBackToGeodetic) {
    screen.input = QStringLiteral("P , 4395570.260 , 20571909.407");
    screen.zone6ToGeo();
    EXPECT_EQ(outputLines()[0], u"●●●以下坐标为经纬度……度.分秒格式●●●");
    EXPECT_TRUE(outputLines()[1].startsWith(u"P , 39.41255360 , 117.50178730")) << outputLines()[1].toStdString();

    screen.input = QStringLiteral("P , 4395570.260 , 200");  // easting out of range
    screen.zone3To6();
    EXPECT_TRUE(outputLines()[1].contains(u"错误?原始三度带坐标|Y|<00001000 超出常规范围!")) << outputLines()[1].toStdString();
}

// The plan puts each point at its grid coordinates, those converted to or those converted
// from; a point whose conversion failed is listed in its notes instead. A point projected on
// another zone (a note, no failure) is drawn.
TEST_F(CoordinateScreenTest, PlanOfTheConvertedPoints) {
    screen.geoToZone6();
    ASSERT_EQ(screen.plan.marks.size(), 3u);  // 例3 and D004 coincide
    EXPECT_EQ(screen.plan.kind, PictureKind::Plan);
    EXPECT_EQ(screen.plan.marks[0].label, u"A01");
    EXPECT_EQ(screen.plan.marks[2].label, u"例3、D004");
    EXPECT_EQ(screen.plan.marks[0].at, QPointF(20571909.407, 4395570.260));
    EXPECT_TRUE(screen.plan.notes.isEmpty());

    screen.input = QStringLiteral("P , 4395570.260 , 20571909.407\r\nQ , 4395570.260 , 200\r\nR , 4394169.648 , 20568970.051");
    screen.zone6ToGeo();
    ASSERT_EQ(screen.plan.marks.size(), 2u);
    EXPECT_EQ(screen.plan.marks[0].at, QPointF(20571909.407, 4395570.260));
    EXPECT_EQ(screen.plan.marks[1].label, u"R");
    EXPECT_EQ(screen.plan.notes, QStringList{texts::picture::notDrawn(QStringLiteral("Q"))});

    screen.input = QStringLiteral("P , 4395570.260 , 200\r\nR , 4394169.648 , 20568970.051");
    screen.zone6To3();
    ASSERT_EQ(screen.plan.marks.size(), 1u);
    EXPECT_EQ(screen.plan.marks[0].label, u"R");
    EXPECT_EQ(screen.plan.notes, QStringList{texts::picture::notDrawn(QStringLiteral("P"))});

    // 120°30′ lies in another 6° zone than 117°: projected there, with a note, and drawn.
    screen.input = QStringLiteral("F , 39.3 , 120.3");
    screen.geoToZone6();
    EXPECT_FALSE(outputLines()[1].endsWith(u", 0.000 , 0.000 "));
    EXPECT_EQ(screen.plan.marks.size(), 1u);
    EXPECT_TRUE(screen.plan.notes.isEmpty());

    screen.input = QStringLiteral("没有坐标");
    screen.geoToZone6();
    EXPECT_TRUE(screen.plan.isEmpty());
}

TEST_F(CoordinateScreenTest, CentralMeridian) {
    screen.meridianText = QStringLiteral("118");
    screen.meridianLostFocus();
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral("你选择的中央子午线经度有错误，请重新选择。应在正负180之间，并且能被 1.5 整除。")});
    EXPECT_EQ(screen.centralMeridian, 117);
    EXPECT_EQ(screen.meridianText, u"117度");

    screen.meridianText = QStringLiteral("118.5度");
    screen.meridianLostFocus();
    EXPECT_EQ(screen.zoneLabel, u"对应带号: -- --78 ");
    screen.meridianClicked(8);
    EXPECT_EQ(screen.zoneLabel, u"对应带号:20 39 77 ");
    EXPECT_EQ(CoordinateScreen::zoneLabelOf(-3), u"对应带号:0 -1 -3 ");
}

TEST_F(CoordinateScreenTest, OtherControls) {
    screen.separatorClicked(int(texts::coordinates::kSeparators.size()) - 1);  // the blank
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.titles[0].endsWith(u" -- 提示  "));

    screen.input = QString::fromUtf16(u"Ａ０１，３９．４１");
    screen.cleanInput();
    EXPECT_EQ(screen.input, u"A01,39.41");
    EXPECT_EQ(screen.output, u"");

    screen.output = QStringLiteral("result");
    screen.swapTexts();
    EXPECT_EQ(screen.input, u"result");

    navigator.missing = {ScreenId::ModuleMenu};
    screen.showMenu();
    EXPECT_EQ(screen.statusLine, u"[其它功能]模块即将推出，敬请期待。");
    // The help window explains; the results stay.
    screen.showHelp();
    EXPECT_EQ(screen.output, u"result");
    EXPECT_EQ(navigator.shown.back(), ScreenId::Help);
    EXPECT_EQ(navigator.helpTopics, std::vector<ScreenId>{ScreenId::Coordinates});  // at its own topic
    navigator.missing = {ScreenId::Help};  // no help window: the explanation comes below
    screen.showHelp();
    EXPECT_EQ(screen.output, q(u"result\r\n") + screen.savedExplanation);
    screen.printScreen();
    EXPECT_EQ(printer.printed, 1);

    screen.input = QStringLiteral("no points here");
    screen.geoToZone3();
    EXPECT_EQ(screen.input, u"没有发现坐标数据！");
    EXPECT_EQ(screen.output, u"");
}

// A line that looks like data but cannot be read is named; so is a D.MMSS field whose
// minutes or seconds exceed 59 (the angle screen warns for it too).
TEST_F(CoordinateScreenTest, UnreadLinesAndMinutesAbove59AreNamed) {
    screen.input = QStringLiteral("P1,39.9999,117.3000\r\nP2,abc,117.1\r\nP3,39.3,116.4559\r\n");
    screen.geoToZone6();
    EXPECT_TRUE(screen.input.contains(q(u"备注∴此行读不出坐标，未转换：P2,abc,117.1∴"))) << screen.input.toStdString();
    EXPECT_TRUE(screen.input.contains(q(u"备注∴点 P1 的纬度 39.9999 中分或秒大于59∴"))) << screen.input.toStdString();
    EXPECT_FALSE(screen.input.contains(q(u"点 P3"))) << screen.input.toStdString();
    EXPECT_TRUE(screen.output.contains(q(u"P1 ,")) && screen.output.contains(q(u"P3 ,")));
    EXPECT_FALSE(screen.output.contains(q(u"P2")));

    // Many such fields: twenty are named, one remark counts the rest.
    QString many;
    for (int i = 0; i < 30; ++i) many += QStringLiteral("P%1,39.9999,117.3\r\n").arg(i);
    screen.input = many;
    screen.geoToZone6();
    EXPECT_EQ(screen.input.count(q(u"中分或秒大于59")), 21);
    EXPECT_TRUE(screen.input.contains(q(u"备注∴另有 10 个经纬度数值中分或秒大于59∴")));

    QString unread = QStringLiteral("P,39.3,116.4\r\n");
    for (int i = 0; i < 25; ++i) unread += QStringLiteral("Q%1,39.5,abc\r\n").arg(i);
    screen.input = unread;
    screen.geoToZone6();
    EXPECT_EQ(screen.input.count(q(u"此行读不出坐标")), 20);
    EXPECT_TRUE(screen.input.contains(q(u"备注∴另有 5 行读不出坐标，未转换∴")));

    // Nothing readable: the unread lines are still named under the message.
    screen.input = QStringLiteral("Q,39.5,abc\r\n");
    screen.geoToZone6();
    EXPECT_EQ(screen.input, q(u"没有发现坐标数据！\r\n\r\n备注∴此行读不出坐标，未转换：Q,39.5,abc∴"));
}

}  // namespace
}  // namespace cesuan

namespace cesuan {
namespace {

// A long list is converted in pieces on several threads: the boxes are those of one pass,
// for a forward and an inverse conversion, with longitudes first and with swapped columns.
TEST_F(CoordinateScreenTest, LongListsOnSeveralThreadsGiveTheSerialResult) {
    std::mt19937 random(213);
    QString list;
    for (int i = 1; i <= 20000; ++i)
        list += QStringLiteral("%1%2,%3.%4,%5.%6,%7\r\n")
                    .arg(i % 5 == 0 ? QString() : QStringLiteral("P"))
                    .arg(i % 5 == 0 ? QString() : QString::number(i))
                    .arg(20 + random() % 25)
                    .arg(random() % 595959, 6, 10, QLatin1Char('0'))
                    .arg(110 + random() % 12)
                    .arg(random() % 595959, 6, 10, QLatin1Char('0'))
                    .arg(random() % 900);
    using Conversion = void (CoordinateScreen::*)();
    const auto run = [&](const QString& input, Conversion conversion, std::size_t threads, bool yxz) {
        CoordinateScreen s{messages, printer, web, navigator, files};
        s.threads = threads;
        s.pointLimit = 1000000;
        if (yxz) s.toggleDataOrder();
        s.input = input;
        s.output.clear();
        (s.*conversion)();
        return std::pair(s.input, s.output);
    };
    for (const bool yxz : {false, true}) {
        const auto grid = run(list, &CoordinateScreen::geoToZone3, 1, yxz);
        ASSERT_EQ(grid.second.count(u'\r'), 20002);
        EXPECT_EQ(run(list, &CoordinateScreen::geoToZone3, 4, yxz), grid);
        const auto back = run(grid.second, &CoordinateScreen::zone3ToGeo, 1, yxz);
        EXPECT_EQ(run(grid.second, &CoordinateScreen::zone3ToGeo, 3, yxz), back);
    }
}

TEST_F(CoordinateScreenTest, OpenPointsAndSaveTheOutput) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString points = dir.filePath(QStringLiteral("points.txt"));
    {
        QFile file(points);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringEncoder("GBK").encode(q(u"例3 , 39.4125536 , 117.5017873 , 23.441\n")));
    }
    files.openPaths = {points, dir.filePath(QStringLiteral("gone.txt"))};
    screen.openPoints();
    EXPECT_EQ(screen.input, q(u"例3 , 39.4125536 , 117.5017873 , 23.441\r\n"));
    EXPECT_EQ(screen.statusLine, q(u"已打开 points.txt（1 行，GBK 编码）"));
    screen.openPoints();  // a file that is gone: named, the input kept
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors[0].endsWith(dir.filePath(QStringLiteral("gone.txt"))));
    EXPECT_EQ(screen.input, q(u"例3 , 39.4125536 , 117.5017873 , 23.441\r\n"));

    screen.geoToZone6();
    const QString saved = dir.filePath(QStringLiteral("out.txt"));
    files.savePaths = {saved};
    screen.saveResult();
    EXPECT_EQ(files.suggestedNames, QStringList{q(u"坐标转换结果.txt")});
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "\xEF\xBB\xBF" + screen.output.toUtf8());
    EXPECT_EQ(screen.statusLine, q(u"已保存到 ") + saved);
}

}  // namespace
}  // namespace cesuan
