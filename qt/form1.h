// Form1: the main window, the building with its 25 room cells and the menu.
#pragma once

#include "game/focus_frame.h"
#include "game/game.h"
#include "game/game_view.h"
#include "game/room.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class Facade;
class Form2;
class MenuBarKeys;
class RoomCell;

// Owns the one Game (and so the one GameState) of the process. It builds itself from the
// game's description of the screen and only wires: a click on cell i (or Enter, Space or a
// screen reader's press on it) becomes VisitRoom(i, caption) and a menu choice one call into
// the game. Assistive technology learns the suspect sought from the window's name and
// description, renewed after every action.
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
    // The window the player deals with now, which every message box belongs to: the continue
    // dialog while it is open, otherwise the main window.
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

    Game m_game;
    QWidget* m_client = nullptr;
    Facade* m_facade = nullptr;
    std::array<RoomCell*, Room::kCount> m_cells{};
    QPointer<Form2> m_dialog;
    FocusFrame m_focusFrame;
    MenuBarKeys* m_menuKeys = nullptr;
};
