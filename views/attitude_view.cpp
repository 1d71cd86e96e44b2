#include "views/attitude_view.h"

#include "views/widget_texts.h"

#include "views/survey_view_binding.h"

#include "screens/attitude_texts.h"
#include "views/box_font.h"
#include "views/plot_view.h"
#include "views/heading_font.h"
#include "engine/line_ends.h"
#include "ui_attitude_view.h"

#include <QEvent>
#include <QSplitter>

#include <tuple>

namespace cesuan {

namespace t = texts::attitude;

AttitudeView::AttitudeView(MessageBoxService& messages, ScreenNavigator& screens, FileChooser& files, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::AttitudeView>()),
      printer_(*this, messages, files),
      screen_(messages, printer_, screens, files) {
    ui_->setupUi(this);
    setUpTexts();
    connectControls();
    // The net above, the three points in plan below it.
    auto* pictures = new QSplitter(Qt::Vertical);
    net_ = new PlotView;
    net_->setObjectName(QStringLiteral("stereonetView"));
    plan_ = new PlotView;
    plan_->setObjectName(QStringLiteral("planView"));
    for (PlotView* view : {net_, plan_}) {
        view->setServices(&files, &messages);
        connect(view, &PlotView::statusMessage, ui_->StatusLine, &QLabel::setText);
        pictures->addWidget(view);
    }
    pictures->setStretchFactor(0, 3);
    pictures->setStretchFactor(1, 2);
    PlaceBeside(*this, pictures);
    ui_->Combo2->installEventFilter(this);
    copyOut();  // the start points and the first point "0" as the controller loaded them
}

AttitudeView::~AttitudeView() = default;

void AttitudeView::setUpTexts() {
    setWindowTitle(screen_.windowTitle);

    ui_->Label1->setText(screen_.heading);
    setHeadingFont(ui_->Label1);
    ui_->Label2->setText(screen_.formatNote);
    ui_->Label4->setText(screen_.directionNote);
    ui_->Label5->setText(screen_.choiceLabel);
    ui_->Label6->setText(screen_.choiceNote);

    // A typed serial is read as typed: no completion from the list, and it joins no list.
    ui_->Combo2->setCompleter(nullptr);
    ui_->Combo2->setInsertPolicy(QComboBox::NoInsert);
    ui_->Combo2->setMinimumContentsLength(8);
    ui_->Combo2->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    // The boxes use the monospaced font where a Chinese character takes two columns; neither
    // box wraps its lines.
    const QFont font = boxFont();
    const QFontMetrics metrics(font);
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
    ui_->Text2->setMinimumWidth(metrics.horizontalAdvance(QString(50, u'0')) + 2 * metrics.lineSpacing());
}

void AttitudeView::connectControls() {
    connectSurveyControls(this, screen_, *ui_, t::kCalculator, t::kMenu, [this](auto operation) { binding_.run(operation); });
}

void AttitudeView::copyIn() { copySurveyTextsIn(screen_, *ui_); }

void AttitudeView::copyOut() {
    copySurveyTextsOut(screen_, *ui_);
    net_->showPicture(screen_.stereonet);
    plan_->showPicture(screen_.plan);
}

bool AttitudeView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched == ui_->Combo2) binding_.run([this] { screen_.serialChoicesOpened(); });
    return QWidget::eventFilter(watched, event);
}

}  // namespace cesuan
