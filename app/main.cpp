// 测算 CeSuan: the calculator window and the screens it opens.
//
//   cesuan           goes on from what the last run kept (session/session_store.h)
//   cesuan --fresh   starts from the defaults and keeps nothing

#include "screens/platform.h"
#include "session/session_store.h"
#include "views/qt_platform.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("测算 CeSuan"));
    QApplication::setDesktopFileName(QStringLiteral("cesuan"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/cesuan.svg")));  // app/cesuan.qrc
    cesuan::InstallChineseQtTexts(app);

    cesuan::QtMessageBox messages;
    cesuan::QtWebPageOpener web;
    cesuan::QtRandomSource random;
    const std::unique_ptr<cesuan::SessionStore> store = cesuan::SessionStoreForArguments(QApplication::arguments());
    cesuan::ScreenRegistry screens(messages, web, random);
    if (store) screens.keepSession(*store);
    screens.show(cesuan::ScreenId::Main);  // the main window loads as it is created
    return QApplication::exec();            // ends when the last window is closed
}
