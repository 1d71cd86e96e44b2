#include "screens/bearing_screen.h"

#include "angles/angle_units.h"
#include "engine/arithmetic.h"
#include "engine/journal.h"
#include "engine/power.h"
#include "engine/rounding.h"
#include "engine/trig.h"
#include "screens/bearing_texts.h"
#include "screens/main_screen_texts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace cesuan {

namespace t = texts::bearing;

namespace {

CalcValue orZero(const CalcValue& v) { return v.isEmpty() ? CalcValue(0) : v; }

// -1, 0 or 1; 0 also for a value that is no number.
int signOf(const CalcValue& v) {
    if (v.isDecimal()) return v.decimal().isZero() ? 0 : (v.decimal().isNegative() ? -1 : 1);
    const std::optional<double> d = v.toDouble();
    if (!d) return 0;
    return (*d > 0) - (*d < 0);
}

CalcValue absOf(const CalcValue& v) {
    if (v.isDecimal()) return v.decimal().abs();
    if (v.isDouble()) return std::fabs(v.doubleValue());
    if (v.isEmpty()) return v;
    return absOf(ToCalcValue(v));
}

// The arctangent in double precision, as the screen computes it; empty for an empty value.
CalcValue arctan(const CalcValue& v) {
    const std::optional<double> d = v.toDouble();
    if (!d) return CalcValue();
    return std::atan(*d);
}

CalcValue degreesOf(const CalcValue& radians) {
    return RoundHalfUp(MultiplyTwo(radians, CalcValue(kDegreesPerRadianText)), 6);
}

}  // namespace

BearingScreen::BearingScreen(MessageBoxService& messages, WindowPrinter& printer, ScreenNavigator& screens)
    : messages_(messages), printer_(printer), screens_(screens) {
    windowTitle = t::kWindowTitle;
    text1 = t::kStartPoints;
    check1 = true;
    check1Caption = t::kGridCoordinates;
    command1Caption = t::kCompute;
    command2Caption = t::kPrint;
    command2Tooltip = t::kTipPrint;
    label1 = t::kHeading;
    label2 = t::kFormatNote;
    label4 = t::kZeroDirections;
    label5 = t::kUsePoint;
    label6 = t::kAsOrigin;
    label7 = t::kColumnHeading;
    load();
}

void BearingScreen::load() {
    combo2Items = QStringList{t::kNoOrigin};
    combo2Text = combo2Items[0];
}

void BearingScreen::check1Clicked(bool checked) {
    check1 = checked;
    check1Caption = checked ? t::kGridCoordinates : t::kGeodeticCoordinates;
}

void BearingScreen::combo2GotFocus() {
    ParsePointList(text1, check1, points, messages_);
    const QString kept = combo2Text;
    combo2Items = QStringList{t::kNoOrigin};
    for (const SurveyPoint& p : points.points) combo2Items.append(p.serial);
    combo2Text = kept;
}

bool BearingScreen::Measure(const SurveyPoint& origin, const SurveyPoint& point, Result& result) {
    const CalcValue dX = SubtractTwo(orZero(point.x), orZero(origin.x));
    const CalcValue dY = SubtractTwo(orZero(point.y), orZero(origin.y));
    const CalcValue dH = SubtractTwo(orZero(point.h), orZero(origin.h));
    if (dX.isEmpty() || dY.isEmpty() || dH.isEmpty()) return false;

    // Horizontal distance.
    const CalcValue distance = absOf(SquareRoot(AddTwo(MultiplyTwo(dY, dY), MultiplyTwo(dX, dX))));
    if (distance.isEmpty()) return false;

    // Azimuth: the acute angle to the X axis, then by quadrant.
    const int sx = signOf(dX);
    const int sy = signOf(dY);
    const CalcValue g = sx == 0 ? CalcValue(QStringLiteral("0.0000000001")) : dX;
    const CalcValue acute = absOf(degreesOf(arctan(DivideTwo(dY, g))));
    CalcValue angle;
    if (sx == 0) {
        angle = sy == 0 ? 0 : (sy > 0 ? 90 : 270);
    } else if (sy == 0) {
        angle = sx > 0 ? 0 : 180;
    } else if (sx > 0) {
        angle = sy > 0 ? acute : SubtractTwo(360, acute);
    } else {
        angle = sy > 0 ? SubtractTwo(180, acute) : AddTwo(180, acute);
    }
    if (angle.isEmpty()) return false;

    // Slope distance, from the unrounded horizontal distance.
    const CalcValue slope = absOf(SquareRoot(AddTwo(MultiplyTwo(dH, dH), MultiplyTwo(distance, distance))));
    if (slope.isEmpty()) return false;

    // Vertical angle, above the horizontal positive.
    CalcValue vertical = 0;
    const int sh = signOf(dH);
    if (sh != 0) {
        if (signOf(distance) == 0) {
            const CalcValue halfPi(kHalfPiText);
            vertical = sh > 0 ? halfPi : SubtractTwo(0, halfPi);
        } else {
            vertical = arctan(DivideTwo(dH, distance));
        }
    }
    const CalcValue verticalDegrees = degreesOf(vertical);
    if (verticalDegrees.isEmpty()) return false;

    const CalcValue shown[4] = {RoundHalfUp(distance, 3), RoundHalfUp(DecimalDegreeToDms(angle), 6),
                                RoundHalfUp(slope, 3), RoundHalfUp(DecimalDegreeToDms(verticalDegrees), 6)};
    for (const CalcValue& v : shown)
        if (v.isEmpty()) return false;
    result = {shown[0].trimmedText(), shown[1].trimmedText(), shown[2].trimmedText(), shown[3].trimmedText()};
    return true;
}

void BearingScreen::compute() {
    ResetJournal();
    text1 = ParsePointList(text1, check1, points, messages_);

    const auto chosen = std::find_if(points.points.begin(), points.points.end(),
                                     [&](const SurveyPoint& p) { return p.serial == combo2Text; });
    SurveyPoint origin;
    if (chosen != points.points.end()) {
        origin = *chosen;
    } else {
        origin.serial = t::kNoOrigin;
        origin.x = origin.y = origin.h = 0;
        combo2Text = t::kNoOrigin;
    }
    if (Journal().errorCount > 0) return fail();

    std::vector<std::array<QString, 5>> rows;
    rows.reserve(points.points.size());
    for (const SurveyPoint& p : points.points) {
        Result r;
        if (!Measure(origin, p, r) || Journal().errorCount > 0) return fail();
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
    text2 = table;
}

void BearingScreen::fail() {
    messages_.show(t::kMsgDataError);
    text2 = QStringLiteral(" ");
}

void BearingScreen::printScreen() { printer_.printWindow(); }

void BearingScreen::showCalculator() {
    statusLine = screens_.show(ScreenId::Main) ? QString() : texts::main::moduleComing(t::kCalculator);
}

void BearingScreen::showMenu() {
    statusLine = screens_.show(ScreenId::ModuleMenu) ? QString() : texts::main::moduleComing(t::kMenu);
}

}  // namespace cesuan
