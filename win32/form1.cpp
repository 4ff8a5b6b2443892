// Form1: the main window, the building with its 25 room cells and the menu.
#include "win32/form1.h"

#include "game/program_exit.h"
#include "win32/dpi.h"
#include "win32/form2.h"
#include "win32/twips.h"
#include "win32/window_class.h"

#include <algorithm>
#include <string>

namespace {
const wchar_t kClassName[] = L"QuvForm1";
// A fixed-size window: no maximise box and no sizing border.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;
constexpr int kClientWidth = 4695; // twips
constexpr int kClientHeight = 4935;
constexpr int kIconResource = 1;

// Floors count up from the bottom row, columns from the left; index 0 is the top-left cell.
int CellIndex(int column, int floor) {
    return 5 * (5 - floor) + (column - 1);
}
RECT CellRect(int column, int floor, int dpi) {
    return TwipsRect(960 + 600 * (column - 1), 1080 + 720 * (5 - floor), 375, 495, dpi);
}
RECT FacadeRect(int dpi) {
    return TwipsRect(720, 720, 3255, 4215, dpi);
}

void AddItem(HMENU menu, UINT id, const wchar_t* caption) {
    // No caption has an access key and no item a shortcut.
    AppendMenuW(menu, MF_STRING, id, caption);
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
} // namespace

Form1::Form1(MessageBoxService& messages, RandomSource& random, ProgramExit& exit)
    : m_game(*this, messages, random)
    , m_exit(exit)
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

    CreateWindowExW(kExStyle, kClassName, L"Quv", kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0,
                    nullptr, nullptr, instance, this);
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

void Form1::BuildMenu() {
    // "Start" and "Quit" act on a click of the bar itself.
    HMENU bar = CreateMenu();
    AddItem(bar, S, L"スタート");
    AddItem(bar, E, L"終了");
    HMENU score = CreatePopupMenu();
    AddItem(score, GSC, L"現在のスコア");
    AddItem(score, HSC, L"ハイスコア");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(score), L"スコア");
    SetMenu(m_hwnd, bar);
}

