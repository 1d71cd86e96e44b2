// The parcel area window driven through its widgets, opened from the module menu; the areas
// themselves are proved on the controller and the core.

#include "views/area_view.h"
#include "views/plot_view.h"

#include "engine/line_ends.h"
#include "screens/area_texts.h"
#include "tests/views/view_test_support.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

namespace cesuan {

using test::control;

namespace t = texts::area;

class AreaViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void bothMenuButtonsOpenTheOneWindow();
    void computesTheStartParcel();
    void failureIsReportedInABox();
    void keysOpenComputeAndSave();

private:
    QPlainTextEdit* points() const { return control<QPlainTextEdit>(screen_, "Text1"); }
    QPlainTextEdit* results() const { return control<QPlainTextEdit>(screen_, "Text2"); }
    void clickModule(int index) {
        QWidget* menu = program_->screens.window(ScreenId::ModuleMenu);
        QTest::mouseClick(control<QPushButton>(menu, qPrintable(QStringLiteral("Command1_%1").arg(index))), Qt::LeftButton);
    }

    std::unique_ptr<test::ModalWatchdog> watchdog_;
    std::unique_ptr<test::Program> program_;
    QWidget* screen_ = nullptr;
};

void AreaViewTest::init() {
    watchdog_ = std::make_unique<test::ModalWatchdog>();
    program_ = std::make_unique<test::Program>();
    QVERIFY(program_->screens.show(ScreenId::Main));
    QVERIFY(program_->screens.show(ScreenId::ModuleMenu));
    clickModule(14);  // 计算面积
    screen_ = program_->screens.window(ScreenId::Area);
    QVERIFY(qobject_cast<AreaView*>(screen_) != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(screen_));
}

void AreaViewTest::cleanup() {
    program_.reset();
    QVERIFY2(watchdog_->seen.isEmpty(), qPrintable(watchdog_->seen.join(u'\n')));
    watchdog_.reset();
}

void AreaViewTest::bothMenuButtonsOpenTheOneWindow() {
    QCOMPARE(screen_->windowTitle(), t::kWindowTitle);
    QVERIFY(program_->screens.show(ScreenId::ModuleMenu));
    clickModule(18);  // 平面面积
    QCOMPARE(program_->screens.window(ScreenId::Area), screen_);
    QVERIFY(QTest::qWaitForWindowActive(screen_));
    int windows = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) windows += qobject_cast<AreaView*>(window) != nullptr;
    QCOMPARE(windows, 1);

    // The calculator button brings the calculator forward.
    QTest::mouseClick(control<QPushButton>(screen_, "CommandJsq"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(program_->main()));
}

void AreaViewTest::computesTheStartParcel() {
    QCOMPARE(points()->toPlainText(), WithLfLineEnds(t::kStartPoints));
    QTest::mouseClick(control<QPushButton>(screen_, "Command1"), Qt::LeftButton);
    const QStringList lines = results()->toPlainText().split(u'\n');
    QVERIFY2(lines.size() >= 6, qPrintable(results()->toPlainText()));
    QCOMPARE(lines[2], u"面　　积：1000.000 ㎡（平方米）");
    QCOMPARE(lines[3], u"　　　　　1.5000 亩");
    QCOMPARE(lines[5], u"点的顺序：顺时针（北方朝上的图上）");
    QVERIFY(program_->messages.shown.isEmpty());
    // The outline beside the result: the four corners numbered, the area inside.
    auto* outline = screen_->findChild<PlotView*>(QStringLiteral("outlineView"));
    QVERIFY(outline != nullptr && outline->isVisible());
    QCOMPARE(outline->picture().marks.size(), std::size_t(4));
    QCOMPARE(outline->picture().texts.size(), std::size_t(1));

    // Without serials the first number is X.
    auto* serials = control<QCheckBox>(screen_, "Check1");
    QCOMPARE(serials->text(), t::kSerialColumn);
    QTest::mouseClick(serials, Qt::LeftButton);
    QCOMPARE(serials->text(), t::kNoSerialColumn);
    points()->setPlainText(QStringLiteral("0,0\n0,30\n20,30\n20,0\n0,0"));
    QTest::mouseClick(control<QPushButton>(screen_, "Command1"), Qt::LeftButton);
    QVERIFY2(results()->toPlainText().contains(u"　　　　　0.9000 亩\n"), qPrintable(results()->toPlainText()));
    QVERIFY(results()->toPlainText().contains(t::kCounterclockwise));
}

void AreaViewTest::failureIsReportedInABox() {
    points()->setPlainText(QStringLiteral("A,0,0\nB,1,1\nA,0,0"));
    QTest::mouseClick(control<QPushButton>(screen_, "Command1"), Qt::LeftButton);
    QCOMPARE(program_->messages.shown, QStringList{t::kMsgTooFewPoints});
    QCOMPARE(results()->toPlainText(), u" ");
}

void AreaViewTest::keysOpenComputeAndSave() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pointFile = dir.filePath(QStringLiteral("界址点.csv"));
    QFile file(pointFile);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("A,0,0\r\nB,0,100\r\nC,100,100\r\nD,100,0\r\n");
    file.close();

    program_->files.openPaths = {pointFile};
    QTest::keyClick(points(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(control<QLabel>(screen_, "StatusLine")->text(), u"已打开 界址点.csv（4 行，UTF-8 编码）");
    QTest::keyClick(points(), Qt::Key_Return, Qt::ControlModifier);
    QVERIFY2(results()->toPlainText().contains(u"15.0000 亩"), qPrintable(results()->toPlainText()));

    const QString saved = dir.filePath(QStringLiteral("面积.txt"));
    program_->files.savePaths = {saved};
    QTest::keyClick(results(), Qt::Key_S, Qt::ControlModifier);
    QFile out(saved);
    QVERIFY(out.open(QIODevice::ReadOnly));
    QCOMPARE(out.readAll(), "\xEF\xBB\xBF" + WithCrLfLineEnds(results()->toPlainText()).toUtf8());
    QCOMPARE(program_->files.suggestedNames, QStringList{t::kResultFileName});
    QVERIFY(program_->messages.shown.isEmpty());
}

}  // namespace cesuan

QTEST_MAIN(cesuan::AreaViewTest)
#include "area_view_test.moc"
