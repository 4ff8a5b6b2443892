// Form1: the main window, the building with its 25 room cells and the menu.
#include "win32/form1.h"

#include "game/main_window.h"
#include "win32/client_accessible.h"
#include "win32/dpi.h"
#include "win32/form2.h"
#include "win32/guarded.h"
#include "win32/wide_text.h"
#include "win32/window_class.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <utility>

namespace {
const wchar_t kClassName[] = L"QuvForm1";
// A fixed-size window: no maximise box and no sizing border.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;
constexpr int kIconResource = 1;

// No caption has an access key and no item a shortcut.
void AppendCommand(HMENU menu, const char* caption, UINT id) {
    AppendMenuW(menu, MF_STRING, id, Widen(caption).c_str());
}

// The caption's small icon, loaded at the size the window's DPI asks for, so that Windows picks
// the nearest drawing (16, 24, 32...) instead of stretching the 16-pixel one.
// The per-monitor metric came with Windows 10; before it the system's one size is the answer.
void SetSmallIcon(HWND window, HICON& icon, int dpi) {
    using MetricsForDpiFn = int(WINAPI*)(int, UINT);
    static const auto metricsForDpi = reinterpret_cast<MetricsForDpiFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetSystemMetricsForDpi")));
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    const auto size = [dpi](int metric) {
        return metricsForDpi ? metricsForDpi(metric, static_cast<UINT>(dpi))
                             : GetSystemMetrics(metric);
    };
    HICON old = icon;
    icon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                                         size(SM_CXSMICON), size(SM_CYSMICON), 0));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    if (old)
        DestroyIcon(old);
}

// The system's setting to show the keyboard focus (and access keys) always, not only once the
// keyboard is used.
bool FocusAlwaysShown() {
    BOOL always = FALSE;
    return SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &always, 0) && always;
}

// In high contrast the frame takes the colour the player's scheme gives a selection; the game's
// own colours are its content and stay.
Colour FrameColour() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    if (SystemParametersInfoW(SPI_GETHIGHCONTRAST, contrast.cbSize, &contrast, 0) &&
        (contrast.dwFlags & HCF_HIGHCONTRASTON))
        return GetSysColor(COLOR_HIGHLIGHT);
    return Colours::kFocusFrame;
}
} // namespace

Form1::Form1(MessageBoxService& messages, RandomSource& random, ProgramExit& exit)
    : m_game(*this, messages, random, exit)
    , m_backgroundBrush(CreateSolidBrush(Colours::kBackground)) {}

Form1::~Form1() {
    m_dialog.reset();
    if (m_hwnd)
        DestroyWindow(m_hwnd);
    DeleteObject(m_backgroundBrush);
    if (m_icon)
        DestroyIcon(m_icon);
    if (m_smallIcon)
        DestroyIcon(m_smallIcon);
}

bool Form1::Create(HINSTANCE instance, int showCommand) {
    m_icon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON, 32, 32, 0));
    RegisterWindowClass(instance, kClassName, RouteToOwner<Form1>);

    CreateWindowExW(kExStyle, kClassName, Widen(MainWindow::kCaption).c_str(), kStyle,
                    CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, this);
    if (!m_hwnd)
        return false;
    SendMessageW(m_hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    SetSmallIcon(m_hwnd, m_smallIcon, WindowDpi(m_hwnd));
    BuildMenu();
    BuildBuilding(instance);
    Layout(WindowDpi(m_hwnd));

    // The window's load: before the player can do anything.
    m_game.InitializeGame();
    ShowWindow(m_hwnd, showCommand);
    UpdateWindow(m_hwnd);
    return true;
}

UINT Form1::CommandId(MenuCommand command) {
    const auto bar = MainWindow::MenuBar();
    for (int at = 0; command != MenuCommand::None && at < std::ssize(bar); ++at) {
        for (int sub = -1; sub < std::ssize(bar[static_cast<std::size_t>(at)].submenu); ++sub) {
            if (MainWindow::CommandAt(at, sub) == command)
                return CommandId(at, sub);
        }
    }
    return 0;
}

void Form1::BuildMenu() {
    // Start and Quit are commands on the bar itself, which act on a click there.
    HMENU bar = CreateMenu();
    int at = 0;
    for (const MainWindow::MenuBarItem& item : MainWindow::MenuBar()) {
        if (item.submenu.empty()) {
            AppendCommand(bar, item.caption, CommandId(at++));
            continue;
        }
        HMENU submenu = CreatePopupMenu();
        int sub = 0;
        for (const MainWindow::MenuItem& child : item.submenu)
            AppendCommand(submenu, child.caption, CommandId(at, sub++));
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu),
                    Widen(item.caption).c_str());
        ++at;
    }
    SetMenu(m_hwnd, bar);
}

