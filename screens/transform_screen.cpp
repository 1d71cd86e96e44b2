#include "screens/transform_screen.h"

#include "engine/rounding.h"  // DisplayWidth
#include "geodesy/helmert_texts.h"
#include "screens/file_actions.h"
#include "screens/main_screen_texts.h"
#include "screens/platform_texts.h"
#include "screens/transform_texts.h"

#include <QFileInfo>

#include <algorithm>

namespace cesuan {

namespace t = texts::transform;

namespace {

constexpr TransformModel kModels[] = {TransformModel::Three, TransformModel::Four, TransformModel::Seven};

int indexOf(TransformModel model) { return model == TransformModel::Three ? 0 : model == TransformModel::Four ? 1 : 2; }

QString modelName(TransformModel model) { return texts::helmert::modelName(ModelNumber(model)); }

// A number right-aligned in `width` columns.
QString column(double value, int places, int width) { return FixedText(value, places).rightJustified(width, u' '); }

bool blank(const QString& text) { return text.trimmed().isEmpty(); }

}  // namespace

TransformScreen::TransformScreen(MessageBoxService& messages, ScreenNavigator& screens, FileChooser& files)
    : messages_(messages), screens_(screens), files_(files) {
    load();
}

void TransformScreen::load() {
    modelIndex = 2;
    commonPoints = t::kStartCommonPoints;
    applyPoints = t::kStartApplyPoints;
    report.clear();
    parameters.clear();
    applied.clear();
    ellipsoidIndex = 0;
    cartesianInput = t::kStartCartesian;
    cartesianOutput.clear();
    statusLine.clear();
    failed = false;
    modelChosen(modelIndex);
}

TransformModel TransformScreen::model() const { return kModels[std::clamp(modelIndex, 0, 2)]; }

void TransformScreen::modelChosen(int index) {
    if (index < 0 || index > 2) return;
    modelIndex = index;
    const bool plane = model() == TransformModel::Four;
    commonFormat = plane ? t::kCommonFormatPlane : t::kCommonFormatSpace;
    applyFormat = plane ? t::kApplyFormatPlane : t::kApplyFormatSpace;
}

void TransformScreen::refuse(const QString& message) {
    failed = true;
    messages_.showError(message);
}

QString TransformScreen::reportOf(const TransformEstimate& e) {
    const TransformModel model = e.parameters.model;
    const bool plane = model == TransformModel::Four;
    QStringList lines{t::reportHeading(modelName(model), e.points, e.redundancy)};
    const QStringList& names = ParameterNames(model);
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString& name = names[i];
        const double value = e.parameters.values[std::size_t(i)];
        QString shown, unit;
        int places = 6;
        if (name.startsWith(u'd')) {
            shown = plane ? name : QStringLiteral("d") + name.mid(1).toUpper();
            unit = t::kUnitMetre;
            places = 4;
        } else if (name == u"scale_ppm") {
            shown = t::kScaleName;
            unit = t::kUnitPpm;
        } else {
            shown = name == u"rotation" ? t::kRotationName : name;
            unit = t::kUnitSecond;
        }
        lines.append(QStringLiteral("  ") + shown + QString(std::max(0, 8 - DisplayWidth(shown)), u' ') +
                     QStringLiteral("= ") + column(value, places, 16) + u' ' + unit);
    }
    lines.append(t::sigma0Line(FixedText(e.sigma0, 4)));
    if (e.redundancy == 0) lines.append(t::kExactFit);

    // The residual table, the name column as wide as the widest name.
    int nameWidth = 4;
    for (const PointResidual& r : e.residuals) nameWidth = std::max(nameWidth, DisplayWidth(r.name));
    const auto pad = [nameWidth](const QString& name) {
        return name + QString(std::max(0, nameWidth - DisplayWidth(name)), u' ');
    };
    lines.append(t::kResidualHeading);
    QString heading = pad(QStringLiteral("点名")) + (plane ? QStringLiteral("        vx        vy")
                                                          : QStringLiteral("        vX        vY        vZ"));
    lines.append(heading + QStringLiteral("       |v|"));
    QStringList flagged;
    for (const PointResidual& r : e.residuals) {
        QString line = pad(r.name) + column(r.v.x, 4, 10) + column(r.v.y, 4, 10);
        if (!plane) line += column(r.v.z, 4, 10);
        line += column(r.length, 4, 10);
        if (r.flagged) {
            line += u' ' + t::kFlag;
            flagged.append(r.name);
        }
        lines.append(line);
    }
    lines.append(flagged.isEmpty() ? t::kNoneFlagged : t::flaggedLine(int(flagged.size()), flagged.join(QStringLiteral("、"))));

