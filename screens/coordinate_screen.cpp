#include "screens/coordinate_screen.h"

#include "engine/arithmetic.h"
#include "engine/number_text.h"
#include "engine/parallel.h"
#include "geodesy/geodesy_texts.h"
#include "geodesy/projection.h"
#include "screens/coordinate_texts.h"
#include "screens/file_actions.h"
#include "screens/main_screen_texts.h"
#include "screens/picture_texts.h"
#include "screens/platform_texts.h"
#include "statistics/data_text.h"

#include <algorithm>
#include <map>
#include <cmath>

namespace cesuan {

namespace t = texts::coordinates;

namespace {

// Below this many points a list is converted on one thread.
constexpr std::size_t kPointsPerChunk = 2048;
// Room for a result line, so that a piece of lines grows in place.
constexpr qsizetype kCharactersPerLine = 80;

constexpr int kDefaultMeridianIndex = 8;  // "117度-6"
const Rgb kXyzColour{0xFF, 0xE0, 0xC0};
const Rgb kYxzColour{0xC0, 0xFF, 0xFF};

// The number at the start of a text ("118.5度" gives 118.5), 0 when there is none.
double leadingNumber(const QString& text) {
    return ParseDouble(LeadingNumberText(text)).value_or(0.0);
}

// |x rem m| below 1E-9, with the remainder of the two-number routines.
bool divides(double x, double m) {
    CalcErrorJournal journal;  // a failure leaves r empty: not divisible
    const CalcValue r = RemainderTwo(journal, CalcValue(FormatDouble(x)), CalcValue(FormatDouble(m)));
    return std::fabs(r.toDouble().value_or(1.0)) < 1E-9;
}

}  // namespace

CoordinateScreen::CoordinateScreen(MessageBoxService& messages, WindowPrinter& printer, WebPageOpener& web,
                                   ScreenNavigator& screens, FileChooser& files)
    : messages_(messages), printer_(printer), web_(web), screens_(screens), files_(files) {
    load();
}

void CoordinateScreen::load() {
    input = t::kStartInput;
    output = t::kExplanation;
    separatorIndex = 0;
    fieldSeparator = t::kSeparators[0];
    dataOrder = QStringLiteral("XYZ");
    ellipsoidCode = QStringLiteral("BJ");
    centralMeridian = 117;
    meridianIndex = kDefaultMeridianIndex;
    meridianText = t::kMeridians[kDefaultMeridianIndex];
    ellipsoidIndex = 0;
    orderCaption = t::kXyz;
    orderColour = kXyzColour;
    orderTooltip = t::kTipXyz;
    serialOutputChecked = true;
    serialOutputCaption = t::kSerialOn;
    zoneLabel = t::kZoneLabelStart;
    statusLine.clear();
    savedExplanation = output;
}

bool CoordinateScreen::meridianIsValid() const {
    return divides(centralMeridian, 1.5) && centralMeridian >= -180 && centralMeridian <= 180;
}

void CoordinateScreen::rejectMeridian() {
    messages_.show(t::kBadMeridian);
    centralMeridian = 117;
    meridianIndex = kDefaultMeridianIndex;
    zoneLabel = t::kZoneLabelReset;
}

void CoordinateScreen::readConversionSettings() {
    serialOutput = serialOutputChecked;
    fieldSeparator = t::kSeparators.value(separatorIndex, QStringLiteral(","));
    if (fieldSeparator.toLower() == u"tab") fieldSeparator = QStringLiteral("\t");
    if (fieldSeparator == u" ") {
        input.replace(u'\t', u' ').replace(u'\u3000', u' ');
        input = CollapseBlankRuns(input);  // five, four, three, two blanks → one
    }
    dataOrder = orderCaption == t::kXyz ? QStringLiteral("XYZ") : QStringLiteral("YXZ");
    const auto& ellipsoids = EllipsoidChoices();
    ellipsoidCode = ellipsoidIndex >= 0 && ellipsoidIndex < int(ellipsoids.size()) ? ellipsoids[std::size_t(ellipsoidIndex)].code
                                                                             : QStringLiteral("BJ");
    centralMeridian = leadingNumber(meridianText);
    if (!meridianIsValid()) rejectMeridian();
    meridianText = FormatDouble(centralMeridian) + QStringLiteral("度");
}

QString CoordinateScreen::zoneLabelOf(double meridian) {
    const auto part = [](bool isCentral, double zone) {
        return isCentral ? QString::number(std::llround(zone)) + u' ' : QStringLiteral(" --");
    };
    return QStringLiteral("对应带号:") + part(divides(meridian + 3, 6), (meridian + 3) / 6) +
           part(divides(meridian, 3), meridian / 3) + part(divides(meridian, 1.5), (meridian - 1.5) / 1.5);
}

void CoordinateScreen::meridianClicked(int index) {
    if (index < 0 || index >= t::kMeridians.size()) return;
    meridianIndex = index;
    meridianText = t::kMeridians[index];
    centralMeridian = 117;
    centralMeridian = leadingNumber(meridianText);
    zoneLabel = zoneLabelOf(centralMeridian);
}

void CoordinateScreen::meridianLostFocus() {
    if (meridianText.trimmed().isEmpty()) {
        centralMeridian = 117;
        meridianIndex = kDefaultMeridianIndex;
        meridianText = t::kMeridians[kDefaultMeridianIndex];
        zoneLabel = t::kZoneLabelReset;
    }
    centralMeridian = leadingNumber(meridianText);
    if (!meridianIsValid()) rejectMeridian();
    meridianText = FormatDouble(centralMeridian) + QStringLiteral("度");
    zoneLabel = zoneLabelOf(centralMeridian);
}

void CoordinateScreen::separatorClicked(int index) {
    if (index < 0 || index >= t::kSeparators.size()) return;
    separatorIndex = index;
    fieldSeparator = t::kSeparators[index].trimmed();
    if (fieldSeparator.toLower() == u"tab") fieldSeparator = QStringLiteral("\t");
    if (fieldSeparator.isEmpty() || fieldSeparator < QStringLiteral(" "))
        messages_.showCancelTryContinue(t::kBlankSeparator, t::kBlankSeparatorTitle);
}

void CoordinateScreen::toggleDataOrder() {
    const bool toYxz = orderCaption == t::kXyz;
    orderCaption = toYxz ? t::kYxz : t::kXyz;
    orderColour = toYxz ? kYxzColour : kXyzColour;
    orderTooltip = toYxz ? t::kTipYxz : t::kTipXyz;
}

void CoordinateScreen::serialToggled(bool checked) {
    serialOutputChecked = checked;
    serialOutputCaption = checked ? t::kSerialOn : t::kSerialOff;
}

namespace {

// Fields named one by one in remarks before one remark counts the rest.
constexpr int kFieldRemarks = 20;

// Whether a D.MMSS value has minutes or seconds above 59 (39.9999 is 39°99′99″).
bool minutesOrSecondsOver59(double value) {
    const QString text = QString::number(std::fabs(value), 'f', 8);
    const qsizetype point = text.indexOf(u'.');
    if (point < 0) return false;
    return text.mid(point + 1, 2).toInt() > 59 || text.mid(point + 3, 2).toInt() > 59;
}

// Whether a forward projection failed: a message that is neither of its two notes.
bool gridFailed(const GridPoint& grid) {
    if (grid.message.isEmpty()) return !std::isfinite(grid.x) || !std::isfinite(grid.y);
    const QString meridian = FormatDouble(grid.centralMeridian);
    return grid.message != texts::msgCrossZone(meridian) && grid.message != texts::msgOtherMeridian(meridian);
}

// A point of the plan: its grid place, or its failure.
struct PlanPlace {
    QPointF at;  // (Y, X)
    bool failed = false;
};

Picture planOf(const std::vector<CoordinatePoint>& points, const std::vector<PlanPlace>& places) {
    namespace p = texts::picture;
    Picture picture;
    picture.kind = PictureKind::Plan;
    picture.title = p::kCoordinatePlanTitle;
    picture.hAxis = p::kEastAxis;
    picture.vAxis = p::kNorthAxis;
    QStringList failed;
    // Points at one place share one mark, their serials joined.
    std::map<std::pair<double, double>, std::size_t> markAt;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const QString serial = TrimBlanks(points[i].serial);
        if (places[i].failed) {
            failed.append(serial);
            continue;
        }
        const auto [found, added] = markAt.try_emplace({places[i].at.x(), places[i].at.y()}, picture.marks.size());
        if (added) picture.marks.push_back({places[i].at, serial, PictureInk::Point, MarkShape::Dot});
        else picture.marks[found->second].label += QStringLiteral("、") + serial;
    }
    if (!failed.isEmpty()) picture.notes.append(p::notDrawn(failed.join(QStringLiteral("、"))));
    if (points.size() > places.size()) picture.notes.append(p::morePointsThanDrawn(int(places.size())));
    return picture;
}

}  // namespace

