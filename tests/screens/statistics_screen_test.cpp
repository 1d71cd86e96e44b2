#include "screens/statistics_screen.h"
#include "files/csv.h"
#include "screens/platform_texts.h"
#include "screens/picture_texts.h"
#include "screens/statistics_texts.h"
#include "tests/support/journal_fixture.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

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
    RecordingNavigator navigator;
    StatisticsScreen screen{messages, printer, files, navigator};
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

TEST_F(StatisticsScreenTest, LearnOpensTheHelpAtStatistics) {
    screen.learn();
    EXPECT_EQ(navigator.helpTopics, std::vector<ScreenId>{ScreenId::Statistics});
    EXPECT_TRUE(messages.shown.isEmpty());
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
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(StatisticsScreenTest, APrintOutcomeIsSaid) {
    printer.outcome = {PrintOutcome::Kind::SavedAsPdf, QStringLiteral("/home/甲/测算.pdf")};
    screen.printScreen();
    EXPECT_EQ(messages.shown, QStringList{u"本页已保存为 PDF 文件：/home/甲/测算.pdf"_qs});
    printer.outcome = {PrintOutcome::Kind::PdfFailed, QStringLiteral("/ro/测算.pdf")};
    screen.printScreen();
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors[0].contains(u"/ro/测算.pdf")) << messages.errors[0].toStdString();
    printer.outcome = {PrintOutcome::Kind::Cancelled, QString()};
    screen.printScreen();
    EXPECT_EQ(messages.shown.size(), 2);
}

class StatisticsFileTest : public StatisticsScreenTest {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    static bool writeBytes(const QString& file, const QByteArray& bytes) {
        QFile f(file);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }
    static QByteArray bytesOf(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir dir;
};

TEST_F(StatisticsFileTest, SaveWritesTheTableAndTheMeasuresAsCsv) {
    ASSERT_TRUE(dir.isValid());
    const QString file = path(QStringLiteral("统计.csv"));
    files.savePaths = {file};
    screen.save();  // computes first
    EXPECT_EQ(files.saved, QStringList{texts::files::kSaveStatisticsTitle});
    EXPECT_EQ(files.filters, QStringList{texts::files::kCsvFilter});
    EXPECT_EQ(files.suggestedNames, QStringList{u"统计结果.csv"_qs});

    const QByteArray bytes = bytesOf(file);
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));  // UTF-8 with its mark, for spreadsheets
    const QList<QStringList> rows = ParseCsv(QString::fromUtf8(bytes.mid(3)));
    ASSERT_EQ(rows.size(), 4 + 1 + 1 + 10);
    // The table as the window shows it, one cell a column (the empty last column too).
    EXPECT_EQ(rows[0], (QStringList{u"例1a"_qs, u"2"_qs, u"3"_qs, u"4"_qs, u"5.987"_qs, QString()}));
    EXPECT_EQ(rows[1], (QStringList{u"例2b的"_qs, u"2"_qs, QString(), u"5"_qs, u"6.985"_qs, QString()}));
    EXPECT_EQ(rows[4], QStringList{QString()});
    EXPECT_EQ(rows[5], (QStringList{u"统计结果"_qs, u"第一列数字"_qs, u"第二列数字"_qs, u"第三列数字"_qs,
                                    u"第四列数字"_qs, u"第五列数字"_qs}));
    EXPECT_EQ(rows[6], (QStringList{u"频数N"_qs, u"4"_qs, u"3"_qs, u"4"_qs, u"3"_qs, QString()}));
    EXPECT_EQ(rows[7].mid(0, 3), (QStringList{u"Min ="_qs, u"2"_qs, u"-33"_qs}));
    EXPECT_EQ(rows[15][0], u"变异 系数n");
    for (std::size_t r = 0; r < 10; ++r)
        for (std::size_t c = 0; c < 5; ++c) EXPECT_EQ(rows[6 + qsizetype(r)][1 + qsizetype(c)], screen.grid[r][c].trimmed());
}

