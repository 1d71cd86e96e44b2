#pragma once
// The texts of the pictures beside the windows' results: the plotting widget's menu and
// readout, and the titles, axes and notes the controllers give their pictures.

#include <QString>

namespace cesuan::texts::picture {

// The plotting widget.
inline const QString kSaveImage = QStringLiteral("保存图片…");
inline const QString kCopyImage = QStringLiteral("复制图片");
inline const QString kResetView = QStringLiteral("还原视图");
inline const QString kSaveImageTitle = QStringLiteral("保存图片");
inline const QString kImageFilter = QStringLiteral("PNG 图片 (*.png);;SVG 矢量图 (*.svg)");
inline const QString kImageFileName = QStringLiteral("图片.png");
inline const QString kTipPlot =
    QStringLiteral("滚轮缩放，拖动平移，双击还原；右键菜单可保存图片（PNG、SVG）或复制到剪贴板。");
inline QString msgImageNotWritten(const QString& path) {
    return QStringLiteral("图片无法写入文件：\r\n") + path + QStringLiteral("\r\n请检查文件夹是否存在、是否可写。");
}
inline QString imageSaved(const QString& path) { return QStringLiteral("图片已保存到 ") + path; }
inline const QString kImageCopied = QStringLiteral("图片已复制到剪贴板。");
// The readout of the pointer's place.
inline QString planReadout(const QString& x, const QString& y) { return QStringLiteral("X = ") + x + QStringLiteral("  Y = ") + y; }
inline QString chartReadout(const QString& h, const QString& v) { return QStringLiteral("x = ") + h + QStringLiteral("  y = ") + v; }
inline QString netReadout(const QString& trend, const QString& plunge) {
    return QStringLiteral("倾伏向 ") + trend + QStringLiteral("°  倾伏角 ") + plunge + QStringLiteral("°");
}

// Plans.
inline const QString kNorthAxis = QStringLiteral("X（北）");
inline const QString kEastAxis = QStringLiteral("Y（东）");
inline const QString kOutlineTitle = QStringLiteral("地块轮廓");
inline const QString kCoordinatePlanTitle = QStringLiteral("点位平面图");
inline QString notDrawn(const QString& serials) { return QStringLiteral("换算失败、未画出的点：") + serials; }
inline QString morePointsThanDrawn(int drawn) {
    return QStringLiteral("只画出前 ") + QString::number(drawn) + QStringLiteral(" 个点");
}
inline const QString kBearingPlanTitle = QStringLiteral("距离和方位");
inline QString rayLabel(const QString& distance, const QString& azimuth) {
    return distance + QStringLiteral(" m  ") + azimuth;
}
inline QString originNote(const QString& serial) { return QStringLiteral("起点：") + serial; }

// The plane attitude window.
inline const QString kStereonetTitle = QStringLiteral("下半球等面积投影（施密特网，10° 网格）");
inline const QString kThreePointsTitle = QStringLiteral("三点平面位置");
inline QString strikeNote(const QString& value) { return QStringLiteral("走向 ") + value; }
inline QString dipDirectionNote(const QString& value) { return QStringLiteral("倾向 ") + value; }
inline QString dipNote(const QString& value) { return QStringLiteral("倾角 ") + value; }
inline const QString kPoleLabel = QStringLiteral("极点");
inline const QString kLevelPlane = QStringLiteral("水平面：大圆即基圆，极点在圆心");
inline const QString kNorth = QStringLiteral("N");
inline const QString kEast = QStringLiteral("E");
inline const QString kSouth = QStringLiteral("S");
inline const QString kWest = QStringLiteral("W");

// The statistics window.
inline const QString kHistogramTab = QStringLiteral("直方图");
inline const QString kScatterTab = QStringLiteral("散点图");
inline const QString kColumnLabel = QStringLiteral("列：");
inline const QString kBinsLabel = QStringLiteral("组数：");
inline const QString kBinsByRule = QStringLiteral("自动");
inline const QString kTipBinsByRule =
    QStringLiteral("按 Freedman–Diaconis 规则定组数：组距 = 2 × 四分位距 ÷ 数据个数的立方根。");
inline const QString kXColumnLabel = QStringLiteral("横轴列：");
inline const QString kYColumnLabel = QStringLiteral("纵轴列：");
inline QString columnName(int column) { return QStringLiteral("第") + QString::number(column) + QStringLiteral("列"); }
inline QString histogramTitle(int column, int count, int bins) {
    return QStringLiteral("第") + QString::number(column) + QStringLiteral("列数字的直方图（") + QString::number(count) +
           QStringLiteral(" 个数，") + QString::number(bins) + QStringLiteral(" 组）");
}
inline const QString kCountAxis = QStringLiteral("频数");
inline QString scatterTitle(int x, int y, int pairs) {
    return QStringLiteral("第") + QString::number(y) + QStringLiteral("列对第") + QString::number(x) +
           QStringLiteral("列（") + QString::number(pairs) + QStringLiteral(" 对）");
}
inline const QString kNoNumbers = QStringLiteral("该列没有数字");

}  // namespace cesuan::texts::picture
