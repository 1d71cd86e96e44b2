#pragma once
// The texts of opening and saving files, of printing and of web pages that cannot be opened,
// shared by the windows.

#include <QString>

namespace cesuan::texts::files {

// File dialogs: titles and filters.
inline const QString kOpenDataTitle = QStringLiteral("导入数据");
inline const QString kOpenPointsTitle = QStringLiteral("打开坐标数据");
inline const QString kSaveStatisticsTitle = QStringLiteral("保存统计结果");
inline const QString kSaveResultTitle = QStringLiteral("保存计算结果");
inline const QString kSavePdfTitle = QStringLiteral("把本页保存为 PDF 文件");
inline const QString kOpenFilter = QStringLiteral("文本或 CSV 文件 (*.txt *.csv);;所有文件 (*)");
inline const QString kCsvFilter = QStringLiteral("CSV 文件 (*.csv);;所有文件 (*)");
inline const QString kTextFilter = QStringLiteral("文本文件 (*.txt);;CSV 文件 (*.csv);;所有文件 (*)");
inline const QString kPdfFilter = QStringLiteral("PDF 文件 (*.pdf)");
// The names the save dialogs offer.
inline const QString kStatisticsFileName = QStringLiteral("统计结果.csv");
inline const QString kCoordinatesFileName = QStringLiteral("坐标转换结果.txt");
inline const QString kBearingFileName = QStringLiteral("距离方位结果.txt");
inline const QString kAttitudeFileName = QStringLiteral("面体产状结果.txt");
inline const QString kPdfFileName = QStringLiteral("测算.pdf");

// A file that cannot be read or written, named with its full path.
inline QString msgMissing(const QString& path) { return QStringLiteral("找不到文件：\n") + path; }
inline QString msgNotAFile(const QString& path) { return QStringLiteral("这不是一个文件，无法读入：\n") + path; }
inline QString msgUnreadable(const QString& path, const QString& detail) {
    return QStringLiteral("无法读取文件：\n") + path + QStringLiteral("\n（") + detail + QStringLiteral("）");
}
inline QString msgTooLarge(const QString& path) {
    return QStringLiteral("文件超过 256 MB，太大，无法读入：\n") + path;
}
inline QString msgNotText(const QString& path) {
    return QStringLiteral("文件不是 UTF-8 或 GBK 编码的文本，无法读入：\n") + path;
}
inline QString msgNotWritten(const QString& path, const QString& detail) {
    return QStringLiteral("无法保存文件：\n") + path + QStringLiteral("\n（") + detail + QStringLiteral("）");
}
inline const QString kNothingToSave = QStringLiteral("计算结果是空的，没有可保存的内容。");

// What the status line says after a file was opened or saved.
inline const QString kUtf8 = QStringLiteral("UTF-8");
inline const QString kUtf16 = QStringLiteral("UTF-16");
inline const QString kGbk = QStringLiteral("GBK");
inline QString opened(const QString& fileName, qsizetype lines, const QString& encoding) {
    return QStringLiteral("已打开 ") + fileName + QStringLiteral("（") + QString::number(lines) + QStringLiteral(" 行，") +
           encoding + QStringLiteral(" 编码）");
}
inline QString saved(const QString& path) { return QStringLiteral("已保存到 ") + path; }

// Progress dialogs of a long file.
inline QString reading(const QString& fileName) { return QStringLiteral("正在读入 ") + fileName + QStringLiteral(" …"); }
inline const QString kFilling = QStringLiteral("正在把数据放入文本框 …");
inline const QString kCancel = QStringLiteral("取消");

}  // namespace cesuan::texts::files

namespace cesuan::texts::printing {

inline const QString kNoPrinter = QStringLiteral("没有可用的打印机。\n可以把本页保存为 PDF 文件。");
inline const QString kSavePdf = QStringLiteral("保存为 PDF…");
inline const QString kCancel = QStringLiteral("取消");
inline const QString kNotPrinted = QStringLiteral("没有可用的打印机，本页没有打印。");
inline QString printed(const QString& printer) { return QStringLiteral("本页已送到打印机 ") + printer + QStringLiteral("。"); }
inline QString savedAsPdf(const QString& path) { return QStringLiteral("本页已保存为 PDF 文件：") + path; }
inline QString msgPdfNotWritten(const QString& path) { return QStringLiteral("无法写入 PDF 文件：\n") + path; }
inline QString msgNotPrinted(const QString& printer) {
    return QStringLiteral("打印机 ") + printer + QStringLiteral(" 无法打印本页。");
}

}  // namespace cesuan::texts::printing

namespace cesuan::texts::web {

inline const QString kNoBrowser = QStringLiteral("无法打开浏览器。请复制下面的网址，在浏览器中打开：");
inline const QString kCopyAddress = QStringLiteral("复制网址");
inline const QString kClose = QStringLiteral("关闭");

}  // namespace cesuan::texts::web
