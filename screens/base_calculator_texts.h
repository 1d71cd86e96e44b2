#pragma once
// The base calculator window's own texts.

#include <QString>
#include <QStringList>

#include <array>

namespace cesuan::texts::base_calculator {

inline const QString kWindowTitle = QStringLiteral("进制换算 — 测算 CeSuan");

// Captions of the labels, option buttons and command buttons.
inline const QString kTitle = QStringLiteral(" 数值的进制换算");  // Label1
inline const QString kRadixCaption = QStringLiteral("进制类型");  // Label2
inline const std::array<QString, 4> kRadixNames = {
    QStringLiteral("二进制"), QStringLiteral("八进制"), QStringLiteral("十进制"),
    QStringLiteral("十六进制")};
inline const QString kData1Caption = QStringLiteral("数据 1");  // Label3
inline const QString kData2Caption = QStringLiteral("数据 2");  // Label5
inline const QString kResultCaption = QStringLiteral("运算成果");  // Label7
inline const QString kDeleteKey = QStringLiteral("<=删");
inline const QString kClearKey = QStringLiteral("清除");
inline const QString kSignKey = QStringLiteral("-");
inline const QString kPointKey = QStringLiteral(".");
inline const QString kLeftKey = QStringLiteral("<==");
inline const QString kRightKey = QStringLiteral("==>");
inline const QString kCompute = QStringLiteral("运算");
inline const QString kMain = QStringLiteral("主界面");
inline const QString kPrint = QStringLiteral("打印屏幕");
inline const QString kPrintTip = QStringLiteral("安装打印机后才可执行打印功能");
inline const QString kMenu = QStringLiteral("其它功能");
inline const QString kMenuTip = QStringLiteral("多种功能模块");
inline const QString kHomePage = QStringLiteral("测算网站");  // CommandVorn

// The twelve operations: button captions and the captions of Label4.
inline const std::array<QString, 12> kOperationNames = {
    QStringLiteral("加"), QStringLiteral("减"), QStringLiteral("乘"), QStringLiteral("除"),
    QStringLiteral("幂"), QStringLiteral("余"), QStringLiteral("与"), QStringLiteral("或"),
    QStringLiteral("非"), QStringLiteral("异或"), QStringLiteral("与非"), QStringLiteral("或非")};
inline const std::array<QString, 12> kOperationLabels = {
    QStringLiteral("加法 +"),   QStringLiteral("减法 -"),      QStringLiteral("乘法 *"),
    QStringLiteral("除法 /"),   QStringLiteral("乘方 ^"),      QStringLiteral("求余数\\"),
    QStringLiteral("与 And"),   QStringLiteral("或 Or"),       QStringLiteral("非 Not"),
    QStringLiteral("异或 Xor"), QStringLiteral("与非 AndNot"), QStringLiteral("或非  OrNot")};

// The explanation before the first radix or logical-operation click (our own motto).
inline const QString kStartExplanation = QStringLiteral(
    "    选择进制类型，输入或用小键盘键入数据 1 和数据 2，选择运算后按[运算]，结果以数据的进制显示。");

// The explanation of each radix (二进制, 八进制, 十进制, 十六进制).
inline const std::array<QString, 4> kRadixExplanations = {
    QStringLiteral("    [二进制]--太简单了，会数 0 和 1 就可以了！一个数由太多0和1组成会让你数的头晕， 逻辑运算时有点麻烦！"),
    QStringLiteral("    [八进制]--比较简单，会数 0 - 7 就可以了！书写比较简单、也容易记忆，进行二进制换算比较容易！"),
    QStringLiteral("    [十进制]--太简单了，从婴儿一直学习到现在，有十个手指就够了！但不是科学的记数法，而且和其它进制换算有点麻烦！"),
    QStringLiteral("    [十六进制]--有点复杂了，把两只手和两只脚用上后有点富余！不过进行二进制换算比较简单！你想学电脑的话，必须好好学习、天天向上。")};
// "    以前为 2进制，当前为 8进制。": p and c each with one leading blank.
inline QString radixChange(int previous, int current) {
    return QStringLiteral("    以前为 ") + QString::number(previous) + QStringLiteral("进制，当前为 ") +
           QString::number(current) + QStringLiteral("进制。");
}

// The explanation lines of the six logical operations (与, 或, 非, 异或, 与非, 或非).
inline const std::array<std::array<QString, 3>, 6> kLogicLines = {{
    {QStringLiteral("逻辑运算--[与 And]：当两个数位都为[真]才输出[真]，有一个为[假]就输出[假]。"),
     QStringLiteral("    例如：0  1 ==> 0        1  0 ==> 0        0  0 ==> 0 "),
     QStringLiteral("    例如：1  1 ==> 1        （0代表假，1代表真）。")},
    {QStringLiteral("逻辑运算--[或  Or]：当两个数位都为[假]才输出[假]，有一个为[真]就输出[真]。"),
     QStringLiteral("    例如：0  1 ==> 1        1  0 ==> 1        1  1 ==> 1 "),
     QStringLiteral("    例如：0  0 ==> 0        （0代表假，1代表真）。")},
    {QStringLiteral("逻辑运算--[非 Not]：数位为[真]就输出[假]，当数位为[假]就输出[真]。"),
     QStringLiteral("例如： 1 <==> 0 （0代表假，1代表真），最前符号位 - <==> 正 。"), QString()},
    {QStringLiteral("逻辑运算--[异或 Xor]：两个数位相同就输出[假]，都不同时才输出[真]。"),
     QStringLiteral("    例如：0  1 ==> 1        1  0 ==> 1      "),
     QStringLiteral("    例如：1  1 ==> 0        0  0 ==> 0      （0代表假，1代表真）。")},
    {QStringLiteral("逻辑--[与非 AndNot]：两数位中有一个为[假]就输出[真]，都[真]时才输出[假]。"),
     QStringLiteral("    例如：0  1 ==> 1        1  0 ==> 1       0  0 ==> 1 "),
     QStringLiteral("    例如：1  1 ==> 0        （0代表假，1代表真）。")},
    {QStringLiteral("逻辑--[或非 OrNot]：两数位有一个为[真]就输出[假]，都[假]时才输出[真]。"),
     QStringLiteral("    例如：0  1 ==> 0        1  0 ==> 0       1  1 ==> 0 "),
     QStringLiteral("    例如：0  0 ==> 1        （0代表假，1代表真）。")},
}};
inline const QString kLogicAdvice =
    QStringLiteral("原始数据最好采用正整数，否则虽有实际意义，但可能不是你想得到的结果。");
inline const QString kLogicMethod =
    QStringLiteral("其它进制的逻辑计算都化为二进制，进行逻辑运算得到结果后，再转回原进制。");

// Keypad and compute messages.
inline const QString kData1TooLong = QStringLiteral("第一个数字太长了！");
inline const QString kData2TooLong = QStringLiteral("第二个数字太长了！");
inline const QString kJournalFailure = QStringLiteral("数据有误或超出计算范围，请修改后再计算！");
inline const QString kRunFailure = QStringLiteral("数据有误或超出计算范围，请修改后再计算。");
// A data box holding characters that are no digits of the radix, each named once.
inline QString invalidDigits(const QString& box, const QString& typed, const QString& characters,
                             const QString& radixName) {
    QStringList each;
    for (const QChar c : characters) each.append(QString(c));
    return box + QStringLiteral(" ") + typed + QStringLiteral(" 中的 ") + each.join(u'、') + QStringLiteral(" 不是") +
           radixName + QStringLiteral("数字，请修改后再计算。");
}
inline QString longResult(int length) {
    return QStringLiteral("计算结果为 ") + QString::number(length) +
           QStringLiteral(" 位，显示框不能完全显示，敬请注意！");
}

}  // namespace cesuan::texts::base_calculator
