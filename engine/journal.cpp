#include "engine/journal.h"

namespace cesuan {

CalcErrorJournal& Journal() {
    static CalcErrorJournal journal;
    return journal;
}

void ResetJournal() {
    CalcErrorJournal& j = Journal();
    j.errorCount = 0;
    j.lastMessage.clear();
    j.messageLog.clear();
    j.doubleFallbackCount = 0;
    j.reliableDigits = 29;
}

void LogFailure(const QString& message) {
    CalcErrorJournal& j = Journal();
    ++j.errorCount;
    j.lastMessage = message;
    j.messageLog += message;
    j.messageLog += QStringLiteral("\r\n");
    if (j.errorCount == 1) j.firstMessage = message;
}

void NoteDoubleFallback() {
    CalcErrorJournal& j = Journal();
    ++j.doubleFallbackCount;
    j.reliableDigits = 15;
}

void CapReliableDigits(int digits) {
    CalcErrorJournal& j = Journal();
    if (j.reliableDigits > digits) j.reliableDigits = digits;
}

}  // namespace cesuan
