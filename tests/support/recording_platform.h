#pragma once
// Recorders of the platform services for tests: each keeps what a screen asked of it, in
// order, so that a test can say which boxes were shown, pages opened or screens shown.

#include "screens/message_box.h"
#include "screens/platform.h"

#include <QString>
#include <QList>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace cesuan {

// Keeps every text shown, in order.
class RecordingMessageBox : public MessageBoxService {
public:
    void show(const QString& text) override { shown.append(text); }
    void showError(const QString& text) override {
        shown.append(text);
        errors.append(text);
    }
    void showCancelTryContinue(const QString& text, const QString& title) override {
        shown.append(text);
        titles.append(title);
    }
    // Answers with `answers` in turn, no when none are left.
    bool ask(const QString& text, const QString& accept, const QString&) override {
        shown.append(text);
        questions.append(text);
        accepts.append(accept);
        return !answers.empty() && answers.takeFirst();
    }
    QStringList shown;
    QStringList questions;  // the questions asked, also in `shown`
    QStringList accepts;    // their buttons that say yes
    QList<bool> answers;
    QStringList errors;  // the boxes shown as errors (the warning icon), also in `shown`
    QStringList titles;  // of the boxes that carry their own
};

class RecordingWebPageOpener : public WebPageOpener {
public:
    void open(const QString& address) override { opened.append(address); }
    QStringList opened;
};

// Returns the given values in turn (then repeats the last); 0.5 when none were given.
class FixedRandomSource : public RandomSource {
public:
    explicit FixedRandomSource(std::vector<float> values = {}) : values_(std::move(values)) {}
    float next() override {
        if (values_.empty()) return 0.5f;
        const float v = values_[std::min(index_, values_.size() - 1)];
        ++index_;
        return v;
    }

private:
    std::vector<float> values_;
    std::size_t index_ = 0;
};

// Counts the print requests and answers each with `outcome`.
class RecordingPrinter : public WindowPrinter {
public:
    PrintOutcome printWindow() override {
        ++printed;
        return outcome;
    }
    int printed = 0;
    PrintOutcome outcome;
};

// Answers the file dialogs with the paths given, in turn (an empty path, or none left: the
// dialog was cancelled), and keeps the titles and filters they were opened with. Files are
// read as the window reads them, on the calling thread.
class RecordingFileChooser : public FileChooser {
public:
    QString openPath(const QString& title, const QString& filter) override {
        opened.append(title);
        filters.append(filter);
        return openPaths.isEmpty() ? QString() : openPaths.takeFirst();
    }
    QString savePath(const QString& title, const QString& filter, const QString& suggestedName) override {
        saved.append(title);
        filters.append(filter);
        suggestedNames.append(suggestedName);
        return savePaths.isEmpty() ? QString() : savePaths.takeFirst();
    }
    QStringList openPaths, savePaths;       // the answers still to give
    QStringList opened, saved;              // the titles of the open and save dialogs shown
    QStringList filters, suggestedNames;
};

class RecordingNavigator : public ScreenNavigator {
public:
    bool show(ScreenId screen) override {
        shown.push_back(screen);
        return std::find(missing.begin(), missing.end(), screen) == missing.end();
    }
    bool showHelp(ScreenId topic) override {
        helpTopics.push_back(topic);
        return show(ScreenId::Help);
    }
    std::vector<ScreenId> shown;
    std::vector<ScreenId> helpTopics;  // the topics the help was opened at
    std::vector<ScreenId> missing;  // screens that report themselves as not there
};

}  // namespace cesuan
