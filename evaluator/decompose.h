#pragma once
// Formula checking and decomposition: adjacent operators, implied multiplication,
// spacing for display, and the bracket check.

#include "engine/journal.h"

#include <QString>

namespace cesuan {

// 分解表达式: the checked and spaced formula with one blank at each end; "0" for an
// empty text or "空算式错误". Errors go into the journal.
QString DecomposeFormula(CalcErrorJournal& journal, const QString& normalised);

// 简化表达式: the text without blanks, "++" and "-+" collapsed; "0" for an empty text or
// "空算式错误".
QString SimplifyFormula(CalcErrorJournal& journal, const QString& formula);

enum class BracketError { None, Order, Pairing };

// The bracket check shared by the decomposition and the evaluation driver. At every
// character that is no bracket, among the examined ones from the first in order:
// more ")" than "(" before it, or fewer ")" than "(" after it, is an Order error; brackets
// still open on its left in a different number from those closing on its right is a
// Pairing error. The first error found is returned. The examined characters are positions
// 1..max(1, length-1) when examineLast is false (the driver), all positions when true.
BracketError CheckBrackets(const QString& text, bool examineLast);

// Logs the message of a bracket error through LogFailure; None logs nothing.
void LogBracketError(CalcErrorJournal& journal, BracketError error);

}  // namespace cesuan
