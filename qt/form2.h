// Form2: the continue dialog, asked at the end of every mission.
#pragma once

#include "game/twips.h"

#include <QDialog>

class Game;
class QLabel;
class QPushButton;

// YES (or closing the dialog through its frame) gives the main window back to the player; NO
// ends the program; Enter or Space presses the focused one; Escape does nothing. The question
// is also the dialog's accessible description, which a screen reader speaks as it opens. The
// answers are the game's to take. The dialog has no Qt parent: a child of the disabled main window
// would be disabled with it. It stays above the main window as its transient window instead.
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
    // The window frame's close button lands here: it counts as YES, so that the main window is
    // never left disabled.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Answer(bool yes);

    Game& m_game;
    QWidget* m_mainWindow;
    QLabel* m_question = nullptr;
    QPushButton* m_yes = nullptr;
    QPushButton* m_no = nullptr;
};
