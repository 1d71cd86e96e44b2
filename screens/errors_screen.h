#pragma once
// The error-theory window as a controller: repeated observations of one quantity (mean, mean
// errors, relative error, the 3m blunder check), and the propagation of mean errors through a
// formula. The entries are computed by the work runner, off the window's thread.

#include "evaluator/calc_context.h"
#include "numerics/error_theory.h"
#include "screens/background_work.h"
#include "screens/platform.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace cesuan {

class ErrorsScreen {
public:
    ErrorsScreen(const CalcSettings& settings, MessageBoxService& messages, WorkRunner& work, ScreenNavigator& screens);

    // --- Repeated observations ---
    QString observations;        // the values (any line ends)
    QString observationsResult;  // (CR LF)
    bool observationsFailed = false;
    ObservationSummary summary;  // the last one computed
    QString meanText, mText, mMeanText, relativeText;  // as shown; relativeText is N (empty: none)

    // --- Propagation ---
    QString formula;
    QString variables;           // one "x=VALUE±ERROR" a line
    QString propagationResult;   // (CR LF)
    bool propagationFailed = false;
    QString valueText, propagatedMText;
    QStringList variableNames;   // by variable
    QStringList shareTexts;      // percent of m², by variable

    QString status;  // why the last command had no result

    void load();                   // the start examples
    void computeObservations();    // "计 算" of the observations
    void propagate();              // "计 算" of the propagation
    void learn();                  // "帮 助"

    // {"n", "mean", "m", "m_mean", "relative", "blunders": [numbers]}
    QJsonObject observationsJson() const;
    // {"value", "m", "shares": {name: percent}}
    QJsonObject propagationJson() const;

private:
    const CalcSettings& settings_;
    MessageBoxService& messages_;
    WorkRunner& work_;
    ScreenNavigator& screens_;
};

}  // namespace cesuan
