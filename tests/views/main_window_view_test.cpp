// The calculator window driven through its widgets; what the controller computes is proved
// in tests/screens, here only that events reach it and its texts come back.

#include "views/main_window_view.h"

#include "tests/views/view_test_support.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>
#include <tuple>

namespace cesuan {

using test::control;
using test::typeText;

class MainWindowViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadShowsTheStartTexts();
    void computeShowsTheAlignedResult_data();
    void computeShowsTheAlignedResult();
    void keysTypedAnywhereGoToTheFormulaAndClearTheResult();
    void navigationKeysKeepTheResult_data();
    void navigationKeysKeepTheResult();
    void copyGivesTheCleanNumber_data();
    void copyGivesTheCleanNumber();
    void tabGoesInReadingOrder();
    void otherPlacesComputeTheResultAgain();
    void closingTheCalculatorClosesEveryWindow();
    void keyInsertsAtTheSavedCaret_data();
    void keyInsertsAtTheSavedCaret();
    void statusBoxGivesTheFocusBack();
    void unitButtonCyclesCaptionAndColour();
    void chosenPlacesPadTheResult();
    void historyAndClearShowTheSlot();
    void pagesOpenInTheBrowser_data();
    void pagesOpenInTheBrowser();
    void returningFromAnotherScreenClearsTheResult();
    void wideCharactersTakeTwoColumns();

private:
    void click(const char* name) { QTest::mouseClick(control<QWidget>(window_, name), Qt::LeftButton); }

    std::unique_ptr<test::ModalWatchdog> watchdog_;
    std::unique_ptr<test::Program> program_;
    QWidget* window_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QPlainTextEdit* text3_ = nullptr;
    QLineEdit* text4_ = nullptr;
};

void MainWindowViewTest::init() {
    watchdog_ = std::make_unique<test::ModalWatchdog>();
    program_ = std::make_unique<test::Program>();
    QVERIFY(program_->screens.show(ScreenId::Main));
    window_ = program_->main();
    QVERIFY(qobject_cast<MainWindowView*>(window_) != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(window_));
    text1_ = control<QLineEdit>(window_, "Text1");
    text2_ = control<QLineEdit>(window_, "Text2");
    text3_ = control<QPlainTextEdit>(window_, "Text3");
    text4_ = control<QLineEdit>(window_, "Text4");
    QCOMPARE(QApplication::focusWidget(), text1_);
}

void MainWindowViewTest::cleanup() {
    program_.reset();
    QVERIFY2(watchdog_->seen.isEmpty(), qPrintable(watchdog_->seen.join(u'\n')));
    watchdog_.reset();
}

void MainWindowViewTest::loadShowsTheStartTexts() {
    QCOMPARE(window_->windowTitle(), u"测算 CeSuan — 科学计算器");
    QCOMPARE(text1_->text(), u"");
    QCOMPARE(text2_->text(), u"");
    // The status text's CR LF line ends show as line breaks.
    QCOMPARE(text3_->toPlainText(), u"说明：汉字下的括号、除号、乘号、点号等自动可以转换为算式用的\n"
                                    u"符号，无用的符号和汉字将被删除。eg:-。2除-3 =>(-0.2)/(-3)\n");
    QCOMPARE(text4_->text(), u"018");
    const auto* places = control<QComboBox>(window_, "Combo1");
    QCOMPARE(places->count(), 29);
    QCOMPARE(places->currentText(), u"15位小数");
    QCOMPARE(control<QPushButton>(window_, "Command5")->text(), u"弧度角");
    QCOMPARE(control<QPushButton>(window_, "dcButton10")->text(), u"计 算");
    QCOMPARE(control<QPushButton>(window_, "HmBut31")->text(), u"Sin");
    QCOMPARE(control<QPushButton>(window_, "HmBut60")->text(), u"随机数");
    QCOMPARE(control<QLabel>(window_, "Label1")->text(), u"8.01");
    QCOMPARE(text1_->toolTip(), u"建议将常用公式存入一文本文件中，使用时复制到此处。");
}

