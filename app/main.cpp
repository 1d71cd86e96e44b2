// 测算 CeSuan: the calculator window and the screens it opens.

#include "screens/platform.h"
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
    cesuan::ScreenRegistry screens(messages, web, random);
    screens.show(cesuan::ScreenId::Main);  // the main window loads as it is created
    return QApplication::exec();            // ends when the last window is closed
}
