// CommandLine: what the program answers from a terminal before it opens its window.
#include "game/command_line.h"

#include "quv_version.h"

namespace {
// The spellings each system's users reach for first.
bool AsksForHelp(std::string_view word) {
    return word == "-h" || word == "--help" || word == "-help" || word == "/?";
}
bool AsksForVersion(std::string_view word) {
    return word == "-v" || word == "--version" || word == "-version";
}
} // namespace

CommandLine::CommandLine(const std::vector<std::string>& arguments, bool othersAllowed) {
    // Help and version answer wherever they stand, before any mistake is looked for.
    for (const std::string& argument : arguments) {
        if (AsksForHelp(argument)) {
            m_action = Action::ShowHelp;
            return;
        }
        if (AsksForVersion(argument)) {
            m_action = Action::ShowVersion;
            return;
        }
    }
    if (othersAllowed || arguments.empty())
        return;
    m_action = Action::Fail;
    const std::string& first = arguments.front();
    // A slash starts an option on Windows (/x), but a path on Linux (/home/x).
    const bool option = first.starts_with('-') ||
                        (first.starts_with('/') && first.find('/', 1) == std::string::npos);
    m_error = (option ? "unknown option '" : "unexpected argument '") + first + "'";
}

std::string CommandLine::Usage(std::string_view program, bool toolkitOptions) {
    std::string usage = "Usage: " + std::string(program) +
                        " [options]\n"
                        "QUV, a puzzle game: find six suspects hiding in a building of 25 rooms.\n"
                        "The game is played in its window; it reads no files and saves nothing.\n"
                        "\n"
                        "Options:\n"
                        "  -h, --help     Show this help and exit.\n"
                        "  -v, --version  Show the version and exit.\n";
    if (toolkitOptions)
        usage +=
            "\nQt's options also apply, for example -style windows, -platform xcb, -reverse.\n";
    return usage;
}

std::string CommandLine::Version() {
    return std::string("QUV ") + QUV_VERSION + "\n";
}

std::string CommandLine::ErrorLine(std::string_view program, const std::string& error) {
    return std::string(program) + ": " + error + "\n";
}
