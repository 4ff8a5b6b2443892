// What screen readers find of the rooms and the building, through Microsoft Active Accessibility
// and UI Automation as far as Wine answers them; how a room takes its presses; and what QUV.exe
// loads before a screen reader asks, and writes to a console.
#include "game/main_window.h"
#include "game/message_catalogue.h"
#include "win32/command_line_words.h"
#include "win32/room_provider.h"
#include "window_rig.h"

#include <gtest/gtest.h>

#include <psapi.h>
#include <uiautomationclient.h>

#include <algorithm>
#include <cwctype>
#include <functional>
#include <utility>

namespace {
std::wstring NameOf(IAccessible* object) {
    BSTR name = nullptr;
    object->get_accName(Self(), &name);
    return Take(name);
}

std::wstring RoomName(int room) {
    return Widen(Room::Numbered(room).AccessibleName());
}

// Every interface an object hands out must give back the same IUnknown, and, asked for
// IAccessible, the object itself with its own name: a screen reader that goes round through any
// of them never lands on another object.
void ExpectOneObject(IAccessible* object, const std::wstring& name) {
    IUnknown* identity = nullptr;
    ASSERT_EQ(object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)), S_OK);
    const std::pair<IID, const char*> interfaces[] = {
        {IID_IUnknown, "IUnknown"},       {IID_IDispatch, "IDispatch"},
        {IID_IAccessible, "IAccessible"}, {IID_IEnumVARIANT, "IEnumVARIANT"},
        {IID_IOleWindow, "IOleWindow"},   {IID_IServiceProvider, "IServiceProvider"}};
    for (const auto& [iid, interfaceName] : interfaces) {
        IUnknown* face = nullptr;
        if (FAILED(object->QueryInterface(iid, reinterpret_cast<void**>(&face))))
            continue;
        IUnknown* back = nullptr;
        face->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&back));
        EXPECT_EQ(back, identity) << "IUnknown from " << interfaceName;
        IAccessible* again = nullptr;
        ASSERT_EQ(face->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&again)), S_OK);
        EXPECT_EQ(NameOf(again), name) << "IAccessible from " << interfaceName;
        again->Release();
        back->Release();
        face->Release();
    }
    identity->Release();
}

// A property read through IDispatch, as a late-bound client reads it.
VARIANT Dispatched(IAccessible* object, const wchar_t* property) {
    VARIANT result;
    VariantInit(&result);
    DISPID id = 0;
    auto* name = const_cast<LPOLESTR>(property);
    if (FAILED(object->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id)))
        return result;
    VARIANT child = Self();
    DISPPARAMS params{&child, nullptr, 1, 0};
    object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &params, &result,
                   nullptr, nullptr);
    return result;
}

struct Window {
    const char* name;
    HWND (*handle)(const Win32Rig&);
    std::wstring (*accessibleName)();
};
void PrintTo(const Window& window, std::ostream* out) {
    *out << window.name;
}
class ObjectIdentityTest : public ::testing::TestWithParam<Window> {};

TEST_P(ObjectIdentityTest, EveryInterfaceGivesTheSameObjectAndIDispatchReadsItsOwnName) {
    Win32Rig rig;
    const Accessible object(GetParam().handle(rig));
    const std::wstring name = GetParam().accessibleName();
    ExpectOneObject(object.object, name);
    VARIANT dispatched = Dispatched(object.object, L"accName");
    ASSERT_EQ(dispatched.vt, VT_BSTR);
    EXPECT_EQ(Take(dispatched.bstrVal), name);
}
INSTANTIATE_TEST_SUITE_P(
    Windows, ObjectIdentityTest,
    ::testing::Values(Window{"Room32", [](const Win32Rig& rig) { return rig.CellOfRoom(32); },
                             [] {
                                 return RoomName(32);
                             }},
                      Window{"Room15", [](const Win32Rig& rig) { return rig.CellOfRoom(15); },
                             [] {
                                 return RoomName(15);
                             }},
                      Window{"Building", [](const Win32Rig& rig) { return rig.Main(); },
                             [] {
                                 return Widen(MainWindow::kBuildingName);
                             }}),
    [](const auto& info) { return std::string(info.param.name); });

