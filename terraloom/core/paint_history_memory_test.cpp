// The heap a history takes, counted by a counting allocator: this test
// program's operator new and delete add up the usable size of every block
// they hand out and take back, so the figure includes what malloc rounds
// up and every container's own blocks.
#include "terraloom/core/paint_history.h"

#include <gtest/gtest.h>

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long long> heapBytes{0};

void* counted(std::size_t size)
{
    void* block = std::malloc(size == 0 ? 1 : size);
    if (!block)
        throw std::bad_alloc();
    heapBytes += static_cast<long long>(malloc_usable_size(block));
    return block;
}

void uncounted(void* block) noexcept
{
    if (!block)
        return;
    heapBytes -= static_cast<long long>(malloc_usable_size(block));
    std::free(block);
}

}  // namespace

void* operator new(std::size_t size)
{
    return counted(size);
}
void* operator new[](std::size_t size)
{
    return counted(size);
}
void operator delete(void* block) noexcept
{
    uncounted(block);
}
void operator delete[](void* block) noexcept
{
    uncounted(block);
}
void operator delete(void* block, std::size_t) noexcept
{
    uncounted(block);
}
void operator delete[](void* block, std::size_t) noexcept
{
    uncounted(block);
}

namespace terraloom {
namespace {

PaintStep fillOf(int cells, std::uint8_t tile)
{
    PaintStep step;
    for (int place = 0; place < cells; ++place)
        step.push_back({static_cast<std::uint16_t>(place), 0, tile});
    return step;
}

// Steps of 1 to 10,000 cells, strokes among them (which grow cell by
// cell), some undone: the heap the history holds stays within 4 bytes a
// changed cell and 64 a step.
TEST(PaintHistoryMemory, AStepTakesAtMostFourBytesACellAndSixtyFour)
{
    formats::MapGrid grid;
    const long long before = heapBytes;
    {
        PaintHistory history;
        std::size_t allowed = 0;
        const int sizes[] = {1, 2, 3, 7, 100, 999, 10000};
        std::uint8_t tile = 0;
        for (int round = 0; round < 60; ++round)
            for (const int cells : sizes) {
                tile = static_cast<std::uint8_t>(tile % 100 + 1);
                if (round % 2 == 0) {
                    history.record(grid, fillOf(cells, tile));
                } else {
                    for (int place = 0; place < cells; ++place)
                        history.strokePainted({static_cast<std::uint16_t>(place), grid.cells()[place], tile});
                    for (int place = 0; place < cells; ++place)
                        grid.cells()[static_cast<std::size_t>(place)] = tile;
                    history.endStroke();
                }
                allowed += 4 * static_cast<std::size_t>(cells) + 64;
            }
        for (int i = 0; i < 100; ++i)
            history.undo(grid);
        ASSERT_EQ(history.undoSteps() + history.redoSteps(), 420u);
        const long long taken = heapBytes - before;
        EXPECT_LE(taken, static_cast<long long>(allowed)) << "bytes a step: " << taken / 420;
    }
    EXPECT_EQ(heapBytes - before, 0);
}

// 1,000 fills of the whole map would be 40 MB of changes: the oldest go,
// and the heap stays under the 16 MiB cap.
TEST(PaintHistoryMemory, AThousandWholeMapFillsStayUnderTheCap)
{
    formats::MapGrid grid;
    const long long before = heapBytes;
    PaintHistory history;
    long long most = 0;
    for (int i = 0; i < 1000; ++i) {
        history.record(grid, fillOf(10000, static_cast<std::uint8_t>(i % 100 + 1)));
        most = std::max(most, heapBytes - before);
    }
    EXPECT_LE(history.bytesKept(), PaintHistory::kKeptBytes);
    EXPECT_EQ(history.undoSteps(), PaintHistory::kKeptBytes / (PaintHistory::kStepBytes + 40000));
    EXPECT_LE(most, static_cast<long long>(PaintHistory::kKeptBytes));
}

}  // namespace
}  // namespace terraloom
