// MainWindow: what the main window shows and where, for every front end to build it from.
#pragma once

#include "game/menu_command.h"
#include "game/twips.h"

#include <span>
#include <string>

struct GameState;

namespace MainWindow {

inline constexpr const char* kCaption = "Quv";
// The client area below the menu bar: the building stands in it, on the window's background.
inline constexpr TwipsSize kClientSize{4695, 4935};
// What assistive technology calls the client area.
inline constexpr const char* kBuildingName = "ビル";

// The silver facade behind the cells; it reacts to nothing. The cells are Room::Place().
inline constexpr const char* kFacadeControl = "Label1";
inline constexpr const char* kFacadeName = "外壁";
inline constexpr TwipsRect kFacade{720, 720, 3255, 4215};
// A cell's control name: Label2 with its index, as in Label2_12.
std::string CellControl(int index);

// One item of a submenu: its control name, its caption (no access key, no shortcut) and what it
// does.
struct MenuItem {
    const char* control;
    const char* caption;
    MenuCommand command;
};

// One item of the bar itself: a command, which acts on a click of the bar, or (with command
// None) the item that opens its submenu, which does nothing of its own.
struct MenuBarItem {
    const char* control;
    const char* caption;
    MenuCommand command;
    std::span<const MenuItem> submenu;
};

// The bar from left to right.
std::span<const MenuBarItem> MenuBar();
// The command of the bar's item at barPosition, or of the item at itemPosition of its submenu
// (-1: the bar's item itself); None for a position the tree does not have.
MenuCommand CommandAt(int barPosition, int itemPosition = -1);

// What the window's description tells assistive technology: the suspect sought, as the
// background's colour tells a sighted player ("2人目"); empty while none is sought: before a
// mission, and from the last suspect's outcome on, while the mission's closing boxes are open.
std::string Description(const GameState& state);
// The window's name for assistive technology: its caption, then the suspect sought if any
// ("Quv 2人目"), so that a screen reader's where-am-I or title command tells it at any time.
std::string AccessibleName(const GameState& state);
// The building's name for assistive technology, with the suspect sought in the same way
// ("ビル 2人目"), for a platform whose screen readers tell the client area rather than the window.
std::string BuildingName(const GameState& state);

// Where the program cannot end itself (a web page cannot close its tab), its window gives way to
// this text and a button that starts a fresh program.
inline constexpr const char* kEndedText = "ゲームは終了しました。";
inline constexpr const char* kRestartCaption = "新しいゲームを始める";

// All that assistive technology is told of the suspect sought, at one moment.
struct Names {
    std::string window;      // AccessibleName
    std::string building;    // BuildingName
    std::string description; // Description
    bool operator==(const Names&) const = default;
};
Names NamesOf(const GameState& state);

// The resolution the window is laid out at to fit whole in a view of viewport pixels (pixels at
// kDesignDpi), around a client area of chrome pixels more (title bar, menu bar, frame, measured at
// kDesignDpi; they grow with the resolution). Where it fits at kDesignDpi and the screen is not
// touched, it stays 1:1; otherwise it takes the largest whole dpi that fits, between half and ten
// times kDesignDpi, so a phone's finger gets the largest rooms the screen has room for.
int FittingDpi(PixelSize viewport, PixelSize chrome, bool touch);

} // namespace MainWindow
