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

inline const QString& boxFamily() {
    static const QString family = QStringLiteral("Noto Sans Mono CJK SC");
    return family;
}

inline QFont boxFont() {
    const QString& family = boxFamily();
    QFont font = QFontDatabase::hasFamily(family) ? QFont(family) : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    // An even pixel size keeps a wide character at exactly two narrow ones after hinting.
    const int pixels = std::max(14, QFontInfo(QApplication::font()).pixelSize() + 2);
    font.setPixelSize(pixels + pixels % 2);
    return font;
}

// Captions, labels and menus in the boxes' family, at the system's size: its Chinese is the
// same as the proportional face's, and always the simplified forms (a Latin default font
// would fall back to whichever CJK face fontconfig ranks first, often the Japanese one).
// One face for the whole window also starts faster and holds less memory than two or three.
// Without the family, the system's font stays.
inline void useOneChineseFace() {
    if (!QFontDatabase::hasFamily(boxFamily())) return;
    QFont font = QApplication::font();
    font.setFamilies({boxFamily()});
    QApplication::setFont(font);
}

}  // namespace cesuan
