#include "screens/statistics_screen.h"

#include "engine/arithmetic.h"
#include "engine/journal.h"
#include "screens/message_box.h"
#include "engine/rounding.h"
#include "files/csv.h"
#include "screens/file_actions.h"
#include "screens/platform_texts.h"
#include "screens/statistics_texts.h"
#include "statistics/histogram.h"
#include "statistics/measures.h"
#include "statistics/regression.h"
#include "screens/picture_texts.h"
#include "screens/regression_screen.h"

#include <QFileInfo>

namespace cesuan {

namespace t = texts::statistics;

StatisticsScreen::StatisticsScreen(MessageBoxService& messages, WindowPrinter& printer, FileChooser& files,
                                   ScreenNavigator& screens)
    : messages_(messages), printer_(printer), files_(files), screens_(screens) {
    load();
}

void StatisticsScreen::learn() { screens_.showHelp(ScreenId::Statistics); }

void StatisticsScreen::load() {
    decimalPlaces = 15;
    data = t::kStartData;
    leadingColumnsIndex = 1;
    separatorIndex = 0;
    dataSeparator = u'*';
    placesNote = t::placesLabel(decimalPlaces);
    for (auto& row : grid) row.fill(QString());
    histogramColumnIndex = 0;
    binsByRule = true;
    binCount = 1;
    scatterXIndex = 0;
    scatterYIndex = 1;
    histogram = Picture{};
    scatter = Picture{};
}

void StatisticsScreen::chooseHistogramColumn(int index) {
    histogramColumnIndex = std::clamp(index, 0, 4);
    drawHistogram();
}

void StatisticsScreen::chooseBinCount(int bins) {
    binsByRule = false;
    binCount = std::clamp(bins, 1, kMaxHistogramBins);
    drawHistogram();
}

void StatisticsScreen::binsByRuleClicked(bool checked) {
    binsByRule = checked;
    drawHistogram();
}

void StatisticsScreen::chooseScatterColumns(int xIndex, int yIndex) {
    scatterXIndex = std::clamp(xIndex, 0, 4);
    scatterYIndex = std::clamp(yIndex, 0, 4);
    drawScatter();
}

void StatisticsScreen::drawHistogram() {
    namespace p = texts::picture;
    const int column = histogramColumnIndex + 1;
    std::vector<double> values;
    for (const QString& item : table.values[std::size_t(column + 1)].items) {
        long double v = 0;
        if (ReadExtendedNumber(item, v)) values.push_back(double(v));
    }
    if (binsByRule) binCount = FreedmanDiaconisBins(values);
    const Histogram bins = MakeHistogram(values, binCount);
    histogram = Picture{};
    histogram.kind = PictureKind::Chart;
    histogram.title = p::histogramTitle(column, int(values.size()), int(bins.counts.size()));
    histogram.hAxis = p::columnName(column);
    histogram.vAxis = p::kCountAxis;
    if (values.empty()) histogram.notes.append(p::kNoNumbers);
    const double width = bins.binWidth();
    for (std::size_t i = 0; i < bins.counts.size(); ++i)
        histogram.bars.push_back({bins.low + width * double(i), bins.low + width * double(i + 1), double(bins.counts[i])});
}

void StatisticsScreen::drawScatter() {
    namespace p = texts::picture;
    std::vector<long double> x, y;
    int skipped = 0;
    RegressionScreen::PairsOfColumns(table, scatterXIndex + 1, scatterYIndex + 1, x, y, skipped);
    scatter = Picture{};
    scatter.kind = PictureKind::Chart;
    scatter.title = p::scatterTitle(scatterXIndex + 1, scatterYIndex + 1, int(x.size()));
    scatter.hAxis = p::columnName(scatterXIndex + 1);
    scatter.vAxis = p::columnName(scatterYIndex + 1);
    const std::size_t drawn = std::min(x.size(), std::size_t(kPlanPointLimit) * 5);
    for (std::size_t i = 0; i < drawn; ++i)
        scatter.marks.push_back({QPointF(double(x[i]), double(y[i])), QString(), PictureInk::Point, MarkShape::Dot});
    if (x.size() > drawn) scatter.notes.append(p::morePointsThanDrawn(int(drawn)));
    if (x.empty()) scatter.notes.append(p::kNoNumbers);
}

void StatisticsScreen::chooseSeparator(int index) {
    if (index < 0 || index >= t::kSeparators.size()) return;
    separatorIndex = index;
    const QString entry = t::kSeparators[index];
    dataSeparator = entry.compare(QStringLiteral("tab"), Qt::CaseInsensitive) == 0 ? QChar(u'\t') : entry[0];
    if (dataSeparator == u' ') messages_.showCancelTryContinue(t::kBlankSeparatorWarning, t::kBlankSeparatorTitle);
}

void StatisticsScreen::chooseLeadingColumns(int index) { leadingColumnsIndex = std::clamp(index, 0, 3); }

QString StatisticsScreen::boxText(CalcErrorJournal& journal, const CalcValue& value, int places) {
    if (value.isEmpty()) return t::kCannotCompute;
    if (value.isDouble() && value.doubleValue() == 1E+28) return QStringLiteral(" 1E+28");
    const CalcValue rounded = RoundHalfUp(journal, value, places);
    if (rounded.isEmpty()) return t::kCannotCompute;
    const QString text = rounded.trimmedText();
    return text.startsWith(u'-') ? text : u' ' + text;
}

QString ReadStatisticsTable(MessageBoxService& messages, CalcErrorJournal& journal, const QString& data,
                            QChar& separator, int& separatorIndex, int leadingColumns, DataTable& table) {
    ResetJournal(journal);
    QString text = NormaliseDataText(data);
    if (separator == u' ') {
        // Blanks are never a separator: "*" takes their place.
        text.remove(u'*');
        text.replace(u' ', u'*');
        separator = u'*';
        separatorIndex = 0;
        messages.showCancelTryContinue(t::kBlankSeparatorReplaced, t::kBlankSeparatorTitle);
    }
    const QString pattern = ColumnPattern(leadingColumns);
    ParseDataTable(journal, table, text, separator, pattern);
    text = FormatDataTable(journal, table, separator, pattern);
    ShowNotices(messages, TakeNotices(journal));
    return text;
}

void StatisticsScreen::computeStatistics() {
    data = ReadStatisticsTable(messages_, journal_, data, dataSeparator, separatorIndex, leadingColumnsIndex, table);
    ResetJournal(journal_);

    for (std::size_t c = 0; c < 5; ++c) {
        const ValueList& list = table.values[c + 2];
        if (list.count() < 1) {
            for (auto& row : grid) row[c] = QStringLiteral(" ");
            continue;
        }
        const ColumnMeasures m = MeasureColumn(journal_, list.count(), list.items);
        const auto squared = [this](const CalcValue& sd) { return sd.isEmpty() ? sd : MultiplyTwo(journal_, sd, sd); };
        const CalcValue shown[9] = {m.min, m.max, m.mean, m.sum, m.stdDev, squared(m.stdDev), m.cv, squared(m.stdDevN), m.cvN};
        grid[0][c] = u' ' + QString::number(m.count);
        for (std::size_t r = 1; r < 10; ++r) grid[r][c] = boxText(journal_, shown[r - 1], decimalPlaces);
    }
    drawHistogram();
    drawScatter();
}

void StatisticsScreen::printScreen() { ReportPrint(messages_, printer_.printWindow()); }

namespace {

// The header row of the grid in a CSV file.
QStringList gridHeader() {
    QStringList header{t::kResultCorner};
    for (const QString& column : t::kColumnHeaders) header.append(column);
    return header;
}

}  // namespace

QString StatisticsScreen::resultCsv() const {
    QString csv;
    csv.reserve(data.size() + 2048);
    for (QStringView line : QStringView(data).split(u"\r\n")) {
        if (line.isEmpty()) continue;
        QStringList cells;
        for (QStringView cell : line.split(dataSeparator)) cells.append(cell.trimmed().toString());
        csv += CsvRow(cells);
    }
    csv += CsvRow({});
    csv += CsvRow(gridHeader());
    for (std::size_t r = 0; r < grid.size(); ++r) {
        QStringList cells{t::kRowLabels[r].trimmed()};
        for (const QString& box : grid[r]) cells.append(box.trimmed());
        csv += CsvRow(cells);
    }
    return csv;
}

QString StatisticsScreen::dataOfCsv(const QString& csv, QChar& separator) {
    separator = u',';
    const QString headerLine = CsvRow(gridHeader());
    if (!csv.contains(u'"')) {
        // No quoted cell: the rows are the lines, a comma between each two cells.
        QString text = csv;
        qsizetype measures = text.startsWith(headerLine) ? 0 : text.indexOf(QStringLiteral("\r\n") + headerLine);
        if (measures > 0) measures += 2;
        if (measures >= 0) {
            text.truncate(measures);
            if (text.endsWith(QStringLiteral("\r\n\r\n"))) text.chop(2);  // the empty row before the grid
            else if (text == u"\r\n") text.clear();
        }
        return text;
    }
    QList<QStringList> rows = ParseCsv(csv);
    const QStringList header = gridHeader();
    for (qsizetype r = 0; r < rows.size(); ++r) {
        if (rows[r] != header) continue;
        rows.resize(r > 0 && rows[r - 1] == QStringList{QString()} ? r - 1 : r);
        break;
    }
    const auto held = [&rows](QChar c) {
        for (const QStringList& row : rows)
            for (const QString& cell : row)
                if (cell.contains(c)) return true;
        return false;
    };
    if (held(separator)) {
        for (const QString& entry : t::kSeparators) {
            const QChar candidate = entry == u"Tab" ? QChar(u'\t') : entry[0];
            if (entry == u" " || held(candidate)) continue;
            separator = candidate;
            break;
        }
    }
    QString text;
    for (const QStringList& row : rows) text += row.join(separator) + QStringLiteral("\r\n");
    return text;
}

void StatisticsScreen::save() {
    const QString path = files_.savePath(texts::files::kSaveStatisticsTitle, texts::files::kCsvFilter,
                                         texts::files::kStatisticsFileName);
    if (path.isEmpty()) return;
    computeStatistics();
    WriteChosenFile(messages_, path, resultCsv());
}

void StatisticsScreen::import() {
    std::optional<OpenedTextFile> file =
        OpenTextFile(files_, messages_, texts::files::kOpenDataTitle, texts::files::kOpenFilter);
    if (!file) return;
    if (QFileInfo(file->path).suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0) {
        QChar separator;
        data = dataOfCsv(file->text, separator);
        const qsizetype entry = t::kSeparators.indexOf(separator == u'\t' ? QStringLiteral("Tab") : QString(separator));
        separatorIndex = int(entry);
        dataSeparator = separator;
    } else {
        data = std::move(file->text);
    }
    for (auto& row : grid) row.fill(QString());
    histogram = Picture{};
    scatter = Picture{};
}

}  // namespace cesuan