void CoordinateScreen::cleanInput() {
    input = NormaliseDataText(input);
    output.clear();
}

void CoordinateScreen::resetSeparator() { separatorClicked(0); }
void CoordinateScreen::resetMeridian() { meridianClicked(kDefaultMeridianIndex); }
void CoordinateScreen::resetEllipsoid() { ellipsoidIndex = 0; }
void CoordinateScreen::swapTexts() { input = output; }

void CoordinateScreen::showCalculator() { screens_.show(ScreenId::Main); }

void CoordinateScreen::showMenu() {
    statusLine = screens_.show(ScreenId::ModuleMenu) ? QString() : texts::main::moduleComing(t::kMenu);
}

// The help window explains; the results stay. Where there is no help window, the explanation
// is added below them.
void CoordinateScreen::showHelp() {
    const bool shown = screens_.showHelp(ScreenId::Coordinates);
    statusLine = shown ? QString() : texts::main::moduleComing(t::kHelp);
    if (!shown) output = TrimBlanks(output).isEmpty() ? savedExplanation : output + QStringLiteral("\r\n") + savedExplanation;
}

void CoordinateScreen::gps() {
    statusLine = screens_.show(ScreenId::Transform) ? QString() : texts::main::moduleComing(t::kGps);
}

void CoordinateScreen::printScreen() { statusLine = ReportPrint(messages_, printer_.printWindow()); }

