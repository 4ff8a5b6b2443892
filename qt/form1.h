// Form1: the main window, the building with its 25 room cells and the menu.
#pragma once

#include "game/focus_frame.h"
#include "game/game.h"
#include "game/game_view.h"
#include "game/menu_keys.h"
#include "game/room.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class Facade;
class Form2;
class RoomCell;

// Owns the one Game (and so the one GameState) of the process. It builds itself from the
// game's description of the screen and only wires: a click on cell i (or Enter, Space or a
// screen reader's press on it) becomes a visit of room i and a menu choice one call into the
// game; keys, focus and activation are read into the game's terms and its answers carried out.
// Assistive technology learns the suspect sought from the window's name and description, which
// the game renews before every box.
class Form1 final : public QMainWindow, public GameView {
    Q_OBJECT

public:
    Form1(MessageBoxService& messages, RandomSource& random, ProgramExit& exit);
    ~Form1() override;

    void SetCellColours(int cell, Colour back, Colour text) override;
    void SetBackground(Colour colour) override;
    void SetMainWindowEnabled(bool enabled) override;
    void ShowContinueDialog() override;
    void FocusRoom(int cell) override;
    void ShowNames(const MainWindow::Names& names) override;

    const GameState& State() const { return m_game.State(); }
    QWidget* ClientArea() const { return m_client; }
    RoomCell* Cell(int index) const;
    Facade* Front() const { return m_facade; }
    // The continue dialog while it is open, otherwise null.
    Form2* OpenDialog() const;
    // The window every message box belongs to, as the game says.
    QWidget* GameWindow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenu();
    void BuildBuilding();
    void AddCommand(QWidget* menu, const char* control, const char* caption, MenuCommand command);
    void Choose(MenuCommand command);
    void Visit(RoomCell* cell);
    void UpdateFocusMark();
    // The keys go into the menu bar, or out of it back to a room.
    void EnterMenuBar();
    void LeaveMenuBar();
    // Brings the window the game wants in front back there, with the keyboard.
    void BringInFront();

    Game m_game;
    QWidget* m_client = nullptr;
    Facade* m_facade = nullptr;
    std::array<RoomCell*, Room::kCount> m_cells{};
    QPointer<Form2> m_dialog;
    FocusFrame m_focusFrame;
    MenuKeys m_menuKeys;
};
