#include "screens/calculus_screen.h"

#include "engine/line_ends.h"
#include "numerics/calculus_texts.h"
#include "numerics/number_format.h"
#include "numerics/numerics_texts.h"
#include "screens/calculus_texts.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace cesuan {

namespace t = texts::calculus_window;

namespace {

// The points of f in a picture, and how far the picture reaches past a finite limit towards
// an infinite one.
constexpr int kPictureSamples = 201;
constexpr double kPictureReach = 5;

QString errorText(double error) {
    if (error == 0) return QStringLiteral("0");
    return QString::number(error, 'g', 2).toUpper();
}

}  // namespace

CalculusScreen::CalculusScreen(Kind kind, const CalcSettings& settings, MessageBoxService& messages, WorkRunner& work,
                               ScreenNavigator& screens)
    : kind_(kind), settings_(settings), messages_(messages), work_(work), screens_(screens) {
    load();
}

void CalculusScreen::load() {
    if (kind_ == Kind::Derivative) {
        formula = QStringLiteral("x^3-2*x");
        pointText = QStringLiteral("1.5");
        orderIndex = 0;
    } else {
        formula = QStringLiteral("sin(x)");
        fromText = QStringLiteral("0");
        toText = QStringLiteral("π");
    }
    resultText.clear();
    status.clear();
    valueText.clear();
    errorText.clear();
    picture = Picture{};
    failed = true;
}

void CalculusScreen::learn() { screens_.showHelp(kind_ == Kind::Derivative ? ScreenId::Derivative : ScreenId::Integral); }

