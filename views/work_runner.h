#pragma once
// Long work of a window on a worker thread: the window's thread turns the event loop
// meanwhile, and work that lasts shows a progress dialog whose cancel button sets the work's
// stop flag and gives the window back at once (the work ends on its own thread).

#include "screens/background_work.h"

#include <QPointer>
#include <QWidget>

namespace cesuan {

class QtWorkRunner : public WorkRunner {
public:
    explicit QtWorkRunner(QWidget& window) : window_(&window) {}
    bool run(const QString& label, Work work) override;

    // How long the work runs before the dialog shows itself.
    int dialogDelayMs = 300;

private:
    QPointer<QWidget> window_;
};

}  // namespace cesuan
