#pragma once
// The calculation error journal: one process-wide record of the failures of the current
// calculation. Routines never throw and never show anything: a routine that fails logs its
// message here and returns its substitute value; the command that started the work resets
// the journal first and reads it at the end. One thread only, no locking.

#include <QString>

namespace cesuan {

struct CalcErrorJournal {
    int errorCount = 0;          // failures since the last reset
    QString lastMessage;         // the newest failure's message
    QString firstMessage;        // the message that raised errorCount from 0 to 1
    QString messageLog;          // every message since the reset, each followed by CR LF
    int doubleFallbackCount = 0; // steps computed in double instead of decimal
    int reliableDigits = 29;     // leading significant digits the calculation vouches for
};

// The one journal of the process.
CalcErrorJournal& Journal();

// Empties the journal for a new calculation; firstMessage keeps the previous calculation's
// first message until the next failure.
void ResetJournal();

// Records a failure: count, last message, log line, and the first message on the first.
void LogFailure(const QString& message);

// A step computed in double: one more fallback, and only 15 digits stay reliable.
void NoteDoubleFallback();

// Lowers reliableDigits to `digits` when it is above; it never goes up between resets.
void CapReliableDigits(int digits);

}  // namespace cesuan
