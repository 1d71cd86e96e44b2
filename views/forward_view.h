#pragma once
// The stake-out window: binds the controls of forward_view.ui to a ForwardScreen. Each event
// copies the station, the mode, the lines and the table into the controller, runs one
// operation and copies everything it shows back. The texts travel with CR LF line ends.

#include "screens/forward_screen.h"
#include "views/qt_platform.h"
#include "views/screen_binding.h"

#include <QWidget>

#include <memory>

namespace cesuan {

namespace Ui {
class ForwardView;
}

class ForwardView : public QWidget {
    Q_OBJECT

public:
    ForwardView(MessageBoxService& messages, ScreenNavigator& screens, FileChooser& files, QWidget* parent = nullptr);
    ~ForwardView() override;

private:
    void setUpTexts();
    void connectControls();
    void copyIn();
    void copyOut();

    std::unique_ptr<Ui::ForwardView> ui_;
    QtWindowPrinter printer_;  // the print button prints this window
    ForwardScreen screen_;
    ScreenBinding binding_{[this] { copyIn(); }, [this] { copyOut(); }};
};

}  // namespace cesuan
