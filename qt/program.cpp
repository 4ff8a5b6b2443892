// Program: the game as the quv program runs it, with the real message box.
#include "qt/program.h"

Program::Program(RandomSource& random, ProgramExit& exit)
    : m_window(m_messages, random, exit) {
    m_messages.SetOwner([this] { return m_window.GameWindow(); });
}
