#include "views/coordinate_view.h"

#include "views/widget_texts.h"

#include "geodesy/projection.h"

#include "screens/coordinate_texts.h"
#include "views/box_font.h"
#include "views/long_text.h"
#include "views/plot_view.h"
#include "views/heading_font.h"
#include "engine/line_ends.h"
#include "ui_coordinate_view.h"

#include <QFocusEvent>
#include <QResizeEvent>
#include <QShortcut>
#include <QSplitter>

#include <algorithm>
#include <tuple>

namespace cesuan {

namespace t = texts::coordinates;

CoordinateView::CoordinateView(MessageBoxService& messages, WebPageOpener& web, ScreenNavigator& screens,
                               FileChooser& files, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::CoordinateView>()),
      printer_(*this, messages, files),
      screen_(messages, printer_, web, screens, files) {
    ui_->setupUi(this);
    setUpTexts();
    connectControls();
    plan_ = new PlotView;
    plan_->setObjectName(QStringLiteral("planView"));
    plan_->setServices(&files, &messages);
    connect(plan_, &PlotView::statusMessage, ui_->StatusLine, &QLabel::setText);
    // Below the panes, so that the window's width keeps serving them; low at first, so that a
    // taller window heightens the boxes (the splitter's handle heightens the plan).
    plan_->setPreferredSize(QSize(420, 150));
    PlaceBeside(*this, plan_, Qt::Vertical);
    // A narrow window still shows a whole result line of the start example in the input box,
    // and all the captions of the buttons under it.
    const QFontMetrics metrics(ui_->Text1->font());
    narrowWidth_ = std::max(ui_->leftPane->minimumSizeHint().width(),
                            metrics.horizontalAdvance(QString(46, u'0')) + 2 * metrics.lineSpacing());
    ui_->leftPane->setFixedWidth(narrowWidth_);
    ui_->rightPane->setMinimumWidth(narrowWidth_);
    for (QWidget* watched : {static_cast<QWidget*>(ui_->Label1), static_cast<QWidget*>(ui_->Label3),
                             static_cast<QWidget*>(ui_->Label5), static_cast<QWidget*>(ui_->Label21),
                             static_cast<QWidget*>(ui_->Combo3)})
        watched->installEventFilter(this);
    copyOut();  // the start example, the explanation and the settings as the controller loaded them
}

CoordinateView::~CoordinateView() = default;

void CoordinateView::setUpTexts() {
    setWindowTitle(t::kWindowTitle);

    ui_->Label1->setText(t::kTitle);
    ui_->Label1->setToolTip(t::kTipTitle);
    setHeadingFont(ui_->Label1);
    ui_->Label3->setText(t::kMeridianLabel);
    ui_->Label3->setToolTip(t::kTipMeridianLabel);
    ui_->Label4->setToolTip(t::kTipZoneLabel);
    ui_->Label5->setText(t::kGridLabel);
    ui_->Label21->setText(t::kSeparatorLabel);

    for (const EllipsoidChoice& ellipsoid : EllipsoidChoices()) ui_->Combo4->addItem(ellipsoid.name);
    ui_->Combo4->setToolTip(t::kTipEllipsoid);
    ui_->Combo3->addItems(t::kMeridians);
    ui_->Combo3->setToolTip(t::kTipMeridian);
    // A typed meridian is read as typed: no completion from the list, and it joins no list.
    ui_->Combo3->setCompleter(nullptr);
    ui_->Combo3->setInsertPolicy(QComboBox::NoInsert);
    // A lone blank would show as an empty entry: it gets a readable name, its data stays the
    // blank.
    for (const QString& separator : t::kSeparators)
        ui_->Combo5->addItem(separator == u" " ? t::kBlankEntryShown : separator, separator);
    ui_->Combo5->setToolTip(t::kTipSeparator);
    ui_->Check1->setToolTip(t::kTipSerial);

    // Both captions of the order button fit, so that it keeps its size when it toggles.
    const QFontMetrics labelMetrics(ui_->Option1->font());
    ui_->Option1->setMinimumWidth(
        std::max(labelMetrics.horizontalAdvance(t::kXyz), labelMetrics.horizontalAdvance(t::kYxz)) + 32);
    ui_->Label4->setMinimumWidth(labelMetrics.horizontalAdvance(QStringLiteral("对应带号:-30 -60 -121 ")));

    // Result lines line up only in a monospaced font where a Chinese character takes two
    // columns; neither box wraps its lines.
    const QFont font = boxFont();
    const QFontMetrics metrics(font);
    ui_->Text1->setFont(font);
    ui_->Text2->setFont(font);
    ui_->Text1->setToolTip(t::kTipInput);
    ui_->Text2->setToolTip(t::kTipOutput);
    for (QPlainTextEdit* box : {ui_->Text1, ui_->Text2}) box->setMinimumHeight(metrics.lineSpacing() * 10 + 12);
}

void CoordinateView::connectControls() {
    const std::tuple<QPushButton*, QString, QString, void (CoordinateScreen::*)()> buttons[] = {
        {ui_->CommandJto6, t::kGeoTo6, QString(), &CoordinateScreen::geoToZone6},
        {ui_->CommandJto3, t::kGeoTo3, QString(), &CoordinateScreen::geoToZone3},
        {ui_->CommandJto1, t::kGeoTo1p5, QString(), &CoordinateScreen::geoToZone1p5},
        {ui_->Command6toJ, t::k6ToGeo, t::kTipConvert, &CoordinateScreen::zone6ToGeo},
        {ui_->Command3toJ, t::k3ToGeo, t::kTipConvert, &CoordinateScreen::zone3ToGeo},
        {ui_->Command1toJ, t::k1p5ToGeo, t::kTipConvert, &CoordinateScreen::zone1p5ToGeo},
        {ui_->Command6to3, t::k6To3, QString(), &CoordinateScreen::zone6To3},
        {ui_->Command3to6, t::k3To6, QString(), &CoordinateScreen::zone3To6},
        {ui_->Command3to1, t::k3To1p5, QString(), &CoordinateScreen::zone3To1p5},
        {ui_->Command1to3, t::k1p5To3, QString(), &CoordinateScreen::zone1p5To3},
        {ui_->CommandJiaoHuan, t::kSwap, QString(), &CoordinateScreen::swapTexts},
        {ui_->CommandPrint, t::kPrint, t::kTipPrint, &CoordinateScreen::printScreen},
        {ui_->CommandJsq, t::kCalculator, QString(), &CoordinateScreen::showCalculator},
        {ui_->CommandQiTa, t::kMenu, t::kTipMenu, &CoordinateScreen::showMenu},
        {ui_->CommandHelp, t::kHelp, QString(), &CoordinateScreen::showHelp},
        {ui_->CommandGps, t::kGps, QString(), &CoordinateScreen::gps},
        {ui_->CommandDanLie, t::kSingleColumn, QString(), &CoordinateScreen::singleColumn},
        {ui_->CommandWebHome, t::kWebHome, web::kHome, &CoordinateScreen::openHomePage},
        {ui_->CommandWebCommunity, t::kWebCommunity, web::kCommunity, &CoordinateScreen::openCommunityPage},
    };
    for (const auto& [button, caption, tip, command] : buttons) {
        button->setText(caption);
        button->setToolTip(tip);
        binding_.bind(button, [this, command] { (screen_.*command)(); });
    }

    // Ctrl+O opens a point list into the input, Ctrl+S saves the output.
    const std::pair<QKeySequence::StandardKey, void (CoordinateScreen::*)()> keys[] = {
        {QKeySequence::Open, &CoordinateScreen::openPoints},
        {QKeySequence::Save, &CoordinateScreen::saveResult},
    };
    for (const auto& [key, command] : keys)
        connect(new QShortcut(key, this), &QShortcut::activated, this,
                [this, command] { binding_.run([this, command] { (screen_.*command)(); }); });

    // The order button acts when it goes down, the check box when it comes up.
    connect(ui_->Option1, &QPushButton::pressed, this, [this] { binding_.run([this] { screen_.toggleDataOrder(); }); });
    connect(ui_->Check1, &QCheckBox::clicked, this,
            [this](bool checked) { binding_.run([this, checked] { screen_.serialToggled(checked); }); });
    // A choice of the user; the items set from the controller do not count.
    connect(ui_->Combo3, &QComboBox::activated, this,
            [this](int index) { binding_.run([this, index] { screen_.meridianClicked(index); }); });
    connect(ui_->Combo5, &QComboBox::activated, this,
            [this](int index) { binding_.run([this, index] { screen_.separatorClicked(index); }); });
}

void CoordinateView::copyIn() {
    screen_.input = WithCrLfLineEnds(ui_->Text1->toPlainText());
    screen_.output = WithCrLfLineEnds(ui_->Text2->toPlainText());
    screen_.meridianIndex = ui_->Combo3->currentIndex();
    screen_.meridianText = ui_->Combo3->currentText();
    screen_.ellipsoidIndex = ui_->Combo4->currentIndex();
    screen_.separatorIndex = ui_->Combo5->currentIndex();
    screen_.serialOutputChecked = ui_->Check1->isChecked();
}

void CoordinateView::copyOut() {
    setLongTextIfChanged(ui_->Text1, screen_.input);
    setLongTextIfChanged(ui_->Text2, screen_.output);
    if (ui_->Combo3->currentIndex() != screen_.meridianIndex) ui_->Combo3->setCurrentIndex(screen_.meridianIndex);
    if (ui_->Combo3->currentText() != screen_.meridianText) ui_->Combo3->setEditText(screen_.meridianText);
    if (ui_->Combo4->currentIndex() != screen_.ellipsoidIndex) ui_->Combo4->setCurrentIndex(screen_.ellipsoidIndex);
    if (ui_->Combo5->currentIndex() != screen_.separatorIndex) ui_->Combo5->setCurrentIndex(screen_.separatorIndex);

    ui_->Option1->setText(screen_.orderCaption);
    ui_->Option1->setToolTip(screen_.orderTooltip);
    const Rgb& c = screen_.orderColour;
    QPalette palette = ui_->Option1->palette();
    palette.setColor(QPalette::Button, QColor(c.red, c.green, c.blue));
    ui_->Option1->setPalette(palette);

    ui_->Check1->setChecked(screen_.serialOutputChecked);
    ui_->Check1->setText(screen_.serialOutputCaption);
    ui_->Label4->setText(screen_.zoneLabel);
    ui_->StatusLine->setText(screen_.statusLine);
    plan_->showPicture(screen_.plan);
}

bool CoordinateView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == ui_->Label1) binding_.run([this] { screen_.cleanInput(); });
        else if (watched == ui_->Label3) binding_.run([this] { screen_.resetMeridian(); });
        else if (watched == ui_->Label5) binding_.run([this] { screen_.resetEllipsoid(); });
        else if (watched == ui_->Label21) binding_.run([this] { screen_.resetSeparator(); });
    } else if (event->type() == QEvent::FocusOut && watched == ui_->Combo3) {
        // Opening its own list, a message box or another application's window does not
        // leave the list: the focus comes back to it.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            binding_.run([this] { screen_.meridianLostFocus(); });
    }
    return QWidget::eventFilter(watched, event);
}

void CoordinateView::resizeEvent(QResizeEvent* event) {
    // The layout has already placed the panes for the new size: it places them again now
    // rather than a moment later.
    ui_->leftPane->setFixedWidth(std::max(narrowWidth_, int(event->size().width() / 2.4)));
    ui_->windowLayout->activate();
    // The panes and the plan below them share a splitter: its minimum, and the window's,
    // follow at once.
    if (auto* splitter = findChild<QSplitter*>(QStringLiteral("pictureSplitter"))) splitter->updateGeometry();
    layout()->activate();
    QWidget::resizeEvent(event);
}

}  // namespace cesuan
