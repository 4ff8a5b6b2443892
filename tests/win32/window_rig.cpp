// A real main window with scripted random numbers and the real message box.
#include "window_rig.h"

#include "game/continue_dialog.h"

#include <stdexcept>
#include <utility>
#include <vector>

namespace {
BoxWatcher* g_watcher = nullptr; // a hook procedure is a plain function

constexpr int kStaticTextId = 0xFFFF; // the text of a system message box

bool IsMessageBox(HWND window) {
    wchar_t cls[16] = {};
    GetClassNameW(window, cls, 16);
    return std::wstring(cls) == L"#32770" && GetDlgItem(window, kStaticTextId);
}

BOOL CALLBACK CountButton(HWND child, LPARAM count) {
    wchar_t cls[16] = {};
    GetClassNameW(child, cls, 16);
    if (std::wstring(cls) == L"Button" && (GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE))
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}
} // namespace

BoxWatcher::BoxWatcher() {
    g_watcher = this;
    m_hook = SetWindowsHookExW(WH_CBT, Hook, nullptr, GetCurrentThreadId());
}

BoxWatcher::~BoxWatcher() {
    UnhookWindowsHookEx(m_hook);
    g_watcher = nullptr;
}

LRESULT CALLBACK BoxWatcher::Hook(int code, WPARAM wParam, LPARAM lParam) {
    const auto box = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && g_watcher && IsMessageBox(box)) {
        SeenBox seen;
        wchar_t text[512] = {};
        GetDlgItemTextW(box, kStaticTextId, text, 512);
        seen.text = Narrow(text);
        wchar_t title[64] = {};
        GetWindowTextW(box, title, 64);
        seen.title = title;
        seen.owner = GetWindow(box, GW_OWNER);
        GetWindowRect(box, &seen.place);
        // A box's icon is a static control of its own beside the text.
        seen.hasIcon = GetDlgItem(box, 0x14) &&
                       (GetWindowLongW(GetDlgItem(box, 0x14), GWL_STYLE) & WS_VISIBLE);
        EnumChildWindows(box, CountButton, reinterpret_cast<LPARAM>(&seen.buttons));
        g_watcher->boxes.push_back(seen);
        if (g_watcher->onBox)
            g_watcher->onBox(seen);
        // Posted: the box's own loop presses OK once it runs.
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

Colour PixelOf(HWND window, POINT at) {
    HDC dc = GetDC(window);
    const COLORREF c = GetPixel(dc, at.x, at.y);
    ReleaseDC(window, dc);
    return c;
}

Colour WholeColourOf(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    if (r.right <= 0 || r.bottom <= 0)
        return kMixed;
    HDC dc = GetDC(window);
    HDC copy = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, r.right, r.bottom);
    HGDIOBJ old = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, r.right, r.bottom, dc, 0, 0, SRCCOPY);
    SelectObject(copy, old);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), r.right, -r.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<DWORD> pixels(static_cast<std::size_t>(r.right) * r.bottom);
    GetDIBits(copy, bitmap, 0, r.bottom, pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(window, dc);
    const DWORD first = pixels.front() & 0xFFFFFF;
    for (DWORD p : pixels) {
        if ((p & 0xFFFFFF) != first)
            return kMixed;
    }
    // The bitmap holds 0x00RRGGBB; a Colour is 0x00BBGGRR.
    return RGB((first >> 16) & 0xFF, (first >> 8) & 0xFF, first & 0xFF);
}

POINT CentreOf(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return POINT{r.right / 2, r.bottom / 2};
}

POINT OnScreen(HWND window, POINT client) {
    ClientToScreen(window, &client);
    return client;
}

VARIANT Self() {
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

std::wstring Take(BSTR text) {
    std::wstring taken(text ? text : L"");
    SysFreeString(text);
    return taken;
}

Accessible::Accessible(HWND window) {
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&object))))
        throw std::runtime_error("no accessible object");
}

Accessible::~Accessible() {
    object->Release();
}

std::wstring Accessible::Name() const {
    BSTR name = nullptr;
    object->get_accName(Self(), &name);
    return Take(name);
}

std::wstring Accessible::Description() const {
    BSTR description = nullptr;
    object->get_accDescription(Self(), &description);
    return Take(description);
}

LONG Accessible::State() const {
    VARIANT state;
    VariantInit(&state);
    object->get_accState(Self(), &state);
    return state.vt == VT_I4 ? state.lVal : 0;
}

bool Unavailable(HWND window) {
    return Accessible(window).State() & STATE_SYSTEM_UNAVAILABLE;
}

Win32Rig::Win32Rig() {
    SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &m_focusAlwaysShown, 0);
    SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0, nullptr, 0);
    if (!program.Start(GetModuleHandleW(nullptr), SW_SHOWNORMAL))
        throw std::runtime_error("no main window");
    SetForegroundWindow(Main());
    Pump(program);
}

