#include "views/main_window_view.h"

#include "views/widget_texts.h"

#include "screens/main_screen_texts.h"
#include "views/box_font.h"
#include "engine/line_ends.h"
#include "ui_main_window_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGridLayout>
#include <QInputMethodEvent>
#include <QMenu>
#include <QWindow>

namespace cesuan {

namespace t = texts::main;

MainWindowView::MainWindowView(CalcSettings& settings, MessageBoxService& messages, WebPageOpener& web, RandomSource& random,
                               ScreenNavigator& screens, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::MainWindowView>()), screen_(settings, messages, web, random, screens) {
    ui_->setupUi(this);
    setUpTexts();
    connectControls();
    setUpTabOrder();

    // Key preview, the formula box's lost focus, the status box's focus and the label clicks.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);

    // Which window was active before this one decides whether an activation counts.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* window) {
        if (window == windowHandle()) return;
        returningFromScreen_ = window != nullptr && window->type() == Qt::Window;
    });

    binding_.run([this] { screen_.load(); });
}

MainWindowView::~MainWindowView() = default;

FormulaHistory MainWindowView::history() const { return screen_.history(ui_->Text1->text()); }

void MainWindowView::resume(const CalcSettings& kept, const std::optional<FormulaHistory>& history,
                            const QStringList& notes) {
    binding_.run([&] { screen_.resume(kept, history, notes); });
}

void MainWindowView::showNotes(const QStringList& notes) {
    binding_.run([&] { screen_.showNotes(notes); });
}

void MainWindowView::setUpTexts() {
    setWindowTitle(t::kWindowTitle);

    const QFont font = boxFont();
    for (QWidget* box : {static_cast<QWidget*>(ui_->Text1), static_cast<QWidget*>(ui_->Text2),
                         static_cast<QWidget*>(ui_->Text3)})
        box->setFont(font);
    // The result box shows 31 columns up to the decimal point and up to 28 places after it.
    const QFontMetrics metrics(font);
    ui_->Text2->setMinimumWidth(metrics.horizontalAdvance(QString(62, u'0')) + 12);
    ui_->Text3->setMinimumHeight(metrics.lineSpacing() * 3 + 12);

    ui_->Text1->setToolTip(t::kTipFormula);
    ui_->Text2->setToolTip(t::kTipResult);
    ui_->Text3->setToolTip(t::kTipStatus);
    ui_->Text4->setToolTip(t::kTipSlot);
    ui_->Combo1->setToolTip(t::kTipPlaces);
    ui_->Command5->setToolTip(t::kTipAngleUnit);
    ui_->Label1->setToolTip(t::kTipVersion);
    ui_->Label2->setToolTip(t::kTipEquals);

    ui_->Combo1->addItems(MainScreen::decimalPlacesItems());
    ui_->Label1->setText(t::kVersion);
    ui_->Label2->setText(t::kEquals);
    ui_->Label4->setText(t::kProductName);

    const std::pair<QPushButton*, QString> captions[] = {
        {ui_->dcButton1, t::kStatistics},  {ui_->dcButton2, t::kAngles},       {ui_->dcButton3, t::kBases},
        {ui_->dcButton4, t::kCommunity},   {ui_->dcButton5, t::kCoordinates},  {ui_->dcButton6, t::kBearing},
        {ui_->dcButton7, t::kAttitude},    {ui_->dcButton8, t::kLatestVersion}, {ui_->dcButton9, t::kClear},
        {ui_->dcButton10, t::kCompute},    {ui_->dcButton11, t::kBack},        {ui_->dcButton12, t::kForward},
        {ui_->dcButton13, t::kEditVariables}, {ui_->dcButton14, t::kHelp},
    };
    for (const auto& [button, caption] : captions) button->setText(caption);
    for (int key = 1; key <= 60; ++key)
        findChild<QPushButton*>(QStringLiteral("HmBut") + QString::number(key))->setText(MainScreen::keyCaption(key));
}

