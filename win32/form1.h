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
// (or Enter, Space or a screen reader's press on it) becomes VisitRoom(i, caption) and a menu
// choice one call into the game. While the window is disabled (under a message box, or behind
// the continue dialog) nothing that still reaches it acts: not a posted click or command, not
// a screen reader's press, and its cells are disabled with it.
class Form1 final : public GameView, private RoomCell::Listener {
public:
    // The menu's command identifiers follow the game's menu commands.
    static constexpr UINT CommandId(MenuCommand command) {
        return kFirstCommandId + static_cast<UINT>(command);
    }
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
    // The window the player deals with now, which every message box belongs to: the continue
    // dialog while it is open, otherwise the main window.
    HWND GameWindow() const;

private:
    template <typename Owner> friend LRESULT CALLBACK RouteToOwner(HWND, UINT, WPARAM, LPARAM);
    void Attach(HWND hwnd) { m_hwnd = hwnd; }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    static constexpr UINT kFirstCommandId = 40000;

    void BuildMenu();
    void BuildBuilding(HINSTANCE instance);
    void Layout(int dpi);
    // Whether an input may act now, or must be dropped as though it never came.
    bool TakesInput() const;
    void OnCommand(UINT id);
    void Visit(int index);
    void FocusCell(int index);
    void StepFrom(const RoomCell& cell, Arrow arrow) override;
    void TabFrom(const RoomCell& cell, bool backwards) override;
    void InputSeen(bool keyboard) override;
    void FocusChanged() override;
    void UpdateFocusMark();
    void HandToDialog();

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
};
