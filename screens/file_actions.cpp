#include "screens/file_actions.h"

#include "screens/platform_texts.h"

#include <QFileInfo>

namespace cesuan {

namespace t = texts::files;

std::optional<OpenedTextFile> OpenTextFile(FileChooser& files, MessageBoxService& messages, const QString& title,
                                           const QString& filter) {
    const QString path = files.openPath(title, filter);
    if (path.isEmpty()) return std::nullopt;
    TextFileContent content = files.readText(path);
    switch (content.problem) {
    case FileProblem::None: break;
    case FileProblem::Cancelled: return std::nullopt;
    case FileProblem::Missing: messages.showError(t::msgMissing(path)); return std::nullopt;
    case FileProblem::NotAFile: messages.showError(t::msgNotAFile(path)); return std::nullopt;
    case FileProblem::TooLarge: messages.showError(t::msgTooLarge(path)); return std::nullopt;
    case FileProblem::NotText: messages.showError(t::msgNotText(path)); return std::nullopt;
    case FileProblem::Unreadable:
    case FileProblem::NotWritten: messages.showError(t::msgUnreadable(path, content.detail)); return std::nullopt;
    }
    OpenedTextFile opened;
    opened.path = path;
    opened.text = std::move(content.text);
    opened.encoding = content.encoding;
    return opened;
}

QString SaveTextFile(FileChooser& files, MessageBoxService& messages, const QString& title, const QString& filter,
                     const QString& suggestedName, const QString& text) {
    const QString path = files.savePath(title, filter, suggestedName);
    if (path.isEmpty() || !WriteChosenFile(messages, path, text)) return QString();
    return path;
}

bool WriteChosenFile(MessageBoxService& messages, const QString& path, const QString& text) {
    QString detail;
    if (WriteTextFile(path, text, &detail) == FileProblem::None) return true;
    messages.showError(t::msgNotWritten(path, detail));
    return false;
}

void OpenPointList(FileChooser& files, MessageBoxService& messages, QString& text, QString& status) {
    std::optional<OpenedTextFile> file = OpenTextFile(files, messages, t::kOpenPointsTitle, t::kOpenFilter);
    if (!file) return;
    status = OpenedNote(*file);
    text = std::move(file->text);
}

void SaveResultText(FileChooser& files, MessageBoxService& messages, const QString& result,
                    const QString& suggestedName, QString& status) {
    if (result.trimmed().isEmpty()) {
        messages.show(t::kNothingToSave);
        return;
    }
    const QString path = SaveTextFile(files, messages, t::kSaveResultTitle, t::kTextFilter, suggestedName, result);
    if (!path.isEmpty()) status = t::saved(path);
}

qsizetype CountLines(QStringView text) {
    if (text.isEmpty()) return 0;
    return text.count(u"\r\n") + (text.endsWith(u"\r\n") ? 0 : 1);
}

QString OpenedNote(const OpenedTextFile& file) {
    const QString encoding = file.encoding == TextEncoding::Gbk     ? t::kGbk
                             : file.encoding == TextEncoding::Utf16 ? t::kUtf16
                                                                    : t::kUtf8;
    return t::opened(QFileInfo(file.path).fileName(), CountLines(file.text), encoding);
}

QString ReportPrint(MessageBoxService& messages, const PrintOutcome& outcome) {
    namespace p = texts::printing;
    switch (outcome.kind) {
    case PrintOutcome::Kind::Printed: return p::printed(outcome.where);
    case PrintOutcome::Kind::SavedAsPdf: messages.show(p::savedAsPdf(outcome.where)); return p::savedAsPdf(outcome.where);
    case PrintOutcome::Kind::Cancelled: return QString();
    case PrintOutcome::Kind::NoPrinter: return p::kNotPrinted;
    case PrintOutcome::Kind::PrintFailed: messages.showError(p::msgNotPrinted(outcome.where)); return QString();
    case PrintOutcome::Kind::PdfFailed: messages.showError(p::msgPdfNotWritten(outcome.where)); return QString();
    }
    return QString();
}

}  // namespace cesuan
