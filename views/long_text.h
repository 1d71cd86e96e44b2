#pragma once
// Putting a long text (a point list of a million lines) into a plain text box without holding
// the window: the text goes in a piece at a time behind a progress dialog, the events handled
// between the pieces, so that the window keeps drawing.

#include <QPlainTextEdit>
#include <QString>

namespace cesuan {

// Texts from this many characters on go in by pieces.
inline constexpr qsizetype kLongTextCharacters = qsizetype(1) << 20;

// Puts the text (line ends "\n") into the box unless it holds it already; a long text goes in
// by pieces, not to be undone, the caret then at its start.
void setLongTextIfChanged(QPlainTextEdit* box, const QString& text);

}  // namespace cesuan
