#include "views/variable_editor_view.h"

#include "screens/screen_texts.h"
#include "views/box_font.h"
#include "views/command_keys.h"
#include "views/heading_font.h"
#include "ui_variable_editor_view.h"

#include <QShowEvent>

#include <array>

namespace cesuan {

namespace t = texts::variables;

namespace {

struct Box {
    QLineEdit* widget;
    std::size_t index;  // of the variable, r = 0 … z = 8
};

std::array<Box, 9> boxes(Ui::VariableEditorView& ui) {
    return {{
        {ui.Text1, 0}, {ui.Text2, 1}, {ui.Text3, 2}, {ui.Text4, 3}, {ui.Text5, 4},
        {ui.Text6, 5}, {ui.Text7, 6}, {ui.Text8, 7}, {ui.Text9, 8},
    }};
}

}  // namespace

VariableEditorView::VariableEditorView(CalcSettings& settings, WebPageOpener& web, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::VariableEditorView>()), screen_(settings, web) {
    ui_->setupUi(this);
    setWindowTitle(t::kWindowTitle);

    const QFont font = boxFont();
    QLabel* const labels[] = {ui_->Label2, ui_->Label3, ui_->Label4, ui_->Label5, ui_->Label6,
                              ui_->Label7, ui_->Label8, ui_->Label9, ui_->Label10};
    for (std::size_t k = 0; k < 9; ++k) labels[k]->setText(t::kVariableLabels[k]);
    for (const Box& box : boxes(*ui_)) {
        box.widget->setFont(font);
        clickOnEnter(box.widget, ui_->Command3);  // saves, the window stays open
    }
    ui_->Label1->setText(t::kHeading);
    setHeadingFont(ui_->Label1);
    ui_->Label11->setText(t::kDecoration);
    ui_->Label12->setText(t::kGreeting);
    ui_->Command1->setText(t::kAllToOne);
    ui_->Command2->setText(t::kOneToNine);
    ui_->Command3->setText(t::kSave);
    ui_->Command4->setText(t::kSaveAndClose);
    ui_->Command5->setText(t::kMakerPlatform);

    binding_.bind(ui_->Command1, [this] { screen_.setAllToOne(); });
    binding_.bind(ui_->Command2, [this] { screen_.setOneToNine(); });
    binding_.bind(ui_->Command3, [this] { screen_.save(); });
    connect(ui_->Command4, &QPushButton::clicked, this, [this] {
        binding_.run([this] { screen_.saveAndClose(); });
        if (screen_.closeRequested) close();
    });
    binding_.bind(ui_->Command5, [this] { screen_.openMakerPlatform(); });
    ui_->Label1->installEventFilter(this);
    ui_->Label12->installEventFilter(this);

    copyOut();  // the boxes as the controller filled them
}

VariableEditorView::~VariableEditorView() = default;

void VariableEditorView::copyIn() {
    for (const Box& box : boxes(*ui_)) screen_.values[box.index] = box.widget->text();
}

void VariableEditorView::copyOut() {
    for (const Box& box : boxes(*ui_))
        if (box.widget->text() != screen_.values[box.index]) box.widget->setText(screen_.values[box.index]);
}

void VariableEditorView::showEvent(QShowEvent* event) {
    // Opened (again): the boxes show the variables as they are now. A window that comes
    // back from being minimised keeps what was typed.
    if (!event->spontaneous()) binding_.run([this] { screen_.load(); });
    QWidget::showEvent(event);
}

bool VariableEditorView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == ui_->Label1) binding_.run([this] { screen_.openHeadingPage(); });
        if (watched == ui_->Label12) binding_.run([this] { screen_.openGreetingPage(); });
    }
    return false;
}

}  // namespace cesuan
