// The distance and bearing window driven through its widgets, opened from the calculator
// window; the measures themselves are proved on the controller in tests/screens.

#include "views/bearing_view.h"

#include "screens/bearing_texts.h"
#include "tests/views/view_test_support.h"
#include "engine/line_ends.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QTemporaryDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>

namespace cesuan {

using test::control;

namespace t = texts::bearing;

class BearingViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnceWithTheStartPoints();
    void pastedPointsFromTheChosenOrigin();
    void badValueIsReported();
    void keysOpenPointsAndSaveTheResult();
    void geodesicsOnTheChosenEllipsoid();

private:
    QPlainTextEdit* points() const { return control<QPlainTextEdit>(screen_, "Text1"); }
    QPlainTextEdit* results() const { return control<QPlainTextEdit>(screen_, "Text2"); }
    QComboBox* origin() const { return control<QComboBox>(screen_, "Combo2"); }
    void click(QWidget* window, const char* name) {
        QTest::mouseClick(control<QWidget>(window, name), Qt::LeftButton);
    }
    // Replaces the point list by the clipboard's text, as Ctrl+A, Ctrl+V do.
    void paste(const QString& list);

    std::unique_ptr<test::ModalWatchdog> watchdog_;
    std::unique_ptr<test::Program> program_;
    QWidget* screen_ = nullptr;
};

void BearingViewTest::init() {
    watchdog_ = std::make_unique<test::ModalWatchdog>();
    program_ = std::make_unique<test::Program>();
    QVERIFY(program_->screens.show(ScreenId::Main));
    QVERIFY(QTest::qWaitForWindowActive(program_->main()));
    click(program_->main(), "dcButton6");  // the distance and bearing button
    screen_ = program_->screens.window(ScreenId::Bearing);
    QVERIFY(qobject_cast<BearingView*>(screen_) != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(screen_));
}

void BearingViewTest::cleanup() {
    program_.reset();
    QVERIFY2(watchdog_->seen.isEmpty(), qPrintable(watchdog_->seen.join(u'\n')));
    watchdog_.reset();
}

