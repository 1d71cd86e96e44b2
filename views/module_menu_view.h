#pragma once
// The module menu window: a grid of buttons named Command1_<index> (six to a row, by index)
// bound to a ModuleMenu, with the proverb above and a status line below. Also the two
// placeholder windows the menu opens: the greeting of the area module and a row of styled
// buttons without action.

#include "screens/module_menu.h"

#include "views/screen_binding.h"

#include <QWidget>

#include <memory>

namespace cesuan {

namespace Ui {
class ModuleMenuView;
}

class ModuleMenuView : public QWidget {
    Q_OBJECT

public:
    ModuleMenuView(WebPageOpener& web, ScreenNavigator& screens, QWidget* parent = nullptr);
    ~ModuleMenuView() override;

private:
    void copyOut();

    std::unique_ptr<Ui::ModuleMenuView> ui_;
    ModuleMenu menu_;
    ScreenBinding binding_{nullptr, [this] { copyOut(); }};
};

// The welcome placeholder: only a label "欢迎光临".
class WelcomeView : public QWidget {
    Q_OBJECT

public:
    explicit WelcomeView(QWidget* parent = nullptr);
};

// The button placeholder: a row of styled buttons (Command1 … Command5) that do nothing.
class ButtonTestView : public QWidget {
    Q_OBJECT

public:
    explicit ButtonTestView(QWidget* parent = nullptr);
};

}  // namespace cesuan
