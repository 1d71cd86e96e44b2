#include "views/statistics_view.h"

#include "screens/statistics_texts.h"
#include "views/box_font.h"
#include "views/command_keys.h"
#include "views/long_text.h"
#include "views/plot_view.h"
#include "views/heading_font.h"
#include "statistics/histogram.h"
#include "screens/picture_texts.h"
#include "engine/line_ends.h"
#include "ui_statistics_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <tuple>
#include <utility>

namespace cesuan {

namespace t = texts::statistics;

StatisticsView::StatisticsView(MessageBoxService& messages, FileChooser& files, ScreenNavigator& screens, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::StatisticsView>()),
      printer_(*this, messages, files),
      screen_(messages, printer_, files, screens) {
    ui_->setupUi(this);
    for (std::size_t r = 0; r < grid_.size(); ++r)
        for (std::size_t c = 0; c < 5; ++c)
            grid_[r][c] = findChild<QLineEdit*>(QStringLiteral("Text") + QString::number(2 + c + 5 * r));
    setUpTexts();
    connectControls();
    PlaceBeside(*this, buildPictures(messages, files));
    copyOut();  // the start example and the choices as the controller loaded them
}

StatisticsView::~StatisticsView() = default;

void StatisticsView::setUpTexts() {
    setWindowTitle(t::kWindowTitle);

    ui_->Label1->setText(t::kTitle);
    setHeadingFont(ui_->Label1);
    ui_->Label12->setText(t::kHint);
    ui_->Label17->setText(t::kSentenceBefore);
    ui_->Label18->setText(t::kSentenceMiddle);
    ui_->Label21->setText(t::kSentenceAfter);

    ui_->Combo1->addItems(t::kLeadingColumns);
    ui_->Combo1->setToolTip(t::kTipLeadingColumns);
    // A lone blank would show as an empty entry: it gets a readable name, its data stays the
    // blank.
    for (const QString& separator : t::kSeparators)
        ui_->Combo2->addItem(separator == u" " ? t::kBlankEntryShown : separator, separator);
    ui_->Combo2->setToolTip(t::kTipSeparator);

    // The table and the results line up only in a monospaced font where a Chinese character
    // takes two columns.
    const QFont font = boxFont();
    const QFontMetrics metrics(font);
    ui_->Text1->setFont(font);
    ui_->Text1->setMinimumHeight(metrics.lineSpacing() * 6 + 12);
    for (const auto& row : grid_)
        for (QLineEdit* box : row) {
            box->setFont(font);
            box->setMinimumWidth(metrics.horizontalAdvance(QString(12, u'0')) + 12);
        }

    QLabel* const headers[] = {ui_->Label2, ui_->Label3, ui_->Label4, ui_->Label15, ui_->Label16};
    for (std::size_t c = 0; c < 5; ++c) headers[c]->setText(t::kColumnHeaders[c]);
    QLabel* const rowLabels[] = {ui_->Label5, ui_->Label6,  ui_->Label7,  ui_->Label8,  ui_->Label13,
                                 ui_->Label9, ui_->Label10, ui_->Label11, ui_->Label19, ui_->Label20};
    for (std::size_t r = 0; r < 10; ++r) {
        rowLabels[r]->setText(t::kRowLabels[r]);
        rowLabels[r]->setToolTip(t::kRowTips[r]);
    }
}

void StatisticsView::connectControls() {
    const std::tuple<QPushButton*, QString, QString, void (StatisticsScreen::*)()> buttons[] = {
        {ui_->Command1, t::kStatistics, t::kTipStatistics, &StatisticsScreen::computeStatistics},
        {ui_->Command2, t::kPrint, t::kTipPrint, &StatisticsScreen::printScreen},
        {ui_->Command3, t::kLearn, t::kTipLearn, &StatisticsScreen::learn},
        {ui_->Command4, t::kSave, t::kTipSave, &StatisticsScreen::save},
        {ui_->Command5, t::kImport, t::kTipImport, &StatisticsScreen::import},
    };
    for (const auto& [button, caption, tip, command] : buttons) {
        button->setText(caption);
        button->setToolTip(tip);
        binding_.bind(button, [this, command] { (screen_.*command)(); });
    }
    clickOnCtrlEnter(this, ui_->Command1);
    // The keys of opening and saving files do what 导 入 and 保 存 do.
    const std::pair<QKeySequence::StandardKey, void (StatisticsScreen::*)()> keys[] = {
        {QKeySequence::Open, &StatisticsScreen::import},
        {QKeySequence::Save, &StatisticsScreen::save},
    };
    for (const auto& [key, command] : keys)
        connect(new QShortcut(key, this), &QShortcut::activated, this,
                [this, command] { binding_.run([this, command] { (screen_.*command)(); }); });
    // A choice of the user; the items set from the controller do not count.
    connect(ui_->Combo1, &QComboBox::activated, this,
            [this](int index) { binding_.run([this, index] { screen_.chooseLeadingColumns(index); }); });
    connect(ui_->Combo2, &QComboBox::activated, this,
            [this](int index) { binding_.run([this, index] { screen_.chooseSeparator(index); }); });
}

QWidget* StatisticsView::buildPictures(MessageBoxService& messages, FileChooser& files) {
    namespace p = texts::picture;
    const auto columnList = [] {
        auto* combo = new QComboBox;
        for (int c = 1; c <= 5; ++c) combo->addItem(p::columnName(c));
        return combo;
    };
    const auto page = [](QHBoxLayout* choices, PlotView* plot) {
        auto* widget = new QWidget;
        auto* layout = new QVBoxLayout(widget);
        choices->addStretch();
        layout->addLayout(choices);
        layout->addWidget(plot, 1);
        return widget;
    };
    histogram_ = new PlotView;
    histogram_->setObjectName(QStringLiteral("histogramView"));
    histogramColumn_ = columnList();
    histogramColumn_->setObjectName(QStringLiteral("histogramColumn"));
    bins_ = new QSpinBox;
    bins_->setObjectName(QStringLiteral("binCount"));
    bins_->setRange(1, kMaxHistogramBins);
    binsByRule_ = new QCheckBox(p::kBinsByRule);
    binsByRule_->setObjectName(QStringLiteral("binsByRule"));
    binsByRule_->setToolTip(p::kTipBinsByRule);
    auto* histogramChoices = new QHBoxLayout;
    histogramChoices->addWidget(new QLabel(p::kColumnLabel));
    histogramChoices->addWidget(histogramColumn_);
    histogramChoices->addWidget(new QLabel(p::kBinsLabel));
    histogramChoices->addWidget(bins_);
    histogramChoices->addWidget(binsByRule_);

    scatter_ = new PlotView;
    scatter_->setObjectName(QStringLiteral("scatterView"));
    scatterX_ = columnList();
    scatterX_->setObjectName(QStringLiteral("scatterX"));
    scatterY_ = columnList();
    scatterY_->setObjectName(QStringLiteral("scatterY"));
    auto* scatterChoices = new QHBoxLayout;
    scatterChoices->addWidget(new QLabel(p::kXColumnLabel));
    scatterChoices->addWidget(scatterX_);
    scatterChoices->addWidget(new QLabel(p::kYColumnLabel));
    scatterChoices->addWidget(scatterY_);

    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("pictureTabs"));
    tabs->addTab(page(histogramChoices, histogram_), p::kHistogramTab);
    tabs->addTab(page(scatterChoices, scatter_), p::kScatterTab);
    for (PlotView* plot : {histogram_, scatter_}) plot->setServices(&files, &messages);

