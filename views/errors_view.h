#pragma once
// The error-theory window: binds the controls of errors_view.ui, a tab for repeated
// observations and one for error propagation, to an ErrorsScreen. Ctrl+Enter computes the tab
// on show. The entries are computed on a worker thread (views/work_runner.h).

#include "screens/errors_screen.h"
#include "views/screen_binding.h"
#include "views/work_runner.h"

#include <QWidget>

#include <memory>

namespace cesuan {

namespace Ui {
class ErrorsView;
}

class ErrorsView : public QWidget {
    Q_OBJECT

public:
    ErrorsView(const CalcSettings& settings, MessageBoxService& messages, ScreenNavigator& screens,
               QWidget* parent = nullptr);
    ~ErrorsView() override;

    QtWorkRunner& workRunner() { return work_; }

private:
    void copyIn();
    void copyOut();

    std::unique_ptr<Ui::ErrorsView> ui_;
    QtWorkRunner work_{*this};
    ErrorsScreen screen_;
    ScreenBinding binding_{[this] { copyIn(); }, [this] { copyOut(); }};
};

}  // namespace cesuan