    // The values in order, as the command line's --params takes them.
    QStringList values;
    for (qsizetype i = 0; i < names.size(); ++i)
        values.append(FixedText(e.parameters.values[std::size_t(i)], names[i].startsWith(u'd') ? 4 : 6));
    lines.append(t::valuesLine(values.join(u',')));
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

void TransformScreen::estimate() {
    failed = false;
    if (blank(commonPoints)) return refuse(t::kMsgNoCommonPoints);
    const CommonPointList list = ParseCommonPoints(model(), commonPoints);
    if (!list.problems.isEmpty()) return refuse(t::problemsIn(t::kCommonBox, list.problems));
    const TransformEstimate e = EstimateTransform(model(), list.points);
    if (!e.ok()) return refuse(e.message);
    report = reportOf(e);
    parameters = ParametersText(e.parameters);
    statusLine = t::estimated(modelName(model()));
}

void TransformScreen::apply() {
    failed = false;
    QString problem;
    const std::optional<TransformParameters> p = ParseParametersText(parameters, problem);
    if (!p) return refuse(t::parametersProblem(t::kParametersBox, problem));
    if (blank(applyPoints)) return refuse(t::kMsgNoApplyPoints);
    // The parameters know their model; the list follows it.
    if (p->model != model()) modelChosen(indexOf(p->model));
    const AppliedText result = ApplyTransformToText(*p, applyPoints);
    if (!result.problems.isEmpty()) return refuse(t::problemsIn(t::kApplyBox, result.problems));
    applied = result.text;
    statusLine = t::applied(result.points);
}

void TransformScreen::saveParameters() {
    failed = false;
    QString problem;
    const std::optional<TransformParameters> p = ParseParametersText(parameters, problem);
    if (!p) return refuse(t::parametersProblem(t::kParametersBox, problem));
    const QString path = SaveTextFile(files_, messages_, t::kSaveTitle, t::kFilter, t::kFileName, parameters);
    if (!path.isEmpty()) statusLine = texts::files::saved(path);
}

void TransformScreen::readParameters() {
    failed = false;
    const std::optional<OpenedTextFile> file = OpenTextFile(files_, messages_, t::kReadTitle, t::kFilter);
    if (!file) return;
    QString problem;
    const std::optional<TransformParameters> p = ParseParametersText(file->text, problem);
    if (!p) return refuse(t::parametersProblem(QFileInfo(file->path).fileName(), problem));
    parameters = file->text;
    modelChosen(indexOf(p->model));
    statusLine = t::readFrom(QFileInfo(file->path).fileName());
}

void TransformScreen::convertCartesian(bool toCartesian) {
    failed = false;
    if (blank(cartesianInput)) return refuse(t::kMsgNoCartesianPoints);
    const auto& choices = EllipsoidChoices();
    const QString code = ellipsoidIndex >= 0 && ellipsoidIndex < int(choices.size())
                             ? choices[std::size_t(ellipsoidIndex)].code
                             : choices.front().code;
    const AppliedText result = ConvertCartesianText(EllipsoidOfCode(code), toCartesian, cartesianInput);
    if (!result.problems.isEmpty()) return refuse(t::problemsIn(t::kCartesianBox, result.problems));
    cartesianOutput = result.text;
    statusLine = t::applied(result.points);
}

void TransformScreen::toCartesian() { convertCartesian(true); }
void TransformScreen::toGeodetic() { convertCartesian(false); }

void TransformScreen::showCalculator() { screens_.show(ScreenId::Main); }

void TransformScreen::showHelp() {
    statusLine = screens_.showHelp(ScreenId::Transform) ? QString() : texts::main::moduleComing(t::kHelp);
}

}  // namespace cesuan
