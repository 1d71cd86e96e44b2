#pragma once
// The files that keep a SessionState between runs, in two folders given to the store:
//
//   <settings folder>/cesuan.ini    places, angle unit and the windows' geometry (QSettings, INI)
//   <data folder>/session.json      history, memory variables, input texts (written with
//                                   QSaveFile, so a crash leaves the old file or the new one)
//
// Loading never fails: a missing file gives the defaults of its parts; a file that cannot be
// read, or is damaged (no JSON or INI, an entry of the wrong type or out of range, too large),
// gives the defaults of its parts and a note that names the file. A damaged file is renamed
// to <file>.damaged, so that the next save does not overwrite it; a file that can be neither
// read nor renamed is not written by this store at all. An input text above
// kMaxKeptInputBytes is not kept, with a note naming its window, at that save and at the
// next load.

#include "session/session_state.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace cesuan {

class SessionStore {
public:
    SessionStore(const QString& settingsFolder, const QString& dataFolder);

    struct Loaded {
        SessionState state;
        QStringList notes;  // for the status box, in order
    };
    Loaded load();
    // Writes both files; the notes say what was not kept or could not be written.
    QStringList save(const SessionState& state) const;

    QString settingsFile() const { return settingsFile_; }
    QString dataFile() const { return dataFile_; }

    // Files above these sizes are taken as damaged without reading them.
    static constexpr qint64 kMaxSettingsFileBytes = qint64(1) << 20;
    static constexpr qint64 kMaxDataFileBytes = qint64(256) << 20;

private:
    QString settingsFile_;
    QString dataFile_;
    bool writeSettings_ = true;  // false: the file could not be read, and is left as it is
    bool writeData_ = true;
};

// The store of a program run with these command-line arguments: in the user's folders
// (QStandardPaths' AppConfigLocation and AppDataLocation), or none with --fresh, which
// starts from the defaults and keeps nothing. Other arguments are ignored.
std::unique_ptr<SessionStore> SessionStoreForArguments(const QStringList& arguments);

}  // namespace cesuan
