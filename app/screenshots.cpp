// cesuan-screenshots [DIR]: renders each window of the program with an example in it to
// DIR/main_window.png, DIR/variable_editor.png, DIR/angle_screen.png,
// DIR/statistics_window.png, DIR/coordinate_window.png, DIR/bearing_window.png,
// DIR/attitude_window.png, DIR/base_calculator_window.png, DIR/number_split.png,
// DIR/module_menu.png, DIR/matrix_window.png, DIR/equations_window.png, DIR/errors_window.png
// and DIR/errors_propagation.png,
// DIR/help_screen.png, one DIR/help_<topic>.png per help topic and
// DIR/context_menu.png, the formula box's context menu in Chinese (DIR defaults to
// docs/screenshots). Runs
// offscreen unless QT_QPA_PLATFORM says otherwise; message boxes and web pages are only
// recorded.

#include "cli/offline_platform.h"
#include "screens/platform.h"
#include "views/qt_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>

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

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("测算 CeSuan"));
    cesuan::InstallChineseQtTexts(app);
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

    // The start example of the data box, computed.
    QWidget* statistics = open(screens, cesuan::ScreenId::Statistics);
    click(statistics, "Command1");
    ok = save(statistics, dir, QStringLiteral("statistics_window.png")) && ok;

    // The start points, latitude and longitude, converted to 6° zones.
    QWidget* coordinates = open(screens, cesuan::ScreenId::Coordinates);
    click(coordinates, "CommandJto6");
    ok = save(coordinates, dir, QStringLiteral("coordinate_window.png")) && ok;

    // The start points measured from A001.
    QWidget* bearing = open(screens, cesuan::ScreenId::Bearing);
    setPoints(bearing, QStringLiteral("A001,4395879.562,40400348.322,23.441\n"
                                      "Z02,4394571.954,40397379.291,19.838\n"
                                      "z3,4394926.422,40397410.355,19.851"),
              QStringLiteral("A001"));
    click(bearing, "Command1");
    ok = save(bearing, dir, QStringLiteral("bearing_window.png")) && ok;

    // The plane Z = -X - Y through G4, G5 and G6: strike 135 degrees.
    QWidget* attitude = open(screens, cesuan::ScreenId::Attitude);
    setPoints(attitude, QStringLiteral("G4,0,0,0\nG5,2,0,-2\nG6,0,2,-2"), QStringLiteral("G4"));
    click(attitude, "Command1");
    ok = save(attitude, dir, QStringLiteral("attitude_window.png")) && ok;

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

    // The module menu as the coordinate window's 其它功能 opens it, and the help window.
    ok = save(open(screens, cesuan::ScreenId::ModuleMenu), dir, QStringLiteral("module_menu.png")) && ok;
    ok = save(open(screens, cesuan::ScreenId::Help), dir, QStringLiteral("help_screen.png")) && ok;

    // Each window's help topic, as F1 in that window opens it.
    const std::pair<cesuan::ScreenId, const char*> topics[] = {
        {cesuan::ScreenId::Main, "calculator"},       {cesuan::ScreenId::Variables, "variables"},
        {cesuan::ScreenId::Angles, "angles"},         {cesuan::ScreenId::BaseCalculator, "bases"},
        {cesuan::ScreenId::Statistics, "statistics"}, {cesuan::ScreenId::Coordinates, "coordinates"},
        {cesuan::ScreenId::Bearing, "bearing"},       {cesuan::ScreenId::Attitude, "attitude"},
        {cesuan::ScreenId::NumberSplit, "number_split"},
        {cesuan::ScreenId::Matrix, "matrix"},         {cesuan::ScreenId::Equations, "equations"},
        {cesuan::ScreenId::Errors, "errors"},
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
