#include "screens/bearing_screen.h"

#include "engine/parallel.h"
#include "geodesy/bearing.h"
#include "geodesy/dms.h"
#include "geodesy/ellipsoid.h"
#include "geodesy/geodesic.h"
#include "geodesy/survey_values.h"
#include "screens/picture_texts.h"
#include "screens/bearing_texts.h"
#include "screens/message_box.h"
#include "screens/platform_texts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace cesuan {

namespace t = texts::bearing;

namespace {

// Below this many points a list is measured on one thread.
constexpr std::size_t kPointsPerChunk = 2048;

}  // namespace

double GeodeticDegrees(const QString& serial, const CalcValue& angle, const QString& field, bool latitude,
                       QStringList& problems) {
    if (angle.isEmpty()) {
        problems.append(t::msgMissingGeodetic(serial, field));
        return 0;
    }
    const double value = angle.toDouble().value_or(0);
    if (!DmsFieldsValid(angle)) {
        problems.append(t::msgGeodeticOver59(serial, field, angle.trimmedText()));
        return 0;
    }
    if (!(std::fabs(value) <= (latitude ? 90 : 360))) {
        problems.append(t::msgGeodeticOutOfRange(serial, field, angle.trimmedText()));
        return 0;
    }
    return GeoDmsToDegrees(value);
}

BearingScreen::BearingScreen(MessageBoxService& messages, WindowPrinter& printer, ScreenNavigator& screens,
                             FileChooser& files)
    : SurveyScreen(messages, printer, screens, files,
                   {t::kWindowTitle, t::kStartPoints, t::kSerialColumn, t::kCompute, t::kPrint, t::kTipPrint,
                    t::kHeading, t::kFormatNote, t::kZeroDirections, t::kUsePoint, t::kAsOrigin, t::kColumnHeading,
                    t::kNoOrigin, t::kCalculator, t::kMenu, texts::files::kBearingFileName},
                   false),
      geodesicCaption(t::kGeodesic) {
    for (const EllipsoidChoice& choice : EllipsoidChoices()) ellipsoidNames.append(choice.name);
}

void BearingScreen::serialColumnClicked(bool checked) {
    serialColumn = checked;
    serialColumnCaption = checked ? t::kSerialColumn : t::kNoSerialColumn;
}

void BearingScreen::geodesicClicked(bool checked) {
    geodesic = checked;
    resultHeading = checked ? t::kGeodesicColumnHeading : t::kColumnHeading;
}

void BearingScreen::chooseEllipsoid(int index) {
    if (index >= 0 && index < ellipsoidNames.size()) ellipsoidIndex = index;
}
namespace {

// The plan: the origin, and a ray to each point labelled with its distance and bearing.
Picture planOf(const SurveyPoint& origin, const std::vector<SurveyPoint>& points,
               const std::vector<std::array<QString, 5>>& rows) {
    namespace p = texts::picture;
    Picture picture;
    picture.kind = PictureKind::Plan;
    picture.title = p::kBearingPlanTitle;
    picture.hAxis = p::kEastAxis;
    picture.vAxis = p::kNorthAxis;
    const auto place = [](const SurveyPoint& point) {
        return QPointF(point.y.toDouble().value_or(0), point.x.toDouble().value_or(0));
    };
    const QPointF from = place(origin);
    const std::size_t drawn = std::min(points.size(), std::size_t(kPlanPointLimit));
    for (std::size_t i = 0; i < drawn; ++i) {
        const QPointF to = place(points[i]);
        const double azimuth = GeoDmsToDegrees(rows[i][2].trimmed().toDouble());
        if (to != from) {
            PictureLine ray;
            ray.ink = PictureInk::Ray;
            ray.points = {from, to};
            ray.label = p::rayLabel(rows[i][1].trimmed(), DegreesMinutesSeconds(azimuth));
            picture.lines.push_back(std::move(ray));
        }
        picture.marks.push_back({to, points[i].serial, PictureInk::Point, MarkShape::Dot});
    }
    picture.marks.push_back({from, origin.serial, PictureInk::Origin, MarkShape::Triangle});
    picture.notes.append(p::originNote(origin.serial));
    if (points.size() > drawn) picture.notes.append(p::morePointsThanDrawn(int(drawn)));
    return picture;
}

}  // namespace

