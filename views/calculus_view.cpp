#include "views/calculus_view.h"

#include "engine/line_ends.h"
#include "screens/calculus_texts.h"
#include "views/box_font.h"
#include "views/command_keys.h"
#include "views/heading_font.h"
#include "views/long_text.h"
#include "views/plot_view.h"
#include "views/widget_texts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace cesuan {

namespace t = texts::calculus_window;

CalculusView::CalculusView(CalculusScreen::Kind kind, const CalcSettings& settings, MessageBoxService& messages,
                           FileChooser& files, ScreenNavigator& screens, QWidget* parent)
    : QWidget(parent), screen_(kind, settings, messages, work_, screens) {
    const bool derivative = kind == CalculusScreen::Kind::Derivative;
    setWindowTitle(derivative ? t::kDerivativeTitle : t::kIntegralTitle);
    const auto named = [](auto* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };
    auto* layout = new QVBoxLayout(this);
    auto* headingRow = new QHBoxLayout;
    auto* heading = named(new QLabel(derivative ? t::kDerivativeHeading : t::kIntegralHeading), "LabelHeading");
    setHeadingFont(heading);
    headingRow->addWidget(heading);
    headingRow->addStretch();
    help_ = named(new QPushButton(t::kLearn), "CommandHelp");
    headingRow->addWidget(help_);
    layout->addLayout(headingRow);
    auto* hint = new QLabel(derivative ? t::kDerivativeHint : t::kIntegralHint);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    const QFont font = boxFont();
    auto* grid = new QGridLayout;
    formula_ = named(new QLineEdit, "TextFormula");
    formula_->setFont(font);
    grid->addWidget(new QLabel(t::kFormulaLabel), 0, 0);
    grid->addWidget(formula_, 0, 1, 1, 3);
    if (derivative) {
        point_ = named(new QLineEdit, "TextPoint");
        point_->setFont(font);
        order_ = named(new QComboBox, "ComboOrder");
        order_->addItems({t::kFirstOrder, t::kSecondOrder});
        grid->addWidget(new QLabel(t::kPointLabel), 1, 0);
        grid->addWidget(point_, 1, 1);
        grid->addWidget(new QLabel(t::kOrderLabel), 1, 2);
        grid->addWidget(order_, 1, 3);
    } else {
        from_ = named(new QLineEdit, "TextFrom");
        to_ = named(new QLineEdit, "TextTo");
        from_->setFont(font);
        to_->setFont(font);
        grid->addWidget(new QLabel(t::kFromLabel), 1, 0);
        grid->addWidget(from_, 1, 1);
        grid->addWidget(new QLabel(t::kToLabel), 1, 2);
        grid->addWidget(to_, 1, 3);
    }
    layout->addLayout(grid);
    auto* commands = new QHBoxLayout;
    compute_ = named(new QPushButton(t::kCompute), "CommandCompute");
    compute_->setToolTip(derivative ? t::kTipDerivative : t::kTipIntegral);
    commands->addWidget(compute_);
    commands->addStretch();
    layout->addLayout(commands);
    result_ = named(new QPlainTextEdit, "ResultText");
    result_->setReadOnly(true);
    result_->setFont(font);
    result_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    layout->addWidget(result_, 1);
    status_ = named(new QLabel, "StatusLine");
    status_->setWordWrap(true);
    layout->addWidget(status_);

    plot_ = named(new PlotView, "plotView");
    plot_->setServices(&files, &messages);
    connect(plot_, &PlotView::statusMessage, status_, &QLabel::setText);
    PlaceBeside(*this, plot_);

    binding_.bind(compute_, [this] { screen_.compute(); });
    binding_.bind(help_, [this] { screen_.learn(); });
    for (QLineEdit* box : {formula_, point_, from_, to_})
        if (box) clickOnEnter(box, compute_);
    clickOnCtrlEnter(this, compute_);
    binding_.showController();
}

void CalculusView::copyIn() {
    screen_.formula = formula_->text();
    if (point_) screen_.pointText = point_->text();
    if (order_) screen_.orderIndex = order_->currentIndex();
    if (from_) screen_.fromText = from_->text();
    if (to_) screen_.toText = to_->text();
}

void CalculusView::copyOut() {
    setTextIfChanged(formula_, screen_.formula);
    if (point_) setTextIfChanged(point_, screen_.pointText);
    if (order_ && order_->currentIndex() != screen_.orderIndex) order_->setCurrentIndex(screen_.orderIndex);
    if (from_) setTextIfChanged(from_, screen_.fromText);
    if (to_) setTextIfChanged(to_, screen_.toText);
    setLongTextIfChanged(result_, screen_.resultText);
    status_->setText(screen_.status);
    plot_->showPicture(screen_.picture);
}

}  // namespace cesuan
