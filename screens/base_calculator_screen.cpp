#include "screens/base_calculator_screen.h"

#include "engine/arithmetic.h"
#include "engine/journal.h"
#include "engine/power.h"
#include "radix/radix.h"
#include "screens/base_calculator_texts.h"
#include "screens/main_screen_texts.h"

#include <algorithm>
#include <cstdint>

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

bool isLogical(BaseCalculatorScreen::Operation op) {
    using Op = BaseCalculatorScreen::Operation;
    return op == Op::And || op == Op::Or || op == Op::Not || op == Op::Xor || op == Op::AndNot ||
           op == Op::OrNot;
}

// A non-negative decimal as a 32-bit signed integer: rounded to the nearest integer with
// halves to the even neighbour; empty when that is 2147483648 or more.
std::optional<std::int64_t> toInt32(Decimal96 d) {
    uint128 power = 1;
    for (int i = 0; i < d.scale(); ++i) power *= 10;
    uint128 q = d.coefficient() / power;
    const uint128 r = d.coefficient() % power;
    if (2 * r > power || (2 * r == power && (q & 1) != 0)) ++q;
    if (q >= (uint128(1) << 31)) return std::nullopt;
    return d.isNegative() ? -std::int64_t(q) : std::int64_t(q);
}

// The absolute value of a decimal, through its text without the leading "-".
std::optional<std::int64_t> absoluteInt32(const Decimal96& value) {
    const auto a = CalcValue(StripLeadingMinus(CalcValue(value).text())).toDecimal();
    if (!a) return std::nullopt;
    return toInt32(*a);
}

QString toBinary(const QString& text, int radix, MessageBoxService& box) {
    switch (radix) {
    case 8: return OctToBin(text, box);
    case 10: return DecToBin(CalcValue(text), box).text();
    case 16: return HexToBin(text, box);
    default: return text;
    }
}

QString fromBinary(const QString& binary, int radix, MessageBoxService& box) {
    switch (radix) {
    case 8: return BinToOct(binary, box);
    case 10: return BinToDec(binary, box).text();
    case 16: return BinToHex(binary, box);
    default: return binary;
    }
}

}  // namespace

BaseCalculatorScreen::BaseCalculatorScreen(MessageBoxService& messages, WindowPrinter& printer,
                                           WebPageOpener& web, ScreenNavigator& screens)
    : messages_(messages), printer_(printer), web_(web), screens_(screens) {
    text4 = t::kStartExplanation;
    label4 = t::kOperationLabels[0];
    digitKeyEnabled[0] = digitKeyEnabled[1] = true;
}

QString BaseCalculatorScreen::ConvertRadix(const QString& text, int from, int to, MessageBoxService& box) {
    if (from == to) return text;
    if (from == 2) return fromBinary(text, to, box);
    const QString binary = toBinary(text, from, box);
    return to == 2 ? binary : fromBinary(binary, to, box);
}

// --- Radix and operation -------------------------------------------------------------------

void BaseCalculatorScreen::radixClicked(int radix) {
    const int index = radixIndex(radix);
    if (index < 0) return;
    Journal().errorCount = 0;
    Journal().lastMessage.clear();
    for (int digit = 0; digit < 16; ++digit) digitKeyEnabled[std::size_t(digit)] = digit < radix;
    text4 = t::kRadixExplanations[std::size_t(index)];
    previousRadix = currentRadix;
    currentRadix = radix;
    text4 += QStringLiteral("\r\n") + t::radixChange(previousRadix, currentRadix);
    if (previousRadix != radix) {
        text1 = ConvertRadix(text1, previousRadix, radix, messages_);
        text2 = ConvertRadix(text2, previousRadix, radix, messages_);
        text3.clear();
    }
}

