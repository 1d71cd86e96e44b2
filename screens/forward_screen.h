#pragma once
// The stake-out window as a controller over plain texts: a station X, Y (H) and lines of
// name, bearing (D.MMSS), distance and optionally a vertical angle give the coordinates of
// each point, radial from the station or chained leg by leg (an open traverse).

#include "engine/journal.h"
#include "geodesy/forward.h"
#include "screens/platform.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace cesuan {

class ForwardScreen {
public:
    ForwardScreen(MessageBoxService& messages, WindowPrinter& printer, ScreenNavigator& screens, FileChooser& files);

    // --- The window's texts and choices ---
    QString windowTitle, heading, formatNote, directionNote, stationLabel, stationHNote;
    QString radialCaption, chainCaption, computeCaption, printCaption, printTooltip, resultHeading;
    QString stationX, stationY, stationH;  // H may stay empty: the points then have none
    bool chain = false;                    // leg by leg instead of radial from the station
    QString lineText;                      // name, bearing, distance[, vertical] a line (CR LF)
    QString resultText;                    // the table (CR LF)
    QString statusLine;

    // The points of the last command, and their cells as the table shows them: name, X, Y
    // and, with a station height, H (3 decimals).
    std::vector<ForwardPoint> points;
    std::vector<QStringList> rows;
    // The last command failed (its box said why).
    bool failed = false;

    // --- Operations, one per event ---
    void radialClicked();   // Option1
    void chainClicked();    // Option2
    void compute();         // the compute button
    void printScreen();
    void openLines();       // Ctrl+O: a text or CSV file into the line box
    void saveResult();      // Ctrl+S: the table into a text file
    void showCalculator();
    void showMenu();

private:
    void fail(const QString& message);

    MessageBoxService& messages_;
    WindowPrinter& printer_;
    ScreenNavigator& screens_;
    FileChooser& files_;
    CalcErrorJournal journal_;
};

}  // namespace cesuan
