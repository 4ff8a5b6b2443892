// Program: the game as the quv program runs it, with the real message box.
#pragma once

#include "qt/form1.h"
#include "qt/qt_message_box.h"

class ProgramExit;
class RandomSource;

// The one place where the windows and the message box are put together, so that what the program
// runs is what its tests build: every box belongs to the game's own window.
class Program {
public:
    Program(RandomSource& random, ProgramExit& exit);

    Form1& Window() { return m_window; }

private:
    QtMessageBox m_messages;
    Form1 m_window;
};
