// PageMessageBox: the game's texts in the page's modal box, titled "QUV", with only OK.
#include "web/page_message_box.h"

#include <emscripten/emscripten.h>

namespace {
// The boxes carry the game's name, as on the desktop, while its windows carry its caption.
constexpr const char* kTitle = "QUV";
} // namespace

// Resolves once the box has closed: the module waits here without blocking the page.
EM_ASYNC_JS(void, PageShowBox, (const char* title, const char* text),
            { await Module.page.showBox(UTF8ToString(title), UTF8ToString(text)); });

void PageMessageBox::Show(const std::string& text) {
    PageShowBox(kTitle, text.c_str());
}
