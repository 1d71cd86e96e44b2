#pragma once
// The distance and bearing window's texts. The blanks are part of the texts.

#include <QString>

namespace cesuan::texts::bearing {

inline const QString kWindowTitle = QStringLiteral("距离方位 — 测算 CeSuan");

inline const QString kStartPoints = QStringLiteral(
    "A001,4395879.562,40400348.322,23.441\r\n"
    " Z02,4394571.954,40397379.291,19.838\r\n"
    "  z3,4394926.422,40397410.355,19.851");

// Check1 says what it switches: whether the first field of a line is its serial.
inline const QString kSerialColumn = QStringLiteral("首列为序号");            // Check1 checked
inline const QString kNoSerialColumn = QStringLiteral("无序号列（按行号）");  // Check1 not checked
inline const QString kCompute = QStringLiteral("进行计算");                      // Command1
inline const QString kPrint = QStringLiteral("打印屏幕");                        // Command2
inline const QString kTipPrint = QStringLiteral("安装打印机后才可执行打印功能");
inline const QString kHeading = QStringLiteral("计算两点间距离和方位");  // Label1
inline const QString kFormatNote = QStringLiteral(                      // Label2
    "[序号]，纬度 X，经度 Y，高程 H 值必须采用，分隔数据！每行必须用回车符结束。   "
    "输出的角度数据为 90 . 59 59 99 类型 --> 度 . 分 秒 百分秒。");
inline const QString kZeroDirections = QStringLiteral("水平上用真北为0度，垂直向用平为0度。");  // Label4
inline const QString kUsePoint = QStringLiteral("用点号");                  // Label5
inline const QString kAsOrigin = QStringLiteral("作为原点计算其它点。");    // Label6
inline const QString kColumnHeading =                                        // Label7
    QStringLiteral("序号  平距(米)   水平角(度)   斜距(米)   仰俯角(度)");

// Check2 and the heading of the table of geodesics (Label7 while Check2 is checked).
inline const QString kGeodesic = QStringLiteral("大地线（经纬度）");
inline const QString kGeodesicColumnHeading =
    QStringLiteral("序号  大地线长(米)    起点方位角(度)  反方位角(度)");
// The names of the number fields of a line of two points (cesuan-cli geodesic) in the messages.
inline const QString kGeodesicLineFieldNames[4] = {QStringLiteral("纬度1"), QStringLiteral("经度1"),
                                                   QStringLiteral("纬度2"), QStringLiteral("经度2")};
inline const QString kMsgNoGeodesicLines = QStringLiteral("没有发现大地线数据：每行为名称，纬度1，经度1，纬度2，经度2。");
inline const QString kLatitude = QStringLiteral("纬度");
inline const QString kLongitude = QStringLiteral("经度");
inline QString msgMissingGeodetic(const QString& serial, const QString& field) {
    return QStringLiteral("点 ") + serial + QStringLiteral(" 缺少") + field + QStringLiteral("。");
}
inline QString msgGeodeticOver59(const QString& serial, const QString& field, const QString& value) {
    return QStringLiteral("点 ") + serial + QStringLiteral(" 的") + field + QStringLiteral(" ") + value +
           QStringLiteral(" 中分或秒大于59。");
}
// Latitudes lie in -90 … 90 degrees, longitudes in -360 … 360.
inline QString msgGeodeticOutOfRange(const QString& serial, const QString& field, const QString& value) {
    return QStringLiteral("点 ") + serial + QStringLiteral(" 的") + field + QStringLiteral(" ") + value +
           QStringLiteral(" 超出常规范围。");
}

// The origin when no point is chosen.
inline const QString kNoOrigin = QStringLiteral("0");

// Command1 failed.
inline const QString kMsgDataError = QStringLiteral("坐标数据存在错误，请修改后计算。");
// The chosen origin is no serial of the list (only "0" is the point 0, 0, 0).
inline QString msgOriginNotFound(const QString& serial) {
    return QStringLiteral("点号 ") + serial + QStringLiteral(" 不在坐标数据中，请重新选择原点（0 为 0, 0, 0 点）。");
}

// The buttons to other screens (the captions are this program's own).
inline const QString kCalculator = QStringLiteral("计算器");
inline const QString kMenu = QStringLiteral("其它功能");

}  // namespace cesuan::texts::bearing
