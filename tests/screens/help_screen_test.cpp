#include "screens/help_screen.h"

#include "evaluator/calculate.h"
#include "screens/angle_screen.h"
#include "screens/help_texts.h"
#include "screens/number_split.h"
#include "screens/transform_screen.h"
#include "screens/transform_texts.h"
#include "tests/support/recording_platform.h"

#include <gtest/gtest.h>

namespace cesuan {
namespace {

TEST(HelpScreenTest, TextCoversItsTopicsInOrder) {
    RecordingWebPageOpener web;
    RecordingNavigator navigator;
    const HelpScreen help{web, navigator};
    // One phrase of each topic, in the order the text gives them.
    const char16_t* const topics[] = {
        u"桌面版操作系统", u"状态栏", u"科学计算", u"汉字、函数、变量和公式", u"小数点后28位", u"最多为29位",
        u"“小数位数”列表", u"90.5959", u"89.5959999", u"90.9999", u"89.9999999", u"2π为一周", u"π即180°",
        u"反三角函数", u"9个变量", u"文本文件", u"“清 零”", u"“<--”和“-->”", u"以后的版本", u"抱歉",
        u"舍入", u"仔细核对",
    };
    qsizetype from = 0;
    for (const char16_t* topic : topics) {
        const QString phrase = QString::fromUtf16(topic);
        SCOPED_TRACE(phrase.toStdString());
        const qsizetype at = help.text.indexOf(phrase, from);
        ASSERT_GE(at, from);
        from = at + phrase.size();
    }
    EXPECT_EQ(help.text.count(QStringLiteral("\r\n")), help.text.count(u'\n'));  // CR LF line ends
}

TEST(HelpScreenTest, ButtonsOpenPagesAndTheCalculator) {
    RecordingWebPageOpener web;
    RecordingNavigator navigator;
    HelpScreen help{web, navigator};
    help.openPartnerPage();
    help.openPlatformPage();
    help.openTradingPage();
    help.openCommunityPage();
    EXPECT_EQ(web.opened, (QStringList{web::kPartner, web::kHome, web::kTrading, web::kCommunity}));
    help.showCalculator();
    EXPECT_EQ(navigator.shown, std::vector<ScreenId>{ScreenId::Main});
}

TEST(HelpScreenTest, EveryWindowHasItsTopicWithAnExample) {
    RecordingWebPageOpener web;
    RecordingNavigator navigator;
    HelpScreen help{web, navigator};
    const ScreenId windows[] = {ScreenId::Main,       ScreenId::Variables,   ScreenId::Angles,
                                ScreenId::BaseCalculator, ScreenId::Statistics, ScreenId::Coordinates,
                                ScreenId::Bearing,    ScreenId::Attitude,    ScreenId::NumberSplit,
                                ScreenId::Transform,  ScreenId::Area,       ScreenId::Forward,
                                ScreenId::Regression, ScreenId::Matrix,     ScreenId::Equations,
                                ScreenId::Errors,     ScreenId::Derivative, ScreenId::Integral};
    QStringList seen{help.topicTitles.front()};
    for (const ScreenId window : windows) {
        help.showTopic(window);
        SCOPED_TRACE(help.topicTitles.value(help.topicIndex).toStdString());
        EXPECT_GT(help.topicIndex, 0);  // its own topic, not the overview
        EXPECT_FALSE(seen.contains(help.topicTitles[help.topicIndex]));
        seen.append(help.topicTitles[help.topicIndex]);
        EXPECT_TRUE(help.text.startsWith(help.topicTitles[help.topicIndex] + QStringLiteral("\r\n")));
        EXPECT_TRUE(help.text.contains(u"例："));
        EXPECT_EQ(help.text.count(QStringLiteral("\r\n")), help.text.count(u'\n'));
    }
    EXPECT_EQ(seen.size(), help.topicTitles.size());

    // The windows with a picture say how to use it; the others do not.
    for (const ScreenId window : windows) {
        help.showTopic(window);
        const bool picture = window == ScreenId::Statistics || window == ScreenId::Coordinates ||
                             window == ScreenId::Bearing || window == ScreenId::Attitude || window == ScreenId::Regression ||
                             window == ScreenId::Derivative || window == ScreenId::Integral;
        EXPECT_EQ(help.text.endsWith(texts::help::kPictureNote), picture) << help.topicIndex;
    }

    help.showTopic(ScreenId::ModuleMenu);  // no topic of its own: the overview
    EXPECT_EQ(help.topicIndex, 0);
    EXPECT_EQ(help.text, texts::help::kHelpText);
    help.chooseTopic(99);  // no such entry: nothing changes
    EXPECT_EQ(help.topicIndex, 0);
}

// The worked examples say what the program computes.
TEST(HelpScreenTest, ExamplesGiveTheProgramsOwnResults) {
    struct Case {
        const QString& topic;
        AngleUnit unit;
        int places;
        double r;
        QString formula, result;
    };
    const Case cases[] = {
        {texts::help::kCalculatorText, AngleUnit::Dms, 15, 1, QStringLiteral("2*sin(30)+sqrt(16)"), QStringLiteral("5")},
        {texts::help::kCalculatorText, AngleUnit::Radian, 28, 1, QStringLiteral("1/3"),
         QStringLiteral("0.3333333333333333333333333333")},
        {texts::help::kVariablesText, AngleUnit::Radian, 15, 2.5, QStringLiteral("r^2*π"),
         QStringLiteral("19.634954084936208")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formula.toStdString());
        CalcContext context;
        context.settings.angleUnit = c.unit;
        context.settings.decimalPlaces = c.places;
        context.settings.memoryVariables[0] = CalcValue(c.r);
        EXPECT_TRUE(c.topic.contains(c.formula));
        EXPECT_TRUE(c.topic.contains(c.result));
        EXPECT_EQ(Calculate(context, c.formula).result, c.result);
    }

    RecordingMessageBox messages;
    AngleScreen angles{messages};
    angles.angle = QStringLiteral("30.3045");
    angles.dmsToDecimalDegree();
    EXPECT_TRUE(texts::help::kAnglesText.contains(angles.converted.trimmed())) << angles.converted.toStdString();
    angles.angle = QStringLiteral("30.3045");
    angles.dmsToRadian();
    EXPECT_TRUE(texts::help::kAnglesText.contains(angles.converted.trimmed())) << angles.converted.toStdString();

    // The transformation window's start example, estimated and applied.
    RecordingNavigator navigator;
    RecordingFileChooser files;
    TransformScreen transform{messages, navigator, files};
    transform.estimate();
    transform.apply();
    ASSERT_FALSE(transform.failed);
    for (const char16_t* value : {u"16.3714", u"-148.1509", u"-86.0439", u"0.397364", u"-1.206188", u"2.121704",
                                  u"-4.238273", u"σ0 = 0.0022"}) {
        EXPECT_TRUE(transform.report.contains(QString::fromUtf16(value))) << QString::fromUtf16(value).toStdString();
        EXPECT_TRUE(texts::help::kTransformText.contains(QString::fromUtf16(value)));
    }
    EXPECT_TRUE(transform.report.contains(texts::transform::kNoneFlagged));
    const QString firstPoint = transform.applied.left(transform.applied.indexOf(QStringLiteral("\r\n")));
    EXPECT_TRUE(texts::help::kTransformText.contains(firstPoint)) << firstPoint.toStdString();

    NumberSplit split;
    split.number = QStringLiteral("12345.678");
    split.split();
    EXPECT_TRUE(texts::help::kNumberSplitText.contains(QStringLiteral("整数部分为 ") + split.integerPart));
    EXPECT_TRUE(texts::help::kNumberSplitText.contains(QStringLiteral("小数部分为 ") + split.fractionDigits));
}

}  // namespace
}  // namespace cesuan
