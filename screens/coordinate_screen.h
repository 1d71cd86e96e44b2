#pragma once
// The coordinate conversion window (Form213) as a controller over plain texts: lists of
// points converted between latitude/longitude and Gauss–Krüger grid coordinates of 6°, 3° and
// 1.5° zones, and between zone widths, on a chosen ellipsoid and central meridian.

#include "geodesy/coordinate_text.h"
#include "screens/main_screen.h"  // Rgb
#include "screens/platform.h"

#include <QString>

namespace cesuan {

class CoordinateScreen {
public:
    CoordinateScreen(MessageBoxService& messages, WindowPrinter& printer, WebPageOpener& web,
                     ScreenNavigator& screens);

    // --- The window's texts and choices ---
    QString text1;                 // input (CR LF)
    QString text2;                 // output (CR LF)
    int combo3Index = 8;           // the central-meridian list; its text may be typed
    QString combo3Text;
    int combo4Index = 0;           // ellipsoid: 北京, 西安, WGS, CGCS2000
    int combo5Index = 0;           // separator list
    QString option1Caption;        // "X Y Z模式" or "Y X Z模式"
    Rgb option1Colour;
    QString option1Tooltip;
    bool check1 = true;            // 带序号输出
    QString check1Caption;
    QString label4;                // the zone numbers of the central meridian
    QString statusLine;            // what a button says when its screen is not there yet

    // --- State read before every conversion ---
    bool serialOutput = true;
    QString fieldSeparator = QStringLiteral(",");
    QString dataOrder = QStringLiteral("XYZ");
    QString ellipsoidCode = QStringLiteral("BJ");
    double centralMeridian = 117;
    QString savedExplanation;
    int pointLimit = kCoordinatePointLimit;  // points read from one text (the screen's 200)
    std::size_t threads = 0;                 // for a long list; 0: one a core

    // --- Operations, one per event ---
    void load();
    void zone1p5To3();    // Command1to3
    void zone3To6();      // Command3to6
    void zone3To1p5();    // Command3to1
    void zone6To3();      // Command6to3
    void zone1p5ToGeo();  // Command1toJ
    void zone3ToGeo();    // Command3toJ
    void zone6ToGeo();    // Command6toJ
    void geoToZone1p5();  // CommandJto1
    void geoToZone3();    // CommandJto3
    void geoToZone6();    // CommandJto6
    void meridianClicked(int index);  // Combo3 item chosen
    void meridianLostFocus();         // Combo3 left (its text may have been typed)
    void separatorClicked(int index); // Combo5 item chosen
    void toggleDataOrder();           // Option1 mouse-down
    void serialToggled(bool checked); // Check1 mouse-up
    void cleanInput();                // Label1 click
    void resetSeparator();            // Label21 click
    void resetMeridian();             // Label3 click
    void resetEllipsoid();            // Label5 click
    void swapTexts();                 // CommandJiaoHuan: Text1 ← Text2
    void showCalculator();            // CommandJsq
    void showMenu();                  // CommandQiTa
    void showHelp();                  // CommandHelp
    void printScreen();               // CommandPrint
    void gps() {}                     // CommandGps: no action
    void singleColumn() {}            // CommandDanLie: no action
    void openHomePage();              // web buttons
    void openCommunityPage();

    // "对应带号:" and the 6°, 3° and 1.5° zone numbers of a central meridian (" --" where
    // it is no central meridian of that width).
    static QString ZoneLabel(double meridian);

private:
    enum class Target { Geodetic, Zone6, Zone3, Zone1p5 };
    enum class Source { Geodetic, Zone6, Zone3, Zone1p5 };
    void convert(Source from, Target to);
    void readConversionSettings();
    bool meridianIsValid() const;
    void rejectMeridian();

    MessageBoxService& messages_;
    WindowPrinter& printer_;
    WebPageOpener& web_;
    ScreenNavigator& screens_;
};

}  // namespace cesuan
