#include "files/csv.h"
#include "files/text_file.h"
#include "tests/support/journal_fixture.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <algorithm>

#include <unistd.h>

namespace cesuan {
namespace {

const QString kChinese = QStringLiteral("例1,测算,１２．５\r\n点2,坐标,-3\r\n");

QByteArray gbk(const QString& text) { return QStringEncoder("GBK").encode(text); }

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

TEST(DecodeTextBytes, FindsTheEncoding) {
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    struct Case {
        const char* name;
        QByteArray bytes;
        TextEncoding encoding;
    };
    const Case cases[] = {
        {"utf-8", kChinese.toUtf8(), TextEncoding::Utf8},
        {"utf-8 with its mark", "\xEF\xBB\xBF" + kChinese.toUtf8(), TextEncoding::Utf8WithBom},
        {"gbk", gbk(kChinese), TextEncoding::Gbk},
        {"utf-16 with its mark", utf16.encode(kChinese), TextEncoding::Utf16},
    };
    for (const Case& c : cases) {
        const TextFileContent content = DecodeTextBytes(c.bytes);
        EXPECT_EQ(content.problem, FileProblem::None) << c.name;
        EXPECT_EQ(content.text, kChinese) << c.name;  // no mark left at the start
        EXPECT_EQ(int(content.encoding), int(c.encoding)) << c.name;
    }
    // ASCII is UTF-8; the empty file is an empty text.
    EXPECT_EQ(int(DecodeTextBytes("1*2\r\n").encoding), int(TextEncoding::Utf8));
    EXPECT_TRUE(DecodeTextBytes(QByteArray()).ok());
    EXPECT_TRUE(DecodeTextBytes(QByteArray()).text.isEmpty());
}

TEST(DecodeTextBytes, BinaryIsNoText) {
    const QByteArray png("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
    const QByteArray neither("1,2\x81\x20\xFF\xFF", 7);  // no UTF-8 and no GBK
    QByteArray controls;
    for (int i = 0; i < 64; ++i) controls += char(1 + i % 8);  // stray control characters
    const QByteArray markedBadUtf8 = QByteArray("\xEF\xBB\xBF") + "\xC3\x28";
    for (const QByteArray& bytes : {png, neither, controls, markedBadUtf8})
        EXPECT_EQ(DecodeTextBytes(bytes).problem, FileProblem::NotText) << bytes.toHex().toStdString();
    // A tab, a form feed and the old end-of-file mark are text.
    EXPECT_TRUE(DecodeTextBytes("a\tb\x0C\r\n\x1A").ok());
}

class TextFileTest : public testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    QTemporaryDir dir;
};

TEST_F(TextFileTest, WrittenWithTheMarkAndReadBack) {
    ASSERT_TRUE(dir.isValid());
    const QString file = path("表.csv");
    ASSERT_EQ(WriteTextFile(file, kChinese), FileProblem::None);
    EXPECT_EQ(bytesOf(file), "\xEF\xBB\xBF" + kChinese.toUtf8());
    const TextFileContent read = ReadTextFile(file);
    EXPECT_EQ(read.text, kChinese);
    EXPECT_EQ(int(read.encoding), int(TextEncoding::Utf8WithBom));

    // Writing again replaces the whole file.
    ASSERT_EQ(WriteTextFile(file, QStringLiteral("1")), FileProblem::None);
    EXPECT_EQ(ReadTextFile(file).text, u"1");
}

TEST_F(TextFileTest, ProblemsOfReadingAndWriting) {
    ASSERT_TRUE(dir.isValid());
    EXPECT_EQ(ReadTextFile(path("none.txt")).problem, FileProblem::Missing);
    EXPECT_EQ(ReadTextFile(dir.path()).problem, FileProblem::NotAFile);

    QString detail;
    EXPECT_EQ(WriteTextFile(path("no folder/x.csv"), kChinese, &detail), FileProblem::NotWritten);
    EXPECT_FALSE(detail.isEmpty());  // the system's words

    const QString locked = path("locked.txt");
    ASSERT_TRUE(writeBytes(locked, "1,2\r\n"));
    if (geteuid() != 0) {  // rights do not hold back the superuser
        ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::WriteOwner));
        const TextFileContent read = ReadTextFile(locked);
        EXPECT_EQ(read.problem, FileProblem::Unreadable);
        EXPECT_FALSE(read.detail.isEmpty());
    }
}

TEST_F(TextFileTest, ALongFileIsReadInPiecesAndCanBeStopped) {
    ASSERT_TRUE(dir.isValid());
    QString text;
    for (int i = 0; i < 300000; ++i) text += QStringLiteral("点%1,4395879.562,40400348.322,23.441\r\n").arg(i);
    const QString file = path("long.txt");
    ASSERT_TRUE(writeBytes(file, gbk(text)));

    QList<qint64> reports;
    qint64 total = 0;
    const TextFileContent read = ReadTextFile(file, [&](qint64 done, qint64 size) {
        reports.append(done);
        total = size;
        return true;
    });
    EXPECT_EQ(read.text, text);
    EXPECT_EQ(int(read.encoding), int(TextEncoding::Gbk));
    ASSERT_GT(reports.size(), 2);
    EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
    EXPECT_EQ(reports.constLast(), total);

    int calls = 0;
    const TextFileContent stopped = ReadTextFile(file, [&](qint64, qint64) { return ++calls < 2; });
    EXPECT_EQ(stopped.problem, FileProblem::Cancelled);
    EXPECT_TRUE(stopped.text.isEmpty());
}

TEST(Csv, CellsThatNeedQuotes) {
    struct Case {
        QStringList cells;
        const char16_t* row;
    };
    const Case cases[] = {
        {{u"例1"_qs, u"2"_qs, u" -3.5"_qs}, u"例1,2, -3.5\r\n"},
        {{u"a,b"_qs, u"say \"hi\""_qs}, u"\"a,b\",\"say \"\"hi\"\"\"\r\n"},
        {{u"two\r\nlines"_qs, QString()}, u"\"two\r\nlines\",\r\n"},
        {{}, u"\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CsvRow(c.cells), QString::fromUtf16(c.row));
        if (!c.cells.isEmpty()) {
            EXPECT_EQ(ParseCsv(CsvRow(c.cells)), QList<QStringList>{c.cells});
        }
    }
}

TEST(Csv, RowsAndLineEnds) {
    // CR LF, a lone LF and a lone CR end rows; a quote inside a cell is a quote; an empty line
    // is a row of one empty cell, except at the end.
    const QList<QStringList> rows = ParseCsv(u"a,b\r\nc\n\nd,\"e\nf\"\rg\"h,\"\"\n");
    const QList<QStringList> expected = {
        {u"a"_qs, u"b"_qs}, {u"c"_qs}, {QString()}, {u"d"_qs, u"e\nf"_qs}, {u"g\"h"_qs, QString()},
    };
    EXPECT_EQ(rows, expected);
    EXPECT_TRUE(ParseCsv(u"").isEmpty());
    EXPECT_EQ(ParseCsv(u"x"), QList<QStringList>{{u"x"_qs}});
}

}  // namespace
}  // namespace cesuan
