#pragma once
// The variable editor window: binds the controls of variable_editor_view.ui to a
// VariableEditor. Showing the window after it was closed loads the variables again.

#include "screens/variable_editor.h"

#include "views/screen_binding.h"

#include <QWidget>

#include <memory>

namespace cesuan {

namespace Ui {
class VariableEditorView;
}

class VariableEditorView : public QWidget {
    Q_OBJECT

public:
    VariableEditorView(CalcSettings& settings, WebPageOpener& web, QWidget* parent = nullptr);
    ~VariableEditorView() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void copyIn();
    void copyOut();

    std::unique_ptr<Ui::VariableEditorView> ui_;
    VariableEditor screen_;
    ScreenBinding binding_{[this] { copyIn(); }, [this] { copyOut(); }};
};

}  // namespace cesuan
