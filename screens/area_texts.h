#pragma once
// The parcel area window's texts. The blanks are part of the texts.

#include <QString>

namespace cesuan::texts::area {

inline const QString kWindowTitle = QStringLiteral("计算面积 — 测算 CeSuan");
// The window's name in other windows' messages and in the kept session.
inline const QString kCaption = QStringLiteral("计算面积");

// A square parcel of 40 m by 25 m: 1000 ㎡, 1.5 亩.
inline const QString kStartPoints = QStringLiteral(
    "J1,3000.000,5000.000\r\n"
    "J2,3040.000,5000.000\r\n"
    "J3,3040.000,5025.000\r\n"
    "J4,3000.000,5025.000");

inline const QString kSerialColumn = QStringLiteral("首列为序号");            // Check1 checked
inline const QString kNoSerialColumn = QStringLiteral("无序号列（按行号）");  // Check1 not checked
inline const QString kCompute = QStringLiteral("计算面积");                    // Command1
inline const QString kPrint = QStringLiteral("打印屏幕");                      // Command2
inline const QString kTipPrint = QStringLiteral("安装打印机后才可执行打印功能");
inline const QString kHeading = QStringLiteral("由界址点坐标计算地块面积");   // Label1
inline const QString kFormatNote = QStringLiteral(                              // Label2
    "[序号]，X（北），Y（东）[，H] 用，分隔，每行一个界址点，按地块边界的顺序排列（顺时针或逆时针均可）。"
    "末点与首点相同时视为闭合，不重复计算。");
inline const QString kUnitNote = QStringLiteral("1 亩 = 10000/15 平方米 ≈ 666.667 平方米，1 公顷 = 10000 平方米。");  // Label4
inline const QString kResultHeading = QStringLiteral("计算成果");                // Label7

// The result text, one line each.
inline QString pointsLine(int n) { return QStringLiteral("界址点数：") + QString::number(n); }
inline QString perimeterLine(const QString& v) { return QStringLiteral("周　　长：") + v + QStringLiteral(" 米"); }
inline QString squareMetresLine(const QString& v) { return QStringLiteral("面　　积：") + v + QStringLiteral(" ㎡（平方米）"); }
inline QString muLine(const QString& v) { return QStringLiteral("　　　　　") + v + QStringLiteral(" 亩"); }
inline QString hectaresLine(const QString& v) { return QStringLiteral("　　　　　") + v + QStringLiteral(" 公顷"); }
inline const QString kClockwise = QStringLiteral("顺时针");
inline const QString kCounterclockwise = QStringLiteral("逆时针");
inline QString orientationLine(const QString& way) {
    return QStringLiteral("点的顺序：") + way + QStringLiteral("（北方朝上的图上）");
}
inline const QString kSelfIntersecting = QStringLiteral(
    "注意：地块边界自相交！上面的面积是各部分有向面积之和的绝对值，不是地块的实际面积，请检查点的顺序。");
// The mark of the place where the outline meets itself, in the picture.
inline const QString kCrossingMark = QStringLiteral("自相交");

// Failures.
inline const QString kMsgTooFewPoints = QStringLiteral("界址点少于3个，围不成地块，无法计算面积。");
inline const QString kMsgZeroArea = QStringLiteral("面积为零：各界址点在一条直线上，围不成地块，无法计算面积和方向。");
inline const QString kMsgDataError = QStringLiteral("坐标数据存在错误，请修改后计算。");
// A corner without an X or Y.
inline QString msgMissingCoordinate(const QString& serial, const QString& field) {
    return QStringLiteral("界址点 ") + serial + QStringLiteral(" 缺少 ") + field + QStringLiteral(" 坐标。");
}

// The buttons to other screens.
inline const QString kCalculator = QStringLiteral("计算器");
inline const QString kMenu = QStringLiteral("其它功能");

// The name the save dialog offers for the result.
inline const QString kResultFileName = QStringLiteral("面积计算结果.txt");

}  // namespace cesuan::texts::area
