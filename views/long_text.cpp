#include "views/long_text.h"

#include "engine/line_ends.h"
#include "screens/platform_texts.h"
#include "views/widget_texts.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProgressDialog>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace cesuan {

namespace {

// About 5,000 lines of a point list: each piece takes a few hundredths of a second.
constexpr qsizetype kPiece = qsizetype(1) << 18;

// The long text a box was filled with (sharing the controller's characters, so that the two
// compare at once while the controller keeps it), and the document's revision just after.
constexpr char kFilledText[] = "cesuanFilledText";
constexpr char kFilledRevision[] = "cesuanFilledRevision";

}  // namespace

void setLongTextIfChanged(QPlainTextEdit* box, const QString& text) {
    QTextDocument* document = box->document();
    if (text.size() < kLongTextCharacters) {
        setTextIfChanged(box, WithLfLineEnds(text));
        box->setProperty(kFilledText, QVariant());
        return;
    }
    const auto remember = [box, document, &text] {
        box->setProperty(kFilledText, text);
        box->setProperty(kFilledRevision, document->revision());
    };
    // Unchanged since it was filled with this text; after an edit, the box's own text decides.
    const QVariant filled = box->property(kFilledText);
    const bool edited = box->property(kFilledRevision).toInt() != document->revision();
    if (filled.isValid() && !edited && filled.toString() == text) return;
    // A document holds one character more than its text (the end of its last paragraph).
    const qsizetype shownSize = text.size() - text.count(QStringLiteral("\r\n"));
    if ((edited || !filled.isValid()) && document->characterCount() == shownSize + 1 &&
        box->toPlainText() == WithLfLineEnds(text)) {
        remember();
        return;
    }

    const QPointer<QPlainTextEdit> alive(box);
    const int pieces = int((text.size() + kPiece - 1) / kPiece);
    QProgressDialog progress(texts::files::kFilling, QString(), 0, pieces, box->window());
    progress.setCancelButton(nullptr);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);

    box->clear();
    document->setUndoRedoEnabled(false);  // an undo step of the whole text would double it in memory
    QTextCursor cursor(document);
    int done = 0;
    for (qsizetype from = 0; from < text.size();) {
        qsizetype to = std::min(text.size(), from + kPiece);
        if (to < text.size()) {  // whole lines, so that no CR LF is split
            const qsizetype lineEnd = text.indexOf(u'\n', to);
            to = lineEnd < 0 ? text.size() : lineEnd + 1;
        }
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(WithLfLineEnds(QStringView(text).sliced(from, to - from)));
        from = to;
        progress.setValue(++done);
        QCoreApplication::processEvents();
        if (alive.isNull()) return;
    }
    document->setUndoRedoEnabled(true);
    box->moveCursor(QTextCursor::Start);
    remember();
}

}  // namespace cesuan
