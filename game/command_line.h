// CommandLine: what the program answers from a terminal before it opens its window.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The game has no options of its own beyond help and version; anything else is a mistake that
// is answered with the usage. Arguments are UTF-8, without the program's name.
class CommandLine {
public:
    enum class Action { Run, ShowHelp, ShowVersion, Fail };

    // othersAllowed: arguments that are not the game's are left for someone else (a toolkit
    // that reads its own options later) rather than refused.
    CommandLine(const std::vector<std::string>& arguments, bool othersAllowed);

    Action action() const { return m_action; }
    // For Fail: what was wrong, as in "unknown option '--bogus'".
    const std::string& error() const { return m_error; }

    // program: the name the user starts it by. toolkitOptions: the front end's toolkit takes
    // options of its own, which the usage then mentions.
    static std::string Usage(std::string_view program, bool toolkitOptions);
    static std::string Version();
    // The first line of the answer to a mistake; the usage follows it.
    static std::string ErrorLine(std::string_view program, const std::string& error);

private:
    Action m_action = Action::Run;
    std::string m_error;
};
