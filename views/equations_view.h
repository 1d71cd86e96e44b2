#pragma once
// The linear-system window: binds the controls of equations_view.ui to an EquationsScreen.
// The equations are computed on a worker thread (views/work_runner.h).

#include "screens/equations_screen.h"
#include "views/screen_binding.h"
#include "views/work_runner.h"

#include <QWidget>

#include <memory>

namespace cesuan {

namespace Ui {
class EquationsView;
}

class EquationsView : public QWidget {
    Q_OBJECT

public:
    EquationsView(const CalcSettings& settings, MessageBoxService& messages, ScreenNavigator& screens,
                  QWidget* parent = nullptr);
    ~EquationsView() override;

    QtWorkRunner& workRunner() { return work_; }

private:
    void copyIn();
    void copyOut();

    std::unique_ptr<Ui::EquationsView> ui_;
    QtWorkRunner work_{*this};
    EquationsScreen screen_;
    ScreenBinding binding_{[this] { copyIn(); }, [this] { copyOut(); }};
};

}  // namespace cesuan
