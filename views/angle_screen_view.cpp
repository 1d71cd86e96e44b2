#include "views/angle_screen_view.h"

#include "screens/screen_texts.h"
#include "views/box_font.h"
#include "views/heading_font.h"
#include "ui_angle_screen_view.h"

namespace cesuan {

namespace t = texts::angles;

AngleScreenView::AngleScreenView(MessageBoxService& messages, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::AngleScreenView>()), screen_(messages) {
    ui_->setupUi(this);
    setWindowTitle(t::kWindowTitle);

    const QFont font = boxFont();
    ui_->Text1->setFont(font);
    ui_->Text2->setFont(font);
    ui_->Label2->setText(t::kConverted);
    ui_->Label3->setText(t::kHeading);
    setHeadingFont(ui_->Label3);
    ui_->Label4->setText(t::kNoteRadian);
    ui_->Label5->setText(t::kNoteDecimalDegree);
    ui_->Label6->setText(t::kNoteDms);
    ui_->Label7->setText(t::kNoteGradian);

    const std::tuple<QPushButton*, QString, void (AngleScreen::*)()> buttons[] = {
        {ui_->Command1, t::kRadianToDmsCaption, &AngleScreen::radianToDms},
        {ui_->Command2, t::kRadianToDecimalDegreeCaption, &AngleScreen::radianToDecimalDegree},
        {ui_->Command3, t::kDecimalDegreeToDmsCaption, &AngleScreen::decimalDegreeToDms},
        {ui_->Command4, t::kDecimalDegreeToRadianCaption, &AngleScreen::decimalDegreeToRadian},
        {ui_->Command5, t::kDmsToRadianCaption, &AngleScreen::dmsToRadian},
        {ui_->Command6, t::kDmsToDecimalDegreeCaption, &AngleScreen::dmsToDecimalDegree},
    };
    for (const auto& [button, caption, conversion] : buttons) {
        button->setText(caption);
        binding_.bind(button, [this, conversion] { (screen_.*conversion)(); });
    }
    // A key typed into the angle box puts its heading back.
    ui_->Text1->installEventFilter(this);

    copyOut();
}

AngleScreenView::~AngleScreenView() = default;

void AngleScreenView::copyIn() {
    screen_.angle = ui_->Text1->text();
    screen_.converted = ui_->Text2->text();
}

void AngleScreenView::copyOut() {
    if (ui_->Text1->text() != screen_.angle) ui_->Text1->setText(screen_.angle);
    if (ui_->Text2->text() != screen_.converted) ui_->Text2->setText(screen_.converted);
    ui_->Label1->setText(screen_.angleCaption);
}

bool AngleScreenView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->Text1 && (event->type() == QEvent::KeyPress || event->type() == QEvent::InputMethod))
        binding_.run([this] { screen_.angleTyped(); });
    return false;
}

}  // namespace cesuan
