// The stake-out window driven through its widgets, opened from the module menu; the points
// themselves are proved on the controller and the core.

#include "views/forward_view.h"

#include "engine/line_ends.h"
#include "screens/forward_texts.h"
#include "tests/views/view_test_support.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <memory>

namespace cesuan {

using test::control;

namespace t = texts::forward;

class ForwardViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void bothInstrumentButtonsOpenTheOneWindow();
    void radialChainedAndWithoutHeight();
    void badStationIsNamed();
    void keysOpenAndSave();

private:
    QPlainTextEdit* lines() const { return control<QPlainTextEdit>(screen_, "Text1"); }
    QPlainTextEdit* results() const { return control<QPlainTextEdit>(screen_, "Text2"); }
    void compute() { QTest::mouseClick(control<QPushButton>(screen_, "Command1"), Qt::LeftButton); }
    void clickModule(int index) {
        QWidget* menu = program_->screens.window(ScreenId::ModuleMenu);
        QTest::mouseClick(control<QPushButton>(menu, qPrintable(QStringLiteral("Command1_%1").arg(index))), Qt::LeftButton);
    }

    std::unique_ptr<test::ModalWatchdog> watchdog_;
    std::unique_ptr<test::Program> program_;
    QWidget* screen_ = nullptr;
};

void ForwardViewTest::init() {
    watchdog_ = std::make_unique<test::ModalWatchdog>();
    program_ = std::make_unique<test::Program>();
    QVERIFY(program_->screens.show(ScreenId::Main));
    QVERIFY(program_->screens.show(ScreenId::ModuleMenu));
    clickModule(16);  // 经纬仪测量
    screen_ = program_->screens.window(ScreenId::Forward);
    QVERIFY(qobject_cast<ForwardView*>(screen_) != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(screen_));
}

void ForwardViewTest::cleanup() {
    program_.reset();
    QVERIFY2(watchdog_->seen.isEmpty(), qPrintable(watchdog_->seen.join(u'\n')));
    watchdog_.reset();
}

void ForwardViewTest::bothInstrumentButtonsOpenTheOneWindow() {
    QCOMPARE(screen_->windowTitle(), t::kWindowTitle);
    QCOMPARE(control<QLabel>(screen_, "Label7")->text(), t::kColumnHeading);
    QVERIFY(program_->screens.show(ScreenId::ModuleMenu));
    clickModule(17);  // 测距仪测量
    QCOMPARE(program_->screens.window(ScreenId::Forward), screen_);
    QVERIFY(QTest::qWaitForWindowActive(screen_));
}

void ForwardViewTest::radialChainedAndWithoutHeight() {
    QCOMPARE(control<QLineEdit>(screen_, "TextX")->text(), t::kStartStationX);
    QCOMPARE(lines()->toPlainText(), WithLfLineEnds(t::kStartLines));
    QVERIFY(control<QRadioButton>(screen_, "Option1")->isChecked());
    compute();
    QCOMPARE(results()->toPlainText(), u"P1 ,3070.711 ,5070.711 ,50.000\n"
                                       u"P2 ,3000.000 ,5050.000 ,50.000\n"
                                       u"P3 ,2920.079 ,4999.303 ,53.490\n");

    QTest::mouseClick(control<QRadioButton>(screen_, "Option2"), Qt::LeftButton);
    QVERIFY(!control<QRadioButton>(screen_, "Option1")->isChecked());
    compute();
    QCOMPARE(results()->toPlainText().split(u'\n').value(2), u"P3 ,2990.790 ,5120.013 ,53.490");

    auto* height = control<QLineEdit>(screen_, "TextH");
    height->clear();
    QTest::keyClick(height, Qt::Key_Return);  // Enter in a station box computes
    QCOMPARE(results()->toPlainText().split(u'\n').value(0), u"P1 ,3070.711 ,5070.711");
    QVERIFY(program_->messages.shown.isEmpty());
}

void ForwardViewTest::badStationIsNamed() {
    control<QLineEdit>(screen_, "TextX")->setText(QStringLiteral("三千x"));
    compute();
    QCOMPARE(program_->messages.shown, QStringList{t::msgStationNotANumber(QStringLiteral("X"), QStringLiteral("三千x")) +
                                                   u'\n' + t::kMsgDataError});
    QCOMPARE(results()->toPlainText(), u" ");
}

void ForwardViewTest::keysOpenAndSave() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString lineFile = dir.filePath(QStringLiteral("放样.txt"));
    QFile file(lineFile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("K1,90,12.5\r\n");
    file.close();

    program_->files.openPaths = {lineFile};
    QTest::keyClick(lines(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(lines()->toPlainText(), u"K1,90,12.5\n");
    QTest::keyClick(lines(), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(results()->toPlainText(), u"K1 ,3000.000 ,5012.500 ,50.000\n");

    const QString saved = dir.filePath(QStringLiteral("坐标.txt"));
    program_->files.savePaths = {saved};
    QTest::keyClick(results(), Qt::Key_S, Qt::ControlModifier);
    QFile out(saved);
    QVERIFY(out.open(QIODevice::ReadOnly));
    QCOMPARE(out.readAll(), "\xEF\xBB\xBF" + WithCrLfLineEnds(results()->toPlainText()).toUtf8());
    QVERIFY(program_->messages.shown.isEmpty());
}

}  // namespace cesuan

QTEST_MAIN(cesuan::ForwardViewTest)
#include "forward_view_test.moc"
