// The pictures beside the results, rendered offscreen: the stereonet of the attitude window
// against the equal-area formula, plans in order and at one scale, zoom, pan and readout, and
// the pictures saved as PNG and SVG.

#include "views/plot_view.h"

#include "screens/help_texts.h"
#include "screens/picture_texts.h"
#include "screens/regression_texts.h"
#include "tests/views/view_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <cmath>
#include <functional>
#include <memory>
#include <numbers>

namespace cesuan {

using test::control;

namespace {

constexpr double kDeg = std::numbers::pi / 180;

// The centroid of the pixels the test accepts; (NaN, NaN) when there is none. Only the
// pixels within `radius` of `near` count when `radius` is positive.
QPointF centroid(const QImage& image, const std::function<bool(QColor)>& accept, QPointF near = {}, double radius = 0) {
    double sx = 0, sy = 0;
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (radius > 0 && std::hypot(x + 0.5 - near.x(), y + 0.5 - near.y()) > radius) continue;
            if (!accept(image.pixelColor(x, y))) continue;
            sx += x + 0.5;
            sy += y + 0.5;
            ++n;
        }
    return n == 0 ? QPointF(NAN, NAN) : QPointF(sx / n, sy / n);
}

bool blue(QColor c) { return c.red() < 70 && c.green() < 70 && c.blue() > 170; }
bool red(QColor c) { return c.red() > 170 && c.green() < 70 && c.blue() < 70; }

double distance(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }

}  // namespace

class PlotViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void stereonetPoleAndDeepestPointAtTheEqualAreaPixels();
    void plansKeepTheOrderAndOneScale();
    void zoomPanAndReadout();
    void savedAsPngAndSvg();
    void regressionWindowFromTheMenu();
    void statisticsPicturesFollowTheChoices();

private:
    // Computes the survey window's points from the serial given.
    void compute(QWidget* window, const QString& points, const QString& serial);

    std::unique_ptr<test::ModalWatchdog> watchdog_;
    std::unique_ptr<test::Program> program_;
};

void PlotViewTest::init() {
    watchdog_ = std::make_unique<test::ModalWatchdog>();
    program_ = std::make_unique<test::Program>();
}

void PlotViewTest::cleanup() {
    program_.reset();
    QVERIFY2(watchdog_->seen.isEmpty(), qPrintable(watchdog_->seen.join(u'\n')));
    watchdog_.reset();
}

void PlotViewTest::compute(QWidget* window, const QString& points, const QString& serial) {
    control<QPlainTextEdit>(window, "Text1")->setPlainText(points);
    control<QComboBox>(window, "Combo2")->setEditText(serial);
    QTest::mouseClick(control<QPushButton>(window, "Command1"), Qt::LeftButton);
}

// G4, G5, G6 span the plane Z = −X − Y: dip direction 45°, dip atan √2 = 54°44′08.2″.
void PlotViewTest::stereonetPoleAndDeepestPointAtTheEqualAreaPixels() {
    QVERIFY(program_->screens.show(ScreenId::Attitude));
    QWidget* window = program_->screens.window(ScreenId::Attitude);
    window->resize(1200, 760);
    compute(window, QStringLiteral("G4,0,0,0\nG5,2,0,-2\nG6,0,2,-2"), QStringLiteral("G4"));
    auto* net = control<PlotView>(window, "stereonetView");
    QCOMPARE(net->picture().kind, PictureKind::Stereonet);
    QVERIFY(net->picture().notes.contains(texts::picture::dipNote(QStringLiteral("54°44′08.2″"))));
    QVERIFY(net->picture().notes.contains(texts::picture::dipDirectionNote(QStringLiteral("45°00′00.0″"))));
    const QImage image = net->grab().toImage();
    QCOMPARE(image.size(), net->size());

    const QPointF centre = net->netCentre();
    const double radius = net->netRadius();
    QVERIFY(radius > 100);
    const double dip = std::atan(std::sqrt(2.0)) / kDeg;
    // A line of trend t and plunge p lies √2·sin((90° − p)/2) radii from the centre.
    const auto pixelOf = [&](double trend, double plunge) {
        const double d = radius * std::sqrt(2.0) * std::sin((90 - plunge) / 2 * kDeg);
        return QPointF(centre.x() + d * std::sin(trend * kDeg), centre.y() - d * std::cos(trend * kDeg));
    };

    const QPointF pole = centroid(image, blue);
    QVERIFY2(distance(pole, pixelOf(225, 90 - dip)) <= 1,
             qPrintable(QStringLiteral("pole at %1, %2").arg(pole.x()).arg(pole.y())));

    // The deepest point: the red pixel nearest the centre, and the middle of the line there.
    QPointF nearest(NAN, NAN);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (red(image.pixelColor(x, y)) &&
                !(distance(QPointF(x + 0.5, y + 0.5), centre) >= distance(nearest, centre)))
                nearest = QPointF(x + 0.5, y + 0.5);
    const QPointF deepest = centroid(image, red, nearest, 4);
    QVERIFY2(distance(deepest, pixelOf(45, dip)) <= 1,
             qPrintable(QStringLiteral("deepest point at %1, %2").arg(deepest.x()).arg(deepest.y())));
    // The readout at the pole reads its trend and plunge back.
    QCOMPARE(net->readoutAt(pixelOf(225, 90 - dip)),
             texts::picture::kPoleLabel + u"  "_qs + texts::picture::netReadout(u"225.0"_qs, u"35.3"_qs));
}

