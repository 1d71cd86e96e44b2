#pragma once
// Long lists on every core: the list is cut into chunks of consecutive items, each chunk runs
// on a thread of its own with its own journal, and the caller joins the chunks' results in
// order, so that the outcome is the one of a single pass over the list. The routines of the
// core keep no state between calls, so chunks never meet.

#include <QString>

#include <algorithm>
#include <cstddef>
#include <thread>
#include <vector>

namespace cesuan {

struct Chunk {
    std::size_t index;  // 0, 1, … in the order of the list
    std::size_t begin;  // first item
    std::size_t end;    // one past the last item
};

// The chunks of the items [0, count): as many as `threads` (the machine's cores when 0), none
// smaller than `minimum` items, so that a short list is one chunk and runs alone.
inline std::vector<Chunk> ChunksOf(std::size_t count, std::size_t minimum, std::size_t threads = 0) {
    if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
    std::size_t n = minimum == 0 ? threads : std::min(threads, count / minimum);
    if (n == 0) n = 1;
    std::vector<Chunk> chunks;
    for (std::size_t i = 0; i < n; ++i) chunks.push_back({i, count * i / n, count * (i + 1) / n});
    return chunks;
}

// Runs work(chunk) for every chunk: the first on the calling thread, each other on a thread of
// its own; returns when all have ended.
template <typename Work>
void RunChunks(const std::vector<Chunk>& chunks, Work&& work) {
    std::vector<std::jthread> threads;
    threads.reserve(chunks.size());
    for (std::size_t i = 1; i < chunks.size(); ++i) threads.emplace_back([&work, &chunks, i] { work(chunks[i]); });
    if (!chunks.empty()) work(chunks.front());
}

// The texts of the chunks joined in order into one, each emptied as soon as it is copied, so
// that a long result is held about once.
inline QString JoinPieces(std::vector<QString>& pieces) {
    if (pieces.size() == 1) {
        QString only = std::move(pieces.front());
        only.squeeze();
        return only;
    }
    qsizetype size = 0;
    for (const QString& piece : pieces) size += piece.size();
    QString joined;
    joined.reserve(size);
    for (QString& piece : pieces) {
        joined += piece;
        piece = QString();
    }
    return joined;
}

}  // namespace cesuan