void MainWindowView::connectControls() {
    const auto onClick = [this](QPushButton* button, auto operation) {
        binding_.bind(button, [this, operation] { operation(screen_); });
    };
    onClick(ui_->dcButton10, [](MainScreen& s) { s.compute(); });
    onClick(ui_->dcButton9, [](MainScreen& s) { s.clear(); });
    onClick(ui_->dcButton11, [](MainScreen& s) { s.historyBack(); });
    onClick(ui_->dcButton12, [](MainScreen& s) { s.historyForward(); });
    onClick(ui_->dcButton13, [](MainScreen& s) { s.editVariables(); });
    onClick(ui_->Command5, [](MainScreen& s) { s.cycleAngleUnit(); });
    onClick(ui_->dcButton4, [](MainScreen& s) { s.openCommunityPage(); });
    onClick(ui_->dcButton8, [](MainScreen& s) { s.openDownloadPage(); });

    const std::pair<QPushButton*, ScreenId> screenButtons[] = {
        {ui_->dcButton1, ScreenId::Statistics},  {ui_->dcButton2, ScreenId::Angles},
        {ui_->dcButton3, ScreenId::BaseCalculator}, {ui_->dcButton5, ScreenId::Coordinates},
        {ui_->dcButton6, ScreenId::Bearing},     {ui_->dcButton7, ScreenId::Attitude},
        {ui_->dcButton14, ScreenId::Help},
    };
    for (const auto& [button, screen] : screenButtons)
        onClick(button, [screen](MainScreen& s) { s.showScreen(screen); });

    for (int key = 1; key <= 60; ++key)
        onClick(findChild<QPushButton*>(QStringLiteral("HmBut") + QString::number(key)),
                [key](MainScreen& s) { s.pressKey(key); });

    connect(ui_->Text1, &QLineEdit::returnPressed, this, [this] { binding_.run([this] { screen_.compute(); }); });
    ui_->Text2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui_->Text2, &QWidget::customContextMenuRequested, this, &MainWindowView::showResultMenu);
    // A choice of the user (not the item set from the controller) changes the places.
    connect(ui_->Combo1, &QComboBox::activated, this, [this](int index) {
        binding_.run([this, index] {
            screen_.placesChosenByUser(index);
        });
    });
}

void MainWindowView::setUpTabOrder() {
    QList<QWidget*> chain = {ui_->Text1, ui_->Text2, ui_->Combo1, ui_->Command5};
    for (int row = 0; row < 5; ++row)
        for (QGridLayout* block : {ui_->digitKeys, ui_->operatorKeys, ui_->functionKeys, ui_->variableKeys})
            for (int column = 0; column < block->columnCount(); ++column)
                if (QLayoutItem* item = block->itemAtPosition(row, column); item != nullptr && item->widget() != nullptr)
                    chain.append(item->widget());
    chain << ui_->dcButton11 << ui_->dcButton12 << ui_->dcButton9 << ui_->dcButton10 << ui_->dcButton13
          << ui_->dcButton1 << ui_->dcButton2 << ui_->dcButton3 << ui_->dcButton5 << ui_->dcButton6
          << ui_->dcButton7 << ui_->dcButton14 << ui_->dcButton4 << ui_->dcButton8;
    for (qsizetype i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
    // The status box hands the focus back at once: Tab passes it by.
    ui_->Text3->setFocusPolicy(Qt::ClickFocus);
}

void MainWindowView::copyIn() {
    screen_.formula = ui_->Text1->text();
    screen_.result = ui_->Text2->text();
    screen_.status = WithCrLfLineEnds(ui_->Text3->toPlainText());
    screen_.slotNumber = ui_->Text4->text();
    // The controller writes the caret and the focus only in the operations that place them.
    screen_.caretPosition = -1;
    screen_.focus = MainScreen::Control::Other;
}

void MainWindowView::copyOut() {
    setTextIfChanged(ui_->Text1, screen_.formula);
    if (ui_->Text2->text() != screen_.result) {
        ui_->Text2->setText(screen_.result);
        ui_->Text2->setCursorPosition(0);  // a result wider than the box shows its aligned start
    }
    const QString status = WithLfLineEnds(screen_.status);
    if (ui_->Text3->toPlainText() != status) ui_->Text3->setPlainText(status);
    setTextIfChanged(ui_->Text4, screen_.slotNumber);
    if (ui_->Combo1->currentIndex() != screen_.placesIndex) ui_->Combo1->setCurrentIndex(screen_.placesIndex);

    ui_->Command5->setText(screen_.unitCaption);
    const Rgb& c = screen_.unitColour;
    QPalette palette = ui_->Command5->palette();
    palette.setColor(QPalette::Button, QColor(c.red, c.green, c.blue));
    ui_->Command5->setPalette(palette);

    if (screen_.caretPosition >= 0) ui_->Text1->setCursorPosition(screen_.caretPosition);
    switch (screen_.focus) {
    case MainScreen::Control::Formula: ui_->Text1->setFocus(); break;
    case MainScreen::Control::Result: ui_->Text2->setFocus(); break;
    case MainScreen::Control::Status: ui_->Text3->setFocus(); break;
    case MainScreen::Control::Places: ui_->Combo1->setFocus(); break;
    case MainScreen::Control::Other: break;  // the focus stays where it is
    }
}

bool MainWindowView::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && returningFromScreen_) {
        returningFromScreen_ = false;
        binding_.run([this] { screen_.activate(); });
    }
    return QWidget::event(event);
}

