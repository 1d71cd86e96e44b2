#pragma once
// The heading of a function window: its label's type a third larger. It stays in the regular
// weight: bold Chinese type comes from a second font file, and the pages read from it for the
// few characters of the headings cost several megabytes.

#include <QFont>
#include <QLabel>

namespace cesuan {

inline void setHeadingFont(QLabel* label) {
    QFont heading = label->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    label->setFont(heading);
}

}  // namespace cesuan
