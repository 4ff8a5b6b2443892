// The main window under Wine as the player sees and uses it: the building, the menu, the real
// message boxes of a visit and of a mission end, and keyboard play.
#include "game/continue_dialog.h"
#include "game/main_window.h"
#include "game/message_catalogue.h"
#include "win32/dpi.h"
#include "window_rig.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace {
constexpr Colour kBlue = 0xFF0000;
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

// The colour the facade shows d pixels out from a room's cell, at the middle of each of the
// cell's four sides; kMixed where the sides differ.
Colour AroundCell(const Win32Rig& rig, int room, int d) {
    HWND facade = rig.window.Front().Handle();
    RECT cell = PlaceOf(rig.CellOfRoom(room));
    const RECT front = PlaceOf(facade);
    OffsetRect(&cell, -front.left, -front.top);
    const int midX = (cell.left + cell.right) / 2;
    const int midY = (cell.top + cell.bottom) / 2;
    const POINT sides[] = {{cell.left - d, midY},
                           {cell.right - 1 + d, midY},
                           {midX, cell.top - d},
                           {midX, cell.bottom - 1 + d}};
    const Colour first = PixelOf(facade, sides[0]);
    for (const POINT& p : sides) {
        if (PixelOf(facade, p) != first)
            return kMixed;
    }
    return first;
}

// Where the focus frame lies, in pixels out from the cell: from its inner to its outer edge.
struct FrameSpan {
    int inner;
    int outer;
};

// The frame around a room shows in full, in colour, and nothing of it beyond that span.
void ExpectFrame(const Win32Rig& rig, int room, FrameSpan span, Colour colour = kMark) {
    EXPECT_EQ(AroundCell(rig, room, span.inner - 1), kSilver) << "the gap inside the frame";
    EXPECT_EQ(AroundCell(rig, room, span.inner), colour) << "the frame's inner edge";
    EXPECT_EQ(AroundCell(rig, room, span.outer), colour) << "the frame's outer edge";
    EXPECT_EQ(AroundCell(rig, room, span.outer + 1), kSilver) << "beyond the frame";
}

void ExpectNoFrame(const Win32Rig& rig, int room, FrameSpan span) {
    for (int d = span.inner - 1; d <= span.outer + 1; ++d)
        EXPECT_EQ(AroundCell(rig, room, d), kSilver) << d << " px out";
}

constexpr FrameSpan kFrameAt96{2, 3};

// The window's outer size for a client area at dpi, with the frame the system draws there.
SIZE WindowSizeAt(HWND window, SIZE client, int dpi) {
    using AdjustFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    const auto adjustForDpi = reinterpret_cast<AdjustFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    RECT r{0, 0, client.cx, client.cy};
    adjustForDpi(&r, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)),
                 GetMenu(window) != nullptr,
                 static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)), static_cast<UINT>(dpi));
    return {r.right - r.left, r.bottom - r.top};
}

// What the window answers the system that asks its size at dpi before moving it to a monitor of
// that dpi; {0, 0} for no answer.
SIZE ScaledSize(HWND window, int dpi) {
    RECT now;
    GetWindowRect(window, &now);
    SIZE size{now.right - now.left, now.bottom - now.top};
    if (!SendMessageW(window, WM_GETDPISCALEDSIZE, static_cast<WPARAM>(dpi),
                      reinterpret_cast<LPARAM>(&size)))
        return {};
    return size;
}

// The system's message to a window now on a monitor of dpi, suggesting a place near the screen's
// top left corner, where a window as large as the largest here still fits; the window takes
// that place.
void MoveToMonitor(HWND window, int dpi, SIZE size) {
    RECT suggested{dpi / 4, dpi / 8, dpi / 4 + size.cx, dpi / 8 + size.cy};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    // Its client area then has its exact size at dpi, which gives the height of the whole (Wine's
    // menu bar keeps its height at any dpi).
    RECT taken;
    GetWindowRect(window, &taken);
    EXPECT_EQ(taken.left, suggested.left);
    EXPECT_EQ(taken.top, suggested.top);
}

