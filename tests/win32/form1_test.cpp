// The main window under Wine as the player sees and uses it: the building, the menu, the real
// message boxes of a visit and of a mission end, and keyboard play.
#include "game/continue_dialog.h"
#include "game/main_window.h"
#include "game/message_catalogue.h"
#include "window_rig.h"

#include <gtest/gtest.h>

#include <utility>

namespace {
constexpr Colour kBlue = 0xFF0000;
constexpr Colour kBlack = 0x000000;
constexpr Colour kSilver = 0xC0C0C0;
constexpr Colour kPaleCyan = 0xFFFFC0;
constexpr Colour kMark = 0x0000C0;

std::string Text(MessageKey key, std::initializer_list<int> values = {}) {
    return ComposeMessage(key, values);
}

RECT ClientRectOf(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return r;
}

// Where a child window lies in its parent's client area.
RECT PlaceOf(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT AsRect(const PixelRect& r) {
    return RECT{r.left, r.top, r.Right(), r.Bottom()};
}

// The width and height of one of a window's icons (ICON_BIG or ICON_SMALL).
SIZE IconSize(HWND window, WPARAM which) {
    const auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0));
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info))
        return {};
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return {bitmap.bmWidth, bitmap.bmHeight};
}

std::wstring MenuText(HMENU menu, int position) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
    return text;
}
} // namespace

TEST(Form1Test, WindowHasCaptionIconAndFixedClientAreaBelowTheMenu) {
    Win32Rig rig;
    wchar_t caption[16] = {};
    GetWindowTextW(rig.Main(), caption, 16);
    EXPECT_EQ(std::wstring(caption), Widen(MainWindow::kCaption));
    const RECT client = ClientRectOf(rig.Main());
    EXPECT_EQ(client.right, 313);
    EXPECT_EQ(client.bottom, 329);
    const LONG style = GetWindowLongW(rig.Main(), GWL_STYLE);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);

    const SIZE big = IconSize(rig.Main(), ICON_BIG);
    EXPECT_EQ(big.cx, 32);
    EXPECT_EQ(big.cy, 32);
    const SIZE small = IconSize(rig.Main(), ICON_SMALL);
    EXPECT_EQ(small.cx, 16);
    EXPECT_EQ(small.cy, 16);
}

TEST(Form1Test, MenuBarHoldsStartQuitAndScoreInOrderWithoutKeys) {
    Win32Rig rig;
    HMENU bar = GetMenu(rig.Main());
    ASSERT_EQ(GetMenuItemCount(bar), 3);
    HMENU score = GetSubMenu(bar, 2);
    ASSERT_EQ(GetMenuItemCount(score), 2);
    // The bar's items in order, then the score submenu's.
    const std::pair<HMENU, int> items[] = {{bar, 0}, {bar, 1}, {bar, 2}, {score, 0}, {score, 1}};
    const auto menu = MainWindow::Menu();
    ASSERT_EQ(menu.size(), std::size(items));
    for (std::size_t i = 0; i < menu.size(); ++i) {
        const auto [where, position] = items[i];
        const std::wstring text = MenuText(where, position);
        EXPECT_EQ(text, Widen(menu[i].caption)) << i;
        const UINT id = menu[i].command == MenuCommand::None ? static_cast<UINT>(-1)
                                                             : Form1::CommandId(menu[i].command);
        EXPECT_EQ(GetMenuItemID(where, position), id) << i;
        // No access key (&) and no shortcut (a tab before a key name).
        EXPECT_EQ(text.find_first_of(L"&\t"), std::wstring::npos);
    }
}

struct CellPlace {
    int room;
    int index;
    RECT rect; // at 96 dpi
};
class CellPlaceTest : public ::testing::TestWithParam<CellPlace> {};

TEST_P(CellPlaceTest, CellsSitWhereTheirRoomsAreWithTheRoomAsCaption) {
    Win32Rig rig;
    const CellPlace& p = GetParam();
    const RoomCell& cell = rig.window.Cell(p.index);
    EXPECT_EQ(cell.RoomNumber(), p.room);
    EXPECT_TRUE(EqualRect(&p.rect, &static_cast<const RECT&>(PlaceOf(cell.Handle()))));
    EXPECT_EQ(GetDlgCtrlID(cell.Handle()), Form1::kFirstCellId + p.index);
}
INSTANTIATE_TEST_SUITE_P(Corners, CellPlaceTest,
                         ::testing::Values(CellPlace{15, 0, {64, 72, 89, 105}},
                                           CellPlace{55, 4, {224, 72, 249, 105}},
                                           CellPlace{33, 12, {144, 168, 169, 201}},
                                           CellPlace{11, 20, {64, 264, 89, 297}},
                                           CellPlace{51, 24, {224, 264, 249, 297}}));

