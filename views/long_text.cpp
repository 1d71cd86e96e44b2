#include "views/long_text.h"

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

}  // namespace

void setLongTextIfChanged(QPlainTextEdit* box, const QString& text) {
    if (text.size() < kLongTextCharacters) {
        setTextIfChanged(box, text);
        return;
    }
    // A document holds one character more than its text: the end of its last paragraph.
    if (box->document()->characterCount() == text.size() + 1 && box->toPlainText() == text) return;

    const QPointer<QPlainTextEdit> alive(box);
    const int pieces = int((text.size() + kPiece - 1) / kPiece);
    QProgressDialog progress(texts::files::kFilling, QString(), 0, pieces, box->window());
    progress.setCancelButton(nullptr);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);

    QTextDocument* document = box->document();
    box->clear();
    document->setUndoRedoEnabled(false);  // an undo step of the whole text would double it in memory
    QTextCursor cursor(document);
    int done = 0;
    for (qsizetype from = 0; from < text.size();) {
        qsizetype to = std::min(text.size(), from + kPiece);
        if (to < text.size()) {  // whole lines
            const qsizetype lineEnd = text.indexOf(u'\n', to);
            to = lineEnd < 0 ? text.size() : lineEnd + 1;
        }
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(text.sliced(from, to - from));
        from = to;
        progress.setValue(++done);
        QCoreApplication::processEvents();
        if (alive.isNull()) return;
    }
    document->setUndoRedoEnabled(true);
    box->moveCursor(QTextCursor::Start);
}

}  // namespace cesuan