void MainWindowViewTest::computeShowsTheAlignedResult_data() {
    QTest::addColumn<QString>("formula");
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("status");

    const QString notice = QStringLiteral(
        "\u3000\u3000请在重要计算时仔细核对运算成果，多次运算后尾部采用近似值表示。如有计算错误，给您带来不便请谅解，本人不承担法律责任。");
    // 7 is aligned with its point in column 31 and padded to the 15 places chosen at start.
    const QString seven = QString(29, u' ') + QStringLiteral("7.") + QString(15, u'_');
    QTest::newRow("计 算 button") << QStringLiteral("１加２乘三") << false << seven << notice;
    QTest::newRow("Enter in the formula") << QStringLiteral("１加２乘三") << true << seven << notice;
    // A failure: its first message in the result box, all messages (CR LF) in the status box.
    QTest::newRow("division by zero")
        << QStringLiteral("1/0") << true << QStringLiteral(" 1/0   除数为0错误！请修改算式后计算。")
        << QStringLiteral("1/0   除数为0错误！请修改算式后计算。\n"
                          "  表达式计算过程中，1 / 0出现超出计算范围错误，我无法计算！返回数值用 error 表示。\n");
}

void MainWindowViewTest::computeShowsTheAlignedResult() {
    QFETCH(QString, formula);
    QFETCH(bool, byEnter);
    QFETCH(QString, result);
    QFETCH(QString, status);

    typeText(text1_, formula);
    QCOMPARE(text1_->text(), formula);
    if (byEnter)
        QTest::keyClick(text1_, Qt::Key_Return);
    else
        click("dcButton10");

    QCOMPARE(text2_->text(), result);
    QCOMPARE(text3_->toPlainText(), status);
    QVERIFY(text1_->text() != formula);  // the rewritten formula
    QCOMPARE(text1_->cursorPosition(), text1_->text().size());
    QCOMPARE(QApplication::focusWidget(), text1_);
}

void MainWindowViewTest::keysTypedAnywhereGoToTheFormulaAndClearTheResult() {
    typeText(text1_, QStringLiteral("2+3"));
    click("dcButton10");
    QVERIFY(!text2_->text().isEmpty());
    const QString formula = text1_->text();

    // The unit button keeps the focus after its click; the next key still goes to the formula.
    auto* unit = control<QPushButton>(window_, "Command5");
    click("Command5");
    QCOMPARE(QApplication::focusWidget(), unit);
    typeText(unit, QStringLiteral("5"));
    QCOMPARE(text2_->text(), u"");
    QCOMPARE(text1_->text(), formula + QStringLiteral("5"));
    QCOMPARE(QApplication::focusWidget(), text1_);

    click("dcButton10");
    QVERIFY(!text2_->text().isEmpty());
    QTest::keyClick(text1_, Qt::Key_Backspace);  // a key that edits the formula, typing nothing
    QCOMPARE(text2_->text(), u"");
}

void MainWindowViewTest::navigationKeysKeepTheResult_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    const std::tuple<const char*, Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {"Tab", Qt::Key_Tab, Qt::NoModifier},        {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier},
        {"Left", Qt::Key_Left, Qt::NoModifier},      {"Right", Qt::Key_Right, Qt::NoModifier},
        {"Home", Qt::Key_Home, Qt::NoModifier},      {"Shift+End", Qt::Key_End, Qt::ShiftModifier},
        {"Ctrl+A", Qt::Key_A, Qt::ControlModifier},  {"Ctrl+C", Qt::Key_C, Qt::ControlModifier},
        {"Shift", Qt::Key_Shift, Qt::ShiftModifier}, {"Ctrl", Qt::Key_Control, Qt::ControlModifier},
    };
    for (const char* box : {"Text1", "Text2"})
        for (const auto& [name, key, modifiers] : keys)
            QTest::addRow("%s in %s", name, box) << QString::fromLatin1(box) << int(key) << int(modifiers);
}

void MainWindowViewTest::navigationKeysKeepTheResult() {
    QFETCH(QString, box);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    typeText(text1_, QStringLiteral("2-8"));
    QTest::keyClick(text1_, Qt::Key_Return);
    const QString formula = text1_->text();
    const QString result = text2_->text();
    QVERIFY(result.contains(u"-6"));

    QWidget* target = control<QWidget>(window_, box.toLatin1().constData());
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(text2_->text(), result);
    QCOMPARE(text1_->text(), formula);

    // A character typed in the result box still starts over in the formula box.
    text2_->setFocus();
    typeText(text2_, QStringLiteral("9"));
    QCOMPARE(text2_->text(), u"");
    QCOMPARE(text1_->text().remove(u'9'), formula);  // at the caret the key left
    QCOMPARE(text1_->text().size(), formula.size() + 1);
    QCOMPARE(QApplication::focusWidget(), text1_);
}

