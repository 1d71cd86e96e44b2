#pragma once
// The module menu's texts: the captions of its button array (by index; 64 has no button),
// the proverb, the tooltip of the outside mining site, and the placeholder windows it opens.

#include <QString>
#include <QStringList>

#include <array>

namespace cesuan::texts::menu {

inline const QString kWindowTitle = QStringLiteral("测算 CeSuan — 功能模块");
inline const QString kProverb = QStringLiteral("书山有路勤为径，学海无崖巧作舟 。 ");
inline const QString kTipChineseAddress = QStringLiteral("你的浏览器安装了中文网址，才可正确访问该页。");

inline const QString kTipPlanned = QStringLiteral("计划中的功能");

inline constexpr int kButtonCount = 66;  // indexes 0 … 65

inline const std::array<QString, kButtonCount> kCaptions = {
    QStringLiteral("数理统计"), QStringLiteral("角度转换"), QStringLiteral("进制换算"),   // 0 - 2
    QStringLiteral("误差计算"), QStringLiteral("矩阵计算"), QStringLiteral("返回 主程序"), // 3 - 5
    QStringLiteral("解多元方程"), QStringLiteral("表达式分解"), QStringLiteral("线性回归"), // 6 - 8
    QStringLiteral("数的分解"), QStringLiteral("微分计算"), QStringLiteral("积分计算"),   // 9 - 11
    QStringLiteral("坐标变换"), QStringLiteral("距离和方位"), QStringLiteral("计算面积"), // 12 - 14
    QStringLiteral("三点定产状"), QStringLiteral("经纬仪测量"), QStringLiteral("测距仪测量"), // 15 - 17
    QStringLiteral("平面面积"), QStringLiteral("曲面面积"), QStringLiteral("物体表面积"), // 18 - 20
    QStringLiteral("物体的体积"), QStringLiteral("。。。"), QStringLiteral("。。。"),     // 21 - 23
    // 24 - 29: the maker's sites, an outside mining site, an outside organisation.
    QStringLiteral("测算主页"), QStringLiteral("中文矿业网"), QStringLiteral("测算社区"),
    QStringLiteral("测算下载"), QStringLiteral("测算交易网"), QStringLiteral("合作伙伴"),
    QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),                          // 30 - 32
    QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),                          // 33 - 35
    QStringLiteral("物理1"), QStringLiteral("物理2"), QStringLiteral("物理3"),
    QStringLiteral("物理4"), QStringLiteral("物理5"), QStringLiteral("物理6"),
    QStringLiteral("化学1"), QStringLiteral("化学2"), QStringLiteral("化学3"),
    QStringLiteral("化学4"), QStringLiteral("化学5"), QStringLiteral("化学6"),
    QStringLiteral("生活1"), QStringLiteral("生活2"), QStringLiteral("生活3"),
    QStringLiteral("生活4"), QStringLiteral("生活5"), QStringLiteral("生活6"),
    QStringLiteral("游戏1"), QStringLiteral("游戏2"), QStringLiteral("游戏3"),
    QStringLiteral("游戏4"), QStringLiteral("游戏5"), QStringLiteral("游戏6"),
    QStringLiteral("动脑筋1"), QStringLiteral("动脑筋2"), QStringLiteral("动脑筋3"),  // 60 - 62
    QStringLiteral("动脑筋4"), QString(), QStringLiteral("帮助"),                    // 63 - 65
};

// A placeholder window that only greets (no button opens it now).
inline const QString kWelcomeTitle = QStringLiteral("计算面积");
inline const QString kWelcome = QStringLiteral("欢迎光临");

// The placeholder window of menu index 30: styled buttons without action.
inline const QString kButtonTestTitle = QStringLiteral("测试漂亮的多功能按钮");
inline const QStringList kButtonTestCaptions = {QStringLiteral("春"), QStringLiteral("夏"), QStringLiteral("秋"),
                                                QStringLiteral("冬"), QStringLiteral("年")};

}  // namespace cesuan::texts::menu
