#include "views/regression_view.h"

#include "engine/line_ends.h"
#include "screens/regression_texts.h"
#include "screens/statistics_texts.h"
#include "views/box_font.h"
#include "views/command_keys.h"
#include "views/long_text.h"
#include "views/plot_view.h"
#include "views/heading_font.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace cesuan {

namespace t = texts::regression;

RegressionView::RegressionView(MessageBoxService& messages, FileChooser& files, ScreenNavigator& screens,
                               QWidget* parent)
    : QWidget(parent), screen_(messages, files, screens) {
    build();
    plot_->setServices(&files, &messages);
    connectControls();
    copyOut();  // the start example as the controller loaded it
}

void RegressionView::build() {
    setWindowTitle(t::kWindowTitle);
    const auto named = [](QWidget* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(t::kTitle);
    setHeadingFont(title);
    layout->addWidget(named(title, "Label1"));
    auto* hint = new QLabel(t::kHint);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    // The boxes line up their columns only in a monospaced font where a Chinese character
    // takes two columns.
    const QFont font = boxFont();
    const QFontMetrics metrics(font);
    data_ = new QPlainTextEdit;
    data_->setFont(font);
    data_->setLineWrapMode(QPlainTextEdit::NoWrap);
    data_->setMinimumHeight(metrics.lineSpacing() * 8 + 12);
    data_->setMinimumWidth(metrics.horizontalAdvance(QString(52, u'0')));
    layout->addWidget(named(data_, "Text1"), 3);

    namespace s = texts::statistics;
    leading_ = new QComboBox;
    leading_->addItems(s::kLeadingColumns);
    leading_->setToolTip(s::kTipLeadingColumns);
    separator_ = new QComboBox;
    for (const QString& entry : s::kSeparators) separator_->addItem(entry == u" " ? s::kBlankEntryShown : entry, entry);
    separator_->setToolTip(s::kTipSeparator);
    auto* tableRow = new QHBoxLayout;
    tableRow->addWidget(new QLabel(s::kSentenceBefore));
    tableRow->addWidget(named(leading_, "Combo1"));
    tableRow->addWidget(new QLabel(s::kSentenceMiddle));
    tableRow->addWidget(named(separator_, "Combo2"));
    tableRow->addWidget(new QLabel(s::kSentenceAfter));
    tableRow->addStretch();
    layout->addLayout(tableRow);

    xColumn_ = new QComboBox;
    xColumn_->addItems(t::kColumns);
    yColumn_ = new QComboBox;
    yColumn_->addItems(t::kColumns);
    degree_ = new QComboBox;
    degree_->addItems(t::kDegrees);
    auto* fitRow = new QHBoxLayout;
    fitRow->addWidget(new QLabel(t::kXColumnLabel));
    fitRow->addWidget(named(xColumn_, "ComboX"));
    fitRow->addWidget(new QLabel(t::kYColumnLabel));
    fitRow->addWidget(named(yColumn_, "ComboY"));
    fitRow->addWidget(new QLabel(t::kColumnAfter));
    fitRow->addSpacing(16);
    fitRow->addWidget(new QLabel(t::kDegreeLabel));
    fitRow->addWidget(named(degree_, "ComboDegree"));
    fitRow->addStretch();
    layout->addLayout(fitRow);

    xValue_ = new QLineEdit;
    xValue_->setToolTip(t::kTipPredict);
    xValue_->setFont(font);
    xValue_->setMinimumWidth(metrics.horizontalAdvance(QString(14, u'0')));
    compute_ = new QPushButton(t::kCompute);
    compute_->setToolTip(t::kTipCompute);
    import_ = new QPushButton(t::kImport);
    import_->setToolTip(t::kTipImport);
    help_ = new QPushButton(t::kHelp);
    calculator_ = new QPushButton(t::kCalculator);
    auto* commandRow = new QHBoxLayout;
    commandRow->addWidget(new QLabel(t::kPredictLabel));
    commandRow->addWidget(named(xValue_, "Text2"));
    commandRow->addStretch();
    commandRow->addWidget(named(compute_, "Command1"));
    commandRow->addWidget(named(import_, "Command2"));
    commandRow->addWidget(named(help_, "Command3"));
    commandRow->addWidget(named(calculator_, "Command4"));
    layout->addLayout(commandRow);

    result_ = new QPlainTextEdit;
    result_->setReadOnly(true);
    result_->setFont(font);
    result_->setLineWrapMode(QPlainTextEdit::NoWrap);
    result_->setMinimumHeight(metrics.lineSpacing() * 12 + 12);
    layout->addWidget(named(result_, "Text3"), 4);
    status_ = new QLabel;
    layout->addWidget(named(status_, "StatusLine"));

    plot_ = new PlotView;
    plot_->setObjectName(QStringLiteral("plotView"));
    connect(plot_, &PlotView::statusMessage, status_, &QLabel::setText);
    PlaceBeside(*this, plot_);
}

void RegressionView::connectControls() {
    binding_.bind(compute_, [this] { screen_.compute(); });
    binding_.bind(import_, [this] { screen_.importData(); });
    binding_.bind(help_, [this] { screen_.showHelp(); });
    binding_.bind(calculator_, [this] { screen_.showCalculator(); });
    clickOnCtrlEnter(this, compute_);
    clickOnEnter(xValue_, compute_);
    connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this,
            [this] { binding_.run([this] { screen_.importData(); }); });
    // A choice of the user; the items set from the controller do not count.
    connect(leading_, &QComboBox::activated, this,
            [this](int index) { binding_.run([this, index] { screen_.chooseLeadingColumns(index); }); });
    connect(separator_, &QComboBox::activated, this,
            [this](int index) { binding_.run([this, index] { screen_.chooseSeparator(index); }); });
}

void RegressionView::copyIn() {
    screen_.data = WithCrLfLineEnds(data_->toPlainText());
    screen_.xColumnIndex = xColumn_->currentIndex();
    screen_.yColumnIndex = yColumn_->currentIndex();
    screen_.degreeIndex = degree_->currentIndex();
    screen_.xText = xValue_->text();
}

void RegressionView::copyOut() {
    setLongTextIfChanged(data_, screen_.data);
    setLongTextIfChanged(result_, screen_.resultText);
    const std::pair<QComboBox*, int> choices[] = {{leading_, screen_.leadingColumnsIndex},
                                                  {separator_, screen_.separatorIndex},
                                                  {xColumn_, screen_.xColumnIndex},
                                                  {yColumn_, screen_.yColumnIndex},
                                                  {degree_, screen_.degreeIndex}};
    for (const auto& [combo, index] : choices)
        if (combo->currentIndex() != index) combo->setCurrentIndex(index);
    if (xValue_->text() != screen_.xText) xValue_->setText(screen_.xText);
    status_->setText(screen_.statusLine);
    plot_->showPicture(screen_.picture);
}

}  // namespace cesuan
