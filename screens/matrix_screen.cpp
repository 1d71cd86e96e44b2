#include "screens/matrix_screen.h"

#include "numerics/entries.h"
#include "numerics/number_format.h"
#include "numerics/numerics_texts.h"
#include "screens/matrix_texts.h"

#include <QJsonArray>

#include <memory>

namespace cesuan {

namespace t = texts::matrix;

QString AlignedRows(const QList<QStringList>& rows, const QString& indent) {
    QList<qsizetype> widths;
    for (const QStringList& row : rows)
        for (qsizetype c = 0; c < row.size(); ++c) {
            if (widths.size() <= c) widths.append(0);
            widths[c] = std::max(widths[c], row[c].size());
        }
    QString text;
    for (const QStringList& row : rows) {
        QString line = indent;
        for (qsizetype c = 0; c < row.size(); ++c) {
            if (c > 0) line += QStringLiteral("  ");
            line += row[c].rightJustified(widths[c]);
        }
        text += line + QStringLiteral("\r\n");
    }
    return text;
}

QList<QStringList> NumberRows(const Eigen::MatrixXd& matrix, int places, int significant) {
    QList<QStringList> rows;
    for (Eigen::Index r = 0; r < matrix.rows(); ++r) {
        QStringList row;
        for (Eigen::Index c = 0; c < matrix.cols(); ++c) row.append(NumberText(matrix(r, c), places, significant));
        rows.append(row);
    }
    return rows;
}

MatrixScreen::MatrixScreen(const CalcSettings& settings, MessageBoxService& messages, WorkRunner& work,
                           ScreenNavigator& screens)
    : settings_(settings), messages_(messages), work_(work), screens_(screens) {
    load();
}

void MatrixScreen::load() {
    // A symmetric example that every operation takes (det A = 19), and B for A X = B.
    matrixA = QStringLiteral("4  1  1\r\n1  3  0\r\n1  0  2\r\n");
    matrixB = QStringLiteral("6\r\n4\r\n3\r\n");
    operationIndex = int(MatrixOperation::Determinant);
    result.clear();
    status.clear();
    failed = false;
}

void MatrixScreen::chooseOperation(int index) {
    if (index >= 0 && index < t::kOperations.size()) operationIndex = index;
}

void MatrixScreen::learn() { screens_.showHelp(ScreenId::Matrix); }

void MatrixScreen::compute() {
    result.clear();
    status.clear();
    valueText.clear();
    matrixTexts.clear();
    eigenvalueTexts.clear();
    eigenvectorTexts.clear();
    failed = true;

    // The work owns copies of everything it reads: it may outlive a cancelled command.
    struct Job {
        CalcSettings settings;
        QString a, b;
        MatrixOperation operation;
        QString problem;
        MatrixResult result;
    };
    auto job = std::make_shared<Job>(Job{settings_, matrixA, matrixB, operation(), QString(), MatrixResult()});
    const bool finished = work_.run(t::kWorking, [job](const std::atomic<bool>& stop) {
        const MatrixText a = ReadMatrix(job->settings, job->a, QStringLiteral("矩阵A"), stop);
        if (!a.ok()) {
            job->problem = a.problem;
            return;
        }
        MatrixText b;
        if (UsesSecondMatrix(job->operation)) {
            b = ReadMatrix(job->settings, job->b, QStringLiteral("矩阵B"), stop);
            if (!b.ok()) {
                job->problem = b.problem;
                return;
            }
        }
        job->result = ComputeMatrix(job->operation, a.matrix, b.matrix);
    });
    if (!finished) {
        status = texts::numerics::kCancelled;
        return;
    }
    const QString problem = job->problem.isEmpty() ? job->result.problem : job->problem;
    if (!problem.isEmpty()) {
        status = problem;
        messages_.showError(problem);
        return;
    }
    failed = false;
    const MatrixResult& r = job->result;
    const int places = job->settings.decimalPlaces;
    if (r.condition) status = t::condition(ConditionText(*r.condition));
    if (!r.warning.isEmpty()) status = r.warning;

    switch (operation()) {
    case MatrixOperation::Determinant:
    case MatrixOperation::Rank:
        valueText = NumberText(*r.value, places, r.significant);
        result = (operation() == MatrixOperation::Rank ? t::kRank : t::kDeterminant) + valueText + QStringLiteral("\r\n");
        return;
    case MatrixOperation::Eigen: {
        for (Eigen::Index k = 0; k < r.eigenvalues.size(); ++k)
            eigenvalueTexts.append(NumberText(r.eigenvalues(k), places, r.significant));
        eigenvectorTexts = NumberRows(r.eigenvectors.transpose(), places, r.significant);
        result = t::kEigenvalues + QStringLiteral("\r\n") + AlignedRows({eigenvalueTexts}) + t::kEigenvectors +
                 QStringLiteral("\r\n") + AlignedRows(NumberRows(r.eigenvectors, places, r.significant));
        return;
    }
    default: break;
    }
    const QString headings[] = {t::kSum, t::kDifference, t::kProduct, t::kTranspose, QString(),
                                t::kInverse, QString(), t::kSolution};
    matrixTexts = NumberRows(r.matrix, places, r.significant);
    result = headings[operationIndex] + t::size(int(r.matrix.rows()), int(r.matrix.cols())) + QStringLiteral("\r\n") +
             AlignedRows(matrixTexts);
}

namespace {

QJsonArray numbers(const QStringList& texts) {
    QJsonArray array;
    for (const QString& text : texts) array.append(text.toDouble());
    return array;
}

QJsonArray numberRows(const QList<QStringList>& rows) {
    QJsonArray array;
    for (const QStringList& row : rows) array.append(numbers(row));
    return array;
}

}  // namespace

QJsonObject MatrixScreen::json() const {
    if (failed) return QJsonObject();
    switch (operation()) {
    case MatrixOperation::Determinant:
    case MatrixOperation::Rank: return {{QStringLiteral("value"), valueText.toDouble()}};
    case MatrixOperation::Eigen:
        return {{QStringLiteral("values"), numbers(eigenvalueTexts)}, {QStringLiteral("vectors"), numberRows(eigenvectorTexts)}};
    default: return {{QStringLiteral("matrix"), numberRows(matrixTexts)}};
    }
}

}  // namespace cesuan
