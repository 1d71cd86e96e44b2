#include "geodesy/point_list.h"

#include "geodesy/geodesy_texts.h"
#include "tests/support/journal_fixture.h"

namespace cesuan {
namespace {

class PointListTest : public JournalTest {
protected:
    QString parse(const QString& text, bool hasSerial) { return ParsePointList(journal, text, hasSerial, list); }
    QStringList serials() const {
        QStringList s;
        for (const SurveyPoint& p : list.points) s.append(p.serial);
        return s;
    }
    PointList list;
};

const QString kThreePoints = q(u"A001,4395879.562,40400348.322,23.441\r\n"
                               u" Z02,4394571.954,40397379.291,19.838\r\n"
                               u"  z3,4394926.422,40397410.355,19.851");

TEST_F(PointListTest, ReadsSerialsAndNumbersAndAlignsTheColumns) {
    const QString aligned = parse(kThreePoints, true);
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(serials(), QStringList({q(u"A001"), q(u"Z02"), q(u"z3")}));
    EXPECT_EQ(list.points[1].x.text(), q(u"4394571.954"));
    EXPECT_EQ(list.points[1].y.text(), q(u"40397379.291"));
    EXPECT_EQ(list.points[1].h.text(), q(u"19.838"));
    EXPECT_TRUE(list.points[1].x.isDecimal());
    EXPECT_TRUE(list.points[2].extra.isEmpty());
    EXPECT_EQ(aligned, q(u"A001 ,4395879.562 ,40400348.322 ,23.441 ,\r\n"
                         u" Z02 ,4394571.954 ,40397379.291 ,19.838 ,\r\n"
                         u"  z3 ,4394926.422 ,40397410.355 ,19.851 ,\r\n"));
    EXPECT_TRUE(journal.notices.empty());
    EXPECT_EQ(journal.errorCount, 0);
}

TEST_F(PointListTest, AlignmentPadsNumbersLeftAndHeightsRight) {
    const QString aligned = parse(q(u"1,2.5,3,4,9\r\nlong,10.25,300,-4.5"), true);
    EXPECT_EQ(aligned, q(u"   1 ,2.5   ,3   ,   4 ,9\r\n"
                         u"long ,10.25 ,300 ,-4.5 , \r\n"));
    EXPECT_EQ(list.points[0].extra.text(), q(u"9"));
}

// An empty line holds no point; the others keep their line numbers.
TEST_F(PointListTest, WithoutSerialsTheFirstFieldIsXAndTheLineNumberTheSerial) {
    const QString aligned = parse(q(u"1.5,2.5,3.5\r\n\r\n7,8,9,10"), false);
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(serials(), QStringList({q(u"1"), q(u"3")}));
    EXPECT_EQ(list.points[0].x.text(), q(u"1.5"));
    EXPECT_EQ(list.points[0].h.text(), q(u"3.5"));
    EXPECT_EQ(list.points[1].extra.text(), q(u"10"));
    EXPECT_EQ(aligned.split(q(u"\r\n"))[1], QString());  // the empty line stays empty
}

// A value that is no number is named by its line, serial and field, never read as 0.
TEST_F(PointListTest, ValuesThatAreNoNumbersAreNamed) {
    parse(kThreePoints, false);  // the serials read as X
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.badValues, QStringList({q(u"第1行 的 X 值 A001 不是数字。"), q(u"第2行 的 X 值 Z02 不是数字。"),
                                           q(u"第3行 的 X 值 z3 不是数字。")}));
    EXPECT_TRUE(list.points[0].x.isEmpty());
    EXPECT_EQ(list.points[0].y.text(), q(u"4395879.562"));
    EXPECT_EQ(journal.errorCount, 0);

