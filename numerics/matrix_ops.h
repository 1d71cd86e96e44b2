#pragma once
// The matrix operations of the matrix window: sum, difference, product, transpose,
// determinant, inverse, rank, solving A X = B, and the eigenvalues and eigenvectors of a
// symmetric matrix; Eigen does the linear algebra. A singular or ill-conditioned matrix is
// said so, with its condition number, and the results keep only the digits it leaves.

#include <Eigen/Core>

#include <QString>

#include <optional>

namespace cesuan {

enum class MatrixOperation { Add, Subtract, Multiply, Transpose, Determinant, Inverse, Rank, Solve, Eigen };

// Whether the operation reads the second matrix B.
bool UsesSecondMatrix(MatrixOperation operation);

struct MatrixResult {
    QString problem;   // the operation has no result: why
    QString warning;   // ill-conditioned: the result is shown with this note
    std::optional<double> value;    // determinant, rank
    Eigen::MatrixXd matrix;         // sum … solution
    Eigen::VectorXd eigenvalues;    // ascending
    Eigen::MatrixXd eigenvectors;   // column k belongs to eigenvalue k, its largest component positive
    // The 2-norm condition number of A, where the operation depends on it (determinant,
    // inverse, solve); infinite for a singular matrix.
    std::optional<double> condition;
    int significant = 15;  // the significant digits the result vouches for
    bool ok() const { return problem.isEmpty(); }
};

// The condition number, the 2-norm one (largest over smallest singular value; infinite when
// the matrix is rank deficient), and the numerical rank of a matrix: the singular values above
// the rounding of the largest (max(rows, columns) · ε · largest) count.
struct Conditioning {
    double condition = 0;
    int rank = 0;
};
Conditioning ConditioningOf(const Eigen::MatrixXd& a);

// From this condition number on a matrix is called ill-conditioned: fewer than 8 of its
// double's digits are left.
inline constexpr double kIllConditioned = 1e8;

MatrixResult ComputeMatrix(MatrixOperation operation, const Eigen::MatrixXd& a, const Eigen::MatrixXd& b);

}  // namespace cesuan
