#include "statistics/data_text.h"
#include "tests/support/journal_fixture.h"

namespace cesuan {
namespace {

TEST(NormaliseDataText, Examples) {
    struct Case { const char16_t *in, *out; };
    const Case cases[] = {
        {u"１２．５，三", u"12.5,3"}, {u"壹贰叁", u"123"},     {u"（Ａ－ｂ）", u"(A-b)"},
        {u"2×3", u"2χ3"},             {u"", u""},               {u"a｜b", u"a:b"},
        {u"\u00A5", u"￥"},           {u"“引号”", u"\"引号\""}, {u"万\t\r\n", u"万\t\r\n"},  // others stay
    };
    for (const Case& c : cases)
        EXPECT_EQ(NormaliseDataText(QString::fromUtf16(c.in)), QString::fromUtf16(c.out)) << QString::fromUtf16(c.in).toStdString();
}

TEST(NormaliseDataText, EveryTableCharacter) {
    for (const DataCharacterMapping& row : DataCharacterTable())
        for (const char16_t* c = row.characters; *c; ++c)
            EXPECT_EQ(NormaliseDataText(QString(QChar(*c))), QString::fromUtf16(row.result)) << int(*c);
}

class DataTableTest : public JournalTest {
protected:
    DataTable table;
    QString field(std::size_t record, std::size_t f) const { return table.records[record].field[f]; }
};

TEST_F(DataTableTest, LinesAndCells) {
    ParseDataTable(journal, table, q(u"a*1**3\r\n1*2*3*4*5*6*7"), u'*', ColumnPattern(1));
    ASSERT_EQ(table.records.size(), 2u);
    EXPECT_EQ(field(0, 1), u"a");
    EXPECT_EQ(field(0, 2), u"1");
    EXPECT_EQ(field(0, 3), u"");
    EXPECT_EQ(field(0, 4), u"3");
    EXPECT_EQ(field(0, 5), u"");
    EXPECT_EQ(field(1, 6), u"6");
    EXPECT_EQ(field(1, 7), u"");
    EXPECT_EQ(table.records[1].beyond, QStringList{q(u"7")});  // the seventh cell is kept apart

    ParseDataTable(journal, table, q(u"1*2\r\n\r\n"), u'*', ColumnPattern(0));
    EXPECT_EQ(table.records.size(), 2u);  // one more, empty record
    ParseDataTable(journal, table, q(u"a\nb*1\r2*3"), u'*', ColumnPattern(1));
    ASSERT_EQ(table.records.size(), 2u);  // a lone CR ends a line; a lone LF is part of a cell
    EXPECT_EQ(field(0, 1), u"a\nb");
    EXPECT_EQ(field(1, 2), u"3");
    ParseDataTable(journal, table, q(u"名*号*1*2"), u'*', ColumnPattern(2));
    EXPECT_EQ(field(0, 8), u"号");
    EXPECT_EQ(field(0, 2), u"1");
    ParseDataTable(journal, table, QString(), u'*', ColumnPattern(1));
    EXPECT_TRUE(table.records.empty());
}

TEST_F(DataTableTest, FormatAlignsRightByDisplayWidth) {
    ParseDataTable(journal, table, q(u"例4 * 2 * -33 * 7 * 98.7\r\nb*12*3*4*5\r\n"), u'*', ColumnPattern(1));
    EXPECT_EQ(FormatDataTable(journal, table, u'*', ColumnPattern(1)),
              q(u" 例4 *  2 * -33 * 7 * 98.7 *  \r\n"
                u"   b * 12 *   3 * 4 *    5 *  \r\n"));
    EXPECT_EQ(table.values[1].width, 3);
    EXPECT_EQ(table.values[6].count(), 0);
}

// A number cell that is no number stays as typed, is not counted and is named with its row
// and column; cells after the last measured column stay in the table.
TEST_F(DataTableTest, NumberCellsBecomeNumbersAndTheOthersAreNamed) {
    ParseDataTable(journal, table, q(u"a*1e3*x12\r\n   *   *  \r\nb*3e400*2*3*4*5*6*7\r\n"), u'*', ColumnPattern(1));
    EXPECT_EQ(FormatDataTable(journal, table, u'*', ColumnPattern(1)),
              q(u" a *  1000 * x12 *   *   *   \r\n"
                u"   *       *     *   *   *   \r\n"
                u" b * 3e400 *   2 * 3 * 4 * 5 * 6 * 7 \r\n"));
    EXPECT_EQ(table.values[2].items, QStringList{q(u"1000")});  // 3e400 is not counted
    EXPECT_EQ(table.values[3].items, QStringList{q(u"2")});     // nor is x12
    EXPECT_EQ(table.values[1].count(), 2);                      // the blank line adds nothing
    EXPECT_EQ(table.notNumbers, QStringList({q(u"第1行第3列 x12"), q(u"第3行第2列 3e400")}));
    EXPECT_EQ(NoticeTexts(journal.notices),
              QStringList({q(u"以下单元格不是数字，未参加统计：\n第1行第3列 x12\n第3行第2列 3e400"),
                           q(u"只统计前5列数字；第7列起的数据保留在表中，未参加统计。")}));
}

}  // namespace
}  // namespace cesuan
