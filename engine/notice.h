#pragma once
// Notices: what a routine has to say to the user while it goes on (a pole of sec, seconds
// above 60, a character removed from a point list). The core never shows anything itself:
// a routine appends its notices in order, and the screen that ran it shows them as message
// boxes (screens/message_box.h); the command line writes them to standard error.

#include <QString>

#include <vector>

namespace cesuan {

struct Notice {
    enum class Kind { Information, Warning };
    enum class Buttons { Ok, CancelRetryContinue };  // the answer is never used

    QString text;
    Kind kind = Kind::Information;
    Buttons buttons = Buttons::Ok;
    QString title;  // empty: the program's name

    friend bool operator==(const Notice&, const Notice&) = default;
};

using Notices = std::vector<Notice>;

// An information box with an OK button, under the program's name.
inline Notice InformationNotice(const QString& text) {
    return Notice{text, Notice::Kind::Information, Notice::Buttons::Ok, QString()};
}

// A warning under its own title with the buttons cancel, try again and continue.
inline Notice WarningNotice(const QString& text, const QString& title) {
    return Notice{text, Notice::Kind::Warning, Notice::Buttons::CancelRetryContinue, title};
}

}  // namespace cesuan
