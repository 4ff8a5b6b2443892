// DisplayGuard: a plain message and exit status 1 when no display can be opened.
#pragma once

#include <QString>

// Qt ends a program that can't open a display with an abort (exit 134, perhaps a core dump)
// and advice to reinstall. While a DisplayGuard lives (around the making of the application
// object) that becomes one line on standard error, saying what is missing, and exit status 1.
// Nothing is lost: the game saves nothing. Qt's own start-up warnings are held back meanwhile
// and passed on only if the start-up succeeds.
class DisplayGuard {
public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;

    // The line for a platform plugin that could not be started. found: the plugin exists but
    // could not connect; otherwise there is no plugin of that name. display: the value of the
    // variable that names the display for that platform (DISPLAY, WAYLAND_DISPLAY).
    static QString Explain(const QString& platform, bool found, const QString& display);
};
