#pragma once
// The plane attitude window (Form216) as a controller over plain texts: three points of a
// point list, the first chosen by its serial and the next two following it in the list
// (wrapping round to its start), give the plane through them, its strike, dip direction and
// dip, the sides of the triangle and a confidence figure.

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
    QString text1;                 // the point list (CR LF)
    QString text2;                 // the result text (CR LF)
    bool check1 = true;            // shown only: the list is always read with serials
    QString check1Caption;
    QStringList combo2Items;       // "0" and the serials
    QString combo2Text;            // the serial of the first point; may be typed
    QString command1Caption, command2Caption, command2Tooltip;
    QString label1, label2, label4, label5, label6, label7;
    QString statusLine;            // what a button says when its screen is not there yet

    // The points of the last parse.
    PointList points;

    // --- Operations, one per event ---
    void load();
    void check1Clicked(bool checked);  // Check1: the caption stays
    void combo2GotFocus();             // Combo2 gets the focus: its list from the serials
    void compute();                    // Command1: parse Text1, then computeFromPoints()
    void computeFromPoints();          // Command1 after the parse, on `points`
    void printScreen();                // Command2
    void showCalculator();             // to the main window
    void showMenu();                   // to the module menu

private:
    MessageBoxService& messages_;
    WindowPrinter& printer_;
    ScreenNavigator& screens_;
};

}  // namespace cesuan
