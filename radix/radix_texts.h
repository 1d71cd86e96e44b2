#pragma once
// The radix conversions' messages: the box of a failed conversion, which names the number
// and the two radixes, and the journal entries of the three counters. The blanks are part
// of the texts.

#include <QString>

namespace cesuan::texts {

// Radix words of the conversion box.
inline const QString kRadixBinary = QStringLiteral("二进制");
inline const QString kRadixOctal = QStringLiteral("八进制");
inline const QString kRadixDecimal = QStringLiteral("十进制");
inline const QString kRadixHexadecimal = QStringLiteral("十六进制");

// A failed conversion of `number` (the trimmed argument as passed) from one radix to another.
inline QString msgRadixConversion(const QString& number, const QString& from, const QString& to) {
    return QStringLiteral("把数") + number + QStringLiteral("由") + from + QStringLiteral("转换为") + to +
           QStringLiteral("时，出现超出范围的错误！计算结果无效，请修改数据后再计算。");
}

// The counters: the prefix names the routine, then the trimmed text.
inline QString msgCountMinusSigns(const QString& text) {  // 减号数
    return QStringLiteral("进行[Quv减号数]运算时， ") + text + QStringLiteral(" 出现错误！");
}
inline QString msgCountPoints(const QString& text) {  // 点号数
    return QStringLiteral("进行[Quv点号数]运算时， ") + text + QStringLiteral(" 出现错误！");
}
inline QString msgDigitCharCount(const QString& text) {  // 判断数的有效019字符长度
    return QStringLiteral("进行[判断数的有效019字符长度]运算时， ") + text + QStringLiteral(" 出现错误！");
}

}  // namespace cesuan::texts
