#include "screens/forward_screen.h"

#include "geodesy/point_list.h"
#include "geodesy/survey_values.h"
#include "screens/file_actions.h"
#include "screens/forward_texts.h"
#include "screens/main_screen_texts.h"
#include "screens/message_box.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace cesuan {

namespace t = texts::forward;

namespace {

// A longer line is a mistake (and would leave no digit of its millimetres).
constexpr double kLongestDistance = 1e10;

}  // namespace

ForwardScreen::ForwardScreen(MessageBoxService& messages, WindowPrinter& printer, ScreenNavigator& screens,
                             FileChooser& files)
    : windowTitle(t::kWindowTitle),
      heading(t::kHeading),
      formatNote(t::kFormatNote),
      directionNote(t::kDirectionNote),
      stationLabel(t::kStation),
      stationHNote(t::kStationHNote),
      radialCaption(t::kRadial),
      chainCaption(t::kChain),
      computeCaption(t::kCompute),
      printCaption(t::kPrint),
      printTooltip(t::kTipPrint),
      resultHeading(t::kColumnHeading),
      stationX(t::kStartStationX),
      stationY(t::kStartStationY),
      stationH(t::kStartStationH),
      lineText(t::kStartLines),
      messages_(messages),
      printer_(printer),
      screens_(screens),
      files_(files) {}

void ForwardScreen::radialClicked() { chain = false; }
void ForwardScreen::chainClicked() { chain = true; }

void ForwardScreen::fail(const QString& message) {
    messages_.showError(message);
    resultText = QStringLiteral(" ");
    points.clear();
    rows.clear();
    failed = true;
}

void ForwardScreen::compute() {
    ResetJournal(journal_);
    failed = false;
    points.clear();
    rows.clear();

    // The station: X and Y needed, H optional.
    QStringList problems;
    const auto read = [&problems](const QString& field, const QString& text) -> std::optional<double> {
        const QString value = TrimBlanks(text).trimmed();
        if (value.isEmpty()) return std::nullopt;
        CalcErrorJournal reading;
        const CalcValue number = ToCalcValue(reading, CalcValue(value));
        const std::optional<double> d = number.toDouble();
        if (reading.errorCount > 0 || !d || !std::isfinite(*d)) {
            problems.append(t::msgStationNotANumber(field, value));
            return std::nullopt;
        }
        return d;
    };
    const std::optional<double> x = read(QStringLiteral("X"), stationX), y = read(QStringLiteral("Y"), stationY),
                                h = read(QStringLiteral("H"), stationH);
    if (!problems.isEmpty()) return fail(problems.join(u'\n') + u'\n' + t::kMsgDataError);
    if (!x || !y) return fail(t::kMsgNoStation);
    const ForwardStation station{*x, *y, h};

    // The lines: every one named, as the point lists are read.
    PointList list;
    ParsePointList(journal_, lineText, true, list, t::kLineFieldNames);
    ShowNotices(messages_, TakeNotices(journal_));
    if (!list.badValues.isEmpty()) return fail(list.badValues.join(u'\n') + u'\n' + t::kMsgDataError);
    if (list.points.empty()) return fail(t::kMsgNoLines);

    std::vector<ForwardLine> lines;
    lines.reserve(list.points.size());
    for (const SurveyPoint& p : list.points) {
        const QString& bearingName = t::kLineFieldNames[0];
        const QString& distanceName = t::kLineFieldNames[1];
        const QString& verticalName = t::kLineFieldNames[2];
        if (p.x.isEmpty()) problems.append(t::msgMissingValue(p.serial, bearingName));
        if (p.y.isEmpty()) problems.append(t::msgMissingValue(p.serial, distanceName));
        if (p.x.isEmpty() || p.y.isEmpty()) continue;
        ForwardLine line{p.serial, p.x.toDouble().value_or(0), p.y.toDouble().value_or(0), std::nullopt};
        if (!DmsFieldsValid(p.x)) problems.append(t::msgMinutesSecondsOver59(p.serial, bearingName, p.x.trimmedText()));
        else if (std::fabs(line.bearing) > 360) problems.append(t::msgValueOutOfRange(p.serial, bearingName, p.x.trimmedText()));
        if (line.distance < 0) problems.append(t::msgNegativeDistance(p.serial, p.y.trimmedText()));
        else if (!(line.distance <= kLongestDistance)) problems.append(t::msgValueOutOfRange(p.serial, distanceName, p.y.trimmedText()));
        if (!p.h.isEmpty()) {
            line.vertical = p.h.toDouble().value_or(0);
            if (!DmsFieldsValid(p.h)) problems.append(t::msgMinutesSecondsOver59(p.serial, verticalName, p.h.trimmedText()));
            else if (std::fabs(*line.vertical) > 90) problems.append(t::msgVerticalOutOfRange(p.serial, p.h.trimmedText()));
        }
        lines.push_back(line);
    }
    if (!problems.isEmpty()) return fail(problems.join(u'\n') + u'\n' + t::kMsgDataError);

    std::vector<ForwardPoint> computed = ForwardPoints(station, lines, chain ? ForwardMode::Chain : ForwardMode::Radial);
    for (const ForwardPoint& p : computed) {
        QStringList row = {p.name, FixedPlaces(p.x, 3), FixedPlaces(p.y, 3)};
        if (p.h) row.append(FixedPlaces(*p.h, 3));
        rows.push_back(row);
    }
    points = std::move(computed);

    // The table: columns right-aligned, " ," between them.
    std::vector<int> widths(4, 0);
    for (const QStringList& row : rows)
        for (qsizetype c = 0; c < row.size(); ++c) widths[std::size_t(c)] = std::max(widths[std::size_t(c)], int(row[c].size()));
    QString table;
    for (const QStringList& row : rows) {
        for (qsizetype c = 0; c < row.size(); ++c) {
            if (c > 0) table += QStringLiteral(" ,");
            table += row[c].rightJustified(widths[std::size_t(c)], u' ');
        }
        table += QStringLiteral("\r\n");
    }
    resultText = table;
}

void ForwardScreen::printScreen() { statusLine = ReportPrint(messages_, printer_.printWindow()); }

void ForwardScreen::openLines() { OpenPointList(files_, messages_, lineText, statusLine); }

void ForwardScreen::saveResult() { SaveResultText(files_, messages_, resultText, t::kResultFileName, statusLine); }

void ForwardScreen::showCalculator() {
    statusLine = screens_.show(ScreenId::Main) ? QString() : texts::main::moduleComing(t::kCalculator);
}

void ForwardScreen::showMenu() {
    statusLine = screens_.show(ScreenId::ModuleMenu) ? QString() : texts::main::moduleComing(t::kMenu);
}

}  // namespace cesuan
