// The description of the screen that every front end builds its windows from: the building's
// rooms and their places, the keyboard's walls, both windows' layouts and captions, the one
// twips-to-pixel rule and the dialog's growth for a larger font. Values typed from the plan.
#include "game/continue_dialog.h"
#include "game/dialog_keys.h"
#include "game/focus_frame.h"
#include "game/game_state.h"
#include "game/key_press.h"
#include "game/main_window.h"
#include "game/menu_keys.h"
#include "game/room.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <tuple>

namespace {

bool operator==(const TwipsRect& a, const TwipsRect& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

struct RoomRow {
    int index;
    int column;
    int floor;
    const char* caption;
    TwipsRect place;
    const char* name;
};

class RoomTest : public ::testing::TestWithParam<RoomRow> {};

TEST_P(RoomTest, IndexColumnFloorNumberAndPlaceAgree) {
    const RoomRow& row = GetParam();
    const Room room = Room::AtIndex(row.index);
    EXPECT_EQ(room.Column(), row.column);
    EXPECT_EQ(room.Floor(), row.floor);
    EXPECT_EQ(room.Caption(), row.caption);
    EXPECT_EQ(room.Number(), std::stoi(row.caption));
    EXPECT_EQ(room.TabPosition(), row.index + 1);
    EXPECT_TRUE(room.Place() == row.place);
    EXPECT_EQ(room.AccessibleName(), row.name);
    EXPECT_EQ(Room::Numbered(room.Number()).Index(), row.index);
}

INSTANTIATE_TEST_SUITE_P(
    ThePlanOfTheBuilding, RoomTest,
    ::testing::Values(RoomRow{0, 1, 5, "15", {960, 1080, 375, 495}, "15号室 1列目 5階"},
                      RoomRow{4, 5, 5, "55", {3360, 1080, 375, 495}, "55号室 5列目 5階"},
                      RoomRow{6, 2, 4, "24", {1560, 1800, 375, 495}, "24号室 2列目 4階"},
                      RoomRow{12, 3, 3, "33", {2160, 2520, 375, 495}, "33号室 3列目 3階"},
                      RoomRow{17, 3, 2, "32", {2160, 3240, 375, 495}, "32号室 3列目 2階"},
                      RoomRow{18, 4, 2, "42", {2760, 3240, 375, 495}, "42号室 4列目 2階"},
                      RoomRow{20, 1, 1, "11", {960, 3960, 375, 495}, "11号室 1列目 1階"},
                      RoomRow{24, 5, 1, "51", {3360, 3960, 375, 495}, "51号室 5列目 1階"}));

TEST(RoomTest, EveryCellIsOneRoomAndNothingOutsideTheBuildingIsARoom) {
    for (int index = 0; index < Room::kCount; ++index)
        EXPECT_EQ(Room::Numbered(Room::AtIndex(index).Number()).Index(), index);
    for (int bad : {-1, 25})
        EXPECT_THROW(Room::AtIndex(bad), std::out_of_range);
    for (int bad : {0, 10, 16, 60, 105})
        EXPECT_THROW(Room::Numbered(bad), std::out_of_range) << bad;
}

struct StepRow {
    int from;
    const char* key;
    int to;
};

class KeyStepTest : public ::testing::TestWithParam<StepRow> {};

TEST_P(KeyStepTest, ArrowsMoveByColumnAndFloorAndStopAtTheWallsTabWalksTheCells) {
    const StepRow& row = GetParam();
    const Room from = Room::Numbered(row.from);
    const std::string key = row.key;
    const Room to = key == "left"    ? from.Neighbour(Arrow::Left)
                    : key == "right" ? from.Neighbour(Arrow::Right)
                    : key == "up"    ? from.Neighbour(Arrow::Up)
                    : key == "down"  ? from.Neighbour(Arrow::Down)
                    : key == "tab"   ? from.NextInTabOrder(false)
                                     : from.NextInTabOrder(true);
    EXPECT_EQ(to.Number(), row.to);
}

INSTANTIATE_TEST_SUITE_P(WallsAndCorners, KeyStepTest,
                         ::testing::Values(StepRow{15, "up", 15}, StepRow{15, "left", 15},
                                           StepRow{15, "right", 25}, StepRow{15, "down", 14},
                                           StepRow{51, "down", 51}, StepRow{51, "right", 51},
                                           StepRow{51, "up", 52}, StepRow{51, "left", 41},
                                           StepRow{13, "left", 13}, StepRow{35, "up", 35},
                                           StepRow{33, "up", 34}, StepRow{55, "tab", 14},
                                           StepRow{51, "tab", 15}, StepRow{15, "shift+tab", 51},
                                           StepRow{14, "shift+tab", 55}));

TEST(MainWindowTest, CaptionClientAreaFacadeAndMenuAsDrawn) {
    EXPECT_STREQ(MainWindow::kCaption, "Quv");
    EXPECT_EQ(Pixels(MainWindow::kClientSize, 96), (PixelSize{313, 329}));
    EXPECT_EQ(Pixels(MainWindow::kFacade, 96), (PixelRect{48, 48, 217, 281}));

    // Each item as control:caption=command, a submenu in brackets after the item that opens it.
    std::string menu;
    const auto add = [&menu](const auto& item) {
        menu += std::string(item.control) + ":" + item.caption + "=" +
                std::to_string(static_cast<int>(item.command));
        EXPECT_EQ(std::string(item.caption).find('&'), std::string::npos);
    };
    for (const MainWindow::MenuBarItem& item : MainWindow::MenuBar()) {
        add(item);
        if (!item.submenu.empty()) {
            menu += "[";
            for (const MainWindow::MenuItem& child : item.submenu)
                add(child), menu += " ";
            menu += "]";
        }
        menu += " ";
    }
    EXPECT_EQ(menu, "S:スタート=1 E:終了=2 SC:スコア=0[GSC:現在のスコア=3 HSC:ハイスコア=4 ] ");
    EXPECT_EQ(MainWindow::CellControl(12), "Label2_12");
}

TEST(MainWindowTest, TheDescriptionNamesTheSuspectSoughtOnlyWhileAMissionRuns) {
    GameState s;
    EXPECT_EQ(MainWindow::Description(s), "");
    s.MissionActive = 1;
    s.SuspectNo = 2;
    EXPECT_EQ(MainWindow::Description(s), "2人目");
    EXPECT_EQ(MainWindow::AccessibleName(s), "Quv 2人目");
    EXPECT_EQ(MainWindow::BuildingName(s), "ビル 2人目");
    s.SuspectNo = 7; // the last suspect's outcome is out: the closing boxes are open
    EXPECT_EQ(MainWindow::Description(s), "");
    EXPECT_EQ(MainWindow::AccessibleName(s), "Quv");
    EXPECT_EQ(MainWindow::BuildingName(s), "ビル");
    s.MissionActive = 0;
    s.SuspectNo = 1; // as a mission leaves it
    EXPECT_EQ(MainWindow::Description(s), "");
}

// One press, one visit: Enter presses as it goes down, Space as it comes up on the room or
// button it went down on; the keyboard's repeats press nothing.
struct PressRow {
    const char* name;
    // e+ Enter down, e* its repeat, e- up, e~ a release the repeat makes up; s for Space; a digit
    // after: the control
    const char* keys;
    const char* pressed;
};

class KeyPressTest : public ::testing::TestWithParam<PressRow> {};

TEST_P(KeyPressTest, OnePressOfAKeyPressesOnce) {
    KeyPress rule;
    std::string pressed;
    const std::string keys = GetParam().keys;
    for (std::size_t i = 0; i + 2 < keys.size(); i += 4) {
        const auto key = keys[i] == 'e' ? KeyPress::Key::Enter : KeyPress::Key::Space;
        const int control = keys[i + 2] - '0';
        const char edge = keys[i + 1];
        const bool press = edge == '-' || edge == '~' ? rule.Up(key, edge == '~', control)
                                                      : rule.Down(key, edge == '*', control);
        if (press)
            pressed += std::to_string(control);
    }
    EXPECT_EQ(pressed, GetParam().pressed);
}

INSTANTIATE_TEST_SUITE_P(
    EnterAndSpace, KeyPressTest,
    ::testing::Values(PressRow{"EnterHeld", "e+1 e*1 e*1 e-1", "1"},
                      PressRow{"EnterHeldFromTheBoxIntoTheDialog", "e*2 e*2 e-2", ""},
                      PressRow{"SpaceHeld", "s+1 s*1 s*1 s-1", "1"},
                      PressRow{"SpaceHeldAsReleasesAndPresses", "s+1 s~1 s*1 s~1 s*1 s-1", "1"},
                      PressRow{"SpaceReleasedElsewhere", "s+1 s-2 s-1", ""},
                      PressRow{"TwoPressesTwoVisits", "e+1 e-1 s+3 s-3 e+1", "131"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ContinueDialogTest, CaptionsAndPlacesAsDrawnInTabOrder) {
    EXPECT_STREQ(ContinueDialog::kCaption, "Quv");
    EXPECT_EQ(ContinueDialog::ClientSize(96, 1.0), (PixelSize{170, 64}));
    std::string controls;
    int tab = 0;
    for (const ContinueDialog::Control& c : ContinueDialog::Controls()) {
        const PixelRect p = ContinueDialog::Place(c, 96, 1.0);
        controls += std::string(c.name) + ":" + c.caption + "@" + std::to_string(p.left) + "," +
                    std::to_string(p.top) + "," + std::to_string(p.width) + "x" +
                    std::to_string(p.height) + " ";
        EXPECT_EQ(c.tabOrder, tab++);
    }
    EXPECT_EQ(controls, "Label1:ゲーム、続けるか？@8,8,105x17 Command1:ＹＥＳ@8,32,73x25 "
                        "Command2:ＮＯ@88,32,73x25 ");
}

struct PixelRow {
    int twips;
    int dpi;
    double growth;
    int pixels;
};

class PixelsTest : public ::testing::TestWithParam<PixelRow> {};

TEST_P(PixelsTest, TheNearestPixelHalvesUp) {
    const PixelRow& row = GetParam();
    EXPECT_EQ(Pixels(row.twips, row.dpi, row.growth), row.pixels);
}

INSTANTIATE_TEST_SUITE_P(
    AtEachResolution, PixelsTest,
    ::testing::Values(PixelRow{4695, 96, 1.0, 313}, PixelRow{4695, 144, 1.0, 470}, // 469.5
                      PixelRow{4935, 120, 1.0, 411},                               // 411.25
                      PixelRow{375, 120, 1.0, 31}, PixelRow{495, 144, 1.0, 50},    // 31.25, 49.5
                      PixelRow{15, 144, 1.0, 2}, PixelRow{30, 144, 1.0, 3},
                      PixelRow{960, 192, 1.0, 128}, PixelRow{2550, 96, 1.5, 255},
                      PixelRow{375, 96, 1.2, 30}, PixelRow{0, 144, 2.0, 0}));

// Whatever the font asks for, the grown dialog gives it: never a pixel short, at any resolution.
struct FitRow {
    PixelSize viewport;
    bool touch;
    int dpi;
};

class FittingDpiTest : public ::testing::TestWithParam<FitRow> {};

// Around a client area with 2 × 40 pixels of chrome at 96 dpi.
TEST_P(FittingDpiTest, OneToOneOnADesktopWhereItFitsElseTheLargestThatFits) {
    EXPECT_EQ(MainWindow::FittingDpi(GetParam().viewport, {2, 40}, GetParam().touch),
              GetParam().dpi);
}

INSTANTIATE_TEST_SUITE_P(
    DesktopsPhonesAndSmallViews, FittingDpiTest,
    ::testing::Values(FitRow{{800, 600}, false, 96}, FitRow{{800, 600}, true, 156}, // 535 + 65
                      FitRow{{360, 640}, true, 109},   // 355 + 3 wide; at 110, 359 + 3
                      FitRow{{300, 300}, false, 78},   // 267 + 33 high
                      FitRow{{100, 100}, false, 48})); // no smaller than half

TEST(ContinueDialogTest, TheGrownDialogFitsEveryCaptionItWasGrownFor) {
    for (int dpi : {96, 120, 144, 192}) {
        for (int need = 1; need <= 600; need += 7) {
            const PixelSize question{need, need / 6};
            const PixelSize button{need / 3, need / 5};
            const double growth = ContinueDialog::Growth(question, button, dpi);
            const PixelRect q = ContinueDialog::QuestionPlace(need, dpi, growth);
            const PixelRect yes = ContinueDialog::Place(ContinueDialog::kYes, dpi, growth);
            const PixelRect no = ContinueDialog::Place(ContinueDialog::kNo, dpi, growth);
            const PixelSize client = ContinueDialog::ClientSize(dpi, growth);
            ASSERT_GE(q.width, question.width) << dpi << " dpi, " << need;
            ASSERT_GE(q.height, question.height) << dpi << " dpi, " << need;
            ASSERT_GE(yes.width, button.width) << dpi << " dpi, " << need;
            ASSERT_GE(yes.height, button.height) << dpi << " dpi, " << need;
            ASSERT_EQ(no.width, yes.width);
            ASSERT_LE(q.Right(), client.width - q.left) << "the question keeps its right margin";
            ASSERT_LE(no.Right(), client.width);
            ASSERT_LE(yes.Bottom(), client.height);
        }
    }
}

struct GrowthRow {
    const char* name;
    PixelSize question;
    PixelSize button;
    int dpi;
    double growth;
};

class GrowthTest : public ::testing::TestWithParam<GrowthRow> {};

TEST_P(GrowthTest, WhicheverCaptionNeedsMostDecides) {
    const GrowthRow& row = GetParam();
    EXPECT_NEAR(ContinueDialog::Growth(row.question, row.button, row.dpi), row.growth, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, GrowthTest,
    ::testing::Values(GrowthRow{"a_small_font_keeps_the_layout", {100, 12}, {40, 20}, 96, 1.0},
                      GrowthRow{
                          "the_question_widens_before_it_grows", {154, 17}, {73, 25}, 96, 1.0},
                      GrowthRow{"a_wide_question", {231, 17}, {73, 25}, 96, 1.5},
                      GrowthRow{"a_tall_question", {100, 34}, {73, 25}, 96, 2.0},
                      GrowthRow{"a_wide_caption", {100, 17}, {146, 25}, 96, 2.0},
                      GrowthRow{"a_tall_caption", {100, 17}, {73, 30}, 96, 1.2},
                      GrowthRow{"the_same_font_at_144_dpi", {231, 25}, {109, 37}, 144, 1.0},
                      GrowthRow{"text_at_150_percent_at_144_dpi", {300, 38}, {110, 57}, 144, 1.52}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FocusFrameTest, ShownForTheKeyboardOrWhenTheSystemAsksAroundAFocusedRoomOnly) {
    FocusFrame frame;
    EXPECT_FALSE(frame.Shown(true));
    EXPECT_TRUE(frame.Shown(true, true));
    frame.KeyboardUsed();
    EXPECT_TRUE(frame.Shown(true));
    EXPECT_FALSE(frame.Shown(false, true));
    frame.MouseUsed();
    EXPECT_FALSE(frame.Shown(true));
}

// How the windows are operated: each row is one rule, played and written out as text.
struct OperationRow {
    const char* name;
    std::function<std::string()> play;
    const char* outcome;
};

class OperationTest : public ::testing::TestWithParam<OperationRow> {};

TEST_P(OperationTest, EachInputDoesWhatTheGameSays) {
    EXPECT_EQ(GetParam().play(), GetParam().outcome);
}

// Keys on the dialog's buttons, each as [S]key edge button: S Shift held; key T(ab) E(nter)
// (s)P(ace) X (Escape) F (F10); edge + down, * its repeat, - up; button Y, N or Q (the question).
// Each key gives the answer (- none, Y, N), the button the focus moves to, and + where the
// dialog keeps the key from the platform.
std::string Dialog(const std::string& script) {
    DialogKeys keys;
    std::istringstream in(script);
    std::string out;
    for (std::string k; in >> k;) {
        const bool shift = k[0] == 'S';
        const std::string t = k.substr(shift ? 1 : 0);
        const Key key = Key(std::string("?EPXTF").find(t[0]));
        const auto& on = t[2] == 'Y'   ? ContinueDialog::kYes
                         : t[2] == 'N' ? ContinueDialog::kNo
                                       : ContinueDialog::kQuestion;
        const auto step = keys.OnKey(key, t[1] != '-', t[1] == '*', shift, on);
        out += std::string(1, "-YN"[static_cast<int>(step.answer)]) +
               (step.focus ? step.focus->name : "") + (step.consumed ? "+ " : " ");
    }
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Windows, OperationTest,
    ::testing::Values(
        OperationRow{"TabGoesRoundTheDialogsButtons", [] { return Dialog("T+Y T+N ST+Y T-N"); },
                     "-Command2+ -Command1+ -Command2+ -+ "},
        OperationRow{"EnterAndSpaceAnswerWithTheFocusedButtonEscapeWithNeither",
                     [] { return Dialog("X+Y E*N E+N P+Y P-Y F+Y E+Q"); }, "-+ -+ N+ -+ Y+ - - "},
        OperationRow{"TheDialogsFrameAnswersYes",
                     [] { return std::to_string(static_cast<int>(DialogKeys::FrameClosed())); },
                     "1"},
        OperationRow{"F10EntersAndLeavesTheBarEscapeClosesTheSubmenuFirst",
                     [] {
                         std::string steps;
                         // key, modified, in the bar, a submenu open
                         for (auto [key, mod, in, sub] : {std::tuple{Key::F10, 0, 0, 0},
                                                          {Key::F10, 0, 1, 1},
                                                          {Key::Escape, 0, 1, 1},
                                                          {Key::Escape, 0, 1, 0},
                                                          {Key::Escape, 0, 0, 0},
                                                          {Key::F10, 1, 0, 0},
                                                          {Key::Enter, 0, 1, 0}})
                             steps += std::to_string(static_cast<int>(
                                 MenuKeys::OnKey(key, mod != 0, in != 0, sub != 0)));
                         return steps;
                     },
                     "1323000"},
        OperationRow{"LeavingTheBarTheKeysGoBackToTheirRoomOrHome",
                     [] {
                         MenuKeys keys;
                         std::string back = std::to_string(keys.Leave(7));
                         keys.Entered(12);
                         back += std::to_string(keys.Leave(7));
                         return back + std::to_string(keys.Leave(3));
                     },
                     "7123"},
        OperationRow{"TheFrameShowsAsTheKeyboardEntersAndNotForTheGamesMoves",
                     [] {
                         FocusFrame f;
                         std::string shown;
                         for (auto cause : {FocusFrame::Cause::Game, FocusFrame::Cause::Keyboard,
                                            FocusFrame::Cause::Game, FocusFrame::Cause::Mouse})
                             f.FocusArrived(cause), shown += f.Shown(true) ? "1" : "0";
                         return shown;
                     },
                     "0110"},
        OperationRow{"EveryBrowserEnginesKeysMeanTheSame",
                     [] {
                         std::string keys;
                         for (auto [key, code] : {std::pair{"Tab", "Tab"},
                                                  {"Unidentified", "Tab"},
                                                  {"", "Tab"},
                                                  {" ", "Space"},
                                                  {"Spacebar", ""},
                                                  {"Esc", "Escape"},
                                                  {"Enter", "NumpadEnter"},
                                                  {"Process", "Enter"},
                                                  {"Left", "ArrowLeft"},
                                                  {"Unidentified", "ArrowDown"},
                                                  {"a", "Tab"}})
                             keys += std::to_string(static_cast<int>(BrowserKey(key, code)));
                         return keys;
                     },
                     // Tab Tab Tab Space Space Escape Enter Other Left Down Other
                     "44422310690"},
        OperationRow{
            "AMenuCommandIsFoundByItsPlaceInTheTree",
            [] {
                std::string commands;
                for (auto [bar, item] :
                     {std::pair{0, -1}, {1, -1}, {2, -1}, {2, 0}, {2, 1}, {2, 2}, {3, -1}, {0, 0}})
                    commands += std::to_string(static_cast<int>(MainWindow::CommandAt(bar, item)));
                return commands;
            },
            "12034000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FocusFrameTest, TheSidesLeaveAGapAndFollowTheResolution) {
    // At 96 dpi: 1 px of facade, then 2 px of frame.
    const auto at96 = FocusFrame::Sides({64, 72, 25, 33}, 96);
    EXPECT_EQ(at96[0], (PixelRect{61, 69, 31, 2}));
    EXPECT_EQ(at96[1], (PixelRect{61, 106, 31, 2}));
    EXPECT_EQ(at96[2], (PixelRect{61, 69, 2, 39}));
    EXPECT_EQ(at96[3], (PixelRect{90, 69, 2, 39}));
    // At 144 dpi: 2 px of facade, then 3 px of frame.
    const auto at144 = FocusFrame::Sides({96, 108, 38, 50}, 144);
    EXPECT_EQ(at144[0], (PixelRect{91, 103, 48, 3}));
    EXPECT_EQ(at144[3], (PixelRect{136, 103, 3, 60}));
}

} // namespace
