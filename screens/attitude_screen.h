#pragma once
// The plane attitude window as a controller over plain texts: three points of a
// point list, the first chosen by its serial and the next two following it in the list
// (wrapping round to its start), give the plane through them, its strike, dip direction and
// dip, the sides of the triangle and a confidence figure.

#include "engine/journal.h"
#include "geodesy/attitude.h"
#include "geodesy/point_list.h"
#include "screens/platform.h"

#include <QString>
#include <QStringList>

namespace cesuan {

class AttitudeScreen {
public:
    AttitudeScreen(MessageBoxService& messages, WindowPrinter& printer, ScreenNavigator& screens);

    // --- The window's texts and choices ---
    QString windowTitle;
    QString pointText;         // the point list (CR LF)
    QString resultText;        // the result text (CR LF)
    bool serialColumn = true;  // shown only: the list is always read with serials
    QString serialColumnCaption;
    QStringList serialChoices;  // "0" and the serials
    QString chosenSerial;       // the serial of the first point; may be typed
    QString computeCaption, printCaption, printTooltip;
    QString heading, formatNote, directionNote, choiceLabel, choiceNote, resultHeading;
    QString statusLine;            // what a button says when its screen is not there yet

    // The points of the last parse.
    PointList points;

    // --- Operations, one per event ---
    void load();
    void serialColumnClicked(bool checked);  // the serial check box: its caption stays
    void serialChoicesOpened();              // the first-point list gets the focus: its items from the serials
    void compute();                          // "计算": parse the point text, then computeFromPoints()
    void computeFromPoints();                // the computation after the parse, on `points`
    void printScreen();                      // "打印"
    void showCalculator();                   // to the main window
    void showMenu();                         // to the module menu

    // The journal of the last command.
    const CalcErrorJournal& journal() const { return journal_; }

private:
    MessageBoxService& messages_;
    WindowPrinter& printer_;
    ScreenNavigator& screens_;
    CalcErrorJournal journal_;
};

}  // namespace cesuan