std::wstring CaptionOf(HWND window) {
    wchar_t text[8] = {};
    GetWindowTextW(window, text, 8);
    return text;
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
    const auto check = [](HMENU where, int position, const char* caption, MenuCommand command) {
        const std::wstring text = MenuText(where, position);
        EXPECT_EQ(text, Widen(caption)) << position;
        const UINT id =
            command == MenuCommand::None ? static_cast<UINT>(-1) : Form1::CommandId(command);
        EXPECT_EQ(GetMenuItemID(where, position), id) << position;
        // No access key (&) and no shortcut (a tab before a key name).
        EXPECT_EQ(text.find_first_of(L"&\t"), std::wstring::npos);
    };
    const auto items = MainWindow::MenuBar();
    ASSERT_EQ(GetMenuItemCount(bar), static_cast<int>(items.size()));
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        const MainWindow::MenuBarItem& item = items[static_cast<std::size_t>(i)];
        check(bar, i, item.caption, item.command);
        HMENU submenu = GetSubMenu(bar, i);
        ASSERT_EQ(submenu ? GetMenuItemCount(submenu) : 0, static_cast<int>(item.submenu.size()));
        for (int j = 0; submenu && j < GetMenuItemCount(submenu); ++j) {
            const MainWindow::MenuItem& child = item.submenu[static_cast<std::size_t>(j)];
            check(submenu, j, child.caption, child.command);
        }
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
    EXPECT_EQ(cell.TheRoom().Number(), p.room);
    EXPECT_EQ(CaptionOf(cell.Handle()), std::to_wstring(p.room));
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
    FrameSpan frame;
    SIZE dialog;
    RECT yes;
    RECT no;
};
class MonitorDpiTest : public ::testing::TestWithParam<Monitor> {};

// Moved to a monitor of another resolution, the windows keep their size in inches, and so does
// the focus frame; a dialog opened there is laid out for it from the start.
TEST_P(MonitorDpiTest, TheBuildingTheFrameAndTheDialogGrowWithTheMonitorsDpi) {
    Win32Rig rig;
    const Monitor& m = GetParam();
    SetFocus(rig.CellOfRoom(32));
    rig.Key(VK_UP);
    ExpectFrame(rig, 33, kFrameAt96);

    // Asked first, the window tells the size it takes there, so it does not bounce.
    const SIZE size = ScaledSize(rig.Main(), m.dpi);
    const SIZE expectedSize = WindowSizeAt(rig.Main(), m.client, m.dpi);
    EXPECT_EQ(size.cx, expectedSize.cx);
    EXPECT_EQ(size.cy, expectedSize.cy);
    MoveToMonitor(rig.Main(), m.dpi, size);
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
    ExpectFrame(rig, 33, m.frame);
    // The caption's icon is redrawn for the new DPI; the window's big icon stays 32 x 32.
    EXPECT_EQ(IconSize(rig.Main(), ICON_SMALL).cx, m.smallIcon);
    EXPECT_EQ(IconSize(rig.Main(), ICON_BIG).cx, 32);

    // The system's font grows with the monitor's DPI too: the dialog grows no more than that.
    rig.PlayPerfectMission();
    Form2* dialog = rig.window.OpenDialog();
    ASSERT_NE(dialog, nullptr);
    const auto expectDialog = [&](SIZE size, RECT yes, RECT no) {
        const RECT box = ClientRectOf(dialog->Handle());
        EXPECT_EQ(box.right, size.cx);
        EXPECT_EQ(box.bottom, size.cy);
        const RECT yesNow = PlaceOf(dialog->Item(ContinueDialog::kYes));
        EXPECT_TRUE(EqualRect(&yesNow, &yes));
        const RECT noNow = PlaceOf(dialog->Item(ContinueDialog::kNo));
        EXPECT_TRUE(EqualRect(&noNow, &no));
    };
    expectDialog(m.dialog, m.yes, m.no);
    // Back on a monitor of 96 dpi, it is as drawn.
    const SIZE back = ScaledSize(dialog->Handle(), kDesignDpi);
    const SIZE expectedBack = WindowSizeAt(dialog->Handle(), SIZE{170, 64}, kDesignDpi);
    EXPECT_EQ(back.cx, expectedBack.cx);
    EXPECT_EQ(back.cy, expectedBack.cy);
    MoveToMonitor(dialog->Handle(), kDesignDpi, back);
    expectDialog(SIZE{170, 64}, RECT{8, 32, 81, 57}, RECT{88, 32, 161, 57});
}
INSTANTIATE_TEST_SUITE_P(Monitors, MonitorDpiTest,
                         ::testing::Values(Monitor{120,
                                                   {391, 411},
                                                   {180, 210, 211, 251},
                                                   20,
                                                   {2, 4},
                                                   {213, 80},
                                                   {10, 40, 101, 71},
                                                   {110, 40, 201, 71}},
                                           Monitor{144,
                                                   {470, 494},
                                                   {216, 252, 254, 302},
                                                   24,
                                                   {3, 5},
                                                   {255, 96},
                                                   {12, 48, 122, 86},
                                                   {132, 48, 242, 86}},
                                           Monitor{192,
                                                   {626, 658},
                                                   {288, 336, 338, 402},
                                                   32,
                                                   {3, 6},
                                                   {340, 128},
                                                   {16, 64, 162, 114},
                                                   {176, 64, 322, 114}}));

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

