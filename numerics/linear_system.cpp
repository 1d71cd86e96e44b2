#include "numerics/linear_system.h"

#include "engine/line_ends.h"
#include "evaluator/normalise.h"
#include "numerics/matrix_ops.h"
#include "numerics/number_format.h"
#include "numerics/numerics_texts.h"

#include <Eigen/QR>

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace cesuan {

namespace t = texts::numerics;

namespace {

const QRegularExpression& equalsSign() {
    static const QRegularExpression sign(QStringLiteral("=|＝|等于"));
    return sign;
}

bool isLetter(QChar c) { return c >= u'a' && c <= u'z'; }

constexpr int kLetters = 9;  // r … z

// One side of an equation: the coefficient of each unknown letter (r … z) and the constant.
struct Side {
    std::array<double, kLetters> coefficients{};
    double constant = 0;
    QString problem;
};

// Computes a side at points of the unknowns: the constant at 0, each coefficient from the
// step to 1; the steps to 2 and to all ones check that the side is linear in them (what
// rounding to the decimal places allows apart).
Side evaluateSide(const CalcSettings& settings, const QString& side, const QString& letters, const QString& place,
                  const QString& equation, int lineNumber) {
    Side result;
    CalcContext context{settings, {}};
    const auto at = [&](const std::array<int, kLetters>& point) {
        for (int k = 0; k < kLetters; ++k) context.settings.memoryVariables[std::size_t(k)] = CalcValue(point[std::size_t(k)]);
        return EvaluateEntry(context, side, place);
    };
    const auto index = [](QChar letter) { return std::size_t(letter.unicode() - u'r'); };
    std::array<int, kLetters> point{};
    const EntryValue zero = at(point);
    std::array<int, kLetters> ones{};
    for (const QChar letter : letters) ones[index(letter)] = 1;
    if (!zero.ok()) {
        // A side that fails at 0 alone divides by an unknown; otherwise the failure is its own.
        if (!letters.isEmpty() && at(ones).ok()) result.problem = t::notLinear(lineNumber, equation);
        else result.problem = zero.problem;
        return result;
    }
    result.constant = zero.value;
    const double unit = std::pow(10.0, -settings.decimalPlaces);
    const double tolerance = (letters.size() + 3) * unit;
    const auto near = [tolerance](double a, double b) {
        return std::fabs(a - b) <= tolerance + 1e-12 * std::max({1.0, std::fabs(a), std::fabs(b)});
    };
    double sum = 0;
    for (const QChar letter : letters) {
        point = {};
        point[index(letter)] = 1;
        const EntryValue one = at(point);
        point[index(letter)] = 2;
        const EntryValue two = at(point);
        const double c = one.value - zero.value;
        if (!one.ok() || !two.ok() || !near(two.value - zero.value, 2 * c)) {
            result.problem = t::notLinear(lineNumber, equation);
            return result;
        }
        result.coefficients[index(letter)] = c;
        sum += c;
    }
    if (letters.size() > 1) {
        const EntryValue all = at(ones);
        if (!all.ok() || !near(all.value - zero.value, sum)) result.problem = t::notLinear(lineNumber, equation);
    }
    return result;
}

}  // namespace

EquationSplit SplitEquation(const QString& line) {
    EquationSplit split;
    QRegularExpressionMatchIterator signs = equalsSign().globalMatch(line);
    qsizetype at = -1, length = 0;
    while (signs.hasNext()) {
        const QRegularExpressionMatch sign = signs.next();
        if (++split.signs == 1) {
            at = sign.capturedStart();
            length = sign.capturedLength();
        }
    }
    if (split.signs == 1) {
        split.left = line.left(at).trimmed();
        split.right = line.mid(at + length).trimmed();
    }
    return split;
}

bool TypedAsEquations(const QString& text) { return text.contains(equalsSign()); }

QString UnknownsOf(const QString& side) {
    const QString s = NormaliseFormula(side);
    QString letters;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c < u'r' || c > u'z') continue;
        if ((i > 0 && isLetter(s[i - 1])) || (i + 1 < s.size() && isLetter(s[i + 1]))) continue;
        if (!letters.contains(c)) letters.append(c);
    }
    std::sort(letters.begin(), letters.end());
    return letters;
}

