// A real main window with scripted random numbers and the real message box: a hook reads each
// box as it opens (its text, title, owner, and what the window shows behind it) and presses OK.
#pragma once

#include "../game/recording_fakes.h"
#include "game/program_exit.h"
#include "win32/form1.h"
#include "win32/form2.h"
#include "win32/wide_text.h"
#include "win32/win32_message_box.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class CountingExit final : public ProgramExit {
public:
    void EndProgram() override { ++calls; }
    int calls = 0;
};

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

// Hands out every queued message of this thread as the program's loop would, until none is left.
void Pump(Form1& window);

// The colour on screen at a point of a window's client area, as painted last: nothing repaints
// it for the reading.
Colour PixelOf(HWND window, POINT at);
POINT CentreOf(HWND window);

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
    void Choose(UINT item);
    // A key pressed (and released) on the window that has the focus; repeat: as auto-repeat.
    void Key(WPARAM key, bool repeat = false);
    // Plays a whole mission in which every suspect hides in room 11 and is caught at once.
    void PlayPerfectMission();
    std::vector<std::string> Texts() const;

    EventLog log;
    ScriptedRandom random{log};
    CountingExit exit;
    Win32MessageBox box;
    BoxWatcher watcher;
    Form1 window{box, random, exit};
};
