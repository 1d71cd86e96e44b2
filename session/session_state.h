#pragma once
// What the program keeps between runs, as a plain value: the calculator settings (places,
// angle unit, memory variables), the formula history, and per window its geometry (as
// QWidget::saveGeometry writes it) and the texts of its input boxes by the boxes' object
// names.

#include "evaluator/calc_context.h"
#include "screens/main_screen.h"
#include "screens/platform.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <optional>

namespace cesuan {

struct SessionState {
    CalcSettings settings;
    std::optional<FormulaHistory> history;  // none: the examples of a first start
    std::map<ScreenId, QByteArray> geometry;
    std::map<ScreenId, std::map<QString, QString>> inputs;
};

// The largest input text kept, in bytes of UTF-8.
inline constexpr qsizetype kMaxKeptInputBytes = qsizetype(1) << 20;

// The name a window is kept under in the files ("main", "coordinates" …), and the name the
// notes give it (the caption of the button that opens it).
QString SessionKey(ScreenId screen);
std::optional<ScreenId> ScreenForSessionKey(const QString& key);
QString SessionCaption(ScreenId screen);

}  // namespace cesuan
