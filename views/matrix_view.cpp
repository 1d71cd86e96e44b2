#include "views/matrix_view.h"

#include "engine/line_ends.h"
#include "screens/matrix_texts.h"
#include "views/box_font.h"
#include "views/command_keys.h"
#include "views/heading_font.h"
#include "views/long_text.h"
#include "ui_matrix_view.h"

namespace cesuan {

namespace t = texts::matrix;

MatrixView::MatrixView(const CalcSettings& settings, MessageBoxService& messages, ScreenNavigator& screens,
                       QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::MatrixView>()), screen_(settings, messages, work_, screens) {
    ui_->setupUi(this);
    setWindowTitle(t::kWindowTitle);
    ui_->LabelHeading->setText(t::kHeading);
    setHeadingFont(ui_->LabelHeading);
    ui_->LabelHint->setText(t::kHint);
    ui_->LabelA->setText(t::kLabelA);
    ui_->LabelB->setText(t::kLabelB);
    ui_->LabelOperation->setText(t::kOperationLabel);
    ui_->ComboOperation->addItems(t::kOperations);
    ui_->LabelResult->setText(t::kResultLabel);
    const QFont font = boxFont();
    for (QPlainTextEdit* box : {ui_->TextA, ui_->TextB, ui_->TextResult}) {
        box->setFont(font);
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
    }
    ui_->TextResult->setMinimumHeight(QFontMetrics(font).lineSpacing() * 8 + 12);

    ui_->Command1->setText(t::kCompute);
    ui_->Command1->setToolTip(t::kTipCompute);
    binding_.bind(ui_->Command1, [this] { screen_.compute(); });
    ui_->CommandHelp->setText(t::kLearn);
    binding_.bind(ui_->CommandHelp, [this] { screen_.learn(); });
    clickOnCtrlEnter(this, ui_->Command1);
    connect(ui_->ComboOperation, &QComboBox::activated, this,
            [this](int index) { binding_.run([this, index] { screen_.chooseOperation(index); }); });
    binding_.showController();
}

MatrixView::~MatrixView() = default;

void MatrixView::copyIn() {
    screen_.matrixA = WithCrLfLineEnds(ui_->TextA->toPlainText());
    screen_.matrixB = WithCrLfLineEnds(ui_->TextB->toPlainText());
    screen_.operationIndex = ui_->ComboOperation->currentIndex();
}

void MatrixView::copyOut() {
    setLongTextIfChanged(ui_->TextA, screen_.matrixA);
    setLongTextIfChanged(ui_->TextB, screen_.matrixB);
    if (ui_->ComboOperation->currentIndex() != screen_.operationIndex)
        ui_->ComboOperation->setCurrentIndex(screen_.operationIndex);
    setLongTextIfChanged(ui_->TextResult, screen_.result);
    ui_->StatusLine->setText(screen_.status);
}

}  // namespace cesuan
