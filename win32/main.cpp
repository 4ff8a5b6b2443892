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
// can read it: the standard handle a shell redirected, or the console it was started from; null
// when there is neither (started from Explorer, a shortcut, "Open with").
HANDLE CallerOutput(DWORD standardHandle) {
    const auto usable = [](HANDLE h) {
        return h && h != INVALID_HANDLE_VALUE && GetFileType(h) != FILE_TYPE_UNKNOWN;
    };
    HANDLE out = GetStdHandle(standardHandle);
    if (!usable(out) && AttachConsole(ATTACH_PARENT_PROCESS))
        out = GetStdHandle(standardHandle);
    return usable(out) ? out : nullptr;
}

// A console takes wide characters, whatever its code page (932 on a Japanese Windows), so an
// argument echoed in an error reads right; a file or a pipe gets UTF-8.
void Write(HANDLE out, const std::string& text) {
    DWORD written = 0;
    DWORD mode = 0;
    if (GetFileType(out) == FILE_TYPE_CHAR && GetConsoleMode(out, &mode)) {
        const std::wstring wide = Widen(text);
        WriteConsoleW(out, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// Help and version asked for with nowhere to write them are shown in a box.
void Tell(const std::string& text) {
    if (HANDLE out = CallerOutput(STD_OUTPUT_HANDLE))
        Write(out, text);
    else
        MessageBoxW(nullptr, Widen(text).c_str(), Widen(kProgram).c_str(), MB_OK);
}

// Answers --help and --version, or a mistake: the exit status, or -1 to go on with the game.
int Answer(const CommandLine& line) {
    switch (line.action()) {
    case CommandLine::Action::Run:
        return -1;
    case CommandLine::Action::ShowHelp:
        Tell(CommandLine::Usage(kProgram, /*toolkitOptions=*/false));
        return 0;
    case CommandLine::Action::ShowVersion:
        Tell(CommandLine::Version());
        return 0;
    case CommandLine::Action::Fail:
        // Windows hands the game a file dropped on it, or one opened with it, which it has no
        // use for: it starts as though none were given. Typed in a console, an argument the game
        // does not know is a typing mistake, answered there as every console program answers
        // one, so that neither the user nor a script takes it for a game that started.
        if (HANDLE out = CallerOutput(STD_ERROR_HANDLE)) {
            Write(out, CommandLine::ErrorLine(kProgram, line.error()) +
                           CommandLine::Usage(kProgram, false));
            return 1;
        }
        return -1;
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