Win32Rig::~Win32Rig() {
    Pump(program);
    // An ended program's process ends here, and what was left queued (its WM_QUIT too) with it.
    // A window still shown after a faulty ending stays due for painting, which no PM_REMOVE
    // takes off the queue: validated here, so that the test fails instead of spinning.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_PAINT)
            ValidateRect(msg.hwnd, nullptr);
    }
    if (m_elsewhere)
        DestroyWindow(m_elsewhere);
    SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0,
                          reinterpret_cast<void*>(static_cast<INT_PTR>(m_focusAlwaysShown)), 0);
}

void Win32Rig::ShowFocusAlways(bool always) {
    SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0,
                          reinterpret_cast<void*>(static_cast<INT_PTR>(always)), 0);
    SendMessageW(Main(), WM_SETTINGCHANGE, SPI_SETKEYBOARDCUES, 0);
    Pump(program);
}

bool Win32Rig::Ended() {
    // A message queued after the end must stay unread.
    constexpr UINT kProbe = WM_APP + 17;
    PostThreadMessageW(GetCurrentThreadId(), kProbe, 0, 0);
    Pump(program);
    MSG msg;
    return program.Ended() && PeekMessageW(&msg, nullptr, kProbe, kProbe, PM_NOREMOVE);
}

HWND Win32Rig::Elsewhere() {
    if (!m_elsewhere) {
        // In the screen's bottom right corner, clear of the game's windows near its top left.
        const int width = 200;
        const int height = 120;
        m_elsewhere = CreateWindowExW(0, L"STATIC", L"elsewhere", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                      GetSystemMetrics(SM_CXSCREEN) - width,
                                      GetSystemMetrics(SM_CYSCREEN) - height, width, height,
                                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    return m_elsewhere;
}

namespace {
void Send(std::initializer_list<INPUT> inputs) {
    std::vector<INPUT> all(inputs);
    SendInput(static_cast<UINT>(all.size()), all.data(), sizeof(INPUT));
}

INPUT MouseTo(POINT at) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    // Absolute positions run from 0 to 65536 across the screen; a little past the pixel's left
    // edge, so that rounding back lands on it.
    in.mi.dx = MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    in.mi.dy = MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    return in;
}

INPUT Button(DWORD flag) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flag;
    return in;
}

INPUT KeyInput(WPARAM key, bool up, bool keypad = false) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = static_cast<WORD>(key);
    // The keypad's Enter is the extended key of Return's code.
    in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (keypad ? KEYEVENTF_EXTENDEDKEY : 0);
    return in;
}
} // namespace

void Win32Rig::Drag(POINT from, POINT to) {
    Send({MouseTo(from), Button(MOUSEEVENTF_LEFTDOWN), MouseTo(to), Button(MOUSEEVENTF_LEFTUP)});
    Pump(program);
}

void Win32Rig::ClickRoom(int room) {
    HWND cell = CellOfRoom(room);
    Click(OnScreen(cell, CentreOf(cell)));
}

void Win32Rig::ClickMenuBar(MenuCommand command) {
    HMENU bar = GetMenu(Main());
    for (int position = 0; position < GetMenuItemCount(bar); ++position) {
        if (GetMenuItemID(bar, position) != Form1::CommandId(command))
            continue;
        RECT item;
        GetMenuItemRect(Main(), bar, static_cast<UINT>(position), &item);
        Click(POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2});
        return;
    }
    throw std::invalid_argument("no such command on the menu bar");
}

void Win32Rig::Choose(MenuCommand command) {
    PostCommand(command);
    Pump(program);
}

void Win32Rig::PostCommand(MenuCommand command) {
    PostMessageW(Main(), WM_COMMAND, MAKEWPARAM(Form1::CommandId(command), 0), 0);
}

void Win32Rig::PressRoom(int room) {
    Accessible(CellOfRoom(room)).object->accDoDefaultAction(Self());
}

void Win32Rig::Key(WPARAM key, WPARAM modifier, bool keypad) {
    if (modifier)
        Send({KeyInput(modifier, false), KeyInput(key, false, keypad), KeyInput(key, true, keypad),
              KeyInput(modifier, true)});
    else
        Send({KeyInput(key, false, keypad), KeyInput(key, true, keypad)});
    Pump(program);
}

void Win32Rig::HeldKey(WPARAM key, bool keypad) {
    HWND active = GetActiveWindow();
    SetForegroundWindow(Elsewhere());
    Pump(program);
    Send({KeyInput(key, false, keypad)});
    Pump(program);
    SetForegroundWindow(active);
    Pump(program);
    Send({KeyInput(key, false, keypad), KeyInput(key, true, keypad)});
    Pump(program);
}

void Win32Rig::PlayPerfectMission() {
    Win32Driver driver(*this);
    random.fallback = ScriptedRandom::Middle(1);
    for (const Step& step : PerfectMission())
        driver.Do(step);
}

