// Form2: the continue dialog, asked at the end of every mission.
#pragma once

#include "game/dialog_keys.h"
#include "game/twips.h"

#include <QDialog>

class Game;
class QLabel;
class QPushButton;

// How its keys and its frame answer is the game's DialogKeys; the answers are the game's to take.
// The question is also the dialog's accessible description, which a screen reader speaks as it
// opens. The dialog has no Qt parent: a child of the disabled main window would be disabled with
// it. It stays above the main window as its transient window instead.
class Form2 final : public QDialog {
    Q_OBJECT

public:
    Form2(Game& game, QWidget* mainWindow);

    // Shows the dialog modeless over the main window, with the focus on YES.
    void Present();

    QPushButton* YesButton() const { return m_yes; }
    QPushButton* NoButton() const { return m_no; }
    // The room the question's text and the larger caption need, in the dialog's pixels.
    PixelSize QuestionNeeds() const;
    PixelSize ButtonNeeds() const;

public slots:
    // The window frame's close button lands here.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Hands a key that reached the button on (or the dialog, with the focus on on) to the
    // dialog's keys and carries out what they say; true when the key went no further.
    bool OnKey(const QKeyEvent& event, const ContinueDialog::Control& on);
    void Answer(DialogKeys::Answer answer);

    Game& m_game;
    DialogKeys m_keys;
    QWidget* m_mainWindow;
    QLabel* m_question = nullptr;
    QPushButton* m_yes = nullptr;
    QPushButton* m_no = nullptr;
};
