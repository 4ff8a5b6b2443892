// Form2: the continue dialog, asked at the end of every mission.
#pragma once

#include "game/continue_dialog.h"
#include "game/dialog_keys.h"

#include <windows.h>

class Game;

// Its buttons, its keys and its frame answer as the game's DialogKeys says; the dialog carries
// that out: it moves the focus, gives the game the answer, and goes once the game awaits none.
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
    // Until the game awaits no answer: then the window is destroyed.
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
    // The button that window is, or null.
    const ContinueDialog::Control* ButtonOf(HWND window) const;
    void Answer(DialogKeys::Answer answer);
    // A key on one of the buttons; true when it is the dialog's and goes no further.
    bool OnKey(const MSG& msg);

    Game& m_game;
    HWND m_mainWindow;
    HWND m_hwnd = nullptr;
    HFONT m_font = nullptr;
    int m_dpi = kDesignDpi;
    // The button that had the focus when the dialog was last deactivated.
    HWND m_focus = nullptr;
    DialogKeys m_keys;
};
