#include "screens/main_screen.h"

#include "angles/angle_units.h"
#include "engine/calc_value.h"
#include "evaluator/calculate.h"
#include "evaluator/format_result.h"
#include "screens/main_screen_texts.h"

#include <cmath>

namespace cesuan {

namespace t = texts::main;

MainScreen::MainScreen(CalcSettings& settings, MessageBoxService& messages, WebPageOpener& web, RandomSource& random,
                       ScreenNavigator& screens)
    : settings_(settings), messages_(messages), web_(web), random_(random), screens_(screens) {}

QStringList MainScreen::decimalPlacesItems() {
    QStringList items;
    for (int k = 0; k <= 28; ++k)
        items.append(QString::number(k) + (k < 10 ? QStringLiteral(" 位小数") : QStringLiteral("位小数")));
    return items;
}

QString MainScreen::keyCaption(int key) {
    if (key < 1 || key > 60) return QString();
    return QString::fromUtf16(t::kKeys[std::size_t(key - 1)].caption);
}

void MainScreen::load() {
    settings_ = CalcSettings();
    setAngleUnit(AngleUnit::Radian);

    savedSelStart = savedSelLength = 0;
    savedSelText.clear();
    leftText.clear();
    rightText.clear();

    lastStoredSlot = shownSlot = 18;
    browseSteps = 0;
    formulaHistory.fill(QString());
    for (std::size_t k = 0; k < t::kExamples.size(); ++k) formulaHistory[k + 1] = t::kExamples[k];

    formula.clear();
    result.clear();
    status = t::kStatusAtStart;
    slotNumber = QStringLiteral("018");
    chooseDecimalPlaces(15);
}

void MainScreen::activate() {
    chooseDecimalPlaces(settings_.decimalPlaces);
    focus = Control::Formula;
    result.clear();
}

void MainScreen::chooseDecimalPlaces(int index) {
    index = std::clamp(index, 0, 28);
    placesIndex = index;
    settings_.decimalPlaces = index;
}

void MainScreen::placesChosenByUser(int index) {
    chooseDecimalPlaces(index);
    status = t::kPlacesStatus;
    // Only a result still on show for the formula in the box; an error or an edit since
    // leaves the boxes alone.
    if (!computedResult_.isEmpty() && result == computedResult_ && formula == computedFormula_) evaluate();
}

void MainScreen::compute() {
    evaluate();
    caretPosition = int(formula.size());
    savedSelStart = caretPosition;
    savedSelLength = 0;
    savedSelText.clear();
    focus = Control::Formula;
}

void MainScreen::evaluate() {
    result = t::kComputing;
    status = t::kComputeNotice;
    CalcContext context{settings_, {}};
    const CalcOutcome outcome = Calculate(context, formula);
    formula = outcome.formula;
    ShowNotices(messages_, outcome.notices);

    if (outcome.approximate) status = t::approximateNotice(outcome.firstDoubtfulDigit);
    result = AlignResultText(outcome.result, outcome.approximate, settings_.decimalPlaces);
    if (outcome.errorCount > 0) {
        result = outcome.firstMessage > QStringLiteral(" ") ? outcome.firstMessage : t::kSeriousError;
        status = TrimBlanks(outcome.messageLog);
    }
    if (!outcome.ignored.isEmpty()) status = t::ignoredNotice(outcome.ignored) + QStringLiteral("\r\n") + status;
    lastErrorCount = outcome.errorCount;
    lastApproximate = outcome.approximate;
    lastReliableDigits = outcome.reliableDigits;
    computedFormula_ = outcome.errorCount == 0 ? formula : QString();
    computedResult_ = outcome.errorCount == 0 ? result : QString();
}

void MainScreen::clear() {
    browseSteps = 0;
    if (formula >= QString(12, u' ')) {
        lastStoredSlot = lastStoredSlot + 1 > 999 ? 1 : lastStoredSlot + 1;
        shownSlot = lastStoredSlot;
        formulaHistory[std::size_t(lastStoredSlot)] = formula;
    }
    formula.clear();
    result.clear();
    status = t::kRightAngle;
    slotNumber = QString::number(shownSlot);
    savedSelStart = savedSelLength = 0;
    savedSelText.clear();
    leftText.clear();
    rightText.clear();
    caretPosition = 0;
    focus = Control::Formula;
}

void MainScreen::historyBack() { showSlot(false); }
void MainScreen::historyForward() { showSlot(true); }

void MainScreen::showSlot(bool forward) {
    if (browseSteps > 0) shownSlot += forward ? 1 : -1;
    if (browseSteps < 1000) ++browseSteps;
    if (forward && shownSlot > lastStoredSlot) shownSlot = 1;
    if (!forward && shownSlot < 1) shownSlot = lastStoredSlot;

    formula = formulaHistory[std::size_t(shownSlot)];
    status = forward ? t::kHistoryForwardStatus : t::kHistoryBackStatus;
    slotNumber = QString::number(shownSlot);
    if (shownSlot >= 1 && shownSlot <= int(t::kReferences.size()))
        result = (forward && shownSlot == 9) ? t::kReference9Forward : t::kReferences[std::size_t(shownSlot - 1)];
    else
        result = t::kNoReference;
    caretPosition = int(formula.size());
    focus = Control::Formula;
}

void MainScreen::cycleAngleUnit() {
    status = t::kCycleUnitStatus;
    if (unitCaption == t::kRadianCaption) setAngleUnit(AngleUnit::DecimalDegree);
    else if (unitCaption == t::kDecimalDegreeCaption) setAngleUnit(AngleUnit::Dms);
    else setAngleUnit(AngleUnit::Radian);
}

void MainScreen::setAngleUnit(AngleUnit unit) {
    settings_.angleUnit = unit;
    switch (unit) {
    case AngleUnit::Radian:
        unitCaption = t::kRadianCaption;
        unitColour = {255, 192, 192};
        break;
    case AngleUnit::DecimalDegree:
        unitCaption = t::kDecimalDegreeCaption;
        unitColour = {255, 192, 255};
        break;
    case AngleUnit::Dms:
        unitCaption = t::kDmsCaption;
        unitColour = {192, 255, 255};
        break;
    }
}

void MainScreen::formulaLostFocus(int selectionStart, int selectionLength, const QString& selectedText) {
    savedSelStart = selectionStart;
    savedSelLength = selectionLength;
    savedSelText = selectedText;
}

void MainScreen::keyDown() {
    focus = Control::Formula;
    result.clear();
}

void MainScreen::keyPress() { focus = Control::Formula; }

void MainScreen::statusGotFocus() { focus = Control::Formula; }

void MainScreen::editVariables() {
    status = t::kEditVariablesStatus;
    showScreen(ScreenId::Variables);
}

void MainScreen::showScreen(ScreenId screen) {
    // The help opens at the calculator's topic.
    if (screen == ScreenId::Help ? screens_.showHelp(ScreenId::Main) : screens_.show(screen)) return;
    const auto name = [screen] {
        switch (screen) {
        case ScreenId::Statistics: return t::kStatistics;
        case ScreenId::Angles: return t::kAngles;
        case ScreenId::BaseCalculator: return t::kBases;
        case ScreenId::Coordinates: return t::kCoordinates;
        case ScreenId::Bearing: return t::kBearing;
        case ScreenId::Attitude: return t::kAttitude;
        case ScreenId::Variables: return t::kEditVariables;
        case ScreenId::Help: return t::kHelp;
        default: return QString();
        }
    };
    status = t::moduleComing(name());
}

void MainScreen::openCommunityPage() { web_.open(web::kCommunity); }
void MainScreen::openDownloadPage() { web_.open(web::kDownload); }
void MainScreen::openMakerPage() { web_.open(web::kHome); }

QString MainScreen::resultToCopy(const QString& selectedText) const {
    return CleanResultText(selectedText.isEmpty() ? result : selectedText);
}

namespace {

// A single-precision draw in [0, 1) as a decimal of at most 7 significant digits, "0.…".
QString drawText(float draw) {
    if (!(draw > 0)) return QStringLiteral("0");
    const int leadingZeros = int(std::floor(-std::log10(double(draw))));  // zeros after the point
    QString text = QString::number(double(draw), 'f', 7 + std::max(0, leadingZeros));
    while (text.contains(u'.') && (text.endsWith(u'0') || text.endsWith(u'.'))) text.chop(1);
    return text;
}

}  // namespace

QString MainScreen::randomText() {
    QString text = drawText(random_.next());
    text += drawText(random_.next()).mid(2, 7);
    text += drawText(random_.next()).mid(2, 6);
    return text;
}

void MainScreen::pressKey(int key) {
    if (key < 1 || key > 60) return;
    const t::Key& k = t::kKeys[std::size_t(key - 1)];

    // The formula split at the caret saved when the box lost the focus; a selection is replaced.
    if (formula.isEmpty() && savedSelStart == 0) {
        leftText.clear();
        rightText.clear();
    } else {
        const int length = int(formula.size());
        if (savedSelStart > length) savedSelStart = length;
        savedSelStart = std::max(savedSelStart, 0);
        leftText = formula.left(savedSelStart);
        const int after = savedSelStart + std::max(savedSelLength, 0);
        rightText = after < length ? formula.mid(after, length - savedSelStart) : QString();
    }

    if (key == 50) {  // F-E: the result in exponent form
        status = QString::fromUtf16(k.explanation);
        if (result > QStringLiteral(" ")) {
            CalcErrorJournal journal;  // a result that reads as no number shows as 0E+0
            result = FormatCalcResult(journal, result);
            return;
        }
    } else {
        const QString inserted = key == 60 ? randomText() : QString::fromUtf16(k.inserted);
        formula = leftText + inserted + rightText;
        savedSelStart += key == 60 ? int(inserted.size()) : k.caretMove;
        savedSelLength = 0;
        savedSelText.clear();
        status = QString::fromUtf16(k.explanation);
    }
    result.clear();
    focus = Control::Formula;
    caretPosition = savedSelStart;
}

FormulaHistory MainScreen::history(const QString& formulaInBox) const {
    FormulaHistory kept{formulaHistory, lastStoredSlot, shownSlot};
    const auto slot = [](int n) { return std::size_t(n); };
    if (formulaInBox >= QString(12, u' ') && formulaInBox != formulaHistory[slot(shownSlot)] &&
        formulaInBox != formulaHistory[slot(lastStoredSlot)]) {
        kept.lastStoredSlot = kept.shownSlot = lastStoredSlot + 1 > 999 ? 1 : lastStoredSlot + 1;
        kept.formulas[slot(kept.lastStoredSlot)] = formulaInBox;
    }
    return kept;
}

void MainScreen::resume(const CalcSettings& kept, const std::optional<FormulaHistory>& history,
                        const QStringList& notes) {
    settings_.memoryVariables = kept.memoryVariables;
    setAngleUnit(kept.angleUnit);
    chooseDecimalPlaces(kept.decimalPlaces);
    if (history) {
        formulaHistory = history->formulas;
        formulaHistory.front().clear();  // slots 0 and 1000 are never stored
        formulaHistory.back().clear();
        lastStoredSlot = std::clamp(history->lastStoredSlot, 1, 999);
        shownSlot = std::clamp(history->shownSlot, 1, 999);
        slotNumber = QString::number(shownSlot).rightJustified(3, u'0');
    }
    if (!notes.isEmpty()) status = notes.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n") + status;
}

void MainScreen::showNotes(const QStringList& notes) {
    if (!notes.isEmpty()) status = notes.join(QStringLiteral("\r\n"));
}

}  // namespace cesuan
