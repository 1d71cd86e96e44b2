#pragma once
// The formula evaluator's messages and marker texts; the blanks and the full-width
// punctuation are part of the texts.

#include <QString>

namespace cesuan::texts {

// The text that stands for a formula with nothing in it.
inline const QString kEmptyFormula = QStringLiteral("空算式错误");

// 分解表达式: operators side by side; one message whatever the number of places.
inline const QString kAdjacentOperators = QStringLiteral(" 算式中存在多个运算符相临的错误，请修改算式。");

// The bracket check: a bracket closed before it is opened (or opened with nothing left to
// close it), and brackets that do not pair up.
inline const QString kBracketOrder = QStringLiteral(" 算式--括号顺序--错误,请修改。");
inline const QString kBracketPairing = QStringLiteral(" 算式--括号无法配对--错误,请修改。");

// 分解表达式 failed on the way; `formula` is the trimmed text as it stood.
inline QString msgDecompose(const QString& formula) {
    return QStringLiteral("  [分解表达式]过程中，") + formula + QStringLiteral("出现超出范围错误，我无法计算！");
}

// 简化表达式 failed on the way; `formula` is the trimmed input.
inline QString msgSimplify(const QString& formula) {
    return QStringLiteral("  [简化表达式]过程中，") + formula +
           QStringLiteral("出现超出计算范围错误，我无法计算！返回数值用 -1表示。");
}

// 向前取数字 / 向后取数字 and their errors (note 太多正负号 and 正负号太多).
inline QString msgScanBefore(const QString& s) {
    return QStringLiteral("  进行[向前取数字]运算时， ") + s + QStringLiteral(" 数值超出计算范围，我无法计算！返回错误数值。");
}
inline QString msgScanAfter(const QString& s) {
    return QStringLiteral("  进行[向后取数字]运算时， ") + s + QStringLiteral(" 数值超出计算范围，我无法计算！返回错误数值。");
}
inline const QString kScanTooManyPoints = QStringLiteral(" 表达式--小数点数太多--错误！请修改算式后计算。");
inline const QString kScanNoDigit = QStringLiteral(" 表达式--无数字--错误！请修改算式后计算。");
inline const QString kScanTooManySigns = QStringLiteral(" 表达式--太多正负号--错误！请修改算式后计算。");
inline const QString kScanSignsTooMany = QStringLiteral(" 表达式--正负号太多--错误！请修改算式后计算。");
inline const QString kScanTooManyExponents = QStringLiteral(" 表达式--存在多个 e E 字母--错误！请修改算式后计算。");

// "/" with a zero divisor, after the formula text.
inline const QString kDivisorZero = QStringLiteral("  除数为0错误！请修改算式后计算。");

// A failure inside the bracket-free evaluation itself.
inline QString msgFlatFailure(const QString& s) {
    return QStringLiteral("  K表达式计算过程中，") + s + QStringLiteral("出现超出计算范围错误，我无法计算！返回数值用 [空值] 表示。");
}
// Any failure while evaluating a formula.
inline QString msgFormulaFailure(const QString& formula) {
    return QStringLiteral("  表达式计算过程中，") + formula + QStringLiteral("出现超出计算范围错误，我无法计算！返回数值用 error 表示。");
}

}  // namespace cesuan::texts

namespace cesuan::texts {

// The constants written into a formula.
inline const QString kEpsilonText = QStringLiteral("2.7182818284590452353602874714");  // ε

// An unknown function name or a misplaced letter, after the characters quoted from the text.
inline const QString kFunctionError = QStringLiteral(" 函数错误！请修改算式后计算。");

// The poles of sec, csc and cth: a message box, then 1E+28.
inline const QString kSecPole = QStringLiteral("sec(x)为无穷大，采用近似计算....1E+28。");
inline const QString kCscPole = QStringLiteral("csc(x)为无穷大，采用近似计算....1E+28。");
inline const QString kCthPole = QStringLiteral("cth(x)为无穷大，采用近似计算....1E+28。");

// Arguments outside a function's domain.
inline const QString kLgDomain = QStringLiteral("lg(x)的x 小于等于0错误。");
inline const QString kLnDomain = QStringLiteral("ln(x)的x 小于等于0错误。");
inline const QString kArcsinAboveOne = QStringLiteral("arcsin(x)中 x 大于1错误，计算结果无效。");
inline const QString kArcsinBelowMinusOne = QStringLiteral("arcsin(x)中 x 小于-1错误，计算结果无效。");
inline const QString kArcsinUndefined = QStringLiteral("arcsin(x)无意义，计算结果无效。");
inline const QString kArccosAboveOne = QStringLiteral("arccos(x)中 x 大于1错误，计算结果无效。");
inline const QString kArccosBelowMinusOne = QStringLiteral("arccos(x)中 x 小于-1错误，计算结果无效。");
inline const QString kArccosUndefined = QStringLiteral("arccos(x)无意义，计算结果无效。");
inline const QString kArcsecUndefined = QStringLiteral("arcsec(x)无意义，计算结果无效。");
inline const QString kArccscUndefined = QStringLiteral("arccsc(x)无意义，计算结果无效。");

// A factorial beyond 1E+28 (26! is the largest).
inline const QString kFactorialTooLarge = QStringLiteral("阶乘计算时数值太大，超出计算范围。");

}  // namespace cesuan::texts

namespace cesuan::texts {

// The result of a formula that failed its check, before any evaluation.
inline const QString kErrorResult = QStringLiteral("Error");
// 约数: the mark of a result cut to its reliable digits.
inline const QString kApproximate = QStringLiteral("约数");

}  // namespace cesuan::texts

namespace cesuan::texts {

// 串转数, with the typed text without blanks. Unlike the other conversion routines its
// suffix has no 我.
inline QString msgTextToNumber(const QString& x) {
    return QStringLiteral("  进行[Quv串转数]运算时， ") + x +
           QStringLiteral(" 数值超出计算范围，无法计算！返回数值用 [空值] 表示。");
}

}  // namespace cesuan::texts