// What a box shows, and the building behind it, is the scenarios'; here, the box itself.
TEST(Form1Test, ABoxIsTheGamesOwnWithOnlyOkAndStandsOverTheGame) {
    Win32Rig rig;
    rig.ClickRoom(33);
    ASSERT_EQ(rig.watcher.boxes.size(), 1u);
    const SeenBox& box = rig.watcher.boxes.front();
    EXPECT_EQ(box.title, L"QUV");
    EXPECT_EQ(box.owner, rig.Main());
    EXPECT_FALSE(box.hasIcon);
    EXPECT_EQ(box.buttons, 1);
    // Over the game wherever it stands, not in the middle of the screen.
    SetWindowPos(rig.Main(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    rig.ClickRoom(33);
    RECT main;
    GetWindowRect(rig.Main(), &main);
    const RECT& place = rig.watcher.boxes.back().place;
    EXPECT_EQ(place.left, std::max(0L, (main.left + main.right - (place.right - place.left)) / 2));
    EXPECT_EQ(place.top, std::max(0L, (main.top + main.bottom - (place.bottom - place.top)) / 2));
}

TEST(Form1Test, EveryBoxOfAMissionAndItsDialogBelongToTheMainWindow) {
    Win32Rig rig;
    rig.PlayPerfectMission();
    ASSERT_EQ(rig.watcher.boxes.size(), 7u + 5 * 3 + 2 + 2);
    for (const SeenBox& box : rig.watcher.boxes)
        EXPECT_EQ(box.owner, rig.Main()) << box.text;
    Form2* dialog = rig.window.OpenDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetWindow(dialog->Handle(), GW_OWNER), rig.Main());
    EXPECT_EQ(rig.window.GameWindow(), dialog->Handle());
}

// A command that comes while another window is active (a screen reader's action on a menu item)
// still gets boxes of the game's window; Quit ends the program's loop.
TEST(Form1Test, ScoreItemsShowTheScoresInBoxesOfTheGameAndQuitEndsTheProgram) {
    Win32Rig rig;
    rig.PlayPerfectMission();
    ASSERT_NE(rig.window.OpenDialog(), nullptr);
    SendMessageW(rig.window.OpenDialog()->Item(ContinueDialog::kYes), BM_CLICK, 0, 0);
    Pump(rig.program);
    rig.watcher.boxes.clear();
    SetForegroundWindow(rig.Elsewhere());
    rig.Choose(MenuCommand::CurrentScore);
    rig.Choose(MenuCommand::HighScore);
    EXPECT_EQ(rig.Texts(), (std::vector<std::string>{Text(MessageKey::msgCurrentScore, {0}),
                                                     Text(MessageKey::msgHighScore, {36})}));
    for (const SeenBox& box : rig.watcher.boxes)
        EXPECT_EQ(box.owner, rig.Main()) << box.text;
    EXPECT_FALSE(rig.Ended());
    rig.PostCommand(MenuCommand::Quit);
    EXPECT_TRUE(rig.Ended());
}

// WM_CLOSE while the dialog waits is the scenarios'; here the system's own close, once it is over.
TEST(Form1Test, TheTaskbarsCloseEndsTheProgramOnceTheDialogIsAnswered) {
    Win32Rig rig;
    rig.PlayPerfectMission();
    ASSERT_NE(rig.window.OpenDialog(), nullptr);
    SendMessageW(rig.window.OpenDialog()->Item(ContinueDialog::kYes), BM_CLICK, 0, 0);
    Pump(rig.program);
    // The taskbar's Close window.
    PostMessageW(rig.Main(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(rig.Ended());
}

// The frame shows while the room has the focus, and goes with it to another window.
TEST(Form1Test, TheFocusFrameShowsOnAllSidesForTheKeyboardOnly) {
    Win32Rig rig;
    SetFocus(rig.CellOfRoom(32));
    rig.Key(VK_UP);
    ExpectFrame(rig, 33, kFrameAt96);
    SetForegroundWindow(rig.Elsewhere());
    Pump(rig.program);
    ExpectNoFrame(rig, 33, kFrameAt96);
    SetForegroundWindow(rig.Main());
    Pump(rig.program);
    ExpectFrame(rig, 33, kFrameAt96);
    rig.ClickRoom(33); // the mouse again: the frame goes
    ExpectNoFrame(rig, 33, kFrameAt96);
    // F10 into the menu bar and Escape out of it: the keys come back to the room, the frame too.
    INPUT keys[4] = {};
    for (int i = 0; i < 4; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = i < 2 ? VK_F10 : VK_ESCAPE;
        keys[i].ki.dwFlags = i % 2 ? KEYEVENTF_KEYUP : 0;
    }
    SendInput(4, keys, sizeof(INPUT));
    Pump(rig.program);
    EXPECT_EQ(GetFocus(), rig.CellOfRoom(33));
    ExpectFrame(rig, 33, kFrameAt96);
}

// Where the system is set to show the focus always, a click does not hide it.
TEST(Form1Test, TheFocusFrameStaysForTheMouseWhereTheSystemShowsTheFocusAlways) {
    Win32Rig rig;
    rig.ShowFocusAlways(true);
    ExpectFrame(rig, 15, kFrameAt96); // the first room has the focus from the start
    rig.ClickRoom(33);
    ExpectFrame(rig, 33, kFrameAt96);
    ExpectNoFrame(rig, 15, kFrameAt96);
    rig.ShowFocusAlways(false);
    ExpectNoFrame(rig, 33, kFrameAt96);
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
    // The caption stays the room number.
    EXPECT_EQ(CaptionOf(rig.CellOfRoom(32)), L"32");
}

namespace {
int g_descriptionChanges = 0; // a win event procedure is a plain function
void CALLBACK CountChange(HWINEVENTHOOK, DWORD, HWND, LONG object, LONG, DWORD, DWORD) {
    g_descriptionChanges += object == OBJID_CLIENT;
}
} // namespace

// What the background's colour tells a sighted player, a screen reader reads in the building's
// name and description, from the one object it holds, and hears of each change before the box
// that comes with it.
TEST(Form1Test, TheBuildingDescribesTheSuspectSoughtToAScreenReader) {
    Win32Rig rig;
    const Accessible building(rig.Main());
    EXPECT_EQ(building.Name(), Widen(MainWindow::kBuildingName));
    EXPECT_EQ(building.Description(), L"");
    g_descriptionChanges = 0;
    HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_DESCRIPTIONCHANGE, nullptr,
                        CountChange, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    // Heard while the mission's closing boxes are open: by the second, the events raised as the
    // first opened have come.
    int changesAtSummary = 0;
    rig.watcher.onBox = [&](const SeenBox& box) {
        if (box.text == Text(MessageKey::msgSummary, {6, 35}))
            changesAtSummary = g_descriptionChanges;
    };
    rig.random.fallback = ScriptedRandom::Middle(1);
    rig.Choose(MenuCommand::Start);
    rig.ClickRoom(11);
    rig.ClickRoom(12); // a miss: the same suspect
    EXPECT_EQ(rig.window.State().SuspectNo, 2);
    EXPECT_EQ(building.Name(), Widen(MainWindow::BuildingName(rig.window.State())));
    EXPECT_EQ(building.Description(), Widen(MainWindow::Description(rig.window.State())));
    EXPECT_NE(building.Description(), L"");
    for (int catches = 2; catches <= 6; ++catches)
        rig.ClickRoom(11);
    EXPECT_EQ(building.Name(), Widen(MainWindow::kBuildingName));
    EXPECT_EQ(building.Description(), L"");
    Pump(rig.program);
    UnhookWinEvent(hook);
    // The name and the description, each at the start, at each next suspect and at the end.
    EXPECT_EQ(g_descriptionChanges, 2 * (1 + 5 + 1));
    EXPECT_EQ(changesAtSummary, g_descriptionChanges);
}

// While a box of a catch is open, a screen reader's press on the room (refused, as a control's
// that has no action now), its action on every menu item and closing the window still reach the
// window; none acts, so the catch is paid once.
TEST(Form1Test, NothingThatReachesTheWindowDuringABoxActs) {
    Win32Rig rig;
    rig.random.fallback = ScriptedRandom::Middle(1);
    rig.Choose(MenuCommand::Start);
    rig.watcher.boxes.clear();
    bool unavailable = false;
    Colour idle = 0;
    bool reached = false;
    HRESULT pressed = S_OK;
    rig.watcher.onBox = [&](const SeenBox&) {
        if (std::exchange(reached, true))
            return;
        unavailable = Unavailable(rig.CellOfRoom(11));
        idle = rig.CellColour(12); // unavailable, it looks the same
        // Handed out by the box's own loop, before its OK.
        pressed = Accessible(rig.CellOfRoom(11)).object->accDoDefaultAction(Self());
        for (MenuCommand command : {MenuCommand::Start, MenuCommand::Quit,
                                    MenuCommand::CurrentScore, MenuCommand::HighScore})
            rig.PostCommand(command);
        PostMessageW(rig.Main(), WM_CLOSE, 0, 0);
    };
    rig.ClickRoom(11);
    EXPECT_TRUE(unavailable);
    EXPECT_EQ(pressed, DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(idle, kBlue);
    EXPECT_EQ(rig.Texts(),
              (std::vector<std::string>{Text(MessageKey::msgFound), Text(MessageKey::msgPaid, {6}),
                                        Text(MessageKey::msgSuspectOrdinal, {2})}));
    EXPECT_EQ(rig.window.State().Reward, 6);
    EXPECT_FALSE(rig.Ended());
}
