#include "views/qt_platform.h"

#include "views/angle_screen_view.h"
#include "views/area_view.h"
#include "views/attitude_view.h"
#include "views/base_calculator_view.h"
#include "views/bearing_view.h"
#include "views/coordinate_view.h"
#include "views/forward_view.h"
#include "views/equations_view.h"
#include "views/calculus_view.h"
#include "views/errors_view.h"
#include "views/help_view.h"
#include "views/main_window_view.h"
#include "views/matrix_view.h"
#include "views/module_menu_view.h"
#include "views/number_split_view.h"
#include "views/regression_view.h"
#include "views/session_keeper.h"
#include "views/statistics_view.h"
#include "views/transform_view.h"
#include "views/variable_editor_view.h"

#include "screens/help_texts.h"
#include "screens/platform_texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QLibraryInfo>
#include <QLocale>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QShortcut>
#include <QTranslator>
#include <QUrl>
#include <QStandardPaths>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <atomic>

namespace cesuan {

bool InstallChineseQtTexts(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    if (!translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

void QtMessageBox::show(const QString& text) {
    QMessageBox::information(QApplication::activeWindow(), QApplication::applicationName(), text, QMessageBox::Ok);
}

void QtMessageBox::showError(const QString& text) {
    QMessageBox::warning(QApplication::activeWindow(), QApplication::applicationName(), text, QMessageBox::Ok);
}

void QtMessageBox::showCancelTryContinue(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Cancel | QMessageBox::Retry,
                    QApplication::activeWindow());
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
    box.button(QMessageBox::Retry)->setText(QStringLiteral("重试"));
    box.addButton(QStringLiteral("继续"), QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();  // whichever button closes it, the caller goes on the same way
}

bool QtMessageBox::ask(const QString& text, const QString& accept, const QString& reject) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton* yes = box.addButton(accept, QMessageBox::AcceptRole);
    QPushButton* no = box.addButton(reject, QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

QtWebPageOpener::QtWebPageOpener() : openUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {}

void QtWebPageOpener::open(const QString& address) {
    if (openUrl(QUrl(address))) return;
    namespace t = texts::web;
    QMessageBox box(QMessageBox::Information, QApplication::applicationName(), t::kNoBrowser, QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setInformativeText(address);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QPushButton* copy = box.addButton(t::kCopyAddress, QMessageBox::ActionRole);
    box.setEscapeButton(box.addButton(t::kClose, QMessageBox::RejectRole));
    box.setDefaultButton(copy);
    box.exec();
    if (box.clickedButton() == copy) QGuiApplication::clipboard()->setText(address);
}

namespace {

// The folder a file dialog starts in.
QString startFolder(const QString& last) {
    return last.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) : last;
}

}  // namespace

QString QtFileChooser::openPath(const QString& title, const QString& filter) {
    const QString path = QFileDialog::getOpenFileName(QApplication::activeWindow(), title, startFolder(folder_), filter);
    if (!path.isEmpty()) folder_ = QFileInfo(path).absolutePath();
    return path;
}

QString QtFileChooser::savePath(const QString& title, const QString& filter, const QString& suggestedName) {
    QFileDialog dialog(QApplication::activeWindow(), title, QDir(startFolder(folder_)).filePath(suggestedName), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QFileInfo(suggestedName).suffix());  // a name typed without one gets it
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    const QString path = dialog.selectedFiles().constFirst();
    folder_ = QFileInfo(path).absolutePath();
    return path;
}

TextFileContent QtFileChooser::readText(const QString& path) {
    // The worker reads (90 %), decodes and makes the line ends CR LF; this thread turns the
    // event loop meanwhile.
    std::atomic<bool> stop{false};
    std::atomic<int> percent{0};
    QFutureWatcher<TextFileContent> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run([path, &stop, &percent] {
        return ReadTextFileWithCrLf(path, [&stop, &percent](qint64 done, qint64 total) {
            percent = total > 0 ? int(done * 90 / total) : 0;
            return !stop.load();
        });
    }));
    if (!watcher.isFinished()) {
        QProgressDialog progress(texts::files::reading(QFileInfo(path).fileName()), texts::files::kCancel, 0, 100,
                                 QApplication::activeWindow());
        progress.setWindowModality(Qt::ApplicationModal);
        progress.setMinimumDuration(300);
        progress.setAutoClose(false);
        progress.setAutoReset(false);
        QObject::connect(&progress, &QProgressDialog::canceled, &loop, [&stop] { stop = true; });
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, &progress, [&progress, &percent] { progress.setValue(percent); });
        tick.start(50);
        progress.setValue(0);
        if (!watcher.isFinished()) loop.exec();
    }
    TextFileContent content = watcher.result();
    if (stop) {
        content = TextFileContent();
        content.problem = FileProblem::Cancelled;
    }
    return content;
}

float QtRandomSource::next() {
    constexpr int kBits = 24;  // a float's mantissa: k / 2^24 is exact and below 1
    return float(QRandomGenerator::global()->bounded(1 << kBits)) / float(1 << kBits);
}

QtWindowPrinter::QtWindowPrinter(QWidget& window, MessageBoxService& messages, FileChooser& files)
    : printerNames([] { return QPrinterInfo::availablePrinterNames(); }),
      window_(&window),
      messages_(messages),
      files_(files) {}

bool QtWindowPrinter::paint(QPrinter& printer, const QPixmap& image) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = painter.viewport();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawPixmap(QRect(page.topLeft(), size), image);
    return painter.end();
}

PrintOutcome QtWindowPrinter::printWindow() {
    using Kind = PrintOutcome::Kind;
    if (window_.isNull()) return {Kind::Cancelled, QString()};
    const QPixmap image = window_->grab();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape : QPageLayout::Portrait);

