// Program: the game as QUV.exe runs it, with the real message box and the message loop.
#include "win32/program.h"

Program::Program(RandomSource& random)
    : m_window(m_messages, random, m_exit) {
    m_messages.SetOwner([this] { return m_window.GameWindow(); });
}

bool Program::Start(HINSTANCE instance, int showCommand) {
    return m_window.Create(instance, showCommand);
}

int Program::Run() {
    MSG msg;
    // Once the program has ended no further event reaches the game, even one already queued.
    while (!m_exit.Ended() && GetMessageW(&msg, nullptr, 0, 0) > 0)
        Dispatch(msg);
    return 0;
}

void Program::Dispatch(MSG& msg) {
    if (m_window.PreTranslate(msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}
