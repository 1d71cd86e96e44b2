#pragma once
// The transformation window's texts: captions, the start example, the result report and
// the messages of the window itself (the routines' own messages are in
// geodesy/helmert_texts.h). The blanks are part of the texts.

#include <QString>
#include <QStringList>

namespace cesuan::texts::transform {

inline const QString kWindowTitle = QStringLiteral("GPS坐标转换 — 测算 CeSuan");
inline const QString kHeading = QStringLiteral("公共点求转换参数（三、四、七参数）· 空间直角坐标");

// The tabs.
inline const QString kParametersTab = QStringLiteral("转换参数");
inline const QString kCartesianTab = QStringLiteral("空间直角坐标");

// The model list, in the order 3, 4, 7.
inline const QStringList kModels = {QStringLiteral("三参数（空间直角坐标平移）"), QStringLiteral("四参数（平面）"),
                                    QStringLiteral("七参数（布尔莎）")};
inline const QString kModelLabel = QStringLiteral("转换模型");
inline const QString kTipModel = QStringLiteral("旋转以秒为单位，尺度以 ppm（百万分之一）为单位");

// What a line of each box holds, for the chosen model.
inline const QString kCommonFormatPlane = QStringLiteral("公共点：点名, x1, y1, x2, y2（x 北，y 东，米；1 为原坐标，2 为目标坐标）");
inline const QString kCommonFormatSpace = QStringLiteral("公共点：点名, X1, Y1, Z1, X2, Y2, Z2（空间直角坐标，米；1 为原坐标，2 为目标坐标）");
inline const QString kApplyFormatPlane = QStringLiteral("待转换点：点名, x, y[, 高程]（高程原样带过）");
inline const QString kApplyFormatSpace = QStringLiteral("待转换点：点名, X, Y, Z");
inline const QString kReportLabel = QStringLiteral("计算结果（残差 v = 转换值 − 目标值）");
inline const QString kParametersLabel = QStringLiteral("转换参数（可修改，应用参数时使用）");
inline const QString kAppliedLabel = QStringLiteral("转换结果");

// The buttons.
inline const QString kEstimate = QStringLiteral("计算参数");
inline const QString kTipEstimate = QStringLiteral("用公共点按最小二乘求转换参数（Ctrl+Enter）");
inline const QString kApply = QStringLiteral("应用参数");
inline const QString kTipApply = QStringLiteral("用参数框中的参数转换待转换点（Ctrl+Enter）");
inline const QString kSave = QStringLiteral("保存参数");
inline const QString kRead = QStringLiteral("读取参数");
inline const QString kCalculator = QStringLiteral("计算器");
inline const QString kHelp = QStringLiteral("帮助");

// The Cartesian part.
inline const QString kEllipsoidLabel = QStringLiteral("椭球");
inline const QString kCartesianFormat =
    QStringLiteral("每行一点：点名, B, L, H（纬度、经度为度.分秒，大地高，米）或 点名, X, Y, Z（米）");
inline const QString kToCartesian = QStringLiteral("B L H → X Y Z");
inline const QString kToGeodetic = QStringLiteral("X Y Z → B L H");

// The start example: six common points, WGS 84 to Beijing 1954 Cartesian coordinates, and
// two points to transform.
inline const QString kStartCommonPoints = QStringLiteral(
    "G01, -2277048.0837, 4345666.2975, 4062027.1367, -2276953.6068, 4345530.9739, 4061928.8222\r\n"
    "G02, -2309181.3238, 4345646.0606, 4043970.4131, -2309086.8189, 4345511.0358, 4043872.3631\r\n"
    "G03, -2308041.3273, 4320326.6696, 4071513.0485, -2307946.9242, 4320191.7922, 4071414.9190\r\n"
    "G04, -2277991.4638, 4368197.1817, 4037392.8239, -2277896.8967, 4368061.7252, 4037294.5733\r\n"
    "G05, -2292603.4132, 4343971.3203, 4055117.9306, -2292508.9275, 4343836.1559, 4055019.7364\r\n"
    "G06, -2277999.2156, 4331378.6466, 4076669.8225, -2277904.7954, 4331243.4248, 4076571.4802\r\n");
inline const QString kStartApplyPoints = QStringLiteral(
    "A01, -2295078.5471, 4345959.9672, 4051610.1656\r\n"
    "A02, -2292878.6555, 4348113.9158, 4050546.0663\r\n");
inline const QString kStartCartesian = QStringLiteral(
    "A01, 39.4125536, 117.5017873, 23.441\r\n"
    "A02, 39.4040800, 117.4814040, 19.838\r\n");

// The report of an estimate.
inline QString reportHeading(const QString& model, int points, int redundancy) {
    return model + QStringLiteral("  公共点 ") + QString::number(points) + QStringLiteral(" 个，多余观测数 ") +
           QString::number(redundancy);
}
inline const QString kUnitMetre = QStringLiteral("米");
inline const QString kUnitSecond = QStringLiteral("秒");
inline const QString kUnitPpm = QStringLiteral("ppm");
inline const QString kScaleName = QStringLiteral("尺度");
inline const QString kRotationName = QStringLiteral("旋转角");
inline QString sigma0Line(const QString& value) {
    return QStringLiteral("单位权中误差 σ0 = ") + value + QStringLiteral(" 米");
}
inline const QString kExactFit = QStringLiteral("（公共点数正好够用，没有多余观测，残差为 0，无法检核）");
inline const QString kResidualHeading = QStringLiteral("残差（米）：");
inline const QString kFlag = QStringLiteral("← 超限");
inline QString flaggedLine(int count, const QString& names) {
    return QStringLiteral("超限点 ") + QString::number(count) + QStringLiteral(" 个（残差长度大于 3σ0 且大于 1 毫米）：") + names;
}
inline const QString kNoneFlagged = QStringLiteral("没有超限点（残差长度大于 3σ0 且大于 1 毫米的点）。");
inline QString valuesLine(const QString& values) {
    return QStringLiteral("参数值依次为：") + values;
}

// Messages and the status line.
inline const QString kMsgNoCommonPoints = QStringLiteral("公共点框中没有数据。");
inline const QString kMsgNoApplyPoints = QStringLiteral("待转换点框中没有数据。");
inline const QString kMsgNoCartesianPoints = QStringLiteral("坐标框中没有数据。");
inline QString modelFollowsParameters(const QString& model) {
    return QStringLiteral("按参数框中的") + model + QStringLiteral("转换");
}
inline QString applied(qsizetype points) {
    return QStringLiteral("已转换 ") + QString::number(points) + QStringLiteral(" 个点");
}
inline QString estimated(const QString& model) { return QStringLiteral("已求出") + model; }
inline QString readFrom(const QString& fileName) { return QStringLiteral("已读取参数：") + fileName; }
inline QString problemsIn(const QString& box, const QStringList& problems) {
    return box + QStringLiteral("中的数据有误，未计算：\n") + problems.join(u'\n');
}
inline const QString kCommonBox = QStringLiteral("公共点框");
inline const QString kApplyBox = QStringLiteral("待转换点框");
inline const QString kParametersBox = QStringLiteral("参数框");
inline const QString kCartesianBox = QStringLiteral("坐标框");
inline QString parametersProblem(const QString& where, const QString& problem) {
    return where + QStringLiteral("中的参数有误：\n") + problem;
}

// File dialogs.
inline const QString kSaveTitle = QStringLiteral("保存转换参数");
inline const QString kReadTitle = QStringLiteral("读取转换参数");
inline const QString kFilter = QStringLiteral("参数文件 (*.txt *.prm);;所有文件 (*)");
inline const QString kFileName = QStringLiteral("转换参数.txt");

}  // namespace cesuan::texts::transform