// The building keeps the system's view of its children: the facade and the 25 rooms, each a
// window whose client area is the room's own object.
TEST(AccessibilityTest, TheBuildingEnumeratesItsRoomsAndTellsItsWindow) {
    Win32Rig rig;
    const Accessible building(rig.Main());
    long count = 0;
    ASSERT_EQ(building.object->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 1 + Room::kCount);
    IEnumVARIANT* children = nullptr;
    ASSERT_EQ(
        building.object->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&children)),
        S_OK);
    children->Reset();
    VARIANT all[32];
    ULONG fetched = 0;
    children->Next(32, all, &fetched);
    EXPECT_EQ(fetched, static_cast<ULONG>(count));
    for (ULONG i = 0; i < fetched; ++i)
        VariantClear(&all[i]);
    children->Release();
    HWND window = nullptr;
    EXPECT_EQ(WindowFromAccessibleObject(building.object, &window), S_OK);
    EXPECT_EQ(window, rig.Main());
}

TEST(AccessibilityTest, ARoomIsAFocusablePushButtonWhereItsCellIs) {
    Win32Rig rig;
    const Accessible room(rig.CellOfRoom(33));
    VARIANT role = Dispatched(room.object, L"accRole");
    EXPECT_EQ(role.vt, VT_I4);
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_PUSHBUTTON);
    BSTR action = nullptr;
    EXPECT_EQ(room.object->get_accDefaultAction(Self(), &action), S_OK);
    EXPECT_EQ(Take(action), L"押す");
    long children = -1;
    room.object->get_accChildCount(&children);
    EXPECT_EQ(children, 0);

    SetFocus(rig.CellOfRoom(32));
    EXPECT_EQ(room.State() & (STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED),
              STATE_SYSTEM_FOCUSABLE);
    // A screen reader may move the focus to it, as the keyboard does.
    EXPECT_EQ(room.object->accSelect(SELFLAG_TAKEFOCUS, Self()), S_OK);
    EXPECT_EQ(GetFocus(), rig.CellOfRoom(33));
    EXPECT_TRUE(room.State() & STATE_SYSTEM_FOCUSED);

    RECT cell;
    GetWindowRect(rig.CellOfRoom(33), &cell);
    long left = 0, top = 0, width = 0, height = 0;
    EXPECT_EQ(room.object->accLocation(&left, &top, &width, &height, Self()), S_OK);
    const RECT location{left, top, left + width, top + height};
    EXPECT_TRUE(EqualRect(&location, &cell));
    VARIANT hit;
    EXPECT_EQ(room.object->accHitTest(cell.left + 1, cell.bottom - 1, &hit), S_OK);
    EXPECT_EQ(hit.vt, VT_I4);
    EXPECT_EQ(room.object->accHitTest(cell.right, cell.top, &hit), S_FALSE);
    EXPECT_EQ(hit.vt, VT_EMPTY);

    // Its parent is the cell's window, as for any control.
    IDispatch* parent = nullptr;
    ASSERT_EQ(room.object->get_accParent(&parent), S_OK);
    IAccessible* window = nullptr;
    ASSERT_EQ(parent->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&window)), S_OK);
    HWND handle = nullptr;
    WindowFromAccessibleObject(window, &handle);
    EXPECT_EQ(handle, rig.CellOfRoom(33));
    window->Release();
    parent->Release();
}

