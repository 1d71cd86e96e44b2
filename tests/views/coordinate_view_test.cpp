// The coordinate conversion window driven through its widgets, opened from the calculator
// window; the conversions themselves are proved on the controller in tests/screens.

#include "views/coordinate_view.h"

#include "screens/coordinate_texts.h"
#include "tests/views/view_test_support.h"
#include "engine/line_ends.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTemporaryDir>
#include <QStringEncoder>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>

namespace cesuan {

using test::control;

namespace t = texts::coordinates;

class CoordinateViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnceWithTheStartExample();
    void startExampleToSixDegreeZones();
    void orderButtonTogglesOnMouseDown();
    void typedMeridianIsCheckedOnLeavingTheList();
    void labelClicksResetTheirSettings();
    void inputBoxFollowsTheWindowWidth();
    void keysOpenALongPointFileAndSaveTheOutput();

private:
    QPlainTextEdit* input() const { return control<QPlainTextEdit>(screen_, "Text1"); }
    QPlainTextEdit* output() const { return control<QPlainTextEdit>(screen_, "Text2"); }
    void click(QWidget* window, const char* name) {
        QTest::mouseClick(control<QWidget>(window, name), Qt::LeftButton);
    }

    std::unique_ptr<test::ModalWatchdog> watchdog_;
    std::unique_ptr<test::Program> program_;
    QWidget* screen_ = nullptr;
};

void CoordinateViewTest::init() {
    watchdog_ = std::make_unique<test::ModalWatchdog>();
    program_ = std::make_unique<test::Program>();
    QVERIFY(program_->screens.show(ScreenId::Main));
    QVERIFY(QTest::qWaitForWindowActive(program_->main()));
    click(program_->main(), "dcButton5");  // the coordinate conversion button
    screen_ = program_->screens.window(ScreenId::Coordinates);
    QVERIFY(qobject_cast<CoordinateView*>(screen_) != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(screen_));
}

void CoordinateViewTest::cleanup() {
    program_.reset();
    QVERIFY2(watchdog_->seen.isEmpty(), qPrintable(watchdog_->seen.join(u'\n')));
    watchdog_.reset();
}

void CoordinateViewTest::opensOnceWithTheStartExample() {
    QCOMPARE(screen_->windowTitle(), t::kWindowTitle);
    QCOMPARE(control<QLabel>(screen_, "Label4")->text(), u"对应带号:20 39 77  ");
    QCOMPARE(control<QComboBox>(screen_, "Combo3")->currentText(), u"117度-6");
    QCOMPARE(control<QComboBox>(screen_, "Combo4")->currentText(), u"北京");
    QCOMPARE(control<QComboBox>(screen_, "Combo5")->currentText(), u",");
    QCOMPARE(control<QPushButton>(screen_, "Command6toJ")->toolTip(), t::kTipConvert);
    // The CR LF line ends of the start example show as line breaks.
    QVERIFY(input()->toPlainText().startsWith(u"A01 , 39.4125536 , 117.5017873 , 23.441\nＺ2 , "));
    QVERIFY(!output()->toPlainText().contains(u'\r'));

    // The calculator button brings the calculator forward; its coordinate button brings back
    // the same window.
    click(screen_, "CommandJsq");
    QVERIFY(QTest::qWaitForWindowActive(program_->main()));
    click(program_->main(), "dcButton5");
    QCOMPARE(program_->screens.window(ScreenId::Coordinates), screen_);
    QVERIFY(QTest::qWaitForWindowActive(screen_));
    int windows = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) windows += qobject_cast<CoordinateView*>(window) != nullptr;
    QCOMPARE(windows, 1);
}

void CoordinateViewTest::startExampleToSixDegreeZones() {
    click(screen_, "CommandJto6");
    const QString result = output()->toPlainText();
    QVERIFY2(result.startsWith(u"﹌﹌﹌以下为６度带北京系公里网坐标……单位【米】﹌﹌﹌\n"), qPrintable(result));
    QVERIFY2(result.split(u'\n').contains(u"A01  , 4395570.260 , 20571909.407 , 23.441 "), qPrintable(result));
    QVERIFY(!result.contains(u'\r'));
    QVERIFY(program_->messages.shown.isEmpty());
}

