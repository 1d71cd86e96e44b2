#include "screens/bearing_screen.h"

#include "geodesy/bearing.h"
#include "screens/message_box.h"
#include "screens/bearing_texts.h"
#include "screens/main_screen_texts.h"

#include <algorithm>
#include <array>
#include <vector>

namespace cesuan {

namespace t = texts::bearing;

BearingScreen::BearingScreen(MessageBoxService& messages, WindowPrinter& printer, ScreenNavigator& screens)
    : messages_(messages), printer_(printer), screens_(screens) {
    windowTitle = t::kWindowTitle;
    pointText = t::kStartPoints;
    serialColumn = true;
    serialColumnCaption = t::kGridCoordinates;
    computeCaption = t::kCompute;
    printCaption = t::kPrint;
    printTooltip = t::kTipPrint;
    heading = t::kHeading;
    formatNote = t::kFormatNote;
    directionNote = t::kZeroDirections;
    choiceLabel = t::kUsePoint;
    choiceNote = t::kAsOrigin;
    resultHeading = t::kColumnHeading;
    load();
}

void BearingScreen::load() {
    serialChoices = QStringList{t::kNoOrigin};
    chosenSerial = serialChoices[0];
}

void BearingScreen::serialColumnClicked(bool checked) {
    serialColumn = checked;
    serialColumnCaption = checked ? t::kGridCoordinates : t::kGeodeticCoordinates;
}

void BearingScreen::serialChoicesOpened() {
    ParsePointList(journal_, pointText, serialColumn, points);
    ShowNotices(messages_, TakeNotices(journal_));
    const QString kept = chosenSerial;
    serialChoices = QStringList{t::kNoOrigin};
    for (const SurveyPoint& p : points.points) serialChoices.append(p.serial);
    chosenSerial = kept;
}

void BearingScreen::compute() {
    ResetJournal(journal_);
    pointText = ParsePointList(journal_, pointText, serialColumn, points);
    ShowNotices(messages_, TakeNotices(journal_));

    const auto chosen = std::find_if(points.points.begin(), points.points.end(),
                                     [&](const SurveyPoint& p) { return p.serial == chosenSerial; });
    SurveyPoint origin;
    if (chosen != points.points.end()) {
        origin = *chosen;
    } else {
        origin.serial = t::kNoOrigin;
        origin.x = origin.y = origin.h = 0;
        chosenSerial = t::kNoOrigin;
    }
    if (journal_.errorCount > 0) return fail();

    std::vector<std::array<QString, 5>> rows;
    rows.reserve(points.points.size());
    for (const SurveyPoint& p : points.points) {
        BearingResult r;
        if (!MeasureBearing(journal_, origin, p, r) || journal_.errorCount > 0) return fail();
        rows.push_back({p.serial, r.distance, r.azimuth, r.slopeDistance, r.verticalAngle});
    }

    std::array<int, 5> widths{};
    for (const auto& row : rows)
        for (std::size_t c = 0; c < 5; ++c) widths[c] = std::max(widths[c], int(row[c].size()));
    QString table;
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < 5; ++c) {
            if (c > 0) table += QStringLiteral(" ,");
            table += row[c].rightJustified(widths[c], u' ');
        }
        table += QStringLiteral("\r\n");
    }
    resultText = table;
}

void BearingScreen::fail() {
    messages_.show(t::kMsgDataError);
    resultText = QStringLiteral(" ");
}

void BearingScreen::printScreen() { printer_.printWindow(); }

void BearingScreen::showCalculator() {
    statusLine = screens_.show(ScreenId::Main) ? QString() : texts::main::moduleComing(t::kCalculator);
}

void BearingScreen::showMenu() {
    statusLine = screens_.show(ScreenId::ModuleMenu) ? QString() : texts::main::moduleComing(t::kMenu);
}

}  // namespace cesuan
