// 测算 CeSuan: the calculator window and the screens it opens.
//
//   cesuan           goes on from what the last run kept (session/session_store.h)
//   cesuan --fresh   starts from the defaults and keeps nothing

#include "screens/platform.h"
#include "session/session_store.h"
#include "views/box_font.h"
#include "views/qt_platform.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace {

// The window icon: app/cesuan.svg drawn at 16, 32, 48 and 64 pixels (app/icons/cesuan-N.png),
// kept as raw pixels (`convert cesuan-N.png -depth 8 BGRA:cesuan-N.bgra`), so that no image
// or icon plugin loads before the window shows.
QIcon WindowIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        QFile file(QStringLiteral(":/icons/cesuan-%1.bgra").arg(size));  // app/cesuan.qrc
        if (!file.open(QIODevice::ReadOnly)) continue;
        const QByteArray pixels = file.readAll();
        if (pixels.size() != size * size * 4) continue;
        const QImage image(reinterpret_cast<const uchar*>(pixels.constData()), size, size, size * 4, QImage::Format_ARGB32);
        icon.addPixmap(QPixmap::fromImage(image.copy()));
    }
    return icon;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("测算 CeSuan"));
    QApplication::setDesktopFileName(QStringLiteral("cesuan"));
    QApplication::setWindowIcon(WindowIcon());
    cesuan::InstallChineseQtTexts(app);
    cesuan::useOneChineseFace();

    cesuan::QtMessageBox messages;
    cesuan::QtWebPageOpener web;
    cesuan::QtRandomSource random;
    const std::unique_ptr<cesuan::SessionStore> store = cesuan::SessionStoreForArguments(QApplication::arguments());
    cesuan::ScreenRegistry screens(messages, web, random);
    if (store) screens.keepSession(*store);
    screens.show(cesuan::ScreenId::Main);  // the main window loads as it is created
    return QApplication::exec();            // ends when the last window is closed
}
