#pragma once
// The messages of the transformation routines (geodesy/helmert.h).

#include <QString>
#include <QStringList>

namespace cesuan::texts::helmert {

// 三参数, 四参数, 七参数 for 3, 4 and 7.
inline QString modelName(int number) {
    return number == 3 ? QStringLiteral("三参数") : number == 4 ? QStringLiteral("四参数") : QStringLiteral("七参数");
}

inline QString msgTooFewCommonPoints(int model, int points, int minimum) {
    return QStringLiteral("公共点只有 ") + QString::number(points) + QStringLiteral(" 个，") + modelName(model) +
           QStringLiteral("至少需要 ") + QString::number(minimum) + QStringLiteral(" 个公共点。");
}
inline const QString kMsgSourceCoincident =
    QStringLiteral("公共点的原坐标重合在一处，无法确定旋转和尺度，求不出参数。");
inline const QString kMsgTargetCoincident =
    QStringLiteral("公共点的目标坐标重合在一处，无法确定旋转和尺度，求不出参数。");
inline const QString kMsgSourceCollinear =
    QStringLiteral("公共点的原坐标在一条直线上，绕这条直线的旋转无法确定，求不出七参数。");
inline const QString kMsgEstimateOverflow = QStringLiteral("求参数时数值溢出，请检查公共点的坐标。");

// A line with the wrong number of fields: its number, the fields it should have and how many
// it has.
inline QString msgFieldCount(int line, const QString& expected, int actual) {
    return QStringLiteral("第") + QString::number(line) + QStringLiteral("行 应为 ") + expected +
           QStringLiteral("，实有 ") + QString::number(actual) + QStringLiteral(" 项。");
}
// A value that is no number: "第3行 P2 的 Y1 值 abc 不是数字。"
inline QString msgValueNotANumber(int line, const QString& name, const QString& field, const QString& value) {
    return QStringLiteral("第") + QString::number(line) + QStringLiteral("行 ") + (name.isEmpty() ? QString() : name + u' ') +
           QStringLiteral("的 ") + field + QStringLiteral(" 值 ") + value + QStringLiteral(" 不是数字。");
}
// A line without a point name.
inline QString msgNoName(int line) {
    return QStringLiteral("第") + QString::number(line) + QStringLiteral("行 没有点名。");
}
inline QString msgMoreProblems(int more) {
    return QStringLiteral("另有 ") + QString::number(more) + QStringLiteral(" 处有误。");
}
inline const QString kMsgNoPoints = QStringLiteral("没有找到点的数据。");

// Cartesian conversion: a latitude or longitude that is no D.MMSS angle, or out of range.
inline QString msgNotDms(int line, const QString& name, const QString& field, const QString& value) {
    return QStringLiteral("第") + QString::number(line) + QStringLiteral("行 ") + name + QStringLiteral(" 的 ") + field +
           QStringLiteral(" 值 ") + value + QStringLiteral(" 不是度.分秒（分、秒不超过 59）。");
}
inline QString msgAngleOutOfRange(int line, const QString& name, const QString& field, const QString& value) {
    return QStringLiteral("第") + QString::number(line) + QStringLiteral("行 ") + name + QStringLiteral(" 的 ") + field +
           QStringLiteral(" 值 ") + value + QStringLiteral(" 超出范围（|B| ≤ 90，|L| ≤ 180）。");
}

// The parameter text.
inline const QString kParametersRemark =
    QStringLiteral("# 测算 CeSuan 转换参数：平移 dx dy dz（米），旋转 rx ry rz rotation（秒），尺度 scale_ppm（ppm）");
inline QString msgUnknownParameter(int line, const QString& name, const QStringList& known) {
    return QStringLiteral("第") + QString::number(line) + QStringLiteral("行 参数名 ") + name +
           QStringLiteral(" 不认识，应为 ") + known.join(QStringLiteral("、")) + QStringLiteral("。");
}
inline QString msgParameterLine(int line, const QString& text) {
    return QStringLiteral("第") + QString::number(line) + QStringLiteral("行 应为“参数名 = 数值”：") + text;
}
inline QString msgParameterNotANumber(const QString& name, const QString& value) {
    return QStringLiteral("参数 ") + name + QStringLiteral(" 的值 ") + value + QStringLiteral(" 不是数字。");
}
inline QString msgMissingParameters(int model, const QStringList& names) {
    return modelName(model) + QStringLiteral("缺少参数 ") + names.join(QStringLiteral("、")) + QStringLiteral("。");
}
inline QString msgParameterNotInModel(int model, const QString& name, const QStringList& names) {
    return QStringLiteral("参数名 ") + name + QStringLiteral(" 不属于") + modelName(model) + QStringLiteral("，应为 ") +
           names.join(QStringLiteral("、")) + QStringLiteral("。");
}
inline QString msgBadModel(const QString& value) {
    return QStringLiteral("模型 ") + value + QStringLiteral(" 不对，应为 3、4 或 7。");
}
inline QString msgParameterCount(int model, int expected, int actual) {
    return modelName(model) + QStringLiteral("应有 ") + QString::number(expected) + QStringLiteral(" 个数值，实有 ") +
           QString::number(actual) + QStringLiteral(" 个。");
}
inline const QString kMsgNoParameters = QStringLiteral("没有找到转换参数。");

}  // namespace cesuan::texts::helmert
