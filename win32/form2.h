// Form2: the continue dialog, asked at the end of every mission.
#pragma once

#include "game/continue_dialog.h"
#include "game/key_press.h"

#include <windows.h>

class Game;

// YES (or closing the dialog through its frame) gives the main window back to the player; NO
// ends the program; Escape does nothing. Enter and Space press the focused button, as in every
// Windows dialog, but as the dialog's KeyPress counts them: a key still held from closing the
// last box answers nothing.
// The dialog is owned by the main window, so it stays above it and minimises with it, and it
// stays enabled while its owner is disabled. It grows with the system's text size, and lays
// itself out again when that or its monitor's DPI changes while it is open.
class Form2 {
public:
    Form2(Game& game, HWND mainWindow);
    ~Form2();
    Form2(const Form2&) = delete;
    Form2& operator=(const Form2&) = delete;

    // Shows the dialog modeless over the main window, with the focus on YES, laid out at dpi (the
    // main window's).
    void Present(int dpi);
    // Until answered: YES destroys the window.
    bool IsOpen() const { return m_hwnd != nullptr; }
    HWND Handle() const { return m_hwnd; }
    HWND Item(const ContinueDialog::Control& control) const {
        return GetDlgItem(m_hwnd, IdOf(control));
    }
    // The dialog's keys from the message loop; true when msg was used up.
    bool PreTranslate(MSG& msg);

private:
    static int IdOf(const ContinueDialog::Control& control) { return 100 + control.tabOrder; }

    template <typename Owner> friend LRESULT CALLBACK RouteToOwner(HWND, UINT, WPARAM, LPARAM);
    void Attach(HWND hwnd) { m_hwnd = hwnd; }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Layout(int dpi);
    // How much the dialog grows at dpi for its texts in font, and how wide the question's is.
    struct Fit {
        double growth;
        int questionWidth;
    };
    Fit Measure(HFONT font, int dpi) const;
    void Answer(bool yes);
    // Enter or Space on one of the buttons; true when msg was one.
    bool PressKey(const MSG& msg);

    Game& m_game;
    HWND m_mainWindow;
    HWND m_hwnd = nullptr;
    HFONT m_font = nullptr;
    int m_dpi = kDesignDpi;
    // The button that had the focus when the dialog was last deactivated.
    HWND m_focus = nullptr;
    KeyPress m_keys;
};
