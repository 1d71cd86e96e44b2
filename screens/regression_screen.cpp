#include "screens/regression_screen.h"

#include "screens/file_actions.h"
#include "screens/message_box.h"
#include "screens/picture_texts.h"
#include "screens/platform_texts.h"
#include "screens/regression_texts.h"
#include "screens/statistics_screen.h"
#include "screens/statistics_texts.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace cesuan {

namespace t = texts::regression;

namespace {

// Points the picture draws, and the steps of its curve.
constexpr std::size_t kPicturePoints = 5000;
constexpr int kCurveSteps = 200;

}  // namespace

RegressionScreen::RegressionScreen(MessageBoxService& messages, FileChooser& files, ScreenNavigator& screens)
    : messages_(messages), files_(files), screens_(screens) {
    load();
}

void RegressionScreen::load() {
    data = t::kStartData;
    leadingColumnsIndex = 1;
    separatorIndex = 0;
    dataSeparator = u'*';
    xColumnIndex = 0;
    yColumnIndex = 1;
    degreeIndex = 0;
    xText = t::kStartX;
    resultText.clear();
    statusLine.clear();
    picture = Picture{};
    fitted = false;
}

void RegressionScreen::chooseSeparator(int index) {
    namespace s = texts::statistics;
    if (index < 0 || index >= s::kSeparators.size()) return;
    separatorIndex = index;
    const QString entry = s::kSeparators[index];
    dataSeparator = entry.compare(QStringLiteral("tab"), Qt::CaseInsensitive) == 0 ? QChar(u'\t') : entry[0];
    if (dataSeparator == u' ') messages_.showCancelTryContinue(s::kBlankSeparatorWarning, s::kBlankSeparatorTitle);
}

void RegressionScreen::chooseLeadingColumns(int index) { leadingColumnsIndex = std::clamp(index, 0, 3); }

void RegressionScreen::PairsOfColumns(const DataTable& table, int xColumn, int yColumn, std::vector<long double>& x,
                                      std::vector<long double>& y, int& skipped) {
    x.clear();
    y.clear();
    skipped = 0;
    if (xColumn < 1 || xColumn > 5 || yColumn < 1 || yColumn > 5) return;
    for (const DataRecord& record : table.records) {
        const QString& xCell = record.field[std::size_t(xColumn + 1)];
        const QString& yCell = record.field[std::size_t(yColumn + 1)];
        long double xv = 0, yv = 0;
        const bool hasX = !IsBlankCell(xCell) && ReadExtendedNumber(xCell, xv);
        const bool hasY = !IsBlankCell(yCell) && ReadExtendedNumber(yCell, yv);
        if (hasX && hasY) {
            x.push_back(xv);
            y.push_back(yv);
        } else if (hasX || hasY) {
            ++skipped;
        }
    }
}

void RegressionScreen::compute() {
    fitted = false;
    picture = Picture{};
    resultText.clear();
    degreeIndex = std::clamp(degreeIndex, 0, 2);
    if (xColumnIndex == yColumnIndex) {
        messages_.show(t::kSameColumns);
        return;
    }
    // The table stays as typed; only a blank separator, which the reading replaces by "*",
    // leaves the rewritten table behind, so that the box and the separator list agree.
    const auto separatorBefore = dataSeparator;
    const QString aligned =
        ReadStatisticsTable(messages_, journal_, data, dataSeparator, separatorIndex, leadingColumnsIndex, table);
    if (dataSeparator != separatorBefore) data = aligned;
    ResetJournal(journal_);
    PairsOfColumns(table, xColumn(), yColumn(), xs, ys, skippedRows);

    const RegressionProblem problem = FitPolynomial(xs, ys, degree(), fit);
    switch (problem) {
    case RegressionProblem::None: break;
    case RegressionProblem::BadDegree:
    case RegressionProblem::NotFinite: messages_.showError(t::kOutOfRange); break;
    case RegressionProblem::TooFewPoints: messages_.showError(t::msgTooFewPairs(int(xs.size()), degree())); break;
    case RegressionProblem::TooFewXValues: {
        std::vector<long double> distinct = xs;
        std::sort(distinct.begin(), distinct.end());
        const auto count = std::unique(distinct.begin(), distinct.end()) - distinct.begin();
        messages_.showError(t::msgTooFewXValues(int(count), degree()));
        break;
    }
    }
    fitted = problem == RegressionProblem::None;
    if (!fitted) {
        drawPicture(nullptr, 0);  // the data alone
        return;
    }
    showFit();
}

