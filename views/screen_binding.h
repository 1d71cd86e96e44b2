#pragma once
// How every view runs its controller: copy the widgets' texts in, run one operation, copy the
// texts out. While an operation runs, a message box it shows keeps the event loop turning; a
// click or key that arrives then is not entered (the re-entrancy guard), so an operation
// never starts on texts that another one is still changing.

#include <QAbstractButton>
#include <QObject>

#include <functional>
#include <utility>

namespace cesuan {

class ScreenBinding {
public:
    // copyIn: widgets → controller; copyOut: controller → widgets. Either may be empty.
    ScreenBinding(std::function<void()> copyIn, std::function<void()> copyOut)
        : copyIn_(std::move(copyIn)), copyOut_(std::move(copyOut)) {}

    // Copies in, runs the operation and copies out; nothing while an operation is running.
    template <typename Operation>
    void run(Operation&& operation) {
        if (running_) return;
        running_ = true;
        struct Done {
            bool& running;
            ~Done() { running = false; }
        } done{running_};
        if (copyIn_) copyIn_();
        std::forward<Operation>(operation)();
        if (copyOut_) copyOut_();
    }

    // A click of the button runs the operation.
    template <typename Operation>
    void bind(QAbstractButton* button, Operation operation) {
        QObject::connect(button, &QAbstractButton::clicked, button, [this, operation] { run(operation); });
    }

    // Copies the controller's texts out, as after an operation (a window that was just built).
    void showController() {
        if (copyOut_) copyOut_();
    }

    bool running() const { return running_; }

private:
    std::function<void()> copyIn_;
    std::function<void()> copyOut_;
    bool running_ = false;
};

}  // namespace cesuan
