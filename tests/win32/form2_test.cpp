// The continue dialog under Wine: its layout, its focus and its answers.
#include "game/message_catalogue.h"
#include "window_rig.h"

#include <gtest/gtest.h>

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

struct DialogRig : Win32Rig {
    DialogRig() {
        PlayPerfectMission();
        dialog = window.ContinueDialog();
        watcher.boxes.clear();
    }
    HWND Button(Form2::Control id) const { return dialog->Item(id); }
    Form2* dialog = nullptr;
};

struct ControlPlace {
    Form2::Control id;
    const wchar_t* caption;
    RECT rect; // at 96 dpi; the question may widen to the right for its text
};
class DialogLayoutTest : public ::testing::TestWithParam<ControlPlace> {};
} // namespace

TEST_P(DialogLayoutTest, ControlsSitAtTheirPlacesWithTheirCaptions) {
    DialogRig rig;
    ASSERT_NE(rig.dialog, nullptr);
    const ControlPlace& p = GetParam();
    HWND control = rig.Button(p.id);
    EXPECT_EQ(Caption(control), p.caption);
    const RECT place = PlaceOf(control);
    EXPECT_EQ(place.left, p.rect.left);
    EXPECT_EQ(place.top, p.rect.top);
    EXPECT_EQ(place.bottom, p.rect.bottom);
    if (p.id == Form2::Label1)
        EXPECT_GE(place.right, p.rect.right);
    else
        EXPECT_EQ(place.right, p.rect.right);
}
INSTANTIATE_TEST_SUITE_P(
    Dialog, DialogLayoutTest,
    ::testing::Values(ControlPlace{Form2::Label1, L"ゲーム、続けるか？", {8, 8, 113, 25}},
                      ControlPlace{Form2::Command1, L"ＹＥＳ", {8, 32, 81, 57}},
                      ControlPlace{Form2::Command2, L"ＮＯ", {88, 32, 161, 57}}));

TEST(Form2Test, OpensOverTheGameWithTheFocusOnYesAndNoDefaultButton) {
    DialogRig rig;
    ASSERT_NE(rig.dialog, nullptr);
    EXPECT_EQ(Caption(rig.dialog->Handle()), L"Quv");
    RECT client;
    GetClientRect(rig.dialog->Handle(), &client);
    EXPECT_EQ(client.right, 170);
    EXPECT_EQ(client.bottom, 64);
    EXPECT_EQ(GetFocus(), rig.Button(Form2::Command1));
    for (Form2::Control id : {Form2::Command1, Form2::Command2})
        EXPECT_EQ(GetWindowLongW(rig.Button(id), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    // Centred over the main window.
    RECT main, own;
    GetWindowRect(rig.Main(), &main);
    GetWindowRect(rig.dialog->Handle(), &own);
    EXPECT_NEAR((own.left + own.right) / 2, (main.left + main.right) / 2, 1);
    EXPECT_NEAR((own.top + own.bottom) / 2, (main.top + main.bottom) / 2, 1);
}

TEST(Form2Test, YesGivesTheWindowBackIdleAndTheNextMissionGetsAFreshDialog) {
    DialogRig rig;
    SendMessageW(rig.Button(Form2::Command1), BM_CLICK, 0, 0);
    Pump(rig.window);
    EXPECT_EQ(rig.window.ContinueDialog(), nullptr);
    EXPECT_TRUE(IsWindowEnabled(rig.Main()));
    EXPECT_EQ(rig.exit.calls, 0);
    rig.ClickRoom(11);
    ASSERT_EQ(rig.watcher.boxes.size(), 1u);
    EXPECT_EQ(rig.watcher.boxes[0].text, ComposeMessage(MessageKey::msgPressStart));
    EXPECT_EQ(rig.watcher.boxes[0].owner, rig.Main());
    EXPECT_EQ(GetFocus(), rig.CellOfRoom(11));

    rig.PlayPerfectMission();
    ASSERT_NE(rig.window.ContinueDialog(), nullptr);
    EXPECT_EQ(GetFocus(), rig.window.ContinueDialog()->Item(Form2::Command1));
}

struct Answer {
    const char* name;
    std::function<void(DialogRig&)> act;
    bool answeredYes;
    int exits;
};
class AnswerTest : public ::testing::TestWithParam<Answer> {};

TEST_P(AnswerTest, OnlyTheButtonsAndTheFrameAnswer) {
    DialogRig rig;
    ASSERT_NE(rig.dialog, nullptr);
    GetParam().act(rig);
    Pump(rig.window);
    EXPECT_EQ(rig.window.ContinueDialog() == nullptr, GetParam().answeredYes);
    EXPECT_EQ(IsWindowEnabled(rig.Main()) != FALSE, GetParam().answeredYes);
    EXPECT_EQ(rig.exit.calls, GetParam().exits);
}
INSTANTIATE_TEST_SUITE_P(
    Dialog, AnswerTest,
    ::testing::Values(
        Answer{"Yes", [](DialogRig& r) { SendMessageW(r.Button(Form2::Command1), BM_CLICK, 0, 0); },
               true, 0},
        Answer{"No", [](DialogRig& r) { SendMessageW(r.Button(Form2::Command2), BM_CLICK, 0, 0); },
               false, 1},
        Answer{"FrameClose", [](DialogRig& r) { PostMessageW(r.dialog->Handle(), WM_CLOSE, 0, 0); },
               true, 0},
        Answer{"Escape", [](DialogRig& r) { r.Key(VK_ESCAPE); }, false, 0},
        Answer{"EnterOnYes", [](DialogRig& r) { r.Key(VK_RETURN); }, true, 0},
        Answer{"EnterOnNo",
               [](DialogRig& r) {
                   r.Key(VK_TAB);
                   r.Key(VK_RETURN);
               },
               false, 1},
        Answer{"SpaceOnYes", [](DialogRig& r) { r.Key(VK_SPACE); }, true, 0},
        Answer{"HeldEnterFromTheLastBox", [](DialogRig& r) { r.Key(VK_RETURN, true); }, false, 0}),
    [](const ::testing::TestParamInfo<Answer>& info) { return std::string(info.param.name); });