    // A choice of the user; the values set from the controller do not count.
    connect(histogramColumn_, &QComboBox::activated, this,
            [this](int index) { binding_.run([this, index] { screen_.chooseHistogramColumn(index); }); });
    connect(bins_, &QSpinBox::valueChanged, this,
            [this](int bins) { binding_.run([this, bins] { screen_.chooseBinCount(bins); }); });
    connect(binsByRule_, &QCheckBox::clicked, this,
            [this](bool checked) { binding_.run([this, checked] { screen_.binsByRuleClicked(checked); }); });
    for (QComboBox* combo : {scatterX_, scatterY_})
        connect(combo, &QComboBox::activated, this, [this] {
            binding_.run([this, x = scatterX_->currentIndex(), y = scatterY_->currentIndex()] {
                screen_.chooseScatterColumns(x, y);
            });
        });
    return tabs;
}

void StatisticsView::copyIn() { screen_.data = WithCrLfLineEnds(ui_->Text1->toPlainText()); }

void StatisticsView::copyOut() {
    setLongTextIfChanged(ui_->Text1, screen_.data);
    if (ui_->Combo1->currentIndex() != screen_.leadingColumnsIndex) ui_->Combo1->setCurrentIndex(screen_.leadingColumnsIndex);
    if (ui_->Combo2->currentIndex() != screen_.separatorIndex) ui_->Combo2->setCurrentIndex(screen_.separatorIndex);
    ui_->Label14->setText(screen_.placesNote);
    for (std::size_t r = 0; r < grid_.size(); ++r)
        for (std::size_t c = 0; c < 5; ++c) {
            QLineEdit* box = grid_[r][c];
            if (box->text() == screen_.grid[r][c]) continue;
            box->setText(screen_.grid[r][c]);
            box->setCursorPosition(0);  // a value wider than the box shows its start
        }
    const QSignalBlocker blockBins(bins_);
    if (histogramColumn_->currentIndex() != screen_.histogramColumnIndex)
        histogramColumn_->setCurrentIndex(screen_.histogramColumnIndex);
    bins_->setValue(screen_.binCount);
    binsByRule_->setChecked(screen_.binsByRule);
    if (scatterX_->currentIndex() != screen_.scatterXIndex) scatterX_->setCurrentIndex(screen_.scatterXIndex);
    if (scatterY_->currentIndex() != screen_.scatterYIndex) scatterY_->setCurrentIndex(screen_.scatterYIndex);
    histogram_->showPicture(screen_.histogram);
    scatter_->showPicture(screen_.scatter);
}

}  // namespace cesuan
