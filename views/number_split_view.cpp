#include "views/number_split_view.h"

#include "screens/number_split_texts.h"
#include "views/box_font.h"
#include "ui_number_split_view.h"

namespace cesuan {

namespace t = texts::number_split;

NumberSplitView::NumberSplitView(QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::NumberSplitView>()) {
    ui_->setupUi(this);
    setWindowTitle(t::kWindowTitle);

    const QFont font = boxFont();
    ui_->Text1->setFont(font);
    ui_->Text2->setFont(font);
    ui_->Text3->setFont(font);
    ui_->Label1->setText(t::kNumberLabel);
    ui_->Label2->setText(t::kIntegerLabel);
    ui_->Label3->setText(t::kFractionLabel);
    ui_->Command1->setText(t::kRun);
    binding_.bind(ui_->Command1, [this] { screen_.split(); });
    connect(ui_->Text1, &QLineEdit::returnPressed, ui_->Command1, &QPushButton::click);

    copyOut();
}

NumberSplitView::~NumberSplitView() = default;

void NumberSplitView::copyIn() { screen_.number = ui_->Text1->text(); }

void NumberSplitView::copyOut() {
    if (ui_->Text1->text() != screen_.number) ui_->Text1->setText(screen_.number);
    ui_->Text2->setText(screen_.integerPart);
    ui_->Text3->setText(screen_.fractionDigits);
}

}  // namespace cesuan
