#pragma once
// The statistics window's own texts.

#include <QString>
#include <QStringList>

#include <array>

namespace cesuan::texts::statistics {

inline const QString kWindowTitle = QStringLiteral("数理统计 — 测算 CeSuan");
inline const QString kTitle = QStringLiteral("数理统计模块");
inline const QString kStartData = QStringLiteral(
    "例1a*2*3*4*5.987\r\n例2b的*2* *5*6.985\r\n例3c * 2 * 3.2346 * 6 * \r\n例4 * 2 * -33 * 7 * 98.7\r\n");
inline const QString kHint = QStringLiteral("  输入数值时必须用分割符分割数值，用回车符结束当前行。");
inline const QString kSentenceBefore = QStringLiteral("前");          // Label17
inline const QString kSentenceMiddle = QStringLiteral("列为序号,用");  // Label18
inline const QString kSentenceAfter = QStringLiteral("作分隔符。");    // Label21
inline const QString kTipLeadingColumns =
    QStringLiteral("前面有多少列数据为字符串--非数字列，则选择几，把前面几列作为非数字处理。");
inline const QString kTipSeparator = QStringLiteral("修改分隔符可能造成数据混乱，平时请不要随意修改分隔符！");
inline const std::array<QString, 5> kColumnHeaders = {
    QStringLiteral("第一列数字"), QStringLiteral("第二列数字"), QStringLiteral("第三列数字"),
    QStringLiteral("第四列数字"), QStringLiteral("第五列数字"),
};
inline QString placesLabel(int places) {
    return QStringLiteral("结果保留") + QString::number(places) + QStringLiteral(" 位小数！");
}

// The ten rows of the result grid: label and tooltip.
inline const std::array<QString, 10> kRowLabels = {
    QStringLiteral("频数N "), QStringLiteral("Min ="),  QStringLiteral("Max ="), QStringLiteral("平均值"),
    QStringLiteral("合计数"), QStringLiteral("均方差"), QStringLiteral("方差"),  QStringLiteral("变异系数"),
    QStringLiteral("方差n"),  QStringLiteral("变异 系数n"),
};
inline const std::array<QString, 10> kRowTips = {
    QStringLiteral("数据的个数"),
    QStringLiteral("最小值 min"),
    QStringLiteral("最大值 max"),
    QStringLiteral("合计数 / 频数"),
    QStringLiteral("个个数据的总和"),
    QStringLiteral("把{方差}开方"),
    QStringLiteral("Σ（(Xi-Xp平均值)^2 /(N-1)）  一般应采用此值计算==>方差、均方差、变异系数"),
    QStringLiteral("= 均方差 / 平均值"),
    QStringLiteral("Σ（(Xi-Xp平均值)^2 /N）   {方差}的除数为（N-1）,{方差n}的除数为N。"),
    QStringLiteral("= 均方差n / 平均值    （即为把方差n开方后除以平均值）"),
};

// Buttons: caption and tooltip.
inline const QString kStatistics = QStringLiteral("统 计");
inline const QString kTipStatistics = QStringLiteral("开始进行统计计算");
inline const QString kPrint = QStringLiteral("打屏幕");
inline const QString kTipPrint = QStringLiteral("打印当前屏幕的所有内容，安装打印机后才可执行打印功能");
inline const QString kLearn = QStringLiteral("学 习");
inline const QString kTipLearn = QStringLiteral("==>学习统计知识的页面");
inline const QString kSave = QStringLiteral("保 存");
inline const QString kTipSave = QStringLiteral("把当前数据保存为文本文件");
inline const QString kImport = QStringLiteral("导 入");
inline const QString kTipImport = QStringLiteral("从文本文件数据调入到当前文本框");
// The corner of the grid in a saved CSV file, above the row labels.
inline const QString kResultCorner = QStringLiteral("统计结果");

// The separator list: "Tab" stands for the tab character, the last entry is one blank.
inline const QStringList kSeparators = {
    QStringLiteral("*"), QStringLiteral("/"), QStringLiteral(","), QStringLiteral("%"), QStringLiteral("$"),
    QStringLiteral("#"), QStringLiteral("@"), QStringLiteral("&"), QStringLiteral("!"), QStringLiteral("?"),
    QStringLiteral(";"), QStringLiteral(":"), QStringLiteral("\""), QStringLiteral("'"), QStringLiteral("("),
    QStringLiteral(")"), QStringLiteral("<"), QStringLiteral(">"), QStringLiteral("["), QStringLiteral("]"),
    QStringLiteral("{"), QStringLiteral("}"), QStringLiteral("|"), QStringLiteral("_"), QStringLiteral("-"),
    QStringLiteral("\\"), QStringLiteral("^"), QStringLiteral("~"), QStringLiteral("`"), QStringLiteral("Tab"),
    QStringLiteral(" "),
};
// How the list shows its blank entry (a lone blank would look like an empty entry).
inline const QString kBlankEntryShown = QStringLiteral("[空格]");
inline const QStringList kLeadingColumns = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                            QStringLiteral("3")};

// The blank as separator.
inline const QString kBlankSeparatorWarning =
    QStringLiteral("    [空格]可能造成数据混乱，平时请不要使用[空格]作为分隔符！仅留作转换外来数据时使用一次。");
inline const QString kBlankSeparatorReplaced = QStringLiteral(
    "    [空格]可能造成数据混乱，平时请不要使用[空格]作为分隔符！仅留作转换外来数据时使用一次。本人在数据处理时，自动强制把空格改用 * 代替。");
inline const QString kBlankSeparatorTitle = QStringLiteral("  修改分隔符 -- 测算 CeSuan -- 提示  ");

// A box whose value cannot be computed from the data.
inline const QString kCannotCompute = QStringLiteral("数据有误或超出计算范围");

}  // namespace cesuan::texts::statistics
