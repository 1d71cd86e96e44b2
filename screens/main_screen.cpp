#include "screens/main_screen.h"

#include "angles/angle_units.h"
#include "engine/calc_value.h"
#include "engine/journal.h"
#include "engine/rounding.h"
#include "evaluator/decompose.h"
#include "evaluator/evaluate.h"
#include "evaluator/format_result.h"
#include "evaluator/normalise.h"
#include "evaluator/settings.h"
#include "screens/main_screen_texts.h"

#include <cmath>

namespace cesuan {

namespace t = texts::main;

MainScreen::MainScreen(MessageBoxService& messages, WebPageOpener& web, RandomSource& random,
                       ScreenNavigator& screens)
    : messages_(messages), web_(web), random_(random), screens_(screens) {}

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
    CalcErrorJournal& j = Journal();
    j.reliableDigits = 29;
    j.errorCount = 0;
    j.doubleFallbackCount = 0;
    DecimalPlaces() = 15;
    CurrentAngleUnit() = AngleUnit::Radian;
    command5Caption = t::kRadianCaption;
    command5Colour = {255, 192, 192};

    savedSelStart = savedSelLength = 0;
    savedSelText.clear();
    leftText.clear();
    rightText.clear();

    MemoryVariables() = {1, 2, 3, 4, 5, 6, 7, 8, 9};

    lastStoredSlot = shownSlot = 18;
    browseSteps = 0;
    formulaHistory.fill(QString());
    for (std::size_t k = 0; k < t::kExamples.size(); ++k) formulaHistory[k + 1] = t::kExamples[k];

    text1.clear();
    text2.clear();
    text3 = t::kStatusAtStart;
    text4 = QStringLiteral("018");
    chooseDecimalPlaces(15);
}

void MainScreen::activate() {
    chooseDecimalPlaces(DecimalPlaces());
    focus = Control::Formula;
    text2.clear();
}

void MainScreen::chooseDecimalPlaces(int index) {
    index = std::clamp(index, 0, 28);
    combo1Index = index;
    DecimalPlaces() = index;
}

void MainScreen::placesChosenByUser(int index) {
    chooseDecimalPlaces(index);
    text3 = t::kPlacesStatus;
}

void MainScreen::compute() {
    text2 = t::kComputing;
    text3 = t::kComputeNotice;
    ResetJournal();
    text1 = NormaliseFormula(text1);
    ResetJournal();
    text1 = DecomposeFormula(text1);

    CalcErrorJournal& j = Journal();
    QString result = j.errorCount != 0 ? t::kErrorResult : TrimBlanks(EvaluateFormula(text1, messages_));

    QString marker;
    if (SignificantDigitCount(result) > j.reliableDigits) {
        text3 = t::approximateNotice(j.reliableDigits + 1);
        marker = t::kApproximate;
        result = TruncateSignificant(result, j.reliableDigits);
    }
    text2 = AlignResultText(result, marker);
    if (j.errorCount > 0) {
        text2 = j.firstMessage > QStringLiteral(" ") ? j.firstMessage : t::kSeriousError;
        text3 = TrimBlanks(j.messageLog);
    }
    lastErrorCount = j.errorCount;
    lastApproximate = !marker.isEmpty();
    j.reliableDigits = 29;

    caretPosition = int(text1.size());
    savedSelStart = caretPosition;
    savedSelLength = 0;
    savedSelText.clear();
    ResetJournal();
    focus = Control::Formula;
}

QString MainScreen::AlignResultText(const QString& result, const QString& marker) {
    QString r = result;
    const qsizetype point = r.indexOf(u'.');
    const qsizetype n = point < 0 ? r.size() : point;
    if (n < 30) r.prepend(QString(30 - n, u' '));
    if (r.startsWith(QStringLiteral("    ")) && marker == t::kApproximate) r.replace(0, 4, t::kApproximate);
    if (CountExponentMarks(r) == 0) {
        if (DisplayWidth(r) == 30) r.append(u'.');
        const int k = DecimalPlaces() + 31 - DisplayWidth(r);
        if (k > 0) r.append(QString(k, marker.isEmpty() ? u'_' : u' '));
    }
    return r;
}

