#include "views/bearing_view.h"

#include "views/widget_texts.h"

#include "views/survey_view_binding.h"

#include "screens/bearing_texts.h"
#include "views/box_font.h"
#include "views/plot_view.h"
#include "views/heading_font.h"
#include "engine/line_ends.h"
#include "ui_bearing_view.h"

#include <QEvent>

#include <tuple>

namespace cesuan {

namespace t = texts::bearing;

BearingView::BearingView(MessageBoxService& messages, ScreenNavigator& screens, FileChooser& files, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::BearingView>()),
      printer_(*this, messages, files),
      screen_(messages, printer_, screens, files) {
    ui_->setupUi(this);
    setUpTexts();
    connectControls();
    plan_ = new PlotView;
    plan_->setObjectName(QStringLiteral("planView"));
    plan_->setServices(&files, &messages);
    connect(plan_, &PlotView::statusMessage, ui_->StatusLine, &QLabel::setText);
    PlaceBeside(*this, plan_);
    ui_->Combo2->installEventFilter(this);
    copyOut();  // the start points and the origin "0" as the controller loaded them
}

BearingView::~BearingView() = default;

void BearingView::setUpTexts() {
    setWindowTitle(screen_.windowTitle);

    ui_->Label1->setText(screen_.heading);
    setHeadingFont(ui_->Label1);
    ui_->Label2->setText(screen_.formatNote);
    ui_->Label4->setText(screen_.directionNote);
    ui_->Label5->setText(screen_.choiceLabel);
    ui_->Label6->setText(screen_.choiceNote);

    // A typed origin is read as typed: no completion from the list, and it joins no list.
    ui_->Combo2->setCompleter(nullptr);
    ui_->Combo2->setInsertPolicy(QComboBox::NoInsert);
    ui_->Combo2->setMinimumContentsLength(8);
    ui_->Combo2->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    // The table lines up under its heading only in a monospaced font where a Chinese
    // character takes two columns; neither box wraps its lines.
    const QFont font = boxFont();
    const QFontMetrics metrics(font);
    ui_->Label7->setFont(font);
    ui_->Label7->setText(screen_.resultHeading);
    // The heading starts where the lines of the box under it start: after its frame and the
    // margin of 4 pixels a plain text box keeps round its text.
    constexpr int kTextMargin = 4;
    ui_->Label7->setIndent(ui_->Text2->frameWidth() + kTextMargin);
    for (QPlainTextEdit* box : {ui_->Text1, ui_->Text2}) {
        box->setFont(font);
        box->setMinimumHeight(metrics.lineSpacing() * 10 + 12);
    }
    ui_->Text1->setMinimumWidth(metrics.horizontalAdvance(QString(40, u'0')) + 2 * metrics.lineSpacing());
    ui_->Text2->setMinimumWidth(metrics.horizontalAdvance(t::kGeodesicColumnHeading) + 2 * metrics.lineSpacing());
}

void BearingView::connectControls() {
    connectSurveyControls(this, screen_, *ui_, t::kCalculator, t::kMenu, [this](auto operation) { binding_.run(operation); });
    // Geodesics: the check box and the ellipsoid list.
    ui_->Check2->setText(screen_.geodesicCaption);
    ui_->Combo3->addItems(screen_.ellipsoidNames);
    connect(ui_->Check2, &QCheckBox::clicked, this,
            [this](bool checked) { binding_.run([this, checked] { screen_.geodesicClicked(checked); }); });
    connect(ui_->Combo3, &QComboBox::activated, this,
            [this](int index) { binding_.run([this, index] { screen_.chooseEllipsoid(index); }); });
}

void BearingView::copyIn() {
    copySurveyTextsIn(screen_, *ui_);
    screen_.geodesic = ui_->Check2->isChecked();
    screen_.chooseEllipsoid(ui_->Combo3->currentIndex());
}

void BearingView::copyOut() {
    copySurveyTextsOut(screen_, *ui_);
    ui_->Check2->setChecked(screen_.geodesic);
    ui_->Combo3->setCurrentIndex(screen_.ellipsoidIndex);
    ui_->Combo3->setEnabled(screen_.geodesic);
    ui_->Label7->setText(screen_.resultHeading);
    plan_->showPicture(screen_.plan);
}

bool BearingView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched == ui_->Combo2) binding_.run([this] { screen_.serialChoicesOpened(); });
    return QWidget::eventFilter(watched, event);
}

}  // namespace cesuan
