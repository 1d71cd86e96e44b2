#pragma once
// Offline stand-ins of the platform services, for the command line and the tools that drive
// the screens without a window (the screenshot tool, the fuzz targets, the benchmarks):
// nothing is opened, printed or shown, and message boxes go to a stream or nowhere.

#include "screens/message_box.h"
#include "screens/platform.h"

#include <QByteArray>
#include <QString>

#include <cstdio>

namespace cesuan {

class NoWebPages : public WebPageOpener {
public:
    void open(const QString&) override {}
};

class NoPrinter : public WindowPrinter {
public:
    PrintOutcome printWindow() override { return {PrintOutcome::Kind::NoPrinter, QString()}; }
};

// Every dialog is cancelled.
class NoFileDialogs : public FileChooser {
public:
    QString openPath(const QString&, const QString&) override { return QString(); }
    QString savePath(const QString&, const QString&, const QString&) override { return QString(); }
};

class NoScreens : public ScreenNavigator {
public:
    bool show(ScreenId) override { return false; }
};

// Always 0.5: nothing presses the random-number key.
class NoRandom : public RandomSource {
public:
    float next() override { return 0.5f; }
};

class NoMessageBoxes : public MessageBoxService {
public:
    void show(const QString&) override {}
};

// Each box's text on one line of a stream (standard error), line feeds made blanks.
class StreamMessageBox : public MessageBoxService {
public:
    explicit StreamMessageBox(std::FILE* stream) : stream_(stream) {}
    void show(const QString& text) override {
        const QByteArray bytes = (QString(text).replace(u'\n', u' ') + u'\n').toUtf8();
        std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream_);
    }

private:
    std::FILE* stream_;
};

}  // namespace cesuan
