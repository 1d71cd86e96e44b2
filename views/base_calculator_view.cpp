#include "views/base_calculator_view.h"

#include "views/widget_texts.h"

#include "screens/base_calculator_texts.h"
#include "views/box_font.h"
#include "views/command_keys.h"
#include "views/heading_font.h"
#include "engine/line_ends.h"
#include "ui_base_calculator_view.h"

#include <QEvent>

#include <tuple>

namespace cesuan {

namespace t = texts::base_calculator;

BaseCalculatorView::BaseCalculatorView(MessageBoxService& messages, WebPageOpener& web, ScreenNavigator& screens,
                                       FileChooser& files, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::BaseCalculatorView>()),
      printer_(*this, messages, files),
      screen_(messages, printer_, web, screens) {
    ui_->setupUi(this);
    // No key button carries the number 14: "D" .. "F" are Command15 .. Command17.
    for (int digit = 0; digit < 16; ++digit)
        digitKeys_[std::size_t(digit)] =
            findChild<QPushButton*>(QStringLiteral("Command") + QString::number(digit <= 12 ? digit + 1 : digit + 2));
    setUpTexts();
    connectControls();
    for (QWidget* watched : {static_cast<QWidget*>(ui_->Text1), static_cast<QWidget*>(ui_->Text2),
                             static_cast<QWidget*>(ui_->Label7)})
        watched->installEventFilter(this);
    copyOut();  // the start explanation, the operation label and the binary keypad
}

BaseCalculatorView::~BaseCalculatorView() = default;

void BaseCalculatorView::setUpTexts() {
    setWindowTitle(t::kWindowTitle);

    ui_->Label1->setText(t::kTitle);
    setHeadingFont(ui_->Label1);
    ui_->Label2->setText(t::kRadixCaption);
    ui_->Label3->setText(t::kData1Caption);
    ui_->Label5->setText(t::kData2Caption);
    ui_->Label7->setText(t::kResultCaption);
    ui_->Label7->setCursor(Qt::PointingHandCursor);  // a click computes, as the compute key does

    QRadioButton* const radixButtons[] = {ui_->Option1, ui_->Option2, ui_->Option3, ui_->Option4};
    for (std::size_t i = 0; i < 4; ++i) radixButtons[i]->setText(t::kRadixNames[i]);
    for (std::size_t i = 0; i < 12; ++i)
        findChild<QRadioButton*>(QStringLiteral("Option") + QString::number(5 + i))->setText(t::kOperationNames[i]);

    for (int digit = 0; digit < 16; ++digit)
        digitKeys_[std::size_t(digit)]->setText(QString(QChar(digit < 10 ? u'0' + digit : u'A' + digit - 10)));

    // The data and the result in the boxes' monospaced font; the result box shows 36
    // characters, the longest result without the warning.
    const QFont font = boxFont();
    const QFontMetrics metrics(font);
    for (QLineEdit* box : {ui_->Text1, ui_->Text2, ui_->Text3}) {
        box->setFont(font);
        box->setMinimumWidth(metrics.horizontalAdvance(QString(36, u'0')) + 12);
    }
    ui_->Text3->setReadOnly(true);
    ui_->Text4->setReadOnly(true);
    ui_->Text4->setMinimumHeight(QFontMetrics(ui_->Text4->font()).lineSpacing() * 6 + 12);

    // Hiding data 1 (非) or the warning keeps the other rows in place.
    for (QWidget* hideable : {static_cast<QWidget*>(ui_->Text1), static_cast<QWidget*>(ui_->Label6)}) {
        QSizePolicy policy = hideable->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        hideable->setSizePolicy(policy);
    }
    QPalette warning = ui_->Label6->palette();
    warning.setColor(QPalette::WindowText, Qt::red);
    ui_->Label6->setPalette(warning);
}

void BaseCalculatorView::connectControls() {
    using S = BaseCalculatorScreen;
    const std::tuple<QPushButton*, QString, QString, void (S::*)()> buttons[] = {
        {ui_->Command18, t::kSignKey, QString(), &S::signKey},
        {ui_->Command19, t::kPointKey, QString(), &S::pointKey},
        {ui_->Command20, t::kDeleteKey, QString(), &S::deleteKey},
        {ui_->Command21, t::kClearKey, QString(), &S::clearKey},
        {ui_->Command22, t::kLeftKey, QString(), &S::leftKey},
        {ui_->Command24, t::kRightKey, QString(), &S::rightKey},
        {ui_->Command23, t::kCompute, QString(), &S::compute},
        {ui_->Command25, t::kMain, QString(), &S::showMain},
        {ui_->Command26, t::kPrint, t::kPrintTip, &S::printScreen},
        {ui_->CommandQiTa, t::kMenu, t::kMenuTip, &S::showMenu},
        {ui_->CommandVorn, t::kHomePage, web::kHome, &S::openHomePage},
    };
    for (const auto& [button, caption, tip, command] : buttons) {
        button->setText(caption);
        button->setToolTip(tip);
        binding_.bind(button, [this, command] { (screen_.*command)(); });
    }
    clickOnEnter(ui_->Text1, ui_->Command23);
    clickOnEnter(ui_->Text2, ui_->Command23);
    for (int digit = 0; digit < 16; ++digit) {
        QPushButton* key = digitKeys_[std::size_t(digit)];
        binding_.bind(key, [this, key] { screen_.digitKey(key->text()[0]); });
    }

    const std::pair<QRadioButton*, int> radixButtons[] = {
        {ui_->Option1, 2}, {ui_->Option2, 8}, {ui_->Option3, 10}, {ui_->Option4, 16}};
    for (const auto& [button, radix] : radixButtons)
        connect(button, &QRadioButton::clicked, this, [this, radix] { binding_.run([this, radix] { screen_.radixClicked(radix); }); });
    for (int i = 0; i < 12; ++i) {
        const auto operation = S::Operation(i);
        connect(findChild<QRadioButton*>(QStringLiteral("Option") + QString::number(5 + i)), &QRadioButton::clicked,
                this, [this, operation] { binding_.run([this, operation] { screen_.operationClicked(operation); }); });
    }
}

void BaseCalculatorView::copyIn() {
    screen_.data1 = ui_->Text1->text();
    screen_.data2 = ui_->Text2->text();
    screen_.focusRequest.reset();  // set only by the keys that give a data box the focus back
}

void BaseCalculatorView::copyOut() {
    setTextIfChanged(ui_->Text1, screen_.data1);
    setTextIfChanged(ui_->Text2, screen_.data2);
    if (ui_->Text3->text() != screen_.result) {
        ui_->Text3->setText(screen_.result);
        ui_->Text3->setCursorPosition(0);  // a result wider than the box shows its start
    }
    const QString explanation = WithLfLineEnds(screen_.explanation);
    if (ui_->Text4->toPlainText() != explanation) ui_->Text4->setPlainText(explanation);
    ui_->Label4->setText(screen_.operationLabel);
    ui_->Text1->setVisible(screen_.data1Visible);
    ui_->Label6->setText(screen_.longResultNote);
    ui_->Label6->setVisible(screen_.longResultVisible);
    ui_->StatusLine->setText(screen_.statusLine);
    for (int digit = 0; digit < 16; ++digit)
        digitKeys_[std::size_t(digit)]->setEnabled(screen_.digitKeyEnabled[std::size_t(digit)]);

    if (screen_.focusRequest) {
        QLineEdit* target = box(*screen_.focusRequest);
        const int caret = *screen_.focusRequest == BaseCalculatorScreen::Box::Data1 ? screen_.caret1 : screen_.caret2;
        target->setFocus();
        target->setCursorPosition(caret);
    }
}

QLineEdit* BaseCalculatorView::box(BaseCalculatorScreen::Box box) const {
    return box == BaseCalculatorScreen::Box::Data1 ? ui_->Text1 : ui_->Text2;
}

bool BaseCalculatorView::eventFilter(QObject* watched, QEvent* event) {
    using Box = BaseCalculatorScreen::Box;
    if (watched == ui_->Label7) {
        if (event->type() == QEvent::MouseButtonRelease) binding_.run([this] { screen_.compute(); });
    } else if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        const Box which = watched == ui_->Text1 ? Box::Data1 : Box::Data2;
        if (event->type() == QEvent::FocusIn) {
            screen_.boxGotFocus(which);
        } else {
            // Seen before the box drops its selection on losing the focus.
            const QLineEdit* edit = box(which);
            if (edit->hasSelectedText())
                screen_.boxLostFocus(which, edit->selectionStart(), edit->selectionLength());
            else
                screen_.boxLostFocus(which, edit->cursorPosition(), 0);
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace cesuan
