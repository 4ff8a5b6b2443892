// Game: the rules of a mission, working on the one GameState of the process.
#pragma once

#include "game/game_state.h"
#include "game/message_key.h"

#include <initializer_list>

class GameView;
class MessageBoxService;
class RandomSource;

// The game reaches the screen only through GameView and the player only through the message
// box; every step that shows a text waits there until the player has pressed OK.
class Game {
public:
    Game(GameView& view, MessageBoxService& messages, RandomSource& random);

    // Once, when the main window loads: no mission, no high score, seed the generator.
    void InitializeGame();
    // Intro, fresh counters, first suspect. Restarts a running mission without asking.
    void StartMission();
    void ShowCurrentScore();
    void ShowHighScore();
    // A room visit: cell is the clicked cell 0..24, roomNumber its caption (column*10 + floor).
    void VisitRoom(int cell, int roomNumber);
    // Hides the current suspect; the room is drawn before the floor.
    void DrawHidingPlace();

    const GameState& State() const { return m_state; }

private:
    void Show(MessageKey key, std::initializer_list<int> values = {});
    std::int16_t DrawCoordinate();
    void Catch(int cell);
    void Miss(int cell, int roomNumber);
    void EndMission();

    GameState m_state;
    GameView& m_view;
    MessageBoxService& m_messages;
    RandomSource& m_random;
};
