#include "views/session_keeper.h"

#include "session/session_store.h"
#include "views/main_window_view.h"
#include "views/qt_platform.h"
#include "views/widget_texts.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

namespace cesuan {

SessionKeeper::SessionKeeper(ScreenRegistry& screens, SessionStore& store) : screens_(screens), store_(store) {
    SessionStore::Loaded loaded = store_.load();
    kept_ = std::move(loaded.state);
    startNotes_ = std::move(loaded.notes);
    screens_.settings() = kept_.settings;
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &SessionKeeper::save);
}

QStringList SessionKeeper::inputBoxes(ScreenId screen) {
    switch (screen) {
    case ScreenId::Statistics:
    case ScreenId::Angles:
    case ScreenId::NumberSplit:
    case ScreenId::Coordinates:
    case ScreenId::Bearing:
    case ScreenId::Attitude:
    case ScreenId::Area: return {QStringLiteral("Text1")};
    case ScreenId::Forward:
        return {QStringLiteral("TextX"), QStringLiteral("TextY"), QStringLiteral("TextH"), QStringLiteral("Text1")};
    case ScreenId::Regression: return {QStringLiteral("Text1")};
    case ScreenId::BaseCalculator: return {QStringLiteral("Text1"), QStringLiteral("Text2")};
    case ScreenId::Transform:
        return {QStringLiteral("CommonPoints"), QStringLiteral("Parameters"), QStringLiteral("ApplyPoints"),
                QStringLiteral("CartesianInput")};
    case ScreenId::Matrix: return {QStringLiteral("TextA"), QStringLiteral("TextB")};
    case ScreenId::Equations: return {QStringLiteral("Text1")};
    case ScreenId::Errors: return {QStringLiteral("TextObservations"), QStringLiteral("TextFormula"), QStringLiteral("TextVariables")};
    case ScreenId::Derivative: return {QStringLiteral("TextFormula"), QStringLiteral("TextPoint")};
    case ScreenId::Integral: return {QStringLiteral("TextFormula"), QStringLiteral("TextFrom"), QStringLiteral("TextTo")};
    default: return {};
    }
}

void SessionKeeper::windowCreated(ScreenId screen, QWidget& window) {
    created_.push_back(screen);
    window.installEventFilter(this);

    if (const auto geometry = kept_.geometry.find(screen); geometry != kept_.geometry.end())
        window.restoreGeometry(geometry->second);

    if (const auto inputs = kept_.inputs.find(screen); inputs != kept_.inputs.end()) {
        for (const QString& name : inputBoxes(screen)) {
            const auto text = inputs->second.find(name);
            if (text == inputs->second.end()) continue;
            if (auto* line = window.findChild<QLineEdit*>(name)) setTextIfChanged(line, text->second);
            else if (auto* box = window.findChild<QPlainTextEdit*>(name)) setTextIfChanged(box, text->second);
        }
    }

    if (auto* main = qobject_cast<MainWindowView*>(&window)) {
        main->resume(kept_.settings, kept_.history, startNotes_);
        startNotes_.clear();
    }
}

SessionState SessionKeeper::collect() const {
    SessionState state = kept_;  // what windows not created in this run left
    state.settings = screens_.settings();
    for (const ScreenId screen : created_) {
        const QWidget* window = screens_.window(screen);
        if (window == nullptr) continue;
        if (const auto* main = qobject_cast<const MainWindowView*>(window)) state.history = main->history();
        state.geometry[screen] = window->saveGeometry();
        for (const QString& name : inputBoxes(screen)) {
            if (const auto* line = window->findChild<QLineEdit*>(name)) state.inputs[screen][name] = line->text();
            else if (const auto* box = window->findChild<QPlainTextEdit*>(name))
                state.inputs[screen][name] = box->toPlainText();
        }
    }
    return state;
}

void SessionKeeper::save() {
    const QStringList notes = store_.save(collect());
    if (notes.isEmpty()) return;
    if (auto* main = qobject_cast<MainWindowView*>(screens_.window(ScreenId::Main)))
        main->showNotes(notes);
    else
        for (const QString& note : notes) qWarning().noquote() << note;
}

bool SessionKeeper::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) save();
    return QObject::eventFilter(watched, event);
}

}  // namespace cesuan
