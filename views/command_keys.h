#pragma once
// The keys that run a window's main command by clicking its button, as the mouse would:
// Enter in a one-line box, and Ctrl+Enter anywhere in a window whose boxes take several lines
// (Enter starts a new line there).

#include <QAbstractButton>
#include <QKeySequence>
#include <QLineEdit>
#include <QShortcut>
#include <QWidget>

namespace cesuan {

inline void clickOnEnter(QLineEdit* box, QAbstractButton* command) {
    QObject::connect(box, &QLineEdit::returnPressed, command, &QAbstractButton::click);
}

// Both Enter keys: the main one and the keypad's.
inline void clickOnCtrlEnter(QWidget* window, QAbstractButton* command) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | key), window);
        QObject::connect(shortcut, &QShortcut::activated, command, &QAbstractButton::click);
    }
}

}  // namespace cesuan
