// The program as QUV.exe puts it together, with scripted random numbers, run by its own message
// loop and played with real input (SendInput: the system hit-tests each click and drops what a
// disabled window would not get). A hook reads each real message box as it opens (its text,
// title, owner, and what the window shows behind it) and presses OK.
#pragma once

#include "../game/recording_fakes.h"
#include "../scenarios/scenarios.h"
#include "win32/form1.h"
#include "win32/form2.h"
#include "win32/program.h"
#include "win32/wide_text.h"

#include <windows.h>

#include <oleacc.h>

#include <functional>
#include <string>
#include <vector>

// What one box showed while it was open.
struct SeenBox {
    std::string text;
    std::wstring title;
    HWND owner = nullptr;
    RECT place{}; // on the screen
    bool hasIcon = false;
    int buttons = 0;
};

// Watches the boxes of this thread: every system message box that opens is read and closed with
// OK, after onBox (if set) has looked at the windows behind it.
class BoxWatcher {
public:
    BoxWatcher();
    ~BoxWatcher();
    std::vector<SeenBox> boxes;
    std::function<void(const SeenBox&)> onBox;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    HHOOK m_hook = nullptr;
};

// Runs the program's loop over every queued message of this thread, until none is left or the
// program has ended.
inline void Pump(Program& program) {
    program.RunQueued();
}

// The colour on screen at a point of a window's client area, as painted last: nothing repaints
// it for the reading.
Colour PixelOf(HWND window, POINT at);
// The one colour of a window's whole client area, or kMixed where it shows more than one.
inline constexpr Colour kMixed = CLR_INVALID;
Colour WholeColourOf(HWND window);
POINT CentreOf(HWND window);
// A point of a window's client area on the screen.
POINT OnScreen(HWND window, POINT client);

// An accessible object's own element, and a string it returned, taken and freed.
VARIANT Self();
std::wstring Take(BSTR text);

// What a screen reader reads of a window's client area.
struct Accessible {
    explicit Accessible(HWND window);
    ~Accessible();
    Accessible(const Accessible&) = delete;
    Accessible& operator=(const Accessible&) = delete;
    std::wstring Name() const;
    std::wstring Description() const;
    LONG State() const;
    IAccessible* object = nullptr;
};
bool Unavailable(HWND window);

struct Win32Rig {
    Win32Rig();
    ~Win32Rig();

    HWND Main() const { return window.Handle(); }
    HWND CellOfRoom(int room) const { return window.Cell(CellOf(room)).Handle(); }
    // The colour of the whole cell: a cell shows nothing but its back colour.
    Colour CellColour(int room) const { return WholeColourOf(CellOfRoom(room)); }
    Colour BackgroundColour() const { return PixelOf(Main(), POINT{10, 10}); }
    // A window of another program's kind, on the same desktop and away from the game's windows,
    // made on first use.
    HWND Elsewhere();

    // The mouse's left button pressed at one point of the screen and released at another.
    void Drag(POINT from, POINT to);
    void Click(POINT at) { Drag(at, at); }
    // A left click in the middle of the room's cell.
    void ClickRoom(int room);
    // A click on an item of the menu bar.
    void ClickMenuBar(MenuCommand command);
    // A menu choice, as the menu sends it.
    void Choose(MenuCommand command);
    // Posted only, for whatever loop runs next to hand out: a menu choice, and a screen reader's
    // press on a room (its accessible default action).
    void PostCommand(MenuCommand command);
    void PressRoom(int room);
    // A key pressed and released, with a modifier (VK_SHIFT, VK_MENU) held if given, where the
    // keyboard focus is; keypad: the keypad's key of that code (its Enter).
    void Key(WPARAM key, WPARAM modifier = 0, bool keypad = false);
    // A key that went down while another window was active, and then, back in this one, repeats
    // before it is released.
    void HeldKey(WPARAM key, bool keypad = false);
    // Plays a whole mission in which every suspect hides in room 11 and is caught at once.
    void PlayPerfectMission();
    std::vector<std::string> Texts() const;

    // The system's setting to show the keyboard focus always, for this process, as the system
    // tells the game's window of a change. The rig starts with it off, as Windows ships.
    void ShowFocusAlways(bool always);

    // Runs the program's loop over what is queued, with one more message posted behind it: true
    // when the loop has ended and leaves that one unread.
    bool Ended();

    EventLog log;
    ScriptedRandom random{log};
    BoxWatcher watcher;
    Program program{random};
    Form1& window = program.Window();

private:
    HWND m_elsewhere = nullptr;
    BOOL m_focusAlwaysShown = FALSE; // the setting as the rig found it
};

// Plays the scenarios on the program's real windows: real input, real message boxes, and the
// screen read back from what the windows painted.
class Win32Driver final : public Driver {
public:
    explicit Win32Driver(Win32Rig& rig);
    ~Win32Driver() override;
    Win32Driver(const Win32Driver&) = delete;
    Win32Driver& operator=(const Win32Driver&) = delete;

    ScriptedRandom& Random() override { return m_rig.random; }
    void Do(const Step& step) override;
    Outcome Observe() override;

private:
    void ReadBuilding(std::array<Colour, Room::kCount>& cells, Colour& background) const;
    std::string FocusName() const;

    Win32Rig& m_rig;
    std::function<void(const SeenBox&)> m_onBox;
    std::vector<Box> m_boxes;
    HWND m_elsewhere = nullptr; // once a step has turned to another window
};