void RegressionScreen::showFit() {
    QStringList lines{t::heading(degree()), t::pairsLine(xColumn(), yColumn(), fit.n)};
    if (skippedRows > 0) lines.append(t::skippedRows(skippedRows));
    lines << QString() << t::kCoefficientsHeading;
    for (int k = 0; k <= degree(); ++k) {
        const double b = fit.coefficients[std::size_t(k)], se = fit.stdErrors[std::size_t(k)];
        lines << t::coefficientLine(k, FormatWithUncertainty(b, se), FormatSignificant(se, 2));
    }
    lines << QString() << t::correlationLine(FormatWithUncertainty(fit.r, 0))
          << t::determinationLine(FormatWithUncertainty(fit.r2, 0))
          << t::residualLine(FormatSignificant(fit.residualSd, 3));

    // The prediction at a typed x.
    const QString typed = NormaliseDataText(xText).trimmed();
    long double at = 0;
    bool predicted = false;
    RegressionPrediction prediction;
    if (!typed.isEmpty()) {
        if (ReadExtendedNumber(typed, at) && std::isfinite(double(at))) {
            prediction = PredictAt(fit, double(at));
            predicted = std::isfinite(prediction.y) && std::isfinite(prediction.halfWidth);
        }
        if (predicted) {
            const double half = prediction.halfWidth;
            lines << QString()
                  << t::predictionLine(typed, FormatWithUncertainty(prediction.y, half), FormatSignificant(half, 2),
                                       FormatWithUncertainty(prediction.y - half, half),
                                       FormatWithUncertainty(prediction.y + half, half));
        } else {
            messages_.show(t::msgBadX(xText));
        }
    }
    lines << QString() << t::kDigitsNote;
    resultText = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    drawPicture(predicted ? &prediction : nullptr, double(at));
}

void RegressionScreen::drawPicture(const RegressionPrediction* prediction, double predictedAt) {
    picture = Picture{};
    picture.kind = PictureKind::Chart;
    picture.title = t::pictureTitle(degree());
    picture.hAxis = t::xAxis(xColumn());
    picture.vAxis = t::yAxis(yColumn());
    const std::size_t drawn = std::min(xs.size(), kPicturePoints);
    for (std::size_t i = 0; i < drawn; ++i)
        picture.marks.push_back({QPointF(double(xs[i]), double(ys[i])), QString(), PictureInk::Point, MarkShape::Dot});
    if (xs.size() > drawn) picture.notes.append(texts::picture::morePointsThanDrawn(int(drawn)));
    if (!fitted || xs.empty()) return;

    double low = double(*std::min_element(xs.begin(), xs.end()));
    double high = double(*std::max_element(xs.begin(), xs.end()));
    if (prediction != nullptr) {
        low = std::min(low, predictedAt);
        high = std::max(high, predictedAt);
    }
    PictureLine curve;
    curve.ink = PictureInk::Fit;
    curve.width = 2;
    for (int i = 0; i <= kCurveSteps; ++i) {
        const double x = low + (high - low) * i / kCurveSteps;
        const double y = FittedValue(fit, x);
        if (std::isfinite(y)) curve.points.emplace_back(x, y);
    }
    picture.lines.push_back(std::move(curve));
    QString equation = QStringLiteral("y = ") + FormatWithUncertainty(fit.coefficients[0], fit.stdErrors[0]);
    for (int k = 1; k <= degree(); ++k) {
        const double b = fit.coefficients[std::size_t(k)];
        const QString shown = FormatWithUncertainty(b, fit.stdErrors[std::size_t(k)]);
        equation += (shown.startsWith(u'-') ? QStringLiteral(" − ") + shown.mid(1) : QStringLiteral(" + ") + shown) +
                    (k == 1 ? QStringLiteral("·x") : k == 2 ? QStringLiteral("·x²") : QStringLiteral("·x³"));
    }
    picture.notes << equation << QStringLiteral("r² = ") + FormatWithUncertainty(fit.r2, 0);
    if (prediction != nullptr) {
        PictureLine interval;
        interval.ink = PictureInk::Warning;
        interval.width = 2;
        interval.points = {QPointF(predictedAt, prediction->y - prediction->halfWidth),
                           QPointF(predictedAt, prediction->y + prediction->halfWidth)};
        picture.lines.push_back(std::move(interval));
        picture.marks.push_back(
            {QPointF(predictedAt, prediction->y), t::kPredictionMark, PictureInk::Warning, MarkShape::Square});
    }
}

void RegressionScreen::importData() {
    std::optional<OpenedTextFile> file =
        OpenTextFile(files_, messages_, texts::files::kOpenDataTitle, texts::files::kOpenFilter);
    if (!file) return;
    statusLine = OpenedNote(*file);
    if (QFileInfo(file->path).suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0) {
        QChar separator;
        data = StatisticsScreen::dataOfCsv(file->text, separator);
        separatorIndex = int(texts::statistics::kSeparators.indexOf(separator == u'\t' ? QStringLiteral("Tab")
                                                                                      : QString(separator)));
        dataSeparator = separator;
    } else {
        data = std::move(file->text);
    }
    resultText.clear();
    picture = Picture{};
    fitted = false;
}

void RegressionScreen::showHelp() { screens_.showHelp(ScreenId::Regression); }

void RegressionScreen::showCalculator() { screens_.show(ScreenId::Main); }

}  // namespace cesuan