void MainScreen::clear() {
    browseSteps = 0;
    if (text1 >= QString(12, u' ')) {
        lastStoredSlot = lastStoredSlot + 1 > 999 ? 1 : lastStoredSlot + 1;
        shownSlot = lastStoredSlot;
        formulaHistory[std::size_t(lastStoredSlot)] = text1;
    }
    text1.clear();
    text2.clear();
    text3 = t::kRightAngle;
    text4 = QString::number(shownSlot);
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

    text1 = formulaHistory[std::size_t(shownSlot)];
    text3 = forward ? t::kHistoryForwardStatus : t::kHistoryBackStatus;
    text4 = QString::number(shownSlot);
    if (shownSlot >= 1 && shownSlot <= int(t::kReferences.size()))
        text2 = (forward && shownSlot == 9) ? t::kReference9Forward : t::kReferences[std::size_t(shownSlot - 1)];
    else
        text2 = t::kNoReference;
    caretPosition = int(text1.size());
    focus = Control::Formula;
}

void MainScreen::cycleAngleUnit() {
    text3 = t::kCycleUnitStatus;
    if (command5Caption == t::kRadianCaption) {
        command5Caption = t::kDecimalDegreeCaption;
        CurrentAngleUnit() = AngleUnit::DecimalDegree;
        command5Colour = {255, 192, 255};
    } else if (command5Caption == t::kDecimalDegreeCaption) {
        command5Caption = t::kDmsCaption;
        CurrentAngleUnit() = AngleUnit::Dms;
        command5Colour = {192, 255, 255};
    } else {
        command5Caption = t::kRadianCaption;
        CurrentAngleUnit() = AngleUnit::Radian;
        command5Colour = {255, 192, 192};
    }
}

void MainScreen::formulaLostFocus(int selectionStart, int selectionLength, const QString& selectedText) {
    savedSelStart = selectionStart;
    savedSelLength = selectionLength;
    savedSelText = selectedText;
}

void MainScreen::keyDown() {
    focus = Control::Formula;
    text2.clear();
}

void MainScreen::keyPress() { focus = Control::Formula; }

void MainScreen::statusGotFocus() { focus = Control::Formula; }

void MainScreen::editVariables() {
    text3 = t::kEditVariablesStatus;
    showScreen(ScreenId::Variables);
}

void MainScreen::showScreen(ScreenId screen) {
    if (screens_.show(screen)) return;
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
    text3 = t::moduleComing(name());
}

void MainScreen::openCommunityPage() { web_.open(web::kCommunity); }
void MainScreen::openDownloadPage() { web_.open(web::kDownload); }
void MainScreen::openMakerPage() { web_.open(web::kHome); }

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
    if (text1.isEmpty() && savedSelStart == 0) {
        leftText.clear();
        rightText.clear();
    } else {
        const int length = int(text1.size());
        if (savedSelStart > length) savedSelStart = length;
        savedSelStart = std::max(savedSelStart, 0);
        leftText = text1.left(savedSelStart);
        const int after = savedSelStart + std::max(savedSelLength, 0);
        rightText = after < length ? text1.mid(after, length - savedSelStart) : QString();
    }

    if (key == 50) {  // F-E: the result in exponent form
        text3 = QString::fromUtf16(k.explanation);
        if (text2 > QStringLiteral(" ")) {
            text2 = FormatCalcResult(text2);
            ResetJournal();
            return;
        }
    } else {
        const QString inserted = key == 60 ? randomText() : QString::fromUtf16(k.inserted);
        text1 = leftText + inserted + rightText;
        savedSelStart += key == 60 ? int(inserted.size()) : k.caretMove;
        savedSelLength = 0;
        savedSelText.clear();
        text3 = QString::fromUtf16(k.explanation);
    }
    text2.clear();
    focus = Control::Formula;
    caretPosition = savedSelStart;
}

}  // namespace cesuan
