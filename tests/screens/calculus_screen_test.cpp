// The derivative and integral windows' controller: the notices of f collected in one box, the
// refusal in 度分秒, the JSON of a result, and a cancelled computation.

#include "screens/calculus_screen.h"

#include "numerics/calculus_texts.h"
#include "tests/support/recording_platform.h"

#include <gtest/gtest.h>

namespace cesuan {
namespace {

class CancellingRunner : public WorkRunner {
public:
    bool run(const QString&, Work) override { return false; }
};

struct CalculusScreenTest : ::testing::Test {
    CalcSettings settings;
    RecordingMessageBox messages;
    RecordingNavigator navigator;
    WorkRunner work;
};

TEST_F(CalculusScreenTest, NoticesOfTheSamplesInOneBoxWithTheirCount) {
    // csc at 0 is a pole: the point itself, and the picture's sample there, raise the notice.
    CalculusScreen screen(CalculusScreen::Kind::Derivative, settings, messages, work, navigator);
    screen.formula = QStringLiteral("csc(x)");
    screen.pointText = QStringLiteral("0");
    screen.compute();
    ASSERT_EQ(messages.shown.size(), 2) << messages.shown.join(u'|').toStdString();  // the notices, then the error
    EXPECT_EQ(messages.shown[0].count(QStringLiteral("为无穷大")), 1);
    EXPECT_TRUE(screen.failed);

    messages.shown.clear();
    CalculusScreen integral(CalculusScreen::Kind::Integral, settings, messages, work, navigator);
    integral.formula = QStringLiteral("sec(x)*0+1");
    integral.fromText = QStringLiteral("0");
    integral.toText = QStringLiteral("π");
    integral.compute();
    EXPECT_FALSE(integral.failed) << integral.status.toStdString();
    EXPECT_EQ(integral.valueText, QStringLiteral("3.14159265358979"));
    EXPECT_LE(messages.shown.size(), 1);
}

TEST_F(CalculusScreenTest, RefusedInDegreesMinutesSeconds) {
    settings.angleUnit = AngleUnit::Dms;
    for (const auto kind : {CalculusScreen::Kind::Derivative, CalculusScreen::Kind::Integral}) {
        messages.errors.clear();
        CalculusScreen screen(kind, settings, messages, work, navigator);
        screen.compute();
        EXPECT_EQ(messages.errors, QStringList{texts::calculus::kDmsRefused});
        EXPECT_TRUE(screen.json().isEmpty());
    }
}

TEST_F(CalculusScreenTest, StartExamplesAndJson) {
    CalculusScreen derivative(CalculusScreen::Kind::Derivative, settings, messages, work, navigator);
    derivative.compute();
    EXPECT_EQ(derivative.json()[QStringLiteral("value")].toDouble(), 4.75);
    EXPECT_FALSE(derivative.picture.isEmpty());
    CalculusScreen integral(CalculusScreen::Kind::Integral, settings, messages, work, navigator);
    integral.compute();
    EXPECT_EQ(integral.json()[QStringLiteral("value")].toDouble(), 2);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(CalculusScreenTest, CancelledWorkShowsNothing) {
    CancellingRunner cancelling;
    CalculusScreen screen(CalculusScreen::Kind::Integral, settings, messages, cancelling, navigator);
    screen.compute();
    EXPECT_TRUE(screen.failed);
    EXPECT_FALSE(screen.status.isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
}

}  // namespace
}  // namespace cesuan
