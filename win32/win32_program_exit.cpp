// Win32ProgramExit: ends the program by leaving the message loop.
#include "win32/win32_program_exit.h"

#include <windows.h>

namespace {
BOOL CALLBACK Hide(HWND window, LPARAM) {
    ShowWindow(window, SW_HIDE);
    return TRUE;
}
} // namespace

void Win32ProgramExit::EndProgram() {
    // Hidden first, so that nothing is painted or clicked while the loop winds down; the windows
    // are destroyed with their owners when the program returns from its message loop.
    m_ended = true;
    EnumThreadWindows(GetCurrentThreadId(), Hide, 0);
    PostQuitMessage(0);
}
