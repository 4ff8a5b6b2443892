// MenuBarKeys: the menu bar from the keyboard, opened with F10.
#pragma once

#include <QObject>
#include <QPointer>

class QMenuBar;
class QWidget;

// Once the bar has the focus and an active item, Qt's own menu bar takes the keys: the arrows
// move between items and open the score menu, Enter chooses. What Qt leaves to the window is
// the way in and the way out: F10 opens the bar, and after a choice, Escape or F10 again the
// focus goes back to where it was, so a keyboard player is never left on a bar that has
// nothing highlighted.
class MenuBarKeys final : public QObject {
    Q_OBJECT

public:
    explicit MenuBarKeys(QMenuBar* bar);

    // F10: opens the bar, or leaves it when it is open.
    void Toggle();
    // Gives the focus back after a choice; does nothing when the bar was not opened by keys.
    void Leave();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMenuBar* m_bar;
    QPointer<QWidget> m_focusBefore;
};
