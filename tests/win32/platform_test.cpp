// What QUV.exe builds on: the program's own wiring, its command line and its twips.
#include "quv_version.h"
#include "win32/command_line.h"
#include "win32/program.h"
#include "win32/twips.h"
#include "win32/wide_text.h"
#include "window_rig.h"

#include <gtest/gtest.h>

TEST(ProgramTest, EveryBoxBelongsToTheGameWindowTheProgramRuns) {
    EventLog log;
    ScriptedRandom random{log};
    Program program(random);
    ASSERT_TRUE(program.Start(GetModuleHandleW(nullptr), SW_SHOWNORMAL));
    BoxWatcher watcher;
    HWND cell = program.Window().Cell(12).Handle();
    PostMessageW(cell, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(cell, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        program.Dispatch(msg);
    ASSERT_EQ(watcher.boxes.size(), 1u);
    EXPECT_EQ(watcher.boxes[0].owner, program.Window().Handle());
    EXPECT_EQ(program.Messages().Owner(), program.Window().Handle());
    EXPECT_FALSE(program.Exit().Ended());
}

struct Twips {
    int twips;
    int dpi;
    int pixels;
};
class TwipsTest : public ::testing::TestWithParam<Twips> {};

TEST_P(TwipsTest, ATwipIsAFourteenHundredFortiethOfAnInchOnEveryMonitor) {
    EXPECT_EQ(Px(GetParam().twips, GetParam().dpi), GetParam().pixels);
}
INSTANTIATE_TEST_SUITE_P(Monitors, TwipsTest,
                         ::testing::Values(Twips{4695, 96, 313}, Twips{4935, 96, 329},
                                           Twips{375, 96, 25}, Twips{4695, 120, 391},
                                           Twips{375, 120, 31}, Twips{4695, 144, 470},
                                           Twips{4935, 144, 494}, Twips{4695, 192, 626},
                                           Twips{4935, 192, 658}, Twips{2550, 192, 340}));

struct Arguments {
    std::vector<std::wstring> words;
    CommandLine::Action action;
    std::wstring error;
};
class CommandLineTest : public ::testing::TestWithParam<Arguments> {};

TEST_P(CommandLineTest, AnswersHelpVersionAndMistakes) {
    const CommandLine line(GetParam().words);
    EXPECT_EQ(line.action(), GetParam().action);
    EXPECT_EQ(line.error(), GetParam().error);
}
INSTANTIATE_TEST_SUITE_P(
    Options, CommandLineTest,
    ::testing::Values(
        Arguments{{}, CommandLine::Action::Run, L""},
        Arguments{{L"--help"}, CommandLine::Action::ShowHelp, L""},
        Arguments{{L"-h"}, CommandLine::Action::ShowHelp, L""},
        Arguments{{L"/?"}, CommandLine::Action::ShowHelp, L""},
        Arguments{{L"--version"}, CommandLine::Action::ShowVersion, L""},
        Arguments{{L"-v"}, CommandLine::Action::ShowVersion, L""},
        Arguments{{L"--bogus", L"--help"}, CommandLine::Action::ShowHelp, L""},
        Arguments{{L"--bogus"}, CommandLine::Action::Fail, L"unknown option '--bogus'"},
        Arguments{{L"extra"}, CommandLine::Action::Fail, L"unexpected argument 'extra'"}));

TEST(CommandLineTest, TheVersionLineEndsWithANewline) {
    EXPECT_EQ(CommandLine::Version(), L"QUV " + Widen(QUV_VERSION) + L"\n");
    EXPECT_EQ(CommandLine::Usage().rfind(L"Usage: QUV [options]\n", 0), 0u);
}
