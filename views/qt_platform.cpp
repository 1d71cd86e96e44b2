#include "views/qt_platform.h"

#include "views/angle_screen_view.h"
#include "views/attitude_view.h"
#include "views/base_calculator_view.h"
#include "views/bearing_view.h"
#include "views/coordinate_view.h"
#include "views/help_view.h"
#include "views/main_window_view.h"
#include "views/module_menu_view.h"
#include "views/number_split_view.h"
#include "views/session_keeper.h"
#include "views/statistics_view.h"
#include "views/variable_editor_view.h"

#include "screens/help_texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QRandomGenerator>
#include <QShortcut>
#include <QTranslator>
#include <QUrl>

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

void QtWebPageOpener::open(const QString& address) { QDesktopServices::openUrl(QUrl(address)); }

float QtRandomSource::next() {
    constexpr int kBits = 24;  // a float's mantissa: k / 2^24 is exact and below 1
    return float(QRandomGenerator::global()->bounded(1 << kBits)) / float(1 << kBits);
}

void QtWindowPrinter::printWindow() {
    if (window_.isNull()) return;
    const QPixmap image = window_->grab();
    QPrinter printer(QPrinter::HighResolution);
    QPainter painter;
    if (!painter.begin(&printer)) return;
    const QRect page = painter.viewport();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawPixmap(QRect(page.topLeft(), size), image);
    painter.end();
}

ScreenRegistry::ScreenRegistry(MessageBoxService& messages, WebPageOpener& web, RandomSource& random)
    : messages_(messages), web_(web), random_(random) {}

ScreenRegistry::~ScreenRegistry() = default;

void ScreenRegistry::keepSession(SessionStore& store) { session_ = std::make_unique<SessionKeeper>(*this, store); }

std::unique_ptr<QWidget> ScreenRegistry::create(ScreenId screen) {
    switch (screen) {
    case ScreenId::Main: return std::make_unique<MainWindowView>(settings_, messages_, web_, random_, *this);
    case ScreenId::Variables: return std::make_unique<VariableEditorView>(settings_, web_);
    case ScreenId::Angles: return std::make_unique<AngleScreenView>(messages_);
    case ScreenId::Statistics: return std::make_unique<StatisticsView>(messages_);
    case ScreenId::Coordinates: return std::make_unique<CoordinateView>(messages_, web_, *this);
    case ScreenId::Bearing: return std::make_unique<BearingView>(messages_, *this);
    case ScreenId::Attitude: return std::make_unique<AttitudeView>(messages_, *this);
    case ScreenId::BaseCalculator: return std::make_unique<BaseCalculatorView>(messages_, web_, *this);
    case ScreenId::NumberSplit: return std::make_unique<NumberSplitView>();
    case ScreenId::ModuleMenu: return std::make_unique<ModuleMenuView>(web_, *this);
    case ScreenId::Help: return std::make_unique<HelpView>(web_, *this);
    case ScreenId::Welcome: return std::make_unique<WelcomeView>();
    case ScreenId::ButtonTest: return std::make_unique<ButtonTestView>();
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

bool ScreenRegistry::show(ScreenId screen) {
    std::unique_ptr<QWidget>& window = windows_[screen];
    if (!window) {
        window = create(screen);
        if (window) addWindowKeys(*window, screen);
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
