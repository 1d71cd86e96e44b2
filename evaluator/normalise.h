#pragma once
// Formula normalisation: a typed formula (Chinese words and numerals, full-width forms,
// many kinds of brackets and dashes) rewritten into the canonical formula language.

#include <QString>

namespace cesuan {

// The canonical formula text, or "0" when nothing usable is left. Logs nothing.
QString NormaliseFormula(const QString& typed);

// The text without blanks and with every pair of adjacent signs collapsed; "0" for an
// empty text or "空算式错误".
QString CollapseSigns(const QString& formula);

}  // namespace cesuan
