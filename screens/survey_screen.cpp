#include "screens/survey_screen.h"

#include "screens/file_actions.h"
#include "screens/main_screen_texts.h"
#include "screens/message_box.h"
#include "screens/platform_texts.h"

namespace cesuan {

SurveyScreen::SurveyScreen(MessageBoxService& messages, WindowPrinter& printer, ScreenNavigator& screens,
                           FileChooser& files, const SurveyTexts& texts, bool serialsAlwaysRead)
    : messages_(messages),
      printer_(printer),
      screens_(screens),
      files_(files),
      texts_(texts),
      serialsAlwaysRead_(serialsAlwaysRead) {
    windowTitle = texts.windowTitle;
    pointText = texts.startPoints;
    serialColumnCaption = texts.serialColumnCaption;
    computeCaption = texts.computeCaption;
    printCaption = texts.printCaption;
    printTooltip = texts.printTooltip;
    heading = texts.heading;
    formatNote = texts.formatNote;
    directionNote = texts.directionNote;
    choiceLabel = texts.choiceLabel;
    choiceNote = texts.choiceNote;
    resultHeading = texts.resultHeading;
    load();
}

void SurveyScreen::load() {
    serialChoices = QStringList{texts_.firstChoice};
    chosenSerial = serialChoices[0];
}

QString SurveyScreen::parsePoints() {
    const QString aligned = ParsePointList(journal_, pointText, serialsAlwaysRead_ || serialColumn, points);
    ShowNotices(messages_, TakeNotices(journal_));
    return aligned;
}

bool SurveyScreen::readPointsForCommand(const QString& dataError) {
    failed = false;
    const QString aligned = parsePoints();
    if (!points.badValues.isEmpty()) {
        messages_.showError(points.badValues.join(u'\n') + u'\n' + dataError);
        resultText = QStringLiteral(" ");
        failed = true;
        return false;
    }
    if (!keepTypedText_) pointText = aligned;
    return true;
}

void SurveyScreen::serialChoicesOpened() {
    parsePoints();
    const QString kept = chosenSerial;
    serialChoices = QStringList{texts_.firstChoice};
    for (const SurveyPoint& p : points.points) serialChoices.append(p.serial);
    chosenSerial = kept;
}

void SurveyScreen::printScreen() { statusLine = ReportPrint(messages_, printer_.printWindow()); }

void SurveyScreen::openPoints() { OpenPointList(files_, messages_, pointText, statusLine); }

void SurveyScreen::saveResult() { SaveResultText(files_, messages_, resultText, texts_.resultFileName, statusLine); }

void SurveyScreen::showCalculator() {
    statusLine = screens_.show(ScreenId::Main) ? QString() : texts::main::moduleComing(texts_.calculator);
}

void SurveyScreen::showMenu() {
    statusLine = screens_.show(ScreenId::ModuleMenu) ? QString() : texts::main::moduleComing(texts_.menu);
}

}  // namespace cesuan
