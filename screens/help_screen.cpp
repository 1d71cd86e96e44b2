#include "screens/help_screen.h"

#include "screens/help_texts.h"

#include <array>

namespace cesuan {

namespace {

namespace t = texts::help;

struct Topic {
    const QString& title;
    const QString& text;
    ScreenId screen;
};

const std::array<Topic, 13>& topics() {
    static const std::array<Topic, 13> list = {{
        {t::kOverviewTitle, t::kHelpText, ScreenId::Help},
        {t::kCalculatorTitle, t::kCalculatorText, ScreenId::Main},
        {t::kVariablesTitle, t::kVariablesText, ScreenId::Variables},
        {t::kAnglesTitle, t::kAnglesText, ScreenId::Angles},
        {t::kBasesTitle, t::kBasesText, ScreenId::BaseCalculator},
        {t::kStatisticsTitle, t::kStatisticsText, ScreenId::Statistics},
        {t::kCoordinatesTitle, t::kCoordinatesText, ScreenId::Coordinates},
        {t::kBearingTitle, t::kBearingText, ScreenId::Bearing},
        {t::kAttitudeTitle, t::kAttitudeText, ScreenId::Attitude},
        {t::kNumberSplitTitle, t::kNumberSplitText, ScreenId::NumberSplit},
        {t::kMatrixTitle, t::kMatrixText, ScreenId::Matrix},
        {t::kEquationsTitle, t::kEquationsText, ScreenId::Equations},
        {t::kErrorsTitle, t::kErrorsText, ScreenId::Errors},
    }};
    return list;
}

}  // namespace

HelpScreen::HelpScreen(WebPageOpener& web, ScreenNavigator& screens)
    : text(t::kHelpText), web_(web), screens_(screens) {
    for (const Topic& topic : topics()) topicTitles.append(topic.title);
}

void HelpScreen::chooseTopic(int index) {
    if (index < 0 || index >= int(topics().size())) return;
    topicIndex = index;
    text = topics()[std::size_t(index)].text;
}

int HelpScreen::topicOf(ScreenId screen) {
    for (std::size_t i = 0; i < topics().size(); ++i)
        if (topics()[i].screen == screen) return int(i);
    return 0;
}

void HelpScreen::showTopic(ScreenId screen) { chooseTopic(topicOf(screen)); }

void HelpScreen::openPartnerPage() { web_.open(web::kPartner); }
void HelpScreen::openPlatformPage() { web_.open(web::kHome); }
void HelpScreen::openTradingPage() { web_.open(web::kTrading); }
void HelpScreen::openCommunityPage() { web_.open(web::kCommunity); }
void HelpScreen::showCalculator() { screens_.show(ScreenId::Main); }

}  // namespace cesuan
