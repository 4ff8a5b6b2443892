// KeyPress: which key presses press a room or a dialog button.
#pragma once

// One press of a key is one press of the control, however long it is held: a held Enter or Space
// must not run through a suspect's five chances, and an Enter still held from closing the last
// box must not answer the closing question. Enter presses on its first going down; Space, as a
// push button takes it, when it comes up again on the control it went down on. A front end keeps
// one KeyPress per window and hands it every Enter and Space that reaches a room or a button.
class KeyPress {
public:
    enum class Key { Enter, Space };

    // The key went down on control (any number that names it in the window); repeat: the
    // keyboard's auto-repeat of a key already down, or a key that was down before the control had
    // the focus. True: press control now.
    bool Down(Key key, bool repeat, int control);
    // The key came up on control; repeat: a release the keyboard's auto-repeat makes up (some
    // toolkits bring each repeat of a held key as a release and a press), after which the key is
    // still down. True: press control now.
    bool Up(Key key, bool repeat, int control);

private:
    static constexpr int kNone = -1;
    int m_spaceDownOn = kNone;
};
