#pragma once
// The messages of the derivative and integral routines: where f(x) could not be computed,
// why a result cannot be had, and the warnings met while sampling f.

#include <QString>

namespace cesuan::texts::calculus {

inline const QString kFormulaPlace = QStringLiteral("函数式");
inline const QString kEmptyFunction = QStringLiteral("没有输入函数式 f(x)。");
inline const QString kDmsRefused = QStringLiteral(
    "角度单位是度分秒（D.MMSS）：它不是线性的刻度，不能对它求导数或积分。请先把角度单位改为弧度或十进制度。");
inline const QString kPointPlace = QStringLiteral("求导点 x₀");
inline const QString kFromPlace = QStringLiteral("积分下限 a");
inline const QString kToPlace = QStringLiteral("积分上限 b");
inline QString failedAt(const QString& x, const QString& message) {
    return QStringLiteral("函数式在 x = %1 处无法计算：").arg(x) + message;
}
inline const QString kNoDerivative =
    QStringLiteral("在这一点附近求不出可靠的导数（函数在这里可能不连续或不可导）。");
inline const QString kNotFinite = QStringLiteral("积分没有有限的值：函数在积分区间内或端点附近可能有奇点，或积分发散。");
inline const QString kSameLimits = QStringLiteral("积分上下限相同，积分为 0。");
inline const QString kRoughIntegral = QStringLiteral(
    "积分的误差估计较大：函数在积分区间内或端点附近可能有奇点，或积分发散；结果只保留误差估计所支持的数字。");
inline QString zeroedFarOut(const QString& from, int count) {
    return QStringLiteral("在 |x| ≥ %1 处有%2个取样点的 f(x) 超出了计算范围，已按 0 计入积分（无穷区间的远端）。").arg(from).arg(count);
}
inline QString warningCount(const QString& text, int count) {
    return count > 1 ? text + QStringLiteral("（共%1次）").arg(count) : text;
}
inline const QString kWarningsHeading = QStringLiteral("计算 f(x) 时的提示：");

}  // namespace cesuan::texts::calculus
