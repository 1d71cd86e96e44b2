#pragma once
// The texts of the data-table reading: the notices that name the cells left out.

#include <QString>
#include <QStringList>

namespace cesuan::texts {

// A cell by its row and column (both from 1) and its text: "第2行第3列 abc".
inline QString cellName(int row, int column, const QString& text) {
    return QStringLiteral("第") + QString::number(row) + QStringLiteral("行第") + QString::number(column) +
           QStringLiteral("列 ") + text;
}
// The number cells that are no numbers, in one notice.
inline QString msgNotNumbers(const QStringList& cells) {
    return QStringLiteral("以下单元格不是数字，未参加统计：\n") + cells.join(u'\n');
}
// Cells after the last measured column stay in the table.
inline QString msgColumnsNotMeasured(int firstColumn) {
    return QStringLiteral("只统计前5列数字；第") + QString::number(firstColumn) +
           QStringLiteral("列起的数据保留在表中，未参加统计。");
}

}  // namespace cesuan::texts
