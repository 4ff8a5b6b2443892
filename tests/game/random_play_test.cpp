// A long seeded random play that checks every rule after every step: ranges, payments, the high
// score, the length of a mission, the truth of every hint and the summary's numbers.
#include "game/game.h"
#include "game/game_view.h"
#include "game/message_box_service.h"
#include "game/message_catalogue.h"
#include "game/program_exit.h"
#include "game/random_source.h"
#include "recording_fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <random>
#include <utility>

namespace {

// Remembers only what the checks need, so that a hundred thousand missions stay fast.
class WatchingView final : public GameView {
public:
    void SetCellColours(int, Colour back, Colour) override { cellBlack = back == 0; }
    void SetBackground(Colour) override {}
    void SetMainWindowEnabled(bool enabled) override { windowEnabled = enabled; }
    void ShowContinueDialog() override { ++dialogs; }
    void FocusRoom(int) override {}
    void ShowNames(const MainWindow::Names&) override {}
    bool cellBlack = false;
    bool windowEnabled = true;
    int dialogs = 0;
};

class WatchingBox final : public MessageBoxService {
public:
    void Show(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::mt19937& engine)
        : m_engine(engine) {}
    void Seed() override {}
    float Next() override { return static_cast<float>(m_engine() >> 8) * 0x1p-24f; }

private:
    std::mt19937& m_engine;
};

class NoExit final : public ProgramExit {
public:
    void EndProgram() override { FAIL() << "nothing in play ends the program"; }
};

// The sanitizers make every step several times slower; on a busy machine a hundred thousand
// missions would then take most of the test's time limit. A fifth of them still plays every
// room against every hiding place hundreds of times.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUV_ADDRESS_SANITIZER
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(QUV_ADDRESS_SANITIZER)
constexpr int kMissions = 20'000;
#else
constexpr int kMissions = 100'000;
#endif

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(RandomPlayTest, ManySeededMissionsKeepEveryRule) {
    std::mt19937 engine(20261208);
    WatchingView view;
    WatchingBox box;
    SeededRandom random(engine);
    NoExit exit;
    Game game(view, box, random, exit);
    const GameState& s = game.State();
    game.InitializeGame();

    const std::string pressStart = ComposeMessage(MessageKey::msgPressStart);
    const std::string sameFloor = ComposeMessage(MessageKey::msgSameFloor);
    const std::string goUp = ComposeMessage(MessageKey::msgGoUp);
    const std::string goDown = ComposeMessage(MessageKey::msgGoDown);
    const std::string escaped = ComposeMessage(MessageKey::msgEscaped);

    int missions = 0;
    int visitsThisMission = 0;
    int paidThisMission = 0;
    int caughtThisMission = 0;
    int bestReward = 0;
    std::uniform_int_distribution<int> action(0, 99);
    std::uniform_int_distribution<int> coordinate(1, 5);
    // Visits by room and hiding place (both as column * 10 + floor), and catches by reward.
    std::map<std::pair<int, int>, int> tried;
    std::array<int, 7> caughtFor{};

    while (missions < kMissions) {
        box.texts.clear();
        if (game.AwaitingAnswer()) {
            // The player answers YES to go on.
            ASSERT_TRUE(game.AnswerContinue(true));
            ASSERT_TRUE(view.windowEnabled);
        }
        const int roll = action(engine);
        if (s.MissionActive == 0 || roll == 0) {
            // Starts come when idle, and now and then in the middle of a mission.
            if (s.MissionActive == 0 && roll < 3) {
                game.VisitRoom(0, 15);
                ASSERT_EQ(box.texts, std::vector<std::string>{pressStart});
                continue;
            }
            game.StartMission();
            visitsThisMission = paidThisMission = caughtThisMission = 0;
            ASSERT_EQ(box.texts.size(), 7u);
            ASSERT_EQ(box.texts.back(), "1人目");
        } else if (roll == 1) {
            game.ShowCurrentScore();
            game.ShowHighScore();
            ASSERT_EQ(box.texts,
                      (std::vector{ComposeMessage(MessageKey::msgCurrentScore, {s.Reward}),
                                   ComposeMessage(MessageKey::msgHighScore, {s.HighScore})}));
        } else {
            const int room = coordinate(engine) * 10 + coordinate(engine);
            const int hiddenIn = s.HideRoom * 10 + s.HideFloor;
            const int hiddenFloor = s.HideFloor;
            const int missesBefore = s.MissCount;
            const int suspect = s.SuspectNo;
            const int dialogsBefore = view.dialogs;
            game.VisitRoom(CellOf(room), room);
            ++visitsThisMission;
            ++tried[{room, hiddenIn}];
            ASSERT_FALSE(view.cellBlack) << "a visited cell must end blue";

            if (room == hiddenIn) {
                const int pay = 6 - missesBefore;
                ASSERT_TRUE(Contains(box.texts, ComposeMessage(MessageKey::msgPaid, {pay})));
                paidThisMission += pay;
                ++caughtThisMission;
                ++caughtFor[pay];
                bestReward = std::max(bestReward, paidThisMission);
            } else {
                const int floor = room % 10;
                const std::string& truth =
                    floor == hiddenFloor ? sameFloor : (floor > hiddenFloor ? goDown : goUp);
                ASSERT_EQ(box.texts.at(0), truth) << "room " << room << " hide " << hiddenIn;
                ASSERT_EQ(Contains(box.texts, escaped), missesBefore == 4);
            }
            ASSERT_EQ(s.HighScore, bestReward);

            if (view.dialogs != dialogsBefore) {
                ASSERT_EQ(suspect, 6);
                ASSERT_GE(visitsThisMission, 6);
                ASSERT_LE(visitsThisMission, 30);
                ASSERT_EQ(box.texts.back(), ComposeMessage(MessageKey::msgSummary,
                                                           {caughtThisMission, paidThisMission}));
                ASSERT_FALSE(view.windowEnabled);
                ASSERT_EQ(s.MissionActive, 0);
                ASSERT_EQ(s.Reward, 0);
                ++missions;
            } else {
                ASSERT_EQ(s.Reward, paidThisMission);
                ASSERT_EQ(s.CaughtCount, caughtThisMission);
            }
        }

        ASSERT_TRUE(s.SuspectNo >= 1 && s.SuspectNo <= 6) << s.SuspectNo;
        ASSERT_TRUE(s.HideRoom >= 1 && s.HideRoom <= 5);
        ASSERT_TRUE(s.HideFloor >= 1 && s.HideFloor <= 5);
        ASSERT_TRUE(s.MissCount >= 0 && s.MissCount <= 4);
        ASSERT_TRUE(s.Reward >= 0 && s.Reward <= 36);
        ASSERT_TRUE(s.CaughtCount >= 0 && s.CaughtCount <= 6);
        ASSERT_TRUE(s.MissionActive == 0 || s.MissionActive == 1);
        ASSERT_TRUE(s.HighScore >= 0 && s.HighScore <= 36);
    }
    EXPECT_EQ(bestReward, s.HighScore);
    EXPECT_GT(bestReward, 20) << "random play should catch a good many suspects now and then";
    // However many missions the build can afford, they tried every room against every hiding
    // place and caught suspects at every reward.
    EXPECT_EQ(tried.size(), 25u * 25u);
    for (const auto& [visit, count] : tried)
        EXPECT_GE(count, 100) << "room " << visit.first << " hide " << visit.second;
    for (int pay = 2; pay <= 6; ++pay)
        EXPECT_GE(caughtFor[pay], 1000) << pay;
}

} // namespace
