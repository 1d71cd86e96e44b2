#include "screens/errors_screen.h"

#include "engine/line_ends.h"
#include "numerics/number_format.h"
#include "numerics/numerics_texts.h"
#include "screens/errors_texts.h"
#include "screens/matrix_screen.h"

#include <QJsonArray>

#include <algorithm>
#include <cmath>
#include <memory>

namespace cesuan {

namespace t = texts::errors;

namespace {

// The significant digits a sixth-order difference quotient of 28-place values vouches for.
constexpr int kDerivativeDigits = 10;

}  // namespace

ErrorsScreen::ErrorsScreen(const CalcSettings& settings, MessageBoxService& messages, WorkRunner& work,
                           ScreenNavigator& screens)
    : settings_(settings), messages_(messages), work_(work), screens_(screens) {
    load();
}

void ErrorsScreen::load() {
    // A horizontal angle observed in six rounds, its seconds (36°51′…″).
    observations = QStringLiteral("30  26  28  24  25  23\r\n");
    formula = QStringLiteral("x*y");  // the area of a rectangle from its two sides
    variables = QStringLiteral("x=125.36±0.02\r\ny=86.43±0.03\r\n");
    observationsResult.clear();
    propagationResult.clear();
    status.clear();
    observationsFailed = propagationFailed = false;
}

void ErrorsScreen::learn() { screens_.showHelp(ScreenId::Errors); }

void ErrorsScreen::computeObservations() {
    observationsResult.clear();
    status.clear();
    meanText.clear();
    mText.clear();
    mMeanText.clear();
    relativeText.clear();
    observationsFailed = true;

    struct Job {
        CalcSettings settings;
        QString text;
        ObservationSummary summary;
    };
    auto job = std::make_shared<Job>(Job{settings_, observations, ObservationSummary()});
    const bool finished = work_.run(t::kWorking, [job](const std::atomic<bool>& stop) {
        job->summary = ReadObservations(job->settings, job->text, stop);
    });
    if (!finished || job->summary.cancelled) {
        status = texts::numerics::kCancelled;
        return;
    }
    if (!job->summary.problem.isEmpty()) {
        status = job->summary.problem;
        messages_.showError(status);
        return;
    }
    observationsFailed = false;
    summary = job->summary;
    const int places = job->settings.decimalPlaces;
    // The mean and the corrections are known to about 15 significant digits of the largest
    // observation: 35.4312 leaves 13 decimals, so a correction shows 0.00008, not the
    // 0.000080000000004 of its binary tail.
    double largest = 0;
    for (const double x : summary.observations) largest = std::max(largest, std::fabs(x));
    const int wholeDigits = largest >= 1 ? int(std::floor(std::log10(largest))) + 1 : 0;
    const int dataPlaces = std::clamp(15 - wholeDigits, 0, places);
    meanText = NumberText(summary.mean, dataPlaces);
    mText = NumberText(summary.m, places);
    mMeanText = NumberText(summary.mMean, places);
    if (summary.relative) relativeText = NumberText(*summary.relative, 0);

    QList<QStringList> rows = {
        {t::kCount, QString::number(summary.n)},
        {t::kMean, meanText},
        {t::kVv, NumberText(summary.vv, places)},
        {t::kM, u'±' + mText},
        {t::kMMean, u'±' + mMeanText},
        {t::kRelative, summary.relative ? t::relative(relativeText) : t::kNoRelative},
    };
    QString text;
    for (const QStringList& row : rows) text += row[0] + QStringLiteral(" = ") + row[1] + QStringLiteral("\r\n");
    text += t::kCorrections + QStringLiteral("\r\n");
    QList<QStringList> corrections;
    for (int i = 0; i < summary.n; ++i) {
        QStringList row = {QString::number(i + 1), NumberText(summary.observations[i], dataPlaces),
                           NumberText(summary.corrections[i], dataPlaces)};
        if (summary.blunders.contains(i + 1)) row.append(t::kBlunderMark);
        corrections.append(row);
    }
    text += AlignedRows(corrections);
    QStringList numbers;
    for (const int b : summary.blunders) numbers.append(QString::number(b));
    text += summary.blunders.isEmpty() ? t::kNoBlunders : t::blunders(numbers.join(QStringLiteral("、")));
    observationsResult = text + QStringLiteral("\r\n");
}

void ErrorsScreen::propagate() {
    propagationResult.clear();
    status.clear();
    valueText.clear();
    propagatedMText.clear();
    variableNames.clear();
    shareTexts.clear();
    propagationFailed = true;

    struct Job {
        CalcSettings settings;
        QString formula, variables;
        PropagationInput input;
        PropagationResult result;
    };
    auto job = std::make_shared<Job>(Job{settings_, formula, variables, PropagationInput(), PropagationResult()});
    const bool finished = work_.run(t::kWorking, [job](const std::atomic<bool>& stop) {
        job->input = ReadPropagationVariables(job->settings, WithLfLineEnds(job->variables).split(u'\n'), stop);
        if (job->input.ok()) job->result = Propagate(job->settings, job->formula, job->input.variables, stop);
    });
    if (!finished || job->input.cancelled || job->result.cancelled) {
        status = texts::numerics::kCancelled;
        return;
    }
    const QString problem = job->input.problem.isEmpty() ? job->result.problem : job->input.problem;
    if (!problem.isEmpty()) {
        status = problem;
        messages_.showError(problem);
        return;
    }
    propagationFailed = false;
    const PropagationResult& r = job->result;
    const int places = job->settings.decimalPlaces;
    valueText = NumberText(r.value, places);
    // The mean error, from difference quotients, to the 10 digits they keep.
    propagatedMText = NumberText(r.m, places, kDerivativeDigits);
    QString text = t::kValue + QStringLiteral(" = ") + valueText + QStringLiteral("\r\n") + t::kMf + QStringLiteral(" = ±") +
                   propagatedMText + QStringLiteral("\r\n") + t::kShareHeading + QStringLiteral("\r\n");
    QList<QStringList> rows;
    for (qsizetype i = 0; i < job->input.variables.size(); ++i) {
        variableNames.append(QString(job->input.variables[i].name));
        // The shares to 0.1 %.
        shareTexts.append(NumberText(r.shares[i], 1));
        rows.append({variableNames.last(), NumberText(r.derivatives[i], places, kDerivativeDigits),
                     NumberText(r.contributions[i], places, kDerivativeDigits), shareTexts.last() + QStringLiteral(" %")});
    }
    text += AlignedRows(rows);
    for (const QString& note : r.notes) text += note + QStringLiteral("\r\n");
    propagationResult = text;
}

QJsonObject ErrorsScreen::observationsJson() const {
    if (observationsFailed) return QJsonObject();
    QJsonArray blunders;
    for (const int b : summary.blunders) blunders.append(b);
    return {{QStringLiteral("n"), summary.n},
            {QStringLiteral("mean"), meanText.toDouble()},
            {QStringLiteral("m"), mText.toDouble()},
            {QStringLiteral("m_mean"), mMeanText.toDouble()},
            {QStringLiteral("relative"), relativeText.isEmpty() ? QJsonValue() : QJsonValue(relativeText.toDouble())},
            {QStringLiteral("blunders"), blunders}};
}

QJsonObject ErrorsScreen::propagationJson() const {
    if (propagationFailed) return QJsonObject();
    QJsonObject shares;
    for (qsizetype i = 0; i < variableNames.size(); ++i) shares.insert(variableNames[i], shareTexts[i].toDouble());
    return {{QStringLiteral("value"), valueText.toDouble()},
            {QStringLiteral("m"), propagatedMText.toDouble()},
            {QStringLiteral("shares"), shares}};
}

}  // namespace cesuan
