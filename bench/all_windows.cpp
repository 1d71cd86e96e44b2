// all-windows: opens every window of the calculator at once, as a user would who opens them
// one after another and leaves them open, lets each lay out and paint on the display, and
// prints the resident memory then and its peak so far, in MB: "RSS PEAK". It starts as the
// program does (one Chinese face, Chinese Qt texts) but keeps no session. Run under Xvfb
// (scripts/bench-startup).

#include "cli/offline_platform.h"
#include "screens/platform.h"
#include "views/box_font.h"
#include "views/qt_platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>

namespace {

// VmRSS and VmHWM of this process, in MB.
std::pair<double, double> ResidentMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    double rss = 0, peak = 0;
    if (!status.open(QIODevice::ReadOnly)) return {rss, peak};
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) rss = line.mid(6).trimmed().split(' ').front().toDouble() / 1024;
        if (line.startsWith("VmHWM:")) peak = line.mid(6).trimmed().split(' ').front().toDouble() / 1024;
    }
    return {rss, peak};
}

void SettleFor(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("测算 CeSuan"));
    cesuan::InstallChineseQtTexts(app);
    cesuan::useOneChineseFace();

    cesuan::StreamMessageBox messages(stderr);
    cesuan::NoWebPages web;
    cesuan::NoRandom random;
    cesuan::ScreenRegistry screens(messages, web, random);
    int opened = 0;
    for (int id = int(cesuan::ScreenId::Main); id <= int(cesuan::ScreenId::Integral); ++id) {
        if (screens.show(cesuan::ScreenId(id))) ++opened;
        SettleFor(50);  // laid out and painted, as a window the user has looked at
    }
    SettleFor(500);
    const auto [rss, peak] = ResidentMb();
    std::fprintf(stderr, "%d windows open\n", opened);
    std::printf("%.1f %.1f\n", rss, peak);
    return 0;
}
