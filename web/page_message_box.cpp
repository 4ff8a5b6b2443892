// PageMessageBox: the game's texts in the page's modal box, with the game's title and only OK.
#include "web/page_message_box.h"

#include <emscripten/emscripten.h>

// Resolves once the box has closed: the module waits here without blocking the page.
EM_ASYNC_JS(void, PageShowBox, (const char* title, const char* text),
            { await Module.page.showBox(UTF8ToString(title), UTF8ToString(text)); });

void PageMessageBox::Show(const std::string& text) {
    PageShowBox(kTitle, text.c_str());
}
