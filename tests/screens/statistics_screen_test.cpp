#include "screens/statistics_screen.h"
#include "screens/statistics_texts.h"
#include "tests/support/journal_fixture.h"

namespace cesuan {
namespace {

class StatisticsScreenTest : public testing::Test {
protected:
    const CalcErrorJournal& journal() const { return screen.journal(); }
    QStringList column(int c) const {
        QStringList boxes;
        for (const auto& row : screen.grid) boxes.append(row[std::size_t(c)]);
        return boxes;
    }
    RecordingMessageBox messages;
    RecordingPrinter printer;
    RecordingFileChooser files;
    StatisticsScreen screen{messages, printer, files};
};

TEST_F(StatisticsScreenTest, TheStartExample) {
    EXPECT_EQ(screen.placesNote, u"结果保留15 位小数！");
    screen.computeStatistics();
    EXPECT_EQ(column(0).join(u'|'), u" 4| 2| 2| 2| 8| 0| 0| 0| 0| 0");
    EXPECT_EQ(screen.grid[0][1], u" 3");
    EXPECT_EQ(screen.grid[1][1], u"-33");
    EXPECT_EQ(screen.grid[2][1], u" 3.2346");
    EXPECT_EQ(screen.grid[3][1], u"-8.9218");
    EXPECT_EQ(screen.grid[4][1], u"-26.7654");
    EXPECT_EQ(column(4), QStringList(10, QStringLiteral(" ")));  // no values in the fifth column
    EXPECT_EQ(screen.gridBox(2), u" 4");
    EXPECT_EQ(screen.gridBox(51), u" ");
    // The aligned table: each column right-aligned in its widest cell (例 counts two).
    EXPECT_EQ(screen.data, q(u"   例1a * 2 *      3 * 4 * 5.987 *  \r\n"
                              u" 例2b的 * 2 *        * 5 * 6.985 *  \r\n"
                              u"   例3c * 2 * 3.2346 * 6 *       *  \r\n"
                              u"    例4 * 2 *    -33 * 7 *  98.7 *  \r\n"));
    EXPECT_EQ(journal().errorCount, 0);
}

TEST_F(StatisticsScreenTest, ZeroMeanWithSpreadAndFailures) {
    screen.data = QStringLiteral("a*-1\r\nb*1\r\n");
    screen.computeStatistics();
    EXPECT_EQ(screen.grid[5][0], u" 1.414213562373095");
    EXPECT_EQ(screen.grid[6][0], u" 2");
    EXPECT_EQ(screen.grid[7][0], u" 1E+28");
    EXPECT_EQ(screen.grid[9][0], u" 1E+28");

    CalcErrorJournal journal;
    EXPECT_EQ(StatisticsScreen::boxText(journal, CalcValue(), 15), u"数据有误或超出计算范围");
    EXPECT_EQ(StatisticsScreen::boxText(journal, Decimal96::fromParts(32, 1, true), 15), u"-3.2");
}

TEST_F(StatisticsScreenTest, LeadingColumnsAndSeparators) {
    // Without a name column the names are no numbers: named, kept, and not counted.
    screen.chooseLeadingColumns(0);
    screen.computeStatistics();
    EXPECT_EQ(screen.grid[0][0], u" ");
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith(q(u"以下单元格不是数字，未参加统计：\n第1行第1列 "))) << messages.shown[0].toStdString();
    EXPECT_EQ(messages.shown[0].count(u'\n'), 4);
    messages.shown.clear();

    // Full-width digits and Chinese commas with "," as the separator: the same as ASCII.
    screen.chooseLeadingColumns(1);
    screen.chooseSeparator(int(texts::statistics::kSeparators.indexOf(QStringLiteral(","))));
    screen.data = QString::fromUtf16(u"甲，１．５，－２\r\n乙，２．５，三\r\n");
    screen.computeStatistics();
    const auto fullWidth = screen.grid;
    screen.data = QStringLiteral("a,1.5,-2\r\nb,2.5,3\r\n");
    screen.computeStatistics();
    EXPECT_EQ(fullWidth, screen.grid);
    EXPECT_EQ(screen.grid[4][0], u" 4");

    screen.chooseSeparator(int(texts::statistics::kSeparators.indexOf(QStringLiteral("Tab"))));
    EXPECT_EQ(screen.dataSeparator, u'\t');
    screen.data = QStringLiteral("a\t7\t8\r\n");
    screen.computeStatistics();
    EXPECT_EQ(screen.grid[0][1], u" 1");
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(StatisticsScreenTest, TheBlankIsNeverASeparator) {
    screen.chooseSeparator(int(texts::statistics::kSeparators.size()) - 1);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0],
              u"    [空格]可能造成数据混乱，平时请不要使用[空格]作为分隔符！仅留作转换外来数据时使用一次。");
    EXPECT_TRUE(messages.titles[0].startsWith(u"  修改分隔符 -- "));
    EXPECT_TRUE(messages.titles[0].endsWith(u" -- 提示  "));

    screen.data = QStringLiteral("a 1*0 2\r\n");
    screen.computeStatistics();
    EXPECT_EQ(screen.dataSeparator, u'*');
    EXPECT_EQ(screen.separatorIndex, 0);
    EXPECT_EQ(messages.shown[1],
              u"    [空格]可能造成数据混乱，平时请不要使用[空格]作为分隔符！仅留作转换外来数据时使用一次。本人在数据处理时，自动强制把空格改用 * 代替。");
    EXPECT_EQ(screen.grid[0][0], u" 1");
    EXPECT_EQ(screen.grid[3][0], u" 10");  // "1*0" lost its star: 10
    EXPECT_EQ(screen.grid[3][1], u" 2");
}

TEST_F(StatisticsScreenTest, PrintGoesToThePrinter) {
    screen.printScreen();
    EXPECT_EQ(printer.printed, 1);
}

}  // namespace
}  // namespace cesuan
