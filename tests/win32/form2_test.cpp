// The continue dialog under Wine: its layout, its focus and its answers.
#include "game/continue_dialog.h"
#include "game/message_catalogue.h"
#include "window_rig.h"

#include <gtest/gtest.h>

#include <optional>

namespace {
RECT PlaceOf(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::wstring Caption(HWND window) {
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    return text;
}

RECT ClientRectOf(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return r;
}

// The system's text size at 150 % while it lives: the message font, which dialogs use, half as
// large again. Set for this session only, never in the prefix's registry; Wine then tells no
// window, so the windows of this thread are told as the system tells them.
class LargerText {
public:
    LargerText() {
        m_saved.cbSize = sizeof m_saved;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, m_saved.cbSize, &m_saved, 0);
        NONCLIENTMETRICSW larger = m_saved;
        larger.lfMessageFont.lfHeight = MulDiv(m_saved.lfMessageFont.lfHeight, 3, 2);
        Set(larger);
    }
    ~LargerText() { Set(m_saved); }
    LargerText(const LargerText&) = delete;
    LargerText& operator=(const LargerText&) = delete;
    LONG FontHeight() const { return MulDiv(m_saved.lfMessageFont.lfHeight, 3, 2); }

private:
    static void Set(NONCLIENTMETRICSW metrics) {
        SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
        EnumThreadWindows(GetCurrentThreadId(), Tell, 0);
    }
    static BOOL CALLBACK Tell(HWND window, LPARAM) {
        SendMessageW(window, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS,
                     reinterpret_cast<LPARAM>(L"WindowMetrics"));
        return TRUE;
    }

    NONCLIENTMETRICSW m_saved{};
};

struct DialogRig : Win32Rig {
    DialogRig() {
        PlayPerfectMission();
        dialog = window.OpenDialog();
        watcher.boxes.clear();
    }
    HWND Item(const ContinueDialog::Control& control) const { return dialog->Item(control); }
    Form2* dialog = nullptr;
};

struct ControlPlace {
    const ContinueDialog::Control* control;
    RECT rect; // at 96 dpi; the question may widen to the right for its text
};
class DialogLayoutTest : public ::testing::TestWithParam<ControlPlace> {};
} // namespace

TEST_P(DialogLayoutTest, ControlsSitAtTheirPlacesWithTheirCaptions) {
    DialogRig rig;
    ASSERT_NE(rig.dialog, nullptr);
    const ControlPlace& p = GetParam();
    HWND control = rig.Item(*p.control);
    EXPECT_EQ(Caption(control), Widen(p.control->caption));
    const RECT place = PlaceOf(control);
    EXPECT_EQ(place.left, p.rect.left);
    EXPECT_EQ(place.top, p.rect.top);
    EXPECT_EQ(place.bottom, p.rect.bottom);
    if (p.control->kind == ContinueDialog::Kind::Label)
        EXPECT_GE(place.right, p.rect.right);
    else
        EXPECT_EQ(place.right, p.rect.right);
}
INSTANTIATE_TEST_SUITE_P(Dialog, DialogLayoutTest,
                         ::testing::Values(ControlPlace{&ContinueDialog::kQuestion,
                                                        {8, 8, 113, 25}},
                                           ControlPlace{&ContinueDialog::kYes, {8, 32, 81, 57}},
                                           ControlPlace{&ContinueDialog::kNo, {88, 32, 161, 57}}));

