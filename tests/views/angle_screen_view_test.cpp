// The angle conversion window driven through its widgets, opened from the calculator window.

#include "views/angle_screen_view.h"

#include "tests/views/view_test_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace cesuan {

using test::control;
using test::typeText;

class AngleScreenViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnce();
    void buttonConverts_data();
    void buttonConverts();
    void warningGoesToTheMessageBox();

private:
    std::unique_ptr<test::ModalWatchdog> watchdog_;
    std::unique_ptr<test::Program> program_;
    QWidget* screen_ = nullptr;
};

void AngleScreenViewTest::init() {
    watchdog_ = std::make_unique<test::ModalWatchdog>();
    program_ = std::make_unique<test::Program>();
    QVERIFY(program_->screens.show(ScreenId::Main));
    QVERIFY(QTest::qWaitForWindowActive(program_->main()));
    QTest::mouseClick(control<QPushButton>(program_->main(), "dcButton2"), Qt::LeftButton);  // 角度变换
    screen_ = program_->screens.window(ScreenId::Angles);
    QVERIFY(qobject_cast<AngleScreenView*>(screen_) != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(screen_));
}

void AngleScreenViewTest::cleanup() {
    program_.reset();
    QVERIFY2(watchdog_->seen.isEmpty(), qPrintable(watchdog_->seen.join(u'\n')));
    watchdog_.reset();
}

void AngleScreenViewTest::opensOnce() {
    QCOMPARE(screen_->windowTitle(), u"角度变换 — 测算 CeSuan");
    QCOMPARE(control<QLabel>(screen_, "Label1")->text(), u"原始角度数");
    QCOMPARE(control<QLabel>(screen_, "Label3")->text(), u"角度变换");
    QCOMPARE(control<QPushButton>(screen_, "Command4")->text(), u"百分度 ==> 弧  度");

    typeText(control<QLineEdit>(screen_, "Text1"), QStringLiteral("30"));
    program_->main()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(program_->main()));
    QTest::mouseClick(control<QPushButton>(program_->main(), "dcButton2"), Qt::LeftButton);
    QCOMPARE(program_->screens.window(ScreenId::Angles), screen_);
    QVERIFY(QTest::qWaitForWindowActive(screen_));
    QCOMPARE(control<QLineEdit>(screen_, "Text1")->text(), u"30");
    int screens = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) screens += qobject_cast<AngleScreenView*>(window) != nullptr;
    QCOMPARE(screens, 1);
}

void AngleScreenViewTest::buttonConverts_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("read");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("result");
    // Values as the controller's tests worked them out.
    QTest::newRow("decimal degrees to radians") << QStringLiteral("Command4") << QStringLiteral(" 180 ") << QStringLiteral("180")
                                                << QStringLiteral("百分度==>弧度") << QStringLiteral("3.141592653589793238462643386");
    QTest::newRow("decimal degrees to DMS") << QStringLiteral("Command3") << QStringLiteral("45.50") << QStringLiteral("45.5")
                                            << QStringLiteral("百分度==>度分秒") << QStringLiteral("45.3");
    QTest::newRow("DMS to decimal degrees") << QStringLiteral("Command6") << QStringLiteral("-0.3") << QStringLiteral("-0.3")
                                            << QStringLiteral("度分秒==>百分度") << QStringLiteral("-0.5");
    QTest::newRow("radians to DMS") << QStringLiteral("Command1") << QStringLiteral("1") << QStringLiteral("1")
                                    << QStringLiteral("弧度==>度分秒") << QStringLiteral("57.174480624709635515647335733");
}

void AngleScreenViewTest::buttonConverts() {
    QFETCH(QString, button);
    QFETCH(QString, typed);
    QFETCH(QString, read);
    QFETCH(QString, name);
    QFETCH(QString, result);

    auto* angle = control<QLineEdit>(screen_, "Text1");
    auto* heading = control<QLabel>(screen_, "Label1");
    typeText(angle, typed);
    QTest::mouseClick(control<QPushButton>(screen_, button.toLatin1().constData()), Qt::LeftButton);
    QCOMPARE(angle->text(), read);
    QCOMPARE(heading->text(), name);
    QCOMPARE(control<QLineEdit>(screen_, "Text2")->text(), result);

    QTest::keyClick(angle, Qt::Key_End);  // a key in the box puts the heading back
    QCOMPARE(heading->text(), u"原始角度数");
}

void AngleScreenViewTest::warningGoesToTheMessageBox() {
    typeText(control<QLineEdit>(screen_, "Text1"), QStringLiteral("12.3075"));
    QTest::mouseClick(control<QPushButton>(screen_, "Command6"), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>(screen_, "Text2")->text(), u"12.516666666666666666666666667");  // 12°31′
    QCOMPARE(program_->messages.shown.size(), 1);
}

}  // namespace cesuan

QTEST_MAIN(cesuan::AngleScreenViewTest)
#include "angle_screen_view_test.moc"
