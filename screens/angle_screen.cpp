#include "screens/angle_screen.h"

#include "angles/angle_units.h"
#include "engine/journal.h"
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
    : label1(texts::angles::kOriginalAngle), messages_(messages) {}

template <typename Conversion>
void AngleScreen::convert(const QString& name, Conversion conversion) {
    ResetJournal();
    label1 = name;
    const CalcValue v = ToCalcValue(CalcValue(text1));
    text1 = withoutBlanks(v.text());
    text2 = withoutBlanks(conversion(v).text());
}

void AngleScreen::radianToDms() {
    convert(texts::angles::kRadianToDmsName, [](const CalcValue& v) {
        const CalcValue degrees = timesConstant(v, kDegreesPerRadianText);
        return degrees.isEmpty() ? degrees : DecimalDegreeToDms(degrees);
    });
}

void AngleScreen::radianToDecimalDegree() {
    convert(texts::angles::kRadianToDecimalDegreeName,
            [](const CalcValue& v) { return timesConstant(v, kDegreesPerRadianText); });
}

void AngleScreen::decimalDegreeToDms() {
    convert(texts::angles::kDecimalDegreeToDmsName,
            [](const CalcValue& v) { return DecimalDegreeToDms(v); });
}

void AngleScreen::decimalDegreeToRadian() {
    convert(texts::angles::kDecimalDegreeToRadianName,
            [](const CalcValue& v) { return timesConstant(v, kRadiansPerDegreeText); });
}

void AngleScreen::dmsToRadian() {
    convert(texts::angles::kDmsToRadianName,
            [this](const CalcValue& v) { return DmsToRadian(v, messages_); });
}

void AngleScreen::dmsToDecimalDegree() {
    convert(texts::angles::kDmsToDecimalDegreeName,
            [this](const CalcValue& v) { return DmsToDecimalDegree(v, messages_); });
}

void AngleScreen::keyPressedInText1() { label1 = texts::angles::kOriginalAngle; }

}  // namespace cesuan