void MainWindowViewTest::copyGivesTheCleanNumber_data() {
    QTest::addColumn<QString>("formula");
    QTest::addColumn<bool>("allPlaces");  // 28 places instead of the 15 at start
    QTest::addColumn<QString>("copied");
    QTest::newRow("plain") << QStringLiteral("2.5*3") << false << QStringLiteral("7.5");
    QTest::newRow("negative") << QStringLiteral("2-8") << false << QStringLiteral("-6");
    QTest::newRow("28 places") << QStringLiteral("1/3") << true << QStringLiteral("0.3333333333333333333333333333");
    QTest::newRow("约数") << QStringLiteral("sqrt(2)") << true << QStringLiteral("1.414213562373095048801688724");
    QTest::newRow("exponent form") << QStringLiteral("2^1000") << false << QStringLiteral("1.07150860718627E+301");
}

void MainWindowViewTest::copyGivesTheCleanNumber() {
    QFETCH(QString, formula);
    QFETCH(bool, allPlaces);
    QFETCH(QString, copied);
    if (allPlaces) {
        auto* places = control<QComboBox>(window_, "Combo1");
        places->setFocus();
        QTest::keyClick(places, Qt::Key_End);
        QCOMPARE(places->currentIndex(), 28);
        text1_->setFocus();
    }
    typeText(text1_, formula);
    QTest::keyClick(text1_, Qt::Key_Return);
    QVERIFY(text2_->text() != copied);  // the box shows it aligned, padded or marked

    // Ctrl+C, with nothing selected and with the whole box selected.
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    text2_->setFocus();
    QTest::keyClick(text2_, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), copied);
    clipboard->clear();
    QTest::keyClick(text2_, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(text2_, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), copied);

    // 复制 in the box's context menu.
    clipboard->clear();
    text2_->deselect();
    const QPoint centre = text2_->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, centre, text2_->mapToGlobal(centre));
    QApplication::sendEvent(text2_, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    QAction* copy = nullptr;
    for (QAction* action : menu->actions())
        if (action->text() == u"复制") copy = action;
    QVERIFY(copy != nullptr);
    QVERIFY(copy->isEnabled());
    copy->trigger();
    menu->close();
    QCOMPARE(clipboard->text(), copied);
    QCOMPARE(text2_->text().isEmpty(), false);  // copying keeps the result
}

void MainWindowViewTest::tabGoesInReadingOrder() {
    typeText(text1_, QStringLiteral("1+1"));
    QTest::keyClick(text1_, Qt::Key_Return);
    const QString result = text2_->text();

    // Formula, result, places, unit, then the keypad row by row across its four blocks.
    const QStringList start = {
        QStringLiteral("Text2"),   QStringLiteral("Combo1"),  QStringLiteral("Command5"), QStringLiteral("HmBut7"),
        QStringLiteral("HmBut8"),  QStringLiteral("HmBut9"),  QStringLiteral("HmBut14"),  QStringLiteral("HmBut15"),
        QStringLiteral("HmBut20"), QStringLiteral("HmBut31"), QStringLiteral("HmBut32"),  QStringLiteral("HmBut33"),
        QStringLiteral("HmBut34"), QStringLiteral("HmBut51"), QStringLiteral("HmBut52"),  QStringLiteral("HmBut4"),
    };
    QStringList visited;
    for (int i = 0; i < 90; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited.mid(0, start.size()), start);
    QCOMPARE(visited.indexOf(QStringLiteral("HmBut39")), 3 + 59);  // the keypad's last key
    QVERIFY(!visited.contains(QStringLiteral("Text3")));
    QVERIFY(!visited.contains(QStringLiteral("Text4")));
    QVERIFY(visited.contains(QStringLiteral("Text1")));  // round again
    QCOMPARE(text2_->text(), result);

    text2_->setFocus();
    QTest::keyClick(text2_, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), text1_);

    // The space bar presses the key reached; another character still goes to the formula.
    text1_->clear();
    auto* seven = control<QPushButton>(window_, "HmBut7");
    seven->setFocus();
    QTest::keyClick(seven, Qt::Key_Space);
    QCOMPARE(text1_->text(), u"7");
    seven->setFocus();
    typeText(seven, QStringLiteral("1"));
    QCOMPARE(text1_->text(), u"71");
}

