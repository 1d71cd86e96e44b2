#pragma once
// Long work of a screen (thousands of formulas to compute) off the window's thread: the
// window runs it on a worker thread behind a progress dialog whose cancel button stops it;
// the command line, the tools and the tests run it in place (this base class).

#include <QString>

#include <atomic>
#include <functional>

namespace cesuan {

class WorkRunner {
public:
    using Work = std::function<void(const std::atomic<bool>& stop)>;
    virtual ~WorkRunner() = default;
    // Runs the work, which looks at `stop` now and then and returns early once it is set.
    // False when the user cancelled: the screen must not read what the work writes (the work
    // may still be ending on its thread, so it owns everything it touches).
    virtual bool run(const QString& label, Work work) {
        (void)label;
        const std::atomic<bool> stop{false};
        work(stop);
        return true;
    }
};

}  // namespace cesuan