TEST_F(StatisticsFileTest, ASavedFileImportsAsTheSameTable) {
    ASSERT_TRUE(dir.isValid());
    const QString file = path(QStringLiteral("统计.csv"));
    files.savePaths = {file};
    screen.save();
    const auto saved = screen.grid;

    screen.load();
    screen.data.clear();
    files.openPaths = {file};
    screen.import();
    EXPECT_EQ(files.opened, QStringList{texts::files::kOpenDataTitle});
    EXPECT_EQ(files.filters.constLast(), u"文本或 CSV 文件 (*.txt *.csv);;所有文件 (*)");
    EXPECT_EQ(screen.dataSeparator, u',');
    EXPECT_EQ(screen.separatorIndex, 2);
    // The rows of the table only: the measures are computed again.
    EXPECT_EQ(screen.data, u"例1a,2,3,4,5.987,\r\n例2b的,2,,5,6.985,\r\n例3c,2,3.2346,6,,\r\n例4,2,-33,7,98.7,\r\n");
    screen.computeStatistics();
    EXPECT_EQ(screen.grid, saved);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(StatisticsFileTest, ImportsUtf8AndGbkCsv) {
    ASSERT_TRUE(dir.isValid());
    const QString table = QStringLiteral("测点1,1.5,2\r\n测点2,2.5,4\n");
    const std::pair<const char*, QByteArray> cases[] = {
        {"utf8.csv", table.toUtf8()},
        {"bom.CSV", "\xEF\xBB\xBF" + table.toUtf8()},
        {"gbk.csv", QStringEncoder("GBK").encode(table)},
    };
    for (const auto& [name, bytes] : cases) {
        const QString file = path(QString::fromLatin1(name));
        ASSERT_TRUE(writeBytes(file, bytes));
        screen.load();
        files.openPaths = {file};
        screen.import();
        EXPECT_EQ(screen.data, u"测点1,1.5,2\r\n测点2,2.5,4\r\n") << name;
        EXPECT_EQ(screen.dataSeparator, u',') << name;
        screen.computeStatistics();
        EXPECT_EQ(screen.grid[0][0], u" 2") << name;
        EXPECT_EQ(screen.grid[3][1], u" 3") << name;  // the mean of 2 and 4
    }
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(StatisticsFileTest, ACommaInAQuotedCellTakesAnotherSeparator) {
    ASSERT_TRUE(dir.isValid());
    const QString file = path(QStringLiteral("quoted.csv"));
    ASSERT_TRUE(writeBytes(file, "\"a,b\",1\r\n\"say \"\"x\"\"\",2\r\n"));
    files.openPaths = {file};
    screen.import();
    EXPECT_EQ(screen.dataSeparator, u'*');
    EXPECT_EQ(screen.separatorIndex, 0);
    EXPECT_EQ(screen.data, u"a,b*1\r\nsay \"x\"*2\r\n");
}

TEST_F(StatisticsFileTest, ATextFileKeepsTheSeparator) {
    ASSERT_TRUE(dir.isValid());
    const QString file = path(QStringLiteral("data.txt"));
    ASSERT_TRUE(writeBytes(file, "a/1\nb/2"));
    screen.chooseSeparator(1);  // "/"
    screen.computeStatistics();
    files.openPaths = {file};
    screen.import();
    EXPECT_EQ(screen.data, u"a/1\r\nb/2");
    EXPECT_EQ(screen.dataSeparator, u'/');
    EXPECT_EQ(screen.grid[0][0], QString());  // the measures of the old data are gone
}

TEST_F(StatisticsFileTest, CancelledDialogsDoNothing) {
    const QString data = screen.data;
    screen.import();
    screen.save();
    EXPECT_EQ(files.opened.size(), 1);
    EXPECT_EQ(files.saved.size(), 1);
    EXPECT_EQ(screen.data, data);
    EXPECT_EQ(screen.grid[0][0], QString());  // not computed
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(StatisticsFileTest, FilesThatCannotBeReadOrWrittenAreNamed) {
    ASSERT_TRUE(dir.isValid());
    const QString binary = path(QStringLiteral("picture.csv"));
    ASSERT_TRUE(writeBytes(binary, QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)));
    const QString missing = path(QStringLiteral("gone.csv"));
    const QString unwritable = path(QStringLiteral("no folder/out.csv"));
    const QString data = screen.data;
    files.openPaths = {missing, binary, dir.path()};
    for (int i = 0; i < 3; ++i) screen.import();
    files.savePaths = {unwritable};
    screen.save();
    ASSERT_EQ(messages.errors.size(), 4);
    EXPECT_EQ(messages.errors[0], u"找不到文件：\n"_qs + missing);
    EXPECT_EQ(messages.errors[1], u"文件不是 UTF-8 或 GBK 编码的文本，无法读入：\n"_qs + binary);
    EXPECT_EQ(messages.errors[2], u"这不是一个文件，无法读入：\n"_qs + dir.path());
    EXPECT_TRUE(messages.errors[3].startsWith(u"无法保存文件：\n"_qs + unwritable)) << messages.errors[3].toStdString();
    EXPECT_EQ(screen.separatorIndex, 0);
}

// The histogram of a chosen column, its bins by the Freedman–Diaconis rule until a count is
// chosen, and the scatter of two columns from the rows that hold both.
TEST_F(StatisticsScreenTest, HistogramAndScatter) {
    // Column 1: 0 … 7 (IQR 3.5, two bins of 3.5); column 2 holds a gap and a word.
    screen.data = QStringLiteral("a*0*1\r\nb*1*3\r\nc*2*\r\nd*3*7\r\ne*4*x\r\nf*5*11\r\ng*6*13\r\nh*7*15\r\n");
    screen.computeStatistics();
    EXPECT_TRUE(screen.binsByRule);
    EXPECT_EQ(screen.binCount, 2);
    const Picture& h = screen.histogram;
    EXPECT_EQ(h.kind, PictureKind::Chart);
    EXPECT_EQ(h.title, texts::picture::histogramTitle(1, 8, 2));
    ASSERT_EQ(h.bars.size(), 2u);
    EXPECT_EQ(h.bars[0], (PictureBar{0, 3.5, 4}));
    EXPECT_EQ(h.bars[1], (PictureBar{3.5, 7, 4}));

    screen.chooseBinCount(7);
    EXPECT_FALSE(screen.binsByRule);
    EXPECT_EQ(screen.histogram.bars.size(), 7u);
    screen.chooseHistogramColumn(1);
    EXPECT_EQ(screen.histogram.bars.size(), 7u);  // the chosen count stays
    EXPECT_EQ(screen.histogram.title, texts::picture::histogramTitle(2, 6, 7));
    screen.binsByRuleClicked(true);
    EXPECT_EQ(screen.binCount, 2);  // 1 … 15, IQR 9.5 over six values: ⌈14 / 10.46⌉
    screen.chooseHistogramColumn(4);  // an empty column
    EXPECT_TRUE(screen.histogram.bars.empty());
    EXPECT_EQ(screen.histogram.notes, QStringList{texts::picture::kNoNumbers});

    const Picture& s = screen.scatter;
    EXPECT_EQ(s.title, texts::picture::scatterTitle(1, 2, 6));
    ASSERT_EQ(s.marks.size(), 6u);
    EXPECT_EQ(s.marks[2].at, QPointF(3, 7));
    screen.chooseScatterColumns(1, 0);
    EXPECT_EQ(screen.scatter.marks[2].at, QPointF(7, 3));
}

}  // namespace
}  // namespace cesuan
