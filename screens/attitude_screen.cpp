#include "screens/attitude_screen.h"

#include "engine/arithmetic.h"
#include "geodesy/attitude.h"
#include "engine/journal.h"
#include "screens/attitude_texts.h"
#include "geodesy/dms.h"
#include "geodesy/stereonet.h"
#include "screens/picture_texts.h"
#include "screens/message_box.h"
#include "screens/platform_texts.h"

namespace cesuan {

namespace t = texts::attitude;

AttitudeScreen::AttitudeScreen(MessageBoxService& messages, WindowPrinter& printer, ScreenNavigator& screens,
                             FileChooser& files)
    : SurveyScreen(messages, printer, screens, files,
                   {t::kWindowTitle, t::kStartPoints, t::kSerialColumn, t::kCompute, t::kPrint, t::kTipPrint,
                    t::kHeading, t::kFormatNote, t::kZeroDirections, t::kUsePoint, t::kNextThreePoints, t::kAttitude,
                    t::kOrigin, t::kCalculator, t::kMenu, texts::files::kAttitudeFileName},
                   true) {}

void AttitudeScreen::serialColumnClicked(bool checked) {
    serialColumn = checked;
    serialColumnCaption = t::kSerialColumn;
}

void AttitudeScreen::compute() {
    ResetJournal(journal_);
    if (!readPointsForCommand(t::kDataError)) return;
    computeFromPoints();
}

namespace {

// The plane on the net: its great circle, its pole, and its attitude written beside.
Picture stereonetOf(double dipDirection, double dip, const QStringList& notes) {
    namespace p = texts::picture;
    Picture picture;
    picture.kind = PictureKind::Stereonet;
    picture.title = p::kStereonetTitle;
    picture.notes = notes;
    const auto line = [](const std::vector<NetPoint>& points) {
        PictureLine drawn;
        drawn.ink = PictureInk::Plane;
        drawn.width = 2;
        for (const NetPoint& q : points) drawn.points.emplace_back(q.h, q.v);
        return drawn;
    };
    picture.lines.push_back(line(GreatCircle(dipDirection, dip)));
    if (dip == 0) {  // a level plane: the whole primitive circle
        picture.lines.push_back(line(GreatCircle(dipDirection + 180, 0)));
        picture.notes.append(p::kLevelPlane);
    }
    const LineDirection pole = PoleOfPlane(dipDirection, dip);
    const NetPoint at = ProjectLine(pole.trend, pole.plunge);
    picture.marks.push_back({QPointF(at.h, at.v), p::kPoleLabel, PictureInk::Pole, MarkShape::Dot});
    return picture;
}

// The three points in plan, joined as a triangle.
Picture planOf(const SurveyPoint* const chosen[3]) {
    namespace p = texts::picture;
    Picture picture;
    picture.kind = PictureKind::Plan;
    picture.title = p::kThreePointsTitle;
    picture.hAxis = p::kEastAxis;
    picture.vAxis = p::kNorthAxis;
    PictureLine triangle;
    triangle.ink = PictureInk::Outline;
    triangle.closed = true;
    triangle.filled = true;
    for (int k = 0; k < 3; ++k) {
        const QPointF at(chosen[k]->y.toDouble().value_or(0), chosen[k]->x.toDouble().value_or(0));
        triangle.points.push_back(at);
        picture.marks.push_back({at, chosen[k]->serial, PictureInk::Point, MarkShape::Dot});
    }
    picture.lines.push_back(std::move(triangle));
    return picture;
}

}  // namespace

void AttitudeScreen::computeFromPoints() {
    stereonet = Picture{};
    plan = Picture{};
    const int n = points.count();
    if (n < 3) {
        messages_.show(t::kMsgTooFewPoints);
        return;
    }

    // The point of the chosen serial and the next two, wrapping round; the origin and the
    // first two points when no serial matches.
    SurveyPoint origin{t::kOrigin, CalcValue(0), CalcValue(0), CalcValue(0), CalcValue()};
    const SurveyPoint* chosen[3] = {&origin, &points.points[0], &points.points[1]};
    for (int i = 0; i < n; ++i) {
        if (points.points[std::size_t(i)].serial == chosenSerial) {
            for (int k = 0; k < 3; ++k) chosen[k] = &points.points[std::size_t((i + k) % n)];
            break;
        }
    }

    QStringList lines = {t::usedPoints(chosen[0]->serial, chosen[1]->serial, chosen[2]->serial), QString(),
                         t::kEquation, t::kFourParameters};
    const auto plane = [](const SurveyPoint& p) { return PlanePoint{p.x, p.y, p.h}; };
    PlaneResult r;
    const bool computed = PlaneAttitude(journal_, plane(*chosen[0]), plane(*chosen[1]), plane(*chosen[2]), r);
    ShowNotices(messages_, TakeNotices(journal_));
    if (!computed) {
        lines.append(t::kDataError);
        resultText = lines.join(QStringLiteral("\r\n"));
        return;
    }

    lines << QStringLiteral("    a = ") + r.a.text() << QStringLiteral("    b = ") + r.b.text()
          << QStringLiteral("    c = ") + r.c.text() << QStringLiteral("    d = ") + r.d.text() << QString();
    if (IsZeroValue(r.a) && IsZeroValue(r.b)) {
        lines << t::kLevel;
    } else {
        if (IsZeroValue(SubtractTwo(journal_, r.dip, CalcValue(90))))
            lines << t::kVertical;
        else if (!IsZeroValue(r.dip))
            lines << t::kInclined;
        else
            lines << t::kInclinedFlat;
        lines << t::strikeLine(r.strike.text()) << t::dipDirectionLine(r.dipDirection.text())
              << t::dipLine(r.dip.text());
    }
    const auto degrees = [](const CalcValue& dms) { return GeoDmsToDegrees(dms.toDouble().value_or(0)); };
    const double dipDirection = degrees(r.dipDirection), dip = degrees(r.dip);
    stereonet = stereonetOf(dipDirection, dip,
                            {texts::picture::strikeNote(DegreesMinutesSeconds(degrees(r.strike))),
                             texts::picture::dipDirectionNote(DegreesMinutesSeconds(dipDirection)),
                             texts::picture::dipNote(DegreesMinutesSeconds(dip))});
    plan = planOf(chosen);
    lines << QString() << t::kSides
          << QStringLiteral("    ") + r.side12.text() + QStringLiteral("  ") + r.side23.text() + QStringLiteral("  ") +
                 r.side13.text() + QStringLiteral("  ");
    lines << t::confidenceLine(r.confidence.text()) << t::kConfidenceHigh << t::kConfidenceLow << t::kRemark;
    resultText = lines.join(QStringLiteral("\r\n"));
}

}  // namespace cesuan
