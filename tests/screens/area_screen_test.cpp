#include "screens/area_screen.h"

#include "screens/area_texts.h"
#include "tests/support/journal_fixture.h"

namespace cesuan {
namespace {

namespace t = texts::area;

class AreaScreenTest : public testing::Test {
protected:
    RecordingMessageBox box;
    RecordingPrinter printer;
    RecordingFileChooser files;
    RecordingNavigator navigator;
    AreaScreen screen{box, printer, navigator, files};
};

TEST_F(AreaScreenTest, TheStartParcelIsAMuAndAHalf) {
    EXPECT_EQ(screen.pointText, t::kStartPoints);
    screen.compute();
    EXPECT_FALSE(screen.failed);
    EXPECT_EQ(screen.resultText, q(u"界址点数：4\r\n周　　长：130.000 米\r\n面　　积：1000.000 ㎡（平方米）\r\n"
                                   u"　　　　　1.5000 亩\r\n　　　　　0.100000 公顷\r\n点的顺序：顺时针（北方朝上的图上）\r\n"));
    EXPECT_TRUE(box.shown.isEmpty());
}

TEST_F(AreaScreenTest, CrossingOutlineIsNamed) {
    screen.serialColumnClicked(false);
    EXPECT_EQ(screen.serialColumnCaption, t::kNoSerialColumn);
    screen.pointText = q(u"0,0\r\n10,10\r\n10,0\r\n0,20");
    screen.compute();
    EXPECT_FALSE(screen.failed);
    EXPECT_TRUE(screen.figures.selfIntersecting);
    EXPECT_EQ(screen.figures.squareMetres, q(u"50.000"));
    EXPECT_TRUE(screen.resultText.contains(t::kSelfIntersecting));
    // The outline: four numbered corners (drawn east, north), the area inside, the crossing of
    // 0,0–10,10 and 10,0–0,20 at 20/3, 20/3 marked last.
    ASSERT_EQ(screen.outline.marks.size(), 5u);
    EXPECT_EQ(screen.outline.marks[3].label, q(u"4"));
    EXPECT_EQ(screen.outline.marks[3].at, QPointF(20, 0));
    EXPECT_EQ(screen.outline.marks[4].label, t::kCrossingMark);
    EXPECT_NEAR(screen.outline.marks[4].at.x(), 20.0 / 3, 1e-9);
    EXPECT_NEAR(screen.outline.marks[4].at.y(), 20.0 / 3, 1e-9);
    ASSERT_EQ(screen.outline.texts.size(), 1u);
    EXPECT_EQ(screen.outline.texts[0].text, q(u"50.000 ㎡（0.0750 亩）"));
}

// The list is the surveyor's record: trailing zeros, blanks and all stay as typed.
TEST_F(AreaScreenTest, TypedListStaysAsTyped) {
    const QString typed = q(u"J1,3521.450,8724.310\r\nJ2, 3598.100 ,8731.870\r\nJ3,3604.530,8802.640\r\nJ1,3521.450,8724.310");
    screen.pointText = typed;
    screen.compute();
    EXPECT_FALSE(screen.failed);
    EXPECT_EQ(screen.pointText, typed);
}

// Each failure says why in an error box and leaves no figures from an earlier list behind.
TEST_F(AreaScreenTest, FailuresAreNamed) {
    screen.compute();
    ASSERT_FALSE(screen.failed);
    struct Case {
        const char16_t* points;
        QString message;
    };
    const Case cases[] = {
        {u"", t::kMsgTooFewPoints},
        {u"A,0,0\r\nB,5,5", t::kMsgTooFewPoints},
        {u"A,0,0\r\nB,5,5\r\nC,10,10", t::kMsgZeroArea},
        {u"A,0,0\r\nB,5\r\nC,10,10", q(u"界址点 B 缺少 Y 坐标。\n") + t::kMsgDataError},
        {u"A,0,0\r\nB,5,x\r\nC,10,10", q(u"第2行 B 的 Y 值 x 不是数字。\n") + t::kMsgDataError},
    };
    for (const Case& c : cases) {
        box.errors.clear();
        screen.pointText = q(c.points);
        screen.compute();
        EXPECT_TRUE(screen.failed) << c.message.toStdString();
        EXPECT_EQ(box.errors.value(box.errors.size() - 1), c.message);
        EXPECT_EQ(screen.resultText, u" ");
        EXPECT_EQ(screen.figures.points, 0);
    }
}

}  // namespace
}  // namespace cesuan
