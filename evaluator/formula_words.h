#pragma once
// The words of a formula typed the way people write it: Chinese numbers with place words
// (三十, 1.5万), fractions (三分之一), powers and roots (2的3次方, 根号2, 三的平方再开平方),
// function words (正弦30), operator and connective words (乘以, 等于), and the ASCII names
// sqrt, exp and log. The word pass rewrites them into the formula language before the
// characters are mapped; a text without any of these words comes out as it went in.

#include <QString>

#include <span>

namespace cesuan {

enum class WordKind {
    Function,     // a function of the argument after it: 正弦 sin, 自然对数 ln …
    Constant,     // 圆周率 π
    Operator,     // 加上 +, 减去 -, 乘以 *, 除以 /
    Connective,   // understood and left out: 的 等于 得 是多少 求
    CloseGroup,   // 再, 然后: what came before becomes one operand
    Square,       // X的平方, X平方: (X)^2
    Cube,         // X的立方, X立方: (X)^3
    PowerN,       // X的N次方, XN次方, X的N次幂: (X)^(N)
    RootN,        // X的N次方根: (X)^(1/(N))
    SquareRoot,   // 根号Y, 平方根Y, X的平方根, 开平方Y, X开平方, sqrtY: ^(1/2)
    CubeRoot,     // 立方根Y, X的立方根, 开立方Y, X开立方: ^(1/3)
    OpenRoot,     // 开N次方Y, X开N次方: ^(1/(N))
    Factorial,    // X的阶乘, X阶乘: (X)!
    PowerInfix,   // X乘方N: (X)^(N)
    Fraction,     // A分之B: ((B)/(A))
    LogBase,      // 以A为底B的对数: (lg(B)/lg(A))
    Exp,          // expY: ε^(Y)
    Log,          // logA(B): (lg(B)/lg(A)); log(B): lg(B)
    Number,       // 十 百 千 万 亿 (拾 佰 仟 萬 億), 两 and 〇 in a Chinese number
};

struct FormulaWord {
    const char16_t* word;
    WordKind kind;
    const char16_t* meaning;  // the formula-language text it stands for (for functions, the name)
};

// Every word the word pass knows, the table its tests are written from.
std::span<const FormulaWord> FormulaWordTable();

// The lower-cased typed text with its words rewritten; unchanged when it has none.
QString RewriteFormulaWords(const QString& text);

// Whether the text holds a word of the table (an ASCII name only as a whole run of letters).
bool HasFormulaWord(const QString& text);

}  // namespace cesuan
