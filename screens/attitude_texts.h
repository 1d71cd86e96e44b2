#pragma once
// The plane attitude window's texts. The blanks are part of the texts.

#include <QString>

namespace cesuan::texts::attitude {

inline const QString kWindowTitle = QStringLiteral("面体的产状 — 测算 CeSuan");

inline const QString kStartPoints = QStringLiteral(
    "A001,4395879.562,40400348.322,23.441\r\n"
    " Z02,4394571.954,40397379.291,19.838\r\n"
    "  z3,4394926.422,40397410.355,19.851\r\n"
    "G4,0,2,5\r\n"
    "G5,2,0,5\r\n"
    "G6,0,0,3");

inline const QString kSerialColumn = QStringLiteral("首列为序号");  // Check1: the lines always carry serials here
inline const QString kCompute = QStringLiteral("进行计算");                      // Command1
inline const QString kPrint = QStringLiteral("打印屏幕");                        // Command2
inline const QString kTipPrint = QStringLiteral("安装打印机后才可执行打印功能");
inline const QString kHeading = QStringLiteral("已知三点坐标求面体的产状");  // Label1
inline const QString kFormatNote = QStringLiteral(                          // Label2
    "[序号]，纬度 X，经度 Y，高程 H 值必须采用，分隔数据！每行必须用回车符结束。   "
    "输出的角度数据为 90 . 59 59 99 类型 --> 度 . 分 秒 百分秒。");
inline const QString kZeroDirections = QStringLiteral("水平上用真北为0度，垂直向用平为0度。");  // Label4
inline const QString kUsePoint = QStringLiteral("用点号");                  // Label5
inline const QString kNextThreePoints = QStringLiteral("向下的三个点计算。");  // Label6
inline const QString kAttitude = QStringLiteral("面体的产状");              // Label7

// The first point when no serial matches: the origin.
inline const QString kOrigin = QStringLiteral("0");

inline const QString kMsgTooFewPoints = QStringLiteral("点数少于3个，无法完成计算。");
inline const QString kDataError = QStringLiteral("提供的坐标数据存在错误，请仔细修改后再计算。");

// The result text.
inline QString usedPoints(const QString& s1, const QString& s2, const QString& s3) {
    return QStringLiteral("    用序号为  ") + s1 + QStringLiteral("  ") + s2 + QStringLiteral("  ") + s3 +
           QStringLiteral("  的三点确定面体 。");
}
inline const QString kEquation = QStringLiteral("面体方程式为 a*X + b*Y + c*Z + d = 0 。");
inline const QString kFourParameters = QStringLiteral("    四个参数分别为: ");
inline const QString kLevel = QStringLiteral("面体产状为水平 --- 走向0度、倾向0度、倾角0度。");  // 水平
inline const QString kVertical = QStringLiteral("面体产状为垂直 --- 倾角为90度。");            // 垂直
inline const QString kInclined = QStringLiteral("面体产状:");
inline const QString kInclinedFlat = QStringLiteral("面体产状为倾斜状态 --- ////////。");  // a dip of 0
inline QString strikeLine(const QString& v) { return QStringLiteral("    走向为 ") + v + QStringLiteral(" 度"); }
inline QString dipDirectionLine(const QString& v) { return QStringLiteral("    倾向为 ") + v + QStringLiteral(" 度"); }
inline QString dipLine(const QString& v) { return QStringLiteral("    倾角为 ") + v + QStringLiteral(" 度。"); }
inline const QString kSides = QStringLiteral("三点间距离顺次分别为：");
inline QString confidenceLine(const QString& v) {
    return QStringLiteral("    成果的可信度为： ") + v + QStringLiteral("  ( 区间 0 - 100 )。");
}
inline const QString kConfidenceHigh = QStringLiteral("    可信度接近 100 表示---三点近似成正三角形。");
inline const QString kConfidenceLow = QStringLiteral("    可信度接近 0 表示---三点近似为一条直线。");
inline const QString kRemark = QStringLiteral("备注：角度为 90.59 59 99格式，走向取 0-180 。");

// The buttons to other screens (the captions are this program's own).
inline const QString kCalculator = QStringLiteral("计算器");
inline const QString kMenu = QStringLiteral("其它功能");

}  // namespace cesuan::texts::attitude
