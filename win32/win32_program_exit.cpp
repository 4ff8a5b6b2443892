// Win32ProgramExit: ends the program by leaving the message loop.
#include "win32/win32_program_exit.h"

#include <windows.h>

namespace {
BOOL CALLBACK Hide(HWND window, LPARAM) {
    ShowWindow(window, SW_HIDE);
    return TRUE;
}

// Hidden first, so that nothing is painted or clicked while the loops wind down; the windows are
// destroyed with their owners when the program returns from its message loop. WM_QUIT ends a
// box's own loop too, which passes it on to the loop below.
void End(int status) {
    EnumThreadWindows(GetCurrentThreadId(), Hide, 0);
    PostQuitMessage(status);
}
} // namespace

void Win32ProgramExit::EndProgram() {
    m_ended = true;
    End(0);
}

void Win32ProgramExit::EndAfterFault() {
    End(kFaultStatus);
}
