#pragma once
// The texts about the files the program keeps between runs: what went wrong with a file, and
// which input box was too large to keep. Each names the file or the window it is about.

#include <QString>

namespace cesuan::texts::session {

// The parts each file holds, for the notes that say they start from their defaults.
inline const QString kDataParts = QStringLiteral("历史算式、内存变量和输入框文字");
inline const QString kSettingsParts = QStringLiteral("小数位数、角度单位和窗口位置");

// Why a file cannot be used. `offset`: the byte, counted from 1, where the reading stopped.
inline QString syntaxError(qint64 offset) {
    return QStringLiteral("第 ") + QString::number(offset) + QStringLiteral(" 字节处格式错误");
}
inline QString badEntry(const QString& entry) { return QStringLiteral("“") + entry + QStringLiteral("”的内容不合要求"); }
inline QString fileTooLarge(qint64 megabytes) {
    return QStringLiteral("文件大于 ") + QString::number(megabytes) + QStringLiteral(" MB");
}
inline const QString kNotAnIniFile = QStringLiteral("不是设置文件的格式");

// A file of the last run that cannot be used: its parts start from their defaults. A damaged
// file is moved aside (to `aside`) so that the next save does not overwrite what it held; a
// file that cannot be read or moved aside is left alone for the whole run.
inline const QString kLeftAlone = QStringLiteral("本次运行不会改写该文件。");
inline QString fileDamaged(const QString& file, const QString& reason, const QString& aside, const QString& parts) {
    return QStringLiteral("上次保存的文件「") + file + QStringLiteral("」已损坏（") + reason + QStringLiteral("），") +
           parts + QStringLiteral("已按初始设置启动；") +
           (aside.isEmpty() ? kLeftAlone : QStringLiteral("原文件已改名为「") + aside + QStringLiteral("」。"));
}
inline QString fileUnreadable(const QString& file, const QString& parts) {
    return QStringLiteral("上次保存的文件「") + file + QStringLiteral("」无法读取，") + parts +
           QStringLiteral("已按初始设置启动；") + kLeftAlone;
}
inline QString fileNotSaved(const QString& file, const QString& parts) {
    return QStringLiteral("文件「") + file + QStringLiteral("」无法写入，") + parts + QStringLiteral("未能保存。");
}

// An input box whose text is above the limit: the text is not kept.
inline QString inputNotKept(const QString& window) {
    return QStringLiteral("「") + window + QStringLiteral("」输入框的文字超过 1 MB，未予保存。");
}

// The windows' names in those notes, as the buttons that open them call them.
inline const QString kNumberSplit = QStringLiteral("原数分解");

}  // namespace cesuan::texts::session
