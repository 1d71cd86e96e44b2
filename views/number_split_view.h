#pragma once
// The number split window: binds the controls of number_split_view.ui to a NumberSplit.

#include "screens/number_split.h"

#include "views/screen_binding.h"

#include <QWidget>

#include <memory>

namespace cesuan {

namespace Ui {
class NumberSplitView;
}

class NumberSplitView : public QWidget {
    Q_OBJECT

public:
    explicit NumberSplitView(QWidget* parent = nullptr);
    ~NumberSplitView() override;

private:
    void copyIn();
    void copyOut();

    std::unique_ptr<Ui::NumberSplitView> ui_;
    NumberSplit screen_;
    ScreenBinding binding_{[this] { copyIn(); }, [this] { copyOut(); }};
};

}  // namespace cesuan
