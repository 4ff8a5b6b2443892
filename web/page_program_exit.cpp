// PageProgramExit: ending the program in a page, which cannot close itself.
#include "web/page_program_exit.h"

#include <emscripten/emscripten.h>

EM_JS(void, PageEnd, (), { Module.page.end(); });

void PageProgramExit::EndProgram() {
    PageEnd();
}
