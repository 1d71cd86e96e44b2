#pragma once
// The linear-system window's texts.

#include <QString>

namespace cesuan::texts::equations {

inline const QString kWindowTitle = QStringLiteral("测算 CeSuan — 解多元方程");
inline const QString kHeading = QStringLiteral("解多元一次方程组");
inline const QString kHint = QStringLiteral(
    "每行一个方程，如 2x+3y-z=1 或 2x加3y减z等于1；未知数是字母 r～z（不论变量中存的是什么值）。"
    "也可以不写等号，把增广矩阵 [A | b] 每行一行输入。系数可以是算式（与计算器相同的写法和设置）。");
inline const QString kSystemLabel = QStringLiteral("方程组");
inline const QString kLeastSquares = QStringLiteral("方程多于未知数而无解时，求最小二乘解");
inline const QString kTipLeastSquares = QStringLiteral("测量平差：观测方程多于未知数时，求使残差平方和最小的解");
inline const QString kSolve = QStringLiteral("求 解");
inline const QString kTipSolve = QStringLiteral("解方程组（Ctrl+Enter）");
inline const QString kLearn = QStringLiteral("帮 助");
inline const QString kResultLabel = QStringLiteral("解");
inline const QString kWorking = QStringLiteral("正在计算方程……");

inline QString summary(const QString& status, int equations, int unknowns, int rank, int augmentedRank) {
    return QStringLiteral("%1：%2个方程，%3个未知数，系数矩阵的秩为%4，增广矩阵的秩为%5。")
        .arg(status)
        .arg(equations)
        .arg(unknowns)
        .arg(rank)
        .arg(augmentedRank);
}
inline const QString kResiduals = QStringLiteral("残差 v = Ax − b：");
inline QString unitError(const QString& value) { return QStringLiteral("单位权中误差 m₀ = ±") + value; }
inline QString condition(const QString& value) { return QStringLiteral("系数矩阵的条件数 ") + value; }

}  // namespace cesuan::texts::equations
