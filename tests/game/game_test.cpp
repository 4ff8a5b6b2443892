// The rules of a mission, checked through the ordered log of everything the game did.
#include "game/game.h"
#include "game/message_catalogue.h"
#include "recording_fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>

namespace {

std::string Text(MessageKey key, std::initializer_list<int> values = {}) {
    return "text " + ComposeMessage(key, values);
}

std::string Black(int room) {
    return "cell " + std::to_string(CellOf(room)) + " 000000/000000";
}
std::string Blue(int room) {
    return "cell " + std::to_string(CellOf(room)) + " FF0000/FF0000";
}

class GameTest : public ::testing::Test {
protected:
    // A running mission with its first suspect hidden in `room`, and an empty log.
    void StartWithSuspectIn(int room) {
        game.InitializeGame();
        random.QueueRoom(room);
        game.StartMission();
        log.clear();
    }

    // A room that is wrong for a suspect hidden in `room`, on the same floor.
    static int WrongRoom(int room) { return room / 10 == 1 ? room + 10 : room - 10; }

    void Visit(int room) { game.VisitRoom(CellOf(room), room); }

    void LoseSuspectIn(int room) {
        for (int i = 0; i < 5; ++i)
            Visit(WrongRoom(room));
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        std::copy_if(log.begin(), log.end(), std::back_inserter(texts),
                     [](const std::string& e) { return e.rfind("text ", 0) == 0; });
        return texts;
    }

