// CommandLine: what QUV.exe answers to --help and --version before it opens its window.
#pragma once

#include <string>
#include <vector>

// The game has no options of its own beyond help and version; anything else is a mistake that
// is answered with the usage.
class CommandLine {
public:
    enum class Action { Run, ShowHelp, ShowVersion, Fail };

    // arguments: without the program's name.
    explicit CommandLine(const std::vector<std::wstring>& arguments);
    // The arguments this process was started with.
    static std::vector<std::wstring> OfThisProcess();

    Action action() const { return m_action; }
    // For Fail: one line saying what was wrong.
    const std::wstring& error() const { return m_error; }

    static std::wstring Usage();
    static std::wstring Version();

private:
    Action m_action = Action::Run;
    std::wstring m_error;
};
