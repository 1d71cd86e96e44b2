#pragma once
// The help window: binds the controls of help_view.ui to a HelpScreen. The topic list
// chooses the text, which is read only; the buttons open web pages or bring the calculator
// forward.

#include "screens/help_screen.h"

#include "views/screen_binding.h"

#include <QWidget>

#include <memory>

namespace cesuan {

namespace Ui {
class HelpView;
}

class HelpView : public QWidget {
    Q_OBJECT

public:
    HelpView(WebPageOpener& web, ScreenNavigator& screens, QWidget* parent = nullptr);
    ~HelpView() override;

    // Shows the topic that explains the screen.
    void showTopic(ScreenId screen);

private:
    std::unique_ptr<Ui::HelpView> ui_;
    HelpScreen screen_;
    void copyOut();

    ScreenBinding binding_{nullptr, [this] { copyOut(); }};  // nothing is typed here
};

}  // namespace cesuan
