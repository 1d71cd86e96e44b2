#pragma once
// The calculator window: binds the controls of main_window_view.ui to a MainScreen. Each
// event copies the widget texts into the controller, runs one operation and copies the
// texts, the caret, the focus, the decimal-places item and the unit button's look back.

#include "screens/main_screen.h"

#include "views/screen_binding.h"

#include <QWidget>

#include <memory>

namespace cesuan {

namespace Ui {
class MainWindowView;
}

class MainWindowView : public QWidget {
    Q_OBJECT

public:
    // Builds the window and runs the controller's load().
    MainWindowView(CalcSettings& settings, MessageBoxService& messages, WebPageOpener& web, RandomSource& random,
                   ScreenNavigator& screens, QWidget* parent = nullptr);
    ~MainWindowView() override;

    // What the program keeps of this window between runs (views/session_keeper.h).
    FormulaHistory history() const;
    void resume(const CalcSettings& kept, const std::optional<FormulaHistory>& history, const QStringList& notes);
    void showNotes(const QStringList& notes);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Closing the calculator ends the program: every other window of it closes too.
    void closeEvent(QCloseEvent* event) override;

private:
    // Copies the widget texts in, runs the operation and shows what it left.
    void copyIn();
    void copyOut();
    void setUpTexts();
    void connectControls();
    // Formula, result, places, unit, then the keypad row by row across its four blocks, then
    // the other buttons.
    void setUpTabOrder();
    // Key preview: every key pressed in the window goes through keyDown() first, except the
    // keys that only move the caret, the selection or the focus, and the copy shortcut.
    bool previewKey(QWidget* receiver, QEvent* event);
    // Ctrl+C and the context menu's copy in the result box: the clean number to the clipboard.
    void copyResult();
    void showResultMenu(const QPoint& position);

    std::unique_ptr<Ui::MainWindowView> ui_;
    MainScreen screen_;
    ScreenBinding binding_{[this] { copyIn(); }, [this] { copyOut(); }};
    // True when the last active window other than this one was another screen of the
    // program (or none yet): the next activation runs activate(). Message boxes, pop-ups
    // and other applications do not count.
    bool returningFromScreen_ = true;
    bool forwardingKey_ = false;
};

}  // namespace cesuan
