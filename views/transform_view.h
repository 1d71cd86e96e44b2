#pragma once
// The transformation window: binds the controls of transform_view.ui to a TransformScreen.
// Each event copies the boxes and lists into the controller, runs one operation and copies
// everything it shows back; the boxes travel with CR LF line ends. Ctrl+Enter in the common
// points runs 计算参数, in the points to transform 应用参数.

#include "screens/transform_screen.h"
#include "views/screen_binding.h"

#include <QWidget>

#include <memory>

namespace cesuan {

namespace Ui {
class TransformView;
}

class TransformView : public QWidget {
    Q_OBJECT

public:
    TransformView(MessageBoxService& messages, ScreenNavigator& screens, FileChooser& files, QWidget* parent = nullptr);
    ~TransformView() override;

private:
    void setUpTexts();
    void connectControls();
    void copyIn();
    void copyOut();

    std::unique_ptr<Ui::TransformView> ui_;
    TransformScreen screen_;
    ScreenBinding binding_{[this] { copyIn(); }, [this] { copyOut(); }};
};

}  // namespace cesuan
