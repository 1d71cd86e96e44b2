// The variable editor driven through its widgets, opened from the calculator window.

#include "views/variable_editor_view.h"

#include "tests/views/view_test_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>

namespace cesuan {

using test::control;
using test::typeText;

class VariableEditorViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnce();
    void savedValueIsShownAndComputed_data();
    void savedValueIsShownAndComputed();
    void defaultButtonsFillTheBoxes();
    void saveAndCloseThenReopenLoadsTheVariables();
    void pagesOpenInTheBrowser_data();
    void pagesOpenInTheBrowser();

private:
    QLineEdit* box(int k) const {
        const QByteArray name = "Text" + QByteArray::number(k);
        return control<QLineEdit>(editor_, name.constData());
    }
    void clickInMain(const char* name) { QTest::mouseClick(control<QWidget>(program_->main(), name), Qt::LeftButton); }

    std::unique_ptr<test::ModalWatchdog> watchdog_;
    std::unique_ptr<test::Program> program_;
    QWidget* editor_ = nullptr;
};

void VariableEditorViewTest::init() {
    watchdog_ = std::make_unique<test::ModalWatchdog>();
    program_ = std::make_unique<test::Program>();
    QVERIFY(program_->screens.show(ScreenId::Main));
    QVERIFY(QTest::qWaitForWindowActive(program_->main()));
    clickInMain("dcButton13");  // 修改变量
    editor_ = program_->screens.window(ScreenId::Variables);
    QVERIFY(qobject_cast<VariableEditorView*>(editor_) != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(editor_));
}

void VariableEditorViewTest::cleanup() {
    program_.reset();
    QVERIFY2(watchdog_->seen.isEmpty(), qPrintable(watchdog_->seen.join(u'\n')));
    watchdog_.reset();
}

void VariableEditorViewTest::opensOnce() {
    QCOMPARE(editor_->windowTitle(), u"修改变量 — 测算 CeSuan");
    QCOMPARE(control<QLabel>(editor_, "Label2")->text(), u"变量  r =");
    QCOMPARE(control<QLabel>(editor_, "Label11")->text(), QString(26, u'＊'));
    QCOMPARE(box(1)->text(), u" 1");
    QCOMPARE(box(9)->text(), u" 9");
    QCOMPARE(control<QPlainTextEdit>(program_->main(), "Text3")->toPlainText(),
             u"一个直角可表示为90度0分0秒(90.0000度)、90.0000百分度、π/2（=1.570796327）。45度59分59.99秒可表示为45.595999度(60进制)。");

    // Opening it again while it is open brings the same window with what was typed.
    typeText(box(2), QStringLiteral("7"));
    program_->main()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(program_->main()));
    clickInMain("dcButton13");
    QCOMPARE(program_->screens.window(ScreenId::Variables), editor_);
    QVERIFY(QTest::qWaitForWindowActive(editor_));
    QCOMPARE(box(2)->text(), u" 27");
    int editors = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) editors += qobject_cast<VariableEditorView*>(window) != nullptr;
    QCOMPARE(editors, 1);
}

void VariableEditorViewTest::savedValueIsShownAndComputed_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("twice");  // r*2 computed in the calculator at 15 places
    QTest::newRow("Chinese numerals") << QStringLiteral("三点五") << QStringLiteral(" 3.5")
                                      << QString(29, u' ') + QStringLiteral("7.") + QString(15, u'_');
    QTest::newRow("negative") << QStringLiteral("负二") << QStringLiteral("-2")
                              << QString(28, u' ') + QStringLiteral("-4.") + QString(15, u'_');
    QTest::newRow("full-width digits") << QStringLiteral("１２．５") << QStringLiteral(" 12.5")
                                       << QString(28, u' ') + QStringLiteral("25.") + QString(15, u'_');
}

void VariableEditorViewTest::savedValueIsShownAndComputed() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, twice);

    box(1)->clear();
    typeText(box(1), typed);
    QTest::mouseClick(control<QPushButton>(editor_, "Command3"), Qt::LeftButton);  // 保存修改
    QCOMPARE(box(1)->text(), shown);

    QWidget* main = program_->main();
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    auto* formula = control<QLineEdit>(main, "Text1");
    typeText(formula, QStringLiteral("r*2"));
    QTest::keyClick(formula, Qt::Key_Return);
    QCOMPARE(control<QLineEdit>(main, "Text2")->text(), twice);
}

void VariableEditorViewTest::defaultButtonsFillTheBoxes() {
    QTest::mouseClick(control<QPushButton>(editor_, "Command1"), Qt::LeftButton);  // 默认为 1
    for (int k = 1; k <= 9; ++k) QCOMPARE(box(k)->text(), u"1");
    QTest::mouseClick(control<QPushButton>(editor_, "Command2"), Qt::LeftButton);  // 默认1-9
    for (int k = 1; k <= 9; ++k) QCOMPARE(box(k)->text(), QString::number(k));
}

void VariableEditorViewTest::saveAndCloseThenReopenLoadsTheVariables() {
    box(3)->clear();
    typeText(box(3), QStringLiteral("2.5"));
    box(4)->clear();
    typeText(box(4), QStringLiteral("1/0"));  // the stray "/" is dropped: 10
    QTest::mouseClick(control<QPushButton>(editor_, "Command4"), Qt::LeftButton);  // 保存退出
    QVERIFY(!editor_->isVisible());

    program_->main()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(program_->main()));
    clickInMain("dcButton13");
    QCOMPARE(program_->screens.window(ScreenId::Variables), editor_);
    QVERIFY(editor_->isVisible());
    QCOMPARE(box(3)->text(), u" 2.5");
    QCOMPARE(box(4)->text(), u" 10");
    QCOMPARE(box(5)->text(), u" 5");
}

void VariableEditorViewTest::pagesOpenInTheBrowser_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("address");
    QTest::newRow("heading") << QStringLiteral("Label1") << web::kPartner;
    QTest::newRow("greeting") << QStringLiteral("Label12") << web::kHome;
    QTest::newRow("platform") << QStringLiteral("Command5") << web::kCommunity;
}

void VariableEditorViewTest::pagesOpenInTheBrowser() {
    QFETCH(QString, control);
    QFETCH(QString, address);
    QTest::mouseClick(test::control<QWidget>(editor_, control.toLatin1().constData()), Qt::LeftButton);
    QCOMPARE(program_->web.opened, QStringList{address});
}

}  // namespace cesuan

QTEST_MAIN(cesuan::VariableEditorViewTest)
#include "variable_editor_view_test.moc"
