// Win32ProgramExit: ends the program by leaving the message loop.
#pragma once

#include "game/program_exit.h"

class Win32ProgramExit final : public ProgramExit {
public:
    void EndProgram() override;
    // Once true, the message loop hands out no further event.
    bool Ended() const { return m_ended; }

private:
    bool m_ended = false;
};
