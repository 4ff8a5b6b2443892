// The program's entry: the command line, the main window and the message loop.
#include "game/clock_random_source.h"
#include "win32/command_line.h"
#include "win32/program.h"
#include "win32/wide_text.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>

namespace {
// A program for the Windows desktop has no console of its own. Its answer goes where its caller
// can read it: the standard handle a shell redirected, the console it was started from, or else
// a message box.
void Tell(const std::wstring& text, DWORD standardHandle) {
    HANDLE out = GetStdHandle(standardHandle);
    if ((!out || out == INVALID_HANDLE_VALUE || GetFileType(out) == FILE_TYPE_UNKNOWN) &&
        AttachConsole(ATTACH_PARENT_PROCESS)) {
        out = GetStdHandle(standardHandle);
    }
    if (out && out != INVALID_HANDLE_VALUE && GetFileType(out) != FILE_TYPE_UNKNOWN) {
        const std::string bytes = Narrow(text);
        DWORD written = 0;
        WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        return;
    }
    MessageBoxW(nullptr, text.c_str(), L"QUV", MB_OK);
}

// Answers --help and --version, or a mistake: the exit status, or -1 to go on with the game.
int Answer(const CommandLine& line) {
    switch (line.action()) {
    case CommandLine::Action::Run:
        return -1;
    case CommandLine::Action::ShowHelp:
        Tell(CommandLine::Usage(), STD_OUTPUT_HANDLE);
        return 0;
    case CommandLine::Action::ShowVersion:
        Tell(CommandLine::Version(), STD_OUTPUT_HANDLE);
        return 0;
    case CommandLine::Action::Fail:
        Tell(L"QUV: " + line.error() + L"\n" + CommandLine::Usage(), STD_ERROR_HANDLE);
        return 1;
    }
    return -1;
}
} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    if (const int status = Answer(CommandLine(CommandLine::OfThisProcess())); status >= 0)
        return status;

    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    ClockRandomSource random;
    Program program(random);
    if (!program.Start(instance, showCommand))
        return 1;
    return program.Run();
}
