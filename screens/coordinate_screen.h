#pragma once
// The coordinate conversion window as a controller over plain texts: lists of
// points converted between latitude/longitude and Gauss–Krüger grid coordinates of 6°, 3° and
// 1.5° zones, and between zone widths, on a chosen ellipsoid and central meridian.

#include "geodesy/coordinate_text.h"
#include "screens/main_screen.h"  // Rgb
#include "screens/picture.h"
#include "screens/platform.h"

#include <QString>

namespace cesuan {

class CoordinateScreen {
public:
    CoordinateScreen(MessageBoxService& messages, WindowPrinter& printer, WebPageOpener& web,
                     ScreenNavigator& screens, FileChooser& files);

    // --- The window's texts and choices ---
    QString input;                    // the points to convert (CR LF)
    QString output;                   // the result blocks, newest on top (CR LF)
    int meridianIndex = 8;            // the central-meridian list; its text may be typed
    QString meridianText;
    int ellipsoidIndex = 0;           // ellipsoid: 北京, 西安, WGS, CGCS2000
    int separatorIndex = 0;           // separator list
    QString orderCaption;             // "X Y Z模式" or "Y X Z模式"
    Rgb orderColour;
    QString orderTooltip;
    bool serialOutputChecked = true;  // 带序号输出
    QString serialOutputCaption;
    QString zoneLabel;                // the zone numbers of the central meridian
    QString statusLine;               // what a button, a file or the printer says happened
    // The plan of the last conversion: every point at its grid coordinates (the converted ones,
    // or the given ones of a conversion to latitude and longitude), labelled by its serial;
    // the points whose conversion failed are listed in its notes, not drawn.
    Picture plan;

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
    // The ten conversions, one a button.
    void zone1p5To3();
    void zone3To6();
    void zone3To1p5();
    void zone6To3();
    void zone1p5ToGeo();
    void zone3ToGeo();
    void zone6ToGeo();
    void geoToZone1p5();
    void geoToZone3();
    void geoToZone6();
    void meridianClicked(int index);   // an item of the meridian list chosen
    void meridianLostFocus();          // the meridian list left (its text may have been typed)
    void separatorClicked(int index);  // an item of the separator list chosen
    void toggleDataOrder();            // the data order button pressed
    void serialToggled(bool checked);  // 带序号输出 clicked
    void cleanInput();                 // a click on the input's label
    void resetSeparator();             // a click on the separator's label
    void resetMeridian();              // a click on the meridian's label
    void resetEllipsoid();             // a click on the ellipsoid's label
    void swapTexts();                  // 交换: the output becomes the input
    void showCalculator();             // to the calculator
    void showMenu();                   // 其它功能: the module menu
    void showHelp();                   // the help window
    void printScreen();                // the print button
    void openPoints();                 // Ctrl+O: a text or CSV file into the input
    void saveResult();                 // Ctrl+S: the output into a text file
    void gps();                        // GPS坐标转换: the transformation window
    void singleColumn() {}             // 单列: no action
    void openHomePage();              // web buttons
    void openCommunityPage();

    // "对应带号:" and the 6°, 3° and 1.5° zone numbers of a central meridian (" --" where
    // it is no central meridian of that width).
    static QString zoneLabelOf(double meridian);

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
    FileChooser& files_;
};

}  // namespace cesuan
