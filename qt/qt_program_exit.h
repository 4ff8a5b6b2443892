// QtProgramExit: ends the program by leaving the application's event loop.
#pragma once

#include "game/program_exit.h"

class QtProgramExit final : public ProgramExit {
public:
    void EndProgram() override;
};
