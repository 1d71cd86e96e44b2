#include "screens/equations_screen.h"

#include "numerics/matrix_ops.h"
#include "numerics/number_format.h"
#include "numerics/numerics_texts.h"
#include "screens/equations_texts.h"
#include "screens/matrix_screen.h"

#include <memory>

namespace cesuan {

namespace t = texts::equations;
namespace n = texts::numerics;

EquationsScreen::EquationsScreen(const CalcSettings& settings, MessageBoxService& messages, WorkRunner& work,
                                 ScreenNavigator& screens)
    : settings_(settings), messages_(messages), work_(work), screens_(screens) {
    load();
}

void EquationsScreen::load() {
    system = QStringLiteral("2x+3y-z=5\r\nx-y+2z=5\r\n3x加y减z等于2\r\n");
    leastSquares = false;
    result.clear();
    status.clear();
    failed = false;
}

void EquationsScreen::learn() { screens_.showHelp(ScreenId::Equations); }

void EquationsScreen::solve() {
    result.clear();
    status.clear();
    unknowns.clear();
    valueTexts.clear();
    rank = 0;
    failed = true;

    struct Job {
        CalcSettings settings;
        QString text;
        bool leastSquares;
        LinearSystem system;
        SystemSolution solution;
    };
    auto job = std::make_shared<Job>(Job{settings_, system, leastSquares, LinearSystem(), SystemSolution()});
    const bool finished = work_.run(t::kWorking, [job](const std::atomic<bool>& stop) {
        job->system = ReadLinearSystem(job->settings, job->text, stop);
        if (job->system.ok()) job->solution = SolveLinearSystem(job->system.a, job->system.b, job->leastSquares);
    });
    if (!finished || job->system.cancelled) {
        status = n::kCancelled;
        return;
    }
    if (!job->system.problem.isEmpty()) {
        status = job->system.problem;
        messages_.showError(status);
        return;
    }
    failed = false;
    const SystemSolution& s = job->solution;
    const int places = job->settings.decimalPlaces;
    solutionStatus = s.status;
    rank = s.rank;
    unknowns = job->system.unknowns;
    const QString names[] = {n::kStatusUnique, n::kStatusNone, n::kStatusInfinite, n::kStatusLeastSquares};
    result = t::summary(names[int(s.status)], int(job->system.a.rows()), int(unknowns.size()), s.rank, s.augmentedRank) +
             QStringLiteral("\r\n");
    if (s.status == SystemStatus::None || s.status == SystemStatus::Infinite) return;

    QList<QStringList> rows;
    for (qsizetype k = 0; k < unknowns.size(); ++k) {
        valueTexts.append(NumberText(s.x(k), places, s.significant));
        rows.append({unknowns[k], QStringLiteral("="), valueTexts.last()});
    }
    result += AlignedRows(rows);
    status = t::condition(ConditionText(s.condition));
    if (!s.warning.isEmpty()) status = s.warning;
    if (s.status == SystemStatus::LeastSquares) {
        QList<QStringList> residuals;
        for (Eigen::Index i = 0; i < s.residuals.size(); ++i)
            residuals.append({QStringLiteral("v%1").arg(i + 1), QStringLiteral("="), NumberText(s.residuals(i), places)});
        result += t::kResiduals + QStringLiteral("\r\n") + AlignedRows(residuals) + t::unitError(NumberText(s.unitError, places)) +
                  QStringLiteral("\r\n");
    }
}

QJsonObject EquationsScreen::json() const {
    if (failed) return QJsonObject();
    const char* const statuses[] = {"unique", "none", "infinite", "least-squares"};
    QJsonObject values;
    for (qsizetype k = 0; k < valueTexts.size(); ++k) values.insert(unknowns[k], valueTexts[k].toDouble());
    return {{QStringLiteral("status"), QString::fromLatin1(statuses[int(solutionStatus)])},
            {QStringLiteral("rank"), rank},
            {QStringLiteral("unknowns"), values}};
}

}  // namespace cesuan
