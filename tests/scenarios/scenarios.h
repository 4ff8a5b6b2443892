// The scenarios every desktop front end plays the same way: rows of what the player does, and
// what must follow (each box in order with the building behind it, then the windows). The core
// works out the expected outcome by playing the same row on a Game with the recording fakes; a
// front end's driver plays it through its real toolkit and reads the screen back.
#pragma once

#include "game/colours.h"
#include "game/menu_command.h"
#include "game/room.h"

#include <array>
#include <span>
#include <string>
#include <vector>

class ScriptedRandom;

// The keys a scenario presses. Enter is the keypad's; BackTab is Shift+Tab.
enum class Stroke { Up, Down, Left, Right, Tab, BackTab, Return, Enter, Space, Escape };

// One thing the player (or the desktop) does.
struct Step {
    enum class Kind {
        ClickRoom,   // a left click on the room's cell
        ClickClient, // a left click at a point of the main window's client area (96-dpi pixels)
        ClickBar,    // a click on an item of the menu bar itself
        Choose,      // a menu choice, as the menu hands it to the window
        FocusRoom,   // the keyboard focus put on a room (a screen reader's, or the test's setup)
        Press,       // a key pressed and released where the focus is
        Hold,        // a key held since before this window had the keyboard, then released
        Answer,      // a click on ＹＥＳ (yes) or ＮＯ
        CloseDialog, // the continue dialog's frame closed
        CloseMain,   // the main window's frame closed
        Elsewhere,   // another program's window takes the keyboard
        ActivateMain // the main window activated from the taskbar
    };
    Kind kind;
    int room = 0; // ClickRoom, FocusRoom; ClickClient: x * 1000 + y
    MenuCommand command = MenuCommand::None;
    Stroke key = Stroke::Return;
    bool yes = false;
};

Step ClickRoom(int room);
Step ClickAt(int x, int y);
Step ClickBar(MenuCommand command);
Step Choose(MenuCommand command);
Step FocusRoom(int room);
Step Press(Stroke key);
Step Hold(Stroke key);
Step Answer(bool yes);
Step Do(Step::Kind kind);

// Start, then every suspect caught at once in room 11, where the random source's fallback hides
// them: a whole mission, ended in the continue dialog.
std::vector<Step> PerfectMission();

struct Scenario {
    const char* name;
    std::vector<int> hide; // hiding places drawn in turn; room 11 after them
    std::vector<Step> steps;
};
std::span<const Scenario> Scenarios();

// What shows while one box is open: its text, every cell's back colour and the background.
struct Box {
    std::string text;
    std::array<Colour, Room::kCount> cells{};
    Colour background = 0;
};

// What one step brought: its boxes, then the screen once it is done. The focus is a room's number
// ("33"), "yes" or "no" for the dialog's buttons, "elsewhere" for another program's window;
// the core leaves it empty where no step has put it anywhere yet, and the front end's is not
// compared there.
struct Outcome {
    std::vector<Box> boxes;
    std::array<Colour, Room::kCount> cells{};
    Colour background = 0;
    Colour facade = 0; // beside the cells
    bool mainEnabled = true;
    bool dialogShown = false; // shown and taking input
    bool ended = false;
    std::string focus;
};

// Plays a scenario: a front end's real windows, or the core's.
class Driver {
public:
    virtual ~Driver() = default;
    virtual ScriptedRandom& Random() = 0;
    virtual void Do(const Step& step) = 0;
    // What the steps since the last call showed, and the screen now.
    virtual Outcome Observe() = 0;
};

// Each step of a scenario and what followed, a line per box and one for the rest: as the core
// works it out, and as the driver's windows showed it. Where the core leaves the focus open, the
// front end's is left out too.
struct Transcript {
    std::string expected;
    std::string played;
};
Transcript Play(Driver& driver, const Scenario& scenario);
// Empty where the two agree; otherwise the step where they first part, and its two lines.
std::string FirstDifference(const Transcript& transcript);
