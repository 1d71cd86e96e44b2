#include "screens/area_screen.h"

#include "geodesy/survey_values.h"
#include "screens/area_texts.h"
#include "screens/message_box.h"

namespace cesuan {

namespace t = texts::area;

AreaScreen::AreaScreen(MessageBoxService& messages, WindowPrinter& printer, ScreenNavigator& screens,
                       FileChooser& files)
    : SurveyScreen(messages, printer, screens, files,
                   {t::kWindowTitle, t::kStartPoints, t::kSerialColumn, t::kCompute, t::kPrint, t::kTipPrint,
                    t::kHeading, t::kFormatNote, QString(), QString(), QString(), t::kResultHeading, QString(),
                    t::kCalculator, t::kMenu, t::kResultFileName},
                   false),
      unitNote(t::kUnitNote) {
    keepTypedText_ = true;  // a parcel's list is the surveyor's record: its digits stay as typed
}

void AreaScreen::serialColumnClicked(bool checked) {
    serialColumn = checked;
    serialColumnCaption = checked ? t::kSerialColumn : t::kNoSerialColumn;
}

void AreaScreen::compute() {
    ResetJournal(journal_);
    figures = AreaFigures{};
    outline = Picture{};
    points = PointList{};  // a text too short to read leaves no points behind
    if (!readPointsForCommand(t::kMsgDataError)) return;
    const auto fail = [this](const QString& message) {
        messages_.showError(message);
        resultText = QStringLiteral(" ");
        failed = true;
    };

    QStringList missing;
    for (const SurveyPoint& p : points.points) {
        if (p.x.isEmpty()) missing.append(t::msgMissingCoordinate(p.serial, QStringLiteral("X")));
        if (p.y.isEmpty()) missing.append(t::msgMissingCoordinate(p.serial, QStringLiteral("Y")));
    }
    if (!missing.isEmpty()) return fail(missing.join(u'\n') + u'\n' + t::kMsgDataError);

    ParcelArea parcel;
    switch (MeasureParcel(points.points, parcel)) {
    case AreaProblem::TooFewPoints: return fail(t::kMsgTooFewPoints);
    case AreaProblem::ZeroArea: return fail(t::kMsgZeroArea);
    case AreaProblem::None: break;
    }
    figures = {parcel.points,
               FixedPlaces(parcel.perimeter, 3),
               FixedPlaces(parcel.area, 3),
               FixedPlaces(parcel.areaMu, 4),
               FixedPlaces(parcel.areaHectares, 6),
               parcel.clockwise,
               parcel.selfIntersecting};
    QStringList lines = {t::pointsLine(figures.points),
                         t::perimeterLine(figures.perimeter),
                         t::squareMetresLine(figures.squareMetres),
                         t::muLine(figures.mu),
                         t::hectaresLine(figures.hectares),
                         t::orientationLine(figures.clockwise ? t::kClockwise : t::kCounterclockwise)};
    if (figures.selfIntersecting) lines << QString() << t::kSelfIntersecting;
    resultText = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");

    std::vector<OutlineVertex> corners;
    corners.reserve(std::size_t(parcel.points));
    for (int i = 0; i < parcel.points; ++i) {
        const SurveyPoint& p = points.points[std::size_t(i)];
        corners.push_back({p.x.toDouble().value_or(0), p.y.toDouble().value_or(0)});
    }
    const QString inside = figures.squareMetres + QStringLiteral(" ㎡（") + figures.mu + QStringLiteral(" 亩）");
    const QPointF crossing(parcel.crossing.first, parcel.crossing.second);
    outline = OutlinePicture(corners, inside, parcel.selfIntersecting ? &crossing : nullptr, t::kCrossingMark);
}

}  // namespace cesuan
