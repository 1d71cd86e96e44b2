#pragma once
// Keeps what the program needs between runs in a SessionStore. At the start it loads the
// store: the calculator settings, the history and the store's notes go to the main window,
// and each window gets its geometry and the texts of its input boxes back as it is created.
// Whenever a window closes, and when the program quits, it collects all of that from the
// windows and saves it; the save's notes go to the main window's status box.

#include "screens/platform.h"
#include "session/session_state.h"

#include <QObject>
#include <QStringList>

#include <vector>

class QWidget;

namespace cesuan {

class ScreenRegistry;
class SessionStore;

class SessionKeeper : public QObject {
public:
    // Loads the store and puts its calculator settings into the registry.
    SessionKeeper(ScreenRegistry& screens, SessionStore& store);

    // The registry has just created the screen's window, which is not shown yet.
    void windowCreated(ScreenId screen, QWidget& window);
    void save();

    // The object names of the input boxes kept of a screen's window.
    static QStringList inputBoxes(ScreenId screen);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SessionState collect() const;

    ScreenRegistry& screens_;
    SessionStore& store_;
    SessionState kept_;
    QStringList startNotes_;
    std::vector<ScreenId> created_;
};

}  // namespace cesuan
