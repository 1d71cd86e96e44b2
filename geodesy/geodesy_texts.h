#pragma once
// The coordinate conversion's user-visible texts. The blanks are part of the texts; "?" and
// "!" are ASCII, "……" is U+2026 twice and "⊕⊕" is U+2295 twice.

#include <QString>

namespace cesuan::texts {

// ---- Projections (geodesy/projection.h) ----

// Ellipsoid names as the screen lists them.
inline const QString kEllipsoidBeijing = QStringLiteral("北京");
inline const QString kEllipsoidXian = QStringLiteral("西安");
inline const QString kEllipsoidWgs = QStringLiteral("WGS");
inline const QString kEllipsoidCgcs2000 = QStringLiteral("CGCS2000");
inline const QString kEllipsoidBeijingStandard = QStringLiteral("北京54（标准）");

// Forward projection: latitude or longitude outside |B| <= 90, |L| <= 180. The 6-degree
// routine says 经纬度 (latitude and longitude), the 3- and 1.5-degree ones 角度 (angle).
inline const QString kMsgGeoOutOfRange6 =
    QStringLiteral("错误溢出?原始经纬度数值超出常规范围 |x|<=90 |y|<=180");
inline const QString kMsgGeoOutOfRange =
    QStringLiteral("错误溢出?原始角度数值超出常规范围 |x|<=90 |y|<=180");

// Any projection: the arithmetic failed or left the range of the series.
inline const QString kMsgProjectionOverflow = QStringLiteral("错误溢出?坐标转换运算时超出范围");

// Forward projection notes, with the central meridian in its shortest decimal form.
// 跨带: the point lies outside the zone of that meridian (a cross-zone conversion).
inline QString msgCrossZone(const QString& meridian) {
    return QStringLiteral("……跨带 ") + meridian + QStringLiteral("度");
}
// 中央: projected on another central meridian than the one chosen.
inline QString msgOtherMeridian(const QString& meridian) {
    return QStringLiteral("⊕⊕中央 ") + meridian + QStringLiteral("度");
}

// Inverse projection input checks, one set per zone width, in the order they are made.
struct ZoneInputMessages {
    QString zeroZero;        // X = 0 and Y = 0
    QString eastingTooSmall;
    QString eastingTooLarge;
    QString northingTooLarge;
};
inline const ZoneInputMessages kZone1p5Messages = {
    QStringLiteral("错误?原始1.5度带坐标 0 0 超出常规范围!"),
    QStringLiteral("错误?原始1.5度带坐标|Y|<00001000 超出常规范围!"),
    QStringLiteral("错误?原始1.5度带坐标 -121999000<Y<119999000 超出常规范围!"),
    QStringLiteral("错误?原始1.5度带坐标|X|>10002200 超出常规范围!"),
};
inline const ZoneInputMessages kZone3Messages = {
    QStringLiteral("错误?原始三度带坐标 0 0 超出常规范围!"),
    QStringLiteral("错误?原始三度带坐标|Y|<00001000 超出常规范围!"),
    QStringLiteral("错误?原始三度带坐标|Y|>60999000 超出常规范围!"),
    QStringLiteral("错误?原始三度带坐标|X|>10002200 超出常规范围!"),
};
inline const ZoneInputMessages kZone6Messages = {
    QStringLiteral("错误?原始六度带坐标 0 0 超出常规范围!"),
    QStringLiteral("错误?原始六度带坐标|Y|<01001000 超出常规范围!"),
    QStringLiteral("错误?原始六度带坐标|Y|>30999000 超出常规范围!"),
    QStringLiteral("错误?原始六度带坐标|X|>10002200 超出常规范围!"),
};
// The central meridian decoded from the easting lies outside -180..180.
inline const QString kMsgEastingZoneOutOfRange = QStringLiteral("错误?原始东Y坐标超出常规范围!");

}  // namespace cesuan::texts

// ---- Coordinate text and result blocks (geodesy/coordinate_text.h) ----

