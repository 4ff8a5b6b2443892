// PageView: the game's screen operations, carried out by the page.
#include "web/page_view.h"

#include "web/page_format.h"
#include "web/screen_description.h"

#include <emscripten/emscripten.h>

#include <array>

// The page's side of each operation is a method of Module.page, the object the page handed the
// module when it loaded it.
EM_JS(void, PageSetCell, (int cell, const char* colour),
      { Module.page.setCell(cell, UTF8ToString(colour)); });
EM_JS(void, PageSetBackground, (const char* colour),
      { Module.page.setBackground(UTF8ToString(colour)); });
EM_JS(void, PageSetEnabled, (int enabled), { Module.page.setEnabled(!!enabled); });
EM_JS(void, PageFocusRoom, (int cell), { Module.page.focusRoom(cell); });
EM_JS(void, PageShowNames, (const char* window, const char* building, const char* description), {
    Module.page.showNames(UTF8ToString(window), UTF8ToString(building), UTF8ToString(description));
});
// Writes the question's width and height and the larger button's into sizes[0..3].
EM_JS(void, PageMeasureDialog, (int* sizes),
      { HEAP32.set(Module.page.measureDialog(), sizes >> 2); });
EM_JS(void, PageShowDialog, (const char* layout),
      { Module.page.showDialog(JSON.parse(UTF8ToString(layout))); });

void PageView::SetCellColours(int cell, Colour back, Colour /*text*/) {
    // The text colour is always the back colour and the caption is never drawn: only the back
    // colour shows.
    PageSetCell(cell, CssColour(back).c_str());
}

void PageView::SetBackground(Colour colour) {
    PageSetBackground(CssColour(colour).c_str());
}

void PageView::SetMainWindowEnabled(bool enabled) {
    PageSetEnabled(enabled);
}

void PageView::FocusRoom(int cell) {
    PageFocusRoom(cell);
}

void PageView::ShowNames(const MainWindow::Names& names) {
    PageShowNames(names.window.c_str(), names.building.c_str(), names.description.c_str());
}

void PageView::ShowContinueDialog() {
    // The player's font decides how large the dialog must be, so it is measured as it opens.
    std::array<int, 4> sizes{};
    PageMeasureDialog(sizes.data());
    PageShowDialog(ContinueDialogLayout(sizes[0], sizes[1], sizes[2], sizes[3], dpi_).c_str());
}
