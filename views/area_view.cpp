#include "views/area_view.h"

#include "engine/line_ends.h"
#include "screens/area_texts.h"
#include "views/box_font.h"
#include "views/command_keys.h"
#include "views/long_text.h"
#include "views/plot_view.h"
#include "views/heading_font.h"
#include "ui_area_view.h"

#include <QShortcut>

#include <utility>

namespace cesuan {

namespace t = texts::area;

AreaView::AreaView(MessageBoxService& messages, ScreenNavigator& screens, FileChooser& files, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::AreaView>()),
      printer_(*this, messages, files),
      screen_(messages, printer_, screens, files) {
    ui_->setupUi(this);
    setUpTexts();
    connectControls();
    // The outline beside the result.
    outline_ = new PlotView;
    outline_->setObjectName(QStringLiteral("outlineView"));
    outline_->setServices(&files, &messages);
    connect(outline_, &PlotView::statusMessage, ui_->StatusLine, &QLabel::setText);
    PlaceBeside(*this, outline_);
    copyOut();  // the start points as the controller loaded them
}

AreaView::~AreaView() = default;

void AreaView::setUpTexts() {
    setWindowTitle(screen_.windowTitle);
    ui_->Label1->setText(screen_.heading);
    setHeadingFont(ui_->Label1);
    ui_->Label2->setText(screen_.formatNote);
    ui_->Label4->setText(screen_.unitNote);
    ui_->Label7->setText(screen_.resultHeading);

    const QFont font = boxFont();
    const QFontMetrics metrics(font);
    for (QPlainTextEdit* box : {ui_->Text1, ui_->Text2}) {
        box->setFont(font);
        box->setMinimumHeight(metrics.lineSpacing() * 10 + 12);
    }
    ui_->Text1->setMinimumWidth(metrics.horizontalAdvance(QString(40, u'0')) + 2 * metrics.lineSpacing());
    ui_->Text2->setMinimumWidth(metrics.horizontalAdvance(QString(44, u'0')) + 2 * metrics.lineSpacing());
}

void AreaView::connectControls() {
    const std::pair<QPushButton*, void (AreaScreen::*)()> buttons[] = {
        {ui_->Command1, &AreaScreen::compute},
        {ui_->Command2, &AreaScreen::printScreen},
        {ui_->CommandJsq, &AreaScreen::showCalculator},
        {ui_->CommandQiTa, &AreaScreen::showMenu},
    };
    for (const auto& [button, command] : buttons) binding_.bind(button, [this, command] { (screen_.*command)(); });
    ui_->Command1->setText(screen_.computeCaption);
    ui_->Command2->setText(screen_.printCaption);
    ui_->Command2->setToolTip(screen_.printTooltip);
    ui_->CommandJsq->setText(t::kCalculator);
    ui_->CommandQiTa->setText(t::kMenu);
    connect(ui_->Check1, &QCheckBox::clicked, this,
            [this](bool checked) { binding_.run([this, checked] { screen_.serialColumnClicked(checked); }); });
    clickOnCtrlEnter(this, ui_->Command1);
    connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this,
            [this] { binding_.run([this] { screen_.openPoints(); }); });
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
            [this] { binding_.run([this] { screen_.saveResult(); }); });
}

void AreaView::copyIn() {
    screen_.pointText = WithCrLfLineEnds(ui_->Text1->toPlainText());
    screen_.resultText = WithCrLfLineEnds(ui_->Text2->toPlainText());
    screen_.serialColumn = ui_->Check1->isChecked();
}

void AreaView::copyOut() {
    setLongTextIfChanged(ui_->Text1, screen_.pointText);
    setLongTextIfChanged(ui_->Text2, screen_.resultText);
    ui_->Check1->setChecked(screen_.serialColumn);
    ui_->Check1->setText(screen_.serialColumnCaption);
    ui_->StatusLine->setText(screen_.statusLine);
    outline_->showPicture(screen_.outline);
}

}  // namespace cesuan
