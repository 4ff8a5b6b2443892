// Program: the game as QUV.exe runs it, with the real message box and the message loop.
#pragma once

#include "win32/form1.h"
#include "win32/win32_message_box.h"
#include "win32/win32_program_exit.h"

#include <windows.h>

class RandomSource;

// The one place where the windows and the runtime services are put together, so that what the
// program runs is what its tests build: every box belongs to the game's own window.
class Program {
public:
    explicit Program(RandomSource& random);

    // Creates and shows the main window.
    bool Start(HINSTANCE instance, int showCommand);
    // The message loop, until the program ends; returns the exit status.
    int Run();
    // The same loop over what is queued now, without waiting for more: false once the program
    // has ended, as Run would have returned.
    bool RunQueued();
    bool Ended() const { return m_ended; }
    int Status() const { return m_status; }

    Form1& Window() { return m_window; }
    Win32MessageBox& Messages() { return m_messages; }

private:
    bool Loop(bool wait);
    // One message, as the loop hands it out: the dialog's keys first.
    void Dispatch(MSG& msg);

    Win32MessageBox m_messages;
    Win32ProgramExit m_exit;
    Form1 m_window;
    bool m_ended = false;
    int m_status = 0;
};
