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
    while (Loop(/*wait=*/true)) {
    }
    return m_status;
}

bool Program::RunQueued() {
    return Loop(/*wait=*/false);
}

bool Program::Loop(bool wait) {
    MSG msg;
    // Once the game has ended the program no further event reaches it, even one already queued;
    // WM_QUIT ends the loop whoever posted it, with its status.
    while (!m_ended) {
        if (m_exit.Ended()) {
            m_ended = true;
            break;
        }
        const BOOL got =
            wait ? GetMessageW(&msg, nullptr, 0, 0) : PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);
        if (!wait && !got)
            return true;
        if (got == -1 || msg.message == WM_QUIT) {
            m_ended = true;
            m_status = got == -1 ? 1 : static_cast<int>(msg.wParam);
            break;
        }
        Dispatch(msg);
    }
    return false;
}

void Program::Dispatch(MSG& msg) {
    if (m_window.PreTranslate(msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}
