// What the program answers from a terminal, the same words on every platform.
#include "game/command_line.h"
#include "quv_version.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct LineRow {
    const char* name;
    std::vector<std::string> arguments;
    bool othersAllowed;
    CommandLine::Action action;
    const char* error;
};

class CommandLineTest : public ::testing::TestWithParam<LineRow> {};

TEST_P(CommandLineTest, HelpAndVersionAnswerAnythingElseIsAMistake) {
    const LineRow& row = GetParam();
    const CommandLine line(row.arguments, row.othersAllowed);
    EXPECT_EQ(line.action(), row.action);
    EXPECT_EQ(line.error(), row.error);
}

using A = CommandLine::Action;
INSTANTIATE_TEST_SUITE_P(
    Words, CommandLineTest,
    ::testing::Values(
        LineRow{"nothing", {}, false, A::Run, ""},
        LineRow{"long_help", {"--help"}, false, A::ShowHelp, ""},
        LineRow{"short_help", {"-h"}, false, A::ShowHelp, ""},
        LineRow{"windows_help", {"/?"}, false, A::ShowHelp, ""},
        LineRow{"version", {"--version"}, false, A::ShowVersion, ""},
        LineRow{"short_version", {"-v"}, false, A::ShowVersion, ""},
        LineRow{"help_after_a_mistake", {"--bogus", "-h"}, false, A::ShowHelp, ""},
        LineRow{"an_unknown_option", {"--bogus"}, false, A::Fail, "unknown option '--bogus'"},
        LineRow{"a_windows_option", {"/x"}, false, A::Fail, "unknown option '/x'"},
        LineRow{"a_path", {"/home/x"}, false, A::Fail, "unexpected argument '/home/x'"},
        LineRow{"a_word", {"extra", "-z"}, false, A::Fail, "unexpected argument 'extra'"},
        LineRow{"toolkit_options_left_for_later", {"-style", "windows"}, true, A::Run, ""},
        LineRow{
            "help_among_toolkit_options", {"-style", "windows", "-help"}, true, A::ShowHelp, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLineTexts, UsageVersionAndErrorLineAreTheSameWordsForEveryProgram) {
    const std::string usage = CommandLine::Usage("quv", false);
    EXPECT_TRUE(usage.starts_with("Usage: quv [options]\n"));
    EXPECT_NE(usage.find("  -v, --version  Show the version and exit.\n"), std::string::npos);
    EXPECT_EQ(CommandLine::Usage("QUV", false).substr(10), usage.substr(10));
    const std::string withQt = CommandLine::Usage("quv", true);
    EXPECT_TRUE(withQt.starts_with(usage));
    EXPECT_TRUE(withQt.ends_with("-reverse.\n"));
    EXPECT_EQ(CommandLine::Version(), std::string("QUV ") + QUV_VERSION + "\n");
    EXPECT_EQ(CommandLine::ErrorLine("QUV", "unknown option '/x'"), "QUV: unknown option '/x'\n");
}

} // namespace
