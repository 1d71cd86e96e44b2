#include "views/work_runner.h"

#include "screens/platform_texts.h"

#include <QApplication>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QProgressDialog>
#include <QtConcurrent/QtConcurrentRun>

#include <memory>

namespace cesuan {

bool QtWorkRunner::run(const QString& label, Work work) {
    // The flag and the work belong to the worker too: a cancelled one may end after this.
    auto stop = std::make_shared<std::atomic<bool>>(false);
    QFutureWatcher<void> watcher;
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run([stop, work = std::move(work)] { work(*stop); }));
    if (watcher.isFinished()) return true;

    QProgressDialog progress(label, texts::files::kCancel, 0, 0, window_);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(dialogDelayMs);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    bool cancelled = false;
    QObject::connect(&progress, &QProgressDialog::canceled, &loop, [&] {
        cancelled = true;
        stop->store(true);
        loop.quit();
    });
    progress.setValue(0);
    if (!watcher.isFinished()) loop.exec();
    // A dialog that showed held the keyboard (a window handle is made when it first shows); the
    // window gets it back, unless another of the program's windows has it meanwhile.
    if (progress.windowHandle() != nullptr && window_ != nullptr) {
        progress.hide();
        const QWidget* active = QApplication::activeWindow();
        if (active == nullptr || active == &progress) window_->window()->activateWindow();
    }
    return !cancelled;
}

}  // namespace cesuan
