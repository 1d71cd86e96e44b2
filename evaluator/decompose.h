#pragma once
// Formula checking and decomposition: adjacent operators, implied multiplication,
// spacing for display, and the bracket check.

#include <QString>

namespace cesuan {

// 分解表达式: the checked and spaced formula with one blank at each end; "0" for an
// empty text or "空算式错误". Errors go into the journal.
QString DecomposeFormula(const QString& normalised);

// 简化表达式: the text without blanks, "++" and "-+" collapsed; "0" for an empty text or
// "空算式错误".
QString SimplifyFormula(const QString& formula);

}  // namespace cesuan