// A screen reader may hold a room's objects for as long as it likes; once the windows are gone
// they say so instead of reading freed memory or pressing anything.
TEST(AccessibilityTest, ObjectsHeldAfterTheWindowsAreGoneAreNoLongerConnected) {
    IAccessible* room = nullptr;
    IRawElementProviderSimple* provider = nullptr;
    {
        Win32Rig rig;
        const Accessible held(rig.CellOfRoom(24));
        room = held.object;
        room->AddRef();
        provider = RoomProvider::Create(rig.CellOfRoom(24), Room::Numbered(24));
        ASSERT_NE(provider, nullptr);
    }
    BSTR name = nullptr;
    EXPECT_EQ(room->get_accName(Self(), &name), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(name, nullptr);
    EXPECT_EQ(room->accDoDefaultAction(Self()), CO_E_OBJNOTCONNECTED);
    VARIANT value;
    EXPECT_EQ(provider->GetPropertyValue(UIA_NamePropertyId, &value), Uia::kElementNotAvailable);
    IInvokeProvider* invoke = nullptr;
    provider->QueryInterface(__uuidof(IInvokeProvider), reinterpret_cast<void**>(&invoke));
    ASSERT_NE(invoke, nullptr);
    EXPECT_EQ(invoke->Invoke(), Uia::kElementNotAvailable);
    invoke->Release();
    provider->Release();
    room->Release();
}

// The Invoke pattern, read from the room's provider itself: Wine's UI Automation has no way to
// ask for a pattern yet.
TEST(AccessibilityTest, ARoomsInvokePatternVisitsItAndIsRefusedWhileTheWindowIsDisabled) {
    Win32Rig rig;
    IRawElementProviderSimple* provider =
        RoomProvider::Create(rig.CellOfRoom(45), Room::Numbered(45));
    ASSERT_NE(provider, nullptr);
    ProviderOptions options{};
    provider->get_ProviderOptions(&options);
    EXPECT_TRUE(options & ProviderOptions_ServerSideProvider);
    IUnknown* pattern = nullptr;
    ASSERT_EQ(provider->GetPatternProvider(UIA_InvokePatternId, &pattern), S_OK);
    ASSERT_NE(pattern, nullptr);
    IUnknown* other = nullptr;
    provider->GetPatternProvider(UIA_TogglePatternId, &other);
    EXPECT_EQ(other, nullptr);
    // One object behind both interfaces.
    IUnknown* viaPattern = nullptr;
    IUnknown* viaProvider = nullptr;
    pattern->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&viaPattern));
    provider->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&viaProvider));
    EXPECT_EQ(viaPattern, viaProvider);
    viaPattern->Release();
    viaProvider->Release();
    IInvokeProvider* invoke = nullptr;
    ASSERT_EQ(pattern->QueryInterface(__uuidof(IInvokeProvider), reinterpret_cast<void**>(&invoke)),
              S_OK);

    // Invoked, the room is visited once the call has returned.
    EXPECT_EQ(invoke->Invoke(), S_OK);
    EXPECT_TRUE(rig.watcher.boxes.empty());
    Pump(rig.program);
    EXPECT_EQ(rig.Texts(), std::vector<std::string>{ComposeMessage(MessageKey::msgPressStart)});

    // Under a box the window and its rooms are disabled: refused, and nothing is visited.
    HRESULT underBox = S_OK;
    rig.watcher.onBox = [&](const SeenBox&) {
        underBox = invoke->Invoke();
        rig.watcher.onBox = nullptr;
    };
    rig.Choose(MenuCommand::CurrentScore);
    EXPECT_EQ(underBox, Uia::kElementNotEnabled);
    Pump(rig.program);
    EXPECT_EQ(rig.watcher.boxes.size(), 2u);
    invoke->Release();
    pattern->Release();
    provider->Release();
}

// UI Automation's core API, from a thread of its own as a screen reader's process would ask,
// while this thread runs the windows.
using UiaNode = struct UiaNodeHandle*;
struct UiaClient {
    HMODULE library = LoadLibraryW(L"uiautomationcore.dll");
    template <typename Function> Function Find(const char* name) const {
        return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    }
    HRESULT(WINAPI* nodeFromHandle)
    (HWND, UiaNode*) = Find<decltype(nodeFromHandle)>("UiaNodeFromHandle");
    HRESULT(WINAPI* propertyValue)
    (UiaNode, PROPERTYID, VARIANT*) = Find<decltype(propertyValue)>("UiaGetPropertyValue");
    BOOL(WINAPI* nodeRelease)(UiaNode) = Find<decltype(nodeRelease)>("UiaNodeRelease");
};

