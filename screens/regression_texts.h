#pragma once
// The linear regression window's own texts.

#include "engine/rounding.h"  // DisplayWidth

#include <QString>
#include <QStringList>

#include <algorithm>

namespace cesuan::texts::regression {

inline const QString kWindowTitle = QStringLiteral("线性回归 — 测算 CeSuan");
inline const QString kTitle = QStringLiteral("线性回归（最小二乘法）");
inline const QString kHint =
    QStringLiteral("  粘贴或输入数据表：每行一组数据，用分隔符分隔，用回车结束一行；前几列可为序号或名称。");
inline const QString kStartData = QStringLiteral(
    "例1*1*2.1\r\n例2*2*3.9\r\n例3*3*6.2\r\n例4*4*7.8\r\n例5*5*10.1\r\n例6*6*12.2\r\n例7*7*13.8\r\n");
inline const QString kStartX = QStringLiteral("8");

inline const QString kXColumnLabel = QStringLiteral("x 为第");
inline const QString kYColumnLabel = QStringLiteral("列数字，y 为第");
inline const QString kColumnAfter = QStringLiteral("列数字");
inline const QStringList kColumns = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                     QStringLiteral("4"), QStringLiteral("5")};
inline const QString kDegreeLabel = QStringLiteral("多项式次数：");
inline const QStringList kDegrees = {QStringLiteral("1 次（直线）"), QStringLiteral("2 次"), QStringLiteral("3 次")};
inline const QString kPredictLabel = QStringLiteral("预测 x =");
inline const QString kTipPredict = QStringLiteral("输入一个 x 值，求回归曲线上的 y 及其 95% 预测区间；留空则不预测。");
inline const QString kCompute = QStringLiteral("回 归");
inline const QString kTipCompute = QStringLiteral("按最小二乘法求回归系数（Ctrl+Enter）");
inline const QString kImport = QStringLiteral("导 入");
inline const QString kTipImport = QStringLiteral("从文本文件或 CSV 文件调入数据（Ctrl+O）");
inline const QString kHelp = QStringLiteral("帮 助");
inline const QString kCalculator = QStringLiteral("计算器");

// The result.
inline QString equation(int degree) {
    switch (degree) {
    case 2: return QStringLiteral("y = b0 + b1·x + b2·x²");
    case 3: return QStringLiteral("y = b0 + b1·x + b2·x² + b3·x³");
    default: return QStringLiteral("y = b0 + b1·x");
    }
}
inline QString heading(int degree) {
    return QString::number(degree) + QStringLiteral(" 次回归：") + equation(degree);
}
inline QString pairsLine(int x, int y, int n) {
    return QStringLiteral("x 为第") + QString::number(x) + QStringLiteral("列数字，y 为第") + QString::number(y) +
           QStringLiteral("列数字，共 ") + QString::number(n) + QStringLiteral(" 对数据。");
}
inline QString skippedRows(int rows) {
    return QStringLiteral("另有 ") + QString::number(rows) + QStringLiteral(" 行缺少 x 或 y 的数值，未参加计算。");
}
// The table of the coefficients: columns 16 and 24 display cells wide (a Chinese character
// takes two).
inline QString padded(const QString& text, int cells) {
    return text + QString(std::max(1, cells - DisplayWidth(text)), u' ');
}
inline const QString kCoefficientsHeading =
    padded(QStringLiteral("系数"), 16) + padded(QStringLiteral("估计值"), 24) + QStringLiteral("标准误差");
inline QString coefficientLine(int k, const QString& value, const QString& error) {
    const QString name = k == 0 ? QStringLiteral("b0（常数项）") : QStringLiteral("b") + QString::number(k);
    return padded(QStringLiteral("  ") + name, 16) + padded(value, 24) + error;
}
inline QString correlationLine(const QString& r) { return QStringLiteral("相关系数    r  = ") + r; }
inline QString determinationLine(const QString& r2) { return QStringLiteral("决定系数    r² = ") + r2; }
inline QString residualLine(const QString& s) { return QStringLiteral("剩余标准差  s  = ") + s; }
inline QString predictionLine(const QString& x, const QString& y, const QString& half, const QString& low,
                              const QString& high) {
    return QStringLiteral("预测：x = ") + x + QStringLiteral(" 时，y = ") + y + QStringLiteral(" ± ") + half +
           QStringLiteral("（95% 预测区间 ") + low + QStringLiteral(" … ") + high + QStringLiteral("）");
}
inline const QString kDigitsNote =
    QStringLiteral("（估计值只保留标准误差允许的位数：到标准误差第二位有效数字为止，最多 15 位有效数字。）");

// Messages.
inline const QString kSameColumns = QStringLiteral("x 和 y 不能取同一列数字，请另选一列。");
inline QString msgTooFewPairs(int n, int degree) {
    return QStringLiteral("只有 ") + QString::number(n) + QStringLiteral(" 对完整的数据，") + QString::number(degree) +
           QStringLiteral(" 次回归至少需要 ") + QString::number(degree + 2) + QStringLiteral(" 对。");
}
inline QString msgTooFewXValues(int distinct, int degree) {
    return QStringLiteral("x 只有 ") + QString::number(distinct) + QStringLiteral(" 个不同的值，") +
           QString::number(degree) + QStringLiteral(" 次回归至少需要 ") + QString::number(degree + 1) +
           QStringLiteral(" 个。");
}
inline const QString kOutOfRange = QStringLiteral("数据超出计算范围，无法回归。");
inline QString msgBadX(const QString& text) {
    return QStringLiteral("预测的 x 值“") + text + QStringLiteral("”不是数字，未作预测。");
}

// The picture.
inline QString pictureTitle(int degree) { return QString::number(degree) + QStringLiteral(" 次回归曲线与数据点"); }
inline QString xAxis(int column) { return QStringLiteral("x（第") + QString::number(column) + QStringLiteral("列）"); }
inline QString yAxis(int column) { return QStringLiteral("y（第") + QString::number(column) + QStringLiteral("列）"); }
inline const QString kPredictionMark = QStringLiteral("预测");

}  // namespace cesuan::texts::regression