void CoordinateScreen::openPoints() { OpenPointList(files_, messages_, input, statusLine); }

void CoordinateScreen::saveResult() {
    SaveResultText(files_, messages_, output, texts::files::kCoordinatesFileName, statusLine);
}
void CoordinateScreen::openHomePage() { web_.open(web::kHome); }
void CoordinateScreen::openCommunityPage() { web_.open(web::kCommunity); }

void CoordinateScreen::zone1p5To3() { convert(Source::Zone1p5, Target::Zone3); }
void CoordinateScreen::zone3To6() { convert(Source::Zone3, Target::Zone6); }
void CoordinateScreen::zone3To1p5() { convert(Source::Zone3, Target::Zone1p5); }
void CoordinateScreen::zone6To3() { convert(Source::Zone6, Target::Zone3); }
void CoordinateScreen::zone1p5ToGeo() { convert(Source::Zone1p5, Target::Geodetic); }
void CoordinateScreen::zone3ToGeo() { convert(Source::Zone3, Target::Geodetic); }
void CoordinateScreen::zone6ToGeo() { convert(Source::Zone6, Target::Geodetic); }
void CoordinateScreen::geoToZone1p5() { convert(Source::Geodetic, Target::Zone1p5); }
void CoordinateScreen::geoToZone3() { convert(Source::Geodetic, Target::Zone3); }
void CoordinateScreen::geoToZone6() { convert(Source::Geodetic, Target::Zone6); }

