#pragma once
// The number split window's texts. The blanks are part of the texts.

#include <QString>

namespace cesuan::texts::number_split {

inline const QString kWindowTitle = QStringLiteral("测算 CeSuan — 原数分解为整数和小数部分");
inline const QString kIntegerPart = QStringLiteral("整数部分");    // Text2 at the start
inline const QString kFractionPart = QStringLiteral("小数部分");   // Text3 at the start
inline const QString kRun = QStringLiteral("运  行");              // Command1
inline const QString kNumberLabel = QStringLiteral("原数");         // the label before Text1
inline const QString kIntegerLabel = QStringLiteral("整数部分");    // the label before Text2
inline const QString kFractionLabel = QStringLiteral("小数部分");   // the label before Text3

// The integer box when there is nothing to split: the text as typed, and why.
inline QString notANumber(const QString& typed) { return typed + QStringLiteral(" 不是数字"); }
inline QString tooManyDigits(const QString& typed) { return typed + QStringLiteral(" 的位数太多，无法写出"); }

}  // namespace cesuan::texts::number_split
