#pragma once
// What every fuzz target shares: the input's layout, the checks that must hold after each
// command beyond "no crash", and a message box that counts. The offline stand-ins of the
// other platform services are the command line's (cli/offline_platform.h).
//
// An input is one selector byte and a text. The selector's low seven bits choose the
// variant (a conversion, a unit, a separator …); its high bit says that the text is raw
// UTF-16 (little-endian code units, lone surrogates included) instead of UTF-8. Seeds are
// therefore readable files: a digit or letter, then the text a user would type.

#include "cli/offline_platform.h"
#include "engine/journal.h"
#include "screens/message_box.h"

#include <QString>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace cesuan::fuzz {

struct FuzzInput {
    int variant = 0;  // 0..127
    QString text;
};

inline FuzzInput Decode(const std::uint8_t* data, std::size_t size) {
    FuzzInput input;
    if (size == 0) return input;
    input.variant = data[0] & 0x7F;
    const char* rest = reinterpret_cast<const char*>(data + 1);
    const qsizetype length = qsizetype(size - 1);
    if (data[0] & 0x80) {
        input.text.resize(length / 2);
        for (qsizetype i = 0; i < length / 2; ++i)
            input.text[i] = QChar(char16_t(std::uint8_t(rest[2 * i]) | std::uint8_t(rest[2 * i + 1]) << 8));
    } else {
        input.text = QString::fromUtf8(rest, length);
    }
    return input;
}

// The first line (up to the first line feed) and what follows it.
inline std::pair<QString, QString> SplitFirstLine(const QString& text) {
    const qsizetype end = text.indexOf(u'\n');
    if (end < 0) return {text, QString()};
    return {text.left(end), text.mid(end + 1)};
}

[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

inline void Require(bool condition, const char* what) {
    if (!condition) Fail(what);
}

// How a command reports its failures in the journal. The radix conversions count a failure
// in errorCount alone (their message is a notice); everything else logs a message with it.
enum class Failures { Logged, Counted };

// One command under watch. The command's journal is a fresh one (each input builds its own
// screen or journal), so a failure logged by the command must leave a first message of its
// own; the command must finish within the time bound.
class CommandWatch {
public:
    static constexpr auto kTimeBound = std::chrono::seconds(1);

    explicit CommandWatch(const CalcErrorJournal& journal) : journal_(journal) {
        Require(journal.errorCount == 0 && journal.firstMessage.isEmpty(), "the journal is not fresh");
        start_ = std::chrono::steady_clock::now();
    }

    // The journal as any command must leave it.
    void check(Failures failures) const {
        const CalcErrorJournal& j = journal_;
        const bool logged = failures == Failures::Logged ? j.errorCount > 0 : !j.lastMessage.isEmpty();
        Require(!logged || !j.firstMessage.isEmpty(), "a failure was logged without a first message");
        Require(!logged || !j.lastMessage.isEmpty(), "a failure was logged without a last message");
        Require(j.reliableDigits >= 0 && j.reliableDigits <= 29, "reliableDigits outside 0..29");
        for (const Notice& notice : j.notices) Require(!notice.text.isEmpty(), "an empty notice");
        Require(std::chrono::steady_clock::now() - start_ < kTimeBound, "one input took longer than the time bound");
    }

private:
    const CalcErrorJournal& journal_;
    std::chrono::steady_clock::time_point start_;
};

// Runs one command that writes `journal`: no exception may escape it, and the journal must be
// consistent after it.
template <typename Command>
void Watched(const CalcErrorJournal& journal, Command&& command, Failures failures = Failures::Logged) {
    CommandWatch watch(journal);
    try {
        command();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "exception escaped: %s\n", e.what());
        std::abort();
    } catch (...) {
        Fail("an exception escaped");
    }
    watch.check(failures);
}

// Boxes are counted, not kept: a long run must not grow.
class CountingMessageBox : public MessageBoxService {
public:
    void show(const QString& text) override {
        Require(!text.isEmpty(), "an empty message box");
        ++shown;
    }
    int shown = 0;
};

}  // namespace cesuan::fuzz
