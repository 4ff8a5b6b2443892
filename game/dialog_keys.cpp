// DialogKeys: how the continue dialog is operated.
#include "game/dialog_keys.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace {
bool Same(const ContinueDialog::Control& a, const ContinueDialog::Control& b) {
    return std::string_view(a.name) == b.name;
}
} // namespace

DialogKeys::Answer DialogKeys::AnswerOf(const ContinueDialog::Control& button) {
    if (Same(button, ContinueDialog::kYes))
        return Answer::Yes;
    return Same(button, ContinueDialog::kNo) ? Answer::No : Answer::None;
}

const ContinueDialog::Control& DialogKeys::NextButton(const ContinueDialog::Control& from,
                                                      bool backwards) {
    std::vector<const ContinueDialog::Control*> buttons;
    for (const ContinueDialog::Control& control : ContinueDialog::Controls()) {
        if (control.kind == ContinueDialog::Kind::Button)
            buttons.push_back(&control);
    }
    const auto at = std::find_if(buttons.begin(), buttons.end(),
                                 [&from](const auto* b) { return Same(*b, from); }) -
                    buttons.begin();
    const auto count = static_cast<std::ptrdiff_t>(buttons.size());
    return *buttons[static_cast<std::size_t>((at + (backwards ? count - 1 : 1)) % count)];
}

DialogKeys::Step DialogKeys::OnKey(Key key, bool down, bool repeat, bool shift,
                                   const ContinueDialog::Control& on) {
    const Answer answer = AnswerOf(on);
    switch (key) {
    case Key::Tab:
        // The question takes no focus: Tab walks the buttons in tab order, round from the last.
        return {Answer::None, down ? &NextButton(on, shift) : nullptr, true};
    case Key::Escape:
        return {Answer::None, nullptr, true};
    case Key::Enter:
    case Key::Space: {
        if (answer == Answer::None)
            return {};
        const KeyPress::Key which = key == Key::Enter ? KeyPress::Key::Enter : KeyPress::Key::Space;
        const int control = answer == Answer::Yes ? 1 : 2;
        const bool pressed =
            down ? m_press.Down(which, repeat, control) : m_press.Up(which, repeat, control);
        return {pressed ? answer : Answer::None, nullptr, true};
    }
    default:
        return {};
    }
}
