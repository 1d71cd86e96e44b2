#include "screens/angle_screen.h"

#include "angles/angle_units.h"
#include "screens/screen_texts.h"
#include "tests/support/journal_fixture.h"

namespace cesuan {
namespace {

// A screen whose boxes are recorded.
class AngleScreenTest : public testing::Test {
protected:
    const CalcErrorJournal& journal() const { return screen.journal(); }

    RecordingMessageBox box;
    AngleScreen screen{box};
};

using Command = void (AngleScreen::*)();

TEST_F(AngleScreenTest, StartsWithEmptyBoxes) {
    EXPECT_EQ(screen.angle, u"");
    EXPECT_EQ(screen.converted, u"");
    EXPECT_EQ(screen.angleCaption, u"原始角度数");
}

TEST_F(AngleScreenTest, DecimalDegreeToRadianMultipliesByTheConstant) {
    // The screen multiplies by RadiansPerDegree, and does not take the exact π that the
    // trigonometric functions use for 180 degrees.
    screen.angle = q(u" 180 ");
    screen.decimalDegreeToRadian();
    EXPECT_EQ(screen.angle, u"180");
    EXPECT_EQ(screen.angleCaption, u"百分度==>弧度");
    EXPECT_EQ(screen.converted, u"3.141592653589793238462643386");  // 180 × 0.0174532925199432957692369077
}

TEST_F(AngleScreenTest, EachButtonConvertsAndNamesItself) {
    // Radian results: the products rounded to 28 places (or to what fits in 96 bits), worked
    // out with Python's decimal module.
    struct Case { Command command; const char16_t *in, *text1, *label, *text2; };
    const Case cases[] = {
        {&AngleScreen::radianToDms, u"1", u"1", u"弧度==>度分秒",
         u"57.174480624709635515647335733"},  // 57°17′44.80624709635515647335733″
        {&AngleScreen::radianToDecimalDegree, u"1", u"1", u"弧度==>百分度",
         u"57.295779513082320876798154814"},
        {&AngleScreen::decimalDegreeToDms, u"45.50", u"45.5", u"百分度==>度分秒", u"45.3"},
        {&AngleScreen::decimalDegreeToRadian, u"-0", u"0", u"百分度==>弧度", u"0"},
        {&AngleScreen::dmsToRadian, u"45.3", u"45.3", u"度分秒==>弧度",
         u"0.7941248096574199575002793004"},  // 45.5° × RadiansPerDegree
        {&AngleScreen::dmsToDecimalDegree, u"-0.3", u"-0.3", u"度分秒==>百分度", u"-0.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(q(c.label).toStdString());
        screen.angle = q(c.in);
        (screen.*c.command)();
        EXPECT_EQ(screen.angle, q(c.text1));
        EXPECT_EQ(screen.angleCaption, q(c.label));
        EXPECT_EQ(screen.converted, q(c.text2));
    }
    EXPECT_TRUE(box.shown.isEmpty());
    EXPECT_EQ(journal().errorCount, 0);

    screen.angleTyped();
    EXPECT_EQ(screen.angleCaption, u"原始角度数");
}

TEST_F(AngleScreenTest, SecondsAbove60AreShownInABoxAndTakenAs60) {
    screen.angle = q(u"12.3075");
    screen.dmsToDecimalDegree();
    EXPECT_EQ(screen.converted, u"12.516666666666666666666666667");  // 12°31′
    ASSERT_EQ(box.shown.size(), 1);
    EXPECT_EQ(box.shown[0],
              q(u"12.3075 度分秒格式的角度数据--[秒] 数据不能大于60！超出后按60计算。请检查是否角度类型选择错误。"));

    screen.angle = q(u"12.7");
    screen.dmsToRadian();
    EXPECT_EQ(screen.converted, u"0.2268928027592628450000798001");  // 13°
    ASSERT_EQ(box.shown.size(), 2);
    EXPECT_EQ(box.shown[1],
              q(u"12.7 度分秒格式的角度数据--[分秒] 数据不能大于59599999....！超出后按60计算。请检查是否角度类型选择错误。"));
    EXPECT_EQ(journal().errorCount, 0);
}

// Nothing is shown as an angle that is not one: a value beyond the decimal range (which the
// conversions would take as 0), a result that leaves it, a text that is no number and an
// empty box each leave the angle as typed and say so in the result box.
TEST_F(AngleScreenTest, ExponentFormAndOutOfRangeInputs) {
    const auto range = [](const char16_t* typed) { return q(u"角度 ") + q(typed) + q(u" 超出计算范围，无法转换。"); };
    struct Case { Command command; const char16_t *in, *text1; QString text2; };
    const Case cases[] = {
        {&AngleScreen::decimalDegreeToDms, u"1e30", u"1e30", range(u"1e30")},
        {&AngleScreen::dmsToRadian, u"1E30", u"1E30", range(u"1E30")},
        {&AngleScreen::dmsToDecimalDegree, u"-1e30", u"-1e30", range(u"-1e30")},
        {&AngleScreen::decimalDegreeToRadian, u"1e-30", u"1e-30", range(u"1e-30")},
        {&AngleScreen::radianToDms, u"1E+35", u"1E+35", range(u"1E+35")},
        {&AngleScreen::radianToDecimalDegree, u"2e27", u"2000000000000000000000000000", range(u"2e27")},
        {&AngleScreen::radianToDms, u"-2e27", u"-2000000000000000000000000000", range(u"-2e27")},
        {&AngleScreen::radianToDecimalDegree, u"1e27", u"1000000000000000000000000000",
         q(u"57295779513082320876798154814")},  // still inside the range
        {&AngleScreen::dmsToRadian, u"abc", u"abc", q(u"角度 abc 不是数字，无法转换。")},
        {&AngleScreen::decimalDegreeToDms, u"  ", u"  ", q(u"请输入要转换的角度数值。")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(q(c.in).toStdString());
        screen.converted = q(u"stale");
        screen.angle = q(c.in);
        (screen.*c.command)();
        EXPECT_EQ(screen.angle, q(c.text1));
        EXPECT_EQ(screen.converted, c.text2);
        EXPECT_EQ(screen.failed, c.text2.startsWith(u'角') || c.text2.startsWith(u'请'));
    }
    EXPECT_TRUE(box.shown.isEmpty());
    EXPECT_EQ(screen.angleCaption, u"百分度==>度分秒");
}

TEST_F(AngleScreenTest, Texts) {
    using namespace texts::angles;
    EXPECT_TRUE(kWindowTitle.startsWith(q(u"角度变换")));
    EXPECT_EQ((QStringList{kConverted, kHeading}), (QStringList{q(u"转换结果"), q(u"角度变换")}));
    EXPECT_EQ((QStringList{kRadianToDmsCaption, kRadianToDecimalDegreeCaption, kDecimalDegreeToDmsCaption,
                           kDecimalDegreeToRadianCaption, kDmsToRadianCaption, kDmsToDecimalDegreeCaption}),
              (QStringList{q(u"弧度 ==> 度分秒"), q(u"弧度 ==> 百分度"), q(u"百分度 ==> 度分秒"),
                           q(u"百分度 ==> 弧  度"), q(u"度分秒 ==> 弧  度"), q(u"度分秒 ==> 百分度")}));
    EXPECT_EQ(kNoteRadian, u"弧度制：用圆周率3。1415926...代表180度（平角）。1.57079632679 接近直角。");
    EXPECT_EQ(kNoteDecimalDegree, u"百分度制：用360度代表一周，再把一度按100进制表示。89.99999999999 接近直角。");
    EXPECT_EQ(kNoteDms, u"度分秒制：用360度代表一周，再把分秒按60进制表示。89.59599999999 接近直角。");
    EXPECT_EQ(kNoteGradian,
              u"梯度进制：Windows计算器中采用400度代表一周，100度代表直角。将[梯度进制]转换为[百分度制]，乘以0.9；"
              u"将[百分度制]转换为[梯度进制]，除以0.9。              备注：由于[梯度进制]在日常应用中使用较少，"
              u"并且容易转换为百分度，本人没有设置专用转换软件，请另行计算。");
}

}  // namespace
}  // namespace cesuan
