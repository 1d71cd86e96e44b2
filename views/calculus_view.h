#pragma once
// The derivative and the integral windows: the formula, the point and order (or the limits),
// the result box and the picture beside it, bound to a CalculusScreen. The work runs on a
// worker thread behind a progress dialog with a cancel button (views/work_runner.h).

#include "screens/calculus_screen.h"
#include "views/screen_binding.h"
#include "views/work_runner.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace cesuan {

class PlotView;

class CalculusView : public QWidget {
    Q_OBJECT

public:
    CalculusView(CalculusScreen::Kind kind, const CalcSettings& settings, MessageBoxService& messages,
                 FileChooser& files, ScreenNavigator& screens, QWidget* parent = nullptr);

    QtWorkRunner& workRunner() { return work_; }
    CalculusScreen& screen() { return screen_; }

private:
    void copyIn();
    void copyOut();

    QtWorkRunner work_{*this};
    CalculusScreen screen_;
    QLineEdit* formula_ = nullptr;
    QLineEdit* point_ = nullptr;
    QComboBox* order_ = nullptr;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QPushButton* compute_ = nullptr;
    QPushButton* help_ = nullptr;
    QPlainTextEdit* result_ = nullptr;
    QLabel* status_ = nullptr;
    PlotView* plot_ = nullptr;
    ScreenBinding binding_{[this] { copyIn(); }, [this] { copyOut(); }};
};

}  // namespace cesuan