std::vector<std::string> Win32Rig::Texts() const {
    std::vector<std::string> texts;
    for (const SeenBox& b : watcher.boxes)
        texts.push_back(b.text);
    return texts;
}

Win32Driver::Win32Driver(Win32Rig& rig)
    : m_rig(rig)
    , m_onBox(rig.watcher.onBox) {
    rig.watcher.onBox = [this](const SeenBox& seen) {
        Box box{seen.text};
        ReadBuilding(box.cells, box.background);
        m_boxes.push_back(box);
        if (m_onBox)
            m_onBox(seen);
    };
}

Win32Driver::~Win32Driver() {
    m_rig.watcher.onBox = m_onBox;
}

namespace {
// The virtual key of a scenario's key, and whether Shift goes with it.
std::pair<WPARAM, WPARAM> KeyCode(Stroke key) {
    switch (key) {
    case Stroke::Up:
        return {VK_UP, 0};
    case Stroke::Down:
        return {VK_DOWN, 0};
    case Stroke::Left:
        return {VK_LEFT, 0};
    case Stroke::Right:
        return {VK_RIGHT, 0};
    case Stroke::Tab:
        return {VK_TAB, 0};
    case Stroke::BackTab:
        return {VK_TAB, VK_SHIFT};
    case Stroke::Return:
    case Stroke::Enter:
        return {VK_RETURN, 0};
    case Stroke::Space:
        return {VK_SPACE, 0};
    case Stroke::Escape:
        return {VK_ESCAPE, 0};
    }
    return {0, 0};
}
} // namespace

void Win32Driver::Do(const Step& step) {
    const auto [key, modifier] = KeyCode(step.key);
    const bool keypad = step.key == Stroke::Enter;
    switch (step.kind) {
    case Step::Kind::ClickRoom:
        return m_rig.ClickRoom(step.room);
    case Step::Kind::ClickClient:
        return m_rig.Click(OnScreen(m_rig.Main(), POINT{step.room / 1000, step.room % 1000}));
    case Step::Kind::ClickBar:
        return m_rig.ClickMenuBar(step.command);
    case Step::Kind::Choose:
        return m_rig.Choose(step.command);
    case Step::Kind::FocusRoom:
        SetFocus(m_rig.CellOfRoom(step.room));
        return Pump(m_rig.program);
    case Step::Kind::Press:
        return m_rig.Key(key, modifier, keypad);
    case Step::Kind::Hold:
        return m_rig.HeldKey(key, keypad);
    case Step::Kind::Answer: {
        HWND button =
            m_rig.window.OpenDialog()->Item(step.yes ? ContinueDialog::kYes : ContinueDialog::kNo);
        return m_rig.Click(OnScreen(button, CentreOf(button)));
    }
    case Step::Kind::CloseDialog:
        PostMessageW(m_rig.window.OpenDialog()->Handle(), WM_CLOSE, 0, 0);
        return Pump(m_rig.program);
    case Step::Kind::CloseMain:
        SendMessageW(m_rig.Main(), WM_CLOSE, 0, 0);
        return Pump(m_rig.program);
    case Step::Kind::Elsewhere:
        m_elsewhere = m_rig.Elsewhere();
        SetForegroundWindow(m_elsewhere);
        return Pump(m_rig.program);
    case Step::Kind::ActivateMain:
        SetForegroundWindow(m_rig.Main());
        return Pump(m_rig.program);
    }
}

Outcome Win32Driver::Observe() {
    Outcome now;
    now.ended = m_rig.Ended();
    now.boxes = std::exchange(m_boxes, {});
    ReadBuilding(now.cells, now.background);
    now.facade = PixelOf(m_rig.window.Front().Handle(), POINT{2, 2});
    now.mainEnabled = IsWindowEnabled(m_rig.Main()) != FALSE;
    const Form2* dialog = m_rig.window.OpenDialog();
    now.dialogShown =
        dialog && IsWindowVisible(dialog->Handle()) && IsWindowEnabled(dialog->Handle());
    now.focus = FocusName();
    return now;
}

void Win32Driver::ReadBuilding(std::array<Colour, Room::kCount>& cells, Colour& background) const {
    for (int index = 0; index < Room::kCount; ++index)
        cells[static_cast<std::size_t>(index)] = WholeColourOf(m_rig.window.Cell(index).Handle());
    background = m_rig.BackgroundColour();
}

std::string Win32Driver::FocusName() const {
    if (m_elsewhere && GetActiveWindow() == m_elsewhere)
        return "elsewhere";
    HWND focused = GetFocus();
    for (int index = 0; index < Room::kCount; ++index)
        if (focused == m_rig.window.Cell(index).Handle())
            return std::to_string(Room::AtIndex(index).Number());
    if (const Form2* dialog = m_rig.window.OpenDialog()) {
        if (focused == dialog->Item(ContinueDialog::kYes))
            return "yes";
        if (focused == dialog->Item(ContinueDialog::kNo))
            return "no";
    }
    return focused ? "a window that is not a room" : "nothing";
}
