// DisplayGuard: a plain message and exit status 1 when no display can be opened.
#include "qt/display_guard.h"

#include <QList>
#include <QRegularExpression>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {
// A message handler is a plain function, so what it learns lives here, for start-up only.
struct Held {
    QtMsgType type;
    QString category;
    QString text;
};
QtMessageHandler g_previous = nullptr;
QList<Held> g_held;
QString g_platform;
bool g_found = false;

void Guard(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    static const QRegularExpression plugin(
        QStringLiteral(R"re(Could not (find|load) the Qt platform plugin "([^"]*)")re"));
    const QString category = QString::fromLatin1(context.category ? context.category : "");
    if (type != QtFatalMsg) {
        const QRegularExpressionMatch match = plugin.match(text);
        if (match.hasMatch()) {
            g_found = match.captured(1) == QLatin1String("load");
            g_platform = match.captured(2);
        }
        g_held.append({type, category, text});
        return;
    }
    QString line = QStringLiteral("quv: cannot start: %1").arg(text.section('\n', 0, 0));
    if (!g_platform.isEmpty()) {
        const char* display =
            g_platform == QLatin1String("wayland") ? "WAYLAND_DISPLAY" : "DISPLAY";
        line = DisplayGuard::Explain(g_platform, g_found, qEnvironmentVariable(display));
    }
    std::fprintf(stderr, "%s\n", qPrintable(line));
    std::fflush(stderr);
    std::_Exit(1);
}
} // namespace

DisplayGuard::DisplayGuard() {
    g_previous = qInstallMessageHandler(Guard);
}

DisplayGuard::~DisplayGuard() {
    qInstallMessageHandler(g_previous);
    for (const Held& held : std::as_const(g_held)) {
        const QByteArray category = held.category.toLatin1();
        const QMessageLogContext context(nullptr, 0, nullptr, category.constData());
        qt_message_output(held.type, context, held.text);
    }
    g_held.clear();
}

QString DisplayGuard::Explain(const QString& platform, bool found, const QString& display) {
    if (!found && platform == QLatin1String("wayland")) {
        // Debian ships Qt's Wayland support as a package of its own.
        return QStringLiteral("quv: this Qt has no Wayland support: install Debian's package "
                              "qt6-wayland, or start the game with -platform xcb");
    }
    if (!found)
        return QStringLiteral("quv: no display platform named \"%1\"").arg(platform);
    if (platform == QLatin1String("xcb")) {
        return display.isEmpty()
                   ? QStringLiteral("quv: cannot open a display (DISPLAY is not set)")
                   : QStringLiteral("quv: cannot open the display \"%1\"").arg(display);
    }
    if (platform == QLatin1String("wayland")) {
        return display.isEmpty()
                   ? QStringLiteral(
                         "quv: cannot open a Wayland display (WAYLAND_DISPLAY is not set)")
                   : QStringLiteral("quv: cannot open the Wayland display \"%1\"").arg(display);
    }
    return QStringLiteral("quv: the display platform \"%1\" did not start").arg(platform);
}