void RunAsClient(Program& program, const std::function<void()>& client) {
    struct Call {
        const std::function<void()>* client;
    } call{&client};
    HANDLE thread = CreateThread(
        nullptr, 0,
        [](void* data) -> DWORD {
            CoInitializeEx(nullptr, COINIT_MULTITHREADED);
            (*static_cast<Call*>(data)->client)();
            CoUninitialize();
            return 0;
        },
        &call, 0, nullptr);
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, 30000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1)
        Pump(program);
    CloseHandle(thread);
}

TEST(AccessibilityTest, UiAutomationFindsARoomAsAButtonNamedByItsRoom) {
    Win32Rig rig;
    const UiaClient uia;
    ASSERT_TRUE(uia.nodeFromHandle && uia.propertyValue && uia.nodeRelease);
    const Room room = Room::Numbered(32);
    struct Seen {
        HRESULT found = E_FAIL;
        VARIANT name{}, type{}, id{}, enabled{}, disabled{};
    } seen;
    HWND cell = rig.CellOfRoom(32);
    HWND main = rig.Main();
    RunAsClient(rig.program, [&] {
        UiaNode node = nullptr;
        seen.found = uia.nodeFromHandle(cell, &node);
        if (!node)
            return;
        uia.propertyValue(node, UIA_NamePropertyId, &seen.name);
        uia.propertyValue(node, UIA_ControlTypePropertyId, &seen.type);
        uia.propertyValue(node, UIA_AutomationIdPropertyId, &seen.id);
        uia.propertyValue(node, UIA_IsEnabledPropertyId, &seen.enabled);
        // Disabled with the main window, as under a box.
        EnableWindow(main, FALSE);
        uia.propertyValue(node, UIA_IsEnabledPropertyId, &seen.disabled);
        EnableWindow(main, TRUE);
        uia.nodeRelease(node);
    });
    ASSERT_EQ(seen.found, S_OK);
    ASSERT_EQ(seen.name.vt, VT_BSTR);
    EXPECT_EQ(Take(seen.name.bstrVal), Widen(room.AccessibleName()));
    EXPECT_EQ(seen.type.vt, VT_I4);
    EXPECT_EQ(seen.type.lVal, Uia::kButtonControlType);
    ASSERT_EQ(seen.id.vt, VT_BSTR);
    EXPECT_EQ(Take(seen.id.bstrVal), Widen(MainWindow::CellControl(room.Index())));
    EXPECT_EQ(seen.enabled.vt, VT_BOOL);
    EXPECT_EQ(seen.enabled.boolVal, VARIANT_TRUE);
    EXPECT_EQ(seen.disabled.vt, VT_BOOL);
    EXPECT_EQ(seen.disabled.boolVal, VARIANT_FALSE);
}

// How a room takes presses: a push button's, posted as the system posts input. A mouse button
// comes up inside the cell or outside it; a key goes down fresh or as the keyboard's auto-repeat.
// WM_KILLFOCUS stands for the focus going to another room.
enum class How { Inside, Outside, Repeated };
struct Input {
    UINT message;
    WPARAM key;
    How how = How::Inside;
};
struct Presses {
    const char* name;
    std::vector<Input> inputs;
    std::size_t visits;
};
void PrintTo(const Presses& presses, std::ostream* out) {
    *out << presses.name;
}
class PressTest : public ::testing::TestWithParam<Presses> {};