void MainWindowViewTest::otherPlacesComputeTheResultAgain() {
    typeText(text1_, QStringLiteral("2/8"));
    QTest::keyClick(text1_, Qt::Key_Return);
    QCOMPARE(text2_->text(), QString(29, u' ') + QStringLiteral("0.25") + QString(13, u'_'));
    auto* places = control<QComboBox>(window_, "Combo1");
    places->setFocus();
    QTest::keyClick(places, Qt::Key_Up);
    QCOMPARE(places->currentIndex(), 14);
    QCOMPARE(text2_->text(), QString(29, u' ') + QStringLiteral("0.25") + QString(12, u'_'));
    QCOMPARE(QApplication::focusWidget(), places);  // the next key still picks in the list
    QTest::keyClick(places, Qt::Key_Home);
    QCOMPARE(text2_->text(), QString(29, u' ') + QStringLiteral("0."));
    QCOMPARE(control<QLineEdit>(window_, "Text4")->text(), u"018");  // the history is not touched
}

void MainWindowViewTest::closingTheCalculatorClosesEveryWindow() {
    for (const ScreenId screen : {ScreenId::Angles, ScreenId::Statistics, ScreenId::Help})
        QVERIFY(program_->screens.show(screen));
    QVERIFY(window_->close());
    for (const ScreenId screen : {ScreenId::Main, ScreenId::Angles, ScreenId::Statistics, ScreenId::Help})
        QVERIFY(!program_->screens.window(screen)->isVisible());
    const auto visible = [] {
        int count = 0;
        for (const QWidget* widget : QApplication::topLevelWidgets()) count += widget->isVisible() ? 1 : 0;
        return count;
    };
    QCOMPARE(visible(), 0);  // the last window closed: the program ends
}

void MainWindowViewTest::keyInsertsAtTheSavedCaret_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionLength");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("want");
    QTest::addColumn<int>("caret");

    QTest::newRow("caret inside") << QStringLiteral("12+34") << 2 << 0 << QList<int>{23} << QStringLiteral("12^+34") << 3;
    QTest::newRow("selection replaced") << QStringLiteral("12+34") << 2 << 2 << QList<int>{16} << QStringLiteral("12*4") << 3;
    QTest::newRow("root degree") << QStringLiteral("8") << 1 << 0 << QList<int>{27} << QStringLiteral("8^(1/)") << 5;
    QTest::newRow("variable") << QStringLiteral("1+") << 2 << 0 << QList<int>{51} << QStringLiteral("1+ r ") << 5;
    // The second key lands where the first left the caret: inside the brackets.
    QTest::newRow("function, then a constant") << QString() << 0 << 0 << QList<int>{31, 39} << QStringLiteral("sin(π)") << 5;
    // Three draws of 0.25 (the recorder's value): "0.25", then the digits after each "0.".
    QTest::newRow("random number") << QStringLiteral("1+") << 0 << 0 << QList<int>{60} << QStringLiteral("0.2525251+") << 8;
}

void MainWindowViewTest::keyInsertsAtTheSavedCaret() {
    QFETCH(QString, text);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionLength);
    QFETCH(QList<int>, keys);
    QFETCH(QString, want);
    QFETCH(int, caret);

    text1_->setText(text);
    text1_->setFocus();
    if (selectionLength > 0)
        text1_->setSelection(selectionStart, selectionLength);
    else
        text1_->setCursorPosition(selectionStart);
    for (const int key : keys) {
        const QByteArray name = "HmBut" + QByteArray::number(key);
        click(name.constData());
    }
    QCOMPARE(text1_->text(), want);
    QCOMPARE(text1_->cursorPosition(), caret);
    QVERIFY(!text1_->hasSelectedText());
    QCOMPARE(QApplication::focusWidget(), text1_);
}

void MainWindowViewTest::statusBoxGivesTheFocusBack() {
    typeText(text1_, QStringLiteral("1+2"));
    text1_->setCursorPosition(1);
    QTest::mouseClick(text3_->viewport(), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), text1_);
    click("HmBut16");  // the caret kept through the round trip
    QCOMPARE(text1_->text(), u"1*+2");
}

