// ButtonKeys: Enter and Space on the room cells, one press of the key per press.
#pragma once

#include "game/key_press.h"

#include <QObject>

#include <vector>

class QAbstractButton;

// A window keeps one, and every button of it that Enter or Space may press is watched by it:
// the game's KeyPress decides which key events press the button, in place of Qt's own handling
// of Space and of each window's handling of Enter. It takes no other key.
class ButtonKeys final : public QObject {
    Q_OBJECT

public:
    explicit ButtonKeys(QObject* parent);

    void Watch(QAbstractButton* button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyPress m_keys;
    std::vector<QAbstractButton*> m_buttons;
};