TEST_P(PressTest, ARoomIsPressedAsAPushButtonIs) {
    Win32Rig rig;
    HWND cell = rig.CellOfRoom(23);
    const POINT centre = CentreOf(cell);
    SetFocus(cell);
    ASSERT_EQ(GetFocus(), cell);
    for (const Input& input : GetParam().inputs) {
        LPARAM lParam = MAKELPARAM(centre.x, centre.y);
        if (input.message == WM_KEYDOWN || input.message == WM_KEYUP)
            lParam = 1 | (input.how == How::Repeated ? LPARAM{1} << 30 : 0);
        else if (input.how == How::Outside)
            lParam = MAKELPARAM(-4, -4);
        if (input.message == WM_KILLFOCUS)
            SetFocus(rig.CellOfRoom(22));
        else
            PostMessageW(cell, input.message, input.key, lParam);
        Pump(rig.program);
    }
    // Each visit before a mission asks for Start in a box.
    EXPECT_EQ(rig.watcher.boxes.size(), GetParam().visits);
}
INSTANTIATE_TEST_SUITE_P(
    Room, PressTest,
    ::testing::Values(Presses{"LeftClick", {{WM_LBUTTONDOWN, MK_LBUTTON}, {WM_LBUTTONUP, 0}}, 1},
                      Presses{"QuickSecondClickIsASecondPress",
                              {{WM_LBUTTONDOWN, MK_LBUTTON},
                               {WM_LBUTTONUP, 0},
                               {WM_LBUTTONDOWN, MK_LBUTTON},
                               {WM_LBUTTONUP, 0}},
                              2},
                      Presses{"ReleasedOutside",
                              {{WM_LBUTTONDOWN, MK_LBUTTON}, {WM_LBUTTONUP, 0, How::Outside}},
                              0},
                      Presses{"ReleaseWithoutPress", {{WM_LBUTTONUP, 0}}, 0},
                      Presses{"RightButton", {{WM_RBUTTONDOWN, MK_RBUTTON}, {WM_RBUTTONUP, 0}}, 0},
                      Presses{"SpaceHeldPressesOnceOnRelease",
                              {{WM_KEYDOWN, VK_SPACE},
                               {WM_KEYDOWN, VK_SPACE, How::Repeated},
                               {WM_KEYDOWN, VK_SPACE, How::Repeated},
                               {WM_KEYUP, VK_SPACE}},
                              1},
                      Presses{"SpaceReleaseAlone", {{WM_KEYUP, VK_SPACE}}, 0},
                      Presses{"SpaceDroppedWithTheFocus",
                              {{WM_KEYDOWN, VK_SPACE}, {WM_KILLFOCUS, 0}, {WM_KEYUP, VK_SPACE}},
                              0},
                      Presses{"EnterPressesAtOnceButNotOnRepeat",
                              {{WM_KEYDOWN, VK_RETURN}, {WM_KEYDOWN, VK_RETURN, How::Repeated}},
                              1}),
    [](const auto& info) { return std::string(info.param.name); });

// A disabled room takes neither the focus nor a press, whatever the main window would allow.
TEST(AccessibilityTest, AClickGivesTheRoomTheFocusAndADisabledRoomTakesNone) {
    Win32Rig rig;
    SetFocus(rig.CellOfRoom(11));
    rig.ClickRoom(13);
    EXPECT_EQ(GetFocus(), rig.CellOfRoom(13));
    EXPECT_EQ(rig.watcher.boxes.size(), 1u);
    EnableWindow(rig.CellOfRoom(14), FALSE);
    rig.ClickRoom(14);
    SendMessageW(rig.CellOfRoom(14), BM_CLICK, 0, 0);
    PostMessageW(rig.CellOfRoom(14), WM_KEYDOWN, VK_SPACE, 1);
    PostMessageW(rig.CellOfRoom(14), WM_KEYUP, VK_SPACE, 1);
    Pump(rig.program);
    EXPECT_EQ(GetFocus(), rig.CellOfRoom(13));
    EXPECT_EQ(rig.watcher.boxes.size(), 1u);
}

// The words of a command line as the C runtime splits them (Microsoft's own examples among them).
struct Words {
    const wchar_t* commandLine;
    std::vector<std::string> words;
};
void PrintTo(const Words& words, std::ostream* out) {
    *out << Narrow(words.commandLine);
}
class CommandLineWordsTest : public ::testing::TestWithParam<Words> {};

