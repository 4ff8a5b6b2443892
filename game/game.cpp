// Game: the rules of a mission, working on the one GameState of the process.
#include "game/game.h"

#include "game/background_schedule.h"
#include "game/game_view.h"
#include "game/message_catalogue.h"
#include "game/program_exit.h"
#include "game/random_source.h"

#include <cmath>

namespace {
constexpr int kSuspectsPerMission = 6;
constexpr int kVisitsPerSuspect = 5;
constexpr int kBuildingSize = 5; // columns per floor, and floors
constexpr int kFirstVisitPay = 6;
} // namespace

// Once the action is over, assistive technology hears where it left the suspect sought.
class Game::Acting {
public:
    explicit Acting(Game& game)
        : m_game(game) {
        m_game.m_acting = true;
    }
    ~Acting() {
        m_game.m_acting = false;
        m_game.ShowNames();
    }
    Acting(const Acting&) = delete;
    Acting& operator=(const Acting&) = delete;

private:
    Game& m_game;
};

Game::Game(GameView& view, MessageBoxService& messages, RandomSource& random, ProgramExit& exit)
    : m_view(view)
    , m_messages(messages)
    , m_random(random)
    , m_exit(exit) {}

void Game::InitializeGame() {
    m_state.MissionActive = 0;
    m_state.HighScore = 0;
    m_random.Seed();
    ShowNames();
}

Game::Window Game::InFront() const {
    if (m_acting)
        return Window::Box;
    return m_awaitingAnswer ? Window::Dialog : Window::Main;
}

void Game::ShowNames() {
    m_view.ShowNames(MainWindow::NamesOf(m_state));
}

void Game::StartMission() {
    if (!Ready())
        return;
    const Acting acting(*this);
    for (MessageKey intro : {MessageKey::msgIntro1, MessageKey::msgIntro2, MessageKey::msgIntro3,
                             MessageKey::msgIntro4, MessageKey::msgIntro5, MessageKey::msgIntro6})
        Show(intro);

    m_state.MissionActive = 1;
    m_state.CaughtCount = 0;
    m_state.Reward = 0;
    m_state.SuspectNo = 1;
    m_state.MissCount = 0;
    Show(MessageKey::msgSuspectOrdinal, {m_state.SuspectNo});
    DrawHidingPlace();
}

void Game::ShowCurrentScore() {
    if (!Ready())
        return;
    const Acting acting(*this);
    Show(MessageKey::msgCurrentScore, {m_state.Reward});
}

void Game::ShowHighScore() {
    if (!Ready())
        return;
    const Acting acting(*this);
    Show(MessageKey::msgHighScore, {m_state.HighScore});
}

void Game::DrawHidingPlace() {
    m_state.HideRoom = DrawCoordinate();
    m_state.HideFloor = DrawCoordinate();
}

std::int16_t Game::DrawCoordinate() {
    // r has 24 significant bits, so r*5+1 is exact in double precision and its floor is the true
    // one. Rounded to single precision it can reach the next whole number: for r = 13421772/2^24,
    // r*5+1 is just below 5 but rounds to 5, which would hide the suspect one room too far.
    const double r = m_random.Next();
    return static_cast<std::int16_t>(std::floor(r * kBuildingSize + 1));
}

void Game::VisitRoom(int cell, int roomNumber) {
    if (!Ready())
        return;
    m_lastVisited = cell;
    {
        const Acting acting(*this);
        Visit(cell, roomNumber);
    }
    // Behind the continue dialog the focus stays with it; YES gives the room back.
    if (!m_awaitingAnswer)
        m_view.FocusRoom(cell);
}

void Game::Visit(int cell, int roomNumber) {
    if (m_state.MissionActive == 0) {
        Show(MessageKey::msgPressStart);
        return;
    }

    m_view.SetCellColours(cell, Colours::kCellVisiting, Colours::kCellVisiting);
    if (roomNumber == m_state.HideRoom * 10 + m_state.HideFloor)
        Catch(cell);
    else
        Miss(cell, roomNumber);

    // Set after every accepted visit: the colour of the suspect sought from now on.
    if (m_state.SuspectNo >= 1 && m_state.SuspectNo <= kSuspectsPerMission)
        m_view.SetBackground(BackgroundSchedule(m_state.SuspectNo));
    if (m_state.SuspectNo == kSuspectsPerMission + 1)
        EndMission();
}

