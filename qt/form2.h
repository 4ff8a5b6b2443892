// Form2: the continue dialog, asked at the end of every mission.
#pragma once

#include <QDialog>
#include <QSize>

class GameView;
class ProgramExit;
class QPushButton;

// YES (or closing the dialog through its frame) gives the main window back to the player; NO
// ends the program; Enter presses the focused one; Escape does nothing. The dialog has no Qt
// parent: a child of the disabled main window would be disabled with it. It stays above the main
// window as its transient window instead.
class Form2 final : public QDialog {
    Q_OBJECT

public:
    Form2(GameView& view, ProgramExit& exit, QWidget* mainWindow);

    // Shows the dialog modeless over the main window, with the focus on YES.
    void Present();

    // How much the dialog must grow, from its layout at 96 dpi, to fit the question's text
    // (width, height) and the larger button's caption with the style's frame around it.
    static double Growth(QSize questionNeeds, QSize buttonNeeds);

    QPushButton* YesButton() const { return m_yes; }
    QPushButton* NoButton() const { return m_no; }

public slots:
    // The window frame's close button lands here: it counts as YES, so that the main window is
    // never left disabled.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void AnswerYes();

    GameView& m_view;
    ProgramExit& m_exit;
    QWidget* m_mainWindow;
    QPushButton* m_yes = nullptr;
    QPushButton* m_no = nullptr;
    bool m_answered = false;
};