namespace cesuan::texts {

// The cleaned input when no line of the text holds a point.
inline const QString kMsgNoCoordinateData = QStringLiteral("没有发现坐标数据！");

// Result block headers: zone width + ellipsoid name as the screen lists it + the tail; "６",
// "３", "１" and "５" are full-width digits, the point of "１.５" is ASCII, "﹌" is U+FE4C.
inline const QString kHeadZone6 = QStringLiteral("﹌﹌﹌以下为６度带");
inline const QString kHeadZone3 = QStringLiteral("﹌﹌﹌以下为３度带");
inline const QString kHeadZone1p5 = QStringLiteral("﹌﹌﹌以下为１.５度带");
inline const QString kTailZoneHeader = QStringLiteral("系公里网坐标……单位【米】﹌﹌﹌");
inline const QString kHeaderGeodetic = QStringLiteral("●●●以下坐标为经纬度……度.分秒格式●●●");

// Remarks the geodetic-to-zone commands append to the input box ("∴" is U+2234).
inline const QString kRemarkLatitudeFirst = QStringLiteral("备注∴原始数据按纬度在前 X Y Z 型处理∴");
inline const QString kRemarkLongitudeFirst = QStringLiteral("备注∴原始数据按经度在前 Y X Z 型处理∴");
inline const QString kRemarkLongitudeOver180 = QStringLiteral("备注∴原始数据的经度大于180度错误∴");
// A line that looks like data whose two numbers cannot be read.
inline QString remarkDroppedLine(const QString& line) {
    return QStringLiteral("备注∴此行读不出坐标，未转换：") + line + QStringLiteral("∴");
}
inline QString remarkMoreDroppedLines(int more) {
    return QStringLiteral("备注∴另有 ") + QString::number(more) + QStringLiteral(" 行读不出坐标，未转换∴");
}
// A D.MMSS field whose minutes or seconds exceed 59.
inline QString remarkMinutesSecondsOver59(const QString& serial, const QString& field, const QString& value) {
    return QStringLiteral("备注∴点 ") + serial + QStringLiteral(" 的") + field + QStringLiteral(" ") + value +
           QStringLiteral(" 中分或秒大于59∴");
}
inline QString remarkMoreOver59(int more) {
    return QStringLiteral("备注∴另有 ") + QString::number(more) + QStringLiteral(" 个经纬度数值中分或秒大于59∴");
}
inline const QString kLatitude = QStringLiteral("纬度");
inline const QString kLongitude = QStringLiteral("经度");

}  // namespace cesuan::texts

// ---- Plane attitude (geodesy/attitude.h) ----

namespace cesuan::texts {

inline const QString kMsgPlanePointsAllEqual =
    QStringLiteral("三点坐标数据完全相同 =====> 数据有误----无法计算面体参数？");
inline const QString kMsgPlaneTwoPointsEqual =
    QStringLiteral("三点坐标有两点数据相同 =====> 数据有误----无法计算面体参数？");
inline const QString kMsgPlanePointsInLine =
    QStringLiteral("三点坐标在一条直线上 =====> 数据有误----无法计算面体参数？");
// The constants d of the three points differ beyond 1/10 mm; the result is still given.
inline const QString kMsgPlaneConstantImprecise = QStringLiteral(
    "根据三点坐标推导出来面体方程式---其常数 d 参数精度误差大于1/10毫米---计算结果有少量误差，请参考使用。");

}  // namespace cesuan::texts

// ---- Point lists (geodesy/point_list.h) ----

namespace cesuan::texts {

// One box for each character the point-list filter removes, up to kUselessCharacterBoxes.
inline const QString kMsgUselessCharacter =
    QStringLiteral("数据中存在无用的字符或汉字！已被自动清除，计算继续进行。");
inline constexpr int kUselessCharacterBoxes = 5;
// The one box after those: how many more characters were removed.
inline QString msgMoreUselessCharacters(int more) {
    return QStringLiteral("另有 ") + QString::number(more) + QStringLiteral(" 个无用的字符或汉字已被自动清除。");
}
// A field of a point that is no number: its line, serial (when the list has serials), field
// and value, "第3行 P2 的 X 值 abc 不是数字。".
inline QString msgPointValueNotANumber(int line, const QString& serial, const QString& field, const QString& value) {
    return QStringLiteral("第") + QString::number(line) + QStringLiteral("行 ") +
           (serial.isEmpty() ? QString() : serial + u' ') + QStringLiteral("的 ") + field + QStringLiteral(" 值 ") + value +
           QStringLiteral(" 不是数字。");
}
// A line with a serial and no coordinates, which is not measured.
inline QString msgPointWithoutCoordinates(int line, const QString& serial) {
    return QStringLiteral("第") + QString::number(line) + QStringLiteral("行 ") + serial +
           QStringLiteral(" 没有坐标，已跳过。");
}
// The names of the number fields of a point in the messages.
inline const QString kPointFieldNames[4] = {QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("H"),
                                            QStringLiteral("第4个数")};

}  // namespace cesuan::texts
