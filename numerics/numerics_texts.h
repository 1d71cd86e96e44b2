#pragma once
// The messages of the numerical tools: where an entry, a row or an equation went wrong, and
// what a matrix or a system is like (singular, ill-conditioned, without or with many solutions).

#include <QString>

namespace cesuan::texts::numerics {

// --- Places ---
inline QString rowColumn(int row, int column) { return QStringLiteral("第%1行第%2列").arg(row).arg(column); }
inline QString line(int line) { return QStringLiteral("第%1行").arg(line); }
inline QString sideOf(int lineNumber, bool left) {
    return line(lineNumber) + (left ? QStringLiteral("等号左边") : QStringLiteral("等号右边"));
}
inline QString observation(int index) { return QStringLiteral("第%1个观测值").arg(index); }

// An entry whose formula failed: the place, the entry as typed, the evaluator's message.
inline QString entryFailed(const QString& place, const QString& entry, const QString& message) {
    return place + QStringLiteral("“") + entry + QStringLiteral("”无法计算：") + message;
}
// An entry with characters that no rule reads.
inline QString entryIgnored(const QString& place, const QString& entry, const QString& characters) {
    return place + QStringLiteral("“") + entry + QStringLiteral("”中有无法识别的字符：") + characters;
}
inline QString emptyEntry(const QString& place) { return place + QStringLiteral("是空的，请填入一个数或算式。"); }
inline const QString kSeriousError = QStringLiteral("算式中存在严重错误");
inline const QString kTooBig = QStringLiteral("数值超出了双精度范围");

// --- Matrices ---
inline const QString kEmptyMatrix = QStringLiteral("没有输入矩阵。");
inline QString emptyMatrix(const QString& name) { return name + QStringLiteral("是空的，请输入矩阵（每行一行）。"); }
inline QString rowLength(const QString& name, int row, int count, int firstCount) {
    return name + QStringLiteral("第%1行有%2个数，而第1行有%3个数：每行的数必须一样多。").arg(row).arg(count).arg(firstCount);
}
inline QString matrixTooLarge(const QString& name, int rows, int columns, int limit) {
    return name + QStringLiteral("有%1行%2列，最大只能是%3×%3。").arg(rows).arg(columns).arg(limit);
}
inline QString notSquare(const QString& name, int rows, int columns) {
    return name + QStringLiteral("是%1×%2的矩阵，这个运算需要方阵。").arg(rows).arg(columns);
}
inline QString sizesDiffer(int r1, int c1, int r2, int c2) {
    return QStringLiteral("矩阵A是%1×%2，矩阵B是%3×%4，大小必须相同。").arg(r1).arg(c1).arg(r2).arg(c2);
}
inline QString productSizes(int c1, int r2) {
    return QStringLiteral("矩阵A有%1列，矩阵B有%2行：A的列数必须等于B的行数才能相乘。").arg(c1).arg(r2);
}
inline QString solveSizes(int r1, int r2) {
    return QStringLiteral("矩阵A有%1行，右端矩阵B有%2行：行数必须相同。").arg(r1).arg(r2);
}
inline const QString kNotSymmetric = QStringLiteral("矩阵A不对称（A ≠ Aᵀ）：只能求对称矩阵的特征值和特征向量。");
// A singular matrix: its rank and order, and the condition number (∞ when a singular value is 0).
inline QString singular(int rank, int order, const QString& condition) {
    return QStringLiteral("矩阵奇异（秩为%1，阶数为%2），条件数 %3：没有逆矩阵，也没有唯一解。").arg(rank).arg(order).arg(condition);
}
inline QString illConditioned(const QString& condition, int digits) {
    return QStringLiteral("矩阵病态，条件数 %1：输入数据的微小误差会被放大，结果只保留约%2位可信的有效数字。")
        .arg(condition)
        .arg(digits);
}
inline const QString kInfinity = QStringLiteral("∞");

// --- Linear systems ---
inline const QString kEmptySystem = QStringLiteral("没有输入方程。");
inline QString noEquals(int lineNumber) {
    return line(lineNumber) + QStringLiteral("没有等号：每行写一个方程，如 2x+3y-z=1；或者全部写成增广矩阵。");
}
inline QString manyEquals(int lineNumber) {
    return line(lineNumber) + QStringLiteral("有不止一个等号（= 或 等于）：每行只能写一个方程。");
}
inline QString emptySide(int lineNumber) { return line(lineNumber) + QStringLiteral("等号的一边是空的。"); }
inline QString notLinear(int lineNumber, const QString& equation) {
    return line(lineNumber) + QStringLiteral("“") + equation +
           QStringLiteral("”不是线性方程：未知数 r～z 只能以一次项出现（不能相乘、做乘方、做除数或放进函数）。");
}
inline const QString kNoUnknowns = QStringLiteral("方程中没有未知数：未知数是字母 r～z。");
inline QString augmentedTooNarrow(int columns) {
    return QStringLiteral("增广矩阵只有%1列：至少要有一个系数列和最后的常数列。").arg(columns);
}
inline QString tooManyEquations(int count, int limit) {
    return QStringLiteral("共有%1个方程，最多只能是%2个。").arg(count).arg(limit);
}
inline const QString kStatusUnique = QStringLiteral("唯一解");
inline const QString kStatusNone = QStringLiteral("无解");
inline const QString kStatusInfinite = QStringLiteral("无穷多解");
inline const QString kStatusLeastSquares = QStringLiteral("最小二乘解");

// --- Error theory ---
inline const QString kTooFewObservations = QStringLiteral("至少需要两个观测值才能计算中误差。");
inline QString tooManyObservations(int count, int limit) {
    return QStringLiteral("共有%1个观测值，最多只能是%2个。").arg(count).arg(limit);
}
inline const QString kEmptyFormula = QStringLiteral("没有输入函数式。");
inline QString badVariableLine(int lineNumber, const QString& text) {
    return line(lineNumber) + QStringLiteral("“") + text +
           QStringLiteral("”写法不对：应写成 x=观测值±中误差，如 x=125.36±0.02（± 也可写成 +-）。");
}
inline QString badVariableName(int lineNumber, const QString& name) {
    return line(lineNumber) + QStringLiteral("的变量“") + name + QStringLiteral("”不对：变量是 r～z 中的一个字母。");
}
inline QString repeatedVariable(QChar name) {
    return QStringLiteral("变量 %1 写了不止一次。").arg(name);
}
inline QString negativeError(int lineNumber) { return line(lineNumber) + QStringLiteral("的中误差是负数。"); }
inline QString variableValue(QChar name) { return QStringLiteral("变量 %1 的观测值").arg(name); }
inline QString variableError(QChar name) { return QStringLiteral("变量 %1 的中误差").arg(name); }
inline const QString kNoVariables = QStringLiteral("没有给出变量：每行写一个 x=观测值±中误差。");
inline QString formulaFailed(const QString& message) { return QStringLiteral("函数式无法计算：") + message; }
inline QString derivativeFailed(QChar name, const QString& message) {
    return QStringLiteral("函数式在变量 %1 的观测值附近无法计算，求不出偏导数：").arg(name) + message;
}
inline QString unusedVariable(QChar name) {
    return QStringLiteral("变量 %1 没有出现在函数式中（它的偏导数为0）。").arg(name);
}

// --- Work ---
inline const QString kCancelled = QStringLiteral("计算已取消。");

}  // namespace cesuan::texts::numerics
