// CommandLine: what the program answers from a terminal before it opens its window.
#include "qt/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

CommandLine::CommandLine(const QStringList& arguments, bool qtOptionsRemoved) {
    QCommandLineParser parser;
    // Qt's options are single-dash words (-style windows); read them as such rather than as
    // a row of one-letter options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    const bool clean = parser.parse(arguments);

    if (parser.isSet(help)) {
        m_action = Action::ShowHelp;
    } else if (parser.isSet(version)) {
        m_action = Action::ShowVersion;
    } else if (qtOptionsRemoved && !clean) {
        m_action = Action::Fail;
        const QStringList unknown = parser.unknownOptionNames();
        m_error = unknown.isEmpty() ? parser.errorText()
                                    : QStringLiteral("unknown option '%1'").arg(unknown.first());
    } else if (qtOptionsRemoved && !parser.positionalArguments().isEmpty()) {
        m_action = Action::Fail;
        m_error =
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first());
    }
}

QString CommandLine::Usage() {
    return QStringLiteral(
        "Usage: quv [Qt options]\n"
        "QUV, a puzzle game: find six suspects hiding in a building of 25 rooms.\n"
        "The game is played in its window; it reads no files and saves nothing.\n"
        "\n"
        "Options:\n"
        "  -h, --help     Show this help and exit.\n"
        "  -v, --version  Show the version and exit.\n"
        "\n"
        "Qt's options also apply, for example -style windows, -platform xcb, -reverse.\n");
}

QString CommandLine::Version() {
    return QCoreApplication::applicationName() + QLatin1Char(' ') +
           QCoreApplication::applicationVersion() + QLatin1Char('\n');
}
