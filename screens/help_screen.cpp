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

const std::array<Topic, 19>& topics() {
    static const std::array<Topic, 19> list = {{
        {t::kOverviewTitle, t::kHelpText, ScreenId::Help},
        {t::kCalculatorTitle, t::kCalculatorText, ScreenId::Main},
        {t::kVariablesTitle, t::kVariablesText, ScreenId::Variables},
        {t::kAnglesTitle, t::kAnglesText, ScreenId::Angles},
        {t::kBasesTitle, t::kBasesText, ScreenId::BaseCalculator},
        {t::kStatisticsTitle, t::kStatisticsText, ScreenId::Statistics},
        {t::kCoordinatesTitle, t::kCoordinatesText, ScreenId::Coordinates},
        {t::kTransformTitle, t::kTransformText, ScreenId::Transform},
        {t::kBearingTitle, t::kBearingText, ScreenId::Bearing},
        {t::kAttitudeTitle, t::kAttitudeText, ScreenId::Attitude},
        {t::kNumberSplitTitle, t::kNumberSplitText, ScreenId::NumberSplit},
        {t::kAreaTitle, t::kAreaText, ScreenId::Area},
        {t::kForwardTitle, t::kForwardText, ScreenId::Forward},
        {t::kRegressionTitle, t::kRegressionText, ScreenId::Regression},
        {t::kMatrixTitle, t::kMatrixText, ScreenId::Matrix},
        {t::kEquationsTitle, t::kEquationsText, ScreenId::Equations},
        {t::kErrorsTitle, t::kErrorsText, ScreenId::Errors},
        {t::kDerivativeTitle, t::kDerivativeText, ScreenId::Derivative},
        {t::kIntegralTitle, t::kIntegralText, ScreenId::Integral},
    }};
    return list;
}

// The windows that show a picture beside their results.
bool showsPicture(ScreenId screen) {
    return screen == ScreenId::Statistics || screen == ScreenId::Coordinates || screen == ScreenId::Bearing ||
           screen == ScreenId::Attitude || screen == ScreenId::Regression || screen == ScreenId::Derivative ||
           screen == ScreenId::Integral;
}

}  // namespace

HelpScreen::HelpScreen(WebPageOpener& web, ScreenNavigator& screens)
    : text(t::kHelpText), web_(web), screens_(screens) {
    for (const Topic& topic : topics()) topicTitles.append(topic.title);
}

void HelpScreen::chooseTopic(int index) {
    if (index < 0 || index >= int(topics().size())) return;
    topicIndex = index;
    const Topic& topic = topics()[std::size_t(index)];
    text = showsPicture(topic.screen) ? topic.text + t::kPictureNote : topic.text;
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
