#include "screens/attitude_screen.h"

#include "tests/support/journal_fixture.h"

namespace cesuan {
namespace {

class AttitudeScreenTest : public JournalTest {
protected:
    RecordingMessageBox box;
    RecordingPrinter printer;
    RecordingFileChooser files;
    RecordingNavigator navigator;
    AttitudeScreen screen{box, printer, navigator, files};

    QStringList lines() const { return screen.resultText.split(q(u"\r\n")); }
};

SurveyPoint Pt(const char16_t* serial, const CalcValue& x, const CalcValue& y, const CalcValue& h) {
    return {q(serial), x, y, h, CalcValue()};
}

TEST_F(AttitudeScreenTest, StartTexts) {
    EXPECT_EQ(screen.pointText, q(u"A001,4395879.562,40400348.322,23.441\r\n"
                              u" Z02,4394571.954,40397379.291,19.838\r\n"
                              u"  z3,4394926.422,40397410.355,19.851\r\n"
                              u"G4,0,2,5\r\n"
                              u"G5,2,0,5\r\n"
                              u"G6,0,0,3"));
    EXPECT_EQ(screen.serialChoices, QStringList{q(u"0")});
    EXPECT_EQ(screen.chosenSerial, q(u"0"));
    EXPECT_EQ(screen.serialColumnCaption, q(u"首列为序号"));
    EXPECT_EQ(screen.computeCaption, q(u"进行计算"));
    EXPECT_EQ(screen.printCaption, q(u"打印屏幕"));
    EXPECT_EQ(screen.printTooltip, q(u"安装打印机后才可执行打印功能"));
    EXPECT_EQ(screen.heading, q(u"已知三点坐标求面体的产状"));
    EXPECT_EQ(screen.formatNote, q(u"[序号]，纬度 X，经度 Y，高程 H 值必须采用，分隔数据！每行必须用回车符结束。   "
                               u"输出的角度数据为 90 . 59 59 99 类型 --> 度 . 分 秒 百分秒。"));
    EXPECT_EQ(screen.directionNote, q(u"水平上用真北为0度，垂直向用平为0度。"));
    EXPECT_EQ(screen.choiceLabel, q(u"用点号"));
    EXPECT_EQ(screen.choiceNote, q(u"向下的三个点计算。"));
    EXPECT_EQ(screen.resultHeading, q(u"面体的产状"));
    EXPECT_TRUE(screen.windowTitle.contains(q(u"面体的产状")));
}

// The plane Z = X + Y + 3 through G4, G5 and G6 of the start list.
TEST_F(AttitudeScreenTest, ResultTextOfTheStartExample) {
    screen.chosenSerial = q(u"G4");
    screen.compute();
    EXPECT_EQ(screen.resultText, q(u"    用序号为  G4  G5  G6  的三点确定面体 。\r\n"
                              u"\r\n"
                              u"面体方程式为 a*X + b*Y + c*Z + d = 0 。\r\n"
                              u"    四个参数分别为: \r\n"
                              u"    a = -1\r\n"
                              u"    b = -1\r\n"
                              u"    c = 1\r\n"
                              u"    d = -3\r\n"
                              u"\r\n"
                              u"面体产状:\r\n"
                              u"    走向为 135 度\r\n"
                              u"    倾向为 225 度\r\n"
                              u"    倾角为 54.44082 度。\r\n"
                              u"\r\n"
                              u"三点间距离顺次分别为：\r\n"
                              u"    2.82843  2.82843  2.82843  \r\n"
                              u"    成果的可信度为： 100  ( 区间 0 - 100 )。\r\n"
                              u"    可信度接近 100 表示---三点近似成正三角形。\r\n"
                              u"    可信度接近 0 表示---三点近似为一条直线。\r\n"
                              u"备注：角度为 90.59 59 99格式，走向取 0-180 。"));
    EXPECT_TRUE(screen.pointText.startsWith(q(u"A001 ,4395879.562 ,")));  // the aligned list
    EXPECT_EQ(screen.points.count(), 6);
    EXPECT_TRUE(box.shown.isEmpty());
}

// The chosen point and the next two, wrapping round to the start of the list; the origin "0"
// and the first two points when no serial matches.
TEST_F(AttitudeScreenTest, ChoiceOfTheThreePoints) {
    const struct {
        const char16_t* combo;
        const char16_t* heading;
    } cases[] = {
        {u"A001", u"    用序号为  A001  Z02  z3  的三点确定面体 。"},
        {u"z3", u"    用序号为  z3  G4  G5  的三点确定面体 。"},
        {u"G5", u"    用序号为  G5  G6  A001  的三点确定面体 。"},
        {u"G6", u"    用序号为  G6  A001  Z02  的三点确定面体 。"},
        {u"0", u"    用序号为  0  A001  Z02  的三点确定面体 。"},
        {u"Z3", u"    用序号为  0  A001  Z02  的三点确定面体 。"},  // serials are compared exactly
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(q(c.combo).toStdString());
        screen.chosenSerial = q(c.combo);
        screen.compute();
        EXPECT_EQ(lines().value(0), q(c.heading));
    }
}

TEST_F(AttitudeScreenTest, FewerThanThreePoints) {
    screen.pointText = q(u"G4,0,2,5\r\nG5,2,0,5");
    screen.resultText = q(u"before");
    screen.compute();
    EXPECT_EQ(box.shown, QStringList{q(u"点数少于3个，无法完成计算。")});
    EXPECT_EQ(screen.resultText, q(u"before"));
}

// A value that is no number is never computed as 0: the box names the point, the text stays.
TEST_F(AttitudeScreenTest, ANonNumberFailsNamingThePoint) {
    const QString typed = q(u"A,0,0,0\r\nB,abc,0,0\r\nC,0,1,1");
    screen.pointText = typed;
    screen.compute();
    EXPECT_EQ(box.shown, QStringList{q(u"第2行 B 的 X 值 abc 不是数字。\n提供的坐标数据存在错误，请仔细修改后再计算。")});
    EXPECT_EQ(screen.pointText, typed);
    EXPECT_TRUE(screen.failed);
}

TEST_F(AttitudeScreenTest, PointsOnALine) {
    screen.pointText = q(u"P1,0,0,0\r\nP2,1,1,0\r\nP3,2,2,0");
    screen.chosenSerial = q(u"P1");
    screen.compute();
    EXPECT_EQ(box.shown, QStringList{q(u"三点坐标在一条直线上 =====> 数据有误----无法计算面体参数？")});
    EXPECT_EQ(screen.resultText, q(u"    用序号为  P1  P2  P3  的三点确定面体 。\r\n"
                              u"\r\n"
                              u"面体方程式为 a*X + b*Y + c*Z + d = 0 。\r\n"
                              u"    四个参数分别为: \r\n"
                              u"提供的坐标数据存在错误，请仔细修改后再计算。"));
}

// The attitude lines of a vertical, a level and an almost level plane (a = 1E-10: its dip
// of arctan(1E-10) rounds to 0 while the plane is not level).
TEST_F(AttitudeScreenTest, AttitudeLinesByKindOfPlane) {
    PointList vertical, level, almostLevel;
    vertical.points = {Pt(u"V1", 0, 0, 0), Pt(u"V2", 1, 0, 0), Pt(u"V3", 0, 0, 1)};
    level.points = {Pt(u"L1", 0, 0, 5), Pt(u"L2", 3, 0, 5), Pt(u"L3", 0, 4, 5)};
    almostLevel.points = {Pt(u"N1", 0, 0, 0), Pt(u"N2", 0, 1, 0),
                          Pt(u"N3", 100000, 0, q(u"-0.00001"))};

    screen.points = vertical;
    screen.chosenSerial = q(u"V1");
    screen.computeFromPoints();
    EXPECT_EQ(lines().mid(4, 12), (QStringList{q(u"    a = 0"), q(u"    b = 1"), q(u"    c = 0"), q(u"    d = 0"),
                                                QString(), q(u"面体产状为垂直 --- 倾角为90度。"),
                                                q(u"    走向为 0 度"), q(u"    倾向为 90 度"),
                                                q(u"    倾角为 90 度。"), QString(), q(u"三点间距离顺次分别为："),
                                                q(u"    1  1.41421  1  ")}));
    EXPECT_EQ(lines().value(16), q(u"    成果的可信度为： 41.421712  ( 区间 0 - 100 )。"));

    screen.points = level;
    screen.chosenSerial = q(u"L1");
    screen.computeFromPoints();
    EXPECT_EQ(lines().mid(4, 9), (QStringList{q(u"    a = 0"), q(u"    b = 0"), q(u"    c = 1"), q(u"    d = -5"),
                                               QString(), q(u"面体产状为水平 --- 走向0度、倾向0度、倾角0度。"), QString(),
                                               q(u"三点间距离顺次分别为："), q(u"    3  5  4  ")}));
    EXPECT_EQ(lines().value(13), q(u"    成果的可信度为： 40  ( 区间 0 - 100 )。"));

    screen.points = almostLevel;
    screen.chosenSerial = q(u"N1");
    screen.computeFromPoints();
    EXPECT_EQ(lines().mid(4, 9),
              (QStringList{q(u"    a = 0.0000000001"), q(u"    b = 0"), q(u"    c = 1"), q(u"    d = 0"), QString(),
                           q(u"面体产状为倾斜状态 --- ////////。"), q(u"    走向为 90 度"), q(u"    倾向为 0 度"),
                           q(u"    倾角为 0 度。")}));
    EXPECT_TRUE(box.shown.isEmpty());
}

TEST_F(AttitudeScreenTest, Combo2ListsTheSerialsAndKeepsItsText) {
    screen.chosenSerial = q(u"z3");
    const QString before = screen.pointText;
    screen.serialChoicesOpened();
    EXPECT_EQ(screen.serialChoices,
              (QStringList{q(u"0"), q(u"A001"), q(u"Z02"), q(u"z3"), q(u"G4"), q(u"G5"), q(u"G6")}));
    EXPECT_EQ(screen.chosenSerial, q(u"z3"));
    EXPECT_EQ(screen.pointText, before);
}

TEST_F(AttitudeScreenTest, CheckBoxPrintAndOtherScreens) {
    screen.serialColumnClicked(false);
    EXPECT_EQ(screen.serialColumnCaption, q(u"首列为序号"));
    screen.printScreen();
    EXPECT_EQ(printer.printed, 1);
    navigator.missing = {ScreenId::ModuleMenu};
    screen.showCalculator();
    EXPECT_EQ(screen.statusLine, QString());
    screen.showMenu();
    EXPECT_EQ(screen.statusLine, q(u"[其它功能]模块即将推出，敬请期待。"));
    EXPECT_EQ(navigator.shown, (std::vector<ScreenId>{ScreenId::Main, ScreenId::ModuleMenu}));
}

}  // namespace
}  // namespace cesuan