void Form1::BuildBuilding(HINSTANCE instance) {
    m_facade.Create(m_hwnd, instance);
    // Created in index order, which is also the tab order.
    for (int index = 0; index < Room::kCount; ++index) {
        m_cells.at(static_cast<std::size_t>(index))
            .Create(m_hwnd, instance, kFirstCellId + index, Room::AtIndex(index), *this, m_keys);
    }
    // The facade lies behind every cell.
    SetWindowPos(m_facade.Handle(), HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form1::Layout(int dpi) {
    m_dpi = dpi;
    SizeClientArea(m_hwnd, Pixels(MainWindow::kClientSize, dpi), dpi);
    PlaceChild(m_facade.Handle(), Pixels(MainWindow::kFacade, dpi));
    for (int index = 0; index < Room::kCount; ++index)
        PlaceChild(Cell(index).Handle(), Pixels(Room::AtIndex(index).Place(), dpi));
    UpdateFocusMark();
}

bool Form1::PreTranslate(MSG& msg) {
    Form2* dialog = OpenDialog();
    return dialog && dialog->PreTranslate(msg);
}

void Form1::OnCommand(UINT id) {
    if (id < kFirstCommandId)
        return;
    const int place = static_cast<int>(id - kFirstCommandId);
    m_game.Choose(MainWindow::CommandAt(place / kItemsPerBar, place % kItemsPerBar - 1));
}

void Form1::Visit(int index) {
    m_game.VisitRoom(index, Cell(index).TheRoom().Number());
}

void Form1::FocusRoom(int cell) {
    // Behind another window (the dialog the game gave the window back from) the focus is only
    // remembered: the window's activation puts it there.
    m_focus = Cell(cell).Handle();
    m_frame.FocusArrived(FocusFrame::Cause::Game);
    if (GetActiveWindow() == m_hwnd)
        SetFocus(m_focus);
}

void Form1::FocusCell(int index) {
    m_focus = Cell(index).Handle();
    SetFocus(m_focus);
}

void Form1::ShowNames(const MainWindow::Names& names) {
    const MainWindow::Names before = std::exchange(m_names, names);
    if (names.building != before.building)
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, m_hwnd, OBJID_CLIENT, CHILDID_SELF);
    if (names.description != before.description)
        NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, m_hwnd, OBJID_CLIENT, CHILDID_SELF);
}

// A cell calls these from its window procedure, which no exception may leave. A key that still
// reaches a room while a box or the dialog has the keyboard moves nothing.
void Form1::StepFrom(const RoomCell& cell, Arrow arrow) {
    Guarded([&] {
        if (m_game.InFront() == Game::Window::Main)
            FocusCell(cell.TheRoom().Neighbour(arrow).Index());
    });
}

void Form1::TabFrom(const RoomCell& cell, bool backwards) {
    Guarded([&] {
        if (m_game.InFront() == Game::Window::Main)
            FocusCell(cell.TheRoom().NextInTabOrder(backwards).Index());
    });
}

void Form1::InputSeen(bool keyboard) {
    Guarded([&] {
        if (keyboard)
            m_frame.KeyboardUsed();
        else
            m_frame.MouseUsed();
        UpdateFocusMark();
    });
}

void Form1::FocusChanged() {
    Guarded([&] { UpdateFocusMark(); });
}

void Form1::UpdateFocusMark() {
    HWND focused = GetFocus();
    const bool onRoom =
        focused && std::any_of(m_cells.begin(), m_cells.end(),
                               [focused](const RoomCell& c) { return c.Handle() == focused; });
    PixelRect mark{};
    if (m_frame.Shown(onRoom, FocusAlwaysShown())) {
        RECT cell;
        GetWindowRect(focused, &cell);
        MapWindowPoints(nullptr, m_facade.Handle(), reinterpret_cast<POINT*>(&cell), 2);
        mark = {cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top};
    }
    m_facade.SetMark(mark, m_dpi, FrameColour());
}

void Form1::BringInFront() {
    // Windows keeps a box above the window it belongs to and hands it a click on that window;
    // the dialog, a window of the game's own, is brought here.
    if (m_game.InFront() == Game::Window::Dialog)
        SetForegroundWindow(WindowOf(Game::Window::Dialog));
}

Form2* Form1::OpenDialog() const {
    return m_dialog && m_dialog->IsOpen() ? m_dialog.get() : nullptr;
}

HWND Form1::WindowOf(Game::Window window) const {
    const Form2* dialog = OpenDialog();
    return window == Game::Window::Dialog && dialog ? dialog->Handle() : m_hwnd;
}

