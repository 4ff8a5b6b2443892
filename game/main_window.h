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
// A cell's control name is this with its index, as in Label2_12.
inline constexpr const char* kCellControl = "Label2";

// One item of the menu: its control name, its caption (no access key, no shortcut), what it
// does, and the control name of the item whose submenu holds it (empty on the bar itself).
struct MenuItem {
    const char* control;
    const char* caption;
    MenuCommand command;
    const char* parent;
};

// The bar from left to right, each submenu's items following the item that opens it.
std::span<const MenuItem> Menu();

// What the window's description tells assistive technology: the suspect sought, as the
// background's colour tells a sighted player ("2人目"); empty while no mission runs.
std::string Description(const GameState& state);

// The resolution the window is laid out at to fit whole in a view of viewport pixels (pixels at
// kDesignDpi), around a client area of chrome pixels more (title bar, menu bar, frame, measured at
// kDesignDpi; they grow with the resolution). Where it fits at kDesignDpi and the screen is not
// touched, it stays 1:1; otherwise it takes the largest whole dpi that fits, between half and ten
// times kDesignDpi, so a phone's finger gets the largest rooms the screen has room for.
int FittingDpi(PixelSize viewport, PixelSize chrome, bool touch);

} // namespace MainWindow
