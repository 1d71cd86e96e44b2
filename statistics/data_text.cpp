#include "statistics/data_text.h"

#include "engine/calc_value.h"
#include "engine/journal.h"
#include "engine/rounding.h"
#include "statistics/data_texts.h"

#include <QHash>

namespace cesuan {
namespace {

constexpr std::array kDataCharacters = std::to_array<DataCharacterMapping>({
    {u" ", u"\u3000"},
    {u"~", u"～"},
    {u"`", u"｀"},
    {u"#", u"＃"},
    {u"@", u"＠"},
    {u"￥", u"\u00A5"},
    {u"$", u"＄"},
    {u"&", u"＆"},
    {u";", u"；"},
    {u"\"", u"\u201C＂\u201D"},
    {u"'", u"\u2018＇\u2019"},
    {u",", u"，"},
    {u".", u"。．\u00B7"},
    {u"=", u"＝"},
    {u"?", u"？"},
    {u"+", u"＋\u254B\u253C"},
    {u"_", u"＿"},
    {u"-", u"\u2014\u2500\u2501\u2015\uFF0D"},
    {u"*", u"＊"},
    {u"χ", u"\u00D7"},
    {u":", u"\uFF5C："},
    {u"\\", u"＼"},
    {u"!", u"！"},
    {u"%", u"％"},
    {u"^", u"＾"},
    {u"π", u"\u03A0\u220F"},
    {u"(", u"（〔"},
    {u"[", u"［"},
    {u"<", u"＜〈"},
    {u"{", u"｛"},
    {u")", u"）〕"},
    {u"]", u"］"},
    {u">", u"＞〉"},
    {u"}", u"｝"},
    {u"A", u"Ａ"}, {u"B", u"Ｂ"}, {u"C", u"Ｃ"}, {u"D", u"Ｄ"}, {u"E", u"Ｅ"}, {u"F", u"Ｆ"}, {u"G", u"Ｇ"},
    {u"H", u"Ｈ"}, {u"I", u"Ｉ"}, {u"J", u"Ｊ"}, {u"K", u"Ｋ"}, {u"L", u"Ｌ"}, {u"M", u"Ｍ"}, {u"N", u"Ｎ"},
    {u"O", u"Ｏ"}, {u"P", u"Ｐ"}, {u"Q", u"Ｑ"}, {u"R", u"Ｒ"}, {u"S", u"Ｓ"}, {u"T", u"Ｔ"}, {u"U", u"Ｕ"},
    {u"V", u"Ｖ"}, {u"W", u"Ｗ"}, {u"X", u"Ｘ"}, {u"Y", u"Ｙ"}, {u"Z", u"Ｚ"},
    {u"a", u"ａ"}, {u"b", u"ｂ"}, {u"c", u"ｃ"}, {u"d", u"ｄ"}, {u"e", u"ｅ"}, {u"f", u"ｆ"}, {u"g", u"ｇ"},
    {u"h", u"ｈ"}, {u"i", u"ｉ"}, {u"j", u"ｊ"}, {u"k", u"ｋ"}, {u"l", u"ｌ"}, {u"m", u"ｍ"}, {u"n", u"ｎ"},
    {u"o", u"ｏ"}, {u"p", u"ｐ"}, {u"q", u"ｑ"}, {u"r", u"ｒ"}, {u"s", u"ｓ"}, {u"t", u"ｔ"}, {u"u", u"ｕ"},
    {u"v", u"ｖ"}, {u"w", u"ｗ"}, {u"x", u"ｘ"}, {u"y", u"ｙ"}, {u"z", u"ｚ"},
    {u"0", u"０另零"},
    {u"1", u"１一壹"},
    {u"2", u"２二贰"},
    {u"3", u"３三叁"},
    {u"4", u"４四肆"},
    {u"5", u"５五伍"},
    {u"6", u"６六陆"},
    {u"7", u"７七柒"},
    {u"8", u"８八捌"},
    {u"9", u"９九玖"},
});

const QHash<char16_t, char16_t>& dataLookup() {
    static const QHash<char16_t, char16_t> lookup = [] {
        QHash<char16_t, char16_t> h;
        for (const DataCharacterMapping& row : kDataCharacters)
            for (const char16_t* c = row.characters; *c; ++c) h.insert(*c, row.result[0]);
        return h;
    }();
    return lookup;
}

}  // namespace

std::span<const DataCharacterMapping> DataCharacterTable() { return kDataCharacters; }

QString NormaliseDataText(const QString& text) {
    const QHash<char16_t, char16_t>& lookup = dataLookup();
    QString result = text;
    for (QChar& c : result) {
        if (c.unicode() < 0x80) continue;  // ASCII stays as it is
        const auto it = lookup.constFind(c.unicode());
        if (it != lookup.constEnd()) c = QChar(*it);
    }
    return result;
}

QString ColumnPattern(int leadingColumns) {
    switch (leadingColumns) {
    case 0: return QStringLiteral("23456");
    case 2: return QStringLiteral("1823456");
    case 3: return QStringLiteral("18923456");
    default: return QStringLiteral("123456");
    }
}

bool IsBlankCell(const QString& cell) { return !(TrimBlanks(cell) > QStringLiteral(" ")); }

void ParseDataTable(CalcErrorJournal& journal, DataTable& table, const QString& text, QChar separator, const QString& pattern) {
    ResetJournal(journal);
    table.records.clear();
    if (text.isEmpty()) return;
    QString s = text;
    if (!s.endsWith(u'\r') && !s.endsWith(QStringLiteral("\r\n"))) s += QStringLiteral("\r\n");
    table.records.resize(std::size_t(s.count(u'\r')));

    // The fields the cells of a line go to, by column; 0 drops the cell.
    std::vector<int> fieldOfColumn;
    for (QChar c : pattern) fieldOfColumn.push_back(c >= u'1' && c <= u'9' ? c.unicode() - u'0' : 0);

    std::size_t record = 0;
    std::size_t column = 0;
    qsizetype start = 0;
    for (qsizetype p = 0; p < s.size(); ++p) {
        const QChar ch = s[p];
        if (ch != separator && ch != u'\r') continue;
        if (column < fieldOfColumn.size()) {
            if (fieldOfColumn[column] != 0)
                table.records[record].field[std::size_t(fieldOfColumn[column])] = s.mid(start, p - start);
        } else {
            table.records[record].beyond.append(s.mid(start, p - start));
        }
        if (ch == separator) {
            ++column;
            start = p + 1;
            continue;
        }
        // A line end: CR LF, or a lone CR.
        const bool last = p == s.size() - 1 || (p == s.size() - 2 && s[p + 1] == u'\n');
        if (last) break;
        if (s[p + 1] == u'\n') ++p;
        start = p + 1;
        column = 0;
        ++record;
    }
}

QString FormatDataTable(CalcErrorJournal& journal, DataTable& table, QChar separator, const QString& pattern) {
    ResetJournal(journal);
    for (ValueList& list : table.values) list = ValueList{};
    table.notNumbers.clear();
    table.beyondColumns = 0;
    std::vector<int> beyondWidths;
    for (std::size_t r = 0; r < table.records.size(); ++r) {
        DataRecord& record = table.records[r];
        for (int f = 1; f <= 9; ++f) {
            QString t = TrimBlanks(record.field[std::size_t(f)]);
            if (IsBlankCell(t)) continue;
            if (f >= 2 && f <= 7) {
                CalcErrorJournal reading;
                const QString number = ToCalcValue(reading, record.field[std::size_t(f)]).trimmedText();
                if (reading.errorCount > 0) {
                    // As typed, outside the measures, named by its row and column.
                    record.field[std::size_t(f)] = t;
                    ValueList& list = table.values[std::size_t(f)];
                    list.width = std::max(list.width, DisplayWidth(t));
                    table.notNumbers.append(texts::cellName(int(r) + 1, int(pattern.indexOf(QChar(u'0' + f))) + 1, t));
                    continue;
                }
                t = number;
                record.field[std::size_t(f)] = t;
                if (IsBlankCell(t)) continue;
            }
            ValueList& list = table.values[std::size_t(f)];
            list.items.append(t);
            list.width = std::max(list.width, DisplayWidth(t));
        }
        table.beyondColumns = std::max(table.beyondColumns, int(record.beyond.size()));
        if (beyondWidths.size() < std::size_t(record.beyond.size())) beyondWidths.resize(std::size_t(record.beyond.size()), 0);
        for (qsizetype c = 0; c < record.beyond.size(); ++c)
            beyondWidths[std::size_t(c)] = std::max(beyondWidths[std::size_t(c)], DisplayWidth(TrimBlanks(record.beyond[c])));
    }
    if (!table.notNumbers.isEmpty()) AddNotice(journal, texts::msgNotNumbers(table.notNumbers));
    if (table.beyondColumns > 0) AddNotice(journal, texts::msgColumnsNotMeasured(int(pattern.size()) + 1));

    QString out;
    out.reserve(qsizetype(table.records.size()) * 64);
    for (const DataRecord& record : table.records) {
        const qsizetype lineStart = out.size();
        for (QChar d : pattern) {
            const int f = d.unicode() - u'0';
            const QString cell = TrimBlanks(record.field[std::size_t(f)]);
            const int padding = table.values[std::size_t(f)].width - DisplayWidth(cell) + 1;
            out.append(QString(std::max(padding, 0), u' ')).append(cell).append(u' ').append(separator);
        }
        // The cells after the pattern, aligned as well.
        for (qsizetype c = 0; c < record.beyond.size(); ++c) {
            const QString cell = TrimBlanks(record.beyond[c]);
            const int padding = beyondWidths[std::size_t(c)] - DisplayWidth(cell) + 1;
            out.append(QString(std::max(padding, 0), u' ')).append(cell).append(u' ').append(separator);
        }
        if (out.size() > lineStart) out.chop(1);  // the last separator
        out.append(QStringLiteral("\r\n"));
    }
    return out;
}

}  // namespace cesuan
