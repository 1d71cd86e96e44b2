#pragma once
// The commands of cesuan-cli. Each drives the same screen controllers as the window and
// writes what their boxes would show; message boxes go to standard error, one line each.

#include <QStringList>

#include <cstdio>

namespace cesuan::cli {

// Exit status: 0 when the command ran (also when its result is a failure message),
// 2 for bad usage (the usage text is written to standard error).
int runCommand(const QStringList& arguments, std::FILE* in, std::FILE* out, std::FILE* err);

// Splits a text into lines at CR LF, LF or CR.
QStringList splitLines(const QString& text);

}  // namespace cesuan::cli
