#pragma once
// The Qt implementations of the services the screens ask for (screens/platform.h), and the
// registry that creates each screen window once and brings it forward afterwards.

#include "evaluator/calc_context.h"
#include "screens/platform.h"

#include <QCoreApplication>
#include <QPointer>
#include <QStringList>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>

class QPrinter;

namespace cesuan {

class SessionKeeper;
class SessionStore;

// Loads Qt's own texts (the context menus' 复制 and 全选, the buttons of dialogs) in Chinese
// from the translations installed with Qt, and installs them in the application. False when
// they are not installed: the texts stay English.
bool InstallChineseQtTexts(QCoreApplication& application);

// An information box titled with the application's name, OK only, over the active window
// (an error carries the warning icon);
// the warning with its own title has the buttons cancel, retry and continue, in Chinese; a
// question has the two buttons it names.
class QtMessageBox : public MessageBoxService {
public:
    void show(const QString& text) override;
    void showError(const QString& text) override;
    void showCancelTryContinue(const QString& text, const QString& title) override;
    bool ask(const QString& text, const QString& accept, const QString& reject) override;
};

// The system browser. Where no browser opens the page, a box shows its address, selectable,
// with a button that copies it to the clipboard.
class QtWebPageOpener : public WebPageOpener {
public:
    void open(const QString& address) override;
    // Hands the address to the system; false when nothing opened it.
    std::function<bool(const QUrl&)> openUrl;
    QtWebPageOpener();
};

// The system's file dialogs, starting in the folder of the last file chosen (at first the
// documents folder). A file is read on a worker thread; a long one shows a progress dialog
// whose cancel button stops the reading, and the windows keep drawing meanwhile.
class QtFileChooser : public FileChooser {
public:
    QString openPath(const QString& title, const QString& filter) override;
    QString savePath(const QString& title, const QString& filter, const QString& suggestedName) override;
    TextFileContent readText(const QString& path) override;

private:
    QString folder_;
};

// QRandomGenerator's global generator (seeded by the system), 24 random bits per draw so
// that every value is a float strictly below 1.
class QtRandomSource : public RandomSource {
public:
    float next() override;
};

// Prints the window's image, scaled to the page: through the print dialog where there is a
// printer; otherwise a box says there is none and offers to save the page as a PDF file
// chosen in a file dialog.
class QtWindowPrinter : public WindowPrinter {
public:
    QtWindowPrinter(QWidget& window, MessageBoxService& messages, FileChooser& files);
    PrintOutcome printWindow() override;

    // The names of the printers there are.
    std::function<QStringList()> printerNames;

private:
    // Draws the image on the page; false when the printer or file cannot be written.
    static bool paint(QPrinter& printer, const QPixmap& image);

    QPointer<QWidget> window_;
    MessageBoxService& messages_;
    FileChooser& files_;
};

// The screens of the program. A screen's window is created the first time it is shown and
// then exists once: showing it again brings the same window forward (and back from the
// minimised state). Screens not part of this version report false. The registry holds the
// calculator settings the windows share (places, angle unit, memory variables).
// The largest size a window opens at: it fits the work area of a 1366 × 768 screen, as field
// laptops often have, with a taskbar and the window's title bar.
inline constexpr QSize kLargestOpeningSize{1280, 680};

// Shrinks a window that would open larger than kLargestOpeningSize, or than the work area of
// the screen it opens on, down to that, never below what its layout needs. The user can
// enlarge it afterwards.
void FitOpeningSize(QWidget& window);

class ScreenRegistry : public ScreenNavigator {
public:
    ScreenRegistry(MessageBoxService& messages, WebPageOpener& web, RandomSource& random, FileChooser& files);
    // With the system's file dialogs.
    ScreenRegistry(MessageBoxService& messages, WebPageOpener& web, RandomSource& random);
    ~ScreenRegistry() override;

    bool show(ScreenId screen) override;
    // Shows the help window at the topic of the screen.
    bool showHelp(ScreenId topic) override;

    // The screen's window, or nullptr while it has not been shown yet.
    QWidget* window(ScreenId screen) const;

    CalcSettings& settings() { return settings_; }
    const CalcSettings& settings() const { return settings_; }

    // Keeps the calculator settings, the history, and the windows' geometry and input texts
    // between runs in the store (views/session_keeper.h). Call it before the first show.
    // Without it nothing is read or written.
    void keepSession(SessionStore& store);

private:
    std::unique_ptr<QWidget> create(ScreenId screen);
    // The keys every window shares: F1 opens the help at the window's topic; in a function
    // window Esc closes it and Ctrl+M brings the calculator back (also in its context menu).
    void addWindowKeys(QWidget& window, ScreenId screen);

    CalcSettings settings_;
    MessageBoxService& messages_;
    WebPageOpener& web_;
    RandomSource& random_;
    std::unique_ptr<QtFileChooser> ownFiles_;  // when no file chooser was given
    FileChooser& files_;
    std::map<ScreenId, std::unique_ptr<QWidget>> windows_;
    std::unique_ptr<SessionKeeper> session_;  // ends before the windows it watches
};

}  // namespace cesuan
