#pragma once
// Text files the user opens and saves. Reading finds the encoding itself: a byte-order mark
// (UTF-8, UTF-16, UTF-32), else valid UTF-8, else GBK (the Chinese Windows code page).
// Writing is all or nothing: the file is replaced only once every byte is on disk.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

namespace cesuan {

enum class TextEncoding {
    Utf8,         // UTF-8 without a byte-order mark (plain ASCII too)
    Utf8WithBom,  // UTF-8 after the mark EF BB BF
    Utf16,        // UTF-16 or UTF-32 after their mark
    Gbk,          // GBK
};

// Why a file could not be read or written.
enum class FileProblem {
    None,
    Missing,     // no such file
    NotAFile,    // a folder or a device
    Unreadable,  // it cannot be opened or read (rights, a failing disk)
    TooLarge,    // above kTextFileLimit bytes
    NotText,     // binary data, or neither UTF-8 nor GBK
    Cancelled,   // the reader was told to stop
    NotWritten,  // it cannot be written
};

// The largest file read as text.
inline constexpr qint64 kTextFileLimit = qint64(256) << 20;

struct TextFileContent {
    QString text;  // the text, line ends as in the file, without a byte-order mark
    TextEncoding encoding = TextEncoding::Utf8;
    FileProblem problem = FileProblem::None;
    QString detail;  // the system's own words for an Unreadable or NotWritten file
    bool ok() const { return problem == FileProblem::None; }
};

// Decodes the bytes of a text file as the reading does (problem None or NotText).
TextFileContent DecodeTextBytes(QByteArrayView bytes);

// Told the bytes read so far and the size of the file; returns false to stop reading.
using ReadProgress = std::function<bool(qint64 done, qint64 total)>;

// Reads and decodes a whole file; a long file is read a piece at a time, each piece reported.
TextFileContent ReadTextFile(const QString& path, const ReadProgress& progress = {});
// The same with every line end (CR LF, a lone CR or LF) made CR LF.
TextFileContent ReadTextFileWithCrLf(const QString& path, const ReadProgress& progress = {});

// The text as UTF-8 with a byte-order mark (spreadsheets then read it as UTF-8), written
// through a temporary file that replaces `path` once it is complete. Returns None or
// NotWritten (with the system's words in `detail`).
FileProblem WriteTextFile(const QString& path, const QString& text, QString* detail = nullptr);

}  // namespace cesuan
