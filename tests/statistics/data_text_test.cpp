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
    EXPECT_EQ(field(1, 6), u"6");  // the seventh cell is dropped
    EXPECT_EQ(field(1, 7), u"");

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

TEST_F(DataTableTest, NumberCellsBecomeNumbers) {
    ParseDataTable(journal, table, q(u"a*1e3*x12\r\n   *   *  \r\n"), u'*', ColumnPattern(1));
    EXPECT_EQ(FormatDataTable(journal, table, u'*', ColumnPattern(1)), q(u" a * 1000 * 0 *  *  *  \r\n   *      *   *  *  *  \r\n"));
    EXPECT_EQ(table.values[2].items, QStringList{QStringLiteral("1000")});
    EXPECT_EQ(table.values[3].items, QStringList{QStringLiteral("0")});  // counted as 0
    EXPECT_EQ(table.values[1].count(), 1);                               // the blank line adds nothing
}

}  // namespace
}  // namespace cesuan
