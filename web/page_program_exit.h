// PageProgramExit: ending the program in a page, which cannot close itself.
#pragma once

#include "game/program_exit.h"

// The page takes the game away and says that it has ended; nothing calls into the module again.
class PageProgramExit final : public ProgramExit {
public:
    void EndProgram() override;
};
