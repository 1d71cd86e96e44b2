#pragma once
// The angle conversion window: binds the controls of angle_screen_view.ui to an
// AngleScreen.

#include "screens/angle_screen.h"

#include "views/screen_binding.h"

#include <QWidget>

#include <memory>

namespace cesuan {

namespace Ui {
class AngleScreenView;
}

class AngleScreenView : public QWidget {
    Q_OBJECT

public:
    explicit AngleScreenView(MessageBoxService& messages, QWidget* parent = nullptr);
    ~AngleScreenView() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void copyIn();
    void copyOut();

    std::unique_ptr<Ui::AngleScreenView> ui_;
    AngleScreen screen_;
    ScreenBinding binding_{[this] { copyIn(); }, [this] { copyOut(); }};
};

}  // namespace cesuan
