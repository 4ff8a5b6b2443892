// PageView: the game's screen operations, played back by the page.
#include "web/page_view.h"

#include "web/page_format.h"
#include "web/page_playback.h"

#include <string>

void PageView::SetCellColours(int cell, Colour back, Colour /*text*/) {
    // The text colour is always the back colour and the caption is never drawn: only the back
    // colour shows.
    playback_.Add("setCell", std::to_string(cell) + "," + Quoted(CssColour(back)));
}

void PageView::SetBackground(Colour colour) {
    playback_.Add("setBackground", Quoted(CssColour(colour)));
}

void PageView::SetMainWindowEnabled(bool enabled) {
    playback_.Add("setEnabled", enabled ? "true" : "false");
}

void PageView::FocusRoom(int cell) {
    playback_.Add("focusRoom", std::to_string(cell));
}

void PageView::ShowNames(const MainWindow::Names& names) {
    playback_.Add("showNames", Quoted(names.window) + "," + Quoted(names.building) + "," +
                                   Quoted(names.description));
}

void PageView::ShowContinueDialog() {
    // The player's font decides how large the dialog must be, so the page measures it as it opens
    // and has it laid out then (quv_dialog_layout).
    playback_.Add("showDialog", "");
}
