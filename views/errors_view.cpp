#include "views/errors_view.h"

#include "engine/line_ends.h"
#include "screens/errors_texts.h"
#include "views/box_font.h"
#include "views/command_keys.h"
#include "views/heading_font.h"
#include "views/long_text.h"
#include "views/widget_texts.h"
#include "ui_errors_view.h"

#include <QShortcut>

namespace cesuan {

namespace t = texts::errors;

ErrorsView::ErrorsView(const CalcSettings& settings, MessageBoxService& messages, ScreenNavigator& screens,
                       QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::ErrorsView>()), screen_(settings, messages, work_, screens) {
    ui_->setupUi(this);
    setWindowTitle(t::kWindowTitle);
    ui_->LabelHeading->setText(t::kHeading);
    setHeadingFont(ui_->LabelHeading);
    ui_->Tabs->setTabText(0, t::kObservationsTab);
    ui_->Tabs->setTabText(1, t::kPropagationTab);
    ui_->LabelObservationsHint->setText(t::kObservationsHint);
    ui_->LabelPropagationHint->setText(t::kPropagationHint);
    ui_->LabelObservations->setText(t::kObservationsLabel);
    ui_->LabelFormula->setText(t::kFormulaLabel);
    ui_->LabelVariables->setText(t::kVariablesLabel);
    const QFont font = boxFont();
    ui_->TextFormula->setFont(font);
    for (QPlainTextEdit* box : {ui_->TextObservations, ui_->TextVariables, ui_->ResultObservations, ui_->ResultPropagation}) {
        box->setFont(font);
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
    }

    ui_->CommandObservations->setText(t::kCompute);
    ui_->CommandObservations->setToolTip(t::kTipCompute);
    binding_.bind(ui_->CommandObservations, [this] { screen_.computeObservations(); });
    ui_->CommandPropagate->setText(t::kPropagate);
    ui_->CommandPropagate->setToolTip(t::kTipPropagate);
    binding_.bind(ui_->CommandPropagate, [this] { screen_.propagate(); });
    ui_->CommandHelp->setText(t::kLearn);
    binding_.bind(ui_->CommandHelp, [this] { screen_.learn(); });
    clickOnEnter(ui_->TextFormula, ui_->CommandPropagate);
    // Ctrl+Enter: the command of the tab on show.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | key), this);
        connect(shortcut, &QShortcut::activated, this, [this] {
            (ui_->Tabs->currentIndex() == 0 ? ui_->CommandObservations : ui_->CommandPropagate)->click();
        });
    }
    binding_.showController();
}

ErrorsView::~ErrorsView() = default;

void ErrorsView::copyIn() {
    screen_.observations = WithCrLfLineEnds(ui_->TextObservations->toPlainText());
    screen_.formula = ui_->TextFormula->text();
    screen_.variables = WithCrLfLineEnds(ui_->TextVariables->toPlainText());
}

void ErrorsView::copyOut() {
    setLongTextIfChanged(ui_->TextObservations, screen_.observations);
    setTextIfChanged(ui_->TextFormula, screen_.formula);
    setLongTextIfChanged(ui_->TextVariables, screen_.variables);
    setLongTextIfChanged(ui_->ResultObservations, screen_.observationsResult);
    setLongTextIfChanged(ui_->ResultPropagation, screen_.propagationResult);
    ui_->StatusLine->setText(screen_.status);
}

}  // namespace cesuan
