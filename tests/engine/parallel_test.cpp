// Chunks of a long list for every core: consecutive, covering, none too small.

#include "engine/parallel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

namespace cesuan {
namespace {

TEST(Chunks, CoverTheListInOrder) {
    struct Case { std::size_t count, minimum, threads, chunks; };
    const Case cases[] = {
        {0, 10, 4, 1},       // an empty list is one empty chunk
        {9, 10, 4, 1},       // shorter than one chunk
        {25, 10, 4, 2},      // no chunk below the minimum
        {1000, 10, 4, 4},    // one a thread
        {1000, 0, 3, 3},
        {1001, 1, 1, 1},     // one thread: one chunk
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.count << " " << c.minimum << " " << c.threads);
        const std::vector<Chunk> chunks = ChunksOf(c.count, c.minimum, c.threads);
        ASSERT_EQ(chunks.size(), c.chunks);
        std::size_t next = 0;
        for (std::size_t i = 0; i < chunks.size(); ++i) {
            EXPECT_EQ(chunks[i].index, i);
            EXPECT_EQ(chunks[i].begin, next);
            EXPECT_GE(chunks[i].end, chunks[i].begin);
            if (c.chunks > 1) {
                EXPECT_GE(chunks[i].end - chunks[i].begin, c.minimum);
            }
            next = chunks[i].end;
        }
        EXPECT_EQ(next, c.count);
    }
}

TEST(Chunks, EveryChunkRunsOnce) {
    const std::vector<Chunk> chunks = ChunksOf(100000, 100, 4);
    std::vector<int> seen(100000, 0);
    std::atomic<int> runs = 0;
    RunChunks(chunks, [&](const Chunk& chunk) {
        ++runs;
        for (std::size_t i = chunk.begin; i < chunk.end; ++i) ++seen[i];
    });
    EXPECT_EQ(runs, 4);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), 100000);
}

}  // namespace
}  // namespace cesuan
