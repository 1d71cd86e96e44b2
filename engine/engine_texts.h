#pragma once
// The number engine's messages. Each names its operation in brackets and says what the
// routine returns instead; the blanks are part of the texts.

#include <QString>

namespace cesuan::texts {

// 数转数
inline QString msgToCalcValue(const QString& x) {
    return QStringLiteral("  进行[Quv数转数]运算时， ") + x +
           QStringLiteral(" 数值超出计算范围，我无法计算！返回数值用[空值]表示。");
}

// Prefixes of the two-number routines (two blanks before, one after).
inline const QString kPrefixMultiply = QStringLiteral("  进行[Quv两数积]运算时， ");
inline const QString kPrefixDivide = QStringLiteral("  进行[Quv两数商]运算时， ");
inline const QString kPrefixAdd = QStringLiteral("  进行[Quv两数和]运算时， ");
inline const QString kPrefixSubtract = QStringLiteral("  进行[Quv两数差]运算时， ");
inline const QString kPrefixRemainder = QStringLiteral("  进行[Quv两数余]运算时， ");
inline const QString kSuffixTwoNumbers = QStringLiteral(" 数值超出计算范围，我无法计算！返回数值用 [空值] 表示。");

// 开平方
inline QString msgSquareRoot(const QString& x) {
    return QStringLiteral("  进行[开平方]运算时， ") + x +
           QStringLiteral(" 数值超出计算范围，无法表示！返回数值用 [空值] 表示。");
}
// 乘方: no prefix, the operands joined by "^".
inline QString msgPower(const QString& x, const QString& y) {
    return x + QStringLiteral("^") + y + QStringLiteral(" 乘方计算超出本程序计算范围！返回 [空值] 。");
}

// 四舍五入
inline QString msgRoundHalfUp(const QString& x) {
    return QStringLiteral("进行[四舍五入]运算时，") + x + QStringLiteral("数值超出计算范围！返回 [空值] 。");
}

// Decimal trigonometry (QuvSin, QuvCos, QuvTan, QuvCot): the prefix names the function,
// the suffix is that of the two-number routines.
inline QString msgSin(const QString& x) {
    return QStringLiteral("  进行[QuvSin]正弦运算时， ") + x + kSuffixTwoNumbers;
}
inline QString msgCos(const QString& x) {
    return QStringLiteral("  进行[QuvCos]余弦运算时， ") + x + kSuffixTwoNumbers;
}
inline QString msgTan(const QString& x) {
    return QStringLiteral("  进行[QuvTan]正切运算时， ") + x + kSuffixTwoNumbers;
}
inline QString msgCot(const QString& x) {
    return QStringLiteral("  进行[QuvCot]余切运算时， ") + x + kSuffixTwoNumbers;
}

}  // namespace cesuan::texts
