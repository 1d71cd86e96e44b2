// The module menu driven through its widgets, opened from the coordinate window: every
// window it reaches opens once (a second click brings the same window back), its web
// buttons reach the browser, its planned modules do nothing; the help window's buttons.

#include "views/help_view.h"
#include "views/module_menu_view.h"

#include "screens/help_texts.h"
#include "screens/main_screen_texts.h"
#include "screens/module_menu_texts.h"
#include "tests/views/view_test_support.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>

namespace cesuan {

using test::control;

class ModuleMenuViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensFromTheOtherWindows();
    void everyScreenOpensOnce_data();
    void everyScreenOpensOnce();
    void webButtonsAndPlannedModules();
    void placeholderWindows();
    void helpButtons();

private:
    void click(QWidget* window, const char* name) {
        QTest::mouseClick(control<QWidget>(window, name), Qt::LeftButton);
    }
    void clickModule(int index) {
        QTest::mouseClick(control<QPushButton>(menu_, qPrintable(QStringLiteral("Command1_%1").arg(index))),
                          Qt::LeftButton);
    }
    static int visibleWindows() {
        int count = 0;
        for (const QWidget* window : QApplication::topLevelWidgets()) count += window->isVisible();
        return count;
    }

    std::unique_ptr<test::ModalWatchdog> watchdog_;
    std::unique_ptr<test::Program> program_;
    QWidget* coordinates_ = nullptr;
    QWidget* menu_ = nullptr;
};

void ModuleMenuViewTest::init() {
    watchdog_ = std::make_unique<test::ModalWatchdog>();
    program_ = std::make_unique<test::Program>();
    QVERIFY(program_->screens.show(ScreenId::Main));
    QVERIFY(QTest::qWaitForWindowActive(program_->main()));
    click(program_->main(), "dcButton5");  // the coordinate window
    coordinates_ = program_->screens.window(ScreenId::Coordinates);
    QVERIFY(coordinates_ != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(coordinates_));
    click(coordinates_, "CommandQiTa");  // 其它功能
    menu_ = program_->screens.window(ScreenId::ModuleMenu);
    QVERIFY(qobject_cast<ModuleMenuView*>(menu_) != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(menu_));
}

void ModuleMenuViewTest::cleanup() {
    for (QWidget* window : QApplication::topLevelWidgets()) window->close();
    QCOMPARE(visibleWindows(), 0);
    program_.reset();
    QVERIFY2(watchdog_->seen.isEmpty(), qPrintable(watchdog_->seen.join(u'\n')));
    watchdog_.reset();
}

void ModuleMenuViewTest::opensFromTheOtherWindows() {
    QCOMPARE(menu_->windowTitle(), texts::menu::kWindowTitle);
    QCOMPARE(control<QLabel>(menu_, "Label1")->text(), u"书山有路勤为径，学海无崖巧作舟 。 ");
    QCOMPARE(menu_->findChildren<QPushButton*>().size(), 65);  // 0 … 63 and 65
    QCOMPARE(control<QPushButton>(menu_, "Command1_65")->text(), u"帮助");
    QCOMPARE(control<QPushButton>(menu_, "Command1_25")->toolTip(), u"你的浏览器安装了中文网址，才可正确访问该页。");
    QCOMPARE(control<QLabel>(coordinates_, "StatusLine")->text(), u"");

    // 帮 助 of the coordinate window and of the calculator show the same help window.
    click(coordinates_, "CommandHelp");
    QWidget* help = program_->screens.window(ScreenId::Help);
    QVERIFY(qobject_cast<HelpView*>(help) != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(help));
    click(program_->main(), "dcButton14");
    QCOMPARE(program_->screens.window(ScreenId::Help), help);
    QVERIFY(QTest::qWaitForWindowActive(help));
}

void ModuleMenuViewTest::everyScreenOpensOnce_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("screen");
    QTest::newRow("statistics") << 0 << int(ScreenId::Statistics);
    QTest::newRow("angles") << 1 << int(ScreenId::Angles);
    QTest::newRow("bases") << 2 << int(ScreenId::BaseCalculator);
    QTest::newRow("calculator") << 5 << int(ScreenId::Main);
    QTest::newRow("number split") << 9 << int(ScreenId::NumberSplit);
    QTest::newRow("coordinates") << 12 << int(ScreenId::Coordinates);
    QTest::newRow("bearing") << 13 << int(ScreenId::Bearing);
    QTest::newRow("area") << 14 << int(ScreenId::Area);
    QTest::newRow("attitude") << 15 << int(ScreenId::Attitude);
    QTest::newRow("theodolite: stake-out") << 16 << int(ScreenId::Forward);
    QTest::newRow("distance meter: stake-out") << 17 << int(ScreenId::Forward);
    QTest::newRow("plane area") << 18 << int(ScreenId::Area);
    QTest::newRow("button test") << 30 << int(ScreenId::ButtonTest);
    QTest::newRow("help") << 65 << int(ScreenId::Help);
    QTest::newRow("errors") << 3 << int(ScreenId::Errors);
    QTest::newRow("matrix") << 4 << int(ScreenId::Matrix);
    QTest::newRow("equations") << 6 << int(ScreenId::Equations);
    QTest::newRow("derivative") << 10 << int(ScreenId::Derivative);
    QTest::newRow("integral") << 11 << int(ScreenId::Integral);
}

