// The page's program: the one game of the page, and the calls the page's script makes into it.
//
// The page calls quv_choose, quv_visit and quv_answer asynchronously, since a box suspends them
// until OK, and never two at a time; it reads with the other calls only while none of those runs.
// quv_key touches only the window's keys, never the game, so it answers at any time.
#include "game/clock_random_source.h"
#include "game/focus_frame.h"
#include "game/game.h"
#include "game/key_press.h"
#include "game/main_window.h"
#include "game/menu_command.h"
#include "game/room.h"
#include "web/page_message_box.h"
#include "web/page_program_exit.h"
#include "web/page_view.h"
#include "web/screen_description.h"

#include <emscripten/emscripten.h>

#include <string>

namespace {

struct Program {
    PageView view;
    PageMessageBox messages;
    ClockRandomSource random;
    PageProgramExit exit;
    Game game{view, messages, random, exit};
    FocusFrame frame;
    KeyPress keys;
};

Program& TheProgram() {
    static Program program;
    return program;
}

// A text handed to the page stays here until the page asks for the next one.
const char* Handed(std::string text) {
    static std::string handed;
    handed = std::move(text);
    return handed.c_str();
}

} // namespace

extern "C" {

// The screen laid out at dpi, which the dialog then opens at too.
EMSCRIPTEN_KEEPALIVE const char* quv_screen(int dpi) {
    TheProgram().view.SetDpi(dpi);
    return Handed(ScreenDescription(dpi));
}

// The dpi the window fits the page's viewport at, from the sizes the page measured at 1:1.
EMSCRIPTEN_KEEPALIVE int quv_fit(int width, int height, int chromeWidth, int chromeHeight,
                                 int touch) {
    return MainWindow::FittingDpi({width, height}, {chromeWidth, chromeHeight}, touch != 0);
}

EMSCRIPTEN_KEEPALIVE int quv_choose(int command) {
    TheProgram().game.Choose(static_cast<MenuCommand>(command));
    return 0;
}

EMSCRIPTEN_KEEPALIVE int quv_visit(int index) {
    TheProgram().game.VisitRoom(index, Room::AtIndex(index).Number());
    return 0;
}

EMSCRIPTEN_KEEPALIVE int quv_answer(int yes) {
    return TheProgram().game.AnswerContinue(yes != 0);
}

EMSCRIPTEN_KEEPALIVE int quv_ready() {
    return TheProgram().game.Ready();
}

// Enter (key 0) or Space (key 1) went down (down 1) or up on control, a number the page gives
// each room and button of the window. 1: press that control now.
EMSCRIPTEN_KEEPALIVE int quv_key(int down, int key, int repeat, int control) {
    KeyPress& keys = TheProgram().keys;
    const KeyPress::Key which = key == 0 ? KeyPress::Key::Enter : KeyPress::Key::Space;
    return down ? keys.Down(which, repeat != 0, control) : keys.Up(which, repeat != 0, control);
}

// The last key or mouse press on a room decides whether the focus frame shows.
EMSCRIPTEN_KEEPALIVE void quv_room_input(int keyboard) {
    FocusFrame& frame = TheProgram().frame;
    keyboard ? frame.KeyboardUsed() : frame.MouseUsed();
}

EMSCRIPTEN_KEEPALIVE int quv_frame_shown(int roomHasFocus) {
    return TheProgram().frame.Shown(roomHasFocus != 0);
}

} // extern "C"

// The page has loaded: the main window is there, with no mission and no high score.
int main() {
    TheProgram().game.InitializeGame();
}
