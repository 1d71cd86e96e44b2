// The error-theory window driven through its widgets: Ctrl+Enter computes the tab on show,
// Enter in the formula box propagates, a bad variable line is named.

#include "views/errors_view.h"

#include "screens/help_texts.h"
#include "tests/views/view_test_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

#include <memory>

namespace cesuan {

using test::control;

class ErrorsViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void observationsAndPropagation();
    void badVariableLine();

private:
    std::unique_ptr<test::ModalWatchdog> watchdog_;
    std::unique_ptr<test::Program> program_;
    QWidget* screen_ = nullptr;
};

void ErrorsViewTest::init() {
    watchdog_ = std::make_unique<test::ModalWatchdog>();
    program_ = std::make_unique<test::Program>();
    QVERIFY(program_->screens.show(ScreenId::Errors));
    screen_ = program_->screens.window(ScreenId::Errors);
    QVERIFY(qobject_cast<ErrorsView*>(screen_) != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(screen_));
}

void ErrorsViewTest::cleanup() {
    program_.reset();
    QVERIFY2(watchdog_->seen.isEmpty(), qPrintable(watchdog_->seen.join(u'\n')));
    watchdog_.reset();
}

void ErrorsViewTest::observationsAndPropagation() {
    QCOMPARE(screen_->windowTitle(), u"测算 CeSuan — 误差计算");
    auto* tabs = control<QTabWidget>(screen_, "Tabs");
    QCOMPARE(tabs->tabText(0), u"同精度观测");
    control<QPlainTextEdit>(screen_, "TextObservations")->setPlainText(QStringLiteral("10 10 10 10 10 10 10 10 10 10 10 20"));
    QTest::keyClick(screen_, Qt::Key_Return, Qt::ControlModifier);
    const QString observed = control<QPlainTextEdit>(screen_, "ResultObservations")->toPlainText();
    QVERIFY2(observed.contains(u"第 12 个观测值的改正数超过 3m，可能含有粗差。"), qPrintable(observed));
    QVERIFY(control<QPlainTextEdit>(screen_, "ResultPropagation")->toPlainText().isEmpty());

    tabs->setCurrentIndex(1);
    auto* formula = control<QLineEdit>(screen_, "TextFormula");
    formula->setText(QStringLiteral("x加y"));
    control<QPlainTextEdit>(screen_, "TextVariables")->setPlainText(QStringLiteral("x=1±0.3\ny=2±0.4"));
    QTest::keyClick(formula, Qt::Key_Return);
    const QString propagated = control<QPlainTextEdit>(screen_, "ResultPropagation")->toPlainText();
    QVERIFY2(propagated.startsWith(u"函数值 f = 3\n中误差 m = ±0.5\n"), qPrintable(propagated));
    QVERIFY(propagated.contains(u"36 %") && propagated.contains(u"64 %"));

    QVERIFY(QTest::qWaitForWindowActive(screen_));  // a slow run shows the progress dialog a moment
    QTest::keyClick(screen_, Qt::Key_F1);
    QVERIFY(control<QPlainTextEdit>(program_->screens.window(ScreenId::Help), "Text1")
                ->toPlainText()
                .startsWith(texts::help::kErrorsTitle + u'\n'));
}

void ErrorsViewTest::badVariableLine() {
    control<QTabWidget>(screen_, "Tabs")->setCurrentIndex(1);
    control<QPlainTextEdit>(screen_, "TextVariables")->setPlainText(QStringLiteral("x=1±0.3\n\nq=2±1"));
    QTest::keyClick(screen_, Qt::Key_Enter, Qt::ControlModifier);
    const QString problem = QStringLiteral("第3行的变量“q”不对：变量是 r～z 中的一个字母。");
    QCOMPARE(program_->messages.errors, QStringList{problem});
    QCOMPARE(control<QLabel>(screen_, "StatusLine")->text(), problem);
}

}  // namespace cesuan

QTEST_MAIN(cesuan::ErrorsViewTest)
#include "errors_view_test.moc"
