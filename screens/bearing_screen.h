#pragma once
// The distance and bearing window (Form214) as a controller over plain texts: from one chosen
// origin point of a point list, the horizontal distance, the azimuth from true north (north
// 0, east 90, clockwise), the slope distance and the vertical angle (above the horizontal
// positive) of every point. Angles are shown as D.MMSSss.

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
    QString text1;                 // the point list (CR LF)
    QString text2;                 // the result table (CR LF)
    bool check1 = true;            // the lines carry serials
    QString check1Caption;
    QStringList combo2Items;       // "0" and the serials
    QString combo2Text;            // the origin; may be typed
    QString command1Caption, command2Caption, command2Tooltip;
    QString label1, label2, label4, label5, label6, label7;
    QString statusLine;            // what a button says when its screen is not there yet

    // The points of the last parse.
    PointList points;

    // --- Operations, one per event ---
    void load();
    void check1Clicked(bool checked);  // Check1
    void combo2GotFocus();             // Combo2 gets the focus: its list from the serials
    void compute();                    // Command1
    void printScreen();                // Command2
    void showCalculator();             // to the main window
    void showMenu();                   // to the module menu

    // The four result texts of one point seen from the origin (x0, y0, h0), or false after a
    // failure (logged in the journal). Empty values count as 0.
    struct Result {
        QString distance, azimuth, slopeDistance, verticalAngle;
    };
    static bool Measure(const SurveyPoint& origin, const SurveyPoint& point, Result& result);

private:
    void fail();

    MessageBoxService& messages_;
    WindowPrinter& printer_;
    ScreenNavigator& screens_;
};

}  // namespace cesuan
