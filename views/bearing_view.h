#pragma once
// The distance and bearing window: binds the controls of bearing_view.ui to a BearingScreen.
// Each event copies the boxes, the origin and the check box into the controller, runs one
// operation and copies everything it shows back. The point list and the result table travel
// with CR LF line ends.

#include "screens/bearing_screen.h"
#include "views/qt_platform.h"

#include "views/screen_binding.h"

#include <QWidget>

#include <memory>

namespace cesuan {

class PlotView;

namespace Ui {
class BearingView;
}

class BearingView : public QWidget {
    Q_OBJECT

public:
    BearingView(MessageBoxService& messages, ScreenNavigator& screens, FileChooser& files, QWidget* parent = nullptr);
    ~BearingView() override;

protected:
    // The origin list gets the focus: its items are refilled from the point list.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setUpTexts();
    void connectControls();
    void copyIn();
    void copyOut();

    std::unique_ptr<Ui::BearingView> ui_;
    QtWindowPrinter printer_;  // the print button prints this window
    BearingScreen screen_;
    ScreenBinding binding_{[this] { copyIn(); }, [this] { copyOut(); }};
    PlotView* plan_ = nullptr;  // the picture beside the result
};

}  // namespace cesuan
