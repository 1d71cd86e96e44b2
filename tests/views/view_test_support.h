#pragma once
// Helpers of the view tests: typing any text (QTest::keyClicks sends Latin-1 only), finding
// a window's control by name, and a watchdog that closes an unexpected modal dialog so that
// the test fails instead of hanging in it.

#include "screens/platform.h"
#include "tests/support/recording_platform.h"
#include "views/qt_platform.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace cesuan::test {

// The program's screens with recorders for message boxes, web pages and file dialogs; the
// main window comes up active, as at program start.
struct Program {
    RecordingMessageBox messages;
    RecordingWebPageOpener web;
    FixedRandomSource random{{0.25f}};
    RecordingFileChooser files;
    ScreenRegistry screens{messages, web, random, files};

    QWidget* main() const { return screens.window(ScreenId::Main); }
};

// Types each character as a key click on the widget, as a keyboard or input method would.
inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// The window's control of that object name; a missing control ends the test run.
template <typename T>
T* control(const QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) qFatal("%s has no control %s", qPrintable(window->objectName()), name);
    return found;
}

// Closes any modal dialog that opens while it lives and keeps what it said; a progress dialog
// is left to finish.
class ModalWatchdog : public QObject {
public:
    ModalWatchdog() {
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || qobject_cast<QProgressDialog*>(modal) != nullptr) return;
            const auto* box = qobject_cast<QMessageBox*>(modal);
            seen.append(box != nullptr ? box->text() : modal->windowTitle());
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->done(QDialog::Rejected);
            else
                modal->hide();
        });
        timer_.start(50);
    }
    QStringList seen;

private:
    QTimer timer_;
};

}  // namespace cesuan::test
