// The real random source: always inside [0, 1), so every hiding place is a real room.
#include "game/clock_random_source.h"
#include "game/game.h"
#include "recording_fakes.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(ClockRandomSourceTest, NeverReachesOneAndCoversTheWholeRange) {
    ClockRandomSource random;
    random.Seed();
    float lowest = 1.0f;
    float highest = 0.0f;
    for (int i = 0; i < 2'000'000; ++i) {
        const float r = random.Next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_LT(lowest, 0.001f);
    EXPECT_GT(highest, 0.999f);
}

// Every hiding place drawn from the real source is one of the 25 rooms, and each room turns up.
TEST(ClockRandomSourceTest, HidingPlacesCoverExactlyTheTwentyFiveRooms) {
    EventLog log;
    RecordingView view{log};
    RecordingMessageBox box{log};
    ClockRandomSource random;
    RecordingExit exit{log};
    Game game{view, box, random, exit};
    game.InitializeGame();

    std::array<int, 25> seen{};
    for (int i = 0; i < 100'000; ++i) {
        game.DrawHidingPlace();
        const int room = game.State().HideRoom;
        const int floor = game.State().HideFloor;
        ASSERT_TRUE(room >= 1 && room <= 5) << room;
        ASSERT_TRUE(floor >= 1 && floor <= 5) << floor;
        ++seen[static_cast<std::size_t>((room - 1) * 5 + floor - 1)];
    }
    for (int count : seen)
        EXPECT_GT(count, 3000); // 4000 expected for each room
}

TEST(ClockRandomSourceTest, TwoSeedsAtDifferentTimesGiveDifferentSequences) {
    ClockRandomSource a;
    ClockRandomSource b;
    a.Seed();
    const auto until = std::chrono::system_clock::now() + std::chrono::milliseconds(2);
    while (std::chrono::system_clock::now() < until) {
    }
    b.Seed();
    int same = 0;
    for (int i = 0; i < 16; ++i)
        same += a.Next() == b.Next();
    EXPECT_LT(same, 16);
}

} // namespace