TEST(Form2Test, OpensOverTheGameWithTheFocusOnYesAndNoDefaultButton) {
    DialogRig rig;
    ASSERT_NE(rig.dialog, nullptr);
    EXPECT_EQ(Caption(rig.dialog->Handle()), Widen(ContinueDialog::kCaption));
    RECT client;
    GetClientRect(rig.dialog->Handle(), &client);
    EXPECT_EQ(client.right, 170);
    EXPECT_EQ(client.bottom, 64);
    EXPECT_EQ(GetFocus(), rig.Item(ContinueDialog::kYes));
    // The question, as a screen reader reads a dialog's description when it opens.
    EXPECT_EQ(Accessible(rig.dialog->Handle()).Description(),
              Widen(ContinueDialog::kQuestion.caption));
    for (const auto* button : {&ContinueDialog::kYes, &ContinueDialog::kNo})
        EXPECT_EQ(GetWindowLongW(rig.Item(*button), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    // Centred over the main window.
    RECT main, own;
    GetWindowRect(rig.Main(), &main);
    GetWindowRect(rig.dialog->Handle(), &own);
    EXPECT_NEAR((own.left + own.right) / 2, (main.left + main.right) / 2, 1);
    EXPECT_NEAR((own.top + own.bottom) / 2, (main.top + main.bottom) / 2, 1);
}

TEST(Form2Test, AfterYesTheBoxesBelongToTheMainWindowAgain) {
    DialogRig rig;
    SendMessageW(rig.Item(ContinueDialog::kYes), BM_CLICK, 0, 0);
    Pump(rig.program);
    rig.ClickRoom(11);
    ASSERT_EQ(rig.watcher.boxes.size(), 1u);
    EXPECT_EQ(rig.watcher.boxes[0].owner, rig.Main());
}

struct AnswerWay {
    const char* name;
    std::function<void(DialogRig&)> act;
    bool answeredYes;
    bool ends;
};
class AnswerTest : public ::testing::TestWithParam<AnswerWay> {};

// The answers of the player's clicks and keys are the scenarios'; here, the ways only Windows has
// (a message to a button, a screen reader's focus or press, Alt+F4). Until answered, the rooms
// are unavailable.
TEST_P(AnswerTest, OnlyTheButtonsAndTheFrameAnswer) {
    DialogRig rig;
    ASSERT_NE(rig.dialog, nullptr);
    GetParam().act(rig);
    // First: what an act only queued is handed out here, with one more message queued behind it.
    EXPECT_EQ(rig.Ended(), GetParam().ends);
    EXPECT_EQ(rig.window.OpenDialog() == nullptr, GetParam().answeredYes);
    EXPECT_EQ(IsWindowEnabled(rig.Main()) != FALSE, GetParam().answeredYes);
    EXPECT_EQ(Unavailable(rig.CellOfRoom(11)), !GetParam().answeredYes);
    EXPECT_TRUE(rig.watcher.boxes.empty());
}
INSTANTIATE_TEST_SUITE_P(
    Dialog, AnswerTest,
    ::testing::Values(
        AnswerWay{"Yes",
                  [](DialogRig& r) { SendMessageW(r.Item(ContinueDialog::kYes), BM_CLICK, 0, 0); },
                  true, false},
        AnswerWay{"NoPressedByAScreenReader",
                  [](DialogRig& r) { PostMessageW(r.Item(ContinueDialog::kNo), BM_CLICK, 0, 0); },
                  false, true},
        // The focus comes to NO without Tab: a press on it dragged off before the release, or a
        // screen reader that moves it.
        AnswerWay{"EnterOnNoAfterAPressDraggedOffIt",
                  [](DialogRig& r) {
                      HWND no = r.Item(ContinueDialog::kNo);
                      r.Drag(OnScreen(no, CentreOf(no)), OnScreen(r.dialog->Handle(), POINT{4, 4}));
                      EXPECT_EQ(GetFocus(), no);
                      EXPECT_FALSE(r.Ended());
                      r.Key(VK_RETURN);
                  },
                  false, true},
        AnswerWay{"EnterOnNoFocusedByAScreenReader",
                  [](DialogRig& r) {
                      SetFocus(r.Item(ContinueDialog::kNo));
                      r.Key(VK_RETURN);
                  },
                  false, true},
        AnswerWay{"AltF4", [](DialogRig& r) { r.Key(VK_F4, VK_MENU); }, true, false},
        AnswerWay{"PressOnARoom", [](DialogRig& r) { r.PressRoom(11); }, false, false}),
    [](const ::testing::TestParamInfo<AnswerWay>& info) { return std::string(info.param.name); });

class TextSizeTest : public ::testing::TestWithParam<bool> {};

// At a text size of 150 %, opened so or changed while open, the dialog shows each control's whole
// text on one line, a button's inside the edges it draws, and no control covers another.
TEST_P(TextSizeTest, TheDialogGrowsToShowTheWholeQuestionAndBothButtons) {
    const bool changedWhileOpen = GetParam();
    std::optional<LargerText> larger;
    if (!changedWhileOpen)
        larger.emplace();
    DialogRig rig;
    ASSERT_NE(rig.dialog, nullptr);
    if (changedWhileOpen)
        larger.emplace();

    for (const ContinueDialog::Control& control : ContinueDialog::Controls()) {
        HWND item = rig.Item(control);
        const auto font = reinterpret_cast<HFONT>(SendMessageW(item, WM_GETFONT, 0, 0));
        LOGFONTW used{};
        GetObjectW(font, sizeof used, &used);
        EXPECT_EQ(used.lfHeight, larger->FontHeight()) << control.name;
        const bool button = control.kind == ContinueDialog::Kind::Button;
        const int edges = button ? 2 * GetSystemMetrics(SM_CXEDGE) : 0;
        const RECT own = ClientRectOf(item);
        const std::wstring text = Caption(item);
        HDC dc = GetDC(item);
        HGDIOBJ old = SelectObject(dc, font);
        RECT needed{0, 0, own.right - edges, 0};
        DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        SIZE line{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &line);
        SelectObject(dc, old);
        ReleaseDC(item, dc);
        EXPECT_EQ(needed.bottom, line.cy) << control.name << " wraps";
        EXPECT_LE(needed.bottom + edges, own.bottom) << control.name << " is cut";
    }
    // The question above the buttons, YES left of NO, all inside the grown dialog.
    const RECT client = ClientRectOf(rig.dialog->Handle());
    const RECT question = PlaceOf(rig.Item(ContinueDialog::kQuestion));
    const RECT yes = PlaceOf(rig.Item(ContinueDialog::kYes));
    const RECT no = PlaceOf(rig.Item(ContinueDialog::kNo));
    EXPECT_GT(client.right, ContinueDialog::ClientSize(kDesignDpi, 1.0).width);
    EXPECT_LE(question.right, client.right);
    EXPECT_LE(question.bottom, yes.top);
    EXPECT_LE(yes.right, no.left);
    EXPECT_LE(no.right, client.right);
    EXPECT_LE(no.bottom, client.bottom);
}
INSTANTIATE_TEST_SUITE_P(Dialog, TextSizeTest, ::testing::Bool(), [](const auto& info) {
    return std::string(info.param ? "ChangedTo150PercentWhileOpen" : "OpenedAt150Percent");
});
