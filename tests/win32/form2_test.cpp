// The continue dialog under Wine: its layout, its focus and its answers.
#include "game/continue_dialog.h"
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
    for (const auto* button : {&ContinueDialog::kYes, &ContinueDialog::kNo})
        EXPECT_EQ(GetWindowLongW(rig.Item(*button), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    // Centred over the main window.
    RECT main, own;
    GetWindowRect(rig.Main(), &main);
    GetWindowRect(rig.dialog->Handle(), &own);
    EXPECT_NEAR((own.left + own.right) / 2, (main.left + main.right) / 2, 1);
    EXPECT_NEAR((own.top + own.bottom) / 2, (main.top + main.bottom) / 2, 1);
}

TEST(Form2Test, YesGivesTheWindowBackIdleAndTheNextMissionGetsAFreshDialog) {
    DialogRig rig;
    SendMessageW(rig.Item(ContinueDialog::kYes), BM_CLICK, 0, 0);
    Pump(rig.program);
    EXPECT_EQ(rig.window.ContinueDialog(), nullptr);
    EXPECT_TRUE(IsWindowEnabled(rig.Main()));
    EXPECT_FALSE(rig.Ended());
    rig.ClickRoom(11);
    ASSERT_EQ(rig.watcher.boxes.size(), 1u);
    EXPECT_EQ(rig.watcher.boxes[0].text, ComposeMessage(MessageKey::msgPressStart));
    EXPECT_EQ(rig.watcher.boxes[0].owner, rig.Main());
    EXPECT_EQ(GetFocus(), rig.CellOfRoom(11));

    rig.PlayPerfectMission();
    ASSERT_NE(rig.window.ContinueDialog(), nullptr);
    EXPECT_EQ(GetFocus(), rig.window.ContinueDialog()->Item(ContinueDialog::kYes));
}

struct Answer {
    const char* name;
    std::function<void(DialogRig&)> act;
    bool answeredYes;
    bool ends;
};
class AnswerTest : public ::testing::TestWithParam<Answer> {};

// Nothing else acts: not what still reaches the disabled main window, a screen reader's press
// on a room or its action on a menu item. Until answered, the rooms are unavailable.
TEST_P(AnswerTest, OnlyTheButtonsAndTheFrameAnswer) {
    DialogRig rig;
    ASSERT_NE(rig.dialog, nullptr);
    GetParam().act(rig);
    Pump(rig.program);
    EXPECT_EQ(rig.window.ContinueDialog() == nullptr, GetParam().answeredYes);
    EXPECT_EQ(IsWindowEnabled(rig.Main()) != FALSE, GetParam().answeredYes);
    EXPECT_EQ(Unavailable(rig.CellOfRoom(11)), !GetParam().answeredYes);
    EXPECT_EQ(rig.Ended(), GetParam().ends);
    EXPECT_TRUE(rig.watcher.boxes.empty());
}
INSTANTIATE_TEST_SUITE_P(
    Dialog, AnswerTest,
    ::testing::Values(
        Answer{"Yes",
               [](DialogRig& r) { SendMessageW(r.Item(ContinueDialog::kYes), BM_CLICK, 0, 0); },
               true, false},
        Answer{"No",
               [](DialogRig& r) { SendMessageW(r.Item(ContinueDialog::kNo), BM_CLICK, 0, 0); },
               false, true},
        Answer{"FrameClose", [](DialogRig& r) { PostMessageW(r.dialog->Handle(), WM_CLOSE, 0, 0); },
               true, false},
        Answer{"Escape", [](DialogRig& r) { r.Key(VK_ESCAPE); }, false, false},
        Answer{"EnterOnYes", [](DialogRig& r) { r.Key(VK_RETURN); }, true, false},
        Answer{"EnterOnNo",
               [](DialogRig& r) {
                   r.Key(VK_TAB);
                   r.Key(VK_RETURN);
               },
               false, true},
        Answer{"SpaceOnYes", [](DialogRig& r) { r.Key(VK_SPACE); }, true, false},
        Answer{"HeldEnterFromTheLastBox", [](DialogRig& r) { r.Key(VK_RETURN, true); }, false,
               false},
        Answer{"PressOnARoom", [](DialogRig& r) { r.PressRoom(11); }, false, false},
        Answer{"Start", [](DialogRig& r) { r.PostCommand(MenuCommand::Start); }, false, false},
        Answer{"Quit", [](DialogRig& r) { r.PostCommand(MenuCommand::Quit); }, false, false},
        Answer{"CurrentScore", [](DialogRig& r) { r.PostCommand(MenuCommand::CurrentScore); },
               false, false},
        Answer{"HighScore", [](DialogRig& r) { r.PostCommand(MenuCommand::HighScore); }, false,
               false}),
    [](const ::testing::TestParamInfo<Answer>& info) { return std::string(info.param.name); });
