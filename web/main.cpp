// The page's program: the one game of the page, and the calls the page's script makes into it.
//
// quv_choose, quv_visit and quv_answer run the action at once and hand back what it did, for the
// page to play back box by box (PagePlayback); until the page reports it played (quv_played), they
// act no more, as the game does not while a box waits. The key calls touch only the window's keys,
// never the game, so they answer at any time.
#include "game/clock_random_source.h"
#include "game/continue_dialog.h"
#include "game/dialog_keys.h"
#include "game/focus_frame.h"
#include "game/game.h"
#include "game/key.h"
#include "game/key_press.h"
#include "game/main_window.h"
#include "game/menu_command.h"
#include "game/menu_keys.h"
#include "game/room.h"
#include "game/twips.h"
#include "web/page_format.h"
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
    DialogKeys dialogKeys;
    MenuKeys menuKeys;
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

// The game's name of a key, as the page's script tells keys apart; empty for none of the game's.
const char* KeyName(Key key) {
    switch (key) {
    case Key::Enter:
        return "Enter";
    case Key::Space:
        return "Space";
    case Key::Escape:
        return "Escape";
    case Key::Tab:
        return "Tab";
    case Key::F10:
        return "F10";
    case Key::Left:
        return "Left";
    case Key::Right:
        return "Right";
    case Key::Up:
        return "Up";
    case Key::Down:
        return "Down";
    case Key::Other:
        break;
    }
    return "";
}

// The continue dialog's control named name; the question for any other part of the dialog.
const ContinueDialog::Control& DialogControl(std::string_view name) {
    for (const ContinueDialog::Control& control : ContinueDialog::Controls()) {
        if (name == control.name)
            return control;
    }
    return ContinueDialog::kQuestion;
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

// The continue dialog waits for its answer (once the action that opened it has been played).
EMSCRIPTEN_KEEPALIVE int quv_awaiting_answer() {
    return TheProgram().game.AwaitingAnswer();
}

// A browser's key event (its key and code) in the game's terms, the same in every engine.
EMSCRIPTEN_KEEPALIVE const char* quv_key_of(const char* key, const char* code) {
    return KeyName(BrowserKey(key, code));
}

// A browser's key (key, code) went down (down 1) or up on control, a number the page gives each
// room and menu item. 1: Enter or Space presses that control now.
EMSCRIPTEN_KEEPALIVE int quv_key(const char* key, const char* code, int down, int repeat,
                                 int control) {
    const Key which = BrowserKey(key, code);
    if (which != Key::Enter && which != Key::Space)
        return 0;
    KeyPress& keys = TheProgram().keys;
    const KeyPress::Key press = which == Key::Enter ? KeyPress::Key::Enter : KeyPress::Key::Space;
    return down ? keys.Down(press, repeat != 0, control) : keys.Up(press, repeat != 0, control);
}

// A browser's key on the continue dialog's control named on: {"consumed": the key goes no
// further, "focus": the button the focus moves to, "press": the button that answers now} (the
// buttons by name, "" for none).
EMSCRIPTEN_KEEPALIVE const char* quv_dialog_key(const char* key, const char* code, int down,
                                                int repeat, int shift, const char* on) {
    const DialogKeys::Step step = TheProgram().dialogKeys.OnKey(
        BrowserKey(key, code), down != 0, repeat != 0, shift != 0, DialogControl(on));
    const char* press = step.answer == DialogKeys::Answer::Yes  ? ContinueDialog::kYes.name
                        : step.answer == DialogKeys::Answer::No ? ContinueDialog::kNo.name
                                                                : "";
    return Handed(std::string("{\"consumed\":") + (step.consumed ? "true" : "false") +
                  ",\"focus\":" + Quoted(step.focus ? step.focus->name : "") +
                  ",\"press\":" + Quoted(press) + "}");
}

// A browser's key went down in the main window, with a modifier held or not, the keys in the
// menu bar or not and a submenu open or not: "enter" the bar, "close" the submenu, "leave" the
// bar, "hold" for one of these keys while another window is in front (the key does nothing, and
// nothing of the browser's either), or "" for any other key.
EMSCRIPTEN_KEEPALIVE const char* quv_menu_key(const char* key, const char* code, int modified,
                                              int inBar, int submenuOpen) {
    const MenuKeys::Step step =
        MenuKeys::OnKey(BrowserKey(key, code), modified != 0, inBar != 0, submenuOpen != 0);
    // While the page still plays an action's boxes, a box is in front as far as the player sees.
    const Program& program = TheProgram();
    if (step != MenuKeys::Step::None &&
        (program.playback.Playing() || program.game.InFront() != Game::Window::Main))
        return "hold";
    switch (step) {
    case MenuKeys::Step::Enter:
        return "enter";
    case MenuKeys::Step::CloseSubmenu:
        return "close";
    case MenuKeys::Step::Leave:
        return "leave";
    case MenuKeys::Step::None:
        break;
    }
    return "";
}

// The keys went into the menu bar from the room of cell (-1: from none).
EMSCRIPTEN_KEEPALIVE void quv_menu_entered(int cell) {
    TheProgram().menuKeys.Entered(cell);
}

// The keys leave the menu bar: the cell they go back to.
EMSCRIPTEN_KEEPALIVE int quv_menu_leave() {
    Program& program = TheProgram();
    return program.menuKeys.Leave(program.game.HomeRoom());
}

// The command of the menu item at item in the submenu at bar (-1: the bar's own item).
EMSCRIPTEN_KEEPALIVE int quv_command_at(int bar, int item) {
    return static_cast<int>(MainWindow::CommandAt(bar, item));
}

// The focus came to a room by the keys (cause 0), by a press of the mouse or a finger (1) or by
// the game's own move (2).
EMSCRIPTEN_KEEPALIVE void quv_focus_arrived(int cause) {
    using Cause = FocusFrame::Cause;
    TheProgram().frame.FocusArrived(cause == 0   ? Cause::Keyboard
                                    : cause == 1 ? Cause::Mouse
                                                 : Cause::Game);
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
