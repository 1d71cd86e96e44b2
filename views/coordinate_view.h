#pragma once
// The coordinate conversion window: binds the controls of coordinate_view.ui to a
// CoordinateScreen. Each event copies the boxes, the lists and the check box into the
// controller, runs one operation and copies everything it shows back. The input and output
// boxes travel with CR LF line ends.

#include "screens/coordinate_screen.h"
#include "views/qt_platform.h"

#include "views/screen_binding.h"

#include <QWidget>

#include <memory>

namespace cesuan {

class PlotView;

namespace Ui {
class CoordinateView;
}

class CoordinateView : public QWidget {
    Q_OBJECT

public:
    CoordinateView(MessageBoxService& messages, WebPageOpener& web, ScreenNavigator& screens, FileChooser& files,
                   QWidget* parent = nullptr);
    ~CoordinateView() override;

protected:
    // The clicks on the labels that reset a setting, and the meridian list losing the focus.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A wide window gives the input box its width / 2.4, a narrow one a fixed width.
    void resizeEvent(QResizeEvent* event) override;

private:
    void setUpTexts();
    void connectControls();
    void copyIn();
    void copyOut();

    std::unique_ptr<Ui::CoordinateView> ui_;
    QtWindowPrinter printer_;  // the print button prints this window
    CoordinateScreen screen_;
    ScreenBinding binding_{[this] { copyIn(); }, [this] { copyOut(); }};
    PlotView* plan_ = nullptr;  // the picture beside the result
    int narrowWidth_ = 0;  // the input column's width in a narrow window
};

}  // namespace cesuan
