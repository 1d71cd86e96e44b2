#include "screens/module_menu.h"

#include "tests/support/recording_platform.h"

#include <gtest/gtest.h>

namespace cesuan {
namespace {

QString q(const char16_t* text) { return QString::fromUtf16(text); }

class ModuleMenuTest : public ::testing::Test {
protected:
    RecordingWebPageOpener web;
    RecordingNavigator navigator;
    ModuleMenu menu{web, navigator};
};

TEST_F(ModuleMenuTest, ScreensOfTheMenu) {
    struct Case { int index; ScreenId screen; const char16_t* caption; };
    const Case cases[] = {
        {0, ScreenId::Statistics, u"数理统计"},      {1, ScreenId::Angles, u"角度转换"},
        {2, ScreenId::BaseCalculator, u"进制换算"},  {5, ScreenId::Main, u"返回 主程序"},
        {3, ScreenId::Errors, u"误差计算"},          {4, ScreenId::Matrix, u"矩阵计算"},
        {6, ScreenId::Equations, u"解多元方程"},
        {9, ScreenId::NumberSplit, u"数的分解"},     {12, ScreenId::Coordinates, u"坐标变换"},
        {13, ScreenId::Bearing, u"距离和方位"},      {14, ScreenId::Area, u"计算面积"},
        {15, ScreenId::Attitude, u"三点定产状"},     {16, ScreenId::Forward, u"经纬仪测量"},
        {17, ScreenId::Forward, u"测距仪测量"},      {18, ScreenId::Area, u"平面面积"},
        {30, ScreenId::ButtonTest, u"1"},
        {65, ScreenId::Help, u"帮助"},                {8, ScreenId::Regression, u"线性回归"},
        {10, ScreenId::Derivative, u"微分计算"},    {11, ScreenId::Integral, u"积分计算"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        navigator.shown.clear();
        EXPECT_EQ(ModuleMenu::caption(c.index), q(c.caption));
        menu.openModule(c.index);
        EXPECT_EQ(navigator.shown, std::vector<ScreenId>{c.screen});
        EXPECT_EQ(menu.statusLine, u"");
    }
    EXPECT_TRUE(web.opened.isEmpty());
    EXPECT_EQ(menu.proverb, u"书山有路勤为径，学海无崖巧作舟 。 ");
}

TEST_F(ModuleMenuTest, MissingScreenIsAnnouncedAndTheNextClearsIt) {
    navigator.missing = {ScreenId::NumberSplit};
    menu.openModule(9);
    EXPECT_EQ(menu.statusLine, u"[数的分解]模块即将推出，敬请期待。");
    menu.openModule(22);  // a planned module leaves the line as it is
    EXPECT_EQ(menu.statusLine, u"[数的分解]模块即将推出，敬请期待。");
    menu.openModule(12);
    EXPECT_EQ(menu.statusLine, u"");
}

TEST_F(ModuleMenuTest, WebButtonsOpenTheirPages) {
    for (int index = 24; index <= 29; ++index) menu.openModule(index);
    EXPECT_EQ(web.opened, (QStringList{web::kHome, web::kMining, web::kCommunity, web::kDownload, web::kTrading,
                                       web::kPartner}));
    EXPECT_TRUE(navigator.shown.empty());
    EXPECT_EQ(ModuleMenu::tooltip(25), u"你的浏览器安装了中文网址，才可正确访问该页。");
    EXPECT_EQ(ModuleMenu::tooltip(24), u"");
}

TEST_F(ModuleMenuTest, PlannedModulesAndOtherIndexesDoNothing) {
    struct Case { int index; const char16_t* caption; };
    const Case planned[] = {
        {7, u"表达式分解"},
        {19, u"曲面面积"}, {20, u"物体表面积"}, {21, u"物体的体积"}, {22, u"。。。"},    {23, u"。。。"},
        {31, u"2"},        {35, u"6"},         {36, u"物理1"},     {41, u"物理6"},     {42, u"化学1"},
        {47, u"化学6"},    {48, u"生活1"},     {53, u"生活6"},     {54, u"游戏1"},     {59, u"游戏6"},
        {60, u"动脑筋1"},  {63, u"动脑筋4"},
    };
    for (const Case& c : planned) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(ModuleMenu::caption(c.index), q(c.caption));
        menu.openModule(c.index);
    }
    for (const int index : {-1, 64, 66}) {
        EXPECT_FALSE(ModuleMenu::hasButton(index));
        menu.openModule(index);
    }
    EXPECT_TRUE(navigator.shown.empty());
    EXPECT_TRUE(web.opened.isEmpty());
    EXPECT_EQ(menu.statusLine, u"");
}

TEST_F(ModuleMenuTest, PlaceholdersArePlannedWithTheirTooltip) {
    for (int index = 0; index < 66; ++index) {
        if (!ModuleMenu::hasButton(index)) continue;
        SCOPED_TRACE(index);
        const bool placeholder = index == 7 || (index >= 19 && index <= 23) || (index >= 31 && index <= 63);
        EXPECT_EQ(ModuleMenu::planned(index), placeholder);
        if (placeholder) {
            EXPECT_EQ(ModuleMenu::tooltip(index), u"计划中的功能");
        }
    }
    // Modules still to come that are not placeholders stay as they are.
    for (const int index : {8, 10, 11, 14, 16, 17, 18}) EXPECT_FALSE(ModuleMenu::planned(index));
}

}  // namespace
}  // namespace cesuan
