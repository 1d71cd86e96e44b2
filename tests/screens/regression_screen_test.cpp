#include "screens/regression_screen.h"

#include "screens/picture_texts.h"
#include "screens/help_texts.h"
#include "screens/regression_texts.h"
#include "screens/statistics_texts.h"
#include "tests/support/recording_platform.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace cesuan {
namespace {

class RegressionScreenTest : public testing::Test {
protected:
    RecordingMessageBox messages;
    RecordingFileChooser files;
    RecordingNavigator navigator;
    RegressionScreen screen{messages, files, navigator};
};

namespace t = texts::regression;

// The start example: y = 1/14 + 139/70·x on seven pairs, predicted at x = 8.
TEST_F(RegressionScreenTest, TheStartExampleWithItsPrediction) {
    screen.compute();
    ASSERT_TRUE(screen.fitted);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_NEAR(screen.fit.coefficients[0], 1.0 / 14, 1e-15);
    EXPECT_NEAR(screen.fit.coefficients[1], 139.0 / 70, 1e-15);
    const QStringList lines = screen.resultText.split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines[0], t::heading(1));
    EXPECT_EQ(lines[1], t::pairsLine(1, 2, 7));
    EXPECT_TRUE(lines.contains(t::coefficientLine(0, u"0.07"_qs, u"0.16"_qs)));
    EXPECT_TRUE(lines.contains(t::coefficientLine(1, u"1.986"_qs, u"0.036"_qs)));
    EXPECT_TRUE(lines.contains(t::correlationLine(u"0.999172912755884"_qs)));
    EXPECT_TRUE(lines.contains(t::residualLine(u"0.191"_qs)));
    // ŷ(8) = 15.957…, t(0.975, 5)·s·√(1 + 1/7 + 16/28) = 0.6436…
    EXPECT_TRUE(lines.contains(t::predictionLine(u"8"_qs, u"15.96"_qs, u"0.64"_qs, u"15.31"_qs, u"16.60"_qs)))
        << screen.resultText.toStdString();
    // The help topic tells the same.
    for (const char16_t* shown : {u"b1 = 1.986", u"0.999172912755884", u"15.96 ± 0.64", u"15.31 … 16.60"})
        EXPECT_TRUE(texts::help::kRegressionText.contains(QString::fromUtf16(shown)));

    // The picture: the seven points, the curve across them and on to the prediction.
    const Picture& p = screen.picture;
    EXPECT_EQ(p.kind, PictureKind::Chart);
    ASSERT_EQ(p.marks.size(), 8u);
    EXPECT_EQ(p.marks[0].at, QPointF(1, 2.1));
    EXPECT_EQ(p.marks.back().label, t::kPredictionMark);
    ASSERT_EQ(p.lines.size(), 2u);
    EXPECT_EQ(p.lines[0].points.front().x(), 1);
    EXPECT_EQ(p.lines[0].points.back().x(), 8);
    EXPECT_NEAR(p.lines[1].points[1].y() - p.lines[1].points[0].y(), 2 * 0.6436, 1e-3);
}

TEST_F(RegressionScreenTest, ColumnsDegreeSeparatorAndMissingCells) {
    // Two name columns, ";" between cells; x in the third number column, y in the first. A
    // row without y is left out and counted.
    screen.data = u"a;b;9;0;1\r\nc;d;7;0;2\r\ne;f;5;0;3\r\ng;h;;0;4\r\ni;j;4;0;5\r\nk;l;9;0;6\r\n"_qs;
    screen.chooseLeadingColumns(2);
    screen.chooseSeparator(int(texts::statistics::kSeparators.indexOf(u";"_qs)));
    screen.xColumnIndex = 2;
    screen.yColumnIndex = 0;
    screen.degreeIndex = 1;
    screen.xText.clear();
    screen.compute();
    ASSERT_TRUE(screen.fitted);
    EXPECT_EQ(screen.xs, (std::vector<long double>{1, 2, 3, 5, 6}));
    EXPECT_EQ(screen.skippedRows, 1);
    EXPECT_EQ(screen.fit.degree, 2);
    EXPECT_TRUE(screen.resultText.contains(t::skippedRows(1)));
    EXPECT_FALSE(screen.resultText.contains(u"预测"_qs));
    EXPECT_TRUE(screen.resultText.contains(t::heading(2)));
}

TEST_F(RegressionScreenTest, DataThatCannotBeFittedAreNamed) {
    struct Case {
        QString data;
        int degree;
        QString message;
    };
    const Case cases[] = {
        {u"a*1*2\r\nb*2*3\r\n"_qs, 1, t::msgTooFewPairs(2, 1)},
        {u"a*1*2\r\nb*1*3\r\nc*1*5\r\n"_qs, 1, t::msgTooFewXValues(1, 1)},
        {u"a*1*2\r\nb*2*3\r\nc*1*5\r\nd*2*4\r\n"_qs, 2, t::msgTooFewXValues(2, 2)},
        {u"a*1*2\r\nb*2*1e300\r\nc*3*-1e300\r\nd*4*1e300\r\n"_qs, 1, t::kOutOfRange},
    };
    for (const Case& c : cases) {
        messages.shown.clear();
        screen.data = c.data;
        screen.degreeIndex = c.degree - 1;
        screen.compute();
        EXPECT_FALSE(screen.fitted);
        EXPECT_EQ(messages.shown, QStringList{c.message}) << c.data.toStdString();
        EXPECT_TRUE(screen.resultText.isEmpty());
        EXPECT_TRUE(screen.picture.lines.empty());  // the data alone
    }
    messages.shown.clear();
    screen.xColumnIndex = screen.yColumnIndex = 1;
    screen.compute();
    EXPECT_EQ(messages.shown, QStringList{t::kSameColumns});

    // An x that is no number: the fit without a prediction, and a box that says why.
    messages.shown.clear();
    screen.load();
    screen.xText = u"x8"_qs;
    screen.compute();
    EXPECT_TRUE(screen.fitted);
    EXPECT_EQ(messages.shown, QStringList{t::msgBadX(u"x8"_qs)});
    // Full-width digits are read as digits.
    messages.shown.clear();
    screen.xText = u"８"_qs;
    screen.compute();
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_TRUE(screen.resultText.contains(u"15.96"_qs));
}

TEST_F(RegressionScreenTest, ImportAndHelp) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"数据.csv"_qs);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("a,1,2\r\nb,2,4.1\r\nc,3,5.9\r\n");
    file.close();
    files.openPaths = {path};
    screen.importData();
    EXPECT_EQ(screen.dataSeparator, u',');
    EXPECT_EQ(screen.data, u"a,1,2\r\nb,2,4.1\r\nc,3,5.9\r\n"_qs);
    screen.compute();
    EXPECT_TRUE(screen.fitted);
    EXPECT_EQ(screen.fit.n, 3);
    EXPECT_EQ(screen.data, u"a,1,2\r\nb,2,4.1\r\nc,3,5.9\r\n"_qs);  // the table stays as typed

    screen.showHelp();
    EXPECT_EQ(navigator.helpTopics, std::vector<ScreenId>{ScreenId::Regression});
}

}  // namespace
}  // namespace cesuan
