// The base calculator window driven through its widgets, opened from the calculator window;
// the conversions and operations themselves are proved on the controller in tests/screens.

#include "views/base_calculator_view.h"

#include "tests/views/view_test_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

namespace cesuan {

using test::control;

class BaseCalculatorViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnceFromTheMainWindow();
    void binaryKeypadWritesAtTheCaretAndComputes();
    void hexadecimalLogicalOperations();
    void keypadFollowsTheRadix();

private:
    QLineEdit* box(const char* name) const { return control<QLineEdit>(screen_, name); }
    // Clicks the button; an option button on its round indicator, as its caption may be
    // narrower than the button.
    void click(const char* name) const {
        auto* button = control<QAbstractButton>(screen_, name);
        const bool option = qobject_cast<QRadioButton*>(button) != nullptr;
        QTest::mouseClick(button, Qt::LeftButton, {}, option ? QPoint(6, button->height() / 2) : QPoint());
    }
    // Gives the data box the focus, as a click into it does.
    void focus(const char* name) const {
        QTest::mouseClick(box(name), Qt::LeftButton);
        QVERIFY(box(name)->hasFocus());
    }

    std::unique_ptr<test::ModalWatchdog> watchdog_;
    std::unique_ptr<test::Program> program_;
    QWidget* screen_ = nullptr;
};

void BaseCalculatorViewTest::init() {
    watchdog_ = std::make_unique<test::ModalWatchdog>();
    program_ = std::make_unique<test::Program>();
    QVERIFY(program_->screens.show(ScreenId::Main));
    QVERIFY(QTest::qWaitForWindowActive(program_->main()));
    QTest::mouseClick(control<QPushButton>(program_->main(), "dcButton3"), Qt::LeftButton);  // 进制换算
    screen_ = program_->screens.window(ScreenId::BaseCalculator);
    QVERIFY(qobject_cast<BaseCalculatorView*>(screen_) != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(screen_));
}

void BaseCalculatorViewTest::cleanup() {
    program_.reset();
    QVERIFY2(watchdog_->seen.isEmpty(), qPrintable(watchdog_->seen.join(u'\n')));
    watchdog_.reset();
}

void BaseCalculatorViewTest::opensOnceFromTheMainWindow() {
    QCOMPARE(screen_->windowTitle(), u"进制换算 — 测算 CeSuan");
    QCOMPARE(control<QLabel>(screen_, "Label4")->text(), u"加法 +");
    QVERIFY(control<QRadioButton>(screen_, "Option1")->isChecked());
    QVERIFY(control<QRadioButton>(screen_, "Option5")->isChecked());
    QCOMPARE(control<QPushButton>(screen_, "Command17")->text(), u"F");
    QVERIFY(!control<QLabel>(screen_, "Label6")->isVisible());
    QVERIFY(!control<QPlainTextEdit>(screen_, "Text4")->toPlainText().isEmpty());

    focus("Text1");
    test::typeText(box("Text1"), QStringLiteral("101"));
    program_->main()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(program_->main()));
    QTest::mouseClick(control<QPushButton>(program_->main(), "dcButton3"), Qt::LeftButton);
    QCOMPARE(program_->screens.window(ScreenId::BaseCalculator), screen_);
    QVERIFY(QTest::qWaitForWindowActive(screen_));
    QCOMPARE(box("Text1")->text(), u"101");
    int windows = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) windows += qobject_cast<BaseCalculatorView*>(window) != nullptr;
    QCOMPARE(windows, 1);
}

