#include "screens/forward_screen.h"

#include "screens/forward_texts.h"
#include "tests/support/journal_fixture.h"

namespace cesuan {
namespace {

namespace t = texts::forward;

class ForwardScreenTest : public testing::Test {
protected:
    RecordingMessageBox box;
    RecordingPrinter printer;
    RecordingFileChooser files;
    RecordingNavigator navigator;
    ForwardScreen screen{box, printer, navigator, files};
};

TEST_F(ForwardScreenTest, StartExampleRadialAndChained) {
    screen.compute();
    EXPECT_FALSE(screen.failed);
    EXPECT_EQ(screen.resultText, q(u"P1 ,3070.711 ,5070.711 ,50.000\r\n"
                                   u"P2 ,3000.000 ,5050.000 ,50.000\r\n"
                                   u"P3 ,2920.079 ,4999.303 ,53.490\r\n"));
    EXPECT_EQ(screen.lineText, t::kStartLines);  // the lines stay as typed
    screen.chainClicked();
    screen.compute();
    EXPECT_EQ(screen.rows[1], (QStringList{q(u"P2"), q(u"3070.711"), q(u"5120.711"), q(u"50.000")}));
    EXPECT_EQ(screen.rows[2], (QStringList{q(u"P3"), q(u"2990.790"), q(u"5120.013"), q(u"53.490")}));
    // Without a station height the table has no H column.
    screen.radialClicked();
    screen.stationH = q(u"  ");
    screen.compute();
    EXPECT_EQ(screen.rows[2], (QStringList{q(u"P3"), q(u"2920.079"), q(u"4999.303")}));
    EXPECT_TRUE(box.shown.isEmpty());
}

TEST_F(ForwardScreenTest, FailuresNameThePlace) {
    struct Case {
        const char16_t *x, *y, *lines;
        QString message;
    };
    const Case cases[] = {
        {u"", u"5", u"P,0,1", t::kMsgNoStation},
        {u"1", u"abc", u"P,0,1", q(u"测站的 Y 值 abc 不是数字。\n") + t::kMsgDataError},
        {u"1", u"2", u"", t::kMsgNoLines},
        {u"1", u"2", u"P,x,1", q(u"第1行 P 的 方位角 值 x 不是数字。\n") + t::kMsgDataError},
        {u"1", u"2", u"P,10", q(u"点 P 缺少距离。\n") + t::kMsgDataError},
        {u"1", u"2", u"P,400,1\r\nQ,1,1e11", q(u"点 P 的方位角 400 超出计算范围。\n点 Q 的距离 100000000000 超出计算范围。\n") + t::kMsgDataError},
        {u"1", u"2", u"P,10.0060,1,-1.6", q(u"点 P 的方位角 10.006 中分或秒大于59。\n点 P 的竖直角 -1.6 中分或秒大于59。\n") + t::kMsgDataError},
    };
    for (const Case& c : cases) {
        box.errors.clear();
        screen.stationX = q(c.x);
        screen.stationY = q(c.y);
        screen.lineText = q(c.lines);
        screen.compute();
        EXPECT_TRUE(screen.failed) << c.message.toStdString();
        EXPECT_EQ(box.errors, QStringList{c.message});
        EXPECT_EQ(screen.resultText, u" ");
        EXPECT_TRUE(screen.rows.empty());
    }
}

}  // namespace
}  // namespace cesuan
