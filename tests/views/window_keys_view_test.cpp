// The keys every window shares, driven through the real windows: F1 opens the help at the
// window's own topic, Esc closes a function window but never the calculator, Ctrl+M (and the
// window's context menu) brings the calculator back, Enter (Ctrl+Enter where the boxes take
// several lines) runs a window's main command; the help's topic list; every window opens
// within the screen, and a size the user gave it stays.

#include "views/help_view.h"

#include "screens/help_screen.h"
#include "screens/help_texts.h"
#include "tests/views/view_test_support.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>

#include <algorithm>
#include <memory>

namespace cesuan {

using test::control;

class WindowKeysViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void f1OpensTheWindowsTopic_data();
    void f1OpensTheWindowsTopic();
    void escClosesFunctionWindowsOnly();
    void ctrlMBringsTheCalculatorBack();
    void topicListAndHelpButton();
    void qtTextsInChinese();
    void enterRunsTheMainCommand_data();
    void enterRunsTheMainCommand();
    void resultBoxesCopyAsShown_data();
    void resultBoxesCopyAsShown();
    void everyWindowOpensWithinTheScreen();

private:
    QWidget* open(ScreenId screen) {
        if (!program_->screens.show(screen)) return nullptr;
        QWidget* window = program_->screens.window(screen);
        return QTest::qWaitForWindowActive(window) ? window : nullptr;
    }
    QPlainTextEdit* helpText() const {
        return control<QPlainTextEdit>(program_->screens.window(ScreenId::Help), "Text1");
    }

    std::unique_ptr<test::ModalWatchdog> watchdog_;
    std::unique_ptr<test::Program> program_;
};

void WindowKeysViewTest::init() {
    watchdog_ = std::make_unique<test::ModalWatchdog>();
    program_ = std::make_unique<test::Program>();
    QVERIFY(open(ScreenId::Main) != nullptr);
}

void WindowKeysViewTest::cleanup() {
    program_.reset();
    QVERIFY2(watchdog_->seen.isEmpty(), qPrintable(watchdog_->seen.join(u'|')));
    watchdog_.reset();
}

void WindowKeysViewTest::f1OpensTheWindowsTopic_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("title");
    QTest::newRow("calculator") << int(ScreenId::Main) << texts::help::kCalculatorTitle;
    QTest::newRow("variables") << int(ScreenId::Variables) << texts::help::kVariablesTitle;
    QTest::newRow("angles") << int(ScreenId::Angles) << texts::help::kAnglesTitle;
    QTest::newRow("bases") << int(ScreenId::BaseCalculator) << texts::help::kBasesTitle;
    QTest::newRow("statistics") << int(ScreenId::Statistics) << texts::help::kStatisticsTitle;
    QTest::newRow("coordinates") << int(ScreenId::Coordinates) << texts::help::kCoordinatesTitle;
    QTest::newRow("bearing") << int(ScreenId::Bearing) << texts::help::kBearingTitle;
    QTest::newRow("attitude") << int(ScreenId::Attitude) << texts::help::kAttitudeTitle;
    QTest::newRow("number split") << int(ScreenId::NumberSplit) << texts::help::kNumberSplitTitle;
    QTest::newRow("area") << int(ScreenId::Area) << texts::help::kAreaTitle;
    QTest::newRow("stake-out") << int(ScreenId::Forward) << texts::help::kForwardTitle;
    QTest::newRow("menu: the overview") << int(ScreenId::ModuleMenu) << texts::help::kOverviewTitle;
}

void WindowKeysViewTest::f1OpensTheWindowsTopic() {
    QFETCH(int, screen);
    QFETCH(QString, title);
    QWidget* window = open(ScreenId(screen));
    QVERIFY(window != nullptr);
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : window, Qt::Key_F1);

    QWidget* help = program_->screens.window(ScreenId::Help);
    QVERIFY(help != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(help));
    const auto* list = control<QListWidget>(help, "List1");
    QCOMPARE(list->currentItem()->text(), title);
    QVERIFY(helpText()->toPlainText().startsWith(title == texts::help::kOverviewTitle ? QStringLiteral("测算 CeSuan 使用帮助\n")
                                                                                      : title + u'\n'));
    QVERIFY(window->isVisible());  // the window stays open behind the help
}

void WindowKeysViewTest::escClosesFunctionWindowsOnly() {
    for (const ScreenId screen : {ScreenId::Statistics, ScreenId::Angles, ScreenId::Variables, ScreenId::Help}) {
        QWidget* window = open(screen);
        QVERIFY(window != nullptr);
        QTest::keyClick(QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : window, Qt::Key_Escape);
        QTRY_VERIFY(!window->isVisible());
    }
    QWidget* main = open(ScreenId::Main);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTest::qWait(50);
    QVERIFY(main->isVisible());
}

