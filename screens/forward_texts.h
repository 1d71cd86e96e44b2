#pragma once
// The stake-out window's texts (the forward problem: coordinates from a station, bearings and
// distances). The blanks are part of the texts.

#include <QString>

namespace cesuan::texts::forward {

inline const QString kWindowTitle = QStringLiteral("坐标正算（放样） — 测算 CeSuan");
// The window's name in other windows' messages and in the kept session.
inline const QString kCaption = QStringLiteral("坐标正算");

inline const QString kStartStationX = QStringLiteral("3000.000");
inline const QString kStartStationY = QStringLiteral("5000.000");
inline const QString kStartStationH = QStringLiteral("50.000");
inline const QString kStartLines = QStringLiteral(
    "P1,45.0000,100.000\r\n"
    "P2,90.0000,50.000\r\n"
    "P3,180.3000,80.000,2.3000");

inline const QString kHeading = QStringLiteral("由测站、方位角和距离求点的坐标");  // Label1
inline const QString kFormatNote = QStringLiteral(                                  // Label2
    "每行一条边：点名，方位角（度.分秒），距离（米）[，竖直角（度.分秒）]，用，分隔。"
    "有竖直角时距离为斜距：平距 D = S·cosV，高差 dH = S·sinV。");
inline const QString kDirectionNote = QStringLiteral("方位角以真北为0度顺时针计，竖直角以水平为0度、仰角为正。");  // Label4
inline const QString kStation = QStringLiteral("测站");               // LabelStation
inline const QString kStationHNote = QStringLiteral("（H 可空）");   // LabelHNote
inline const QString kRadial = QStringLiteral("由测站放射（极坐标法）");  // Option1
inline const QString kChain = QStringLiteral("逐边推算（支导线）");       // Option2
inline const QString kCompute = QStringLiteral("进行计算");               // Command1
inline const QString kPrint = QStringLiteral("打印屏幕");                 // Command2
inline const QString kTipPrint = QStringLiteral("安装打印机后才可执行打印功能");
inline const QString kColumnHeading = QStringLiteral("点名    X（北）      Y（东）     H");  // Label7

// The names of the number fields of a line in the messages.
inline const QString kLineFieldNames[4] = {QStringLiteral("方位角"), QStringLiteral("距离"), QStringLiteral("竖直角"),
                                           QStringLiteral("第4个数")};

// Failures.
inline const QString kMsgDataError = QStringLiteral("放样数据存在错误，请修改后计算。");
inline const QString kMsgNoStation = QStringLiteral("请输入测站的 X 和 Y 坐标。");
inline const QString kMsgNoLines = QStringLiteral("没有发现放样数据：每行一条边，点名，方位角，距离[，竖直角]。");
inline QString msgStationNotANumber(const QString& field, const QString& value) {
    return QStringLiteral("测站的 ") + field + QStringLiteral(" 值 ") + value + QStringLiteral(" 不是数字。");
}
inline QString msgMissingValue(const QString& name, const QString& field) {
    return QStringLiteral("点 ") + name + QStringLiteral(" 缺少") + field + QStringLiteral("。");
}
inline QString msgMinutesSecondsOver59(const QString& name, const QString& field, const QString& value) {
    return QStringLiteral("点 ") + name + QStringLiteral(" 的") + field + QStringLiteral(" ") + value +
           QStringLiteral(" 中分或秒大于59。");
}
inline QString msgNegativeDistance(const QString& name, const QString& value) {
    return QStringLiteral("点 ") + name + QStringLiteral(" 的距离 ") + value + QStringLiteral(" 为负数。");
}
inline QString msgVerticalOutOfRange(const QString& name, const QString& value) {
    return QStringLiteral("点 ") + name + QStringLiteral(" 的竖直角 ") + value +
           QStringLiteral(" 超出 -90 至 90 度。");
}
inline QString msgValueOutOfRange(const QString& name, const QString& field, const QString& value) {
    return QStringLiteral("点 ") + name + QStringLiteral(" 的") + field + QStringLiteral(" ") + value +
           QStringLiteral(" 超出计算范围。");
}

// The buttons to other screens.
inline const QString kCalculator = QStringLiteral("计算器");
inline const QString kMenu = QStringLiteral("其它功能");

// The name the save dialog offers for the result.
inline const QString kResultFileName = QStringLiteral("放样坐标.txt");

}  // namespace cesuan::texts::forward
