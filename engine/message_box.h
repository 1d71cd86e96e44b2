#pragma once
// Message boxes that a routine shows and then goes on (a warning with an OK button). The
// window gives a real box; tests and the command line record the texts.

#include <QString>
#include <QStringList>

namespace cesuan {

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Shows the text with an OK button and returns when the user has closed it.
    virtual void show(const QString& text) = 0;
    // A warning under its own title with the buttons cancel, try again and continue; the
    // answer is not used.
    virtual void showCancelTryContinue(const QString& text, const QString& title) {
        (void)title;
        show(text);
    }
};

// Keeps every text shown, in order.
class RecordingMessageBox : public MessageBoxService {
public:
    void show(const QString& text) override { shown.append(text); }
    void showCancelTryContinue(const QString& text, const QString& title) override {
        shown.append(text);
        titles.append(title);
    }
    QStringList shown;
    QStringList titles;  // of the boxes that carry their own
};

}  // namespace cesuan
