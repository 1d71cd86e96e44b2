#pragma once
// The linear regression window: the data box, the choices of the columns, the degree and the
// separator, the x to predict at and the result box on the left, the picture of the data and
// the fitted curve on the right; bound to a RegressionScreen. Laid out in code.

#include "screens/regression_screen.h"
#include "views/screen_binding.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace cesuan {

class PlotView;

class RegressionView : public QWidget {
    Q_OBJECT

public:
    RegressionView(MessageBoxService& messages, FileChooser& files, ScreenNavigator& screens, QWidget* parent = nullptr);

private:
    void build();
    void connectControls();
    void copyIn();
    void copyOut();

    RegressionScreen screen_;
    ScreenBinding binding_{[this] { copyIn(); }, [this] { copyOut(); }};
    QPlainTextEdit* data_ = nullptr;    // Text1
    QComboBox* leading_ = nullptr;      // Combo1
    QComboBox* separator_ = nullptr;    // Combo2
    QComboBox* xColumn_ = nullptr;      // ComboX
    QComboBox* yColumn_ = nullptr;      // ComboY
    QComboBox* degree_ = nullptr;       // ComboDegree
    QLineEdit* xValue_ = nullptr;       // Text2
    QPlainTextEdit* result_ = nullptr;  // Text3
    QLabel* status_ = nullptr;          // StatusLine
    QPushButton* compute_ = nullptr;    // Command1
    QPushButton* import_ = nullptr;     // Command2
    QPushButton* help_ = nullptr;       // Command3
    QPushButton* calculator_ = nullptr; // Command4
    PlotView* plot_ = nullptr;          // plotView
};

}  // namespace cesuan
