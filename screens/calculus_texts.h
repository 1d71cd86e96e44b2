#pragma once
// The texts of the derivative and integral windows.

#include <QString>

namespace cesuan::texts::calculus_window {

inline const QString kDerivativeTitle = QStringLiteral("测算 CeSuan — 微分计算");
inline const QString kIntegralTitle = QStringLiteral("测算 CeSuan — 积分计算");
inline const QString kDerivativeHeading = QStringLiteral("微分计算");
inline const QString kIntegralHeading = QStringLiteral("积分计算");
inline const QString kDerivativeHint = QStringLiteral(
    "输入 x 的函数式 f(x)（与主窗口的写法相同，x 是记忆变量 x，其他变量保持原值），求它在 x₀ 处的一阶或二阶导数。"
    "导数按所输入的 x 的单位计（角度按当前角度单位；度分秒不能求导）。用 Richardson 外推的中心差商求得，并给出误差估计，"
    "结果只保留误差估计所支持的数字。");
inline const QString kIntegralHint = QStringLiteral(
    "输入 x 的函数式 f(x)（与主窗口的写法相同，x 是记忆变量 x，其他变量保持原值），求从 a 到 b 的定积分。"
    "上下限可以是算式，也可以是 ∞ 或 -∞（也可写 inf）。用自适应 Gauss–Kronrod 求积，并给出误差估计，"
    "结果只保留误差估计所支持的数字；度分秒不能积分。");
inline const QString kFormulaLabel = QStringLiteral("f(x) =");
inline const QString kPointLabel = QStringLiteral("x₀ =");
inline const QString kOrderLabel = QStringLiteral("阶数");
inline const QString kFirstOrder = QStringLiteral("一阶导数 f′(x₀)");
inline const QString kSecondOrder = QStringLiteral("二阶导数 f″(x₀)");
inline const QString kFromLabel = QStringLiteral("下限 a =");
inline const QString kToLabel = QStringLiteral("上限 b =");
inline const QString kCompute = QStringLiteral("计 算");
inline const QString kTipDerivative = QStringLiteral("求导数（Enter）");
inline const QString kTipIntegral = QStringLiteral("求定积分（Enter）");
inline const QString kLearn = QStringLiteral("帮 助");
inline const QString kWorking = QStringLiteral("正在计算……");

// The result.
inline const QString kFirstDerivative = QStringLiteral("f′(x₀)");
inline const QString kSecondDerivative = QStringLiteral("f″(x₀)");
inline const QString kIntegral = QStringLiteral("∫ f(x) dx");
inline QString errorLine(const QString& error, int digits) {
    return QStringLiteral("误差估计 ±%1（可信有效数字 %2 位）").arg(error).arg(digits);
}
inline const QString kValueAtPoint = QStringLiteral("f(x₀)");
inline const QString kWarningsBox = QStringLiteral("计算 f(x) 时出现以下提示（每条只显示一次）：\n");

// The pictures.
inline const QString kDerivativePicture = QStringLiteral("f(x) 及其在 x₀ 处的切线");
inline const QString kIntegralPicture = QStringLiteral("f(x) 及积分面积");
inline const QString kTangent = QStringLiteral("切线");
inline const QString kPointMark = QStringLiteral("x₀");

}  // namespace cesuan::texts::calculus_window