TEST_P(CommandLineWordsTest, SplitAsWindowsProgramsSplitThem) {
    EXPECT_EQ(ArgumentsOf(GetParam().commandLine), GetParam().words);
}
INSTANTIATE_TEST_SUITE_P(
    Quoting, CommandLineWordsTest,
    ::testing::Values(Words{L"QUV.exe", {}}, Words{L"QUV.exe   ", {}},
                      Words{L"\"C:\\Program Files\\QUV\\QUV.exe\" -v", {"-v"}},
                      Words{L"\"C:\\a b\\QUV.exe\"-v", {"-v"}},
                      Words{L"C:\\QUV\\QUV.exe\t-v\t\t-h", {"-v", "-h"}},
                      Words{L"QUV.exe \"a b c\"  d  e", {"a b c", "d", "e"}},
                      Words{L"QUV.exe \"ab\\\"c\"  \"\\\\\"  d", {"ab\"c", "\\", "d"}},
                      Words{L"QUV.exe a\\\\\\b d\"e f\"g h", {"a\\\\\\b", "de fg", "h"}},
                      Words{L"QUV.exe a\\\\\\\"b c d", {"a\\\"b", "c", "d"}},
                      Words{L"QUV.exe a\\\\\\\\\"b c\" d e", {"a\\\\b c", "d", "e"}},
                      Words{L"QUV.exe a\"b\"\" c d", {"ab\" c d"}},
                      Words{L"QUV.exe \"\" x", {"", "x"}},
                      Words{L"QUV.exe \"東京 タワー\"", {"東京 タワー"}},
                      Words{L"QUV.exe a\\ b", {"a\\", "b"}}));

// QUV.exe itself, started as a Windows user starts it: it sits next to the test's folder.
std::wstring ProgramPath() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring exe(path, length);
    for (int up = 0; up < 3; ++up)
        exe.erase(exe.find_last_of(L'\\'));
    return exe + L"\\QUV.exe";
}

struct ComJoined {
    ComJoined() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~ComJoined() { CoUninitialize(); }
};

struct Started {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
    ~Started() {
        if (!process.hProcess)
            return;
        TerminateProcess(process.hProcess, 0);
        WaitForSingleObject(process.hProcess, 5000);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
};

BOOL CALLBACK FindGame(HWND window, LPARAM data) {
    auto* started = reinterpret_cast<Started*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t cls[32] = {};
    GetClassNameW(window, cls, 32);
    if (owner != started->process.dwProcessId || std::wstring(cls) != L"QuvForm1")
        return TRUE;
    started->window = window;
    return FALSE;
}

std::vector<std::wstring> ModulesOf(HANDLE process) {
    HMODULE modules[512];
    DWORD size = 0;
    EnumProcessModules(process, modules, sizeof modules, &size);
    std::vector<std::wstring> names;
    for (DWORD i = 0; i < size / sizeof(HMODULE); ++i) {
        wchar_t name[MAX_PATH] = {};
        GetModuleBaseNameW(process, modules[i], name, MAX_PATH);
        std::wstring lower(name);
        std::transform(lower.begin(), lower.end(), lower.begin(), ::towlower);
        names.push_back(lower);
    }
    return names;
}

bool Has(const std::vector<std::wstring>& modules, const wchar_t* name) {
    return std::find(modules.begin(), modules.end(), name) != modules.end();
}

// Until a screen reader asks for a room or the building, the game runs without COM's automation,
// oleacc, UI Automation, Common Controls or shell32; asked from another process, it loads what it
// needs and answers through COM as it answers in process. (Under Wine every window joins COM for
// its input method, so ole32 itself is there from the start.) Started as Explorer starts it for a
// file dropped on it, with no console, it ignores the file.
TEST(AccessibilityTest, TheGameLoadsAccessibilityOnlyWhenAScreenReaderAsks) {
    const ComJoined com; // this thread reads the objects through COM, as a screen reader's does
    Started game;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + ProgramPath() + L"\" C:\\dropped.txt";
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS,
                               nullptr, nullptr, &startup, &game.process))
        << "no " << Narrow(ProgramPath());
    WaitForInputIdle(game.process.hProcess, 20000);
    for (int i = 0; i < 200 && !game.window; ++i) {
        EnumWindows(FindGame, reinterpret_cast<LPARAM>(&game));
        Sleep(50);
    }
    ASSERT_NE(game.window, nullptr);
    HWND cell = GetDlgItem(game.window, Form1::kFirstCellId + Room::Numbered(53).Index());
    const std::pair<HWND, LONG> others[] = {{game.window, OBJID_WINDOW},
                                            {game.window, OBJID_CARET},
                                            {game.window, Uia::kRootObjectId},
                                            {cell, OBJID_WINDOW},
                                            {cell, OBJID_CARET}};
    for (const auto& [window, object] : others)
        SendMessageTimeoutW(window, WM_GETOBJECT, 0, object, SMTO_BLOCK, 5000, nullptr);
    const std::vector<std::wstring> atStart = ModulesOf(game.process.hProcess);
    ASSERT_TRUE(Has(atStart, L"user32.dll"));
    for (const wchar_t* late :
         {L"oleaut32.dll", L"oleacc.dll", L"uiautomationcore.dll", L"comctl32.dll", L"shell32.dll"})
        EXPECT_FALSE(Has(atStart, late)) << Narrow(late) << " loaded before a room was asked for";

    const Accessible room(cell);
    EXPECT_EQ(room.Name(), RoomName(53));
    ExpectOneObject(room.object, RoomName(53));
    EXPECT_TRUE(Has(ModulesOf(game.process.hProcess), L"oleacc.dll"));
}

