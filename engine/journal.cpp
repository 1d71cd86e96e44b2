#include "engine/journal.h"

#include <utility>

namespace cesuan {

void ResetJournal(CalcErrorJournal& j) {
    j.errorCount = 0;
    j.lastMessage.clear();
    j.messageLog.clear();
    j.doubleFallbackCount = 0;
    j.reliableDigits = 29;
}

void LogFailure(CalcErrorJournal& j, const QString& message) {
    ++j.errorCount;
    j.lastMessage = message;
    j.messageLog += message;
    j.messageLog += QStringLiteral("\r\n");
    if (j.errorCount == 1) j.firstMessage = message;
}

void NoteDoubleFallback(CalcErrorJournal& j) {
    ++j.doubleFallbackCount;
    j.reliableDigits = 15;
}

void CapReliableDigits(CalcErrorJournal& j, int digits) {
    if (j.reliableDigits > digits) j.reliableDigits = digits;
}

void AddNotice(CalcErrorJournal& j, const QString& text) { j.notices.push_back(InformationNotice(text)); }

void MergeJournal(CalcErrorJournal& j, const CalcErrorJournal& later) {
    if (later.errorCount > 0) {
        if (j.errorCount == 0) j.firstMessage = later.firstMessage;
        j.lastMessage = later.lastMessage;
    }
    j.errorCount += later.errorCount;
    j.messageLog += later.messageLog;
    j.doubleFallbackCount += later.doubleFallbackCount;
    CapReliableDigits(j, later.reliableDigits);
    j.notices.insert(j.notices.end(), later.notices.begin(), later.notices.end());
}

Notices TakeNotices(CalcErrorJournal& j) { return std::exchange(j.notices, {}); }

}  // namespace cesuan
