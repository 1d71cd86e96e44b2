#include "views/forward_view.h"

#include "engine/line_ends.h"
#include "screens/forward_texts.h"
#include "views/box_font.h"
#include "views/command_keys.h"
#include "views/long_text.h"
#include "views/widget_texts.h"
#include "views/heading_font.h"
#include "ui_forward_view.h"

#include <QShortcut>

#include <utility>

namespace cesuan {

namespace t = texts::forward;

ForwardView::ForwardView(MessageBoxService& messages, ScreenNavigator& screens, FileChooser& files, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::ForwardView>()),
      printer_(*this, messages, files),
      screen_(messages, printer_, screens, files) {
    ui_->setupUi(this);
    setUpTexts();
    connectControls();
    copyOut();  // the start station and lines as the controller loaded them
}

ForwardView::~ForwardView() = default;

void ForwardView::setUpTexts() {
    setWindowTitle(screen_.windowTitle);
    ui_->Label1->setText(screen_.heading);
    setHeadingFont(ui_->Label1);
    ui_->Label2->setText(screen_.formatNote);
    ui_->Label4->setText(screen_.directionNote);
    ui_->LabelStation->setText(screen_.stationLabel);
    ui_->LabelX->setText(QStringLiteral("X"));
    ui_->LabelY->setText(QStringLiteral("Y"));
    ui_->LabelH->setText(QStringLiteral("H"));
    ui_->LabelHNote->setText(screen_.stationHNote);
    ui_->Option1->setText(screen_.radialCaption);
    ui_->Option2->setText(screen_.chainCaption);

    const QFont font = boxFont();
    const QFontMetrics metrics(font);
    ui_->Label7->setFont(font);
    ui_->Label7->setText(screen_.resultHeading);
    constexpr int kTextMargin = 4;  // as the box under it keeps round its text
    ui_->Label7->setIndent(ui_->Text2->frameWidth() + kTextMargin);
    for (QPlainTextEdit* box : {ui_->Text1, ui_->Text2}) {
        box->setFont(font);
        box->setMinimumHeight(metrics.lineSpacing() * 10 + 12);
    }
    ui_->Text1->setMinimumWidth(metrics.horizontalAdvance(QString(36, u'0')) + 2 * metrics.lineSpacing());
    ui_->Text2->setMinimumWidth(metrics.horizontalAdvance(QString(44, u'0')) + 2 * metrics.lineSpacing());
}

void ForwardView::connectControls() {
    const std::pair<QPushButton*, void (ForwardScreen::*)()> buttons[] = {
        {ui_->Command1, &ForwardScreen::compute},
        {ui_->Command2, &ForwardScreen::printScreen},
        {ui_->CommandJsq, &ForwardScreen::showCalculator},
        {ui_->CommandQiTa, &ForwardScreen::showMenu},
    };
    for (const auto& [button, command] : buttons) binding_.bind(button, [this, command] { (screen_.*command)(); });
    binding_.bind(ui_->Option1, [this] { screen_.radialClicked(); });
    binding_.bind(ui_->Option2, [this] { screen_.chainClicked(); });
    ui_->Command1->setText(screen_.computeCaption);
    ui_->Command2->setText(screen_.printCaption);
    ui_->Command2->setToolTip(screen_.printTooltip);
    ui_->CommandJsq->setText(t::kCalculator);
    ui_->CommandQiTa->setText(t::kMenu);
    for (QLineEdit* box : {ui_->TextX, ui_->TextY, ui_->TextH}) clickOnEnter(box, ui_->Command1);
    clickOnCtrlEnter(this, ui_->Command1);
    connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this,
            [this] { binding_.run([this] { screen_.openLines(); }); });
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
            [this] { binding_.run([this] { screen_.saveResult(); }); });
}

void ForwardView::copyIn() {
    screen_.stationX = ui_->TextX->text();
    screen_.stationY = ui_->TextY->text();
    screen_.stationH = ui_->TextH->text();
    screen_.chain = ui_->Option2->isChecked();
    screen_.lineText = WithCrLfLineEnds(ui_->Text1->toPlainText());
    screen_.resultText = WithCrLfLineEnds(ui_->Text2->toPlainText());
}

void ForwardView::copyOut() {
    setTextIfChanged(ui_->TextX, screen_.stationX);
    setTextIfChanged(ui_->TextY, screen_.stationY);
    setTextIfChanged(ui_->TextH, screen_.stationH);
    ui_->Option1->setChecked(!screen_.chain);
    ui_->Option2->setChecked(screen_.chain);
    setLongTextIfChanged(ui_->Text1, screen_.lineText);
    setLongTextIfChanged(ui_->Text2, screen_.resultText);
    ui_->StatusLine->setText(screen_.statusLine);
}

}  // namespace cesuan
