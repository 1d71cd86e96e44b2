#include "screens/statistics_screen.h"

#include "engine/arithmetic.h"
#include "engine/journal.h"
#include "screens/message_box.h"
#include "engine/rounding.h"
#include "screens/statistics_texts.h"
#include "statistics/measures.h"

namespace cesuan {

namespace t = texts::statistics;

StatisticsScreen::StatisticsScreen(MessageBoxService& messages, WindowPrinter& printer)
    : messages_(messages), printer_(printer) {
    load();
}

void StatisticsScreen::load() {
    decimalPlaces = 15;
    data = t::kStartData;
    leadingColumnsIndex = 1;
    separatorIndex = 0;
    dataSeparator = u'*';
    placesNote = t::placesLabel(decimalPlaces);
    for (auto& row : grid) row.fill(QString());
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

void StatisticsScreen::computeStatistics() {
    ResetJournal(journal_);
    data = NormaliseDataText(data);
    if (dataSeparator == u' ') {
        // Blanks are never a separator: "*" takes their place.
        data.remove(u'*');
        data.replace(u' ', u'*');
        dataSeparator = u'*';
        separatorIndex = 0;
        messages_.showCancelTryContinue(t::kBlankSeparatorReplaced, t::kBlankSeparatorTitle);
    }
    const QString pattern = ColumnPattern(leadingColumnsIndex);
    ParseDataTable(journal_, table, data, dataSeparator, pattern);
    data = FormatDataTable(journal_, table, dataSeparator, pattern);
    ShowNotices(messages_, TakeNotices(journal_));
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
}

void StatisticsScreen::printScreen() { printer_.printWindow(); }

}  // namespace cesuan