    if (!printerNames().isEmpty()) {
        QPrintDialog dialog(&printer, window_);
        if (dialog.exec() != QDialog::Accepted) return {Kind::Cancelled, QString()};
        // The dialog may print to a PDF file instead.
        const bool toFile = !printer.outputFileName().isEmpty();
        const QString where = toFile ? printer.outputFileName() : printer.printerName();
        if (!paint(printer, image)) return {toFile ? Kind::PdfFailed : Kind::PrintFailed, where};
        return {toFile ? Kind::SavedAsPdf : Kind::Printed, where};
    }

    namespace t = texts::printing;
    if (!messages_.ask(t::kNoPrinter, t::kSavePdf, t::kCancel)) return {Kind::NoPrinter, QString()};
    const QString path = files_.savePath(texts::files::kSavePdfTitle, texts::files::kPdfFilter, texts::files::kPdfFileName);
    if (path.isEmpty()) return {Kind::Cancelled, QString()};
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    if (!paint(printer, image)) return {Kind::PdfFailed, path};
    return {Kind::SavedAsPdf, path};
}

ScreenRegistry::ScreenRegistry(MessageBoxService& messages, WebPageOpener& web, RandomSource& random, FileChooser& files)
    : messages_(messages), web_(web), random_(random), files_(files) {}

ScreenRegistry::ScreenRegistry(MessageBoxService& messages, WebPageOpener& web, RandomSource& random)
    : messages_(messages), web_(web), random_(random), ownFiles_(std::make_unique<QtFileChooser>()), files_(*ownFiles_) {}

ScreenRegistry::~ScreenRegistry() = default;

void ScreenRegistry::keepSession(SessionStore& store) { session_ = std::make_unique<SessionKeeper>(*this, store); }