void MainWindowViewTest::unitButtonCyclesCaptionAndColour() {
    struct Step { const char16_t* caption; QColor colour; };
    const Step steps[] = {
        {u"百分度.9999", QColor(255, 192, 255)},
        {u"度分秒.5959", QColor(192, 255, 255)},
        {u"弧度角", QColor(255, 192, 192)},
    };
    auto* unit = control<QPushButton>(window_, "Command5");
    QCOMPARE(unit->palette().color(QPalette::Button), QColor(255, 192, 192));
    for (const Step& step : steps) {
        click("Command5");
        QCOMPARE(unit->text(), QString::fromUtf16(step.caption));
        QCOMPARE(unit->palette().color(QPalette::Button), step.colour);
    }
    QCOMPARE(text3_->toPlainText(), u"循环改变角度的计量单位--度分秒.5959、弧度和百分度.9999。混合计算时要保持角度单位相同，角度相加减时不要使用度分秒.5959格式。");
}

void MainWindowViewTest::chosenPlacesPadTheResult() {
    auto* places = control<QComboBox>(window_, "Combo1");
    places->showPopup();
    QAbstractItemView* list = places->view();
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(5, 0)).center());
    QTRY_VERIFY(!list->window()->isVisible());
    QCOMPARE(places->currentText(), u"5 位小数");
    QCOMPARE(text3_->toPlainText(), u"选择计算结果保留的小数位数（0 - 28 位）。");

    text1_->setFocus();
    typeText(text1_, QStringLiteral("12"));
    QTest::keyClick(text1_, Qt::Key_Return);
    QCOMPARE(text2_->text(), QString(28, u' ') + QStringLiteral("12.") + QString(5, u'_'));
}

void MainWindowViewTest::historyAndClearShowTheSlot() {
    click("dcButton11");  // the first "<--" shows the newest slot without moving
    QCOMPARE(text1_->text(), u"示例   r * s * t * u * v * w * x * y * z ");
    QCOMPARE(text2_->text(), u" 362880 ");
    QCOMPARE(text4_->text(), u"18");
    QCOMPARE(text3_->toPlainText(), u"向前显示已经存储的算式，以便你重复利用算式进行计算。");
    QCOMPARE(text1_->cursorPosition(), text1_->text().size());

    click("dcButton9");  // stores the formula in slot 19
    QCOMPARE(text1_->text(), u"");
    QCOMPARE(text4_->text(), u"19");
    click("dcButton12");
    QCOMPARE(text1_->text(), u"示例   r * s * t * u * v * w * x * y * z ");
    QCOMPARE(text2_->text(), u" ");
}

void MainWindowViewTest::pagesOpenInTheBrowser_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("address");
    QTest::newRow("version") << QStringLiteral("Label1") << web::kHome;
    QTest::newRow("product name") << QStringLiteral("Label4") << web::kHome;
    QTest::newRow("community") << QStringLiteral("dcButton4") << web::kCommunity;
    QTest::newRow("latest version") << QStringLiteral("dcButton8") << web::kDownload;
}

void MainWindowViewTest::pagesOpenInTheBrowser() {
    QFETCH(QString, control);
    QFETCH(QString, address);
    click(control.toLatin1().constData());
    QCOMPARE(program_->web.opened, QStringList{address});
}

void MainWindowViewTest::returningFromAnotherScreenClearsTheResult() {
    typeText(text1_, QStringLiteral("1+1"));
    click("dcButton10");
    QVERIFY(!text2_->text().isEmpty());

    click("dcButton2");
    QWidget* angles = program_->screens.window(ScreenId::Angles);
    QVERIFY(angles != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(angles));
    QVERIFY(!text2_->text().isEmpty());  // leaving the window keeps the result

    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    QCOMPARE(text2_->text(), u"");
    QCOMPARE(QApplication::focusWidget(), text1_);
}

void MainWindowViewTest::wideCharactersTakeTwoColumns() {
    // The result box pads by display width: 约数 stands for four blanks.
    const QFontInfo font(text2_->font());
    if (!font.family().startsWith(QStringLiteral("Noto Sans Mono CJK")))
        QSKIP("Noto Sans Mono CJK SC (fonts-noto-cjk) is not installed");
    const QFontMetrics metrics(text2_->font());
    QCOMPARE(metrics.horizontalAdvance(QStringLiteral("约数")), metrics.horizontalAdvance(QStringLiteral("    ")));
    QCOMPARE(metrics.horizontalAdvance(QStringLiteral("１２")), metrics.horizontalAdvance(QStringLiteral("1234")));
}

}  // namespace cesuan

QTEST_MAIN(cesuan::MainWindowViewTest)
#include "main_window_view_test.moc"
