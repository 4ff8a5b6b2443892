// MenuBarKeys: the menu bar from the keyboard, opened with F10.
#include "qt/menu_bar_keys.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenuBar>

MenuBarKeys::MenuBarKeys(QMenuBar* bar)
    : QObject(bar)
    , m_bar(bar) {
    bar->installEventFilter(this);
}

void MenuBarKeys::Toggle() {
    if (m_bar->hasFocus()) {
        Leave();
        return;
    }
    m_focusBefore = QApplication::focusWidget();
    m_bar->setFocus(Qt::MenuBarFocusReason);
    m_bar->setActiveAction(m_bar->actions().constFirst());
}

void MenuBarKeys::Leave() {
    if (m_bar->window()->focusWidget() != m_bar)
        return;
    m_bar->setActiveAction(nullptr);
    QWidget* back = m_focusBefore;
    // Nothing had the focus before: the first widget that takes it from the keyboard.
    for (QWidget* w = m_bar->window()->nextInFocusChain(); !back && w != m_bar->window();
         w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisible())
            back = w;
    }
    if (back)
        back->setFocus(Qt::MenuBarFocusReason);
}

bool MenuBarKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
        !QApplication::activePopupWidget()) {
        // The mouse went elsewhere: nothing stays highlighted in the bar.
        m_bar->setActiveAction(nullptr);
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape || key == Qt::Key_F10) {
            Leave();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