std::unique_ptr<QWidget> ScreenRegistry::create(ScreenId screen) {
    switch (screen) {
    case ScreenId::Main: return std::make_unique<MainWindowView>(settings_, messages_, web_, random_, *this);
    case ScreenId::Variables: return std::make_unique<VariableEditorView>(settings_, web_);
    case ScreenId::Angles: return std::make_unique<AngleScreenView>(messages_);
    case ScreenId::Statistics: return std::make_unique<StatisticsView>(messages_, files_, *this);
    case ScreenId::Coordinates: return std::make_unique<CoordinateView>(messages_, web_, *this, files_);
    case ScreenId::Bearing: return std::make_unique<BearingView>(messages_, *this, files_);
    case ScreenId::Attitude: return std::make_unique<AttitudeView>(messages_, *this, files_);
    case ScreenId::BaseCalculator: return std::make_unique<BaseCalculatorView>(messages_, web_, *this, files_);
    case ScreenId::NumberSplit: return std::make_unique<NumberSplitView>();
    case ScreenId::ModuleMenu: return std::make_unique<ModuleMenuView>(web_, *this);
    case ScreenId::Help: return std::make_unique<HelpView>(web_, *this);
    case ScreenId::Welcome: return std::make_unique<WelcomeView>();
    case ScreenId::ButtonTest: return std::make_unique<ButtonTestView>();
    case ScreenId::Transform: return std::make_unique<TransformView>(messages_, *this, files_);
    case ScreenId::Area: return std::make_unique<AreaView>(messages_, *this, files_);
    case ScreenId::Forward: return std::make_unique<ForwardView>(messages_, *this, files_);
    case ScreenId::Regression: return std::make_unique<RegressionView>(messages_, files_, *this);
    case ScreenId::Matrix: return std::make_unique<MatrixView>(settings_, messages_, *this);
    case ScreenId::Equations: return std::make_unique<EquationsView>(settings_, messages_, *this);
    case ScreenId::Errors: return std::make_unique<ErrorsView>(settings_, messages_, *this);
    case ScreenId::Derivative:
        return std::make_unique<CalculusView>(CalculusScreen::Kind::Derivative, settings_, messages_, files_, *this);
    case ScreenId::Integral:
        return std::make_unique<CalculusView>(CalculusScreen::Kind::Integral, settings_, messages_, files_, *this);
    }
    return nullptr;
}

void ScreenRegistry::addWindowKeys(QWidget& window, ScreenId screen) {
    auto* help = new QShortcut(QKeySequence::HelpContents, &window);
    QObject::connect(help, &QShortcut::activated, &window, [this, screen] { showHelp(screen); });
    if (screen == ScreenId::Main) return;  // Esc belongs to the calculator's own keys there

    auto* close = new QShortcut(QKeySequence::Cancel, &window);
    QObject::connect(close, &QShortcut::activated, &window, &QWidget::close);
    auto* calculator = new QAction(texts::help::kBackToCalculator, &window);
    calculator->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    QObject::connect(calculator, &QAction::triggered, &window, [this] { show(ScreenId::Main); });
    window.addAction(calculator);
    window.setContextMenuPolicy(Qt::ActionsContextMenu);
}

void FitOpeningSize(QWidget& window) {
    QSize largest = kLargestOpeningSize;
    // The frame and title bar are not known before the window is shown; leave room for them.
    if (const QScreen* screen = window.screen())
        largest = largest.boundedTo(screen->availableGeometry().size() - QSize(16, 48));
    window.resize(window.size().boundedTo(largest).expandedTo(window.minimumSizeHint()));
}

bool ScreenRegistry::show(ScreenId screen) {
    std::unique_ptr<QWidget>& window = windows_[screen];
    if (!window) {
        window = create(screen);
        if (window) {
            FitOpeningSize(*window);
            addWindowKeys(*window, screen);
        }
        if (window && session_) session_->windowCreated(screen, *window);
    }
    if (!window) {
        windows_.erase(screen);
        return false;
    }
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

bool ScreenRegistry::showHelp(ScreenId topic) {
    if (!show(ScreenId::Help)) return false;
    static_cast<HelpView*>(window(ScreenId::Help))->showTopic(topic);
    return true;
}

QWidget* ScreenRegistry::window(ScreenId screen) const {
    const auto found = windows_.find(screen);
    return found == windows_.end() ? nullptr : found->second.get();
}

}  // namespace cesuan
