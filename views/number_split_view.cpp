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
    connect(ui_->Command1, &QPushButton::clicked, this, &NumberSplitView::split);
    connect(ui_->Text1, &QLineEdit::returnPressed, ui_->Command1, &QPushButton::click);

    copyOut();
}

NumberSplitView::~NumberSplitView() = default;

void NumberSplitView::split() {
    screen_.text1 = ui_->Text1->text();
    screen_.split();
    copyOut();
}

void NumberSplitView::copyOut() {
    if (ui_->Text1->text() != screen_.text1) ui_->Text1->setText(screen_.text1);
    ui_->Text2->setText(screen_.text2);
    ui_->Text3->setText(screen_.text3);
}

}  // namespace cesuan