struct Monitor {
    int dpi;
    SIZE client;
    RECT room33;
    int smallIcon;
};
class MonitorDpiTest : public ::testing::TestWithParam<Monitor> {};

// Moved to a monitor of another resolution, the windows keep their size in inches.
TEST_P(MonitorDpiTest, TheBuildingAndTheDialogGrowWithTheMonitorsDpi) {
    Win32Rig rig;
    const Monitor& m = GetParam();
    RECT suggested;
    GetWindowRect(rig.Main(), &suggested);
    SendMessageW(rig.Main(), WM_DPICHANGED, MAKEWPARAM(m.dpi, m.dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    const RECT client = ClientRectOf(rig.Main());
    EXPECT_EQ(client.right, m.client.cx);
    EXPECT_EQ(client.bottom, m.client.cy);
    const RECT room = PlaceOf(rig.CellOfRoom(33));
    EXPECT_TRUE(EqualRect(&room, &m.room33));
    for (int index = 0; index < Room::kCount; ++index) {
        const RECT cell = PlaceOf(rig.window.Cell(index).Handle());
        const RECT expected = AsRect(Pixels(Room::AtIndex(index).Place(), m.dpi));
        EXPECT_TRUE(EqualRect(&cell, &expected)) << index;
    }
    const RECT facade = PlaceOf(rig.window.Front().Handle());
    const RECT front = AsRect(Pixels(MainWindow::kFacade, m.dpi));
    EXPECT_TRUE(EqualRect(&facade, &front));
    // The caption's icon is redrawn for the new DPI; the window's big icon stays 32 x 32.
    EXPECT_EQ(IconSize(rig.Main(), ICON_SMALL).cx, m.smallIcon);
    EXPECT_EQ(IconSize(rig.Main(), ICON_BIG).cx, 32);

    rig.PlayPerfectMission();
    Form2* dialog = rig.window.ContinueDialog();
    ASSERT_NE(dialog, nullptr);
    SendMessageW(dialog->Handle(), WM_DPICHANGED, MAKEWPARAM(m.dpi, m.dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    // The system's font grows with the monitor's DPI too: the dialog grows no more than that.
    const RECT box = ClientRectOf(dialog->Handle());
    EXPECT_EQ(box.right, ContinueDialog::ClientSize(m.dpi, 1.0).width);
    EXPECT_EQ(box.bottom, ContinueDialog::ClientSize(m.dpi, 1.0).height);
    const RECT no = PlaceOf(dialog->Item(ContinueDialog::kNo));
    const RECT expected = AsRect(ContinueDialog::Place(ContinueDialog::kNo, m.dpi, 1.0));
    EXPECT_TRUE(EqualRect(&no, &expected));
}
INSTANTIATE_TEST_SUITE_P(Monitors, MonitorDpiTest,
                         ::testing::Values(Monitor{120, {391, 411}, {180, 210, 211, 251}, 20},
                                           Monitor{144, {470, 494}, {216, 252, 254, 302}, 24},
                                           Monitor{192, {626, 658}, {288, 336, 338, 402}, 32}));

TEST(Form1Test, FacadeBackgroundAndCellsShowTheirColoursBehindTheCells) {
    Win32Rig rig;
    const RECT facade = PlaceOf(rig.window.Front().Handle());
    const RECT expected{48, 48, 265, 329};
    EXPECT_TRUE(EqualRect(&facade, &expected));
    EXPECT_EQ(rig.BackgroundColour(), kPaleCyan);
    EXPECT_EQ(PixelOf(rig.window.Front().Handle(), POINT{5, 5}), kSilver);
    for (int room : {15, 33, 51})
        EXPECT_EQ(rig.CellColour(room), kBlue) << room;
    // The cells lie above the facade: the first window at a cell's centre is the cell.
    POINT centre = CentreOf(rig.CellOfRoom(33));
    MapWindowPoints(rig.CellOfRoom(33), rig.Main(), &centre, 1);
    EXPECT_EQ(ChildWindowFromPointEx(rig.Main(), centre, CWP_SKIPINVISIBLE), rig.CellOfRoom(33));
}

TEST(Form1Test, ARoomBeforeStartAsksForStartInABoxOfTheGameAndStaysBlue) {
    Win32Rig rig;
    rig.ClickRoom(33);
    ASSERT_EQ(rig.watcher.boxes.size(), 1u);
    const SeenBox& box = rig.watcher.boxes.front();
    EXPECT_EQ(box.text, Text(MessageKey::msgPressStart));
    EXPECT_EQ(box.title, L"QUV");
    EXPECT_EQ(box.owner, rig.Main());
    EXPECT_FALSE(box.hasIcon);
    EXPECT_EQ(box.buttons, 1);
    EXPECT_EQ(rig.CellColour(33), kBlue);
    // Over the game wherever it stands, not in the middle of the screen.
    SetWindowPos(rig.Main(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    rig.ClickRoom(33);
    RECT main;
    GetWindowRect(rig.Main(), &main);
    const RECT& place = rig.watcher.boxes.back().place;
    EXPECT_EQ(place.left, std::max(0L, (main.left + main.right - (place.right - place.left)) / 2));
    EXPECT_EQ(place.top, std::max(0L, (main.top + main.bottom - (place.bottom - place.top)) / 2));
}

// Every box of a visit, with the colour the visited cell shows behind it.
TEST(Form1Test, AVisitShowsItsBoxesInOrderWithTheCellBlackUntilTheOutcomeCloses) {
    Win32Rig rig;
    rig.random.QueueRoom(11);
    rig.random.QueueRoom(22);
    rig.Choose(MenuCommand::Start);
    int visited = 0;
    std::vector<std::string> seen;
    rig.watcher.onBox = [&](const SeenBox& box) {
        seen.push_back(box.text + (rig.CellColour(visited) == kBlack ? " [black]" : " [blue]"));
    };
    visited = 12; // a miss one floor above the suspect
    rig.ClickRoom(12);
    visited = 11; // the catch
    rig.ClickRoom(11);
    const std::vector<std::string> expected = {
        Text(MessageKey::msgGoDown) + " [black]",
        Text(MessageKey::msgChancesLeft, {4}) + " [black]",
        Text(MessageKey::msgFound) + " [black]",
        Text(MessageKey::msgPaid, {5}) + " [black]",
        Text(MessageKey::msgSuspectOrdinal, {2}) + " [blue]",
    };
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(rig.CellColour(11), kBlue);
    EXPECT_EQ(rig.CellColour(12), kBlue);
    EXPECT_EQ(rig.BackgroundColour(), Colour{0xFFFF80});
}

TEST(Form1Test, StartShowsTheIntroAndAWholeMissionEndsInTheDialogOverADisabledWindow) {
    Win32Rig rig;
    rig.PlayPerfectMission();
    const std::vector<std::string> texts = rig.Texts();
    ASSERT_EQ(texts.size(), 7u + 5 * 3 + 2 + 2);
    EXPECT_EQ(texts[0], Text(MessageKey::msgIntro1));
    EXPECT_EQ(texts[5], Text(MessageKey::msgIntro6));
    EXPECT_EQ(texts[6], Text(MessageKey::msgSuspectOrdinal, {1}));
    EXPECT_EQ(texts[texts.size() - 2], Text(MessageKey::msgMissionOver));
    EXPECT_EQ(texts.back(), Text(MessageKey::msgSummary, {6, 36}));
    for (const SeenBox& box : rig.watcher.boxes)
        EXPECT_EQ(box.owner, rig.Main()) << box.text;

    Form2* dialog = rig.window.ContinueDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(IsWindowVisible(dialog->Handle()));
    EXPECT_EQ(GetWindow(dialog->Handle(), GW_OWNER), rig.Main());
    EXPECT_FALSE(IsWindowEnabled(rig.Main()));
    EXPECT_EQ(rig.BackgroundColour(), kPaleCyan);
    EXPECT_EQ(rig.window.GameWindow(), dialog->Handle());
}

TEST(Form1Test, ScoreItemsShowTheScoresAndQuitEndsTheProgram) {
    Win32Rig rig;
    rig.PlayPerfectMission();
    SendMessageW(rig.window.ContinueDialog()->Item(ContinueDialog::kYes), BM_CLICK, 0, 0);
    Pump(rig.program);
    rig.watcher.boxes.clear();
    rig.Choose(MenuCommand::CurrentScore);
    rig.Choose(MenuCommand::HighScore);
    EXPECT_EQ(rig.Texts(), (std::vector<std::string>{Text(MessageKey::msgCurrentScore, {0}),
                                                     Text(MessageKey::msgHighScore, {36})}));
    EXPECT_FALSE(rig.Ended());
    rig.Choose(MenuCommand::Quit);
    EXPECT_TRUE(rig.Ended());
}

TEST(Form1Test, ClosingTheWindowEndsTheProgramUnlessTheDialogWaits) {
    Win32Rig rig;
    rig.PlayPerfectMission();
    SendMessageW(rig.Main(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(rig.Ended());
    EXPECT_TRUE(IsWindow(rig.Main()));
    // A click on the disabled window hands the player on to the dialog.
    SetForegroundWindow(rig.Main());
    SendMessageW(rig.Main(), WM_SETCURSOR, reinterpret_cast<WPARAM>(rig.Main()),
                 MAKELPARAM(static_cast<WORD>(HTERROR), WM_LBUTTONDOWN));
    Pump(rig.program);
    EXPECT_EQ(GetActiveWindow(), rig.window.ContinueDialog()->Handle());

    SendMessageW(rig.window.ContinueDialog()->Item(ContinueDialog::kYes), BM_CLICK, 0, 0);
    Pump(rig.program);
    SendMessageW(rig.Main(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(rig.Ended());
}

struct Step {
    int from;
    WPARAM key;
    int to;
};
class KeyStepTest : public ::testing::TestWithParam<Step> {};

TEST_P(KeyStepTest, ArrowsAndTabMoveTheFocusBetweenRoomsAndStopAtTheWalls) {
    Win32Rig rig;
    SetFocus(rig.CellOfRoom(GetParam().from));
    rig.Key(GetParam().key);
    EXPECT_EQ(GetFocus(), rig.CellOfRoom(GetParam().to));
}
INSTANTIATE_TEST_SUITE_P(Building, KeyStepTest,
                         ::testing::Values(Step{33, VK_UP, 34}, Step{33, VK_DOWN, 32},
                                           Step{33, VK_LEFT, 23}, Step{33, VK_RIGHT, 43},
                                           Step{15, VK_UP, 15}, Step{15, VK_LEFT, 15},
                                           Step{51, VK_DOWN, 51}, Step{51, VK_RIGHT, 51},
                                           Step{15, VK_TAB, 25}, Step{55, VK_TAB, 14},
                                           Step{51, VK_TAB, 15}));

TEST(Form1Test, AKeyboardPlayerVisitsOncePerPressAndKeepsTheRoom) {
    Win32Rig rig;
    rig.random.fallback = ScriptedRandom::Middle(1);
    rig.Choose(MenuCommand::Start);
    SetFocus(rig.CellOfRoom(33));
    rig.watcher.boxes.clear();
    rig.Key(VK_RETURN, /*repeat=*/true); // a key held since the last box: no visit
    EXPECT_TRUE(rig.watcher.boxes.empty());
    rig.Key(VK_RETURN);
    rig.Key(VK_SPACE);
    EXPECT_EQ(rig.Texts(), (std::vector<std::string>{Text(MessageKey::msgGoDown),
                                                     Text(MessageKey::msgChancesLeft, {4}),
                                                     Text(MessageKey::msgGoDown),
                                                     Text(MessageKey::msgChancesLeft, {3})}));
    EXPECT_EQ(GetFocus(), rig.CellOfRoom(33));
}

TEST(Form1Test, TheFocusFrameShowsOnAllSidesForTheKeyboardOnly) {
    Win32Rig rig;
    HWND facade = rig.window.Front().Handle();
    const RECT cell = PlaceOf(rig.CellOfRoom(33));
    const RECT front = PlaceOf(facade);
    // Points in the frame, 2 px out from the cell's middle on each side, in facade coordinates.
    const int midX = (cell.left + cell.right) / 2 - front.left;
    const int midY = (cell.top + cell.bottom) / 2 - front.top;
    const POINT sides[] = {{cell.left - front.left - 2, midY},
                           {cell.right - front.left + 1, midY},
                           {midX, cell.top - front.top - 2},
                           {midX, cell.bottom - front.top + 1}};
    SetFocus(rig.CellOfRoom(32));
    rig.Key(VK_UP);
    for (const POINT& p : sides)
        EXPECT_EQ(PixelOf(facade, p), kMark) << p.x << "," << p.y;
    rig.ClickRoom(33); // the mouse again: the frame goes
    for (const POINT& p : sides)
        EXPECT_EQ(PixelOf(facade, p), kSilver) << p.x << "," << p.y;
}

TEST(Form1Test, AScreenReaderFindsEachRoomAsANamedPushButtonThatVisits) {
    Win32Rig rig;
    const Accessible room(rig.CellOfRoom(32));
    EXPECT_EQ(room.Name(), Widen(Room::Numbered(32).AccessibleName()));
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role;
    VariantInit(&role);
    EXPECT_EQ(room.object->get_accRole(self, &role), S_OK);
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_FALSE(Unavailable(rig.CellOfRoom(32)));
    // Its default action visits the room, once the screen reader's call has returned.
    rig.PressRoom(32);
    EXPECT_TRUE(rig.watcher.boxes.empty());
    Pump(rig.program);
    EXPECT_EQ(rig.Texts(), std::vector<std::string>{Text(MessageKey::msgPressStart)});
    // The caption stays the room number, which is what the game reads.
    EXPECT_EQ(rig.window.Cell(CellOf(32)).RoomNumber(), 32);
}

namespace {
int g_descriptionChanges = 0; // a win event procedure is a plain function
void CALLBACK CountChange(HWINEVENTHOOK, DWORD, HWND, LONG object, LONG, DWORD, DWORD) {
    g_descriptionChanges += object == OBJID_CLIENT;
}
} // namespace

// What the background's colour tells a sighted player, a screen reader reads as the building's
// description, from the one object it holds, and hears of each change.
TEST(Form1Test, TheBuildingDescribesTheSuspectSoughtToAScreenReader) {
    Win32Rig rig;
    const Accessible building(rig.Main());
    EXPECT_EQ(building.Name(), Widen(MainWindow::kBuildingName));
    EXPECT_EQ(building.Description(), L"");
    g_descriptionChanges = 0;
    HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_DESCRIPTIONCHANGE, EVENT_OBJECT_DESCRIPTIONCHANGE, nullptr,
                        CountChange, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    rig.random.fallback = ScriptedRandom::Middle(1);
    rig.Choose(MenuCommand::Start);
    rig.ClickRoom(11);
    rig.ClickRoom(12); // a miss: the same suspect
    EXPECT_EQ(rig.window.State().SuspectNo, 2);
    EXPECT_EQ(building.Description(), Widen(MainWindow::Description(rig.window.State())));
    EXPECT_NE(building.Description(), L"");
    for (int catches = 2; catches <= 6; ++catches)
        rig.ClickRoom(11);
    EXPECT_EQ(building.Description(), L"");
    Pump(rig.program);
    UnhookWinEvent(hook);
    EXPECT_EQ(g_descriptionChanges, 1 + 5 + 1); // the start, each next suspect, the end
}

// While a box of a catch is open, a screen reader's press on the room and its action on every
// menu item still reach the window; none acts, so the catch is paid once.
TEST(Form1Test, NothingThatReachesTheWindowDuringABoxActs) {
    Win32Rig rig;
    rig.random.fallback = ScriptedRandom::Middle(1);
    rig.Choose(MenuCommand::Start);
    rig.watcher.boxes.clear();
    bool unavailable = false;
    Colour idle = 0;
    bool reached = false;
    rig.watcher.onBox = [&](const SeenBox&) {
        if (std::exchange(reached, true))
            return;
        unavailable = Unavailable(rig.CellOfRoom(11));
        idle = rig.CellColour(12); // unavailable, it looks the same
        // Handed out by the box's own loop, before its OK.
        rig.PressRoom(11);
        for (MenuCommand command : {MenuCommand::Start, MenuCommand::Quit,
                                    MenuCommand::CurrentScore, MenuCommand::HighScore})
            rig.PostCommand(command);
    };
    rig.ClickRoom(11);
    EXPECT_TRUE(unavailable);
    EXPECT_EQ(idle, kBlue);
    EXPECT_EQ(rig.Texts(),
              (std::vector<std::string>{Text(MessageKey::msgFound), Text(MessageKey::msgPaid, {6}),
                                        Text(MessageKey::msgSuspectOrdinal, {2})}));
    EXPECT_EQ(rig.window.State().Reward, 6);
    EXPECT_FALSE(rig.Ended());
}
