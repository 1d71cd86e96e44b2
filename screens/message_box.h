#pragma once
// Message boxes that a screen shows and then goes on (a warning with an OK button, or with
// cancel, try again and continue, whose answer is not used), and questions with two buttons.
// The window gives real boxes; tests and the command line pass recorders (tests/support, cli/).

#include "engine/notice.h"

#include <QString>

namespace cesuan {

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Shows the text with an OK button under the program's name and returns when the user
    // has closed it.
    virtual void show(const QString& text) = 0;
    // An error: the same box with the warning icon (by default shown as any other).
    virtual void showError(const QString& text) { show(text); }
    // A warning under its own title with the buttons cancel, try again and continue.
    virtual void showCancelTryContinue(const QString& text, const QString& title) {
        (void)title;
        show(text);
    }
    // A question with two buttons: true when the user chose `accept` (by default the text is
    // shown and the answer is no).
    virtual bool ask(const QString& text, const QString& accept, const QString& reject) {
        (void)accept;
        (void)reject;
        show(text);
        return false;
    }
    // A notice as the box its kind and buttons ask for.
    void show(const Notice& notice) {
        if (notice.buttons == Notice::Buttons::CancelRetryContinue) showCancelTryContinue(notice.text, notice.title);
        else show(notice.text);
    }
};

// Shows the notices a routine raised, in order.
inline void ShowNotices(MessageBoxService& messages, const Notices& notices) {
    for (const Notice& notice : notices) messages.show(notice);
}

}  // namespace cesuan
