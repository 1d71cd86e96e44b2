#pragma once
// The calculation error journal: the record of the failures of one calculation, and of the
// notices it raised. Routines never throw and never show anything: a routine that fails
// logs its message in the journal it was given and returns its substitute value; the command
// that started the work resets its journal first and reads it at the end. Every command has
// its own journal, so two calculations never share one.

#include "engine/notice.h"

#include <QString>

namespace cesuan {

struct CalcErrorJournal {
    int errorCount = 0;          // failures since the last reset
    QString lastMessage;         // the newest failure's message
    QString firstMessage;        // the message that raised errorCount from 0 to 1
    QString messageLog;          // every message since the reset, each followed by CR LF
    int doubleFallbackCount = 0; // steps computed in double instead of decimal
    int reliableDigits = 29;     // leading significant digits the calculation vouches for
    Notices notices;             // the boxes to show, in the order they were raised
};

// Empties the journal for a new calculation; firstMessage keeps the previous calculation's
// first message until the next failure, and notices stay until they are taken.
void ResetJournal(CalcErrorJournal& journal);

// Records a failure: count, last message, log line, and the first message on the first.
void LogFailure(CalcErrorJournal& journal, const QString& message);

// A step computed in double: one more fallback, and only 15 digits stay reliable.
void NoteDoubleFallback(CalcErrorJournal& journal);

// Lowers reliableDigits to `digits` when it is above; it never goes up between resets.
void CapReliableDigits(CalcErrorJournal& journal, int digits);

// Appends an information box with an OK button to the journal's notices.
void AddNotice(CalcErrorJournal& journal, const QString& text);

// Appends what `later` recorded after `journal` (a later part of the same calculation, kept
// apart while it ran on another thread): its failures, fallbacks, reliable digits and notices.
void MergeJournal(CalcErrorJournal& journal, const CalcErrorJournal& later);

// The notices raised so far, handed over: the journal keeps none of them.
Notices TakeNotices(CalcErrorJournal& journal);

}  // namespace cesuan
