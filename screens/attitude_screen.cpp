#include "screens/attitude_screen.h"

#include "engine/arithmetic.h"
#include "engine/journal.h"
#include "screens/attitude_texts.h"
#include "screens/main_screen_texts.h"

namespace cesuan {

namespace t = texts::attitude;

AttitudeScreen::AttitudeScreen(MessageBoxService& messages, WindowPrinter& printer, ScreenNavigator& screens)
    : messages_(messages), printer_(printer), screens_(screens) {
    windowTitle = t::kWindowTitle;
    text1 = t::kStartPoints;
    check1Caption = t::kGridCoordinates;
    command1Caption = t::kCompute;
    command2Caption = t::kPrint;
    command2Tooltip = t::kTipPrint;
    label1 = t::kHeading;
    label2 = t::kFormatNote;
    label4 = t::kZeroDirections;
    label5 = t::kUsePoint;
    label6 = t::kNextThreePoints;
    label7 = t::kAttitude;
    load();
}

void AttitudeScreen::load() {
    combo2Items = QStringList{t::kOrigin};
    combo2Text = combo2Items[0];
}

void AttitudeScreen::check1Clicked(bool checked) {
    check1 = checked;
    check1Caption = t::kGridCoordinates;
}

void AttitudeScreen::combo2GotFocus() {
    ParsePointList(text1, true, points, messages_);
    const QString kept = combo2Text;
    combo2Items = QStringList{t::kOrigin};
    for (const SurveyPoint& p : points.points) combo2Items.append(p.serial);
    combo2Text = kept;
}

void AttitudeScreen::compute() {
    ResetJournal();
    text1 = ParsePointList(text1, true, points, messages_);
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
        if (points.points[std::size_t(i)].serial == combo2Text) {
            for (int k = 0; k < 3; ++k) chosen[k] = &points.points[std::size_t((i + k) % n)];
            break;
        }
    }

    QStringList lines = {t::usedPoints(chosen[0]->serial, chosen[1]->serial, chosen[2]->serial), QString(),
                         t::kEquation, t::kFourParameters};
    const auto plane = [](const SurveyPoint& p) { return PlanePoint{p.x, p.y, p.h}; };
    PlaneResult r;
    if (!PlaneAttitude(plane(*chosen[0]), plane(*chosen[1]), plane(*chosen[2]), r, messages_)) {
        lines.append(t::kDataError);
        text2 = lines.join(QStringLiteral("\r\n"));
        return;
    }

    lines << QStringLiteral("    a = ") + r.a.text() << QStringLiteral("    b = ") + r.b.text()
          << QStringLiteral("    c = ") + r.c.text() << QStringLiteral("    d = ") + r.d.text() << QString();
    if (IsZeroValue(r.a) && IsZeroValue(r.b)) {
        lines << t::kLevel;
    } else {
        if (IsZeroValue(SubtractTwo(r.dip, CalcValue(90))))
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
    text2 = lines.join(QStringLiteral("\r\n"));
}

void AttitudeScreen::printScreen() { printer_.printWindow(); }

void AttitudeScreen::showCalculator() {
    statusLine = screens_.show(ScreenId::Main) ? QString() : texts::main::moduleComing(t::kCalculator);
}

void AttitudeScreen::showMenu() {
    statusLine = screens_.show(ScreenId::ModuleMenu) ? QString() : texts::main::moduleComing(t::kMenu);
}

}  // namespace cesuan
