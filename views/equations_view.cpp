#include "views/equations_view.h"

#include "engine/line_ends.h"
#include "screens/equations_texts.h"
#include "views/box_font.h"
#include "views/command_keys.h"
#include "views/heading_font.h"
#include "views/long_text.h"
#include "ui_equations_view.h"

namespace cesuan {

namespace t = texts::equations;

EquationsView::EquationsView(const CalcSettings& settings, MessageBoxService& messages, ScreenNavigator& screens,
                             QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::EquationsView>()), screen_(settings, messages, work_, screens) {
    ui_->setupUi(this);
    setWindowTitle(t::kWindowTitle);
    ui_->LabelHeading->setText(t::kHeading);
    setHeadingFont(ui_->LabelHeading);
    ui_->LabelHint->setText(t::kHint);
    ui_->Label1->setText(t::kSystemLabel);
    ui_->Check1->setText(t::kLeastSquares);
    ui_->Check1->setToolTip(t::kTipLeastSquares);
    ui_->LabelResult->setText(t::kResultLabel);
    const QFont font = boxFont();
    for (QPlainTextEdit* box : {ui_->Text1, ui_->TextResult}) {
        box->setFont(font);
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
    }

    ui_->Command1->setText(t::kSolve);
    ui_->Command1->setToolTip(t::kTipSolve);
    binding_.bind(ui_->Command1, [this] { screen_.solve(); });
    ui_->CommandHelp->setText(t::kLearn);
    binding_.bind(ui_->CommandHelp, [this] { screen_.learn(); });
    clickOnCtrlEnter(this, ui_->Command1);
    binding_.showController();
}

EquationsView::~EquationsView() = default;

void EquationsView::copyIn() {
    screen_.system = WithCrLfLineEnds(ui_->Text1->toPlainText());
    screen_.leastSquares = ui_->Check1->isChecked();
}

void EquationsView::copyOut() {
    setLongTextIfChanged(ui_->Text1, screen_.system);
    ui_->Check1->setChecked(screen_.leastSquares);
    setLongTextIfChanged(ui_->TextResult, screen_.result);
    ui_->StatusLine->setText(screen_.status);
}

}  // namespace cesuan
