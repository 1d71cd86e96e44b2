#pragma once
// Opening, saving and printing as the windows do it: the dialogs through the platform, a file
// that cannot be read or written named in an error box, a cancelled dialog doing nothing.

#include "files/text_file.h"
#include "screens/message_box.h"
#include "screens/platform.h"

#include <QString>

#include <optional>

namespace cesuan {

struct OpenedTextFile {
    QString path;
    QString text;  // CR LF line ends
    TextEncoding encoding = TextEncoding::Utf8;
};

// Asks for a file to open and reads it. Nothing when the dialog or the reading was cancelled,
// or when the file cannot be read (an error box names it and says why).
std::optional<OpenedTextFile> OpenTextFile(FileChooser& files, MessageBoxService& messages, const QString& title,
                                           const QString& filter);

// Writes the text to the chosen file (UTF-8 with a byte-order mark); false when it cannot be
// written (an error box names it and says why).
bool WriteChosenFile(MessageBoxService& messages, const QString& path, const QString& text);

// Asks where to save and writes the text there (UTF-8 with a byte-order mark). The path
// written; empty when the dialog was cancelled or the file could not be written (an error box
// names it and says why).
QString SaveTextFile(FileChooser& files, MessageBoxService& messages, const QString& title, const QString& filter,
                     const QString& suggestedName, const QString& text);

// Ctrl+O of the point windows: asks for a point list and puts it into `text`; `status` says
// what was read. Nothing changes when the dialog was cancelled or the file cannot be read.
void OpenPointList(FileChooser& files, MessageBoxService& messages, QString& text, QString& status);

// Ctrl+S of the point windows: saves the result under the suggested name and says where in
// `status`; an empty result says so in a box instead.
void SaveResultText(FileChooser& files, MessageBoxService& messages, const QString& result,
                    const QString& suggestedName, QString& status);

// The lines of a CR LF text (a last line without its end counts).
qsizetype CountLines(QStringView text);

// "已打开 点.csv（12 行，GBK 编码）"
QString OpenedNote(const OpenedTextFile& file);

// Says what became of a print request: a box for a saved PDF (where it is) and for a failure;
// returns the words for a status line.
QString ReportPrint(MessageBoxService& messages, const PrintOutcome& outcome);

}  // namespace cesuan
