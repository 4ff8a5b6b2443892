// Form1: the main window, the building with its 25 room cells and the menu.
#pragma once

#include "game/focus_frame.h"
#include "game/game.h"
#include "game/game_view.h"
#include "game/key_press.h"
#include "game/room.h"
#include "win32/facade.h"
#include "win32/room_cell.h"

#include <windows.h>

#include <array>
#include <memory>
#include <string>

class Form2;
class ProgramExit;

// Owns the one Game (and so the one GameState) of the process. It only wires: a click on cell i
// (or Enter, Space or a screen reader's press on it) becomes a visit of the core's room i and a
// menu choice the core's command at that place in the menu; the game itself refuses whatever
// arrives while it is not ready. Which window a box belongs to and which one a click on or an
// activation of the main window brings to the front are the game's answers, carried out here.
// A disabled window's cells are disabled with it, so that screen readers find them unavailable.
class Form1 final : public GameView, private RoomCell::Listener {
public:
    // The menu's command identifiers follow the places of the items in the menu: the bar's item
    // at bar, or the item at item of its submenu.
    static constexpr UINT CommandId(int bar, int item = -1) {
        return kFirstCommandId + static_cast<UINT>(bar * kItemsPerBar + item + 1);
    }
    // The identifier of the item that gives command; 0 where the menu has none.
    static UINT CommandId(MenuCommand command);
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
    void FocusRoom(int cell) override;
    // Screen readers hear of a change in the building's name or description before the box
    // the game shows next, not after the whole action.
    void ShowNames(const MainWindow::Names& names) override;

    const GameState& State() const { return m_game.State(); }
    const RoomCell& Cell(int index) const { return m_cells.at(static_cast<std::size_t>(index)); }
    const Facade& Front() const { return m_facade; }
    // The continue dialog while it is open, otherwise null.
    Form2* OpenDialog() const;
    // The window every message box belongs to, as the game answers.
    HWND GameWindow() const;

private:
    template <typename Owner> friend LRESULT CALLBACK RouteToOwner(HWND, UINT, WPARAM, LPARAM);
    void Attach(HWND hwnd) { m_hwnd = hwnd; }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    static constexpr UINT kFirstCommandId = 40000;
    // Identifiers enough for an item of the bar and the items of its submenu.
    static constexpr int kItemsPerBar = 16;

    void BuildMenu();
    void BuildBuilding(HINSTANCE instance);
    void Layout(int dpi);
    // The window the game names, where it is one of the game's own: the continue dialog or this.
    HWND WindowOf(Game::Window window) const;
    void OnCommand(UINT id);
    void Visit(int index);
    void FocusCell(int index);
    void StepFrom(const RoomCell& cell, Arrow arrow) override;
    void TabFrom(const RoomCell& cell, bool backwards) override;
    void InputSeen(bool keyboard) override;
    void FocusChanged() override;
    void UpdateFocusMark();
    // A click on or an activation of the main window.
    void BringInFront();

    Game m_game;
    HWND m_hwnd = nullptr;
    HICON m_icon = nullptr;
    HICON m_smallIcon = nullptr;
    int m_dpi = kDesignDpi;
    HBRUSH m_backgroundBrush = nullptr;
    Facade m_facade;
    std::array<RoomCell, Room::kCount> m_cells;
    std::unique_ptr<Form2> m_dialog;
    FocusFrame m_frame;
    KeyPress m_keys;
    // What screen readers are told the building is called and describes.
    MainWindow::Names m_names = MainWindow::NamesOf(GameState{});
    // The room that had the focus when the window was last deactivated.
    HWND m_focus = nullptr;
    // The keys, not the mouse, took the player into the menu loop now running.
    bool m_menuFromKeys = false;
};
