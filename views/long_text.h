#pragma once
// Putting a long text (a point list of a million lines) into a plain text box without holding
// the window: the text goes in a piece at a time behind a progress dialog, each piece's line
// ends converted as it goes in and the events handled between the pieces, so that the window
// keeps drawing.

#include <QPlainTextEdit>
#include <QString>

namespace cesuan {

// Texts from this many characters on go in by pieces.
inline constexpr qsizetype kLongTextCharacters = qsizetype(1) << 20;

// Puts a controller's text (line ends CR LF, or any) into the box, its line ends "\n", unless
// the box holds it already. A long text goes in by pieces, not to be undone, the caret then
// at its start; the box keeps it, so that the same text again costs no conversion.
void setLongTextIfChanged(QPlainTextEdit* box, const QString& text);

}  // namespace cesuan
