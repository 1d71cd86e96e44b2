#include "views/help_view.h"

#include "screens/help_texts.h"
#include "engine/line_ends.h"
#include "ui_help_view.h"

#include <tuple>

namespace cesuan {

namespace t = texts::help;

HelpView::HelpView(WebPageOpener& web, ScreenNavigator& screens, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::HelpView>()), screen_(web, screens) {
    ui_->setupUi(this);
    setWindowTitle(t::kWindowTitle);
    QFont font = ui_->Text1->font();
    font.setPointSizeF(font.pointSizeF() * 1.1);
    ui_->Text1->setFont(font);
    ui_->List1->setToolTip(t::kTopicsLabel);
    ui_->List1->addItems(screen_.topicTitles);
    connect(ui_->List1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row != screen_.topicIndex) binding_.run([this, row] { screen_.chooseTopic(row); });
    });
    copyOut();

    const std::tuple<QPushButton*, QString, QString, void (HelpScreen::*)()> buttons[] = {
        {ui_->Command1, t::kPartner, t::kTipPartner, &HelpScreen::openPartnerPage},
        {ui_->Command3, t::kPlatform, QString(), &HelpScreen::openPlatformPage},
        {ui_->Command4, t::kTrading, t::kTipTrading, &HelpScreen::openTradingPage},
        {ui_->Command5, t::kCommunity, QString(), &HelpScreen::openCommunityPage},
        {ui_->Command6, t::kCalculator, QString(), &HelpScreen::showCalculator},
    };
    for (const auto& [button, caption, tip, command] : buttons) {
        button->setText(caption);
        button->setToolTip(tip);
        binding_.bind(button, [this, command] { (screen_.*command)(); });
    }
}

HelpView::~HelpView() = default;

void HelpView::showTopic(ScreenId screen) {
    binding_.run([this, screen] { screen_.showTopic(screen); });
}

void HelpView::copyOut() {
    const QString text = WithLfLineEnds(screen_.text);
    if (ui_->Text1->toPlainText() != text) ui_->Text1->setPlainText(text);
    if (ui_->List1->currentRow() != screen_.topicIndex) ui_->List1->setCurrentRow(screen_.topicIndex);
}

}  // namespace cesuan
