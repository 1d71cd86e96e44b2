#include "views/transform_view.h"

#include "engine/line_ends.h"
#include "screens/transform_texts.h"
#include "ui_transform_view.h"
#include "views/box_font.h"
#include "views/long_text.h"
#include "views/heading_font.h"

#include <QKeySequence>
#include <QShortcut>

#include <tuple>

namespace cesuan {

namespace t = texts::transform;

TransformView::TransformView(MessageBoxService& messages, ScreenNavigator& screens, FileChooser& files, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::TransformView>()), screen_(messages, screens, files) {
    ui_->setupUi(this);
    setUpTexts();
    connectControls();
    copyOut();  // the start example as the controller loaded it
}

TransformView::~TransformView() = default;

void TransformView::setUpTexts() {
    setWindowTitle(t::kWindowTitle);
    ui_->Heading->setText(t::kHeading);
    setHeadingFont(ui_->Heading);

    ui_->Tabs->setTabText(0, t::kParametersTab);
    ui_->Tabs->setTabText(1, t::kCartesianTab);
    ui_->ModelLabel->setText(t::kModelLabel);
    ui_->ModelList->addItems(t::kModels);
    ui_->ModelList->setToolTip(t::kTipModel);
    ui_->ReportLabel->setText(t::kReportLabel);
    ui_->ParametersLabel->setText(t::kParametersLabel);
    ui_->AppliedLabel->setText(t::kAppliedLabel);
    ui_->EllipsoidLabel->setText(t::kEllipsoidLabel);
    for (const EllipsoidChoice& ellipsoid : EllipsoidChoices()) ui_->EllipsoidList->addItem(ellipsoid.name);
    ui_->CartesianFormat->setText(t::kCartesianFormat);

    // Columns line up only in the monospaced font where a Chinese character takes two columns.
    const QFont font = boxFont();
    const QFontMetrics metrics(font);
    for (QPlainTextEdit* box : {ui_->CommonPoints, ui_->Report, ui_->Parameters, ui_->ApplyPoints, ui_->Applied,
                                ui_->CartesianInput, ui_->CartesianOutput}) {
        box->setFont(font);
        box->setMinimumHeight(metrics.lineSpacing() * 6 + 12);
    }
    ui_->CommonPoints->setMinimumWidth(metrics.horizontalAdvance(QString(60, u'0')));
    ui_->Report->setMinimumWidth(metrics.horizontalAdvance(QString(56, u'0')));
}

void TransformView::connectControls() {
    const std::tuple<QPushButton*, QString, QString, void (TransformScreen::*)()> buttons[] = {
        {ui_->EstimateButton, t::kEstimate, t::kTipEstimate, &TransformScreen::estimate},
        {ui_->ApplyButton, t::kApply, t::kTipApply, &TransformScreen::apply},
        {ui_->SaveButton, t::kSave, QString(), &TransformScreen::saveParameters},
        {ui_->ReadButton, t::kRead, QString(), &TransformScreen::readParameters},
        {ui_->ToCartesianButton, t::kToCartesian, QString(), &TransformScreen::toCartesian},
        {ui_->ToGeodeticButton, t::kToGeodetic, QString(), &TransformScreen::toGeodetic},
        {ui_->HelpButton, t::kHelp, QString(), &TransformScreen::showHelp},
        {ui_->CalculatorButton, t::kCalculator, QString(), &TransformScreen::showCalculator},
    };
    for (const auto& [button, caption, tip, command] : buttons) {
        button->setText(caption);
        button->setToolTip(tip);
        binding_.bind(button, [this, command] { (screen_.*command)(); });
    }
    // A choice of the user; the item set from the controller does not count.
    connect(ui_->ModelList, &QComboBox::activated, this,
            [this](int index) { binding_.run([this, index] { screen_.modelChosen(index); }); });

    // Ctrl+Enter (either Enter key) runs the command of the box it is typed in; Enter alone
    // starts a new line there.
    const std::pair<QPlainTextEdit*, QPushButton*> commands[] = {{ui_->CommonPoints, ui_->EstimateButton},
                                                                 {ui_->ApplyPoints, ui_->ApplyButton},
                                                                 {ui_->Parameters, ui_->ApplyButton}};
    for (const auto& [box, button] : commands) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | key), box);
            shortcut->setContext(Qt::WidgetShortcut);
            connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
        }
    }
}

void TransformView::copyIn() {
    screen_.modelIndex = ui_->ModelList->currentIndex();
    screen_.commonPoints = WithCrLfLineEnds(ui_->CommonPoints->toPlainText());
    screen_.parameters = WithCrLfLineEnds(ui_->Parameters->toPlainText());
    screen_.applyPoints = WithCrLfLineEnds(ui_->ApplyPoints->toPlainText());
    screen_.ellipsoidIndex = ui_->EllipsoidList->currentIndex();
    screen_.cartesianInput = WithCrLfLineEnds(ui_->CartesianInput->toPlainText());
}

void TransformView::copyOut() {
    if (ui_->ModelList->currentIndex() != screen_.modelIndex) ui_->ModelList->setCurrentIndex(screen_.modelIndex);
    if (ui_->EllipsoidList->currentIndex() != screen_.ellipsoidIndex)
        ui_->EllipsoidList->setCurrentIndex(screen_.ellipsoidIndex);
    ui_->CommonFormat->setText(screen_.commonFormat);
    ui_->ApplyFormat->setText(screen_.applyFormat);
    setLongTextIfChanged(ui_->CommonPoints, screen_.commonPoints);
    setLongTextIfChanged(ui_->Report, screen_.report);
    setLongTextIfChanged(ui_->Parameters, screen_.parameters);
    setLongTextIfChanged(ui_->ApplyPoints, screen_.applyPoints);
    setLongTextIfChanged(ui_->Applied, screen_.applied);
    setLongTextIfChanged(ui_->CartesianInput, screen_.cartesianInput);
    setLongTextIfChanged(ui_->CartesianOutput, screen_.cartesianOutput);
    ui_->StatusLine->setText(screen_.statusLine);
}

}  // namespace cesuan