void BaseCalculatorScreen::operationClicked(Operation op) {
    operation = op;
    const auto index = std::size_t(op);
    label4 = t::kOperationLabels[index];
    text1Visible = op != Operation::Not;
    text3.clear();
    if (!isLogical(op)) return;
    const auto& lines = t::kLogicLines[index - std::size_t(Operation::And)];
    text4 = lines[0];
    for (std::size_t i = 1; i < lines.size(); ++i)
        if (!lines[i].isEmpty()) text4 += QStringLiteral("\r\n") + lines[i];
    text4 += QStringLiteral("\r\n") + t::kLogicAdvice;
    text4 += QStringLiteral("\r\n") + t::kLogicMethod;
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
    if (caret < CountMinusSigns(text)) {
        caret = int(text.size());
        if (pointKey) focusRequest = box;
        return;
    }
    const QString& tooLong = box == Box::Data1 ? t::kData1TooLong : t::kData2TooLong;
    if (DigitCharCount(text) > kMaxDecimalDigits && currentRadix == 10) {
        text3 = tooLong;
        return;
    }
    text3.clear();
    if (text.size() > kMaxTextLength && currentRadix != 2) {
        text3 = tooLong;
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
    if (CountPoints(boxText(activeBox)) >= 1) {
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
    text3.clear();
}

void BaseCalculatorScreen::clearKey() {
    boxText(activeBox).clear();
    boxCaret(activeBox) = 0;
    boxSelLength(activeBox) = 0;
    focusRequest = activeBox;
    text3.clear();
}

// --- Compute -------------------------------------------------------------------------------

void BaseCalculatorScreen::compute() {
    ResetJournal();
    text3.clear();
    if (!computeSteps()) {
        text3 = t::kRunFailure;
        return;
    }
    Journal().errorCount = 0;
    Journal().lastMessage.clear();
}

bool BaseCalculatorScreen::computeSteps() {
    const QString blank = QStringLiteral(" ");
    if (QString::compare(text1, blank) <= 0) text1 = QStringLiteral("0");
    if (QString::compare(text2, blank) <= 0) text2 = QStringLiteral("0");

    // Read the data and write it back in its normal form.
    std::optional<Decimal96> d1, d2;
    switch (currentRadix) {
    case 2:
        if (!(d1 = BinToDec(text1, messages_).toDecimal())) return false;
        value1 = *d1;
        if (!(d2 = BinToDec(text2, messages_).toDecimal())) return false;
        value2 = *d2;
        text1 = DecToBin(value1, messages_).text();
        text2 = DecToBin(value2, messages_).text();
        break;
    case 8:
    case 16: {
        const QString b1 = toBinary(text1, currentRadix, messages_);
        const QString b2 = toBinary(text2, currentRadix, messages_);
        text1 = fromBinary(b1, currentRadix, messages_);
        text2 = fromBinary(b2, currentRadix, messages_);
        if (!(d1 = BinToDec(b1, messages_).toDecimal())) return false;
        value1 = *d1;
        if (!(d2 = BinToDec(b2, messages_).toDecimal())) return false;
        value2 = *d2;
        break;
    }
    default:  // 10
        if (!(d1 = CalcValue(text1).toDecimal())) return false;
        value1 = *d1;
        if (!(d2 = CalcValue(text2).toDecimal())) return false;
        value2 = *d2;
        text1 = value1.text();
        text2 = value2.text();
        break;
    }

    // Apply the operation.
    std::optional<Decimal96> decimal;
    const auto negated = [](std::int64_t r) { return multiply(Decimal96(-1), Decimal96(r)); };
    const auto logical = [&](auto bitwise, auto negate) -> std::optional<Decimal96> {
        const auto a1 = absoluteInt32(*d1);
        const auto a2 = absoluteInt32(*d2);
        if (!a1 || !a2) return std::nullopt;
        const std::int64_t r = bitwise(*a1, *a2);
        return negate(d1->isNegative(), d2->isNegative()) ? negated(r) : Decimal96(r);
    };
    const auto bitAnd = [](std::int64_t a, std::int64_t b) { return a & b; };
    const auto bitOr = [](std::int64_t a, std::int64_t b) { return a | b; };
    const auto bitXor = [](std::int64_t a, std::int64_t b) { return a ^ b; };
    const auto both = [](bool n1, bool n2) { return n1 && n2; };
    const auto either = [](bool n1, bool n2) { return n1 || n2; };
    const auto one = [](bool n1, bool n2) { return n1 != n2; };
    switch (operation) {
    case Operation::Add: decimal = add(*d1, *d2); break;
    case Operation::Subtract: decimal = subtract(*d1, *d2); break;
    case Operation::Multiply: decimal = multiply(*d1, *d2); break;
    case Operation::Divide: decimal = divide(*d1, *d2); break;
    case Operation::Power: resultValue = PowerOf(value1, value2); break;
    case Operation::Remainder: resultValue = RemainderTwo(value1, value2); break;
    case Operation::And: decimal = logical(bitAnd, both); break;
    case Operation::Or: decimal = logical(bitOr, either); break;
    case Operation::Xor: decimal = logical(bitXor, one); break;
    case Operation::Not: resultValue = BinaryNot(value2, messages_); break;
    case Operation::AndNot:
    case Operation::OrNot: {
        const auto inner = operation == Operation::AndNot ? logical(bitAnd, both) : logical(bitOr, either);
        if (!inner) return false;
        resultValue = BinaryNot(*inner, messages_);
        break;
    }
    }
    const bool decimalOperation = operation == Operation::Add || operation == Operation::Subtract ||
                                  operation == Operation::Multiply || operation == Operation::Divide ||
                                  operation == Operation::And || operation == Operation::Or ||
                                  operation == Operation::Xor;
    if (decimalOperation) {
        if (!decimal) return false;
        resultValue = *decimal;
    }

    // Write the result in the data radix.
    if (currentRadix == 10)
        text3 = resultValue.trimmedText();
    else
        text3 = fromBinary(DecToBin(resultValue, messages_).text(), currentRadix, messages_);

    if (Journal().errorCount > 0) text3 = t::kJournalFailure;
    label6Visible = text3.size() >= kLongResult;
    if (label6Visible) label6 = t::longResult(int(text3.size()));
    return true;
}

// --- Other commands ------------------------------------------------------------------------

void BaseCalculatorScreen::showMain() { screens_.show(ScreenId::Main); }

void BaseCalculatorScreen::showMenu() {
    statusLine = screens_.show(ScreenId::ModuleMenu) ? QString() : texts::main::moduleComing(t::kMenu);
}

void BaseCalculatorScreen::printScreen() { printer_.printWindow(); }

void BaseCalculatorScreen::openHomePage() { web_.open(web::kHome); }

}  // namespace cesuan
