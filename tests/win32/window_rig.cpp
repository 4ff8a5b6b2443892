// A real main window with scripted random numbers and the real message box.
#include "window_rig.h"

#include <stdexcept>

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

void Pump(Program& program) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            continue; // a program ended by a test leaves one; the next box would end at once
        program.Dispatch(msg);
    }
}

Colour PixelOf(HWND window, POINT at) {
    HDC dc = GetDC(window);
    const COLORREF c = GetPixel(dc, at.x, at.y);
    ReleaseDC(window, dc);
    return c;
}

POINT CentreOf(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return POINT{r.right / 2, r.bottom / 2};
}

namespace {
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
} // namespace

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
    if (!program.Start(GetModuleHandleW(nullptr), SW_SHOWNORMAL))
        throw std::runtime_error("no main window");
    SetForegroundWindow(Main());
    Pump(program);
}

Win32Rig::~Win32Rig() {
    Pump(program);
}

void Win32Rig::ClickRoom(int room) {
    HWND cell = CellOfRoom(room);
    const POINT c = CentreOf(cell);
    PostMessageW(cell, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(c.x, c.y));
    PostMessageW(cell, WM_LBUTTONUP, 0, MAKELPARAM(c.x, c.y));
    Pump(program);
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

void Win32Rig::Key(WPARAM key, bool repeat) {
    HWND target = GetFocus();
    const LPARAM down = 1 | (repeat ? LPARAM{1} << 30 : 0);
    PostMessageW(target, WM_KEYDOWN, key, down);
    PostMessageW(target, WM_KEYUP, key, 1 | LPARAM{3} << 30);
    Pump(program);
}

void Win32Rig::PlayPerfectMission() {
    random.fallback = ScriptedRandom::Middle(1);
    Choose(MenuCommand::Start);
    for (int i = 0; i < 6; ++i)
        ClickRoom(11);
}

std::vector<std::string> Win32Rig::Texts() const {
    std::vector<std::string> texts;
    for (const SeenBox& b : watcher.boxes)
        texts.push_back(b.text);
    return texts;
}