void Form1::BuildBuilding(HINSTANCE instance) {
    m_facade.Create(m_hwnd, instance);
    // Created in index order, which is also the tab order: left to right, top floor first.
    for (int floor = 5; floor >= 1; --floor) {
        for (int column = 1; column <= 5; ++column) {
            const int index = CellIndex(column, floor);
            RoomCell& cell = m_cells.at(static_cast<std::size_t>(index));
            cell.Create(m_hwnd, instance, kFirstCellId + index, column * 10 + floor, *this);
        }
    }
    // The facade lies behind every cell.
    SetWindowPos(m_facade.Handle(), HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form1::Layout(int dpi) {
    m_dpi = dpi;
    SizeClientArea(m_hwnd, {Px(kClientWidth, dpi), Px(kClientHeight, dpi)}, dpi);

    const RECT facade = FacadeRect(dpi);
    PlaceChild(m_facade.Handle(), facade);
    for (int floor = 1; floor <= 5; ++floor) {
        for (int column = 1; column <= 5; ++column)
            PlaceChild(Cell(CellIndex(column, floor)).Handle(), CellRect(column, floor, dpi));
    }
    UpdateFocusMark();
}

bool Form1::PreTranslate(MSG& msg) {
    Form2* dialog = ContinueDialog();
    return dialog && dialog->PreTranslate(msg);
}

void Form1::OnCommand(UINT id) {
    switch (id) {
    case S:
        m_game.StartMission();
        break;
    case E:
        m_exit.EndProgram();
        break;
    case GSC:
        m_game.ShowCurrentScore();
        break;
    case HSC:
        m_game.ShowHighScore();
        break;
    default:
        break;
    }
}

void Form1::Visit(int index) {
    m_lastVisited = index;
    m_game.VisitRoom(index, Cell(index).RoomNumber());
    // Once the boxes have closed the player goes on from the room just visited.
    if (IsWindowEnabled(m_hwnd))
        FocusCell(index);
}

void Form1::FocusCell(int index) {
    m_focus = Cell(index).Handle();
    SetFocus(m_focus);
}

void Form1::StepFrom(const RoomCell& cell, int columnStep, int floorStep) {
    // The arrows stop at the walls of the building.
    const int column = std::clamp(cell.Column() + columnStep, 1, 5);
    const int floor = std::clamp(cell.Floor() + floorStep, 1, 5);
    FocusCell(CellIndex(column, floor));
}

void Form1::TabFrom(const RoomCell& cell, bool backwards) {
    const int index = cell.Id() - kFirstCellId;
    FocusCell((index + (backwards ? 24 : 1)) % 25);
}

void Form1::InputSeen(bool keyboard) {
    m_keyboardPlay = keyboard;
    UpdateFocusMark();
}

void Form1::FocusChanged() {
    UpdateFocusMark();
}

void Form1::UpdateFocusMark() {
    HWND focused = GetFocus();
    const auto cell = std::find_if(m_cells.begin(), m_cells.end(), [focused](const RoomCell& c) {
        return focused && c.Handle() == focused;
    });
    RECT mark{};
    if (m_keyboardPlay && cell != m_cells.end()) {
        GetWindowRect(focused, &mark);
        MapWindowPoints(nullptr, m_facade.Handle(), reinterpret_cast<POINT*>(&mark), 2);
    }
    m_facade.SetMark(mark, m_dpi);
}

void Form1::HandToDialog() {
    if (Form2* dialog = ContinueDialog())
        SetForegroundWindow(dialog->Handle());
}

Form2* Form1::ContinueDialog() const {
    return m_dialog && m_dialog->IsOpen() ? m_dialog.get() : nullptr;
}

HWND Form1::GameWindow() const {
    const Form2* dialog = ContinueDialog();
    return dialog ? dialog->Handle() : m_hwnd;
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
    // A disabled window loses its focus; given back, the keyboard starts at the last room.
    if (enabled && m_lastVisited >= 0)
        m_focus = Cell(m_lastVisited).Handle();
}

void Form1::ShowContinueDialog() {
    // An answered dialog is gone already; a new mission end gets a fresh one.
    if (!ContinueDialog())
        m_dialog = std::make_unique<Form2>(*this, m_exit, m_hwnd);
    m_dialog->Present();
}

LRESULT Form1::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        const UINT id = LOWORD(wParam);
        if (lParam == 0)
            OnCommand(id);
        else if (HIWORD(wParam) == BN_CLICKED && id >= kFirstCellId && id < kFirstCellId + 25)
            Visit(static_cast<int>(id) - kFirstCellId);
        return 0;
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const int index = static_cast<int>(item->CtlID) - kFirstCellId;
        if (index >= 0 && index < 25)
            Cell(index).Draw(*item);
        return TRUE;
    }
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
        } else if (!IsWindowEnabled(m_hwnd)) {
            // While the dialog waits, whoever activates the main window (a click, the taskbar)
            // is handed on to the dialog.
            HandToDialog();
        } else {
            // The keyboard comes back to the room it left, the first room at the start.
            SetFocus(m_focus ? m_focus : Cell(0).Handle());
        }
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == static_cast<WORD>(HTERROR) &&
            (HIWORD(lParam) == WM_LBUTTONDOWN || HIWORD(lParam) == WM_RBUTTONDOWN)) {
            HandToDialog();
            return TRUE;
        }
        break;
    case WM_CLOSE:
        // Disabled means the continue dialog is waiting for an answer: the window stays.
        if (IsWindowEnabled(m_hwnd))
            m_exit.EndProgram();
        return 0;
    case WM_DPICHANGED:
        MoveToSuggested(m_hwnd, lParam);
        SetSmallIcon(m_hwnd, m_smallIcon, HIWORD(wParam));
        Layout(HIWORD(wParam));
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}
