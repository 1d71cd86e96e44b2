#include "engine/line_ends.h"

namespace cesuan {

QString ConvertLineEnds(QStringView text, const LineEnds& how) {
    const bool anyEnd = how.read == LineEnds::Read::Any;
    const qsizetype n = text.size();
    // The length of the line end at i (2 for CR LF, 1 for a lone CR or LF that counts), or 0.
    const auto endAt = [&](qsizetype i) -> qsizetype {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 < n && text[i + 1] == u'\n') return 2;
            return anyEnd ? 1 : 0;
        }
        return c == u'\n' && anyEnd ? 1 : 0;
    };

    // The size first, so that a long text is written once into its place.
    qsizetype size = 0;
    bool endsWithLineEnd = false;
    for (qsizetype i = 0; i < n;) {
        const qsizetype end = endAt(i);
        if (end == 0) {
            ++size;
            ++i;
            endsWithLineEnd = false;
        } else {
            size += how.write.size();
            i += end;
            endsWithLineEnd = true;
        }
    }
    const bool close = how.closeLastLine && !endsWithLineEnd;
    if (close) size += how.write.size();

    QString result(size, Qt::Uninitialized);
    QChar* to = result.data();
    const auto writeEnd = [&] {
        for (const QChar c : how.write) *to++ = c;
    };
    for (qsizetype i = 0; i < n;) {
        const qsizetype end = endAt(i);
        if (end == 0) {
            *to++ = text[i++];
        } else {
            writeEnd();
            i += end;
        }
    }
    if (close) writeEnd();
    return result;
}

}  // namespace cesuan
