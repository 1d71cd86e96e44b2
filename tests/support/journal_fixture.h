#pragma once
// A fresh journal for every test, and short ways to read values and texts.

#include "engine/calc_value.h"
#include "engine/journal.h"

#include <gtest/gtest.h>

#include <ostream>

// Texts show as text in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace cesuan {

class JournalTest : public testing::Test {
protected:
    void SetUp() override {
        ResetJournal();
        Journal().firstMessage.clear();
    }
    static const CalcErrorJournal& journal() { return Journal(); }
};

inline QString q(const char16_t* text) { return QString::fromUtf16(text); }

}  // namespace cesuan
