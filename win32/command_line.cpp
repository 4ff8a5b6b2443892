// CommandLine: what QUV.exe answers to --help and --version before it opens its window.
#include "win32/command_line.h"

#include "quv_version.h"
#include "win32/wide_text.h"

#include <windows.h>

#include <shellapi.h>

CommandLine::CommandLine(const std::vector<std::wstring>& arguments) {
    for (const std::wstring& argument : arguments) {
        if (argument == L"-h" || argument == L"--help" || argument == L"/?") {
            m_action = Action::ShowHelp;
            return;
        }
        if (argument == L"-v" || argument == L"--version") {
            m_action = Action::ShowVersion;
            return;
        }
    }
    if (arguments.empty())
        return;
    m_action = Action::Fail;
    const std::wstring& first = arguments.front();
    m_error = first.starts_with(L"-") || first.starts_with(L"/")
                  ? L"unknown option '" + first + L"'"
                  : L"unexpected argument '" + first + L"'";
}

std::vector<std::wstring> CommandLine::OfThisProcess() {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> arguments;
    for (int i = 1; words && i < count; ++i)
        arguments.emplace_back(words[i]);
    LocalFree(words);
    return arguments;
}

std::wstring CommandLine::Usage() {
    return L"Usage: QUV [options]\n"
           L"QUV, a puzzle game: find six suspects hiding in a building of 25 rooms.\n"
           L"The game is played in its window; it reads no files and saves nothing.\n"
           L"\n"
           L"Options:\n"
           L"  -h, --help     Show this help and exit.\n"
           L"  -v, --version  Show the version and exit.\n";
}

std::wstring CommandLine::Version() {
    return L"QUV " + Widen(QUV_VERSION) + L"\n";
}