void BearingViewTest::paste(const QString& list) {
    QApplication::clipboard()->setText(list);
    points()->setFocus();
    QTest::keyClick(points(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(points(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(points()->toPlainText(), list);
}

void BearingViewTest::opensOnceWithTheStartPoints() {
    QCOMPARE(screen_->windowTitle(), t::kWindowTitle);
    QCOMPARE(control<QLabel>(screen_, "Label7")->text(), t::kColumnHeading);
    QCOMPARE(control<QPushButton>(screen_, "Command2")->toolTip(), t::kTipPrint);
    QCOMPARE(origin()->currentText(), t::kNoOrigin);
    // The CR LF line ends of the start points show as line breaks.
    QCOMPARE(points()->toPlainText(), WithLfLineEnds(t::kStartPoints));

    // The check box names the kind of coordinates.
    auto* grid = control<QCheckBox>(screen_, "Check1");
    QCOMPARE(grid->text(), t::kSerialColumn);
    QTest::mouseClick(grid, Qt::LeftButton);
    QCOMPARE(grid->text(), t::kNoSerialColumn);

    // The calculator button brings the calculator forward; its distance and bearing button
    // brings back the same window.
    click(screen_, "CommandJsq");
    QVERIFY(QTest::qWaitForWindowActive(program_->main()));
    click(program_->main(), "dcButton6");
    QCOMPARE(program_->screens.window(ScreenId::Bearing), screen_);
    QVERIFY(QTest::qWaitForWindowActive(screen_));
    int windows = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) windows += qobject_cast<BearingView*>(window) != nullptr;
    QCOMPARE(windows, 1);
}

void BearingViewTest::pastedPointsFromTheChosenOrigin() {
    paste(QStringLiteral("A001,4395879.562,40400348.322,23.441\n"
                         "Z02,4394571.954,40397379.291,19.838\n"
                         "z3,4394926.422,40397410.355,19.851"));
    // Getting the focus, the origin list offers the serials of the pasted points.
    origin()->setFocus();
    QVERIFY(origin()->hasFocus());
    QCOMPARE(origin()->count(), 4);
    QCOMPARE(origin()->itemText(1), u"A001");
    QCOMPARE(origin()->itemText(3), u"z3");

    origin()->showPopup();
    QAbstractItemView* list = origin()->view();
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));
    list->setCurrentIndex(list->model()->index(1, 0));
    QTest::keyClick(list, Qt::Key_Return);
    QTRY_VERIFY(!list->window()->isVisible());
    QCOMPARE(origin()->currentText(), u"A001");

    click(screen_, "Command1");
    const QStringList lines = results()->toPlainText().split(u'\n');
    QVERIFY2(lines.size() >= 3, qPrintable(results()->toPlainText()));
    QCOMPARE(lines[1], u" Z02 ,3244.223 ,246.134999 ,3244.225 ,-0.034908");
    QVERIFY(!results()->toPlainText().contains(u'\r'));
    QVERIFY(program_->messages.shown.isEmpty());
}

// The box names the value; the list stays as typed, so a second press fails again.
void BearingViewTest::badValueIsReported() {
    paste(QStringLiteral("A001,abc,1,2\nZ02,3,4,5"));
    const QString typed = points()->toPlainText();
    const QString named = QStringLiteral("第1行 A001 的 X 值 abc 不是数字。\n") + t::kMsgDataError;
    click(screen_, "Command1");
    QCOMPARE(program_->messages.shown, QStringList{named});
    QCOMPARE(results()->toPlainText(), u" ");
    QCOMPARE(points()->toPlainText(), typed);
    click(screen_, "Command1");
    QCOMPARE(program_->messages.shown, (QStringList{named, named}));
}

// Ctrl+O opens a point list into the point box, Ctrl+S saves the result box.
void BearingViewTest::keysOpenPointsAndSaveTheResult() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pointFile = dir.filePath(QStringLiteral("点.csv"));
    QFile file(pointFile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("A,0,0,0\r\nB,3,4,0\r\n");
    file.close();

    program_->files.openPaths = {pointFile};
    QTest::keyClick(points(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(points()->toPlainText(), u"A,0,0,0\nB,3,4,0\n");
    QCOMPARE(control<QLabel>(screen_, "StatusLine")->text(), u"已打开 点.csv（2 行，UTF-8 编码）");
    click(screen_, "Command1");
    QVERIFY(results()->toPlainText().contains(u"5"));

    const QString saved = dir.filePath(QStringLiteral("结果.txt"));
    program_->files.savePaths = {saved};
    QTest::keyClick(results(), Qt::Key_S, Qt::ControlModifier);
    QFile out(saved);
    QVERIFY(out.open(QIODevice::ReadOnly));
    QCOMPARE(out.readAll(), "\xEF\xBB\xBF" + WithCrLfLineEnds(results()->toPlainText()).toUtf8());
    QVERIFY(program_->messages.shown.isEmpty());
}

// 大地线 switches the table to geodesics on the ellipsoid of the list, and back.
void BearingViewTest::geodesicsOnTheChosenEllipsoid() {
    auto* geodesic = control<QCheckBox>(screen_, "Check2");
    auto* ellipsoids = control<QComboBox>(screen_, "Combo3");
    QCOMPARE(geodesic->text(), t::kGeodesic);
    QVERIFY(!ellipsoids->isEnabled());
    QTest::mouseClick(geodesic, Qt::LeftButton);
    QVERIFY(ellipsoids->isEnabled());
    QCOMPARE(control<QLabel>(screen_, "Label7")->text(), t::kGeodesicColumnHeading);
    const int wgs = ellipsoids->findText(QStringLiteral("WGS"));
    QVERIFY(wgs >= 0);
    ellipsoids->setFocus();
    ellipsoids->setCurrentIndex(wgs);

    paste(QStringLiteral("A,30,117\nB,31,118"));
    origin()->setFocus();
    origin()->setEditText(QStringLiteral("A"));
    click(screen_, "Command1");
    QCOMPARE(results()->toPlainText().split(u'\n').value(1), u"B ,146647.1994 ,40.38164213 ,221.08436638");
    QVERIFY(program_->messages.shown.isEmpty());

    QTest::mouseClick(geodesic, Qt::LeftButton);
    QCOMPARE(control<QLabel>(screen_, "Label7")->text(), t::kColumnHeading);
    click(screen_, "Command1");
    QCOMPARE(results()->toPlainText().split(u'\n').value(1), u"B ,1.414 ,45 ,1.414 ,0");
}

}  // namespace cesuan

QTEST_MAIN(cesuan::BearingViewTest)
#include "bearing_view_test.moc"