    EventLog log;
    RecordingView view{log};
    RecordingMessageBox box{log};
    ScriptedRandom random{log};
    RecordingExit exit{log};
    Game game{view, box, random, exit};
};

TEST_F(GameTest, StartsIdleWithAllCountersZeroAndSeedsOnceShowingNothing) {
    const GameState& s = game.State();
    EXPECT_EQ(s.SuspectNo + s.HideRoom + s.HideFloor + s.MissCount + s.Reward + s.CaughtCount, 0);
    game.InitializeGame();
    EXPECT_EQ(log, (EventLog{"seed"}));
    EXPECT_EQ(s.MissionActive, 0);
    EXPECT_EQ(s.HighScore, 0);

    game.StartMission();
    Visit(11);
    EXPECT_EQ(std::count(log.begin(), log.end(), "seed"), 1);
}

TEST_F(GameTest, ARoomBeforeStartOnlyAsksForStart) {
    game.InitializeGame();
    log.clear();
    Visit(33);
    EXPECT_EQ(log, (EventLog{"text メニュー中のスタートキーをクリックしてください。"}));
    EXPECT_EQ(game.State().MissionActive, 0);
}

TEST_F(GameTest, StartShowsTheIntroThenTheFirstOrdinalThenDrawsRoomBeforeFloor) {
    game.InitializeGame();
    log.clear();
    random.Queue(ScriptedRandom::Middle(4)); // room
    random.Queue(ScriptedRandom::Middle(2)); // floor
    game.StartMission();

    EXPECT_EQ(log, (EventLog{Text(MessageKey::msgIntro1), Text(MessageKey::msgIntro2),
                             Text(MessageKey::msgIntro3), Text(MessageKey::msgIntro4),
                             Text(MessageKey::msgIntro5), Text(MessageKey::msgIntro6), "text 1人目",
                             "draw", "draw"}));
    const GameState& s = game.State();
    EXPECT_EQ(s.HideRoom, 4);
    EXPECT_EQ(s.HideFloor, 2);
    EXPECT_EQ(s.MissionActive, 1);
    EXPECT_EQ(s.SuspectNo, 1);
    EXPECT_EQ(s.MissCount + s.Reward + s.CaughtCount, 0);
}

// The exact sequence of a catch: the cell is black while the catch is announced, blue again
// before the ordinal of the next suspect.
TEST_F(GameTest, ACatchBlackensTheCellAnnouncesPaysThenTurnsBlueBeforeTheOrdinal) {
    StartWithSuspectIn(42);
    random.QueueRoom(15);
    Visit(42);
    EXPECT_EQ(log, (EventLog{Black(42), "text 奴だ！\u3000ここにいやがった！",
                             "text 君には6万ドルが支払われる。", Blue(42), "text 2人目", "draw",
                             "draw", "background FFFF80"}));
    const GameState& s = game.State();
    EXPECT_EQ(s.Reward, 6);
    EXPECT_EQ(s.CaughtCount, 1);
    EXPECT_EQ(s.SuspectNo, 2);
    EXPECT_EQ(s.HighScore, 6);
    EXPECT_EQ(s.HideRoom * 10 + s.HideFloor, 15);
}

class PaymentTest : public GameTest, public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(PaymentTest, PayShrinksWithEveryVisitSpentOnTheSuspect) {
    const auto [misses, pay] = GetParam();
    StartWithSuspectIn(23);
    for (int i = 0; i < misses; ++i)
        Visit(53);
    log.clear();
    Visit(23);
    EXPECT_EQ(Texts()[1], Text(MessageKey::msgPaid, {pay}));
    EXPECT_EQ(game.State().Reward, pay);
    EXPECT_EQ(game.State().MissCount, 0);
}

INSTANTIATE_TEST_SUITE_P(FirstToFifthVisit, PaymentTest,
                         ::testing::Values(std::pair{0, 6}, std::pair{1, 5}, std::pair{2, 4},
                                           std::pair{3, 3}, std::pair{4, 2}));

class HintTest : public GameTest,
                 public ::testing::WithParamInterface<std::pair<int, const char*>> {};

TEST_P(HintTest, AMissTellsOnlyWhereTheFloorIs) {
    const auto [room, hint] = GetParam();
    StartWithSuspectIn(33);
    Visit(room);
    EXPECT_EQ(log, (EventLog{Black(room), std::string("text ") + hint,
                             "text 残念。チャンスはあと4回だ。", Blue(room), "background FFFFC0"}));
}

INSTANTIATE_TEST_SUITE_P(AroundRoom33, HintTest,
                         ::testing::Values(std::pair{24, "もっと下の階だ！"},
                                           std::pair{52, "もっと上の階だ！"},
                                           std::pair{13, "この階にいるぞ！"},
                                           std::pair{35, "もっと下の階だ！"},
                                           std::pair{31, "もっと上の階だ！"}));

TEST_F(GameTest, FourMissesCountDownTheChancesAndTheFifthLosesTheSuspect) {
    StartWithSuspectIn(33);
    for (int left : {4, 3, 2, 1}) {
        log.clear();
        Visit(13);
        EXPECT_EQ(Texts(), (std::vector{Text(MessageKey::msgSameFloor),
                                        Text(MessageKey::msgChancesLeft, {left})}));
        EXPECT_EQ(game.State().MissCount, 5 - left);
    }

    log.clear();
    random.QueueRoom(51);
    Visit(14);
    EXPECT_EQ(log, (EventLog{Black(14), "text もっと下の階だ！",
                             "text 残念だが見つけられなかったようだな。", Blue(14), "draw", "draw",
                             "text 2人目", "background FFFF80"}));
    const GameState& s = game.State();
    EXPECT_EQ(s.SuspectNo, 2);
    EXPECT_EQ(s.MissCount, 0);
    EXPECT_EQ(s.CaughtCount, 0);
    EXPECT_EQ(s.Reward, 0);
    EXPECT_EQ(s.HideRoom * 10 + s.HideFloor, 51);
}

TEST_F(GameTest, ARevisitCountsLikeAnyOtherVisit) {
    StartWithSuspectIn(55);
    Visit(11);
    Visit(11);
    EXPECT_EQ(game.State().MissCount, 2);
}

TEST_F(GameTest, TheBackgroundDarkensWithEachSuspect) {
    StartWithSuspectIn(11);
    const std::vector<std::string> expected = {"FFFF80", "FFFF00", "C0C000", "808000", "404000"};
    for (const std::string& colour : expected) {
        log.clear();
        random.QueueRoom(11);
        Visit(11);
        EXPECT_EQ(log.back(), "background " + colour);
    }
    // A miss during suspect 6 keeps the darkest colour.
    log.clear();
    Visit(21);
    EXPECT_EQ(log.back(), "background 404000");
}

TEST_F(GameTest, TheMissionEndsWithSummaryResetDialogBackgroundAndDisabledWindowInThatOrder) {
    StartWithSuspectIn(11);
    random.fallback = ScriptedRandom::Middle(1); // every suspect in room 11
    for (int i = 0; i < 5; ++i)
        Visit(11);
    log.clear();
    Visit(11);
    EXPECT_EQ(log,
              (EventLog{Black(11), Text(MessageKey::msgFound), "text 君には6万ドルが支払われる。",
                        Blue(11), "draw", "draw", "text 君の任務は終わった。",
                        "text 捕まえた人数：6人     報酬額：36万ドル", "dialog",
                        "background FFFFC0", "disabled"}));
    const GameState& s = game.State();
    EXPECT_EQ(s.SuspectNo, 1);
    EXPECT_EQ(s.MissCount, 0);
    EXPECT_EQ(s.Reward, 0);
    EXPECT_EQ(s.CaughtCount, 0);
    EXPECT_EQ(s.MissionActive, 0);
    EXPECT_EQ(s.HighScore, 36);
    EXPECT_EQ(s.HideRoom * 10 + s.HideFloor, 11);
}

// A screen reader reading the window while a box shows hears the suspect that box is about, and
// none from the mission's closing boxes until the next mission's first suspect.
TEST_F(GameTest, AssistiveTechnologyHearsTheSuspectSoughtBeforeEveryBox) {
    game.InitializeGame();
    EXPECT_EQ(view.names.window, "Quv");
    EXPECT_EQ(game.HomeRoom(), 0);
    random.fallback = ScriptedRandom::Middle(1);
    std::string heard;
    box.onShow = [&](const std::string&) {
        heard += view.names.description.empty() ? "-" : view.names.description.substr(0, 1);
        EXPECT_EQ(view.names, MainWindow::NamesOf(game.State()));
    };
    game.StartMission();
    for (int i = 0; i < 6; ++i)
        Visit(11);
    // The briefing, then each catch's two boxes and the next ordinal, then the closing boxes.
    EXPECT_EQ(heard, "------111222333444555666--");
    EXPECT_EQ(view.names.building, "ビル");
}

TEST_F(GameTest, AMissionOfLostSuspectsEndsWithNothing) {
    StartWithSuspectIn(55);
    random.fallback = ScriptedRandom::Middle(5);
    for (int suspect = 1; suspect <= 6; ++suspect)
        LoseSuspectIn(55);
    const std::vector<std::string> texts = Texts();
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[texts.size() - 3], Text(MessageKey::msgEscaped));
    EXPECT_EQ(texts.back(), "text 捕まえた人数：0人     報酬額：0万ドル");
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "text 7人目"), 0);
    EXPECT_EQ(game.State().HighScore, 0);
    EXPECT_EQ(game.State().MissionActive, 0);
    EXPECT_EQ(log.back(), "disabled");
}

