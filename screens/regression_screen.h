#pragma once
// The linear regression window as a controller over plain texts: a pasted table read as
// the statistics window reads it (leading name columns, separator), y on x from two of its
// number columns by least squares for a polynomial of degree 1, 2 or 3, the coefficients
// with their standard errors, r, r², the residual standard deviation, a prediction for a
// typed x with its 95 % prediction interval, and the picture of the data and the curve.

#include "engine/journal.h"
#include "screens/picture.h"
#include "screens/platform.h"
#include "statistics/data_text.h"
#include "statistics/regression.h"

#include <QString>

#include <vector>

namespace cesuan {

class RegressionScreen {
public:
    RegressionScreen(MessageBoxService& messages, FileChooser& files, ScreenNavigator& screens);

    // --- The window's texts and choices ---
    QString data;                 // the data table (CR LF)
    int leadingColumnsIndex = 1;  // leading name columns: item k is "k"
    int separatorIndex = 0;       // the statistics window's separator list; item 0 is "*"
    int xColumnIndex = 0;         // x: number column xColumnIndex + 1
    int yColumnIndex = 1;         // y: number column yColumnIndex + 1
    int degreeIndex = 0;          // degree degreeIndex + 1
    QString xText;                // the x to predict at; empty: no prediction
    QString resultText;           // CR LF
    QString statusLine;
    Picture picture;              // the data and the fitted curve

    // --- State of the last computation ---
    QChar dataSeparator = u'*';
    DataTable table;
    std::vector<long double> xs, ys;  // the pairs used
    int skippedRows = 0;              // rows with only one of the two numbers
    bool fitted = false;
    RegressionFit fit;

    // --- Operations ---
    void load();
    void chooseSeparator(int index);
    void chooseLeadingColumns(int index);
    void compute();      // 回 归
    void importData();   // 导 入, Ctrl+O: a text or CSV file into the data box
    void showHelp();     // 帮 助, F1
    void showCalculator();

    int xColumn() const { return xColumnIndex + 1; }
    int yColumn() const { return yColumnIndex + 1; }
    int degree() const { return degreeIndex + 1; }

    // The pairs of number columns x and y (1 … 5) of the rows that hold both as numbers; the
    // rows that hold only one are counted in `skipped`.
    static void PairsOfColumns(const DataTable& table, int xColumn, int yColumn, std::vector<long double>& x,
                               std::vector<long double>& y, int& skipped);

private:
    void showFit();
    void drawPicture(const RegressionPrediction* prediction, double predictedAt);

    MessageBoxService& messages_;
    FileChooser& files_;
    ScreenNavigator& screens_;
    CalcErrorJournal journal_;
};

}  // namespace cesuan