void PlotViewTest::plansKeepTheOrderAndOneScale() {
    QVERIFY(program_->screens.show(ScreenId::Bearing));
    QWidget* window = program_->screens.window(ScreenId::Bearing);
    compute(window,
            QStringLiteral("A001,4395879.562,40400348.322,23.441\nZ02,4394571.954,40397379.291,19.838\n"
                           "z3,4394926.422,40397410.355,19.851"),
            QStringLiteral("A001"));
    auto* plan = control<PlotView>(window, "planView");
    const Picture& picture = plan->picture();
    QCOMPARE(picture.kind, PictureKind::Plan);
    QCOMPARE(picture.lines.size(), std::size_t(2));  // rays to Z02 and z3; none to the origin itself
    QVERIFY(picture.lines[0].label.endsWith(QStringLiteral("″")));
    const QImage image = plan->grab().toImage();
    const auto pixel = [&](double x, double y) { return plan->toPixel(QPointF(y, x)); };
    const QPointF a = pixel(4395879.562, 40400348.322), z2 = pixel(4394571.954, 40397379.291),
                  z3 = pixel(4394926.422, 40397410.355);
    // North up, east right.
    QVERIFY(a.y() < z3.y() && z3.y() < z2.y());
    QVERIFY(z2.x() < z3.x() && z3.x() < a.x());
    // One scale: a metre east and a metre north are as many pixels.
    const double east = (a.x() - z2.x()) / (40400348.322 - 40397379.291);
    const double north = (z2.y() - a.y()) / (4395879.562 - 4394571.954);
    QVERIFY(std::fabs(east - north) < 1e-9 * east);
    // The marks are drawn where the plan says.
    for (const QPointF p : {z2, z3})
        QCOMPARE(image.pixelColor(p.toPoint()), QColor(0, 100, 120));

    // The coordinate window: a point whose conversion fails is listed, not drawn.
    QVERIFY(program_->screens.show(ScreenId::Coordinates));
    QWidget* coordinates = program_->screens.window(ScreenId::Coordinates);
    control<QPlainTextEdit>(coordinates, "Text1")
        ->setPlainText(QStringLiteral("P1,39.4125536,117.5017873\nP2,95.0,117.48\nP3,39.4053387,117.4815132\n"));
    QTest::mouseClick(control<QPushButton>(coordinates, "CommandJto6"), Qt::LeftButton);
    const Picture& converted = control<PlotView>(coordinates, "planView")->picture();
    QCOMPARE(converted.marks.size(), std::size_t(2));
    QCOMPARE(converted.marks[0].label, u"P1"_qs);
    QCOMPARE(converted.marks[1].label, u"P3"_qs);
    QCOMPARE(converted.notes, QStringList{texts::picture::notDrawn(u"P2"_qs)});
    watchdog_->seen.clear();
}

void PlotViewTest::zoomPanAndReadout() {
    PlotView view;
    view.resize(400, 300);
    Picture picture;
    picture.kind = PictureKind::Plan;
    picture.marks = {{QPointF(0, 0), u"A"_qs}, {QPointF(100, 50), u"B"_qs}};
    view.setPicture(picture);
    const QPointF b = view.toPixel(QPointF(100, 50));
    QVERIFY(view.readoutAt(b).startsWith(u"B  X = 50"_qs));

    const QPointF at(150, 120);
    const QPointF under = view.fromPixel(at);
    view.zoomAt(at, 2);
    QVERIFY(distance(view.toPixel(under), at) < 1e-9);
    view.resetView();
    const double whole = distance(view.toPixel(QPointF(0, 0)), view.toPixel(QPointF(100, 50)));
    view.zoomAt(at, 2);
    QVERIFY(std::fabs(distance(view.toPixel(QPointF(0, 0)), view.toPixel(QPointF(100, 50))) - 2 * whole) < 1e-9);
    const QPointF before = view.toPixel(QPointF(0, 0));
    view.panBy(QPointF(30, -20));
    QVERIFY(distance(view.toPixel(QPointF(0, 0)), before + QPointF(30, -20)) < 1e-9);
    view.resetView();
    QVERIFY(distance(view.toPixel(QPointF(100, 50)), b) < 1e-9);
    // The same picture again keeps the view; another one starts whole.
    view.zoomAt(at, 3);
    view.showPicture(picture);
    QVERIFY(distance(view.toPixel(under), at) < 1e-9);
    picture.marks.pop_back();
    view.showPicture(picture);
    QVERIFY(distance(view.toPixel(under), at) > 1);
    QCOMPARE(view.readoutAt(QPointF(-5, -5)), QString());
}

