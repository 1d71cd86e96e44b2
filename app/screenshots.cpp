// cesuan-screenshots [DIR]: renders each window of the program with an example in it to
// DIR/main_window.png, DIR/variable_editor.png, DIR/angle_screen.png,
// DIR/statistics_window.png, DIR/coordinate_window.png, DIR/bearing_window.png,
// DIR/attitude_window.png, DIR/bearing_geodesic.png, DIR/area_window.png, DIR/forward_window.png,
// DIR/base_calculator_window.png, DIR/number_split.png, DIR/transform_window.png,
// DIR/regression_window.png, DIR/module_menu.png, DIR/help_screen.png, one
// DIR/help_<topic>.png per help topic, DIR/context_menu.png, the formula box's context menu
// in Chinese, and the pictures beside the results on their own: DIR/coordinate_plan.png,
// DIR/bearing_plan.png, DIR/attitude_stereonet.png, DIR/attitude_plan.png,
// DIR/statistics_histogram.png, DIR/statistics_scatter.png and DIR/regression_plot.png
// and DIR/matrix_window.png, DIR/equations_window.png, DIR/errors_window.png and
// DIR/errors_propagation.png (DIR defaults to docs/screenshots). Runs
// offscreen, on a screen of 1600 × 1000 as the start-up measurements use, unless
// QT_QPA_PLATFORM names another platform or options; message boxes and web pages are only recorded.

#include "cli/offline_platform.h"
#include "screens/platform.h"
#include "views/box_font.h"
#include "views/plot_view.h"
#include "views/qt_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTemporaryFile>
#include <QTabWidget>

#include <cmath>
#include <cstdio>
#include <memory>
#include <utility>

