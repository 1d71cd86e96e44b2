#include "numerics/matrix_ops.h"

#include "numerics/number_format.h"
#include "numerics/numerics_texts.h"

#include <Eigen/Eigenvalues>
#include <Eigen/LU>
#include <Eigen/SVD>

#include <cmath>
#include <limits>

namespace cesuan {

namespace t = texts::numerics;

bool UsesSecondMatrix(MatrixOperation operation) {
    switch (operation) {
    case MatrixOperation::Add:
    case MatrixOperation::Subtract:
    case MatrixOperation::Multiply:
    case MatrixOperation::Solve: return true;
    default: return false;
    }
}

Conditioning ConditioningOf(const Eigen::MatrixXd& a) {
    Conditioning c;
    if (a.size() == 0) return c;
    const Eigen::JacobiSVD<Eigen::MatrixXd> svd(a);
    const Eigen::VectorXd& s = svd.singularValues();
    const double largest = s(0);
    const double smallest = s(s.size() - 1);
    // Singular values below the rounding of the largest count as 0.
    const double threshold = double(std::max(a.rows(), a.cols())) * std::numeric_limits<double>::epsilon() * largest;
    for (Eigen::Index i = 0; i < s.size(); ++i) c.rank += s(i) > threshold ? 1 : 0;
    const bool fullRank = c.rank == std::min(a.rows(), a.cols());
    c.condition = fullRank && smallest > 0 ? largest / smallest : std::numeric_limits<double>::infinity();
    return c;
}

namespace {

// Checks a square matrix for the operations that depend on its conditioning: false, with the
// problem set, when it is singular; a warning and fewer digits when it is ill-conditioned.
bool conditioned(const Eigen::MatrixXd& a, MatrixResult& result) {
    const Conditioning c = ConditioningOf(a);
    result.condition = c.condition;
    if (c.rank < a.rows()) {
        result.problem = t::singular(c.rank, int(a.rows()), ConditionText(c.condition));
        return false;
    }
    result.significant = DigitsAfterCondition(c.condition);
    if (c.condition >= kIllConditioned) result.warning = t::illConditioned(ConditionText(c.condition), result.significant);
    return true;
}

bool square(const Eigen::MatrixXd& a, MatrixResult& result) {
    if (a.rows() == a.cols()) return true;
    result.problem = t::notSquare(QStringLiteral("矩阵A"), int(a.rows()), int(a.cols()));
    return false;
}

bool sameSize(const Eigen::MatrixXd& a, const Eigen::MatrixXd& b, MatrixResult& result) {
    if (a.rows() == b.rows() && a.cols() == b.cols()) return true;
    result.problem = t::sizesDiffer(int(a.rows()), int(a.cols()), int(b.rows()), int(b.cols()));
    return false;
}

// Each eigenvector with its largest component (the first of equal ones) positive, so that the
// vectors do not depend on the solver's sign.
void orientColumns(Eigen::MatrixXd& vectors) {
    for (Eigen::Index k = 0; k < vectors.cols(); ++k) {
        Eigen::Index largest = 0;
        for (Eigen::Index i = 1; i < vectors.rows(); ++i)
            if (std::fabs(vectors(i, k)) > std::fabs(vectors(largest, k)) * (1 + 1e-9)) largest = i;
        if (vectors(largest, k) < 0) vectors.col(k) = -vectors.col(k);
    }
}

}  // namespace

MatrixResult ComputeMatrix(MatrixOperation operation, const Eigen::MatrixXd& a, const Eigen::MatrixXd& b) {
    MatrixResult result;
    switch (operation) {
    case MatrixOperation::Add:
        if (sameSize(a, b, result)) result.matrix = a + b;
        break;
    case MatrixOperation::Subtract:
        if (sameSize(a, b, result)) result.matrix = a - b;
        break;
    case MatrixOperation::Multiply:
        if (a.cols() != b.rows()) result.problem = t::productSizes(int(a.cols()), int(b.rows()));
        else result.matrix = a * b;
        break;
    case MatrixOperation::Transpose: result.matrix = a.transpose(); break;
    case MatrixOperation::Determinant:
        if (!square(a, result)) break;
        if (!conditioned(a, result)) {
            // A singular matrix has the determinant 0; the problem says why.
            result.value = 0.0;
            result.warning = result.problem;
            result.problem.clear();
            break;
        }
        result.value = a.fullPivLu().determinant();
        break;
    case MatrixOperation::Inverse:
        if (square(a, result) && conditioned(a, result)) result.matrix = a.fullPivLu().inverse();
        break;
    case MatrixOperation::Rank: result.value = double(ConditioningOf(a).rank); break;
    case MatrixOperation::Solve:
        if (!square(a, result)) break;
        if (a.rows() != b.rows()) {
            result.problem = t::solveSizes(int(a.rows()), int(b.rows()));
            break;
        }
        if (conditioned(a, result)) result.matrix = a.fullPivLu().solve(b);
        break;
    case MatrixOperation::Eigen: {
        if (!square(a, result)) break;
        const double scale = a.cwiseAbs().maxCoeff();
        const double asymmetry = (a - a.transpose()).cwiseAbs().maxCoeff();
        if (asymmetry > 1e-12 * scale) {
            result.problem = t::kNotSymmetric;
            break;
        }
        const Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> solver((a + a.transpose()) / 2);
        result.eigenvalues = solver.eigenvalues();
        result.eigenvectors = solver.eigenvectors();
        orientColumns(result.eigenvectors);
        break;
    }
    }
    if (!result.ok()) return result;
    // A result beyond the doubles (a product of huge entries) is no result.
    const auto finite = [](const auto& m) { return m.size() == 0 || m.allFinite(); };
    if (!finite(result.matrix) || (result.value && !std::isfinite(*result.value))) {
        result = MatrixResult();
        result.problem = t::kTooBig;
    }
    return result;
}

}  // namespace cesuan
