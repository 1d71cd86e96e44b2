#pragma once
// The derivative and the integral windows as one controller over plain texts: a formula f(x)
// in the memory variable x, the point and the order of a derivative or the limits of an
// integral, the result with its error estimate, and the picture (f near the point with its
// tangent; f with the area shaded). The work runs on the work runner, off the window's thread;
// the notices raised while sampling f are shown in one box, each text once with its count.

#include "evaluator/calc_context.h"
#include "numerics/calculus.h"
#include "screens/background_work.h"
#include "screens/picture.h"
#include "screens/platform.h"

#include <QJsonObject>
#include <QString>

namespace cesuan {

class CalculusScreen {
public:
    enum class Kind { Derivative, Integral };

    CalculusScreen(Kind kind, const CalcSettings& settings, MessageBoxService& messages, WorkRunner& work,
                   ScreenNavigator& screens);

    Kind kind() const { return kind_; }

    QString formula;
    QString pointText;   // x₀ (a derivative)
    int orderIndex = 0;  // 0: first derivative, 1: second
    QString fromText, toText;  // a and b (an integral)

    QString resultText;  // (CR LF)
    QString status;      // why the last computation had no result
    bool failed = true;
    Picture picture;
    QString valueText, errorText;  // as shown
    CalculusResult result;

    void load();     // the start example
    void compute();  // 计 算
    void learn();    // 帮 助, F1

    // {"value", "error"}; empty after a failure.
    QJsonObject json() const;

private:
    Kind kind_;
    const CalcSettings& settings_;
    MessageBoxService& messages_;
    WorkRunner& work_;
    ScreenNavigator& screens_;
};

}  // namespace cesuan
