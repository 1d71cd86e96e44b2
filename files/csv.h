#pragma once
// Comma-separated values as spreadsheets write and read them: a cell holding a comma, a
// quote or a line end is quoted, its quotes doubled; rows end with CR LF.

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace cesuan {

// One row with its line end.
QString CsvRow(const QStringList& cells);

// The rows of a CSV text. A row ends at CR LF, a lone CR or a lone LF outside quotes; a
// quoted cell keeps its line ends and commas; a last empty line is no row.
QList<QStringList> ParseCsv(QStringView text);

}  // namespace cesuan
