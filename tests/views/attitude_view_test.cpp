// The plane attitude window driven through its widgets, opened from the calculator window;
// the attitude itself is proved on the controller in tests/screens.

#include "views/attitude_view.h"

#include "screens/attitude_texts.h"
#include "tests/views/view_test_support.h"
#include "engine/line_ends.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>

namespace cesuan {

using test::control;

namespace t = texts::attitude;

class AttitudeViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnceWithTheStartPoints();
    void pastedPointsFromTheChosenFirstPoint();
    void tooFewPointsAreReported();

private:
    QPlainTextEdit* points() const { return control<QPlainTextEdit>(screen_, "Text1"); }
    QPlainTextEdit* result() const { return control<QPlainTextEdit>(screen_, "Text2"); }
    QComboBox* first() const { return control<QComboBox>(screen_, "Combo2"); }
    void click(QWidget* window, const char* name) {
        QTest::mouseClick(control<QWidget>(window, name), Qt::LeftButton);
    }
    // Replaces the point list by the clipboard's text, as Ctrl+A, Ctrl+V do.
    void paste(const QString& list);

    std::unique_ptr<test::ModalWatchdog> watchdog_;
    std::unique_ptr<test::Program> program_;
    QWidget* screen_ = nullptr;
};

void AttitudeViewTest::init() {
    watchdog_ = std::make_unique<test::ModalWatchdog>();
    program_ = std::make_unique<test::Program>();
    QVERIFY(program_->screens.show(ScreenId::Main));
    QVERIFY(QTest::qWaitForWindowActive(program_->main()));
    click(program_->main(), "dcButton7");  // the plane attitude button
    screen_ = program_->screens.window(ScreenId::Attitude);
    QVERIFY(qobject_cast<AttitudeView*>(screen_) != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(screen_));
}

void AttitudeViewTest::cleanup() {
    program_.reset();
    QVERIFY2(watchdog_->seen.isEmpty(), qPrintable(watchdog_->seen.join(u'\n')));
    watchdog_.reset();
}

void AttitudeViewTest::paste(const QString& list) {
    QApplication::clipboard()->setText(list);
    points()->setFocus();
    QTest::keyClick(points(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(points(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(points()->toPlainText(), list);
}

void AttitudeViewTest::opensOnceWithTheStartPoints() {
    QCOMPARE(screen_->windowTitle(), t::kWindowTitle);
    QCOMPARE(control<QLabel>(screen_, "Label6")->text(), t::kNextThreePoints);
    QCOMPARE(control<QPushButton>(screen_, "Command2")->toolTip(), t::kTipPrint);
    QCOMPARE(first()->currentText(), t::kOrigin);
    // The CR LF line ends of the start points show as line breaks.
    QCOMPARE(points()->toPlainText(), WithLfLineEnds(t::kStartPoints));

    // The check box keeps its caption.
    auto* grid = control<QCheckBox>(screen_, "Check1");
    QTest::mouseClick(grid, Qt::LeftButton);
    QCOMPARE(grid->text(), t::kSerialColumn);

    // The calculator button brings the calculator forward; its plane attitude button brings
    // back the same window.
    click(screen_, "CommandJsq");
    QVERIFY(QTest::qWaitForWindowActive(program_->main()));
    click(program_->main(), "dcButton7");
    QCOMPARE(program_->screens.window(ScreenId::Attitude), screen_);
    QVERIFY(QTest::qWaitForWindowActive(screen_));
    int windows = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) windows += qobject_cast<AttitudeView*>(window) != nullptr;
    QCOMPARE(windows, 1);
}

void AttitudeViewTest::pastedPointsFromTheChosenFirstPoint() {
    paste(QStringLiteral("G4,0,0,0\nG5,2,0,-2\nG6,0,2,-2"));
    // Getting the focus, the list of first points offers the serials of the pasted points.
    first()->setFocus();
    QVERIFY(first()->hasFocus());
    QCOMPARE(first()->count(), 4);
    QCOMPARE(first()->itemText(1), u"G4");

    first()->showPopup();
    QAbstractItemView* list = first()->view();
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));
    list->setCurrentIndex(list->model()->index(1, 0));
    QTest::keyClick(list, Qt::Key_Return);
    QTRY_VERIFY(!list->window()->isVisible());
    QCOMPARE(first()->currentText(), u"G4");

    click(screen_, "Command1");
    const QString text = result()->toPlainText();
    QVERIFY2(text.startsWith(t::usedPoints(QStringLiteral("G4"), QStringLiteral("G5"), QStringLiteral("G6")) + u'\n'),
             qPrintable(text));
    QVERIFY2(text.contains(u"走向为 135 度"), qPrintable(text));
    QVERIFY(!text.contains(u'\r'));
    QVERIFY(program_->messages.shown.isEmpty());
}

void AttitudeViewTest::tooFewPointsAreReported() {
    paste(QStringLiteral("G4,0,0,0\nG5,2,0,-2"));
    click(screen_, "Command1");
    QCOMPARE(program_->messages.shown, QStringList{t::kMsgTooFewPoints});
}

}  // namespace cesuan

QTEST_MAIN(cesuan::AttitudeViewTest)
#include "attitude_view_test.moc"
