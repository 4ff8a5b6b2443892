// QtProgramExit: ends the program by leaving the application's event loop.
#include "qt/qt_program_exit.h"

#include <QApplication>
#include <QWidget>

void QtProgramExit::EndProgram() {
    // Hide every window first so that nothing is painted or clicked while the event loop winds
    // down; main() then returns and destroys them.
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}
