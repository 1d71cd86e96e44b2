#pragma once
// The base calculator window: binds the controls of base_calculator_view.ui to a
// BaseCalculatorScreen. Each event copies the boxes into the controller, runs one operation
// and copies everything it shows back; a key that gives a data box the focus back puts the
// focus and the caret where the controller says. The data boxes report their focus and
// their caret and selection on losing it, which the keypad works on.

#include "screens/base_calculator_screen.h"
#include "views/qt_platform.h"

#include "views/screen_binding.h"

#include <QWidget>

#include <array>
#include <memory>

class QLineEdit;
class QPushButton;

namespace cesuan {

namespace Ui {
class BaseCalculatorView;
}

class BaseCalculatorView : public QWidget {
    Q_OBJECT

public:
    BaseCalculatorView(MessageBoxService& messages, WebPageOpener& web, ScreenNavigator& screens, FileChooser& files,
                       QWidget* parent = nullptr);
    ~BaseCalculatorView() override;

protected:
    // The data boxes' focus, and the click on Label7.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setUpTexts();
    void connectControls();
    void copyIn();
    void copyOut();
    QLineEdit* box(BaseCalculatorScreen::Box box) const;

    std::unique_ptr<Ui::BaseCalculatorView> ui_;
    QtWindowPrinter printer_;  // the print button prints this window
    BaseCalculatorScreen screen_;
    ScreenBinding binding_{[this] { copyIn(); }, [this] { copyOut(); }};
    // The keypad's digit keys by the digit's value: "0" .. "9", "A" .. "F".
    std::array<QPushButton*, 16> digitKeys_{};
};

}  // namespace cesuan
