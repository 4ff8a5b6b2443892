// DialogKeys: how the continue dialog is operated.
#pragma once

#include "game/continue_dialog.h"
#include "game/key.h"
#include "game/key_press.h"

// The dialog offers its two buttons as its only answers: the focus starts on ＹＥＳ and Tab goes
// round the two, Enter or Space answers with the focused one (once a press, as KeyPress says),
// Escape answers nothing, and closing the dialog's frame counts as ＹＥＳ, so that the main
// window is never left disabled. A front end keeps one DialogKeys per dialog and hands it every
// key that reaches the dialog.
class DialogKeys {
public:
    enum class Answer { None, Yes, No };

    // What a key did. consumed: the key is the dialog's and goes no further (no platform's own
    // default button, cancel or focus move); focus: the button the focus goes to, if it moves.
    struct Step {
        Answer answer = Answer::None;
        const ContinueDialog::Control* focus = nullptr;
        bool consumed = false;
    };

    // key went down (down) or up on the button on, with Shift held or not.
    Step OnKey(Key key, bool down, bool repeat, bool shift, const ContinueDialog::Control& on);

    static Answer FrameClosed() { return Answer::Yes; }
    // Where Tab (backwards: Shift+Tab) takes the focus from button from.
    static const ContinueDialog::Control& NextButton(const ContinueDialog::Control& from,
                                                     bool backwards);
    // The button whose answer a press gives.
    static Answer AnswerOf(const ContinueDialog::Control& button);

private:
    KeyPress m_press;
};