void Game::Catch(int cell) {
    const int pay = kFirstVisitPay - m_state.MissCount;
    Show(MessageKey::msgFound);
    Show(MessageKey::msgPaid, {pay});
    m_view.SetCellColours(cell, Colours::kCellIdle, Colours::kCellIdle);

    m_state.Reward = static_cast<std::int16_t>(m_state.Reward + pay);
    ++m_state.CaughtCount;
    ++m_state.SuspectNo;
    // Raised at the moment of the catch; a tie leaves it alone.
    if (m_state.HighScore < m_state.Reward)
        m_state.HighScore = m_state.Reward;
    if (m_state.SuspectNo != kSuspectsPerMission + 1)
        Show(MessageKey::msgSuspectOrdinal, {m_state.SuspectNo});

    m_state.MissCount = 0;
    DrawHidingPlace();
}

void Game::Miss(int cell, int roomNumber) {
    // The hint speaks of the floor only, never of the column.
    const int floor = roomNumber % 10;
    if (floor == m_state.HideFloor)
        Show(MessageKey::msgSameFloor);
    else if (floor > m_state.HideFloor)
        Show(MessageKey::msgGoDown);
    else
        Show(MessageKey::msgGoUp);

    ++m_state.MissCount;
    if (m_state.MissCount == kVisitsPerSuspect) {
        Show(MessageKey::msgEscaped);
        m_view.SetCellColours(cell, Colours::kCellIdle, Colours::kCellIdle);
        DrawHidingPlace();
        m_state.MissCount = 0;
        ++m_state.SuspectNo;
        if (m_state.SuspectNo != kSuspectsPerMission + 1)
            Show(MessageKey::msgSuspectOrdinal, {m_state.SuspectNo});
    } else {
        Show(MessageKey::msgChancesLeft, {kVisitsPerSuspect - m_state.MissCount});
        m_view.SetCellColours(cell, Colours::kCellIdle, Colours::kCellIdle);
    }
}

void Game::EndMission() {
    Show(MessageKey::msgMissionOver);
    Show(MessageKey::msgSummary, {m_state.CaughtCount, m_state.Reward});

    // HighScore and the hiding place keep their values; the next Start draws afresh.
    m_state.SuspectNo = 1;
    m_state.MissCount = 0;
    m_state.Reward = 0;
    m_state.CaughtCount = 0;
    m_state.MissionActive = 0;

    m_awaitingAnswer = true;
    m_view.ShowContinueDialog();
    m_view.SetBackground(Colours::kBackground);
    m_view.SetMainWindowEnabled(false);
}

void Game::Choose(MenuCommand command) {
    switch (command) {
    case MenuCommand::Start:
        StartMission();
        break;
    case MenuCommand::Quit:
        // Not even this one while a box waits (the visit behind it would run on without a
        // player) or the dialog asks.
        if (Ready())
            m_exit.EndProgram();
        break;
    case MenuCommand::CurrentScore:
        ShowCurrentScore();
        break;
    case MenuCommand::HighScore:
        ShowHighScore();
        break;
    case MenuCommand::None:
        break;
    }
}

bool Game::AnswerContinue(bool yes) {
    // Only once the last visit has finished: an answer inside it would enable the main window
    // just before that visit disables it.
    if (!m_awaitingAnswer || m_acting)
        return false;
    if (!yes) {
        m_exit.EndProgram();
        return true;
    }
    m_awaitingAnswer = false;
    m_view.SetMainWindowEnabled(true);
    m_view.FocusRoom(m_lastVisited);
    return true;
}

bool Game::CloseMainWindow() {
    if (!Ready())
        return false;
    m_exit.EndProgram();
    return true;
}

void Game::Show(MessageKey key, std::initializer_list<int> values) {
    ShowNames();
    ShowMessage(m_messages, key, values);
}
