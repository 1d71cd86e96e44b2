// The matrix window driven through its widgets: entries typed as formulas with the program's
// settings, Ctrl+Enter, a problem's box and status line, F1, and long work on a worker thread
// that the progress dialog's cancel button gives up.

#include "views/matrix_view.h"

#include "screens/help_texts.h"
#include "tests/views/view_test_support.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>

#include <memory>

namespace cesuan {

using test::control;

class MatrixViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void computesWithTheSettings();
    void problemIsShown();
    void helpKey();
    void cancelGivesTheWindowBack();

private:
    void ctrlEnter() { QTest::keyClick(screen_, Qt::Key_Return, Qt::ControlModifier); }

    std::unique_ptr<test::ModalWatchdog> watchdog_;
    std::unique_ptr<test::Program> program_;
    QWidget* screen_ = nullptr;
};

void MatrixViewTest::init() {
    watchdog_ = std::make_unique<test::ModalWatchdog>();
    program_ = std::make_unique<test::Program>();
    QVERIFY(program_->screens.show(ScreenId::Matrix));
    screen_ = program_->screens.window(ScreenId::Matrix);
    QVERIFY(qobject_cast<MatrixView*>(screen_) != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(screen_));
}

void MatrixViewTest::cleanup() {
    program_.reset();
    QVERIFY2(watchdog_->seen.isEmpty(), qPrintable(watchdog_->seen.join(u'\n')));
    watchdog_.reset();
}

void MatrixViewTest::computesWithTheSettings() {
    QCOMPARE(screen_->windowTitle(), u"测算 CeSuan — 矩阵计算");
    QCOMPARE(control<QComboBox>(screen_, "ComboOperation")->currentText(), u"行列式 det A");
    ctrlEnter();
    QCOMPARE(control<QPlainTextEdit>(screen_, "TextResult")->toPlainText(), u"det A = 19\n");
    QCOMPARE(control<QLabel>(screen_, "StatusLine")->text(), u"条件数 3.32");

    // Degrees and x = 2 in the program's settings; sin 30 then is 0.5: the inverse of
    // [0.5 2; 4 3] is [3 -2; -4 0.5] / -6.5, to the 14 digits its condition leaves.
    program_->screens.settings().angleUnit = AngleUnit::DecimalDegree;
    program_->screens.settings().memoryVariables[6] = CalcValue(2);
    control<QPlainTextEdit>(screen_, "TextA")->setPlainText(QStringLiteral("sin30, x\n2x, 三"));
    control<QComboBox>(screen_, "ComboOperation")->setCurrentIndex(int(MatrixOperation::Inverse));
    QTest::mouseClick(control<QPushButton>(screen_, "Command1"), Qt::LeftButton);
    QCOMPARE(control<QPlainTextEdit>(screen_, "TextResult")->toPlainText(),
             u"A⁻¹ =（2×2）\n  -0.46153846153846    0.30769230769231\n   0.61538461538462  -0.076923076923077\n");
    QVERIFY(program_->messages.shown.isEmpty());
}

void MatrixViewTest::problemIsShown() {
    control<QPlainTextEdit>(screen_, "TextA")->setPlainText(QStringLiteral("1 2\n3"));
    ctrlEnter();
    const QString problem = QStringLiteral("矩阵A第2行有1个数，而第1行有2个数：每行的数必须一样多。");
    QCOMPARE(program_->messages.errors, QStringList{problem});
    QCOMPARE(control<QLabel>(screen_, "StatusLine")->text(), problem);
    QCOMPARE(control<QPlainTextEdit>(screen_, "TextResult")->toPlainText(), u"");
    QCOMPARE(control<QPlainTextEdit>(screen_, "TextA")->toPlainText(), u"1 2\n3");  // kept as typed
}

void MatrixViewTest::helpKey() {
    QTest::keyClick(screen_, Qt::Key_F1);
    QWidget* help = program_->screens.window(ScreenId::Help);
    QVERIFY(help != nullptr);
    QVERIFY(control<QPlainTextEdit>(help, "Text1")->toPlainText().startsWith(texts::help::kMatrixTitle + u'\n'));
    QTest::mouseClick(control<QPushButton>(screen_, "CommandHelp"), Qt::LeftButton);
    QVERIFY(control<QPlainTextEdit>(help, "Text1")->toPlainText().startsWith(texts::help::kMatrixTitle + u'\n'));
}

void MatrixViewTest::cancelGivesTheWindowBack() {
    // Work that runs until it is stopped: the dialog's cancel button returns at once.
    QtWorkRunner& runner = static_cast<MatrixView*>(screen_)->workRunner();
    runner.dialogDelayMs = 0;
    auto stopped = std::make_shared<std::atomic<bool>>(false);
    QTimer cancel;
    QString label;
    connect(&cancel, &QTimer::timeout, this, [this, &label] {
        if (auto* dialog = screen_->findChild<QProgressDialog*>()) {
            label = dialog->labelText();
            if (auto* button = dialog->findChild<QPushButton*>()) button->click();
        }
    });
    cancel.start(20);
    const bool finished = runner.run(QStringLiteral("正在计算……"), [stopped](const std::atomic<bool>& stop) {
        while (!stop.load()) QThread::yieldCurrentThread();
        stopped->store(true);
    });
    QVERIFY(!finished);
    QCOMPARE(label, u"正在计算……");
    QTRY_VERIFY(stopped->load());  // the work saw the flag and ended on its thread
    QVERIFY(QTest::qWaitForWindowActive(screen_));  // and the keyboard is the window's again

    // Work that ends by itself reports so.
    QVERIFY(runner.run(QString(), [](const std::atomic<bool>&) {}));
}

}  // namespace cesuan

QTEST_MAIN(cesuan::MatrixViewTest)
#include "matrix_view_test.moc"