void PlotViewTest::savedAsPngAndSvg() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    PlotView view;
    view.resize(320, 240);
    Picture picture;
    picture.kind = PictureKind::Chart;
    picture.title = u"直方图"_qs;
    picture.bars = {{0, 1, 3}, {1, 2, 5}};
    view.setPicture(picture);

    RecordingFileChooser files;
    RecordingMessageBox messages;
    view.setServices(&files, &messages);
    QStringList said;
    connect(&view, &PlotView::statusMessage, this, [&said](const QString& text) { said.append(text); });
    files.savePaths = {dir.filePath(u"a.png"_qs), dir.filePath(u"b.svg"_qs), dir.filePath(u"no/such/c.png"_qs),
                       QString()};
    for (int i = 0; i < 4; ++i) view.saveImageAs();

    const QImage png(dir.filePath(u"a.png"_qs));
    QCOMPARE(png.size(), QSize(320, 240));
    QCOMPARE(png.pixelColor(2, 2), QColor(Qt::white));
    QSvgRenderer svg(dir.filePath(u"b.svg"_qs));
    QVERIFY(svg.isValid());
    QCOMPARE(svg.viewBox(), QRect(0, 0, 320, 240));
    QCOMPARE(files.saved, QStringList(4, texts::picture::kSaveImageTitle));
    QCOMPARE(files.filters.first(), texts::picture::kImageFilter);
    QCOMPARE(messages.errors, QStringList{texts::picture::msgImageNotWritten(dir.filePath(u"no/such/c.png"_qs))});
    QCOMPARE(said, (QStringList{texts::picture::imageSaved(dir.filePath(u"a.png"_qs)),
                                texts::picture::imageSaved(dir.filePath(u"b.svg"_qs))}));
}

// 线性回归 in the module menu opens the regression window; F1 there opens its help topic.
void PlotViewTest::regressionWindowFromTheMenu() {
    QVERIFY(program_->screens.show(ScreenId::ModuleMenu));
    QWidget* menu = program_->screens.window(ScreenId::ModuleMenu);
    QTest::mouseClick(control<QPushButton>(menu, "Command1_8"), Qt::LeftButton);
    QWidget* window = program_->screens.window(ScreenId::Regression);
    QVERIFY(window != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(window->windowTitle(), texts::regression::kWindowTitle);
    control<QComboBox>(window, "ComboDegree")->setCurrentIndex(1);
    QTest::keyClick(window, Qt::Key_Return, Qt::ControlModifier);
    const QString result = control<QPlainTextEdit>(window, "Text3")->toPlainText();
    QVERIFY2(result.startsWith(texts::regression::heading(2)), qPrintable(result));
    auto* plot = control<PlotView>(window, "plotView");
    QCOMPARE(plot->picture().title, texts::regression::pictureTitle(2));
    QCOMPARE(plot->picture().marks.size(), std::size_t(8));  // seven pairs and the prediction

    QTest::keyClick(window, Qt::Key_F1);
    QWidget* help = program_->screens.window(ScreenId::Help);
    QVERIFY(help != nullptr && help->isVisible());
    QVERIFY(control<QPlainTextEdit>(help, "Text1")->toPlainText().startsWith(texts::help::kRegressionTitle));
}

void PlotViewTest::statisticsPicturesFollowTheChoices() {
    QVERIFY(program_->screens.show(ScreenId::Statistics));
    QWidget* window = program_->screens.window(ScreenId::Statistics);
    control<QPlainTextEdit>(window, "Text1")->setPlainText(u"a*0*1\nb*1*3\nc*2*5\nd*3*7\ne*4*9\nf*5*11\ng*6*13\nh*7*15\n"_qs);
    QTest::mouseClick(control<QPushButton>(window, "Command1"), Qt::LeftButton);
    auto* histogram = control<PlotView>(window, "histogramView");
    QCOMPARE(histogram->picture().bars.size(), std::size_t(2));
    QCOMPARE(control<QSpinBox>(window, "binCount")->value(), 2);
    QVERIFY(control<QCheckBox>(window, "binsByRule")->isChecked());
    control<QSpinBox>(window, "binCount")->setValue(4);
    QCOMPARE(histogram->picture().bars.size(), std::size_t(4));
    QVERIFY(!control<QCheckBox>(window, "binsByRule")->isChecked());
    QTest::mouseClick(control<QCheckBox>(window, "binsByRule"), Qt::LeftButton);
    QCOMPARE(histogram->picture().bars.size(), std::size_t(2));
    QCOMPARE(control<PlotView>(window, "scatterView")->picture().marks.size(), std::size_t(8));
}

}  // namespace cesuan

QTEST_MAIN(cesuan::PlotViewTest)
#include "plot_view_test.moc"
