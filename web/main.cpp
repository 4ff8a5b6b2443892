// The page's program: the one game of the page, and the calls the page's script makes into it.
//
// quv_choose, quv_visit and quv_answer run the action at once and hand back what it did, for the
// page to play back box by box (PagePlayback); until the page reports it played (quv_played), they
// act no more and the module is not ready, as the game is not while a box waits. quv_key touches
// only the window's keys, never the game, so it answers at any time.
#include "game/clock_random_source.h"
#include "game/focus_frame.h"
#include "game/game.h"
#include "game/key_press.h"
#include "game/main_window.h"
#include "game/menu_command.h"
#include "game/room.h"
#include "game/twips.h"
#include "web/page_message_box.h"
#include "web/page_playback.h"
#include "web/page_program_exit.h"
#include "web/page_view.h"
#include "web/screen_description.h"

#include <emscripten/emscripten.h>

#include <string>

namespace {

struct Program {
    PagePlayback playback;
    PageView view{playback};
    PageMessageBox messages{playback};
    ClockRandomSource random;
    PageProgramExit exit{playback};
    Game game{view, messages, random, exit};
    FocusFrame frame;
    KeyPress keys;
    // The dpi the page lays the window out at; the continue dialog opens at the same.
    int dpi = kDesignDpi;
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

// Runs an action of the game unless the last one is still being played, and hands the page what
// it did (nothing, if it did not run).
template <typename Action> const char* Act(Action action) {
    Program& program = TheProgram();
    if (!program.playback.Playing())
        action(program.game);
    return Handed(program.playback.Take());
}

} // namespace

extern "C" {

// The screen laid out at dpi, which the dialog then opens at too.
EMSCRIPTEN_KEEPALIVE const char* quv_screen(int dpi) {
    TheProgram().dpi = dpi;
    return Handed(ScreenDescription(dpi));
}

// The dpi the window fits the page's viewport at, from the sizes the page measured at 1:1.
EMSCRIPTEN_KEEPALIVE int quv_fit(int width, int height, int chromeWidth, int chromeHeight,
                                 int touch) {
    return MainWindow::FittingDpi({width, height}, {chromeWidth, chromeHeight}, touch != 0);
}

// Where the continue dialog and its controls go, for the texts the page measured (CSS pixels).
EMSCRIPTEN_KEEPALIVE const char* quv_dialog_layout(int questionWidth, int questionHeight,
                                                   int buttonWidth, int buttonHeight) {
    return Handed(ContinueDialogLayout(questionWidth, questionHeight, buttonWidth, buttonHeight,
                                       TheProgram().dpi));
}

EMSCRIPTEN_KEEPALIVE const char* quv_choose(int command) {
    return Act([command](Game& game) { game.Choose(static_cast<MenuCommand>(command)); });
}

EMSCRIPTEN_KEEPALIVE const char* quv_visit(int index) {
    return Act([index](Game& game) { game.VisitRoom(index, Room::AtIndex(index).Number()); });
}

EMSCRIPTEN_KEEPALIVE const char* quv_answer(int yes) {
    return Act([yes](Game& game) { game.AnswerContinue(yes != 0); });
}

// The page has played the last action through: its last box is answered.
EMSCRIPTEN_KEEPALIVE void quv_played() {
    TheProgram().playback.Played();
}

EMSCRIPTEN_KEEPALIVE int quv_playing() {
    return TheProgram().playback.Playing();
}

// Whether a room or a menu choice acts now: no action is being played and the game takes one.
EMSCRIPTEN_KEEPALIVE int quv_ready() {
    return !TheProgram().playback.Playing() && TheProgram().game.Ready();
}

// The continue dialog waits for its answer (once the action that opened it has been played).
EMSCRIPTEN_KEEPALIVE int quv_awaiting_answer() {
    return TheProgram().game.AwaitingAnswer();
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
