// The derivative and integral windows driven through their widgets: the menu's start examples
// computed with their pictures, a formula error named, F1 opens each window's topic.

#include "views/calculus_view.h"

#include "screens/help_texts.h"
#include "views/plot_view.h"
#include "tests/views/view_test_support.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <memory>

namespace cesuan {

using test::control;

class CalculusViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void derivativeWithTangent();
    void integralWithShadedArea();

private:
    QWidget* open(ScreenId screen);
    std::unique_ptr<test::ModalWatchdog> watchdog_;
    std::unique_ptr<test::Program> program_;
};

void CalculusViewTest::init() {
    watchdog_ = std::make_unique<test::ModalWatchdog>();
    program_ = std::make_unique<test::Program>();
}

void CalculusViewTest::cleanup() {
    program_.reset();
    QVERIFY2(watchdog_->seen.isEmpty(), qPrintable(watchdog_->seen.join(u'\n')));
    watchdog_.reset();
}

QWidget* CalculusViewTest::open(ScreenId screen) {
    if (!program_->screens.show(screen)) return nullptr;
    QWidget* window = program_->screens.window(screen);
    if (!QTest::qWaitForWindowActive(window)) return nullptr;
    return qobject_cast<CalculusView*>(window);
}

void CalculusViewTest::derivativeWithTangent() {
    QWidget* window = open(ScreenId::Derivative);
    QVERIFY(window != nullptr);
    QCOMPARE(window->windowTitle(), u"测算 CeSuan — 微分计算");
    auto* formula = control<QLineEdit>(window, "TextFormula");
    QCOMPARE(formula->text(), u"x^3-2*x");
    QTest::keyClick(formula, Qt::Key_Return);
    QString result = control<QPlainTextEdit>(window, "ResultText")->toPlainText();
    QVERIFY2(result.contains(u"f′(x₀) = 4.75\n"), qPrintable(result));
    const Picture& picture = control<PlotView>(window, "plotView")->picture();
    QVERIFY(std::any_of(picture.lines.begin(), picture.lines.end(), [](const PictureLine& l) { return l.ink == PictureInk::Fit; }));

    control<QComboBox>(window, "ComboOrder")->setCurrentIndex(1);
    QVERIFY(QTest::qWaitForWindowActive(window));  // a slow run shows the progress dialog a moment
    QTest::keyClick(window, Qt::Key_Return, Qt::ControlModifier);
    result = control<QPlainTextEdit>(window, "ResultText")->toPlainText();
    QVERIFY2(result.contains(u"f″(x₀) = 9\n"), qPrintable(result));

    control<QLineEdit>(window, "TextPoint")->setText(QStringLiteral("-1"));
    formula->setText(QStringLiteral("ln(x)"));
    QTest::keyClick(formula, Qt::Key_Return);
    QCOMPARE(program_->messages.errors.size(), 1);
    QVERIFY(program_->messages.errors[0].contains(u"x = -1"));
    QCOMPARE(control<QLabel>(window, "StatusLine")->text(), program_->messages.errors[0]);

    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_F1);
    QVERIFY(control<QPlainTextEdit>(program_->screens.window(ScreenId::Help), "Text1")
                ->toPlainText()
                .startsWith(texts::help::kDerivativeTitle + u'\n'));
}

void CalculusViewTest::integralWithShadedArea() {
    QWidget* window = open(ScreenId::Integral);
    QVERIFY(window != nullptr);
    QCOMPARE(window->windowTitle(), u"测算 CeSuan — 积分计算");
    control<QLineEdit>(window, "TextTo")->setText(QStringLiteral("∞"));
    auto* formula = control<QLineEdit>(window, "TextFormula");
    formula->setText(QStringLiteral("1/ε^(x^2)"));
    QTest::keyClick(formula, Qt::Key_Return);
    const QString result = control<QPlainTextEdit>(window, "ResultText")->toPlainText();
    QVERIFY2(result.contains(u"∫ f(x) dx = 0.88622692545"), qPrintable(result));
    const Picture& picture = control<PlotView>(window, "plotView")->picture();
    QVERIFY(std::any_of(picture.lines.begin(), picture.lines.end(), [](const PictureLine& l) { return l.filled; }));
    QVERIFY(program_->messages.shown.isEmpty());

    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_F1);
    QVERIFY(control<QPlainTextEdit>(program_->screens.window(ScreenId::Help), "Text1")
                ->toPlainText()
                .startsWith(texts::help::kIntegralTitle + u'\n'));
}

}  // namespace cesuan

QTEST_MAIN(cesuan::CalculusViewTest)
#include "calculus_view_test.moc"