void BearingScreen::compute() {
    plan = Picture{};
    ResetJournal(journal_);
    if (!readPointsForCommand(t::kMsgDataError)) return;

    // The origin: the point of the chosen serial, or the point 0, 0, 0 for "0" only.
    const auto chosen = std::find_if(points.points.begin(), points.points.end(),
                                     [&](const SurveyPoint& p) { return p.serial == chosenSerial; });
    SurveyPoint origin;
    if (chosen != points.points.end()) {
        origin = *chosen;
    } else if (TrimBlanks(chosenSerial) == t::kNoOrigin || TrimBlanks(chosenSerial).isEmpty()) {
        origin.serial = t::kNoOrigin;
        origin.x = origin.y = origin.h = 0;
        chosenSerial = t::kNoOrigin;
    } else {
        messages_.showError(t::msgOriginNotFound(chosenSerial));
        resultText = QStringLiteral(" ");
        failed = true;
        return;
    }
    if (journal_.errorCount > 0) return fail();
    if (geodesic) return computeGeodesics(origin);

    // Each point on its own, a long list on every core; the first point that fails ends the
    // command, as it would in one pass.
    const std::size_t n = points.points.size();
    std::vector<std::array<QString, 5>> rows(n);
    const std::vector<Chunk> chunks = ChunksOf(n, kPointsPerChunk, threads);
    std::vector<CalcErrorJournal> journals(chunks.size());
    std::vector<std::size_t> failedAt(chunks.size(), n);  // the first failing point of each chunk
    RunChunks(chunks, [&](const Chunk& chunk) {
        CalcErrorJournal& journal = journals[chunk.index];
        for (std::size_t i = chunk.begin; i < chunk.end; ++i) {
            const SurveyPoint& p = points.points[i];
            BearingResult r;
            if (!MeasureBearing(journal, origin, p, r) || journal.errorCount > 0) {
                failedAt[chunk.index] = i;
                return;
            }
            rows[i] = {p.serial, r.distance, r.azimuth, r.slopeDistance, r.verticalAngle};
        }
    });
    for (const Chunk& chunk : chunks) {
        MergeJournal(journal_, journals[chunk.index]);
        if (failedAt[chunk.index] < n) return fail();
    }

    showTable(rows, 5);
    plan = planOf(origin, points.points, rows);
}

void BearingScreen::showTable(const std::vector<std::array<QString, 5>>& rows, std::size_t columns) {
    std::array<int, 5> widths{};
    for (const auto& row : rows)
        for (std::size_t c = 0; c < columns; ++c) widths[c] = std::max(widths[c], int(row[c].size()));
    QString table;
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < columns; ++c) {
            if (c > 0) table += QStringLiteral(" ,");
            table += row[c].rightJustified(widths[c], u' ');
        }
        table += QStringLiteral("\r\n");
    }
    resultText = table;
}

void BearingScreen::computeGeodesics(const SurveyPoint& origin) {
    // Every point's latitude and longitude checked first: each problem named in one box.
    QStringList problems;
    const auto degreesOf = [&problems](const SurveyPoint& p, const CalcValue& v, bool latitude) {
        return GeodeticDegrees(p.serial, v, latitude ? t::kLatitude : t::kLongitude, latitude, problems);
    };
    const double b0 = degreesOf(origin, origin.x, true), l0 = degreesOf(origin, origin.y, false);
    const std::size_t n = points.points.size();
    std::vector<std::array<double, 2>> places(n);
    for (std::size_t i = 0; i < n; ++i) {
        const SurveyPoint& p = points.points[i];
        places[i] = {degreesOf(p, p.x, true), degreesOf(p, p.y, false)};
    }
    problems.removeDuplicates();  // the origin is one of the points
    if (!problems.isEmpty()) {
        messages_.showError(problems.join(u'\n') + u'\n' + t::kMsgDataError);
        resultText = QStringLiteral(" ");
        failed = true;
        return;
    }

    const GeodesicSolver solver(EllipsoidOfCode(EllipsoidChoices()[std::size_t(ellipsoidIndex)].code));
    std::vector<std::array<QString, 5>> rows(n);
    RunChunks(ChunksOf(n, kPointsPerChunk, threads), [&](const Chunk& chunk) {
        for (std::size_t i = chunk.begin; i < chunk.end; ++i) {
            const GeodesicResult r = solver.inverse(b0, l0, places[i][0], places[i][1]);
            rows[i] = {points.points[i].serial, FixedPlaces(r.distance, 4), AzimuthDmsText(r.azimuth1, 8),
                       AzimuthDmsText(r.backAzimuth, 8), QString()};
        }
    });
    showTable(rows, 4);
}

void BearingScreen::fail() {
    failed = true;
    messages_.showError(t::kMsgDataError);
    resultText = QStringLiteral(" ");
}

}  // namespace cesuan
