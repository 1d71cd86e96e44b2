#pragma once
// The linear-system window as a controller: the equations (or the augmented matrix) in one
// box, whether to take least squares, and the solution; the equations are computed by the
// work runner, off the window's thread.

#include "evaluator/calc_context.h"
#include "numerics/linear_system.h"
#include "screens/background_work.h"
#include "screens/platform.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace cesuan {

class EquationsScreen {
public:
    EquationsScreen(const CalcSettings& settings, MessageBoxService& messages, WorkRunner& work,
                    ScreenNavigator& screens);

    // --- The window's texts ---
    QString system;             // the equations (any line ends)
    bool leastSquares = false;  // the check box
    QString result;             // the solution (CR LF)
    QString status;             // the condition or why there is no solution

    // --- The last solution, as shown ---
    bool failed = false;
    SystemStatus solutionStatus = SystemStatus::Unique;
    int rank = 0;
    QStringList unknowns;
    QStringList valueTexts;  // by unknown

    void load();   // the start example
    void solve();  // "求 解"
    void learn();  // "帮 助"

    // {"status": "unique"|"none"|"infinite"|"least-squares", "rank", "unknowns": {name: value}}.
    QJsonObject json() const;

private:
    const CalcSettings& settings_;
    MessageBoxService& messages_;
    WorkRunner& work_;
    ScreenNavigator& screens_;
};

}  // namespace cesuan
