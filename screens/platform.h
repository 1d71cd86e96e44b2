#pragma once
// What a screen asks of the platform: message boxes (screens/message_box.h), web pages,
// random numbers, printing its own window, and showing the other screens. The window
// passes Qt implementations (views/qt_platform.h); the command line and the tools pass
// offline stand-ins (cli/offline_platform.h), tests pass recorders (tests/support).

#include "screens/message_box.h"

#include <QString>

namespace cesuan {

// Opens a page in the system browser; failures are ignored.
class WebPageOpener {
public:
    virtual ~WebPageOpener() = default;
    virtual void open(const QString& address) = 0;
};

// Uniform single-precision numbers in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

// Prints the image of the screen's own window on the default printer; failures are ignored.
class WindowPrinter {
public:
    virtual ~WindowPrinter() = default;
    virtual void printWindow() = 0;
};

// The screens of the program. Each exists once; showing it again brings it forward.
enum class ScreenId {
    Main,            // the calculator
    ModuleMenu,      // the module menu
    Variables,       // the variable editor
    Help,            // the help window
    Statistics,      // 数理统计
    Angles,          // the angle conversions
    BaseCalculator,  // 进制换算
    NumberSplit,     // 数的分解
    Coordinates,     // 坐标转换
    Bearing,         // 距离方位
    Attitude,        // 面体产状
    Welcome,         // a placeholder that only greets
    ButtonTest,      // a placeholder row of styled buttons
};

class ScreenNavigator {
public:
    virtual ~ScreenNavigator() = default;
    // False when the screen is not part of this version of the program.
    virtual bool show(ScreenId screen) = 0;
    // Opens the help window at the topic that explains the screen.
    virtual bool showHelp(ScreenId topic) {
        (void)topic;
        return show(ScreenId::Help);
    }
};

// The web addresses of the maker (placeholders).
namespace web {
inline const QString kHome = QStringLiteral("https://example.org/cesuan/");
inline const QString kCommunity = QStringLiteral("https://example.org/cesuan/community");
inline const QString kDownload = QStringLiteral("https://example.org/cesuan/download");
inline const QString kPartner = QStringLiteral("https://example.org/partner/");
inline const QString kTrading = QStringLiteral("https://example.org/cesuan/trading");
inline const QString kMining = QStringLiteral("https://example.org/mining/");
}  // namespace web

}  // namespace cesuan
