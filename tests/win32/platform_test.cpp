// What QUV.exe builds on: the program's own wiring, its command line and its twips.
#include "game/command_line.h"
#include "game/twips.h"
#include "win32/command_line_words.h"
#include "win32/program.h"
#include "win32/wide_text.h"
#include "window_rig.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(ProgramTest, EveryBoxBelongsToTheGameWindowTheProgramRuns) {
    EventLog log;
    ScriptedRandom random{log};
    Program program(random);
    ASSERT_TRUE(program.Start(GetModuleHandleW(nullptr), SW_SHOWNORMAL));
    BoxWatcher watcher;
    HWND cell = program.Window().Cell(12).Handle();
    PostMessageW(cell, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(cell, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(program.RunQueued());
    ASSERT_EQ(watcher.boxes.size(), 1u);
    EXPECT_EQ(watcher.boxes[0].owner, program.Window().Handle());
    EXPECT_EQ(program.Messages().Owner(), program.Window().Handle());
    EXPECT_FALSE(program.Ended());
}

namespace {
// A random source that fails, as any code a window runs might.
class FailingRandom final : public RandomSource {
public:
    void Seed() override {}
    float Next() override { throw std::runtime_error("no random numbers"); }
};
} // namespace

// No exception leaves a window for the system code that called it: the program ends at once,
// with a failure status.
TEST(ProgramTest, AFaultInAWindowEndsTheProgramWithAFailureStatus) {
    FailingRandom random;
    Program program(random);
    ASSERT_TRUE(program.Start(GetModuleHandleW(nullptr), SW_SHOWNORMAL));
    BoxWatcher watcher;
    PostMessageW(program.Window().Handle(), WM_COMMAND,
                 MAKEWPARAM(Form1::CommandId(MenuCommand::Start), 0), 0);
    bool running = true;
    EXPECT_NO_THROW(running = program.RunQueued());
    EXPECT_FALSE(running);
    EXPECT_TRUE(program.Ended());
    EXPECT_EQ(program.Status(), Win32ProgramExit::kFaultStatus);
    EXPECT_FALSE(IsWindowVisible(program.Window().Handle()));
    EXPECT_FALSE(watcher.boxes.empty()); // the briefing came before the fault
}

struct Twips {
    int twips;
    int dpi;
    int pixels;
};
class TwipsTest : public ::testing::TestWithParam<Twips> {};

TEST_P(TwipsTest, ATwipIsAFourteenHundredFortiethOfAnInchOnEveryMonitor) {
    EXPECT_EQ(Pixels(GetParam().twips, GetParam().dpi), GetParam().pixels);
}
INSTANTIATE_TEST_SUITE_P(Monitors, TwipsTest,
                         ::testing::Values(Twips{4695, 96, 313}, Twips{4935, 96, 329},
                                           Twips{375, 96, 25}, Twips{4695, 120, 391},
                                           Twips{375, 120, 31}, Twips{4695, 144, 470},
                                           Twips{4935, 144, 494}, Twips{4695, 192, 626},
                                           Twips{4935, 192, 658}, Twips{2550, 192, 340}));

struct Arguments {
    const wchar_t* commandLine;
    CommandLine::Action action;
    const char* error;
};
class CommandLineTest : public ::testing::TestWithParam<Arguments> {};

// The words as Windows splits a command line, handed on to the game in UTF-8.
TEST_P(CommandLineTest, AnswersHelpVersionAndMistakes) {
    const CommandLine line(ArgumentsOf(GetParam().commandLine), /*othersAllowed=*/false);
    EXPECT_EQ(line.action(), GetParam().action);
    EXPECT_EQ(line.error(), GetParam().error);
}
INSTANTIATE_TEST_SUITE_P(
    Options, CommandLineTest,
    ::testing::Values(
        Arguments{L"QUV.exe", CommandLine::Action::Run, ""},
        Arguments{L"\"C:\\Program Files\\QUV\\QUV.exe\"", CommandLine::Action::Run, ""},
        Arguments{L"QUV.exe --help", CommandLine::Action::ShowHelp, ""},
        Arguments{L"QUV.exe /?", CommandLine::Action::ShowHelp, ""},
        Arguments{L"QUV.exe -v", CommandLine::Action::ShowVersion, ""},
        Arguments{L"QUV.exe --bogus --help", CommandLine::Action::ShowHelp, ""},
        Arguments{L"QUV.exe --bogus", CommandLine::Action::Fail, "unknown option '--bogus'"},
        Arguments{L"QUV.exe \"東京 タワー\" -v", CommandLine::Action::ShowVersion, ""},
        Arguments{L"QUV.exe \"東京 タワー\"", CommandLine::Action::Fail,
                  "unexpected argument '東京 タワー'"}));
