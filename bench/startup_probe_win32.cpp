// Starts a Windows program and measures, from the moment of starting it: the time until its
// window of the given class and title shows, painted, and its peak working set once it has
// settled. Under Wine's null display driver nothing can be read back from the screen, so
// "painted" is the program's own word: its window is visible and the program waits for input for
// the first time, having handled every message its start-up queued, the paints included.
//
//   startup_probe [--timeout SECONDS] CLASS TITLE PROGRAM [ARGUMENTS...]
//
// Prints one line: startup_ms=... peak_rss_kb=...; fails, saying why, if the program ends or the
// time runs out before that window shows. The tests use it to see the game's window too.
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr DWORD kSettleMs = 300; // as the X11 probe waits, before reading the memory

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// The command line for CreateProcess, each word quoted as the C runtime splits it again.
std::wstring CommandLine(int count, wchar_t* words[]) {
    std::wstring line;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            line += L' ';
        line += L'"';
        std::size_t backslashes = 0;
        for (const wchar_t* c = words[i]; *c; ++c) {
            if (*c == L'\\') {
                ++backslashes;
                continue;
            }
            line.append(*c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
            backslashes = 0;
            line += *c;
        }
        line.append(2 * backslashes, L'\\');
        line += L'"';
    }
    return line;
}

// A visible top-level window of the class and title that belongs to the process.
bool WindowShown(const wchar_t* className, const wchar_t* title, DWORD processId) {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, className, title))) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window))
            return true;
    }
    return false;
}

} // namespace

int wmain(int argc, wchar_t* argv[]) {
    int first = 1;
    double timeoutSeconds = 20;
    if (argc > 2 && std::wcscmp(argv[1], L"--timeout") == 0) {
        timeoutSeconds = std::wcstod(argv[2], nullptr);
        first = 3;
    }
    if (argc - first < 3) {
        std::fprintf(stderr, "usage: startup_probe [--timeout SECONDS] CLASS TITLE PROGRAM "
                             "[ARGUMENTS...]\n");
        return 2;
    }
    const wchar_t* className = argv[first];
    const wchar_t* title = argv[first + 1];
    std::wstring command = CommandLine(argc - first - 2, argv + first + 2);

    LARGE_INTEGER start, now;
    QueryPerformanceCounter(&start);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "could not start %ls (error %lu)\n", argv[first + 2], GetLastError());
        return 1;
    }
    CloseHandle(process.hThread);

    const char* failure = nullptr;
    for (;;) {
        QueryPerformanceCounter(&now);
        const double left = timeoutSeconds * 1000 - Milliseconds(start, now);
        if (left <= 0) {
            failure = "did not show it in time";
            break;
        }
        // Returns at once for a program that has no message loop, or none yet.
        const DWORD idle = WaitForInputIdle(process.hProcess, static_cast<DWORD>(left));
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) {
            failure = "ended before it showed it";
            break;
        }
        if (idle == 0 && WindowShown(className, title, process.dwProcessId))
            break;
        Sleep(1);
    }
    QueryPerformanceCounter(&now);
    const double startupMs = Milliseconds(start, now);

    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (!failure) {
        Sleep(kSettleMs);
        if (!GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory))
            failure = "has no memory figures";
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hProcess);
    if (failure) {
        std::fprintf(stderr, "waited for a window of class %ls titled \"%ls\": %ls %s\n", className,
                     title, argv[first + 2], failure);
        return 1;
    }
    std::printf("startup_ms=%.1f peak_rss_kb=%llu\n", startupMs,
                static_cast<unsigned long long>(memory.PeakWorkingSetSize / 1024));
    return 0;
}
