// Game: the rules of a mission, working on the one GameState of the process.
#pragma once

#include "game/game_state.h"
#include "game/menu_command.h"
#include "game/message_key.h"

#include <initializer_list>

class GameView;
class MessageBoxService;
class ProgramExit;
class RandomSource;

// The game reaches the screen only through GameView and the player only through the message
// box; every step that shows a text waits there until the player has pressed OK.
//
// One action at a time: while an action waits on a box, the platform still hands out events
// (a screen reader's press, a posted command), and a second action run inside the first would
// interleave two visits and could pay one catch twice. So a Start, score query or visit that
// arrives then is ignored: it shows nothing and changes nothing, and so are Quit and closing the
// main window, for a box lets no other window take input. While the continue dialog waits for
// its answer the main window is disabled, and nothing that reaches it acts either.
class Game {
public:
    Game(GameView& view, MessageBoxService& messages, RandomSource& random, ProgramExit& exit);

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

    // A choice in the main window's menu; like any other, Quit does nothing while a box or the
    // continue dialog waits.
    void Choose(MenuCommand command);
    // The continue dialog's answer: YES gives the main window back, NO ends the program. False
    // when no answer is awaited, and the dialog must stay as it is.
    bool AnswerContinue(bool yes);
    // The player closes the main window through its frame: the program ends, unless a box or the
    // continue dialog waits (false: the window stays).
    bool CloseMainWindow();

    // The window that must be in front with the keyboard: a box while one waits, else the
    // continue dialog while it waits for its answer, else the main window. A click on or an
    // activation of the main window brings this one back to the front with the keyboard, on
    // every desktop, whatever the window manager raised.
    enum class Window { Main, Box, Dialog };
    Window InFront() const;
    // The window every box belongs to and stays in front of: the continue dialog while it is
    // open, otherwise the main window.
    Window BoxOwner() const { return m_awaitingAnswer ? Window::Dialog : Window::Main; }
    // The room the keyboard goes on from when nothing else says where: the last one visited,
    // else the first.
    int HomeRoom() const { return m_lastVisited >= 0 ? m_lastVisited : 0; }

    // Whether a room or a menu choice acts now: no action waits on a box and no answer is
    // awaited. Front ends ask before they do anything of their own for an input.
    bool Ready() const { return !m_acting && !m_awaitingAnswer; }
    bool AwaitingAnswer() const { return m_awaitingAnswer; }

    const GameState& State() const { return m_state; }

private:
    // Marks an action as running for its lifetime.
    class Acting;

    void Show(MessageKey key, std::initializer_list<int> values = {});
    void ShowNames();
    std::int16_t DrawCoordinate();
    void Visit(int cell, int roomNumber);
    void Catch(int cell);
    void Miss(int cell, int roomNumber);
    void EndMission();

    GameState m_state;
    GameView& m_view;
    MessageBoxService& m_messages;
    RandomSource& m_random;
    ProgramExit& m_exit;
    bool m_acting = false;
    bool m_awaitingAnswer = false;
    // The cell of the last visit that was let in, where the keyboard goes on from; -1 before any.
    int m_lastVisited = -1;
};
