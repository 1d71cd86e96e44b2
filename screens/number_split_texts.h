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

}  // namespace cesuan::texts::number_split
