#pragma once
// The statistics window as a controller over plain texts: the data box, the
// lead-column and separator lists, and the result grid of ten measures for up to five
// columns of numbers.

#include "engine/journal.h"
#include "engine/calc_value.h"
#include "screens/picture.h"
#include "screens/platform.h"
#include "statistics/data_text.h"

#include <QString>

#include <array>

namespace cesuan {

// Reads a data box as the statistics window reads it: the text cleaned, a blank separator
// replaced by "*" (with its warning; `separator` and `separatorIndex` then name "*"), the
// rows split by the pattern of the leading name columns and aligned. The notices are shown;
// the aligned text is returned. Number column c (1 … 5) of a row is its field c + 1.
QString ReadStatisticsTable(MessageBoxService& messages, CalcErrorJournal& journal, const QString& data,
                            QChar& separator, int& separatorIndex, int leadingColumns, DataTable& table);

class StatisticsScreen {
public:
    StatisticsScreen(MessageBoxService& messages, WindowPrinter& printer, FileChooser& files, ScreenNavigator& screens);

    // --- The window's texts ---
    QString data;                 // the data table (CR LF line ends)
    int leadingColumnsIndex = 1;  // leading name columns: item k is "k"
    int separatorIndex = 0;       // the separator list; item 0 is "*"
    QString placesNote;           // "结果保留15 位小数！"
    // The result grid of 50 boxes: grid[row][column], rows 0..9, columns 0..4.
    std::array<std::array<QString, 5>, 10> grid;

    // A box of the grid by its number 2 … 51 (row by row), as the window numbers its boxes.
    QString& gridBox(int textNumber) { return grid[std::size_t((textNumber - 2) / 5)][std::size_t((textNumber - 2) % 5)]; }

    // --- The pictures beside the grid: a histogram of one number column, a scatter of two ---
    int histogramColumnIndex = 0;  // number column histogramColumnIndex + 1
    bool binsByRule = true;        // the bin count by the Freedman–Diaconis rule
    int binCount = 1;              // the bins drawn (the rule's count while binsByRule)
    int scatterXIndex = 0;         // number columns of the scatter's x and y, from 0
    int scatterYIndex = 1;
    Picture histogram;
    Picture scatter;

    // --- Operations ---
    void load();                      // the window is created
    void chooseSeparator(int index);  // an entry of the separator list
    void chooseLeadingColumns(int index);
    void computeStatistics();  // "统 计": the grid and both pictures
    void chooseHistogramColumn(int index);
    void chooseBinCount(int bins);        // a count typed or stepped: the rule is left
    void binsByRuleClicked(bool checked);  // 自动: the rule's count again
    void chooseScatterColumns(int xIndex, int yIndex);
    void printScreen();        // "打屏幕"
    void learn();                        // "学 习": the help at the statistics topic
    // "保 存": computes the measures, then writes the table and the grid to a CSV file.
    void save();
    // "导 入": a text or CSV file into the data box; a CSV file's cells are separated by ","
    // (or, where a cell holds a comma, by the first separator no cell holds).
    void import();

    // The aligned table, one cell a column, then after an empty row the grid under its
    // column headers, each row after its label: the CSV file that 保存 writes.
    QString resultCsv() const;
    // The data box's text of a CSV file: its rows up to the grid that 保存 put after them,
    // the cells joined by `separator`, which becomes the first entry of the separator list
    // that no cell holds (",", when none holds a comma).
    static QString dataOfCsv(const QString& csv, QChar& separator);

    QChar dataSeparator = u'*';
    int decimalPlaces = 15;
    DataTable table;

    // The text a grid gridBox shows for a value: rounded to `places`, a blank before a value that
    // is not negative; the double 1E+28 of a zero mean is shown as " 1E+28".
    static QString boxText(CalcErrorJournal& journal, const CalcValue& value, int places);

    // The journal of the last command.
    const CalcErrorJournal& journal() const { return journal_; }

private:
    void drawHistogram();
    void drawScatter();

    MessageBoxService& messages_;
    WindowPrinter& printer_;
    FileChooser& files_;
    ScreenNavigator& screens_;
    CalcErrorJournal journal_;
};

}  // namespace cesuan
