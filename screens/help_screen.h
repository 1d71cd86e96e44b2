#pragma once
// The help window as a controller: a list of topics (an overview and one topic per window,
// each with a worked example), the read-only text of the chosen topic, four buttons that
// open web pages and one that brings the calculator forward (the help window stays open
// behind it).

#include "screens/platform.h"

#include <QString>
#include <QStringList>

namespace cesuan {

class HelpScreen {
public:
    HelpScreen(WebPageOpener& web, ScreenNavigator& screens);

    QStringList topicTitles;  // the topic list, the overview first
    int topicIndex = 0;       // the topic on show
    QString text;             // its text (CR LF), read only

    void chooseTopic(int index);         // an entry of the topic list; others are ignored
    void showTopic(ScreenId screen);     // the topic that explains the screen
    static int topicOf(ScreenId screen);  // its index in the list (0, the overview, for screens without one)

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
