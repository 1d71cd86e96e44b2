#pragma once
// The error-theory window's texts.

#include <QString>

namespace cesuan::texts::errors {

inline const QString kWindowTitle = QStringLiteral("测算 CeSuan — 误差计算");
inline const QString kHeading = QStringLiteral("测量误差计算");
inline const QString kObservationsTab = QStringLiteral("同精度观测");
inline const QString kPropagationTab = QStringLiteral("误差传播");
inline const QString kObservationsHint = QStringLiteral(
    "对同一个量的多次观测值，用空格、逗号或换行隔开；每个值都可以是算式。"
    "求算术平均值、观测值中误差 m = ±√([vv]/(n−1))、平均值中误差 m/√n、相对中误差 1/N，并以 3m 检查粗差。");
inline const QString kPropagationHint = QStringLiteral(
    "函数式中的变量是字母 r～z；每行写一个变量：x=观测值±中误差（± 也可写成 +-）。"
    "按误差传播定律求函数值及其中误差 m = ±√Σ(∂f/∂x·mₓ)²，偏导数用数值微分求得。"
    "中误差的单位与观测值相同（角度按当前角度单位）。");
inline const QString kObservationsLabel = QStringLiteral("观测值");
inline const QString kFormulaLabel = QStringLiteral("函数式 f =");
inline const QString kVariablesLabel = QStringLiteral("变量（每行 x=观测值±中误差）");
inline const QString kCompute = QStringLiteral("计 算");
inline const QString kTipCompute = QStringLiteral("计算平均值、中误差并检查粗差（Ctrl+Enter）");
inline const QString kPropagate = QStringLiteral("计 算");
inline const QString kTipPropagate = QStringLiteral("按误差传播定律计算（Ctrl+Enter）");
inline const QString kLearn = QStringLiteral("帮 助");
inline const QString kResultLabel = QStringLiteral("结果");
inline const QString kWorking = QStringLiteral("正在计算……");

// The observations' result.
inline const QString kCount = QStringLiteral("观测次数 n");
inline const QString kMean = QStringLiteral("算术平均值 x̄");
inline const QString kVv = QStringLiteral("[vv]");
inline const QString kM = QStringLiteral("观测值中误差 m");
inline const QString kMMean = QStringLiteral("平均值中误差 m/√n");
inline const QString kRelative = QStringLiteral("相对中误差");
inline QString relative(const QString& n) { return QStringLiteral("1/") + n; }
inline const QString kNoRelative = QStringLiteral("（中误差为0，无相对误差）");
inline const QString kCorrections = QStringLiteral("改正数 v = x̄ − l：");
inline const QString kBlunderMark = QStringLiteral("← 超过3m，可能是粗差");
inline QString blunders(const QString& numbers) { return QStringLiteral("第 %1 个观测值的改正数超过 3m，可能含有粗差。").arg(numbers); }
inline const QString kNoBlunders = QStringLiteral("没有改正数超过 3m 的观测值。");

// The propagation's result.
inline const QString kValue = QStringLiteral("函数值 f");
inline const QString kMf = QStringLiteral("中误差 m");
inline const QString kShareHeading = QStringLiteral("各变量：偏导数 ∂f/∂x、影响 ∂f/∂x·mₓ、占 m² 的百分比");

}  // namespace cesuan::texts::errors