// The text of a console's screen, line by line, without the blanks that fill each line.
std::vector<std::wstring> ConsoleLines(HANDLE console) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    GetConsoleScreenBufferInfo(console, &info);
    std::vector<std::wstring> lines;
    for (SHORT y = 0; y <= info.dwCursorPosition.Y; ++y) {
        std::wstring line(static_cast<std::size_t>(info.dwSize.X), L' ');
        DWORD read = 0;
        ReadConsoleOutputCharacterW(console, line.data(), static_cast<DWORD>(line.size()),
                                    COORD{0, y}, &read);
        line.erase(line.find_last_not_of(L' ') + 1);
        lines.push_back(line);
    }
    return lines;
}

// Started from a console, QUV.exe answers in it, in the console's own characters whatever its
// code page; redirected, it writes UTF-8.
TEST(AccessibilityTest, AMistakeIsToldInAConsoleInItsCharactersAndInUtf8ToAFile) {
    FreeConsole();
    ASSERT_TRUE(AllocConsole());
    SetConsoleOutputCP(932);
    HANDLE console =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(console, INVALID_HANDLE_VALUE);
    std::wstring command = L"\"" + ProgramPath() + L"\" 東京";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process));
    WaitForSingleObject(process.hProcess, 20000);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    EXPECT_EQ(status, 1u);
    const std::vector<std::wstring> lines = ConsoleLines(console);
    CloseHandle(console);
    FreeConsole();
    EXPECT_NE(std::find(lines.begin(), lines.end(), L"QUV: unexpected argument '東京'"),
              lines.end())
        << "the console shows: " << Narrow(lines.empty() ? L"" : lines.front());

    // Redirected to a file, the same line in UTF-8.
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring file = std::wstring(folder) + L"quv-error.txt";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE out = CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_TEMPORARY, nullptr);
    ASSERT_NE(out, INVALID_HANDLE_VALUE);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdError = out;
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS,
                               nullptr, nullptr, &startup, &process));
    WaitForSingleObject(process.hProcess, 20000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(out);
    HANDLE in = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    char bytes[64] = {};
    DWORD read = 0;
    ReadFile(in, bytes, sizeof bytes - 1, &read, nullptr);
    CloseHandle(in);
    EXPECT_EQ(std::string(bytes).substr(0, std::string(bytes).find('\n')),
              "QUV: unexpected argument '\xE6\x9D\xB1\xE4\xBA\xAC'");
}
} // namespace
