// The transformation window driven through its widgets, opened from the coordinate window's
// GPS坐标转换 button; the computations are proved on the controller in tests/screens.

#include "views/transform_view.h"

#include "screens/transform_texts.h"
#include "tests/views/view_test_support.h"

#include <QComboBox>
#include <QLabel>
#include <QTextEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include <memory>

namespace cesuan {

using test::control;

namespace t = texts::transform;

class TransformViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensFromTheCoordinateWindowWithItsExample();
    void ctrlEnterEstimatesAndAppliesInTheirBoxes();
    void parametersSavedAndRead();
    void cartesianPage();
    void f1OpensItsHelpTopic();

private:
    QPlainTextEdit* box(const char* name) const { return control<QPlainTextEdit>(screen_, name); }
    void click(QWidget* window, const char* name) { QTest::mouseClick(control<QWidget>(window, name), Qt::LeftButton); }

    std::unique_ptr<test::ModalWatchdog> watchdog_;
    std::unique_ptr<test::Program> program_;
    QWidget* screen_ = nullptr;
};

void TransformViewTest::init() {
    watchdog_ = std::make_unique<test::ModalWatchdog>();
    program_ = std::make_unique<test::Program>();
    QVERIFY(program_->screens.show(ScreenId::Coordinates));
    QWidget* coordinates = program_->screens.window(ScreenId::Coordinates);
    QVERIFY(QTest::qWaitForWindowActive(coordinates));
    click(coordinates, "CommandGps");
    screen_ = program_->screens.window(ScreenId::Transform);
    QVERIFY(qobject_cast<TransformView*>(screen_) != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(screen_));
}

void TransformViewTest::cleanup() {
    program_.reset();
    QVERIFY2(watchdog_->seen.isEmpty(), qPrintable(watchdog_->seen.join(u'\n')));
    watchdog_.reset();
}

void TransformViewTest::opensFromTheCoordinateWindowWithItsExample() {
    QCOMPARE(screen_->windowTitle(), t::kWindowTitle);
    QCOMPARE(control<QComboBox>(screen_, "ModelList")->currentText(), t::kModels[2]);
    QCOMPARE(control<QComboBox>(screen_, "EllipsoidList")->count(), 5);
    QCOMPARE(control<QComboBox>(screen_, "EllipsoidList")->itemText(4), u"北京54（标准）");
    QVERIFY(box("CommonPoints")->toPlainText().startsWith(u"G01, "));
    QCOMPARE(control<QPushButton>(screen_, "EstimateButton")->text(), t::kEstimate);

    click(screen_, "EstimateButton");
    QVERIFY(box("Report")->toPlainText().contains(u"σ0 = 0.0022"));
    QVERIFY(box("Parameters")->toPlainText().contains(u"model = 7\n"));
    click(screen_, "ApplyButton");
    QVERIFY(box("Applied")->toPlainText().startsWith(u"A01, -2294984.0521, 4345824.8100, 4051511.9985\n"));

    // Choosing the plane model changes what the boxes say their lines hold.
    auto* models = control<QComboBox>(screen_, "ModelList");
    models->setFocus();
    QTest::keyClick(models, Qt::Key_Up);
    QCOMPARE(models->currentIndex(), 1);
    QCOMPARE(control<QLabel>(screen_, "CommonFormat")->text(), t::kCommonFormatPlane);
}

void TransformViewTest::ctrlEnterEstimatesAndAppliesInTheirBoxes() {
    QPlainTextEdit* common = box("CommonPoints");
    common->setFocus();
    QTest::keyClick(common, Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(!box("Report")->toPlainText().isEmpty());
    QVERIFY(box("Applied")->toPlainText().isEmpty());  // only the command of that box
    QPlainTextEdit* points = box("ApplyPoints");
    points->setFocus();
    QTest::keyClick(points, Qt::Key_Enter, Qt::ControlModifier);
    QVERIFY(box("Applied")->toPlainText().startsWith(u"A01, "));
    // Enter alone starts a new line.
    const int lines = points->blockCount();
    QTest::keyClick(points, Qt::Key_Return);
    QCOMPARE(points->blockCount(), lines + 1);
}

void TransformViewTest::parametersSavedAndRead() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("params.txt"));
    click(screen_, "EstimateButton");
    const QString parameters = box("Parameters")->toPlainText();
    program_->files.savePaths = {path};
    click(screen_, "SaveButton");
    QVERIFY(control<QLabel>(screen_, "StatusLine")->text().contains(path));

    box("Parameters")->setPlainText(QStringLiteral("dx = 1\ndy = oops"));
    click(screen_, "ApplyButton");
    QCOMPARE(program_->messages.errors.size(), 1);
    QVERIFY(program_->messages.errors.front().contains(u"oops"));

    program_->files.openPaths = {path};
    click(screen_, "ReadButton");
    QCOMPARE(box("Parameters")->toPlainText(), parameters);
}

void TransformViewTest::cartesianPage() {
    control<QTabWidget>(screen_, "Tabs")->setCurrentIndex(1);
    control<QComboBox>(screen_, "EllipsoidList")->setCurrentIndex(2);  // WGS
    click(screen_, "ToCartesianButton");
    QVERIFY(box("CartesianOutput")->toPlainText().startsWith(u"A01, -2295078.5471, 4345959.9673, 4051610.1655\n"));
    box("CartesianInput")->setPlainText(box("CartesianOutput")->toPlainText());
    click(screen_, "ToGeodeticButton");
    QVERIFY(box("CartesianOutput")->toPlainText().startsWith(u"A01, 39.4125535999, 117.5017872999, 23.4410\n"));
}

void TransformViewTest::f1OpensItsHelpTopic() {
    QTest::keySequence(screen_, QKeySequence::HelpContents);
    QWidget* help = program_->screens.window(ScreenId::Help);
    QVERIFY(help != nullptr);
    QTRY_VERIFY(help->isVisible());
    bool found = false;
    for (const QPlainTextEdit* text : help->findChildren<QPlainTextEdit*>())
        found = found || text->toPlainText().startsWith(u"GPS坐标转换\n");
    for (const QTextEdit* text : help->findChildren<QTextEdit*>())
        found = found || text->toPlainText().startsWith(u"GPS坐标转换");
    QVERIFY(found);
}

}  // namespace cesuan

QTEST_MAIN(cesuan::TransformViewTest)
#include "transform_view_test.moc"
