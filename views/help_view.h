#pragma once
// The help window: binds the controls of help_view.ui to a HelpScreen. The help text is
// read only; the buttons open web pages or bring the calculator forward.

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

private:
    std::unique_ptr<Ui::HelpView> ui_;
    HelpScreen screen_;
    ScreenBinding binding_{nullptr, nullptr};  // the help text never changes
};

}  // namespace cesuan