namespace {

void click(QWidget* window, const char* button) {
    window->findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
    QApplication::processEvents();
}

// Puts the point list into Text1, lets Combo2 refill its list from it (as when it gets the
// focus) and chooses the serial; the focus then goes to Command1, as clicking it does.
void setPoints(QWidget* window, const QString& points, const QString& serial) {
    window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->setPlainText(points);
    auto* combo = window->findChild<QComboBox*>(QStringLiteral("Combo2"));
    combo->setFocus();
    QApplication::processEvents();
    combo->setCurrentIndex(combo->findText(serial));
    window->findChild<QWidget*>(QStringLiteral("Command1"))->setFocus();
    QApplication::processEvents();
}

// Shows the screen and waits until it is the active window: its activation comes after
// show() returns, and would otherwise land in the middle of the example.
QWidget* open(cesuan::ScreenRegistry& screens, cesuan::ScreenId screen) {
    screens.show(screen);
    QWidget* window = screens.window(screen);
    QElapsedTimer timer;
    timer.start();
    while (!window->isActiveWindow() && timer.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 50);
    return window;
}

bool save(QWidget* window, const QDir& dir, const QString& name) {
    QApplication::processEvents();
    const QString path = dir.filePath(name);
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Sixty rows "测k*a*b" of a bell-shaped measurement a and a b that follows it with scatter,
// from a fixed sequence of pseudo-random numbers.
QString measurements() {
    const auto uniform = [](int k, int j) {
        const double v = std::sin(k * 12.9898 + j * 78.233) * 43758.5453;
        return v - std::floor(v);
    };
    QString text;
    for (int k = 1; k <= 60; ++k) {
        double sum = 0;
        for (int j = 0; j < 4; ++j) sum += uniform(k, j);
        const double a = 50 + 12 * (sum - 2);
        const double b = 0.8 * a + 6 * (uniform(k, 7) - 0.5) + 4;
        text += QStringLiteral("测%1*%2*%3\n").arg(k).arg(a, 0, 'f', 2).arg(b, 0, 'f', 2);
    }
    return text;
}

// The picture beside a window's results, drawn on its own at 560 × 480 pixels.
bool savePicture(QWidget* window, const char* name, const QDir& dir, const QString& file) {
    auto* plot = window->findChild<cesuan::PlotView*>(QString::fromLatin1(name));
    const QString path = dir.filePath(file);
    if (plot == nullptr || !plot->image(QSize(560, 480)).save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The offscreen screen is 800 × 600 unless told; the windows would open shrunk to it.
    QTemporaryFile screen(QDir::temp().filePath(QStringLiteral("cesuan-screen-XXXXXX.json")));
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if ((platform.isEmpty() || platform == "offscreen") && screen.open()) {
        screen.write(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1600, "height": 1000}]})");
        screen.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen.fileName().toLocal8Bit());
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("测算 CeSuan"));
    cesuan::InstallChineseQtTexts(app);
    cesuan::useOneChineseFace();
    const QStringList arguments = QApplication::arguments();
    const QDir dir(arguments.size() > 1 ? arguments[1] : QStringLiteral("docs/screenshots"));
    if (!QDir().mkpath(dir.path())) return 1;

    cesuan::StreamMessageBox messages(stderr);  // a box shown on the way is written out
    cesuan::NoWebPages web;
    cesuan::NoRandom random;
    cesuan::ScreenRegistry screens(messages, web, random);
    bool ok = true;

    // Example 1 of the history, computed: the first "-->" shows the newest example, the
    // second wraps round to slot 1.
    QWidget* main = open(screens, cesuan::ScreenId::Main);
    click(main, "dcButton12");
    click(main, "dcButton12");
    click(main, "dcButton10");
    ok = save(main, dir, QStringLiteral("main_window.png")) && ok;

    ok = save(open(screens, cesuan::ScreenId::Variables), dir, QStringLiteral("variable_editor.png")) && ok;

    // 45°30′30″ in decimal degrees.
    QWidget* angles = open(screens, cesuan::ScreenId::Angles);
    angles->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("45.3030"));
    click(angles, "Command6");
    ok = save(angles, dir, QStringLiteral("angle_screen.png")) && ok;

    // Sixty rows of two related columns, computed: the histogram of the first, the scatter of
    // both.
    QWidget* statistics = open(screens, cesuan::ScreenId::Statistics);
    statistics->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->setPlainText(measurements());
    click(statistics, "Command1");
    ok = save(statistics, dir, QStringLiteral("statistics_window.png")) && ok;
    ok = savePicture(statistics, "histogramView", dir, QStringLiteral("statistics_histogram.png")) && ok;
    ok = savePicture(statistics, "scatterView", dir, QStringLiteral("statistics_scatter.png")) && ok;

    // The start points, latitude and longitude, converted to 6° zones.
    QWidget* coordinates = open(screens, cesuan::ScreenId::Coordinates);
    // Room for the plan below the boxes.
    coordinates->resize(coordinates->width(), coordinates->height() + 300);
    QApplication::processEvents();
    if (auto* splitter = coordinates->findChild<QSplitter*>(QStringLiteral("pictureSplitter")))
        splitter->setSizes({splitter->height() - 480, 480});
    click(coordinates, "CommandJto6");
    ok = save(coordinates, dir, QStringLiteral("coordinate_window.png")) && ok;
    ok = savePicture(coordinates, "planView", dir, QStringLiteral("coordinate_plan.png")) && ok;

    // The start points measured from A001.
    QWidget* bearing = open(screens, cesuan::ScreenId::Bearing);
    setPoints(bearing, QStringLiteral("A001,4395879.562,40400348.322,23.441\n"
                                      "Z02,4394571.954,40397379.291,19.838\n"
                                      "z3,4394926.422,40397410.355,19.851"),
              QStringLiteral("A001"));
    click(bearing, "Command1");
    ok = save(bearing, dir, QStringLiteral("bearing_window.png")) && ok;
    ok = savePicture(bearing, "planView", dir, QStringLiteral("bearing_plan.png")) && ok;

    // The plane Z = -X - Y through G4, G5 and G6: strike 135 degrees.
    QWidget* attitude = open(screens, cesuan::ScreenId::Attitude);
    setPoints(attitude, QStringLiteral("G4,0,0,0\nG5,2,0,-2\nG6,0,2,-2"), QStringLiteral("G4"));
    click(attitude, "Command1");
    ok = save(attitude, dir, QStringLiteral("attitude_window.png")) && ok;
    ok = savePicture(attitude, "stereonetView", dir, QStringLiteral("attitude_stereonet.png")) && ok;
    ok = savePicture(attitude, "planView", dir, QStringLiteral("attitude_plan.png")) && ok;

    // The start example of the transformation window, 7 parameters estimated and applied.
    QWidget* transform = open(screens, cesuan::ScreenId::Transform);
    transform->resize(1280, 960);
    click(transform, "EstimateButton");
    click(transform, "ApplyButton");
    ok = save(transform, dir, QStringLiteral("transform_window.png")) && ok;
    // Geodesics on WGS 84 from Beijing to Shanghai and to Guangzhou.
    open(screens, cesuan::ScreenId::Bearing);
    bearing->findChild<QAbstractButton*>(QStringLiteral("Check2"))->click();
    auto* ellipsoids = bearing->findChild<QComboBox*>(QStringLiteral("Combo3"));
    ellipsoids->setCurrentIndex(ellipsoids->findText(QStringLiteral("WGS")));
    setPoints(bearing, QStringLiteral("BJ,39.5427,116.2328\nSH,31.1349,121.2824\nGZ,23.0744,113.1552"),
              QStringLiteral("BJ"));
    click(bearing, "Command1");
    ok = save(bearing, dir, QStringLiteral("bearing_geodesic.png")) && ok;

    // A parcel of five corners with the closing repeat of the first: its area in 亩.
    QWidget* area = open(screens, cesuan::ScreenId::Area);
    area->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->setPlainText(QStringLiteral(
        "J1,3521.456,8724.310\nJ2,3598.102,8731.877\nJ3,3604.530,8802.645\nJ4,3551.218,8819.003\n"
        "J5,3516.774,8779.120\nJ1,3521.456,8724.310"));
    click(area, "Command1");
    ok = save(area, dir, QStringLiteral("area_window.png")) && ok;

    // Stake-out from a station with a height: radial lines, one with a vertical angle.
    QWidget* stakeOut = open(screens, cesuan::ScreenId::Forward);
    stakeOut->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->setPlainText(QStringLiteral(
        "P1,45.0000,100.000\nP2,90.0000,50.000\nP3,180.3000,80.000,2.3000\nP4,301.1522,64.318"));
    click(stakeOut, "Command1");
    ok = save(stakeOut, dir, QStringLiteral("forward_window.png")) && ok;

    // Hexadecimal FF times 1A (255 times 26 = 6630): 19E6.
    QWidget* bases = open(screens, cesuan::ScreenId::BaseCalculator);
    click(bases, "Option4");
    bases->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("FF"));
    bases->findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("1A"));
    click(bases, "Option7");
    click(bases, "Command23");
    ok = save(bases, dir, QStringLiteral("base_calculator_window.png")) && ok;

    // -12.345 split: "-12" and "345".
    QWidget* split = open(screens, cesuan::ScreenId::NumberSplit);
    split->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("-12.345"));
    click(split, "Command1");
    ok = save(split, dir, QStringLiteral("number_split.png")) && ok;

    // The start example of the regression window, a straight line, with the prediction at 8.
    QWidget* regression = open(screens, cesuan::ScreenId::Regression);
    regression->resize(1120, 760);
    click(regression, "Command1");
    ok = save(regression, dir, QStringLiteral("regression_window.png")) && ok;
    ok = savePicture(regression, "plotView", dir, QStringLiteral("regression_plot.png")) && ok;
    // The start matrix inverted; the start equations solved; the start observations of the
    // error window computed, with the propagation tab on show after its example.
    QWidget* matrix = open(screens, cesuan::ScreenId::Matrix);
    matrix->findChild<QComboBox*>(QStringLiteral("ComboOperation"))->setCurrentIndex(5);  // 逆矩阵
    click(matrix, "Command1");
    ok = save(matrix, dir, QStringLiteral("matrix_window.png")) && ok;
    QWidget* equations = open(screens, cesuan::ScreenId::Equations);
    click(equations, "Command1");
    ok = save(equations, dir, QStringLiteral("equations_window.png")) && ok;
    QWidget* errors = open(screens, cesuan::ScreenId::Errors);
    click(errors, "CommandObservations");
    ok = save(errors, dir, QStringLiteral("errors_window.png")) && ok;
    click(errors, "CommandPropagate");
    errors->findChild<QTabWidget*>(QStringLiteral("Tabs"))->setCurrentIndex(1);
    ok = save(errors, dir, QStringLiteral("errors_propagation.png")) && ok;
    // The start examples of the derivative (x^3-2*x at 1.5, with its tangent) and the integral
    // (sin from 0 to π, the area shaded).
    QWidget* derivative = open(screens, cesuan::ScreenId::Derivative);
    click(derivative, "CommandCompute");
    ok = save(derivative, dir, QStringLiteral("derivative_window.png")) && ok;
    QWidget* integral = open(screens, cesuan::ScreenId::Integral);
    click(integral, "CommandCompute");
    ok = save(integral, dir, QStringLiteral("integral_window.png")) && ok;

    // The module menu as the coordinate window's 其它功能 opens it, and the help window.
    ok = save(open(screens, cesuan::ScreenId::ModuleMenu), dir, QStringLiteral("module_menu.png")) && ok;
    ok = save(open(screens, cesuan::ScreenId::Help), dir, QStringLiteral("help_screen.png")) && ok;

    // Each window's help topic, as F1 in that window opens it.
    const std::pair<cesuan::ScreenId, const char*> topics[] = {
        {cesuan::ScreenId::Main, "calculator"},       {cesuan::ScreenId::Variables, "variables"},
        {cesuan::ScreenId::Angles, "angles"},         {cesuan::ScreenId::BaseCalculator, "bases"},
        {cesuan::ScreenId::Statistics, "statistics"}, {cesuan::ScreenId::Coordinates, "coordinates"},
        {cesuan::ScreenId::Bearing, "bearing"},       {cesuan::ScreenId::Attitude, "attitude"},
        {cesuan::ScreenId::NumberSplit, "number_split"},  {cesuan::ScreenId::Transform, "transform"},
        {cesuan::ScreenId::Area, "area"},             {cesuan::ScreenId::Forward, "forward"},
        {cesuan::ScreenId::Regression, "regression"},
        {cesuan::ScreenId::NumberSplit, "number_split"},
        {cesuan::ScreenId::Matrix, "matrix"},         {cesuan::ScreenId::Equations, "equations"},
        {cesuan::ScreenId::Errors, "errors"},
        {cesuan::ScreenId::Derivative, "derivative"}, {cesuan::ScreenId::Integral, "integral"},
    };
    for (const auto& [screen, name] : topics) {
        screens.showHelp(screen);
        ok = save(screens.window(cesuan::ScreenId::Help), dir, QStringLiteral("help_%1.png").arg(QLatin1String(name))) && ok;
    }

    // The context menu of the formula box with its text selected, in Chinese.
    auto* formula = main->findChild<QLineEdit*>(QStringLiteral("Text1"));
    formula->selectAll();
    const std::unique_ptr<QMenu> menu(formula->createStandardContextMenu());
    menu->popup(formula->mapToGlobal(QPoint(0, formula->height())));
    ok = save(menu.get(), dir, QStringLiteral("context_menu.png")) && ok;
    menu->hide();

    return ok ? 0 : 1;
}
