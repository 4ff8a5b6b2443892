// The program as QUV.exe puts it together, with scripted random numbers: a hook reads each real
// message box as it opens (its text, title, owner, and what the window shows behind it) and
// presses OK.
#pragma once

#include "../game/recording_fakes.h"
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

// Hands out every queued message of this thread as the program's loop does, until none is left.
void Pump(Program& program);

// The colour on screen at a point of a window's client area, as painted last: nothing repaints
// it for the reading.
Colour PixelOf(HWND window, POINT at);
POINT CentreOf(HWND window);

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
    Colour CellColour(int room) const {
        return PixelOf(CellOfRoom(room), CentreOf(CellOfRoom(room)));
    }
    Colour BackgroundColour() const { return PixelOf(Main(), POINT{10, 10}); }

    // A left click inside the room's cell, pressed and released, as the mouse makes it.
    void ClickRoom(int room);
    // A menu choice, as the menu sends it.
    void Choose(MenuCommand command);
    // Posted only, for whatever loop runs next to hand out: a menu choice, and a screen reader's
    // press on a room (its accessible default action).
    void PostCommand(MenuCommand command);
    void PressRoom(int room);
    // A key pressed (and released) on the window that has the focus; repeat: as auto-repeat.
    void Key(WPARAM key, bool repeat = false);
    // Plays a whole mission in which every suspect hides in room 11 and is caught at once.
    void PlayPerfectMission();
    std::vector<std::string> Texts() const;

    bool Ended() const { return program.Exit().Ended(); }

    EventLog log;
    ScriptedRandom random{log};
    BoxWatcher watcher;
    Program program{random};
    Form1& window = program.Window();
};
