#pragma once
// The module menu as a controller: a button array (indexes 0 … 63 and 65) that
// shows the function screens, opens the maker's web pages, and lists the modules planned for
// later versions, which the window shows disabled.

#include "screens/platform.h"

#include <QString>

namespace cesuan {

class ModuleMenu {
public:
    ModuleMenu(WebPageOpener& web, ScreenNavigator& screens);

    QString proverb;     // the proverb
    QString statusLine;  // what a button says when its screen is not there yet

    // The button of that index clicked; an index without an action does nothing.
    void openModule(int index);

    // Whether the menu has a button of that index, and its caption and tooltip.
    static bool hasButton(int index);
    static QString caption(int index);
    static QString tooltip(int index);
    // A module planned for a later version: its button is disabled, with the tooltip 计划中的功能.
    static bool planned(int index);

private:
    WebPageOpener& web_;
    ScreenNavigator& screens_;
};

}  // namespace cesuan
