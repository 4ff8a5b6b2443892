// MenuKeys: how the menu bar is operated from the keyboard.
#include "game/menu_keys.h"

MenuKeys::Step MenuKeys::OnKey(Key key, bool modified, bool inBar, bool submenuOpen) {
    if (modified)
        return Step::None;
    if (key == Key::F10)
        return inBar ? Step::Leave : Step::Enter;
    if (key == Key::Escape && inBar)
        return submenuOpen ? Step::CloseSubmenu : Step::Leave;
    return Step::None;
}

int MenuKeys::Leave(int home) {
    const int back = m_from >= 0 ? m_from : home;
    m_from = -1;
    return back;
}
