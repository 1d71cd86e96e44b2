#pragma once
// The angle conversions' messages: the journal entries of 度转弧度 and 度转梯度, and the two
// boxes that report seconds or minutes above 60. The blanks are part of the texts.

#include <QString>

namespace cesuan::texts {

// 度转弧度 and 度转梯度, with the argument without blanks.
inline QString msgDmsToRadian(const QString& x) {
    return QStringLiteral("  进行[度转弧度]运算时， ") + x +
           QStringLiteral(" 数值超出计算范围，我无法计算！返回数值用 [空值] 表示。");
}
inline QString msgDmsToDecimalDegree(const QString& x) {
    return QStringLiteral("  进行[度转梯度]运算时， ") + x +
           QStringLiteral(" 数值超出计算范围，我无法计算！返回数值用 [空值] 表示。");
}

// The boxes of 度转梯度, led by the angle's text.
inline QString msgSecondsAbove60(const QString& angle) {
    return angle + QStringLiteral(" 度分秒格式的角度数据--[秒] 数据不能大于60！超出后按60计算。请检查是否角度类型选择错误。");
}
inline QString msgMinutesAbove60(const QString& angle) {
    return angle + QStringLiteral(" 度分秒格式的角度数据--[分秒] 数据不能大于59599999....！超出后按60计算。请检查是否角度类型选择错误。");
}

}  // namespace cesuan::texts