    struct Case {
        const char16_t *text, *named;
    };
    const Case cases[] = {
        {u"P1,1,2,3\r\nP2,abc,5,6", u"第2行 P2 的 X 值 abc 不是数字。"},
        {u"P1,1,x,3", u"第1行 P1 的 Y 值 x 不是数字。"},
        {u"P1,1,2,3e400", u"第1行 P1 的 H 值 3e400 不是数字。"},
        {u"P1,1,2,3,1.2.3", u"第1行 P1 的 第4个数 值 1.2.3 不是数字。"},
    };
    for (const Case& c : cases) {
        parse(q(c.text), true);
        EXPECT_EQ(list.badValues, QStringList({q(c.named)}));
    }
    parse(kThreePoints, true);
    EXPECT_TRUE(list.badValues.isEmpty());
}

// A serial without coordinates is named and skipped; a missing height alone stays 0.
TEST_F(PointListTest, ASerialWithoutCoordinatesIsNamedAndSkipped) {
    const QString aligned = parse(q(u"P1,1,2,3\r\nJ\r\n\r\nP4,3,4"), true);
    EXPECT_EQ(serials(), QStringList({q(u"P1"), q(u"P4")}));
    EXPECT_EQ(NoticeTexts(journal.notices), QStringList({q(u"第2行 J 没有坐标，已跳过。")}));
    EXPECT_TRUE(list.points[1].h.isEmpty());
    EXPECT_EQ(aligned.count(q(u"\r\n")), 4);
}

TEST_F(PointListTest, EveryKindOfLineEndEndsALine) {
    for (const QString& end : {q(u"\r\n"), q(u"\n"), q(u"\r")}) {
        SCOPED_TRACE(end.toStdString() == "\n" ? "LF" : end.size() == 1 ? "CR" : "CR LF");
        const QString aligned = parse(q(u"a,1,2,3") + end + q(u"b,4,5,6") + end + end + q(u"c,7,8,9") + end, true);
        ASSERT_EQ(list.count(), 3);  // the empty line holds no point
        EXPECT_EQ(serials(), QStringList({q(u"a"), q(u"b"), q(u"c")}));
        EXPECT_EQ(list.points[1].x.text(), q(u"4"));  // the character after a lone CR is kept
        EXPECT_EQ(list.points[2].h.text(), q(u"9"));
        EXPECT_EQ(aligned.count(q(u"\r\n")), 4);
        EXPECT_EQ(aligned.count(u'\r'), 4);
    }
}

TEST_F(PointListTest, LinesWithoutASerialAreNumbered) {
    parse(q(u"P1,1,2,3\r\n,4,5,6\r\n\r\nP4,7,8,9"), true);
    EXPECT_EQ(serials(), QStringList({q(u"P1"), q(u"2"), q(u"P4")}));
    EXPECT_EQ(list.points[1].x.text(), q(u"4"));
}

TEST_F(PointListTest, LookAlikeCharactersAreMapped) {
    struct Case {
        const char16_t* in;
        const char16_t* x;
    };
    constexpr Case kCases[] = {
        {u"1、5", u"1.5"},       {u"±2", u"-2"},         {u"１２．５", u"12.5"},  // full-width digits and point
        {u"１。５", u"1.5"},      {u"＋3", u"3"},         {u"—4", u"-4"},
        {u"－4", u"-4"},         {u"─4", u"-4"},         {u"━4", u"-4"},
        {u"―4", u"-4"},          {u"＿4", u"-4"},        {u"_4", u"-4"},
        {u"\u30004", u"4"},       {u"４395879.562", u"4395879.562"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(QString::fromUtf16(c.in).toStdString());
        journal.notices.clear();
        parse(q(u"P,") + QString::fromUtf16(c.in) + q(u",0,0"), true);
        ASSERT_EQ(list.count(), 1);
        EXPECT_EQ(list.points[0].x.text(), QString::fromUtf16(c.x));
        EXPECT_TRUE(journal.notices.empty());
    }
    // Every separator look-alike splits fields; serials are mapped too.
    for (const char16_t* sep : {u"，", u";", u"；", u"／", u"/"}) {
        const QString s = QString::fromUtf16(sep);
        parse(q(u"A_1") + s + q(u"1") + s + q(u"2") + s + q(u"3"), true);
        EXPECT_EQ(list.points[0].serial, q(u"A-1"));
        EXPECT_EQ(list.points[0].h.text(), q(u"3"));
    }
    parse(q(u"Ａｂ,╋1,┼2,+3"), true);
    EXPECT_EQ(list.points[0].serial, q(u"Ab"));
    EXPECT_EQ(list.points[0].x.text(), q(u"1"));
    EXPECT_EQ(list.points[0].y.text(), q(u"2"));
}

TEST_F(PointListTest, RemovedCharactersAreReportedOneBoxEachUpToFive) {
    const QString one = q(u"数据中存在无用的字符或汉字！已被自动清除，计算继续进行。");
    parse(q(u"例3，39.41，117.50"), true);
    EXPECT_EQ(list.points[0].serial, q(u"3"));
    EXPECT_EQ(list.points[0].x.text(), q(u"39.41"));
    EXPECT_EQ(list.points[0].y.text(), q(u"117.5"));
    EXPECT_EQ(NoticeTexts(journal.notices), QStringList({one}));

    struct Case {
        const char16_t* in;
        QStringList boxes;
    };
    const Case kCases[] = {
        {u"测量点,1,2,3", {one, one, one}},
        {u"A（甲乙）,1,2,3", {one, one, one, one}},  // "（" and "）" become "(" and ")",
        {u"北京测量点,1,2,3", {one, one, one, one, one}},
        {u"北京测量点位,1,2,3", {one, one, one, one, one, q(u"另有 1 个无用的字符或汉字已被自动清除。")}},
        {u"北京测量点位\r\n某某某某,1,2,3", {one, one, one, one, one, q(u"另有 5 个无用的字符或汉字已被自动清除。")}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(QString::fromUtf16(c.in).toStdString());
        journal.notices.clear();
        parse(QString::fromUtf16(c.in), true);
        EXPECT_EQ(NoticeTexts(journal.notices), c.boxes);
        for (const Notice& n : journal.notices) EXPECT_EQ(n, InformationNotice(n.text)) << "an information box with OK";
    }
    EXPECT_EQ(list.count(), 1);  // the first line held only removed characters
    EXPECT_EQ(list.points[0].serial, q(u"2"));  // a serial made only of removed characters
    EXPECT_EQ(list.points[0].x.text(), q(u"1"));
}

TEST_F(PointListTest, ControlCharactersAndAsciiLettersAreKept) {
    parse(q(u"[a]^,1,2,3"), true);
    EXPECT_EQ(list.points[0].serial, q(u"[a]^"));  // "[" to "`" lie between "A" and "z"
    EXPECT_TRUE(journal.notices.empty());
    parse(q(u"a(b),1,2,3"), true);
    EXPECT_EQ(list.points[0].serial, q(u"ab"));
    EXPECT_EQ(NoticeTexts(journal.notices).size(), 2);
}

TEST_F(PointListTest, AShortTextLeavesTheListAsItWas) {
    parse(kThreePoints, true);
    for (const QString& s : {q(u"x"), QString()}) {
        EXPECT_EQ(parse(s, true), s);
        EXPECT_EQ(list.count(), 3);
        EXPECT_EQ(list.points[0].serial, q(u"A001"));
    }
    parse(q(u"1,"), true);  // two characters are parsed: a serial without coordinates
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(NoticeTexts(journal.notices), QStringList({q(u"第1行 1 没有坐标，已跳过。")}));
}

TEST_F(PointListTest, TheAlignedTextReadsBackToTheSamePoints) {
    const QString aligned = parse(q(u"A001,4395879.562,40400348.322,23.441\r\nb,1,-2.5,3,44"), true);
    const PointList first = list;
    EXPECT_EQ(parse(aligned, true), aligned);
    ASSERT_EQ(list.count(), first.count());
    for (int i = 0; i < list.count(); ++i) {
        EXPECT_EQ(list.points[i].serial, first.points[i].serial);
        EXPECT_EQ(list.points[i].y.text(), first.points[i].y.text());
        EXPECT_EQ(list.points[i].extra.text(), first.points[i].extra.text());
    }
}

}  // namespace
}  // namespace cesuan