void CoordinateViewTest::orderButtonTogglesOnMouseDown() {
    auto* order = control<QPushButton>(screen_, "Option1");
    QCOMPARE(order->text(), t::kXyz);
    QTest::mousePress(order, Qt::LeftButton);
    QCOMPARE(order->text(), t::kYxz);
    QCOMPARE(order->toolTip(), t::kTipYxz);
    QCOMPARE(order->palette().color(QPalette::Button), QColor(0xC0, 0xFF, 0xFF));
    QTest::mouseRelease(order, Qt::LeftButton);
    QCOMPARE(order->text(), t::kYxz);  // the release does nothing
    QTest::mouseClick(order, Qt::LeftButton);
    QCOMPARE(order->text(), t::kXyz);
    QCOMPARE(order->palette().color(QPalette::Button), QColor(0xFF, 0xE0, 0xC0));

    // The check box changes its caption when it comes up.
    auto* serial = control<QCheckBox>(screen_, "Check1");
    QTest::mouseClick(serial, Qt::LeftButton);
    QVERIFY(!serial->isChecked());
    QCOMPARE(serial->text(), t::kSerialOff);
}

void CoordinateViewTest::typedMeridianIsCheckedOnLeavingTheList() {
    auto* meridian = control<QComboBox>(screen_, "Combo3");
    meridian->setFocus();
    QVERIFY(meridian->hasFocus());
    meridian->clearEditText();
    test::typeText(meridian, QStringLiteral("118"));
    QCOMPARE(meridian->currentText(), u"118");
    QVERIFY(program_->messages.shown.isEmpty());

    QTest::keyClick(meridian, Qt::Key_Tab);  // leaves the list
    QVERIFY(!meridian->hasFocus());
    QCOMPARE(program_->messages.shown, QStringList{t::kBadMeridian});
    QCOMPARE(meridian->currentText(), u"117度");
    QCOMPARE(control<QLabel>(screen_, "Label4")->text(), u"对应带号:20 39 77 ");
}

void CoordinateViewTest::labelClicksResetTheirSettings() {
    auto* ellipsoid = control<QComboBox>(screen_, "Combo4");
    ellipsoid->setCurrentIndex(1);
    click(screen_, "Label5");
    QCOMPARE(ellipsoid->currentText(), u"北京");

    click(screen_, "CommandJto6");
    QVERIFY(!output()->toPlainText().isEmpty());
    click(screen_, "Label1");  // cleans the input and empties the output
    QCOMPARE(output()->toPlainText(), u"");
    QVERIFY(input()->toPlainText().startsWith(u"A01"));
}

void CoordinateViewTest::inputBoxFollowsTheWindowWidth() {
    screen_->resize(1440, 760);
    QTRY_COMPARE(screen_->width(), 1440);
    QCOMPARE(input()->width(), 600);  // 1440 / 2.4
    // Text2 takes the rest, to the right of Text1 (in the window's coordinates: they sit in
    // different panes).
    QVERIFY(output()->mapTo(screen_, QPoint(0, 0)).x() > input()->mapTo(screen_, QPoint(input()->width(), 0)).x());
    QVERIFY(output()->width() > 600);

    // A narrow window keeps Text1 at a fixed width; both boxes grow with the height.
    // The minimum width follows Text1's width: the window narrows in two steps, as a drag does.
    screen_->resize(800, 760);
    QTRY_VERIFY(screen_->width() < 1440);
    screen_->resize(800, 760);
    QTRY_VERIFY(input()->width() > screen_->width() / 2.4 + 20);
    const int fixedWidth = input()->width();
    const int height = input()->height();
    screen_->resize(screen_->width() + 30, 900);
    QTRY_COMPARE(screen_->height(), 900);
    QCOMPARE(input()->width(), fixedWidth);
    QCOMPARE(input()->height(), height + 140);
    QCOMPARE(output()->height(), input()->height());
}

// Ctrl+O reads a point file of many lines into the input box and says so on the status line;
// Ctrl+S writes the output box.
void CoordinateViewTest::keysOpenALongPointFileAndSaveTheOutput() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString list;
    for (int i = 0; i < 30000; ++i) list += QStringLiteral("例%1 , 39.4125536 , 117.5017873 , 23.441\n").arg(i);
    const QString points = dir.filePath(QStringLiteral("points.txt"));
    QFile file(points);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringEncoder("GBK").encode(list));
    file.close();

    program_->files.openPaths = {points};
    input()->setFocus();
    QTest::keyClick(input(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(program_->files.opened.size(), 1);
    QCOMPARE(input()->toPlainText(), list);
    QCOMPARE(control<QLabel>(screen_, "StatusLine")->text(), u"已打开 points.txt（30000 行，GBK 编码）");

    const QString saved = dir.filePath(QStringLiteral("out.txt"));
    program_->files.savePaths = {saved};
    QTest::keyClick(output(), Qt::Key_S, Qt::ControlModifier);
    QFile out(saved);
    QVERIFY(out.open(QIODevice::ReadOnly));
    QCOMPARE(out.readAll(), "\xEF\xBB\xBF" + WithCrLfLineEnds(output()->toPlainText()).toUtf8());
    QVERIFY(program_->messages.shown.isEmpty());
}

}  // namespace cesuan

QTEST_MAIN(cesuan::CoordinateViewTest)
#include "coordinate_view_test.moc"
