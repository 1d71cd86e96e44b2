#include "views/variable_editor_view.h"

#include "screens/screen_texts.h"
#include "views/box_font.h"
#include "ui_variable_editor_view.h"

#include <QShowEvent>

#include <array>

namespace cesuan {

namespace t = texts::variables;

namespace {

struct Box {
    QLineEdit* widget;
    QString VariableEditor::*text;
};

std::array<Box, 9> boxes(Ui::VariableEditorView& ui) {
    return {{
        {ui.Text1, &VariableEditor::text1}, {ui.Text2, &VariableEditor::text2}, {ui.Text3, &VariableEditor::text3},
        {ui.Text4, &VariableEditor::text4}, {ui.Text5, &VariableEditor::text5}, {ui.Text6, &VariableEditor::text6},
        {ui.Text7, &VariableEditor::text7}, {ui.Text8, &VariableEditor::text8}, {ui.Text9, &VariableEditor::text9},
    }};
}

}  // namespace

VariableEditorView::VariableEditorView(WebPageOpener& web, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::VariableEditorView>()), screen_(web) {
    ui_->setupUi(this);
    setWindowTitle(t::kWindowTitle);

    const QFont font = boxFont();
    QLabel* const labels[] = {ui_->Label2, ui_->Label3, ui_->Label4, ui_->Label5, ui_->Label6,
                              ui_->Label7, ui_->Label8, ui_->Label9, ui_->Label10};
    for (std::size_t k = 0; k < 9; ++k) labels[k]->setText(t::kVariableLabels[k]);
    for (const Box& box : boxes(*ui_)) box.widget->setFont(font);
    ui_->Label1->setText(t::kHeading);
    QFont heading = ui_->Label1->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    heading.setBold(true);
    ui_->Label1->setFont(heading);
    ui_->Label11->setText(t::kDecoration);
    ui_->Label12->setText(t::kGreeting);
    ui_->Command1->setText(t::kAllToOne);
    ui_->Command2->setText(t::kOneToNine);
    ui_->Command3->setText(t::kSave);
    ui_->Command4->setText(t::kSaveAndClose);
    ui_->Command5->setText(t::kMakerPlatform);

    connect(ui_->Command1, &QPushButton::clicked, this, [this] { run([this] { screen_.setAllToOne(); }); });
    connect(ui_->Command2, &QPushButton::clicked, this, [this] { run([this] { screen_.setOneToNine(); }); });
    connect(ui_->Command3, &QPushButton::clicked, this, [this] { run([this] { screen_.save(); }); });
    connect(ui_->Command4, &QPushButton::clicked, this, [this] {
        run([this] { screen_.saveAndClose(); });
        if (screen_.closeRequested) close();
    });
    connect(ui_->Command5, &QPushButton::clicked, this, [this] { run([this] { screen_.openMakerPlatform(); }); });
    ui_->Label1->installEventFilter(this);
    ui_->Label12->installEventFilter(this);

    copyOut();  // the boxes as the controller filled them
}

VariableEditorView::~VariableEditorView() = default;

template <typename Operation>
void VariableEditorView::run(Operation operation) {
    for (const Box& box : boxes(*ui_)) screen_.*box.text = box.widget->text();
    operation();
    copyOut();
}

void VariableEditorView::copyOut() {
    for (const Box& box : boxes(*ui_))
        if (box.widget->text() != screen_.*box.text) box.widget->setText(screen_.*box.text);
}

void VariableEditorView::showEvent(QShowEvent* event) {
    // Opened (again): the boxes show the variables as they are now. A window that comes
    // back from being minimised keeps what was typed.
    if (!event->spontaneous()) run([this] { screen_.load(); });
    QWidget::showEvent(event);
}

bool VariableEditorView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == ui_->Label1) run([this] { screen_.openHeadingPage(); });
        if (watched == ui_->Label12) run([this] { screen_.openGreetingPage(); });
    }
    return false;
}

}  // namespace cesuan
