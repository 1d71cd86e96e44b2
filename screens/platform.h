#pragma once
// What a screen asks of the platform: message boxes (screens/message_box.h), web pages,
// random numbers, printing its own window, files to open and save, and showing the other
// screens. The window
// passes Qt implementations (views/qt_platform.h); the command line and the tools pass
// offline stand-ins (cli/offline_platform.h), tests pass recorders (tests/support).

#include "files/text_file.h"
#include "screens/message_box.h"

#include <QString>

namespace cesuan {

// Opens a page in the system browser; where there is none, the window shows the address to
// copy.
class WebPageOpener {
public:
    virtual ~WebPageOpener() = default;
    virtual void open(const QString& address) = 0;
};

// Uniform single-precision numbers in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

// What became of a print request.
struct PrintOutcome {
    enum class Kind {
        Printed,     // sent to the printer `where`
        SavedAsPdf,  // no printer: the page was saved as the PDF file `where`
        Cancelled,   // the user cancelled a dialog
        NoPrinter,   // no printer, and nothing was saved
        PrintFailed, // the printer `where` could not print
        PdfFailed,   // the PDF file `where` could not be written
    };
    Kind kind = Kind::Printed;
    QString where;
};

// Prints the image of the screen's own window: the print dialog where there is a printer,
// otherwise an offer to save the page as a PDF file.
class WindowPrinter {
public:
    virtual ~WindowPrinter() = default;
    virtual PrintOutcome printWindow() = 0;
};

// The files the user opens and saves: the system's file dialogs in the window. A filter is
// in the dialogs' form, "文本文件 (*.txt);;所有文件 (*)".
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The file chosen to open; empty when the dialog was cancelled.
    virtual QString openPath(const QString& title, const QString& filter) = 0;
    // The file chosen to save to (`suggestedName` offered); empty when cancelled.
    virtual QString savePath(const QString& title, const QString& filter, const QString& suggestedName) = 0;
    // Reads a chosen text file, its line ends made CR LF; the window reads a long one on a
    // worker thread behind a progress dialog whose cancel button stops it (problem Cancelled).
    virtual TextFileContent readText(const QString& path) { return ReadTextFileWithCrLf(path); }
};

// The screens of the program. Each exists once; showing it again brings it forward.
enum class ScreenId {
    Main,            // the calculator
    ModuleMenu,      // the module menu
    Variables,       // the variable editor
    Help,            // the help window
    Statistics,      // 数理统计
    Angles,          // the angle conversions
    BaseCalculator,  // 进制换算
    NumberSplit,     // 数的分解
    Coordinates,     // 坐标转换
    Bearing,         // 距离方位
    Attitude,        // 面体产状
    Welcome,         // a placeholder that only greets
    ButtonTest,      // a placeholder row of styled buttons
    Transform,       // GPS坐标转换: transformation parameters and Cartesian coordinates
    Area,            // 计算面积
    Forward,         // 坐标正算 (stake-out)
    Regression,      // 线性回归
    Matrix,          // 矩阵计算
    Equations,       // 解多元方程
    Errors,          // 误差计算
    Derivative,      // 微分计算
    Integral,        // 积分计算
};

class ScreenNavigator {
public:
    virtual ~ScreenNavigator() = default;
    // False when the screen is not part of this version of the program.
    virtual bool show(ScreenId screen) = 0;
    // Opens the help window at the topic that explains the screen.
    virtual bool showHelp(ScreenId topic) {
        (void)topic;
        return show(ScreenId::Help);
    }
};

// The web addresses of the maker (placeholders).
namespace web {
inline const QString kHome = QStringLiteral("https://example.org/cesuan/");
inline const QString kCommunity = QStringLiteral("https://example.org/cesuan/community");
inline const QString kDownload = QStringLiteral("https://example.org/cesuan/download");
inline const QString kPartner = QStringLiteral("https://example.org/partner/");
inline const QString kTrading = QStringLiteral("https://example.org/cesuan/trading");
inline const QString kMining = QStringLiteral("https://example.org/mining/");
}  // namespace web

}  // namespace cesuan