void CalculusScreen::compute() {
    resultText.clear();
    status.clear();
    valueText.clear();
    errorText.clear();
    picture = Picture{};
    failed = true;

    struct Job {
        Kind kind;
        CalcSettings settings;
        QString formula, point, from, to;
        int order = 1;
        double x0 = 0, a = 0, b = 0, f0 = 0, slope = 0;
        bool hasTangent = false;
        CalculusResult result;
        std::vector<std::vector<QPointF>> curve;
    };
    auto job = std::make_shared<Job>();
    job->kind = kind_;
    job->settings = settings_;
    job->formula = formula;
    job->point = pointText;
    job->from = fromText;
    job->to = toText;
    job->order = orderIndex == 1 ? 2 : 1;
    const bool finished = work_.run(t::kWorking, [job](const std::atomic<bool>& stop) {
        namespace c = texts::calculus;
        CalculusResult& r = job->result;
        if (job->settings.angleUnit == AngleUnit::Dms) {
            r.problem = c::kDmsRefused;
            return;
        }
        if (job->kind == Kind::Derivative) {
            const PointValue x0 = ReadPoint(job->settings, job->point, c::kPointPlace, false);
            if (!x0.problem.isEmpty()) {
                r.problem = x0.problem;
                return;
            }
            job->x0 = x0.value;
            r = Differentiate(job->settings, job->formula, job->x0, job->order, stop);
            if (!r.ok()) return;
            FunctionOfX f(job->settings, job->formula);
            if (const std::optional<double> y = f(job->x0)) {
                job->f0 = *y;
                if (job->order == 1) {
                    job->slope = r.value;
                    job->hasTangent = true;
                } else {
                    const CalculusResult first = Differentiate(job->settings, job->formula, job->x0, 1, stop);
                    job->slope = first.value;
                    job->hasTangent = first.ok();
                }
            }
            const double reach = job->x0 != 0 ? std::min(std::fabs(job->x0), 1.0) : 1.0;
            job->curve = SampleCurve(job->settings, job->formula, job->x0 - reach, job->x0 + reach, kPictureSamples,
                                     r.warnings, stop);
        } else {
            const PointValue a = ReadPoint(job->settings, job->from, c::kFromPlace, true);
            const PointValue b = a.problem.isEmpty() ? ReadPoint(job->settings, job->to, c::kToPlace, true) : PointValue();
            if (!a.problem.isEmpty() || !b.problem.isEmpty()) {
                r.problem = a.problem.isEmpty() ? b.problem : a.problem;
                return;
            }
            job->a = a.value;
            job->b = b.value;
            r = Integrate(job->settings, job->formula, job->a, job->b, stop);
            if (!r.ok()) return;
            double from = std::min(job->a, job->b), to = std::max(job->a, job->b);
            if (std::isinf(from)) from = std::isinf(to) ? -kPictureReach : to - kPictureReach;
            if (std::isinf(to)) to = from + (std::isinf(std::min(job->a, job->b)) ? 2 * kPictureReach : kPictureReach);
            if (from < to) job->curve = SampleCurve(job->settings, job->formula, from, to, kPictureSamples, r.warnings, stop);
        }
    });
    if (!finished || job->result.cancelled) {
        status = texts::numerics::kCancelled;
        return;
    }
    result = job->result;
    const QStringList warnings = WarningLines(result.warnings);
    if (!warnings.isEmpty()) messages_.show(t::kWarningsBox + warnings.join(u'\n'));
    if (!result.problem.isEmpty()) {
        status = result.problem;
        messages_.showError(status);
        return;
    }
    failed = false;
    const int places = job->settings.decimalPlaces;
    valueText = NumberText(result.value, places, result.digits);
    errorText = cesuan::errorText(result.error);

    QString text;
    const auto line = [&text](const QString& s) { text += s + QStringLiteral("\r\n"); };
    line(QStringLiteral("f(x) = ") + job->formula.trimmed());
    if (kind_ == Kind::Derivative) {
        line(QStringLiteral("x₀ = ") + NumberText(job->x0, places));
        line((job->order == 1 ? t::kFirstDerivative : t::kSecondDerivative) + QStringLiteral(" = ") + valueText);
    } else {
        const auto limit = [places](double v) { return NumberText(v, places); };
        line(QStringLiteral("a = ") + limit(job->a) + QStringLiteral("，b = ") + limit(job->b));
        line(t::kIntegral + QStringLiteral(" = ") + valueText);
    }
    line(t::errorLine(errorText, result.digits));
    for (const QString& note : result.notes) line(note);
    if (!warnings.isEmpty()) {
        line(texts::calculus::kWarningsHeading);
        for (const QString& w : warnings) line(w);
    }
    resultText = text;

    // The picture.
    picture.kind = PictureKind::Chart;
    picture.hAxis = QStringLiteral("x");
    picture.vAxis = QStringLiteral("f(x)");
    if (kind_ == Kind::Derivative) {
        picture.title = t::kDerivativePicture;
        for (const std::vector<QPointF>& run : job->curve)
            picture.lines.push_back({run, PictureInk::Point, 1.5, false, false, QString()});
        if (job->hasTangent && !job->curve.empty()) {
            const double from = job->curve.front().front().x(), to = job->curve.back().back().x();
            picture.lines.push_back({{QPointF(from, job->f0 + job->slope * (from - job->x0)),
                                      QPointF(to, job->f0 + job->slope * (to - job->x0))},
                                     PictureInk::Fit, 1.5, false, false, t::kTangent});
        }
        picture.marks.push_back({QPointF(job->x0, job->f0), t::kPointMark, PictureInk::Origin, MarkShape::Dot});
    } else {
        picture.title = t::kIntegralPicture;
        for (const std::vector<QPointF>& run : job->curve) {
            PictureLine area{{QPointF(run.front().x(), 0)}, PictureInk::Outline, 1, true, true, QString()};
            area.points.insert(area.points.end(), run.begin(), run.end());
            area.points.push_back(QPointF(run.back().x(), 0));
            picture.lines.push_back(std::move(area));
        }
        for (const std::vector<QPointF>& run : job->curve)
            picture.lines.push_back({run, PictureInk::Fit, 1.5, false, false, QString()});
    }
    for (const QString& note : result.notes) picture.notes.append(note);
}

QJsonObject CalculusScreen::json() const {
    if (failed) return QJsonObject();
    return {{QStringLiteral("value"), valueText.toDouble()}, {QStringLiteral("error"), errorText.toDouble()}};
}

}  // namespace cesuan
