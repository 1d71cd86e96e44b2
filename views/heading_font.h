#pragma once
// The heading of a function window: its label's type a third larger, in bold.

#include <QFont>
#include <QLabel>

namespace cesuan {

inline void setHeadingFont(QLabel* label) {
    QFont heading = label->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    heading.setBold(true);
    label->setFont(heading);
}

}  // namespace cesuan
