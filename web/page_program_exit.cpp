// PageProgramExit: ending the program in a page, which cannot close itself.
#include "web/page_program_exit.h"

#include "web/page_playback.h"

void PageProgramExit::EndProgram() {
    playback_.Add("end", "");
}
