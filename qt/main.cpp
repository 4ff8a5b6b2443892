// The program's entry: the command line, the application object, the main window and the
// event loop.
#include "game/clock_random_source.h"
#include "qt/command_line.h"
#include "qt/display_guard.h"
#include "qt/program.h"
#include "qt/qt_program_exit.h"
#include "quv_version.h"

#include <QApplication>

#include <cstdio>
#include <memory>

namespace {
QStringList Arguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Answers --help and --version, or a mistake: the exit status, or -1 to go on with the game.
int Answer(const CommandLine& line) {
    switch (line.action()) {
    case CommandLine::Action::Run:
        break;
    case CommandLine::Action::ShowHelp:
        std::fputs(qPrintable(CommandLine::Usage()), stdout);
        return 0;
    case CommandLine::Action::ShowVersion:
        std::fputs(qPrintable(CommandLine::Version()), stdout);
        return 0;
    case CommandLine::Action::Fail:
        std::fprintf(stderr, "quv: %s\n", qPrintable(line.error()));
        std::fputs(qPrintable(CommandLine::Usage()), stderr);
        return 1;
    }
    return -1;
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication::setApplicationName(QStringLiteral("QUV"));
    QApplication::setApplicationVersion(QStringLiteral(QUV_VERSION));
    // --help and --version need no display, so they answer before one is opened.
    if (const int status = Answer(CommandLine(Arguments(argc, argv), false)); status >= 0)
        return status;

    std::unique_ptr<QApplication> app;
    {
        DisplayGuard guard;
        app = std::make_unique<QApplication>(argc, argv);
    }
    if (const int status = Answer(CommandLine(QApplication::arguments(), true)); status >= 0)
        return status;
    QApplication::setDesktopFileName(QStringLiteral(QUV_APP_ID));

    ClockRandomSource random;
    QtProgramExit exit;
    Program program(random, exit);
    program.Window().show();
    return QApplication::exec();
}