TEST_F(GameTest, VisitsAfterTheMissionAreRefusedUntilStart) {
    StartWithSuspectIn(11);
    random.fallback = ScriptedRandom::Middle(1);
    for (int i = 0; i < 6; ++i)
        Visit(11);
    ASSERT_TRUE(game.AnswerContinue(true));
    log.clear();
    Visit(11);
    EXPECT_EQ(log, (EventLog{Text(MessageKey::msgPressStart)}));
}

TEST_F(GameTest, ScoreQueriesReportInEveryStateAndChangeNothing) {
    game.InitializeGame();
    log.clear();
    game.ShowCurrentScore();
    game.ShowHighScore();
    EXPECT_EQ(log, (EventLog{"text 今のところ0万ドルだな。", "text 0万ドルが最高だ。"}));

    random.QueueRoom(22);
    game.StartMission();
    Visit(12);
    Visit(22); // pays 5
    log.clear();
    game.ShowCurrentScore();
    game.ShowHighScore();
    EXPECT_EQ(log, (EventLog{"text 今のところ5万ドルだな。", "text 5万ドルが最高だ。"}));
    EXPECT_EQ(game.State().Reward, 5);

    random.fallback = ScriptedRandom::Middle(1);
    for (int suspect = 2; suspect <= 6; ++suspect)
        LoseSuspectIn(11);
    ASSERT_TRUE(game.AnswerContinue(true));
    log.clear();
    game.ShowCurrentScore();
    game.ShowHighScore();
    EXPECT_EQ(log, (EventLog{"text 今のところ0万ドルだな。", "text 5万ドルが最高だ。"}));
}

TEST_F(GameTest, StartingAgainMidMissionRestartsButKeepsHighScoreAndBackground) {
    StartWithSuspectIn(11);
    random.QueueRoom(12);
    Visit(11); // suspect 2, background darker
    random.QueueRoom(13);
    Visit(12); // suspect 3
    ASSERT_EQ(game.State().HighScore, 12);
    log.clear();

    random.QueueRoom(44);
    game.StartMission();
    EXPECT_EQ(Texts().size(), 7u);
    EXPECT_EQ(Texts().front(), Text(MessageKey::msgIntro1));
    EXPECT_EQ(std::count_if(log.begin(), log.end(),
                            [](const std::string& e) { return e.rfind("background", 0) == 0; }),
              0);
    const GameState& s = game.State();
    EXPECT_EQ(s.SuspectNo, 1);
    EXPECT_EQ(s.Reward, 0);
    EXPECT_EQ(s.CaughtCount, 0);
    EXPECT_EQ(s.HighScore, 12);

    log.clear();
    Visit(45);
    EXPECT_EQ(log.back(), "background FFFFC0");
    random.QueueRoom(11);
    Visit(44);
    EXPECT_EQ(log.back(), "background FFFF80");
    EXPECT_EQ(game.State().HighScore, 12); // 5 is below it
}

