#include "screens/help_screen.h"

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

}  // namespace
}  // namespace cesuan
