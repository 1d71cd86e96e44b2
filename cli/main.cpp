#include "cli/cli_commands.h"

#include <QCoreApplication>

#include <cstdlib>

#include <unistd.h>

namespace {

// Long lists spend much of their time on the first touch of fresh memory, a page fault per
// 4 KB; with the C library's allocations in transparent huge pages that is hundreds of times
// fewer faults (a million coordinates convert in half the time). The library reads its
// tunables only at program start, so the program starts itself once more with them set,
// unless the caller has set them already; should that fail, it simply goes on.
void startWithHugePages(char* argv[]) {
    if (std::getenv("GLIBC_TUNABLES") != nullptr) return;
    if (setenv("GLIBC_TUNABLES", "glibc.malloc.hugetlb=1", 1) != 0) return;
    execv("/proc/self/exe", argv);
    unsetenv("GLIBC_TUNABLES");
}

}  // namespace

int main(int argc, char* argv[]) {
    startWithHugePages(argv);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("cesuan-cli"));
    return cesuan::cli::runCommand(QCoreApplication::arguments(), stdin, stdout, stderr);
}
