#pragma once
// The operand scanners of the formula walks: the number that ends or begins at a position
// of a formula text. A text that holds no such number is a failure in the journal; the
// scanner then returns what it has read.

#include "engine/journal.h"

#include <QString>

namespace cesuan {

// 向前取数字: the number that ends at the 1-based position b of s, lower-cased, with any
// blanks between it and b. A unary sign (after an operator, a blank or the start) belongs
// to the number; an exponent's sign too.
QString ScanOperandBefore(CalcErrorJournal& journal, const QString& s, qsizetype b);

// 向后取数字: the number that begins at the 1-based position a of s, lower-cased, with any
// blanks before it.
QString ScanOperandAfter(CalcErrorJournal& journal, const QString& s, qsizetype a);

}  // namespace cesuan
