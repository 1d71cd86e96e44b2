#pragma once
// A fresh journal for every test, and short ways to read values and texts.

#include "engine/calc_value.h"
#include "engine/journal.h"
#include "tests/support/recording_platform.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <ostream>

// Texts show as text in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace cesuan {

class JournalTest : public testing::Test {
protected:
    CalcErrorJournal journal;  // the journal the routines under test are given
};

inline QString q(const char16_t* text) { return QString::fromUtf16(text); }

// The texts of the notices, in order.
inline QStringList NoticeTexts(const Notices& notices) {
    QStringList texts;
    for (const Notice& notice : notices) texts.append(notice.text);
    return texts;
}

}  // namespace cesuan