void WindowKeysViewTest::ctrlMBringsTheCalculatorBack() {
    QWidget* main = program_->main();
    main->showMinimized();
    QWidget* angles = open(ScreenId::Angles);
    QVERIFY(angles != nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::ControlModifier);
    QVERIFY(QTest::qWaitForWindowActive(main));
    QVERIFY(!main->isMinimized());

    // The same from the context menu of a window without a calculator button of its own.
    QWidget* split = open(ScreenId::NumberSplit);
    QVERIFY(split != nullptr);
    QCOMPARE(split->contextMenuPolicy(), Qt::ActionsContextMenu);
    QCOMPARE(split->actions().size(), 1);
    QCOMPARE(split->actions().front()->text(), texts::help::kBackToCalculator);
    split->actions().front()->trigger();
    QVERIFY(QTest::qWaitForWindowActive(main));
    QVERIFY(main->actions().isEmpty());  // the calculator has no such entry
}

void WindowKeysViewTest::topicListAndHelpButton() {
    QTest::mouseClick(control<QPushButton>(program_->main(), "dcButton14"), Qt::LeftButton);
    QWidget* help = program_->screens.window(ScreenId::Help);
    QVERIFY(QTest::qWaitForWindowActive(help));
    auto* list = control<QListWidget>(help, "List1");
    QCOMPARE(list->currentItem()->text(), texts::help::kCalculatorTitle);

    list->setCurrentRow(HelpScreen::topicOf(ScreenId::Bearing));
    QVERIFY(helpText()->toPlainText().startsWith(u"距离方位\n"));
    QVERIFY(helpText()->toPlainText().contains(u"例："));
    list->setCurrentRow(0);
    QVERIFY(helpText()->toPlainText().startsWith(u"测算 CeSuan 使用帮助\n"));
}

// Qt's own texts, as in the boxes' context menus and the dialogs' buttons, are Chinese.
void WindowKeysViewTest::qtTextsInChinese() {
    QVERIFY(InstallChineseQtTexts(*QCoreApplication::instance()));
    QLineEdit box;
    box.setText(QStringLiteral("12"));
    box.selectAll();
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList captions;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator()) captions.append(action->text().section(u'\t', 0, 0));  // without the shortcut
    QVERIFY2(captions.contains(u"复制(&C)") && captions.contains(u"全选"), qPrintable(captions.join(u'|')));
    QCOMPARE(QMessageBox(QMessageBox::Warning, QString(), QString(), QMessageBox::Ok).button(QMessageBox::Ok)->text(),
             u"确定");
}

void WindowKeysViewTest::enterRunsTheMainCommand_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("runs");

    const int enter = Qt::Key_Return, keypadEnter = Qt::Key_Enter;
    const int none = Qt::NoModifier, ctrl = Qt::ControlModifier, keypad = Qt::KeypadModifier;
    const auto row = [](const char* name, ScreenId screen, const char* box, int key, int modifiers, const char* command,
                        bool runs) {
        QTest::newRow(name) << int(screen) << QString::fromLatin1(box) << key << modifiers << QString::fromLatin1(command)
                            << runs;
    };
    // One-line boxes: Enter.
    row("number split", ScreenId::NumberSplit, "Text1", enter, none, "Command1", true);
    row("bases, data 1", ScreenId::BaseCalculator, "Text1", enter, none, "Command23", true);
    row("bases, data 2, keypad", ScreenId::BaseCalculator, "Text2", keypadEnter, keypad, "Command23", true);
    row("variables: save", ScreenId::Variables, "Text5", enter, none, "Command3", true);
    row("variables: not save and close", ScreenId::Variables, "Text5", enter, none, "Command4", false);
    // Boxes of several lines: Ctrl+Enter; Enter only starts a new line.
    row("statistics", ScreenId::Statistics, "Text1", enter, ctrl, "Command1", true);
    row("statistics, keypad", ScreenId::Statistics, "Text1", keypadEnter, ctrl | keypad, "Command1", true);
    row("statistics, Enter", ScreenId::Statistics, "Text1", enter, none, "Command1", false);
    row("bearing", ScreenId::Bearing, "Text1", enter, ctrl, "Command1", true);
    row("bearing, from a button", ScreenId::Bearing, "Command2", enter, ctrl, "Command1", true);
    row("bearing, Enter", ScreenId::Bearing, "Text1", enter, none, "Command1", false);
    row("attitude", ScreenId::Attitude, "Text1", enter, ctrl, "Command1", true);
    row("area", ScreenId::Area, "Text1", enter, ctrl, "Command1", true);
    row("area, Enter", ScreenId::Area, "Text1", enter, none, "Command1", false);
    row("stake-out", ScreenId::Forward, "Text1", keypadEnter, ctrl | keypad, "Command1", true);
    row("stake-out, station", ScreenId::Forward, "TextY", enter, none, "Command1", true);
    // Six conversions: no key picks one.
    for (const char* command : {"Command1", "Command2", "Command3", "Command4", "Command5", "Command6"})
        QTest::addRow("angles: not %s", command) << int(ScreenId::Angles) << QStringLiteral("Text1") << enter << none
                                                 << QString::fromLatin1(command) << false;
}

