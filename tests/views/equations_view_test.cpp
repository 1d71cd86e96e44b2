// The linear-system window driven through its widgets: equations typed with Chinese words and
// a letter that holds a memory value, least squares by the check box, F1.

#include "views/equations_view.h"

#include "screens/help_texts.h"
#include "tests/views/view_test_support.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>

namespace cesuan {

using test::control;

class EquationsViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void solvesTheTypedSystem();
    void leastSquaresOnRequest();

private:
    std::unique_ptr<test::ModalWatchdog> watchdog_;
    std::unique_ptr<test::Program> program_;
    QWidget* screen_ = nullptr;
};

void EquationsViewTest::init() {
    watchdog_ = std::make_unique<test::ModalWatchdog>();
    program_ = std::make_unique<test::Program>();
    QVERIFY(program_->screens.show(ScreenId::Equations));
    screen_ = program_->screens.window(ScreenId::Equations);
    QVERIFY(qobject_cast<EquationsView*>(screen_) != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(screen_));
}

void EquationsViewTest::cleanup() {
    program_.reset();
    QVERIFY2(watchdog_->seen.isEmpty(), qPrintable(watchdog_->seen.join(u'\n')));
    watchdog_.reset();
}

void EquationsViewTest::solvesTheTypedSystem() {
    QCOMPARE(screen_->windowTitle(), u"测算 CeSuan — 解多元方程");
    program_->screens.settings().memoryVariables[6] = CalcValue(100);  // x: still an unknown
    auto* system = control<QPlainTextEdit>(screen_, "Text1");
    system->setPlainText(QStringLiteral("x加y等于10\nx减y等于4"));
    QTest::keyClick(system, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(system->toPlainText(), u"x加y等于10\nx减y等于4");  // Ctrl+Enter adds no line
    QCOMPARE(control<QPlainTextEdit>(screen_, "TextResult")->toPlainText(),
             u"唯一解：2个方程，2个未知数，系数矩阵的秩为2，增广矩阵的秩为2。\n  x  =  7\n  y  =  3\n");
    QCOMPARE(control<QLabel>(screen_, "StatusLine")->text(), u"系数矩阵的条件数 1");

    QVERIFY(QTest::qWaitForWindowActive(screen_));  // a slow run shows the progress dialog a moment
    QTest::keyClick(screen_, Qt::Key_F1);
    QVERIFY(control<QPlainTextEdit>(program_->screens.window(ScreenId::Help), "Text1")
                ->toPlainText()
                .startsWith(texts::help::kEquationsTitle + u'\n'));
}

void EquationsViewTest::leastSquaresOnRequest() {
    control<QPlainTextEdit>(screen_, "Text1")->setPlainText(QStringLiteral("x=1\nx=2\nx=6"));
    auto* solve = control<QPushButton>(screen_, "Command1");
    QTest::mouseClick(solve, Qt::LeftButton);
    QVERIFY(control<QPlainTextEdit>(screen_, "TextResult")->toPlainText().startsWith(u"无解：3个方程"));
    control<QCheckBox>(screen_, "Check1")->setChecked(true);
    QTest::mouseClick(solve, Qt::LeftButton);
    const QString result = control<QPlainTextEdit>(screen_, "TextResult")->toPlainText();
    QVERIFY2(result.startsWith(u"最小二乘解：3个方程") && result.contains(u"  x  =  3\n"), qPrintable(result));
    QVERIFY(program_->messages.shown.isEmpty());
}

}  // namespace cesuan

QTEST_MAIN(cesuan::EquationsViewTest)
#include "equations_view_test.moc"
