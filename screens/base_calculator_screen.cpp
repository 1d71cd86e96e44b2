#include "screens/base_calculator_screen.h"

#include "radix/radix.h"
#include "radix/radix_arithmetic.h"
#include "screens/file_actions.h"
#include "screens/message_box.h"
#include "screens/base_calculator_texts.h"
#include "screens/main_screen_texts.h"

#include <algorithm>

namespace cesuan {

namespace t = texts::base_calculator;

namespace {

constexpr int kLongResult = 37;       // Text3 lengths from here on get the Label6 warning
constexpr int kMaxDecimalDigits = 28; // a decimal key is refused above this many digits
constexpr int kMaxTextLength = 30;    // a key is refused above this many characters

int radixIndex(int radix) {
    switch (radix) {
    case 2: return 0;
    case 8: return 1;
    case 10: return 2;
    case 16: return 3;
    default: return -1;
    }
}

}  // namespace

BaseCalculatorScreen::BaseCalculatorScreen(MessageBoxService& messages, WindowPrinter& printer,
                                           WebPageOpener& web, ScreenNavigator& screens)
    : messages_(messages), printer_(printer), web_(web), screens_(screens) {
    explanation = t::kStartExplanation;
    operationLabel = t::kOperationLabels[0];
    digitKeyEnabled[0] = digitKeyEnabled[1] = true;
}

// --- Radix and operation -------------------------------------------------------------------

void BaseCalculatorScreen::radixClicked(int radix) {
    const int index = radixIndex(radix);
    if (index < 0) return;
    journal_.errorCount = 0;
    journal_.lastMessage.clear();
    for (int digit = 0; digit < 16; ++digit) digitKeyEnabled[std::size_t(digit)] = digit < radix;
    explanation = t::kRadixExplanations[std::size_t(index)];
    previousRadix = currentRadix;
    currentRadix = radix;
    explanation += QStringLiteral("\r\n") + t::radixChange(previousRadix, currentRadix);
    if (previousRadix != radix) {
        // A box whose conversion fails keeps what was typed (its box says why).
        const int previousIndex = radixIndex(previousRadix);
        const QString previousName =
            previousIndex >= 0 ? t::kRadixNames[std::size_t(previousIndex)] : QString::number(previousRadix);
        QStringList invalid;
        const std::pair<const QString*, QString*> boxes[] = {{&t::kData1Caption, &data1}, {&t::kData2Caption, &data2}};
        for (const auto& [caption, data] : boxes) {
            // Characters that are no digits of the old radix would be read as nothing: the box
            // keeps them and says so.
            const QString bad = InvalidRadixDigits(TrimBlanks(*data), previousRadix);
            if (!bad.isEmpty()) {
                invalid.append(t::invalidDigits(*caption, TrimBlanks(*data), bad, previousName));
                continue;
            }
            const int errorsBefore = journal_.errorCount;
            const QString converted = ConvertRadix(journal_, *data, previousRadix, radix);
            if (journal_.errorCount == errorsBefore) *data = converted;
        }
        if (!invalid.isEmpty()) messages_.showError(invalid.join(u'\n'));
        journal_.errorCount = 0;
        ShowNotices(messages_, TakeNotices(journal_));
        result.clear();
    }
}

void BaseCalculatorScreen::operationClicked(Operation op) {
    operation = op;
    const auto index = std::size_t(op);
    operationLabel = t::kOperationLabels[index];
    data1Visible = op != Operation::Not;
    result.clear();
    if (!IsBitwise(op)) return;
    const auto& lines = t::kLogicLines[index - std::size_t(Operation::And)];
    explanation = lines[0];
    for (std::size_t i = 1; i < lines.size(); ++i)
        if (!lines[i].isEmpty()) explanation += QStringLiteral("\r\n") + lines[i];
    explanation += QStringLiteral("\r\n") + t::kLogicAdvice;
    explanation += QStringLiteral("\r\n") + t::kLogicMethod;
}

// --- Focus and keypad ----------------------------------------------------------------------

void BaseCalculatorScreen::boxGotFocus(Box box) { activeBox = box; }

void BaseCalculatorScreen::boxLostFocus(Box box, int caret, int selLength) {
    boxCaret(box) = caret;
    boxSelLength(box) = selLength;
}

std::pair<QString, QString> BaseCalculatorScreen::split(Box box) {
    const QString& text = boxText(box);
    int& caret = boxCaret(box);
    if (text.isEmpty() && caret == 0) return {};
    caret = std::clamp(caret, 0, int(text.size()));
    return {text.left(caret), text.mid(caret + boxSelLength(box))};
}

void BaseCalculatorScreen::insertKey(QChar key, bool pointKey) {
    const auto split1 = split(Box::Data1);
    const auto split2 = split(Box::Data2);
    const Box box = activeBox;
    const auto& [left, right] = box == Box::Data1 ? split1 : split2;
    QString& text = boxText(box);
    int& caret = boxCaret(box);
    // The caret stands before a minus sign: move it to the end, insert nothing.
    if (caret < CountMinusSigns(journal_, text)) {
        caret = int(text.size());
        if (pointKey) focusRequest = box;
        return;
    }
    const QString& tooLong = box == Box::Data1 ? t::kData1TooLong : t::kData2TooLong;
    if (DigitCharCount(journal_, text) > kMaxDecimalDigits && currentRadix == 10) {
        result = tooLong;
        return;
    }
    result.clear();
    if (text.size() > kMaxTextLength && currentRadix != 2) {
        result = tooLong;
        return;
    }
    text = left + key + right;
    caret += 1;
    boxSelLength(box) = 0;
    focusRequest = box;
}

void BaseCalculatorScreen::digitKey(QChar digit) {
    focusRequest.reset();
    insertKey(digit, false);
}

void BaseCalculatorScreen::pointKey() {
    focusRequest.reset();
    if (CountPoints(journal_, boxText(activeBox)) >= 1) {
        focusRequest = activeBox;
        return;
    }
    insertKey(QLatin1Char('.'), true);
}

void BaseCalculatorScreen::signKey() {
    focusRequest = activeBox;
    QString& text = boxText(activeBox);
    const QString trimmed = TrimBlanks(text);
    if (trimmed.startsWith(QLatin1Char('-'))) return;
    text = QStringLiteral("-") + trimmed;
    boxCaret(activeBox) += 1;
    boxSelLength(activeBox) = 0;
}

void BaseCalculatorScreen::deleteKey() {
    const auto split1 = split(Box::Data1);
    const auto split2 = split(Box::Data2);
    const Box box = activeBox;
    auto [left, right] = box == Box::Data1 ? split1 : split2;
    if (!left.isEmpty()) {
        left.chop(1);
        boxCaret(box) -= 1;
    }
    boxText(box) = left + right;
    boxSelLength(box) = 0;
    focusRequest = box;
    result.clear();
}

void BaseCalculatorScreen::clearKey() {
    boxText(activeBox).clear();
    boxCaret(activeBox) = 0;
    boxSelLength(activeBox) = 0;
    focusRequest = activeBox;
    result.clear();
}

// --- Compute -------------------------------------------------------------------------------

void BaseCalculatorScreen::compute() {
    ResetJournal(journal_);
    result.clear();
    if (!computeSteps()) {
        result = t::kRunFailure;
        return;
    }
    journal_.errorCount = 0;
    journal_.lastMessage.clear();
}

bool BaseCalculatorScreen::computeSteps() {
    const QString blank = QStringLiteral(" ");
    if (QString::compare(data1, blank) <= 0) data1 = QStringLiteral("0");
    if (QString::compare(data2, blank) <= 0) data2 = QStringLiteral("0");

    // Characters that are no digits of the radix are named, never read as 0.
    const int index = radixIndex(currentRadix);
    const QString radixName = index >= 0 ? t::kRadixNames[std::size_t(index)] : QString::number(currentRadix);
    QStringList invalid;
    const bool unary = operation == Operation::Not;
    const std::pair<const QString*, const QString*> boxes[] = {{&t::kData1Caption, &data1}, {&t::kData2Caption, &data2}};
    for (const auto& [caption, text] : boxes) {
        if (unary && caption == &t::kData1Caption) continue;  // 非 takes data 2 alone
        const QString bad = InvalidRadixDigits(TrimBlanks(*text), currentRadix);
        if (!bad.isEmpty()) invalid.append(t::invalidDigits(*caption, TrimBlanks(*text), bad, radixName));
    }
    if (!invalid.isEmpty()) {
        messages_.showError(invalid.join(u'\n'));
        return false;
    }

    RadixComputation c{data1, data2, value1, value2, resultValue, QString()};
    const int errorsBefore = journal_.errorCount;
    const bool computed = ComputeInRadix(journal_, currentRadix, operation, c);
    ShowNotices(messages_, TakeNotices(journal_));
    // The boxes take the numbers as read only when the computation went through: after a
    // failure they keep what was typed.
    if (computed && journal_.errorCount == errorsBefore) {
        data1 = c.data1;
        data2 = c.data2;
    }
    value1 = c.value1;
    value2 = c.value2;
    resultValue = c.result;
    if (!computed) return false;

    result = journal_.errorCount > 0 ? t::kJournalFailure : c.resultText;
    longResultVisible = result.size() >= kLongResult;
    if (longResultVisible) longResultNote = t::longResult(int(result.size()));
    return true;
}

// --- Other commands ------------------------------------------------------------------------

void BaseCalculatorScreen::showMain() { screens_.show(ScreenId::Main); }

void BaseCalculatorScreen::showMenu() {
    statusLine = screens_.show(ScreenId::ModuleMenu) ? QString() : texts::main::moduleComing(t::kMenu);
}

void BaseCalculatorScreen::printScreen() { statusLine = ReportPrint(messages_, printer_.printWindow()); }

void BaseCalculatorScreen::openHomePage() { web_.open(web::kHome); }

}  // namespace cesuan