void CoordinateScreen::convert(Source from, Target to) {
    readConversionSettings();
    CoordinateBatch batch;
    input = ParseCoordinateText(std::move(input), fieldSeparator, pointLimit, batch, threads);
    // A line that looked like data but could not be read is named, never dropped unseen.
    const int dropped = int(batch.droppedLines.size());
    for (int i = 0; i < std::min(dropped, kFieldRemarks); ++i)
        AppendCoordinateRemark(input, texts::remarkDroppedLine(batch.droppedLines[std::size_t(i)]));
    if (dropped > kFieldRemarks) AppendCoordinateRemark(input, texts::remarkMoreDroppedLines(dropped - kFieldRemarks));
    plan = Picture{};
    if (batch.count() < 1) {
        output.clear();
        return;
    }

    const bool eastFirst = dataOrder == u"YXZ";
    // Latitude and longitude of a geodetic input follow the order found in the data.
    bool geodeticEastFirst = eastFirst;
    if (from == Source::Geodetic) {
        const auto [min1, max1] = std::minmax_element(batch.points.begin(), batch.points.end(),
                                                      [](const auto& a, const auto& b) { return a.col1 < b.col1; });
        const auto [min2, max2] = std::minmax_element(batch.points.begin(), batch.points.end(),
                                                      [](const auto& a, const auto& b) { return a.col2 < b.col2; });
        const auto within90 = [](double lo, double hi) { return lo >= -90 && hi <= 90; };
        const bool col1Within = within90(min1->col1, max1->col1), col2Within = within90(min2->col2, max2->col2);
        if (eastFirst && col1Within && !col2Within) geodeticEastFirst = false;
        if (!eastFirst && col2Within && !col1Within) geodeticEastFirst = true;
        const double lowest = GeoDmsToDegrees(geodeticEastFirst ? min1->col1 : min2->col2);
        const double highest = GeoDmsToDegrees(geodeticEastFirst ? max1->col1 : max2->col2);
        if (geodeticEastFirst != eastFirst)
            AppendCoordinateRemark(input, geodeticEastFirst ? texts::kRemarkLongitudeFirst : texts::kRemarkLatitudeFirst);
        if (std::fabs(lowest) > 180 || std::fabs(highest) > 180) AppendCoordinateRemark(input, texts::kRemarkLongitudeOver180);
        // D.MMSS with minutes or seconds above 59 is read on, but said: a remark for each of
        // the first fields, then one that counts the rest.
        int over59 = 0;
        const auto check = [&](const CoordinatePoint& point, double value, const QString& field) {
            if (!minutesOrSecondsOver59(value)) return;
            if (++over59 <= kFieldRemarks)
                AppendCoordinateRemark(input, texts::remarkMinutesSecondsOver59(TrimBlanks(point.serial), field,
                                                                                 QString::number(value, 'g', 15)));
        };
        for (const CoordinatePoint& point : batch.points) {
            check(point, geodeticEastFirst ? point.col2 : point.col1, texts::kLatitude);
            check(point, geodeticEastFirst ? point.col1 : point.col2, texts::kLongitude);
        }
        if (over59 > kFieldRemarks) AppendCoordinateRemark(input, texts::remarkMoreOver59(over59 - kFieldRemarks));
    }

    const auto widthOf = [](auto zone) {
        return zone == decltype(zone)::Zone1p5 ? ZoneWidth::OneAndHalf
               : zone == decltype(zone)::Zone3 ? ZoneWidth::Three
                                               : ZoneWidth::Six;
    };
    const EllipsoidConstants& ellipsoid = EllipsoidOfCode(ellipsoidCode);

    CoordinateResultLayout layout;
    layout.kind = to == Target::Geodetic ? CoordinateResultKind::Geodetic
                  : to == Target::Zone6  ? CoordinateResultKind::Zone6
                  : to == Target::Zone3  ? CoordinateResultKind::Zone3
                                         : CoordinateResultKind::Zone1p5;
    layout.serialOutput = serialOutput;
    layout.serialWidth = SerialColumnWidth(batch);
    layout.eastFirst = eastFirst;

    // Each point on its own, a long list on every core; the lines joined in order.
    const bool inputEastFirst = from == Source::Geodetic ? geodeticEastFirst : eastFirst;
    const std::vector<Chunk> chunks = ChunksOf(batch.points.size(), kPointsPerChunk, threads);
    std::vector<QString> lines(chunks.size());
    std::vector<PlanPlace> places(std::min(batch.points.size(), std::size_t(kPlanPointLimit)));
    RunChunks(chunks, [&](const Chunk& chunk) {
        lines[chunk.index].reserve(qsizetype(chunk.end - chunk.begin) * kCharactersPerLine);
        for (std::size_t i = chunk.begin; i < chunk.end; ++i) {
            const CoordinatePoint& point = batch.points[i];
            // north: X or the latitude; east: Y or the longitude.
            double north = inputEastFirst ? point.col2 : point.col1;
            double east = inputEastFirst ? point.col1 : point.col2;
            QString message;
            PlanPlace place{QPointF(east, north), false};
            if (from != Source::Geodetic) {
                const GeodeticPoint geodetic = ZoneToGeo(widthOf(from), ellipsoid, north, east);
                north = geodetic.latitude;
                east = geodetic.longitude;
                message = geodetic.message;
                place.failed = !message.isEmpty();
            }
            if (to != Target::Geodetic) {
                const GridPoint grid = GeoToZone(widthOf(to), ellipsoid, north, east, centralMeridian);
                north = grid.x;
                east = grid.y;
                message = from == Source::Geodetic ? grid.message : message + u' ' + grid.message;
                place = {QPointF(grid.y, grid.x), place.failed || gridFailed(grid)};
            }
            if (i < places.size()) places[i] = place;
            AppendCoordinateResultLine(lines[chunk.index], layout, point.serial, north, east, point.col3, message);
        }
    });

    plan = planOf(batch.points, places);
    batch = {};  // the points are in the lines now

    const auto& ellipsoids = EllipsoidChoices();
    const QString ellipsoidName =
        ellipsoidIndex >= 0 && ellipsoidIndex < int(ellipsoids.size()) ? ellipsoids[std::size_t(ellipsoidIndex)].name : QString();
    QString block = CoordinateResultBlockStart(CoordinateResultHeader(layout.kind, ellipsoidName));
    qsizetype size = block.size() + 2 + output.size();
    for (const QString& piece : lines) size += piece.size();
    block.reserve(size);
    for (QString& piece : lines) {
        block += piece;
        piece = QString();
    }
    FinishCoordinateResultBlock(block, output);
    output = std::move(block);
}

}  // namespace cesuan
