// Guarded: no C++ exception leaves a window's handler for the system code that called it.
#pragma once

#include "win32/win32_program_exit.h"

#include <type_traits>

// Runs what a window does for one message. A C++ exception must never unwind through the system
// code that called the window (on x64 that is undefined, and the game's state is lost anyway):
// one that gets here ends the program with a failure status instead, and the message is answered
// with zero.
template <typename Handler> auto Guarded(Handler&& handle) noexcept -> decltype(handle()) {
    try {
        return handle();
    } catch (...) {
        Win32ProgramExit::EndAfterFault();
    }
    if constexpr (!std::is_void_v<decltype(handle())>)
        return {};
}
