#pragma once
// What a screen asks of the platform: message boxes (engine/message_box.h), web pages,
// random numbers, printing its own window, and showing the other screens. The window
// passes Qt implementations; tests and the command line pass the recorders below.

#include "engine/message_box.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <vector>

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
    Main,          // Form1, the calculator
    ModuleMenu,    // Form2
    Variables,     // Form3
    Help,          // Form5
    Statistics,    // Form201
    Angles,        // Form202
    BaseCalculator,// Form203
    NumberSplit,   // Form210
    Coordinates,   // Form213
    Bearing,       // Form214
    Attitude,      // Form216
    Welcome,       // Form215, a placeholder that only greets
    ButtonTest,    // Form6, a placeholder row of styled buttons
};

class ScreenNavigator {
public:
    virtual ~ScreenNavigator() = default;
    // False when the screen is not part of this version of the program.
    virtual bool show(ScreenId screen) = 0;
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

// --- Offline stand-ins: where nothing can be opened, printed or shown ------------------

class NoWebPages : public WebPageOpener {
public:
    void open(const QString&) override {}
};

class NoPrinter : public WindowPrinter {
public:
    void printWindow() override {}
};

class NoScreens : public ScreenNavigator {
public:
    bool show(ScreenId) override { return false; }
};

// --- Recorders for tests and the command line ------------------------------------------

class RecordingWebPageOpener : public WebPageOpener {
public:
    void open(const QString& address) override { opened.append(address); }
    QStringList opened;
};

// Returns the given values in turn (then repeats the last); 0.5 when none were given.
class FixedRandomSource : public RandomSource {
public:
    explicit FixedRandomSource(std::vector<float> values = {}) : values_(std::move(values)) {}
    float next() override {
        if (values_.empty()) return 0.5f;
        const float v = values_[std::min(index_, values_.size() - 1)];
        ++index_;
        return v;
    }

private:
    std::vector<float> values_;
    std::size_t index_ = 0;
};

class RecordingPrinter : public WindowPrinter {
public:
    void printWindow() override { ++printed; }
    int printed = 0;
};

class RecordingNavigator : public ScreenNavigator {
public:
    bool show(ScreenId screen) override {
        shown.push_back(screen);
        return std::find(missing.begin(), missing.end(), screen) == missing.end();
    }
    std::vector<ScreenId> shown;
    std::vector<ScreenId> missing;  // screens that report themselves as not there
};

}  // namespace cesuan
