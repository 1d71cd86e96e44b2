#include "engine/line_ends.h"

#include "engine/parallel.h"

#include <QStringDecoder>

#include <algorithm>
#include <vector>

namespace cesuan {

QString ConvertLineEnds(QStringView text, const LineEnds& how) {
    const bool anyEnd = how.read == LineEnds::Read::Any;
    const char16_t* const p = text.utf16();
    const qsizetype n = text.size();
    // The next line end at or after i: its position (n when there is none) and its length
    // (2 for CR LF, 1 for a lone CR or LF that counts). Characters above CR are never one.
    const auto nextEnd = [&](qsizetype i, qsizetype& length) {
        for (; i < n; ++i) {
            const char16_t c = p[i];
            if (c > u'\r') continue;
            if (c == u'\r') {
                if (i + 1 < n && p[i + 1] == u'\n') {
                    length = 2;
                    return i;
                }
                if (anyEnd) {
                    length = 1;
                    return i;
                }
            } else if (c == u'\n' && anyEnd) {
                length = 1;
                return i;
            }
        }
        length = 0;
        return n;
    };

    // The size first, so that a long text is written once into its place.
    qsizetype size = 0;
    bool endsWithLineEnd = false;  // the last characters are a line end
    for (qsizetype i = 0; i < n;) {
        qsizetype length = 0;
        const qsizetype end = nextEnd(i, length);
        size += end - i;
        if (length == 0) break;  // a last line without an end
        size += how.write.size();
        i = end + length;
        endsWithLineEnd = i == n;
    }
    const bool close = how.closeLastLine && !endsWithLineEnd;
    if (close) size += how.write.size();

    QString result(size, Qt::Uninitialized);
    char16_t* to = reinterpret_cast<char16_t*>(result.data());
    const auto writeEnd = [&] {
        for (const QChar c : how.write) *to++ = c.unicode();
    };
    for (qsizetype i = 0; i < n;) {
        qsizetype length = 0;
        const qsizetype end = nextEnd(i, length);
        std::copy(p + i, p + end, to);
        to += end - i;
        if (length == 0) break;
        writeEnd();
        i = end + length;
    }
    if (close) writeEnd();
    return result;
}

namespace {

qsizetype indexOfLineFeed(QStringView text, qsizetype from) { return text.indexOf(u'\n', from); }
qsizetype indexOfLineFeed(QByteArrayView text, qsizetype from) { return text.indexOf('\n', from); }

// Where the pieces of a text start: each just after a line feed, about as long as the text over
// the number of chunks; a piece never splits a CR LF, a UTF-8 sequence or a surrogate pair.
template <typename View>
std::vector<qsizetype> pieceStarts(View text, std::size_t minimumPiece, std::size_t threads) {
    const std::vector<Chunk> chunks = ChunksOf(std::size_t(text.size()), minimumPiece, threads);
    std::vector<qsizetype> starts{0};
    for (std::size_t k = 1; k < chunks.size(); ++k) {
        const qsizetype at = std::max(starts.back(), qsizetype(chunks[k].begin));
        const qsizetype lineFeed = indexOfLineFeed(text, at);
        if (lineFeed < 0 || lineFeed + 1 >= text.size()) break;
        starts.push_back(lineFeed + 1);
    }
    return starts;
}

template <typename View, typename Convert, typename Piece>
std::vector<Piece> inPieces(View text, const LineEnds& how, std::size_t threads, std::size_t minimumPiece,
                            Convert convert) {
    const std::vector<qsizetype> starts = pieceStarts(text, minimumPiece, threads);
    std::vector<Piece> pieces(starts.size());
    std::vector<Chunk> chunks;
    for (std::size_t k = 0; k < starts.size(); ++k) chunks.push_back({k, 0, 0});
    RunChunks(chunks, [&](const Chunk& chunk) {
        const std::size_t k = chunk.index;
        const qsizetype from = starts[k], to = k + 1 < starts.size() ? starts[k + 1] : text.size();
        LineEnds piece = how;
        piece.closeLastLine = how.closeLastLine && k + 1 == starts.size();  // only the text's last line
        pieces[k] = convert(text.sliced(from, to - from), piece, k == 0);
    });
    return pieces;
}

}  // namespace

QString DecodeUtf8Lines(QByteArrayView bytes, const LineEnds& how, std::size_t threads, std::size_t minimumPiece) {
    std::vector<QString> pieces = inPieces<QByteArrayView, QString (*)(QByteArrayView, const LineEnds&, bool), QString>(
        bytes, how, threads, minimumPiece, [](QByteArrayView piece, const LineEnds& ends, bool first) {
            // A byte order mark begins only the text: one at the start of a later piece is a character.
            QStringDecoder decoder(QStringDecoder::Utf8,
                                   first ? QStringDecoder::Flag::Default
                                         : QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
            return ConvertLineEnds(first ? QString::fromUtf8(piece) : QString(decoder.decode(piece)), ends);
        });
    return JoinPieces(pieces);
}

QByteArray EncodeUtf8Lines(QStringView text, const LineEnds& how, std::size_t threads, std::size_t minimumPiece) {
    std::vector<QByteArray> pieces = inPieces<QStringView, QByteArray (*)(QStringView, const LineEnds&, bool), QByteArray>(
        text, how, threads, minimumPiece,
        [](QStringView piece, const LineEnds& ends, bool) { return ConvertLineEnds(piece, ends).toUtf8(); });
    if (pieces.size() == 1) return std::move(pieces.front());
    qsizetype size = 0;
    for (const QByteArray& piece : pieces) size += piece.size();
    QByteArray joined;
    joined.reserve(size);
    for (QByteArray& piece : pieces) {
        joined += piece;
        piece = QByteArray();
    }
    return joined;
}

}  // namespace cesuan
