#include "screens/help_screen.h"

#include "screens/help_texts.h"

namespace cesuan {

HelpScreen::HelpScreen(WebPageOpener& web, ScreenNavigator& screens)
    : text(texts::help::kHelpText), web_(web), screens_(screens) {}

void HelpScreen::openPartnerPage() { web_.open(web::kPartner); }
void HelpScreen::openPlatformPage() { web_.open(web::kHome); }
void HelpScreen::openTradingPage() { web_.open(web::kTrading); }
void HelpScreen::openCommunityPage() { web_.open(web::kCommunity); }
void HelpScreen::showCalculator() { screens_.show(ScreenId::Main); }

}  // namespace cesuan
