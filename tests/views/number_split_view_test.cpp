// The number split window driven through its widgets.

#include "views/number_split_view.h"

#include "tests/views/view_test_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace cesuan {

using test::control;
using test::typeText;

class NumberSplitViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnce();
    void runSplits_data();
    void runSplits();

private:
    std::unique_ptr<test::ModalWatchdog> watchdog_;
    std::unique_ptr<test::Program> program_;
    QWidget* screen_ = nullptr;
};

void NumberSplitViewTest::init() {
    watchdog_ = std::make_unique<test::ModalWatchdog>();
    program_ = std::make_unique<test::Program>();
    QVERIFY(program_->screens.show(ScreenId::NumberSplit));
    screen_ = program_->screens.window(ScreenId::NumberSplit);
    QVERIFY(qobject_cast<NumberSplitView*>(screen_) != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(screen_));
}

void NumberSplitViewTest::cleanup() {
    program_.reset();
    QVERIFY2(watchdog_->seen.isEmpty(), qPrintable(watchdog_->seen.join(u'\n')));
    watchdog_.reset();
}

void NumberSplitViewTest::opensOnce() {
    QVERIFY(screen_->windowTitle().endsWith(u"原数分解为整数和小数部分"));
    QCOMPARE(control<QLineEdit>(screen_, "Text1")->text(), u"");
    QCOMPARE(control<QLineEdit>(screen_, "Text2")->text(), u"整数部分");
    QCOMPARE(control<QLineEdit>(screen_, "Text3")->text(), u"小数部分");
    QCOMPARE(control<QPushButton>(screen_, "Command1")->text(), u"运  行");

    typeText(control<QLineEdit>(screen_, "Text1"), QStringLiteral("8.5"));
    QVERIFY(program_->screens.show(ScreenId::NumberSplit));
    QCOMPARE(program_->screens.window(ScreenId::NumberSplit), screen_);
    QCOMPARE(control<QLineEdit>(screen_, "Text1")->text(), u"8.5");
    int screens = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) screens += qobject_cast<NumberSplitView*>(window) != nullptr;
    QCOMPARE(screens, 1);
}

void NumberSplitViewTest::runSplits_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("integer");
    QTest::addColumn<QString>("fraction");
    // Values as the controller's tests worked them out.
    QTest::newRow("negative") << QStringLiteral("-12.345") << QStringLiteral("-12") << QStringLiteral("345");
    QTest::newRow("above -1") << QStringLiteral("-0.5") << QStringLiteral("-0") << QStringLiteral("5");
    QTest::newRow("empty") << QString() << QStringLiteral("0") << QStringLiteral("0");
}

void NumberSplitViewTest::runSplits() {
    QFETCH(QString, typed);
    QFETCH(QString, integer);
    QFETCH(QString, fraction);

    typeText(control<QLineEdit>(screen_, "Text1"), typed);
    QTest::mouseClick(control<QPushButton>(screen_, "Command1"), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>(screen_, "Text1")->text(), typed);
    QCOMPARE(control<QLineEdit>(screen_, "Text2")->text(), integer);
    QCOMPARE(control<QLineEdit>(screen_, "Text3")->text(), fraction);
    QCOMPARE(program_->messages.shown.size(), 0);
}

}  // namespace cesuan

QTEST_MAIN(cesuan::NumberSplitViewTest)
#include "number_split_view_test.moc"
