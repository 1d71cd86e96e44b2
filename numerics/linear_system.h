#pragma once
// Linear systems, typed as equations (2x+3y-z=1, or 2x加3y减z等于1, one a line) or as the
// rows of the augmented matrix [A | b]. Each equation is split at its single = (＝) or 等于,
// then each side is computed by the calculator's own road with the letters r … z as the
// unknowns, whatever values the memory variables hold. Solved with Eigen: the unique
// solution, or no solution, or infinitely many, with the ranks; least squares for an
// over-determined system on request.

#include "numerics/entries.h"

#include <Eigen/Core>

#include <QString>
#include <QStringList>

namespace cesuan {

inline constexpr int kMaxEquations = 1000;
inline constexpr int kMaxUnknowns = 50;

struct LinearSystem {
    Eigen::MatrixXd a;
    Eigen::VectorXd b;
    QStringList unknowns;  // the letters, in alphabetical order; x1, x2 … for an augmented matrix
    bool fromEquations = false;
    QString problem;
    bool cancelled = false;
    bool ok() const { return problem.isEmpty() && !cancelled; }
};

// Where a line is split into its two sides: the one = (also ＝) or 等于 it holds; the number of
// such signs when there are none or several (then the position is -1).
struct EquationSplit {
    QString left, right;
    int signs = 0;
};
EquationSplit SplitEquation(const QString& line);

// Whether the text is typed as equations: some line holds = (＝) or 等于.
bool TypedAsEquations(const QString& text);

// The memory-variable letters r … z that a side reads as variables (a letter with no letter
// beside it once normalised), in alphabetical order.
QString UnknownsOf(const QString& side);

// Reads the system from its text, the equations or the augmented matrix.
LinearSystem ReadLinearSystem(const CalcSettings& settings, const QString& text, const StopFlag& stop);

enum class SystemStatus { Unique, None, Infinite, LeastSquares };

struct SystemSolution {
    SystemStatus status = SystemStatus::Unique;
    int rank = 0;            // of A
    int augmentedRank = 0;   // of [A | b]
    Eigen::VectorXd x;       // unique or least squares
    double condition = 0;    // of A, where there is a solution
    int significant = 15;    // the digits of x it vouches for
    QString warning;         // ill-conditioned
    // Least squares: the residuals v = A x − b and the mean error of unit weight √([vv]/(m−n)).
    Eigen::VectorXd residuals;
    double unitError = 0;
};

// Solves A x = b; an inconsistent over-determined system (more equations than unknowns) gets
// its least squares solution when `leastSquares` asks for it.
SystemSolution SolveLinearSystem(const Eigen::MatrixXd& a, const Eigen::VectorXd& b, bool leastSquares);

}  // namespace cesuan