TEST_F(GameTest, APoorerSecondMissionLeavesTheHighScoreAlone) {
    StartWithSuspectIn(11);
    random.fallback = ScriptedRandom::Middle(1);
    for (int i = 0; i < 6; ++i)
        Visit(11);
    ASSERT_EQ(game.State().HighScore, 36);
    ASSERT_TRUE(game.AnswerContinue(true));

    random.QueueRoom(11);
    game.StartMission();
    Visit(11);
    for (int suspect = 2; suspect <= 6; ++suspect)
        LoseSuspectIn(11);
    EXPECT_EQ(Texts().back(), "text 捕まえた人数：1人     報酬額：6万ドル");
    EXPECT_EQ(game.State().HighScore, 36);
}

// One action at a time: whatever reaches the game while a box waits (a screen reader's press, a
// posted command) is ignored. Each row's action arrives while the named box is open.
struct WhileABoxWaits {
    const char* name;
    const char* box; // the text during which the action arrives
    std::function<void(Game&)> action;
};

void PrintTo(const WhileABoxWaits& row, std::ostream* os) {
    *os << row.name;
}

class OneActionTest : public GameTest, public ::testing::WithParamInterface<WhileABoxWaits> {};

TEST_P(OneActionTest, AnActionArrivingWhileABoxWaitsShowsAndChangesNothing) {
    const WhileABoxWaits& row = GetParam();
    StartWithSuspectIn(42);
    random.QueueRoom(15);
    bool arrived = false;
    box.onShow = [&](const std::string& text) {
        if (text != row.box || arrived)
            return;
        arrived = true;
        EXPECT_EQ(game.InFront(), Game::Window::Box);
        const GameState before = game.State();
        const std::size_t logged = log.size();
        row.action(game);
        EXPECT_EQ(log.size(), logged) << "something was shown or drawn";
        EXPECT_EQ(std::memcmp(&before, &game.State(), sizeof before), 0);
    };
    Visit(42); // a catch
    ASSERT_TRUE(arrived);
    box.onShow = nullptr;

    // The catch was paid once, the keyboard goes on from the room visited, and the game takes
    // actions again once its boxes have closed.
    EXPECT_EQ(view.focused, std::vector<int>{CellOf(42)});
    EXPECT_EQ(game.State().Reward, 6);
    EXPECT_EQ(game.State().CaughtCount, 1);
    log.clear();
    game.ShowCurrentScore();
    EXPECT_EQ(log, (EventLog{"text 今のところ6万ドルだな。"}));
}

