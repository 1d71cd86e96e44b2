#include "views/module_menu_view.h"
#include "views/heading_font.h"

#include "screens/module_menu_texts.h"
#include "ui_module_menu_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace cesuan {

namespace t = texts::menu;

namespace {

constexpr int kColumns = 6;

}  // namespace

ModuleMenuView::ModuleMenuView(WebPageOpener& web, ScreenNavigator& screens, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::ModuleMenuView>()), menu_(web, screens) {
    ui_->setupUi(this);
    setWindowTitle(t::kWindowTitle);
    ui_->Label1->setText(menu_.proverb);
    setHeadingFont(ui_->Label1);

    for (int index = 0; index < t::kButtonCount; ++index) {
        if (!ModuleMenu::hasButton(index)) continue;
        auto* button = new QPushButton(ModuleMenu::caption(index), this);
        button->setObjectName(QStringLiteral("Command1_%1").arg(index));
        button->setToolTip(ModuleMenu::tooltip(index));
        button->setEnabled(!ModuleMenu::planned(index));
        button->setMinimumHeight(30);
        ui_->buttonGrid->addWidget(button, index / kColumns, index % kColumns);
        binding_.bind(button, [this, index] { menu_.openModule(index); });
    }
}

ModuleMenuView::~ModuleMenuView() = default;

void ModuleMenuView::copyOut() { ui_->StatusLine->setText(menu_.statusLine); }

WelcomeView::WelcomeView(QWidget* parent) : QWidget(parent) {
    setWindowTitle(t::kWelcomeTitle);
    auto* label = new QLabel(t::kWelcome, this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 3);
    label->setFont(font);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(label);
    resize(420, 240);
}

ButtonTestView::ButtonTestView(QWidget* parent) : QWidget(parent) {
    setWindowTitle(t::kButtonTestTitle);
    // Round-cornered buttons with a colour gradient each, lighter while hovered and darker
    // while pressed.
    const char* const colours[][2] = {
        {"#7fd3ff", "#1e88e5"}, {"#a5e887", "#43a047"}, {"#ffd27f", "#fb8c00"},
        {"#ff9a9a", "#e53935"}, {"#d1a6ff", "#8e24aa"},
    };
    auto* layout = new QHBoxLayout(this);
    for (int i = 0; i < t::kButtonTestCaptions.size(); ++i) {
        auto* button = new QPushButton(t::kButtonTestCaptions[i], this);
        button->setObjectName(QStringLiteral("Command%1").arg(i + 1));
        button->setMinimumSize(72, 72);
        const QString light = QString::fromLatin1(colours[i][0]);
        const QString dark = QString::fromLatin1(colours[i][1]);
        button->setStyleSheet(
            QStringLiteral("QPushButton { color: white; font-size: 22px; border: 2px solid %2;"
                           " border-radius: 18px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                           " stop:0 %1, stop:1 %2); }"
                           "QPushButton:hover { background: %1; }"
                           "QPushButton:pressed { background: %2; }")
                .arg(light, dark));
        layout->addWidget(button);
    }
}

}  // namespace cesuan