bool MainWindowView::eventFilter(QObject* watched, QEvent* event) {
    QWidget* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this) return false;  // e.g. the list's pop-up

    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
        return previewKey(widget, event);
    case QEvent::FocusOut:
        // Seen before the box drops its selection on losing the focus.
        if (watched == ui_->Text1) {
            const QLineEdit* box = ui_->Text1;
            if (box->hasSelectedText())
                screen_.formulaLostFocus(box->selectionStart(), box->selectionLength(), box->selectedText());
            else
                screen_.formulaLostFocus(box->cursorPosition(), 0, QString());
        }
        break;
    case QEvent::FocusIn:
        if (watched == ui_->Text3) binding_.run([this] { screen_.statusGotFocus(); });
        break;
    case QEvent::MouseButtonRelease:
        if (watched == ui_->Label1 || watched == ui_->Label4) binding_.run([this] { screen_.openMakerPage(); });
        break;
    default:
        break;
    }
    return false;
}

void MainWindowView::closeEvent(QCloseEvent* event) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window == this || !window->isVisible()) continue;
        if (!window->close()) {
            event->ignore();
            return;
        }
    }
    QWidget::closeEvent(event);
}

void MainWindowView::copyResult() {
    QString text;
    binding_.run([this, &text] { text = screen_.resultToCopy(ui_->Text2->selectedText()); });
    if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
}

void MainWindowView::showResultMenu(const QPoint& position) {
    // The menu a read-only box has, its copy giving the clean number.
    auto* menu = new QMenu(ui_->Text2);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* copy = menu->addAction(t::kCopy, this, &MainWindowView::copyResult);
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(!screen_.resultToCopy(ui_->Text2->selectedText()).isEmpty());
    menu->addSeparator();
    QAction* selectAll = menu->addAction(t::kSelectAll, ui_->Text2, &QLineEdit::selectAll);
    selectAll->setShortcut(QKeySequence::SelectAll);
    selectAll->setEnabled(!ui_->Text2->text().isEmpty());
    menu->popup(ui_->Text2->mapToGlobal(position));
}

namespace {

// Keys that move the caret, the selection or the focus, and the copy shortcut: they act on the
// control that has the focus and leave the result on show.
bool isNavigationKey(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return key.matches(QKeySequence::Copy) || key.matches(QKeySequence::SelectAll);
    }
}

}  // namespace

bool MainWindowView::previewKey(QWidget* receiver, QEvent* event) {
    if (forwardingKey_) return false;
    // A key goes to the focus widget first, then to its parents when that ignores it: only
    // the first of these counts.
    QWidget* focus = QApplication::focusWidget();
    if (receiver != (focus != nullptr && focus->window() == this ? focus : this)) return false;
    if (event->type() == QEvent::InputMethod) {
        const auto* input = static_cast<QInputMethodEvent*>(event);
        if (input->commitString().isEmpty() && input->preeditString().isEmpty()) return false;
        binding_.run([this] { screen_.keyDown(); });
        return false;
    }

    const auto* key = static_cast<QKeyEvent*>(event);
    if (receiver == ui_->Text2 && key->matches(QKeySequence::Copy)) {
        copyResult();
        return true;
    }
    if (isNavigationKey(*key)) return false;
    // The space bar presses a button reached with Tab.
    if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier && qobject_cast<QAbstractButton*>(receiver))
        return false;

    binding_.run([this] { screen_.keyDown(); });
    if (receiver == ui_->Text1) return false;
    // keyDown() has put the focus into the formula box: the key goes there too.
    forwardingKey_ = true;
    QCoreApplication::sendEvent(ui_->Text1, event);
    forwardingKey_ = false;
    return true;
}

}  // namespace cesuan