LinearSystem ReadLinearSystem(const CalcSettings& settings, const QString& text, const StopFlag& stop) {
    LinearSystem system;
    if (!TypedAsEquations(text)) {
        const MatrixText m =
            ReadMatrix(settings, text, QStringLiteral("增广矩阵"), stop, kMaxEquations, kMaxUnknowns + 1);
        system.cancelled = m.cancelled;
        system.problem = m.problem;
        if (!m.ok()) return system;
        if (m.matrix.cols() < 2) {
            system.problem = t::augmentedTooNarrow(int(m.matrix.cols()));
            return system;
        }
        const Eigen::Index n = m.matrix.cols() - 1;
        system.a = m.matrix.leftCols(n);
        system.b = m.matrix.col(n);
        for (Eigen::Index k = 1; k <= n; ++k) system.unknowns.append(QStringLiteral("x%1").arg(k));
        return system;
    }

    system.fromEquations = true;
    struct Equation {
        QString text, left, right;
        int line = 0;
    };
    QList<Equation> equations;
    const QStringList lines = WithLfLineEnds(text).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty()) continue;
        const int number = int(i + 1);
        const EquationSplit split = SplitEquation(line);
        if (split.signs != 1) {
            system.problem = split.signs == 0 ? t::noEquals(number) : t::manyEquals(number);
            return system;
        }
        if (split.left.isEmpty() || split.right.isEmpty()) {
            system.problem = t::emptySide(number);
            return system;
        }
        equations.append({line, split.left, split.right, number});
    }
    if (equations.size() > kMaxEquations) {
        system.problem = t::tooManyEquations(int(equations.size()), kMaxEquations);
        return system;
    }
    QString all;
    QList<std::pair<QString, QString>> letters;
    for (const Equation& e : equations) {
        letters.append({UnknownsOf(e.left), UnknownsOf(e.right)});
        all += letters.last().first + letters.last().second;
    }
    for (QChar c = u'r'; c <= u'z'; c = QChar(c.unicode() + 1))
        if (all.contains(c)) system.unknowns.append(QString(c));
    if (system.unknowns.isEmpty()) {
        system.problem = t::kNoUnknowns;
        return system;
    }

    system.a = Eigen::MatrixXd::Zero(equations.size(), system.unknowns.size());
    system.b = Eigen::VectorXd::Zero(equations.size());
    for (qsizetype e = 0; e < equations.size(); ++e) {
        if (stop.load()) {
            system.cancelled = true;
            return system;
        }
        const Equation& equation = equations[e];
        const Side left = evaluateSide(settings, equation.left, letters[e].first, t::sideOf(equation.line, true),
                                       equation.text, equation.line);
        const Side right = left.problem.isEmpty()
                               ? evaluateSide(settings, equation.right, letters[e].second,
                                              t::sideOf(equation.line, false), equation.text, equation.line)
                               : Side();
        if (!left.problem.isEmpty() || !right.problem.isEmpty()) {
            system.problem = left.problem.isEmpty() ? right.problem : left.problem;
            return system;
        }
        for (qsizetype k = 0; k < system.unknowns.size(); ++k) {
            const std::size_t letter = std::size_t(system.unknowns[k][0].unicode() - u'r');
            system.a(e, k) = left.coefficients[letter] - right.coefficients[letter];
        }
        system.b(e) = right.constant - left.constant;
    }
    return system;
}

SystemSolution SolveLinearSystem(const Eigen::MatrixXd& a, const Eigen::VectorXd& b, bool leastSquares) {
    SystemSolution s;
    const Eigen::Index m = a.rows(), n = a.cols();
    const Conditioning conditioning = ConditioningOf(a);
    Eigen::MatrixXd augmented(m, n + 1);
    augmented << a, b;
    s.rank = conditioning.rank;
    s.augmentedRank = ConditioningOf(augmented).rank;
    if (s.rank < s.augmentedRank) {
        if (!(leastSquares && m > n && s.rank == n)) {
            s.status = SystemStatus::None;
            return s;
        }
        s.status = SystemStatus::LeastSquares;
    } else if (s.rank < n) {
        s.status = SystemStatus::Infinite;
        return s;
    }
    s.x = a.colPivHouseholderQr().solve(b);
    s.condition = conditioning.condition;
    s.significant = DigitsAfterCondition(s.condition);
    if (s.condition >= kIllConditioned) s.warning = t::illConditioned(ConditionText(s.condition), s.significant);
    if (s.status == SystemStatus::LeastSquares) {
        s.residuals = a * s.x - b;
        s.unitError = std::sqrt(s.residuals.squaredNorm() / double(m - n));
    }
    return s;
}

}  // namespace cesuan
