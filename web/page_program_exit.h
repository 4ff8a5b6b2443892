// PageProgramExit: ending the program in a page, which cannot close itself.
#pragma once

#include "game/program_exit.h"

class PagePlayback;

// The page, in its turn, takes the game away and says that it has ended; nothing calls into the
// module again.
class PageProgramExit final : public ProgramExit {
public:
    explicit PageProgramExit(PagePlayback& playback)
        : playback_(playback) {}

    void EndProgram() override;

private:
    PagePlayback& playback_;
};