void WindowKeysViewTest::enterRunsTheMainCommand() {
    QFETCH(int, screen);
    QFETCH(QString, box);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, command);
    QFETCH(bool, runs);
    QWidget* window = open(ScreenId(screen));
    QVERIFY(window != nullptr);
    auto* target = control<QWidget>(window, box.toLatin1().constData());
    const QSignalSpy clicked(control<QPushButton>(window, command.toLatin1().constData()), &QPushButton::clicked);
    auto* lines = qobject_cast<QPlainTextEdit*>(target);
    const qsizetype lineCount = lines != nullptr ? lines->toPlainText().count(u'\n') : 0;

    target->setFocus();
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(clicked.count(), runs ? 1 : 0);
    if (lines != nullptr && !runs) QCOMPARE(lines->toPlainText().count(u'\n'), lineCount + 1);
    QVERIFY(window->isVisible());
}

void WindowKeysViewTest::resultBoxesCopyAsShown_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("result");
    QTest::newRow("number split") << int(ScreenId::NumberSplit) << QStringLiteral("-12.75") << QStringLiteral("Command1")
                                  << QStringLiteral("Text3");
    QTest::newRow("angles") << int(ScreenId::Angles) << QStringLiteral("1") << QStringLiteral("Command1")
                            << QStringLiteral("Text2");
    QTest::newRow("bases") << int(ScreenId::BaseCalculator) << QStringLiteral("101") << QStringLiteral("Command23")
                           << QStringLiteral("Text3");
    QTest::newRow("statistics") << int(ScreenId::Statistics) << QString() << QStringLiteral("Command1")
                                << QStringLiteral("Text3");
}

void WindowKeysViewTest::resultBoxesCopyAsShown() {
    QFETCH(int, screen);
    QFETCH(QString, input);
    QFETCH(QString, command);
    QFETCH(QString, result);
    QWidget* window = open(ScreenId(screen));
    QVERIFY(window != nullptr);
    if (!input.isEmpty()) {
        auto* box = control<QLineEdit>(window, "Text1");
        box->setFocus();
        test::typeText(box, input);
    }
    QTest::mouseClick(control<QPushButton>(window, command.toLatin1().constData()), Qt::LeftButton);
    auto* shown = control<QLineEdit>(window, result.toLatin1().constData());
    QVERIFY(!shown->text().isEmpty());

    QGuiApplication::clipboard()->clear();
    shown->setFocus();
    QTest::keyClick(shown, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(shown, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), shown->text());
}

void WindowKeysViewTest::everyWindowOpensWithinTheScreen() {
    for (int id = int(ScreenId::Main); id <= int(ScreenId::Integral); ++id) {
        QWidget* window = open(ScreenId(id));
        QVERIFY2(window != nullptr, qPrintable(QString::number(id)));
        const QSize room = kLargestOpeningSize.boundedTo(window->screen()->availableGeometry().size() - QSize(16, 48));
        const QSize needed = window->minimumSizeHint();
        QVERIFY2(window->width() <= std::max(room.width(), needed.width()) &&
                     window->height() <= std::max(room.height(), needed.height()),
                 qPrintable(QStringLiteral("%1: %2 × %3").arg(window->windowTitle()).arg(window->width()).arg(window->height())));
        QVERIFY(window->width() >= needed.width() && window->height() >= needed.height());
    }

    // Enlarged by the user, closed and opened again: the window keeps its size.
    QWidget* angles = open(ScreenId::Angles);
    angles->resize(1500, 900);
    angles->close();
    QVERIFY(open(ScreenId::Angles) == angles);
    QCOMPARE(angles->size(), QSize(1500, 900));
}

}  // namespace cesuan

QTEST_MAIN(cesuan::WindowKeysViewTest)
#include "window_keys_view_test.moc"
