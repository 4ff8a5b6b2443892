// Win32ProgramExit: ends the program by leaving the message loop.
#pragma once

#include "game/program_exit.h"

class Win32ProgramExit final : public ProgramExit {
public:
    // The exit status of a program that a fault ended.
    static constexpr int kFaultStatus = 3;

    // The game's end: status 0.
    void EndProgram() override;
    // Once true, the message loop hands out no further event.
    bool Ended() const { return m_ended; }

    // A fault that no window could handle ends the program too, from wherever it was caught: every
    // message loop, a box's included, ends at once, and the program with kFaultStatus.
    static void EndAfterFault();

private:
    bool m_ended = false;
};
