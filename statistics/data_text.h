#pragma once
// Pasted data tables: one row per line (CR LF, or a lone CR), cells split by one separator
// character, leading columns that hold names. The text is cleaned of full-width, Chinese and
// look-alike characters, split into records of nine fields as a column pattern says, and
// written back with right-aligned columns.

#include "engine/journal.h"

#include <QString>
#include <QStringList>

#include <array>
#include <span>
#include <vector>

namespace cesuan {

// One replacement of the data-text clean-up: every character of `characters` becomes `result`.
struct DataCharacterMapping {
    const char16_t* result;
    const char16_t* characters;
};
std::span<const DataCharacterMapping> DataCharacterTable();

// Full-width, Chinese and look-alike characters to their ASCII (or canonical) forms; the
// multiplication sign becomes χ and the full-width bar ":". Everything else stays.
QString NormaliseDataText(const QString& text);

// Nine text fields per line: 1, 8 and 9 hold names, 2 to 7 numbers.
struct DataRecord {
    std::array<QString, 10> field;  // field[1] … field[9]; field[0] unused
    QStringList beyond;             // the cells after the pattern's last column, as typed
};

// The non-blank cells of one field over all records, and the widest display width.
struct ValueList {
    QStringList items;
    int width = 0;
    int count() const { return int(items.size()); }
};

struct DataTable {
    std::vector<DataRecord> records;
    std::array<ValueList, 10> values;  // values[1] … values[9]
    // The number cells that are no numbers, each named by row, column and text, in order.
    QStringList notNumbers;
    int beyondColumns = 0;  // the most cells any line has after the pattern's last column
};

// The column patterns by the number of leading name columns (0 to 3): the c-th character
// names the field of the c-th cell.
QString ColumnPattern(int leadingColumns);

// A cell is blank when its trimmed text is empty or begins with a control character.
bool IsBlankCell(const QString& cell);

// Splits the text into records: a line ends at CR LF or a lone CR (a lone LF is part of a
// cell); cells beyond the pattern are kept as they are, outside the fields.
void ParseDataTable(CalcErrorJournal& journal, DataTable& table, const QString& text, QChar separator, const QString& pattern);

// Number cells become canonical number texts; a cell that is no number stays as typed, is
// left out of its value list and is named (one notice for all of them). Fills the value
// lists and returns the table with every column right-aligned, lines ended by CR LF; the
// cells beyond the pattern follow, aligned too, with a notice that they are not measured.
QString FormatDataTable(CalcErrorJournal& journal, DataTable& table, QChar separator, const QString& pattern);

}  // namespace cesuan
