#include "files/csv.h"

namespace cesuan {

QString CsvRow(const QStringList& cells) {
    QString row;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0) row += u',';
        const QString& cell = cells[i];
        const bool quoted = cell.contains(u',') || cell.contains(u'"') || cell.contains(u'\r') || cell.contains(u'\n');
        if (!quoted) {
            row += cell;
            continue;
        }
        row += u'"';
        row += QString(cell).replace(u'"', QStringLiteral("\"\""));
        row += u'"';
    }
    return row + QStringLiteral("\r\n");
}

QList<QStringList> ParseCsv(QStringView text) {
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false;       // inside a quoted cell
    bool rowStarted = false;   // the row has a character
    bool cellStarted = false;  // the cell has a character (a quote then is a quote)
    const auto endRow = [&] {
        row.append(cell);
        rows.append(row);
        row.clear();
        cell.clear();
        rowStarted = false;
        cellStarted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"') {
                cell += c;
            } else if (i + 1 < text.size() && text[i + 1] == u'"') {
                cell += c;
                ++i;
            } else {
                quoted = false;
            }
            continue;
        }
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            endRow();
            continue;
        }
        rowStarted = true;
        if (c == u'"' && !cellStarted) {
            quoted = true;
            cellStarted = true;
        } else if (c == u',') {
            row.append(cell);
            cell.clear();
            cellStarted = false;
        } else {
            cell += c;
            cellStarted = true;
        }
    }
    if (rowStarted || quoted) endRow();
    return rows;
}

}  // namespace cesuan
