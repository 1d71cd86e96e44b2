#pragma once
// The parcel area window: binds the controls of area_view.ui to an AreaScreen. Each event
// copies the point list, the result and the check box into the controller, runs one operation
// and copies everything it shows back. The texts travel with CR LF line ends.

#include "screens/area_screen.h"
#include "views/qt_platform.h"
#include "views/screen_binding.h"

#include <QWidget>

#include <memory>

namespace cesuan {

namespace Ui {
class AreaView;
}
class PlotView;

class AreaView : public QWidget {
    Q_OBJECT

public:
    AreaView(MessageBoxService& messages, ScreenNavigator& screens, FileChooser& files, QWidget* parent = nullptr);
    ~AreaView() override;

private:
    void setUpTexts();
    void connectControls();
    void copyIn();
    void copyOut();

    std::unique_ptr<Ui::AreaView> ui_;
    PlotView* outline_ = nullptr;  // the parcel's outline beside the result
    QtWindowPrinter printer_;  // the print button prints this window
    AreaScreen screen_;
    ScreenBinding binding_{[this] { copyIn(); }, [this] { copyOut(); }};
};

}  // namespace cesuan