void BaseCalculatorViewTest::binaryKeypadWritesAtTheCaretAndComputes() {
    focus("Text1");
    click("Command2");  // "1"
    click("Command2");
    QCOMPARE(box("Text1")->text(), u"11");
    QVERIFY(box("Text1")->hasFocus());  // the focus came back to the box, after the new digit
    QCOMPARE(box("Text1")->cursorPosition(), 2);
    QTest::keyClick(box("Text1"), Qt::Key_Left);
    click("Command1");  // "0" between the two ones: the key works at the box's caret
    QCOMPARE(box("Text1")->text(), u"101");
    QCOMPARE(box("Text1")->cursorPosition(), 2);

    focus("Text2");
    click("Command2");
    click("Command2");
    click("Command23");  // 运算: 101 + 11
    QCOMPARE(box("Text2")->text(), u"11");
    QCOMPARE(box("Text3")->text(), u"1000");

    click("Option8");  // 除: the result box empties, 1 / 11 is 0.333... in binary
    QCOMPARE(box("Text3")->text(), u"");
    QCOMPARE(control<QLabel>(screen_, "Label4")->text(), u"除法 /");
    box("Text1")->setText(QStringLiteral("1"));
    click("Command23");
    QVERIFY(box("Text3")->text().startsWith(u"0.0101010101"));
    auto* warning = control<QLabel>(screen_, "Label6");
    QVERIFY(warning->isVisible());
    QCOMPARE(warning->text(), QStringLiteral("计算结果为 %1 位，显示框不能完全显示，敬请注意！").arg(box("Text3")->text().size()));
}

void BaseCalculatorViewTest::hexadecimalLogicalOperations() {
    click("Option4");  // 十六进制: the empty boxes come out as 0
    QCOMPARE(box("Text1")->text(), u"0");
    QVERIFY(control<QPlainTextEdit>(screen_, "Text4")->toPlainText().contains(u"以前为 2进制，当前为 16进制。"));
    focus("Text1");
    click("Command21");  // 清除
    QCOMPARE(box("Text1")->text(), u"");
    click("Command17");  // "F"
    click("Command17");
    focus("Text2");
    click("Command21");
    click("Command2");
    QCOMPARE(box("Text1")->text(), u"FF");
    QCOMPARE(box("Text2")->text(), u"1");

    click("Option11");  // 与
    QCOMPARE(control<QLabel>(screen_, "Label4")->text(), u"与 And");
    QVERIFY(control<QPlainTextEdit>(screen_, "Text4")->toPlainText().startsWith(u"逻辑运算--[与 And]"));
    click("Command23");
    QCOMPARE(box("Text3")->text(), u"1");
    click("Option12");  // 或, computed by a click on the result's label
    QTest::mouseClick(control<QLabel>(screen_, "Label7"), Qt::LeftButton);
    QCOMPARE(box("Text3")->text(), u"FF");

    click("Option13");  // 非 takes data 2 only
    QVERIFY(!box("Text1")->isVisible());
    click("Option14");
    QVERIFY(box("Text1")->isVisible());
}

void BaseCalculatorViewTest::keypadFollowsTheRadix() {
    focus("Text1");
    QVERIFY(!control<QPushButton>(screen_, "Command3")->isEnabled());  // "2" in binary
    click("Command3");
    QCOMPARE(box("Text1")->text(), u"");
    click("Command18");  // "-" and "." work in every radix
    click("Command2");
    click("Command19");
    click("Command2");
    QCOMPARE(box("Text1")->text(), u"-1.1");
    click("Command20");  // <=删
    QCOMPARE(box("Text1")->text(), u"-1.");

    click("Option3");  // 十进制: 0 .. 9, not A .. F
    QCOMPARE(box("Text1")->text(), u"-1");
    QVERIFY(control<QPushButton>(screen_, "Command3")->isEnabled());
    QVERIFY(control<QPushButton>(screen_, "Command10")->isEnabled());
    QVERIFY(!control<QPushButton>(screen_, "Command11")->isEnabled());
    focus("Text1");
    click("Command10");  // "9"
    QCOMPARE(box("Text1")->text(), u"-19");
    QVERIFY(program_->messages.shown.isEmpty());
}

}  // namespace cesuan

QTEST_MAIN(cesuan::BaseCalculatorViewTest)
#include "base_calculator_view_test.moc"
