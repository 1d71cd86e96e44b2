// The transformation window's controller: estimate, apply, the parameter file and the
// Cartesian conversions on the texts of its boxes. The routines themselves are proved in
// tests/geodesy/transform_test.cpp.

#include "screens/transform_screen.h"

#include "geodesy/helmert_texts.h"
#include "screens/coordinate_screen.h"
#include "screens/platform_texts.h"
#include "screens/transform_texts.h"
#include "tests/support/journal_fixture.h"

#include <QFile>
#include <QTemporaryDir>

namespace cesuan {
namespace {

namespace t = texts::transform;

class TransformScreenTest : public ::testing::Test {
protected:
    RecordingMessageBox messages;
    RecordingFileChooser files;
    RecordingNavigator navigator;
    TransformScreen screen{messages, navigator, files};
};

TEST_F(TransformScreenTest, GpsButtonOfTheCoordinateWindowOpensIt) {
    RecordingPrinter printer;
    RecordingWebPageOpener web;
    CoordinateScreen coordinates{messages, printer, web, navigator, files};
    coordinates.gps();
    EXPECT_EQ(navigator.shown, std::vector<ScreenId>{ScreenId::Transform});
    EXPECT_EQ(coordinates.statusLine, QString());
    screen.showHelp();
    EXPECT_EQ(navigator.helpTopics, std::vector<ScreenId>{ScreenId::Transform});
}

TEST_F(TransformScreenTest, EstimateFillsTheReportAndTheParametersThatApplyUses) {
    screen.estimate();
    EXPECT_FALSE(screen.failed);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_TRUE(screen.report.startsWith(u"七参数  公共点 6 个，多余观测数 11\r\n"));
    EXPECT_TRUE(screen.parameters.contains(u"model = 7\r\n"));
    EXPECT_TRUE(screen.parameters.contains(u"dx = 16.371"));

    // The parameters know their model: applying 4-parameter ones switches the list.
    screen.parameters = QStringLiteral("model = 4\r\ndx = 10\r\ndy = 20\r\nrotation = 0\r\nscale_ppm = 0");
    screen.applyPoints = QStringLiteral("A, 1, 2\r\nB, 3, 4, 5");
    screen.apply();
    EXPECT_EQ(screen.modelIndex, 1);
    EXPECT_EQ(screen.applyFormat, t::kApplyFormatPlane);
    EXPECT_EQ(screen.applied, u"A, 11.0000, 22.0000\r\nB, 13.0000, 24.0000, 5.0000\r\n");
    EXPECT_EQ(screen.statusLine, t::applied(2));
}

TEST_F(TransformScreenTest, BadDataIsNamedAndLeavesTheResultsAlone) {
    screen.estimate();
    const QString report = screen.report, parameters = screen.parameters;
    struct Case {
        const char* name;
        void (TransformScreen::*command)();
        QString TransformScreen::*box;
        QString text;
        QString message;
    };
    const Case cases[] = {
        {"bad common point", &TransformScreen::estimate, &TransformScreen::commonPoints, QStringLiteral("P1,1,2,3,4,5,x"),
         t::problemsIn(t::kCommonBox, {texts::helmert::msgValueNotANumber(1, QStringLiteral("P1"), QStringLiteral("Z2"),
                                                                           QStringLiteral("x"))})},
        {"collinear", &TransformScreen::estimate, &TransformScreen::commonPoints,
         QStringLiteral("A,0,0,0,1,1,1\nB,10,0,0,11,1,1\nC,20,0,0,21,1,1"), texts::helmert::kMsgSourceCollinear},
        {"empty", &TransformScreen::estimate, &TransformScreen::commonPoints, QStringLiteral(" \r\n"), t::kMsgNoCommonPoints},
        {"bad parameters", &TransformScreen::apply, &TransformScreen::parameters, QStringLiteral("dx = 1\r\ndy = ?"),
         t::parametersProblem(t::kParametersBox, texts::helmert::msgParameterNotANumber(QStringLiteral("dy"), QStringLiteral("?")))},
        {"bad latitude", &TransformScreen::toCartesian, &TransformScreen::cartesianInput, QStringLiteral("P, 91, 0, 0"),
         t::problemsIn(t::kCartesianBox, {texts::helmert::msgAngleOutOfRange(1, QStringLiteral("P"), QStringLiteral("B"),
                                                                             QStringLiteral("91"))})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TransformScreen fresh{messages, navigator, files};
        fresh.estimate();
        messages.shown.clear();
        messages.errors.clear();
        fresh.*c.box = c.text;
        (fresh.*c.command)();
        EXPECT_TRUE(fresh.failed);
        EXPECT_EQ(messages.errors, QStringList{c.message});
        EXPECT_EQ(fresh.report, report);
        if (c.box != &TransformScreen::parameters) {
            EXPECT_EQ(fresh.parameters, parameters);
        }
    }
}

TEST_F(TransformScreenTest, ParametersGoToAFileAndComeBack) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("p.txt"));
    screen.estimate();
    const QString parameters = screen.parameters;
    files.savePaths = {path};
    screen.saveParameters();
    EXPECT_EQ(files.suggestedNames, QStringList{t::kFileName});
    EXPECT_EQ(screen.statusLine, texts::files::saved(path));

    screen.parameters.clear();
    screen.modelChosen(0);
    files.openPaths = {path};
    screen.readParameters();
    EXPECT_EQ(screen.parameters, parameters);
    EXPECT_EQ(screen.modelIndex, 2);

    // A file that holds no parameters is named and changes nothing.
    QFile other(dir.filePath(QStringLiteral("other.txt")));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("hello\n");
    other.close();
    files.openPaths = {other.fileName()};
    screen.readParameters();
    EXPECT_TRUE(screen.failed);
    EXPECT_EQ(messages.errors, QStringList{t::parametersProblem(QStringLiteral("other.txt"),
                                                                texts::helmert::msgParameterLine(1, QStringLiteral("hello")))});
    EXPECT_EQ(screen.parameters, parameters);

    // A cancelled dialog does nothing.
    screen.readParameters();
    EXPECT_EQ(screen.parameters, parameters);
}

TEST_F(TransformScreenTest, CartesianBothWaysOnTheChosenEllipsoid) {
    screen.ellipsoidIndex = 2;  // WGS
    screen.toCartesian();
    EXPECT_TRUE(screen.cartesianOutput.startsWith(u"A01, -2295078.5471, 4345959.9673, 4051610.1655\r\n"));
    screen.cartesianInput = screen.cartesianOutput;
    screen.toGeodetic();
    EXPECT_TRUE(screen.cartesianOutput.startsWith(u"A01, 39.4125535999, 117.5017872999, 23.4410\r\n"));
    // The standard Beijing ellipsoid differs from the table's Beijing row by its 11.6 cm.
    screen.cartesianInput = QStringLiteral("P, 0, 0, 0");
    screen.ellipsoidIndex = 4;
    screen.toCartesian();
    EXPECT_EQ(screen.cartesianOutput, u"P, 6378245.0000, 0.0000, 0.0000\r\n");
    screen.ellipsoidIndex = 0;
    screen.toCartesian();
    EXPECT_EQ(screen.cartesianOutput, u"P, 6378245.1160, 0.0000, 0.0000\r\n");
}

}  // namespace
}  // namespace cesuan
