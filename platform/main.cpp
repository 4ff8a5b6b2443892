// The program's entry: the application object, the main window and the event loop.
#include "platform/clock_random_source.h"
#include "platform/qt_message_box.h"
#include "platform/qt_program_exit.h"
#include "ui/form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QUV"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setDesktopFileName(QStringLiteral(QUV_APP_ID));

    QtMessageBox messages;
    ClockRandomSource random;
    QtProgramExit exit;
    Form1 window(messages, random, exit);
    messages.SetOwner([&window] { return window.GameWindow(); });
    window.show();
    return QApplication::exec();
}
