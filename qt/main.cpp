// The program's entry: the command line, the application object, the main window and the
// event loop.
#include "game/clock_random_source.h"
#include "game/command_line.h"
#include "game/message_box_service.h"
#include "qt/display_guard.h"
#include "qt/program.h"
#include "qt/qt_program_exit.h"
#include "quv_version.h"

#include <QApplication>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {
// The arguments after the program's name, as the core reads them.
std::vector<std::string> Arguments(const QStringList& words) {
    std::vector<std::string> arguments;
    for (qsizetype i = 1; i < words.size(); ++i)
        arguments.push_back(words[i].toStdString());
    return arguments;
}

QStringList Words(int argc, char* argv[]) {
    QStringList words;
    for (int i = 0; i < argc; ++i)
        words << QString::fromLocal8Bit(argv[i]);
    return words;
}

// Answers --help and --version, or a mistake: the exit status, or -1 to go on with the game.
int Answer(const CommandLine& line) {
    switch (line.action()) {
    case CommandLine::Action::Run:
        break;
    case CommandLine::Action::ShowHelp:
        std::fputs(CommandLine::Usage("quv", true).c_str(), stdout);
        return 0;
    case CommandLine::Action::ShowVersion:
        std::fputs(CommandLine::Version().c_str(), stdout);
        return 0;
    case CommandLine::Action::Fail:
        std::fputs(CommandLine::ErrorLine("quv", line.error()).c_str(), stderr);
        std::fputs(CommandLine::Usage("quv", true).c_str(), stderr);
        return 1;
    }
    return -1;
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication::setApplicationName(QString::fromUtf8(MessageBoxService::kTitle));
    QApplication::setApplicationVersion(QStringLiteral(QUV_VERSION));
    // --help and --version need no display, so they answer before one is opened. Qt's own
    // options (-style, -platform ...) are still among the arguments then; Qt takes them out
    // when it makes the application object, and whatever is left after that is a mistake.
    if (const int status = Answer(CommandLine(Arguments(Words(argc, argv)), true)); status >= 0)
        return status;

    std::unique_ptr<QApplication> app;
    {
        DisplayGuard guard;
        app = std::make_unique<QApplication>(argc, argv);
    }
    if (const int status = Answer(CommandLine(Arguments(QApplication::arguments()), false));
        status >= 0)
        return status;
    QApplication::setDesktopFileName(QStringLiteral(QUV_APP_ID));

    ClockRandomSource random;
    QtProgramExit exit;
    Program program(random, exit);
    program.Window().show();
    return QApplication::exec();
}
