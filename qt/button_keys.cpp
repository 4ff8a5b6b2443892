// ButtonKeys: Enter and Space on the room cells, one press of the key per press.
#include "qt/button_keys.h"

#include "qt/qt_key.h"

#include <QAbstractButton>
#include <QKeyEvent>

#include <algorithm>
#include <optional>

namespace {
std::optional<KeyPress::Key> PressKeyOf(const QKeyEvent& event) {
    switch (KeyOf(event)) {
    case Key::Enter:
        return KeyPress::Key::Enter;
    case Key::Space:
        return KeyPress::Key::Space;
    default:
        return std::nullopt;
    }
}
} // namespace

ButtonKeys::ButtonKeys(QObject* parent)
    : QObject(parent) {}

void ButtonKeys::Watch(QAbstractButton* button) {
    m_buttons.push_back(button);
    button->installEventFilter(this);
}

bool ButtonKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    const std::optional<KeyPress::Key> key = PressKeyOf(*keyEvent);
    const auto found = std::find(m_buttons.begin(), m_buttons.end(), watched);
    if (!key || found == m_buttons.end())
        return false;
    const int control = static_cast<int>(found - m_buttons.begin());
    bool press = false;
    if (event->type() == QEvent::KeyPress)
        press = m_keys.Down(*key, keyEvent->isAutoRepeat(), control);
    else
        press = m_keys.Up(*key, keyEvent->isAutoRepeat(), control);
    if (press)
        (*found)->click();
    return true;
}
