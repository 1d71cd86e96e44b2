#include "screens/attitude_screen.h"

#include "engine/arithmetic.h"
#include "geodesy/attitude.h"
#include "engine/journal.h"
#include "screens/attitude_texts.h"
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

void AttitudeScreen::computeFromPoints() {
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
    lines << QString() << t::kSides
          << QStringLiteral("    ") + r.side12.text() + QStringLiteral("  ") + r.side23.text() + QStringLiteral("  ") +
                 r.side13.text() + QStringLiteral("  ");
    lines << t::confidenceLine(r.confidence.text()) << t::kConfidenceHigh << t::kConfidenceLow << t::kRemark;
    resultText = lines.join(QStringLiteral("\r\n"));
}

}  // namespace cesuan