void ModuleMenuViewTest::everyScreenOpensOnce() {
    QFETCH(int, index);
    QFETCH(int, screen);
    clickModule(index);
    QWidget* window = program_->screens.window(ScreenId(screen));
    if (window == nullptr) {  // a screen not part of this version says so
        QCOMPARE(control<QLabel>(menu_, "StatusLine")->text(), texts::main::moduleComing(ModuleMenu::caption(index)));
        return;
    }
    QCOMPARE(control<QLabel>(menu_, "StatusLine")->text(), u"");
    QVERIFY(QTest::qWaitForWindowActive(window));
    const int windows = visibleWindows();

    QVERIFY(program_->screens.show(ScreenId::ModuleMenu));
    QVERIFY(QTest::qWaitForWindowActive(menu_));
    clickModule(index);
    QCOMPARE(program_->screens.window(ScreenId(screen)), window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(visibleWindows(), windows);
}

void ModuleMenuViewTest::webButtonsAndPlannedModules() {
    for (int index = 24; index <= 29; ++index) clickModule(index);
    QCOMPARE(program_->web.opened, (QStringList{web::kHome, web::kMining, web::kCommunity, web::kDownload,
                                                web::kTrading, web::kPartner}));
    const int windows = visibleWindows();
    for (const int index : {7, 22, 31, 63}) {
        auto* button = control<QPushButton>(menu_, qPrintable(QStringLiteral("Command1_%1").arg(index)));
        QVERIFY(!button->isEnabled());
        QCOMPARE(button->toolTip(), u"计划中的功能");
        clickModule(index);
    }
    QVERIFY(control<QPushButton>(menu_, "Command1_8")->isEnabled());  // 线性回归 as it was
    QCOMPARE(visibleWindows(), windows);
    QCOMPARE(program_->web.opened.size(), 6);
    QVERIFY(QApplication::activeWindow() == menu_);
}

void ModuleMenuViewTest::placeholderWindows() {
    clickModule(30);
    QWidget* buttons = program_->screens.window(ScreenId::ButtonTest);
    QVERIFY(buttons != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(buttons));
    QCOMPARE(buttons->windowTitle(), u"测试漂亮的多功能按钮");
    QCOMPARE(buttons->findChildren<QPushButton*>().size(), texts::menu::kButtonTestCaptions.size());
    const int windows = visibleWindows();
    click(buttons, "Command1");  // does nothing
    QCOMPARE(visibleWindows(), windows);
    QVERIFY(program_->web.opened.isEmpty());
}

void ModuleMenuViewTest::helpButtons() {
    clickModule(65);
    QWidget* help = program_->screens.window(ScreenId::Help);
    QVERIFY(QTest::qWaitForWindowActive(help));
    QCOMPARE(help->windowTitle(), texts::help::kWindowTitle);
    auto* text = control<QPlainTextEdit>(help, "Text1");
    QVERIFY(text->isReadOnly());
    QVERIFY(text->toPlainText().startsWith(u"测算 CeSuan 使用帮助\n\n一、"));
    QCOMPARE(control<QPushButton>(help, "Command4")->toolTip(), u"你的浏览器安装了中文网址，才可正确访问该页。");

    for (const char* name : {"Command1", "Command3", "Command4", "Command5"}) click(help, name);
    QCOMPARE(program_->web.opened, (QStringList{web::kPartner, web::kHome, web::kTrading, web::kCommunity}));

    QCOMPARE(control<QPushButton>(help, "Command6")->text(), u"返回  主程序");
    click(help, "Command6");
    QVERIFY(QTest::qWaitForWindowActive(program_->main()));
    QVERIFY(help->isVisible());  // it stays open behind the calculator
}

}  // namespace cesuan

QTEST_MAIN(cesuan::ModuleMenuViewTest)
#include "module_menu_view_test.moc"
