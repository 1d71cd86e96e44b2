#pragma once
// The distance and bearing window as a controller over plain texts: from one chosen
// origin point of a point list, the horizontal distance, the azimuth from true north (north
// 0, east 90, clockwise), the slope distance and the vertical angle (above the horizontal
// positive) of every point. Angles are shown as D.MMSSss.

#include "engine/journal.h"
#include "geodesy/point_list.h"
#include "screens/platform.h"

#include <QString>
#include <QStringList>

namespace cesuan {

class BearingScreen {
public:
    BearingScreen(MessageBoxService& messages, WindowPrinter& printer, ScreenNavigator& screens);

    // --- The window's texts and choices ---
    QString windowTitle;
    QString pointText;         // the point list (CR LF)
    QString resultText;        // the result table (CR LF)
    bool serialColumn = true;  // the lines carry serials
    QString serialColumnCaption;
    QStringList serialChoices;  // "0" and the serials
    QString chosenSerial;       // the origin; may be typed
    QString computeCaption, printCaption, printTooltip;
    QString heading, formatNote, directionNote, choiceLabel, choiceNote, resultHeading;
    QString statusLine;            // what a button says when its screen is not there yet

    // The points of the last parse.
    PointList points;

    // Threads that measure a long list; 0: one a core.
    std::size_t threads = 0;

    // --- Operations, one per event ---
    void load();
    void serialColumnClicked(bool checked);  // the serial check box
    void serialChoicesOpened();              // the origin list gets the focus: its items from the serials
    void compute();                          // the compute button
    void printScreen();                      // the print button
    void showCalculator();                   // to the main window
    void showMenu();                         // to the module menu

    // The journal of the last command.
    const CalcErrorJournal& journal() const { return journal_; }

private:
    void fail();

    MessageBoxService& messages_;
    WindowPrinter& printer_;
    ScreenNavigator& screens_;
    CalcErrorJournal journal_;
};

}  // namespace cesuan
