#pragma once
// Line ends of multi-line texts. The controllers hold CR LF; widgets hold "\n"; typed,
// pasted and read texts bring any of CR LF, a lone CR and a lone LF. One conversion serves
// them all, told which line ends count and what they become.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <cstddef>

namespace cesuan {

struct LineEnds {
    enum class Read {
        CrLf,  // only CR LF is a line end; a lone CR or LF stays as it is
        Any,   // CR LF, a lone CR and a lone LF are line ends
    };
    Read read = Read::Any;
    QStringView write = u"\r\n";  // what each line end becomes
    bool closeLastLine = false;   // a last line without an end gets one (so does the empty text)
};

// The text with its line ends converted in one pass.
QString ConvertLineEnds(QStringView text, const LineEnds& how);

// The usual conversions: any line end to CR LF (for a controller) and to "\n" (for a widget).
inline QString WithCrLfLineEnds(QStringView text) { return ConvertLineEnds(text, LineEnds{}); }
inline QString WithLfLineEnds(QStringView text) { return ConvertLineEnds(text, LineEnds{LineEnds::Read::Any, u"\n"}); }

// ConvertLineEnds(QString::fromUtf8(bytes), how): a long text decoded in pieces of whole lines
// on `threads` threads (0: one a core), none shorter than `minimumPiece` bytes.
QString DecodeUtf8Lines(QByteArrayView bytes, const LineEnds& how, std::size_t threads = 0,
                        std::size_t minimumPiece = std::size_t(1) << 20);

// ConvertLineEnds(text, how).toUtf8(): a long text encoded in pieces of whole lines likewise.
QByteArray EncodeUtf8Lines(QStringView text, const LineEnds& how, std::size_t threads = 0,
                           std::size_t minimumPiece = std::size_t(1) << 20);

}  // namespace cesuan
