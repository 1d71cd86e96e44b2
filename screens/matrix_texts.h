#pragma once
// The matrix window's texts.

#include <QString>
#include <QStringList>

namespace cesuan::texts::matrix {

inline const QString kWindowTitle = QStringLiteral("测算 CeSuan — 矩阵计算");
inline const QString kHeading = QStringLiteral("矩阵计算");
inline const QString kHint = QStringLiteral(
    "每行一行矩阵，数之间用空格隔开；行中有逗号或 Tab 时，用逗号或 Tab 分隔（这时空格留在数里）。"
    "每个数都可以是算式（与计算器相同的写法和设置），最大 50×50。");
inline const QString kLabelA = QStringLiteral("矩阵 A");
inline const QString kLabelB = QStringLiteral("矩阵 B（A+B、A−B、A×B 和解方程时使用）");
inline const QString kOperationLabel = QStringLiteral("运算");
// The operations, in the order of MatrixOperation.
inline const QStringList kOperations = {
    QStringLiteral("A + B"),          QStringLiteral("A − B"),           QStringLiteral("A × B"),
    QStringLiteral("转置 Aᵀ"),        QStringLiteral("行列式 det A"),    QStringLiteral("逆矩阵 A⁻¹"),
    QStringLiteral("秩 rank A"),      QStringLiteral("解方程 AX = B"),   QStringLiteral("对称矩阵的特征值和特征向量"),
};
inline const QString kCompute = QStringLiteral("计 算");
inline const QString kTipCompute = QStringLiteral("按所选的运算计算（Ctrl+Enter）");
inline const QString kLearn = QStringLiteral("帮 助");
inline const QString kResultLabel = QStringLiteral("结果");
inline const QString kWorking = QStringLiteral("正在计算矩阵……");

// The headings of the result.
inline const QString kSum = QStringLiteral("A + B =");
inline const QString kDifference = QStringLiteral("A − B =");
inline const QString kProduct = QStringLiteral("A × B =");
inline const QString kTranspose = QStringLiteral("Aᵀ =");
inline const QString kDeterminant = QStringLiteral("det A = ");
inline const QString kInverse = QStringLiteral("A⁻¹ =");
inline const QString kRank = QStringLiteral("rank A = ");
inline const QString kSolution = QStringLiteral("X =");
inline const QString kEigenvalues = QStringLiteral("特征值（从小到大）：");
inline const QString kEigenvectors = QStringLiteral("特征向量（第 k 列属于第 k 个特征值）：");
inline QString condition(const QString& value) { return QStringLiteral("条件数 ") + value; }
inline QString size(int rows, int columns) { return QStringLiteral("（%1×%2）").arg(rows).arg(columns); }

}  // namespace cesuan::texts::matrix
