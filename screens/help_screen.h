#pragma once
// The help window as a controller: a read-only help text, four buttons that open web
// pages and one that brings the calculator forward (the help window stays open behind it).

#include "screens/platform.h"

#include <QString>

namespace cesuan {

class HelpScreen {
public:
    HelpScreen(WebPageOpener& web, ScreenNavigator& screens);

    QString text;  // the help text (CR LF), read only

    void openPartnerPage();
    void openPlatformPage();
    void openTradingPage();
    void openCommunityPage();
    void showCalculator();

private:
    WebPageOpener& web_;
    ScreenNavigator& screens_;
};

}  // namespace cesuan
