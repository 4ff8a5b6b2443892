// Form1: the main window, the building with its 25 room cells and the menu.
#pragma once

#include "game/game.h"
#include "game/game_view.h"
#include "win32/com_apartment.h"
#include "win32/facade.h"
#include "win32/room_cell.h"

#include <windows.h>

#include <array>
#include <memory>

class Form2;
class ProgramExit;

// Owns the one Game (and so the one GameState) of the process. It only wires: a click on cell i
// (or Enter, Space or a screen reader's press on it) becomes VisitRoom(i, caption) and a menu
// choice one call into the game.
class Form1 final : public GameView, private RoomCell::Listener {
public:
    // The menu's command identifiers, named as the game names its items.
    enum MenuItem : UINT { S = 40001, E, GSC, HSC };
    static constexpr int kFirstCellId = 100;

    Form1(MessageBoxService& messages, RandomSource& random, ProgramExit& exit);
    ~Form1();
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Creates and shows the window, then starts the game as the window loads.
    bool Create(HINSTANCE instance, int showCommand);
    HWND Handle() const { return m_hwnd; }
    // Gives the continue dialog its keys (Tab, Enter, Space); true when msg was used up there.
    bool PreTranslate(MSG& msg);

    void SetCellColours(int cell, Colour back, Colour text) override;
    void SetBackground(Colour colour) override;
    void SetMainWindowEnabled(bool enabled) override;
    void ShowContinueDialog() override;

    const GameState& State() const { return m_game.State(); }
    const RoomCell& Cell(int index) const { return m_cells.at(static_cast<std::size_t>(index)); }
    const Facade& Front() const { return m_facade; }
    // The continue dialog while it is open, otherwise null.
    Form2* ContinueDialog() const;
    // The window the player deals with now, which every message box belongs to: the continue
    // dialog while it is open, otherwise the main window.
    HWND GameWindow() const;

private:
    template <typename Owner> friend LRESULT CALLBACK RouteToOwner(HWND, UINT, WPARAM, LPARAM);
    void Attach(HWND hwnd) { m_hwnd = hwnd; }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void BuildMenu();
    void BuildBuilding(HINSTANCE instance);
    void Layout(int dpi);
    void OnCommand(UINT id);
    void Visit(int index);
    void FocusCell(int index);
    void StepFrom(const RoomCell& cell, int columnStep, int floorStep) override;
    void TabFrom(const RoomCell& cell, bool backwards) override;
    void InputSeen(bool keyboard) override;
    void FocusChanged() override;
    void UpdateFocusMark();
    void HandToDialog();

    ComApartment m_com;
    Game m_game;
    ProgramExit& m_exit;
    HWND m_hwnd = nullptr;
    HICON m_icon = nullptr;
    HICON m_smallIcon = nullptr;
    int m_dpi = 96;
    HBRUSH m_backgroundBrush = nullptr;
    Facade m_facade;
    std::array<RoomCell, 25> m_cells;
    std::unique_ptr<Form2> m_dialog;
    // The last key or mouse press on a cell decides: the focus mark shows for keyboard play only.
    bool m_keyboardPlay = false;
    int m_lastVisited = -1;
    // The room that had the focus when the window was last deactivated.
    HWND m_focus = nullptr;
};
