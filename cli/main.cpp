#include "cli/cli_commands.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("cesuan-cli"));
    return cesuan::cli::runCommand(QCoreApplication::arguments(), stdin, stdout, stderr);
}
