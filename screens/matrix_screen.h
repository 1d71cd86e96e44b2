#pragma once
// The matrix window as a controller: two matrices typed or pasted as rows, the operation
// chosen from a list, the result as aligned rows of numbers, and a status line for what the
// matrix is like (singular, ill-conditioned with its condition number). Every entry is a
// formula computed with the program's calculator settings; the entries are computed by the
// work runner, off the window's thread.

#include "evaluator/calc_context.h"
#include "numerics/matrix_ops.h"
#include "screens/background_work.h"
#include "screens/platform.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

namespace cesuan {

// Rows of texts, each column padded on the left to its widest text.
QString AlignedRows(const QList<QStringList>& rows, const QString& indent = QStringLiteral("  "));

// The texts of a matrix's numbers.
QList<QStringList> NumberRows(const Eigen::MatrixXd& matrix, int places, int significant);

class MatrixScreen {
public:
    MatrixScreen(const CalcSettings& settings, MessageBoxService& messages, WorkRunner& work, ScreenNavigator& screens);

    // --- The window's texts ---
    QString matrixA;  // rows (any line ends)
    QString matrixB;
    int operationIndex = 4;  // the operation list: MatrixOperation's order; the determinant first
    QString result;          // the result (CR LF)
    QString status;          // the condition or why there is no result

    // --- The last result, as shown ---
    bool failed = false;
    MatrixOperation operation() const { return MatrixOperation(operationIndex); }
    QString valueText;                   // determinant or rank
    QList<QStringList> matrixTexts;      // sum … solution
    QStringList eigenvalueTexts;         // ascending
    QList<QStringList> eigenvectorTexts; // one row a vector, belonging to the eigenvalue of its index

    // --- Operations ---
    void load();                     // the start example
    void chooseOperation(int index);
    void compute();                  // "计 算"
    void learn();                    // "帮 助": the help at the matrix topic

    // The last result: {"value"} for the determinant and the rank, {"values", "vectors"} for
    // the eigenvalues, {"matrix"} for the others; the numbers as shown.
    QJsonObject json() const;

private:
    const CalcSettings& settings_;
    MessageBoxService& messages_;
    WorkRunner& work_;
    ScreenNavigator& screens_;
};

}  // namespace cesuan