HWND Form1::GameWindow() const {
    return WindowOf(m_game.BoxOwner());
}

void Form1::SetCellColours(int cell, Colour back, Colour text) {
    m_cells.at(static_cast<std::size_t>(cell)).SetColours(back, text);
}

void Form1::SetBackground(Colour colour) {
    DeleteObject(m_backgroundBrush);
    m_backgroundBrush = CreateSolidBrush(colour);
    InvalidateRect(m_hwnd, nullptr, TRUE);
    UpdateWindow(m_hwnd);
}

void Form1::SetMainWindowEnabled(bool enabled) {
    EnableWindow(m_hwnd, enabled);
}

void Form1::ShowContinueDialog() {
    // An answered dialog is gone already; a new mission end gets a fresh one.
    if (!OpenDialog())
        m_dialog = std::make_unique<Form2>(m_game, m_hwnd);
    // Laid out for the monitor the game is on before it shows there.
    m_dialog->Present(m_dpi);
}

LRESULT Form1::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        // A disabled window still gets what is posted or sent to it (a screen reader's press on
        // a room, its action on a menu item), which the game refuses while it is not ready.
        const UINT id = LOWORD(wParam);
        if (lParam == 0)
            OnCommand(id);
        else if (HIWORD(wParam) == BN_CLICKED && id >= kFirstCellId &&
                 id < kFirstCellId + Room::kCount)
            Visit(static_cast<int>(id) - kFirstCellId);
        return 0;
    }
    case WM_ENABLE:
        // Disabling a window leaves its children enabled: the cells go with it, so that screen
        // readers find them unavailable. The room that had the focus gets it back.
        if (!wParam) {
            if (HWND focused = FocusedChild(m_hwnd))
                m_focus = focused;
        }
        for (const RoomCell& cell : m_cells)
            EnableWindow(cell.Handle(), static_cast<BOOL>(wParam));
        return 0;
    case WM_GETOBJECT:
        if (const auto answer = ClientAccessible::Answer(
                m_hwnd, wParam, lParam, [this] { return Widen(m_names.building); },
                [this] { return Widen(m_names.description); }))
            return *answer;
        break;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(m_hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, m_backgroundBrush);
        return 1;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (HWND focused = FocusedChild(m_hwnd))
                m_focus = focused;
        } else if (m_game.InFront() == Game::Window::Dialog) {
            // Whoever activates the main window (a click, the taskbar) gets the window the game
            // has in front.
            BringInFront();
        } else if (IsWindowEnabled(m_hwnd)) {
            // The keyboard comes back to the room it left (also as a box closes), or to the one
            // the game goes on from; a disabled window takes none.
            SetFocus(m_focus ? m_focus : Cell(m_game.HomeRoom()).Handle());
        }
        return 0;
    case WM_SETCURSOR:
        // A click on the window while it is disabled; the system's own cue (DefWindowProc's)
        // follows.
        if (LOWORD(lParam) == static_cast<WORD>(HTERROR) &&
            (HIWORD(lParam) == WM_LBUTTONDOWN || HIWORD(lParam) == WM_RBUTTONDOWN))
            BringInFront();
        break;
    case WM_SYSCOMMAND:
        // The menu loop begins: entered from the keys (F10, Alt) or by the mouse.
        if ((wParam & 0xFFF0) == SC_KEYMENU || (wParam & 0xFFF0) == SC_MOUSEMENU)
            m_menuFromKeys = (wParam & 0xFFF0) == SC_KEYMENU;
        break;
    case WM_EXITMENULOOP:
        // The keys coming back from the menu bar bring the keyboard into the building.
        if (std::exchange(m_menuFromKeys, false)) {
            m_frame.FocusArrived(FocusFrame::Cause::Keyboard);
            UpdateFocusMark();
        }
        break;
    case WM_CLOSE:
        // Under a box, or behind the continue dialog, the game keeps the window.
        m_game.CloseMainWindow();
        return 0;
    case WM_GETDPISCALEDSIZE: {
        const int dpi = static_cast<int>(wParam);
        return AnswerScaledSize(m_hwnd, Pixels(MainWindow::kClientSize, dpi), dpi, lParam);
    }
    case WM_DPICHANGED:
        MoveToSuggested(m_hwnd, lParam);
        SetSmallIcon(m_hwnd, m_smallIcon, HIWORD(wParam));
        Layout(HIWORD(wParam));
        return 0;
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
        // The setting to show the focus always, high contrast, or the colours of its scheme.
        UpdateFocusMark();
        break;
    default:
        break;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}
