#pragma once
// The matrix window: binds the controls of matrix_view.ui to a MatrixScreen. The matrices
// are computed on a worker thread (views/work_runner.h).

#include "screens/matrix_screen.h"
#include "views/screen_binding.h"
#include "views/work_runner.h"

#include <QWidget>

#include <memory>

namespace cesuan {

namespace Ui {
class MatrixView;
}

class MatrixView : public QWidget {
    Q_OBJECT

public:
    MatrixView(const CalcSettings& settings, MessageBoxService& messages, ScreenNavigator& screens,
               QWidget* parent = nullptr);
    ~MatrixView() override;

    QtWorkRunner& workRunner() { return work_; }

private:
    void copyIn();
    void copyOut();

    std::unique_ptr<Ui::MatrixView> ui_;
    QtWorkRunner work_{*this};
    MatrixScreen screen_;
    ScreenBinding binding_{[this] { copyIn(); }, [this] { copyOut(); }};
};

}  // namespace cesuan