INSTANTIATE_TEST_SUITE_P(
    DuringACatch, OneActionTest,
    ::testing::Values(WhileABoxWaits{"the same room again", "奴だ！\u3000ここにいやがった！",
                                     [](Game& g) {
                                         g.VisitRoom(CellOf(42), 42);
                                     }},
                      WhileABoxWaits{"another room", "君には6万ドルが支払われる。",
                                     [](Game& g) {
                                         g.VisitRoom(CellOf(11), 11);
                                     }},
                      WhileABoxWaits{"start", "奴だ！\u3000ここにいやがった！",
                                     [](Game& g) {
                                         g.Choose(MenuCommand::Start);
                                     }},
                      WhileABoxWaits{"a score", "2人目",
                                     [](Game& g) {
                                         g.Choose(MenuCommand::HighScore);
                                     }},
                      WhileABoxWaits{"the other score", "2人目",
                                     [](Game& g) {
                                         g.ShowCurrentScore();
                                     }},
                      WhileABoxWaits{"an answer nobody asked for", "2人目",
                                     [](Game& g) {
                                         EXPECT_FALSE(g.AnswerContinue(true));
                                     }},
                      WhileABoxWaits{"quit", "君には6万ドルが支払われる。",
                                     [](Game& g) {
                                         g.Choose(MenuCommand::Quit);
                                     }},
                      WhileABoxWaits{"closing the window", "2人目",
                                     [](Game& g) {
                                         EXPECT_FALSE(g.CloseMainWindow());
                                     }}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST_F(GameTest, AVisitDuringTheBriefingIsIgnoredAndTheBriefingGoesOn) {
    game.InitializeGame();
    random.QueueRoom(33);
    box.onShow = [&](const std::string& text) {
        if (text == ComposeMessage(MessageKey::msgIntro3)) {
            game.VisitRoom(CellOf(33), 33);
            game.StartMission();
        }
    };
    log.clear();
    game.StartMission();
    EXPECT_EQ(Texts().size(), 7u);
    EXPECT_EQ(game.State().MissCount, 0);
}

// While the continue dialog waits, the disabled main window takes nothing: no room, no menu
// choice, not even Quit, and its frame does not close it.
TEST_F(GameTest, WhileTheDialogWaitsTheMainWindowTakesNothingUntilYes) {
    StartWithSuspectIn(11);
    random.fallback = ScriptedRandom::Middle(1);
    for (int i = 0; i < 6; ++i)
        Visit(11);
    ASSERT_TRUE(game.AwaitingAnswer());
    ASSERT_FALSE(game.Ready());
    EXPECT_EQ(game.InFront(), Game::Window::Dialog);
    EXPECT_EQ(game.BoxOwner(), Game::Window::Dialog);
    log.clear();

    Visit(11);
    for (MenuCommand c : {MenuCommand::Start, MenuCommand::Quit, MenuCommand::CurrentScore,
                          MenuCommand::HighScore, MenuCommand::None})
        game.Choose(c);
    EXPECT_FALSE(game.CloseMainWindow());
    EXPECT_EQ(log, EventLog{});

    EXPECT_EQ(view.focused.size(), 5u) << "behind the dialog the focus stays with it";
    EXPECT_TRUE(game.AnswerContinue(true));
    EXPECT_EQ(log, (EventLog{"enabled"}));
    EXPECT_EQ(view.focused.back(), CellOf(11)) << "YES gives the room visited back";
    EXPECT_EQ(game.HomeRoom(), CellOf(11));
    EXPECT_EQ(game.InFront(), Game::Window::Main);
    EXPECT_TRUE(game.Ready());
    EXPECT_FALSE(game.AnswerContinue(true)) << "a second YES has nothing to answer";
    log.clear();
    Visit(11);
    EXPECT_EQ(log, (EventLog{Text(MessageKey::msgPressStart)}));
    EXPECT_TRUE(game.CloseMainWindow());
    EXPECT_EQ(log.back(), "exit");
}

TEST_F(GameTest, NoEndsTheProgramAndAnAnswerDuringTheLastVisitIsRefused) {
    StartWithSuspectIn(11);
    random.fallback = ScriptedRandom::Middle(1);
    for (int i = 0; i < 5; ++i)
        Visit(11);
    // The summary is the last box of the visit that ends the mission, which still runs as the
    // dialog opens: an answer then would be undone by the disabling that follows.
    int refused = 0;
    box.onShow = [&](const std::string& text) {
        if (text.starts_with("捕まえた人数"))
            refused += !game.AnswerContinue(true);
    };
    view.onDialog = [&] {
        refused += !game.AnswerContinue(true);
    };
    Visit(11);
    EXPECT_EQ(refused, 2);
    EXPECT_EQ(log.back(), "disabled");
    log.clear();
    EXPECT_TRUE(game.AnswerContinue(false));
    EXPECT_EQ(log, (EventLog{"exit"}));
}

TEST(HidingPlaceTest, TheExtremesOfTheRandomRangeStayInsideTheBuilding) {
    EventLog log;
    RecordingView view{log};
    RecordingMessageBox box{log};
    ScriptedRandom random{log};
    RecordingExit exit{log};
    Game game{view, box, random, exit};

    const float largestBelowOne = 1.0f - 0x1p-24f;
    random.Queue(largestBelowOne);
    random.Queue(largestBelowOne);
    game.DrawHidingPlace();
    EXPECT_EQ(game.State().HideRoom, 5);
    EXPECT_EQ(game.State().HideFloor, 5);

    random.Queue(0.0f);
    random.Queue(0.0f);
    game.DrawHidingPlace();
    EXPECT_EQ(game.State().HideRoom, 1);
    EXPECT_EQ(game.State().HideFloor, 1);

    // Just below a boundary: truncation, not rounding.
    random.Queue(0.2f - 0x1p-26f);
    random.Queue(0.2f);
    game.DrawHidingPlace();
    EXPECT_EQ(game.State().HideRoom, 1);
    EXPECT_EQ(game.State().HideFloor, 2);
}

} // namespace
