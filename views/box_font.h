#pragma once
// The font of the boxes that hold formulas, results and values: "Noto Sans Mono CJK SC"
// (Debian fonts-noto-cjk), in which a character of code 256 or more takes exactly two
// columns, so that a result padded by display width stays aligned. Without it, the
// system's fixed-pitch font.

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

#include <algorithm>

namespace cesuan {

inline QFont boxFont() {
    const QString family = QStringLiteral("Noto Sans Mono CJK SC");
    QFont font = QFontDatabase::hasFamily(family) ? QFont(family) : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    // An even pixel size keeps a wide character at exactly two narrow ones after hinting.
    const int pixels = std::max(14, QFontInfo(QApplication::font()).pixelSize() + 2);
    font.setPixelSize(pixels + pixels % 2);
    return font;
}

}  // namespace cesuan
