#pragma once
// The statistics window: binds the controls of statistics_view.ui to a StatisticsScreen.
// The data box travels to the controller with CR LF line ends; the result grid Text2 …
// Text51 only shows what the controller computed.

#include "screens/statistics_screen.h"
#include "views/qt_platform.h"

#include "views/screen_binding.h"

#include <QWidget>

#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace cesuan {

class PlotView;

namespace Ui {
class StatisticsView;
}

class StatisticsView : public QWidget {
    Q_OBJECT

public:
    StatisticsView(MessageBoxService& messages, FileChooser& files, ScreenNavigator& screens, QWidget* parent = nullptr);
    ~StatisticsView() override;

private:
    void setUpTexts();
    void connectControls();
    void copyIn();
    void copyOut();
    QWidget* buildPictures(MessageBoxService& messages, FileChooser& files);

    std::unique_ptr<Ui::StatisticsView> ui_;
    QtWindowPrinter printer_;  // the print button prints this window
    StatisticsScreen screen_;
    ScreenBinding binding_{[this] { copyIn(); }, [this] { copyOut(); }};
    // The grid boxes by row and column: grid_[r][c] is Text(2 + c + 5r).
    std::array<std::array<QLineEdit*, 5>, 10> grid_{};
    // The pictures beside the grid, in two tabs, and their choices.
    PlotView* histogram_ = nullptr;
    PlotView* scatter_ = nullptr;
    QComboBox* histogramColumn_ = nullptr;
    QSpinBox* bins_ = nullptr;
    QCheckBox* binsByRule_ = nullptr;
    QComboBox* scatterX_ = nullptr;
    QComboBox* scatterY_ = nullptr;
};

}  // namespace cesuan
