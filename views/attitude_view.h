#pragma once
// The plane attitude window: binds the controls of attitude_view.ui to an AttitudeScreen.
// Each event copies the boxes, the first point and the check box into the controller, runs
// one operation and copies everything it shows back. The point list and the result text
// travel with CR LF line ends.

#include "screens/attitude_screen.h"
#include "views/qt_platform.h"

#include "views/screen_binding.h"

#include <QWidget>

#include <memory>

namespace cesuan {

class PlotView;

namespace Ui {
class AttitudeView;
}

class AttitudeView : public QWidget {
    Q_OBJECT

public:
    AttitudeView(MessageBoxService& messages, ScreenNavigator& screens, FileChooser& files, QWidget* parent = nullptr);
    ~AttitudeView() override;

protected:
    // The first-point list gets the focus: its items are refilled from the point list.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setUpTexts();
    void connectControls();
    void copyIn();
    void copyOut();

    std::unique_ptr<Ui::AttitudeView> ui_;
    QtWindowPrinter printer_;  // the print button prints this window
    AttitudeScreen screen_;
    ScreenBinding binding_{[this] { copyIn(); }, [this] { copyOut(); }};
    PlotView* net_ = nullptr;   // the plane on the equal-area net
    PlotView* plan_ = nullptr;  // the three points in plan
};

}  // namespace cesuan
