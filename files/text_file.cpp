#include "files/text_file.h"

#include "engine/line_ends.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>

namespace cesuan {

namespace {

// Pieces of a long file between two reports.
constexpr qint64 kReadPiece = qint64(4) << 20;

// Control characters that do not occur in text: all below the blank except tab, line feed,
// vertical tab, form feed, carriage return, and the SUB an old editor puts at the end.
bool isStrayControl(char16_t c) {
    return c < 0x20 && c != u'\t' && c != u'\n' && c != 0x0B && c != 0x0C && c != u'\r' && c != 0x1A;
}

// Text has no NUL and hardly any other stray control character (at most one in 64).
bool looksLikeText(const QString& text) {
    qsizetype stray = 0;
    for (const QChar c : text) {
        if (c.unicode() == 0) return false;
        if (isStrayControl(c.unicode())) ++stray;
    }
    return stray * 64 <= text.size();
}

TextFileContent notText() {
    TextFileContent content;
    content.problem = FileProblem::NotText;
    return content;
}

}  // namespace

TextFileContent DecodeTextBytes(QByteArrayView bytes) {
    TextFileContent content;
    const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes);
    if (marked && *marked != QStringConverter::Utf8) {
        // UTF-16 or UTF-32, told by their mark; the decoder skips it.
        QStringDecoder decoder(*marked);
        content.text = decoder.decode(bytes);
        content.encoding = TextEncoding::Utf16;
        if (decoder.hasError() || !looksLikeText(content.text)) return notText();
        return content;
    }
    if (bytes.contains('\0')) return notText();

    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    QStringDecoder utf8(QStringConverter::Utf8);  // it drops the mark itself
    content.text = utf8.decode(bytes);
    content.encoding = bom ? TextEncoding::Utf8WithBom : TextEncoding::Utf8;
    if (utf8.hasError() && !bom) {
        QStringDecoder gbk("GBK");
        if (!gbk.isValid()) return notText();
        content.text = gbk.decode(bytes);
        content.encoding = TextEncoding::Gbk;
        if (gbk.hasError()) return notText();
    } else if (utf8.hasError()) {
        return notText();
    }
    if (!looksLikeText(content.text)) return notText();
    return content;
}

TextFileContent ReadTextFile(const QString& path, const ReadProgress& progress) {
    TextFileContent failed;
    const QFileInfo info(path);
    if (!info.exists()) {
        failed.problem = FileProblem::Missing;
        return failed;
    }
    if (!info.isFile()) {
        failed.problem = FileProblem::NotAFile;
        return failed;
    }
    if (info.size() > kTextFileLimit) {
        failed.problem = FileProblem::TooLarge;
        return failed;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        failed.problem = FileProblem::Unreadable;
        failed.detail = file.errorString();
        return failed;
    }
    const qint64 total = file.size();
    QByteArray bytes;
    bytes.reserve(qsizetype(total));
    while (!file.atEnd()) {
        if (progress && !progress(bytes.size(), total)) {
            failed.problem = FileProblem::Cancelled;
            return failed;
        }
        const QByteArray piece = file.read(kReadPiece);
        if (piece.isEmpty() && file.error() != QFileDevice::NoError) {
            failed.problem = FileProblem::Unreadable;
            failed.detail = file.errorString();
            return failed;
        }
        if (piece.isEmpty()) break;
        bytes += piece;
        if (bytes.size() > kTextFileLimit) {  // a file that grows while it is read
            failed.problem = FileProblem::TooLarge;
            return failed;
        }
    }
    if (progress) progress(bytes.size(), std::max(total, qint64(bytes.size())));
    return DecodeTextBytes(bytes);
}

TextFileContent ReadTextFileWithCrLf(const QString& path, const ReadProgress& progress) {
    TextFileContent content = ReadTextFile(path, progress);
    content.text = WithCrLfLineEnds(content.text);
    return content;
}

FileProblem WriteTextFile(const QString& path, const QString& text, QString* detail) {
    QSaveFile file(path);
    const auto failed = [&] {
        if (detail != nullptr) *detail = file.errorString();
        file.cancelWriting();
        return FileProblem::NotWritten;
    };
    if (!file.open(QIODevice::WriteOnly)) return failed();
    const QByteArray bytes = QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
    if (file.write(bytes) != bytes.size()) return failed();
    if (!file.commit()) {
        if (detail != nullptr) *detail = file.errorString();
        return FileProblem::NotWritten;
    }
    return FileProblem::None;
}

}  // namespace cesuan
