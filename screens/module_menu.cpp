#include "screens/module_menu.h"

#include "screens/main_screen_texts.h"
#include "screens/module_menu_texts.h"

#include <optional>

namespace cesuan {

namespace t = texts::menu;

namespace {

constexpr int kHelpIndex = 65;
constexpr int kMiningIndex = 25;

std::optional<ScreenId> screenOf(int index) {
    switch (index) {
    case 0: return ScreenId::Statistics;
    case 1: return ScreenId::Angles;
    case 2: return ScreenId::BaseCalculator;
    case 3: return ScreenId::Errors;
    case 4: return ScreenId::Matrix;
    case 5: return ScreenId::Main;
    case 8: return ScreenId::Regression;
    case 6: return ScreenId::Equations;
    case 9: return ScreenId::NumberSplit;
    case 10: return ScreenId::Derivative;
    case 11: return ScreenId::Integral;
    case 12: return ScreenId::Coordinates;
    case 13: return ScreenId::Bearing;
    case 14: return ScreenId::Area;
    case 15: return ScreenId::Attitude;
    case 16: return ScreenId::Forward;
    case 17: return ScreenId::Forward;
    case 18: return ScreenId::Area;
    case 30: return ScreenId::ButtonTest;
    case kHelpIndex: return ScreenId::Help;
    default: return std::nullopt;
    }
}

std::optional<QString> pageOf(int index) {
    switch (index) {
    case 24: return web::kHome;
    case kMiningIndex: return web::kMining;
    case 26: return web::kCommunity;
    case 27: return web::kDownload;
    case 28: return web::kTrading;
    case 29: return web::kPartner;
    default: return std::nullopt;
    }
}

}  // namespace

ModuleMenu::ModuleMenu(WebPageOpener& web, ScreenNavigator& screens)
    : proverb(t::kProverb), web_(web), screens_(screens) {}

bool ModuleMenu::hasButton(int index) { return index >= 0 && index < t::kButtonCount && index != 64; }

QString ModuleMenu::caption(int index) { return hasButton(index) ? t::kCaptions[std::size_t(index)] : QString(); }

bool ModuleMenu::planned(int index) {
    // 表达式分解, 曲面面积 … 。。。, the numbered buttons 2 … 6 and the four rows of 物理1 … 动脑筋4.
    return index == 7 || (index >= 19 && index <= 23) || (index >= 31 && index <= 63);
}

QString ModuleMenu::tooltip(int index) {
    if (index == kMiningIndex) return t::kTipChineseAddress;
    return planned(index) ? t::kTipPlanned : QString();
}

void ModuleMenu::openModule(int index) {
    if (!hasButton(index) || planned(index)) return;
    if (const auto screen = screenOf(index)) {
        statusLine = screens_.show(*screen) ? QString() : texts::main::moduleComing(caption(index));
    } else if (const auto page = pageOf(index)) {
        web_.open(*page);
    }
}

}  // namespace cesuan
