#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "generate/PartSchedule.h"

using namespace tarnholt;

namespace {

// Parts numbered across the streams: stream 0 has part 0, stream 1 parts 1 to 40, stream 2 none and
// stream 3 parts 41 and 42.
TEST(PartSchedule, NumbersPartsAcrossTheStreams)
{
    const PartSchedule schedule({1, 40, 0, 2}, 32);
    EXPECT_EQ(schedule.total(), 43u);
    EXPECT_EQ(schedule.streamOf(0), 0u);
    EXPECT_EQ(schedule.streamOf(1), 1u);
    EXPECT_EQ(schedule.streamOf(40), 1u);
    EXPECT_EQ(schedule.streamOf(41), 3u); // the stream without parts is passed over
    EXPECT_EQ(schedule.indexInStream(41), 0u);
    EXPECT_EQ(schedule.indexInStream(42), 1u);
    EXPECT_TRUE(schedule.lastInStream(0));
    EXPECT_FALSE(schedule.lastInStream(39));
    EXPECT_TRUE(schedule.lastInStream(40));
    EXPECT_TRUE(schedule.streamWritten(2));
}

// The first stream's only part is made and being written while the second stream's parts are made
// and written behind it. The part that would share its place is not taken, and the second stream's
// writer does not mistake the part in that place for its own next one.
TEST(PartSchedule, AStreamNeverWritesAPartThatIsNotItsOwnNextOne)
{
    PartSchedule schedule({1, 40}, 32);
    for (std::size_t i = 0; i < 32; ++i) {
        ASSERT_TRUE(schedule.canTake());
        EXPECT_EQ(schedule.take(), i);
    }
    EXPECT_FALSE(schedule.canTake()); // part 32 would take the place of part 0, not yet written

    schedule.made(0);
    EXPECT_EQ(schedule.nextToWrite(0), std::optional<std::size_t>(0)); // being written from now
    EXPECT_EQ(schedule.nextToWrite(1), std::nullopt);                  // part 1 is still being made
    for (std::size_t part = 1; part < 32; ++part) {
        schedule.made(part);
        ASSERT_EQ(schedule.nextToWrite(1), std::optional<std::size_t>(part));
        schedule.written(part);
    }
    EXPECT_EQ(schedule.slotOf(32), schedule.slotOf(0));
    EXPECT_EQ(schedule.nextToWrite(1), std::nullopt); // part 32 is not taken yet
    EXPECT_FALSE(schedule.canTake());

    schedule.written(0);
    EXPECT_TRUE(schedule.streamWritten(0));
    ASSERT_TRUE(schedule.canTake());
    EXPECT_EQ(schedule.take(), 32u);
    EXPECT_EQ(schedule.nextToWrite(1), std::nullopt); // taken, not made
    schedule.made(32);
    EXPECT_EQ(schedule.nextToWrite(1), std::optional<std::size_t>(32));
}

// Parts made out of order are written in order, and the whole job ends with every stream written.
TEST(PartSchedule, PartsMadeOutOfOrderAreWrittenInOrder)
{
    PartSchedule schedule({3, 2}, 4);
    std::vector<std::size_t> taken;
    while (schedule.canTake())
        taken.push_back(schedule.take());
    EXPECT_EQ(taken, (std::vector<std::size_t>{0, 1, 2, 3}));
    EXPECT_FALSE(schedule.allTaken());

    std::vector<std::size_t> writes;
    auto writeWhatIsDue = [&] {
        for (std::size_t stream = 0; stream < 2; ++stream)
            while (const auto next = schedule.nextToWrite(stream)) {
                writes.push_back(*next);
                schedule.written(*next);
            }
    };
    for (std::size_t part : {2u, 3u, 1u}) {
        schedule.made(part);
        writeWhatIsDue();
    }
    EXPECT_EQ(writes, (std::vector<std::size_t>{3}));
    schedule.made(0);
    writeWhatIsDue();
    EXPECT_EQ(writes, (std::vector<std::size_t>{3, 0, 1, 2}));
    EXPECT_TRUE(schedule.streamWritten(0));
    EXPECT_FALSE(schedule.streamWritten(1));

    ASSERT_TRUE(schedule.canTake());
    schedule.made(schedule.take());
    EXPECT_TRUE(schedule.allTaken());
    EXPECT_FALSE(schedule.canTake());
    writeWhatIsDue();
    EXPECT_EQ(writes, (std::vector<std::size_t>{3, 0, 1, 2, 4}));
    EXPECT_TRUE(schedule.streamWritten(1));
}

} // namespace
