// CommandLine: what the program answers from a terminal before it opens its window.
#pragma once

#include <QString>
#include <QStringList>

// The game has no options of its own beyond --help and --version; Qt's own options (-style,
// -platform, -reverse ...) are Qt's, and Qt takes them out of the arguments when the
// application object is made. So the arguments are read twice: once before that, where
// --help and --version must answer without a display, and once after, where whatever is left
// over is a mistake.
class CommandLine {
public:
    enum class Action { Run, ShowHelp, ShowVersion, Fail };

    // arguments include the program's name first. qtOptionsRemoved: read after the
    // application object has taken Qt's options out.
    CommandLine(const QStringList& arguments, bool qtOptionsRemoved);

    Action action() const { return m_action; }
    // For Fail: one line saying what was wrong.
    QString error() const { return m_error; }

    static QString Usage();
    static QString Version();

private:
    Action m_action = Action::Run;
    QString m_error;
};
