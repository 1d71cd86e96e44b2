#pragma once
// Formula normalisation: a typed formula (Chinese words and numerals, full-width forms,
// many kinds of brackets and dashes) rewritten into the canonical formula language.

#include <QString>

#include <span>

namespace cesuan {

// One row of the typed-character table: each character of `characters` becomes `result`;
// an empty result deletes the character.
struct CharacterMapping {
    const char16_t* result;
    const char16_t* characters;
};

// The table NormaliseFormula maps typed characters with (after lower-casing).
std::span<const CharacterMapping> FormulaCharacterTable();

// The canonical formula text, or "0" when nothing usable is left. Logs nothing. The words
// of a formula (三十, 2的3次方, 正弦30 …) are rewritten first. When `ignored` is given it
// receives the characters that were left out unread: those no rule maps into the formula
// language, and an unfinished tail or head (5+3* loses its *), each once, in order.
QString NormaliseFormula(const QString& typed, QString* ignored = nullptr);

// The text without blanks and with every pair of adjacent signs collapsed; "0" for an
// empty text or "空算式错误".
QString CollapseSigns(const QString& formula);

}  // namespace cesuan
