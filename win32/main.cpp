// The program's entry: the command line, the main window and the message loop.
#include "game/clock_random_source.h"
#include "game/command_line.h"
#include "win32/command_line_words.h"
#include "win32/program.h"
#include "win32/wide_text.h"

#include <windows.h>

#include <cstdio>

namespace {
// The name a Windows user starts the game by.
constexpr const char* kProgram = "QUV";

// A program for the Windows desktop has no console of its own. Its answer goes where its caller
// can read it: the standard handle a shell redirected, the console it was started from, or else
// a message box. A console takes wide characters, whatever its code page (932 on a Japanese
// Windows), so an argument echoed in an error reads right; a file or a pipe gets UTF-8.
void Tell(const std::string& text, DWORD standardHandle) {
    HANDLE out = GetStdHandle(standardHandle);
    if ((!out || out == INVALID_HANDLE_VALUE || GetFileType(out) == FILE_TYPE_UNKNOWN) &&
        AttachConsole(ATTACH_PARENT_PROCESS)) {
        out = GetStdHandle(standardHandle);
    }
    if (!out || out == INVALID_HANDLE_VALUE || GetFileType(out) == FILE_TYPE_UNKNOWN) {
        MessageBoxW(nullptr, Widen(text).c_str(), Widen(kProgram).c_str(), MB_OK);
        return;
    }
    DWORD written = 0;
    DWORD mode = 0;
    if (GetFileType(out) == FILE_TYPE_CHAR && GetConsoleMode(out, &mode)) {
        const std::wstring wide = Widen(text);
        WriteConsoleW(out, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// Answers --help and --version, or a mistake: the exit status, or -1 to go on with the game.
int Answer(const CommandLine& line) {
    switch (line.action()) {
    case CommandLine::Action::Run:
        return -1;
    case CommandLine::Action::ShowHelp:
        Tell(CommandLine::Usage(kProgram, /*toolkitOptions=*/false), STD_OUTPUT_HANDLE);
        return 0;
    case CommandLine::Action::ShowVersion:
        Tell(CommandLine::Version(), STD_OUTPUT_HANDLE);
        return 0;
    case CommandLine::Action::Fail:
        Tell(CommandLine::ErrorLine(kProgram, line.error()) + CommandLine::Usage(kProgram, false),
             STD_ERROR_HANDLE);
        return 1;
    }
    return -1;
}
} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    const CommandLine line(ArgumentsOf(GetCommandLineW()), /*othersAllowed=*/false);
    if (const int status = Answer(line); status >= 0)
        return status;

    // Nothing needs Common Controls at the start: the continue dialog's buttons load them (the
    // manifest asks for version 6) when it first opens.
    ClockRandomSource random;
    Program program(random);
    if (!program.Start(instance, showCommand))
        return 1;
    return program.Run();
}
