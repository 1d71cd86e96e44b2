#include "screens/angle_screen.h"

#include "angles/angle_units.h"
#include "engine/journal.h"
#include "screens/message_box.h"
#include "screens/screen_texts.h"

#include <optional>

namespace cesuan {
namespace {

QString withoutBlanks(QString text) { return text.remove(u' '); }

// v × factor in decimal arithmetic; empty when v has no decimal value or the product
// leaves the decimal range (the screen shows an empty result then).
CalcValue timesConstant(const CalcValue& v, const QString& factorText) {
    const std::optional<Decimal96> x = v.toDecimal();
    const std::optional<Decimal96> factor = Decimal96::fromText(factorText);
    if (!x || !factor) return CalcValue();
    const std::optional<Decimal96> product = multiply(*x, *factor);
    return product ? CalcValue(*product) : CalcValue();
}

}  // namespace

AngleScreen::AngleScreen(MessageBoxService& messages)
    : angleCaption(texts::angles::kOriginalAngle), messages_(messages) {}

template <typename Conversion>
void AngleScreen::convert(const QString& name, Conversion conversion) {
    ResetJournal(journal_);
    angleCaption = name;
    failed = true;
    const QString typed = TrimBlanks(angle);
    if (typed.isEmpty()) {
        converted = texts::angles::kNoAngle;
        return;
    }
    const CalcValue v = ToCalcValue(journal_, CalcValue(angle));
    if (journal_.errorCount > 0) {
        converted = texts::angles::msgAngleNotANumber(typed);
        return;
    }
    // A double written with an exponent lies beyond the decimal range, where the
    // conversions would read it as 0.
    if (CountExponentMarks(v) > 0) {
        converted = texts::angles::msgAngleOutOfRange(typed);
        return;
    }
    angle = withoutBlanks(v.text());
    const CalcValue result = conversion(v);
    ShowNotices(messages_, TakeNotices(journal_));
    if (result.isEmpty() || CountExponentMarks(result) > 0) {
        converted = texts::angles::msgAngleOutOfRange(typed);
        return;
    }
    converted = withoutBlanks(result.text());
    failed = false;
}

void AngleScreen::radianToDms() {
    convert(texts::angles::kRadianToDmsName, [this](const CalcValue& v) {
        const CalcValue degrees = timesConstant(v, kDegreesPerRadianText);
        return degrees.isEmpty() ? degrees : DecimalDegreeToDms(journal_, degrees);
    });
}

void AngleScreen::radianToDecimalDegree() {
    convert(texts::angles::kRadianToDecimalDegreeName,
            [](const CalcValue& v) { return timesConstant(v, kDegreesPerRadianText); });
}

void AngleScreen::decimalDegreeToDms() {
    convert(texts::angles::kDecimalDegreeToDmsName,
            [this](const CalcValue& v) { return DecimalDegreeToDms(journal_, v); });
}

void AngleScreen::decimalDegreeToRadian() {
    convert(texts::angles::kDecimalDegreeToRadianName,
            [](const CalcValue& v) { return timesConstant(v, kRadiansPerDegreeText); });
}

void AngleScreen::dmsToRadian() {
    convert(texts::angles::kDmsToRadianName,
            [this](const CalcValue& v) { return DmsToRadian(journal_, v); });
}

void AngleScreen::dmsToDecimalDegree() {
    convert(texts::angles::kDmsToDecimalDegreeName,
            [this](const CalcValue& v) { return DmsToDecimalDegree(journal_, v); });
}

void AngleScreen::angleTyped() { angleCaption = texts::angles::kOriginalAngle; }

}  // namespace cesuan
