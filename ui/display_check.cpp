#include "ui/display_check.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMutex>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace orvik {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("orvik::DisplayCheck", text); }

QString EnvironmentText(const char* name) { return qEnvironmentVariable(name); }

// The value of the toolkit option `name` ("-platform", also written
// "--platform"), if given before "--".
QString OptionValue(const QStringList& arguments, const QString& name) {
    QString value;
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--")) break;
        if (argument == name || argument == QLatin1Char('-') + name) value = arguments[++i];
    }
    return value;
}

// The platforms the toolkit tries, in its order, without their options
// ("xcb" of "xcb:foo").
QStringList PlatformCandidates(const QStringList& arguments) {
    QString chosen = OptionValue(arguments, QStringLiteral("-platform"));
    if (chosen.isEmpty()) chosen = EnvironmentText("QT_QPA_PLATFORM");
    QStringList candidates;
    if (chosen.isEmpty()) {
        if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
            EnvironmentText("XDG_SESSION_TYPE") == QLatin1String("wayland"))
            candidates << QStringLiteral("wayland");
        candidates << QStringLiteral("xcb");
        return candidates;
    }
    for (const QString& candidate : chosen.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        candidates << candidate.section(QLatin1Char(':'), 0, 0);
    return candidates;
}

bool WaylandSocketGiven() {
    if (!EnvironmentText("WAYLAND_DISPLAY").isEmpty()) return true;
    const QString runtime = EnvironmentText("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/wayland-0"));
}

// Whether `platform` may find what it needs: a display for X11 and Wayland;
// the others (offscreen, vnc, eglfs...) are taken at their word.
bool MayStart(const QString& platform, const QStringList& arguments) {
    if (platform == QLatin1String("xcb"))
        return !EnvironmentText("DISPLAY").isEmpty() || !OptionValue(arguments, QStringLiteral("-display")).isEmpty();
    if (platform.startsWith(QLatin1String("wayland"))) return WaylandSocketGiven();
    return true;
}

QString NoDisplayLine(const QString& program, const QString& why) {
    return Tr("%1: cannot show the window: %2; set DISPLAY (or WAYLAND_DISPLAY) to a running display, or choose "
              "a platform with -platform (for example -platform offscreen)\n")
        .arg(program, why);
}

// The guard's state: one guard at a time, around the application's start.
QString guardedProgram;
QtMessageHandler guardedPrevious = nullptr;

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> heldMessages;
QMutex heldMutex;

// The platform named in a held warning of the toolkit that begins with
// `start` and goes on with the name in double quotes; empty where none does.
QString HeldPlatform(QLatin1String start) {
    const QMutexLocker lock(&heldMutex);
    for (const HeldMessage& message : heldMessages)
        if (message.text.startsWith(start)) return message.text.mid(start.size()).section(QLatin1Char('"'), 0, 0);
    return {};
}

// Why the toolkit could not start its platform, from what it said on the way:
// a platform it does not know, a Wayland compositor it could not reach, or a
// display it could not open.
QString WhyPlatformFailed(const QString& fatalText) {
    if (const QString unknown = HeldPlatform(QLatin1String("Could not find the Qt platform plugin \""));
        !unknown.isEmpty()) {
        const QString available =
            fatalText.section(QLatin1String("Available platform plugins are: "), 1).section(QLatin1Char('.'), 0, 0);
        return available.isEmpty() ? Tr("the platform \"%1\" is unknown").arg(unknown)
                                   : Tr("the platform \"%1\" is unknown (known: %2)").arg(unknown, available);
    }
    if (HeldPlatform(QLatin1String("Could not load the Qt platform plugin \"")).startsWith(QLatin1String("wayland"))) {
        const QString socket = EnvironmentText("WAYLAND_DISPLAY");
        return socket.isEmpty() ? Tr("no Wayland compositor is running")
                                : Tr("no Wayland compositor answers at \"%1\"").arg(socket);
    }
    const QString display = EnvironmentText("DISPLAY");
    return display.isEmpty() ? Tr("no display could be opened")
                             : Tr("the display \"%1\" could not be opened").arg(display);
}

void GuardMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        const QString why = WhyPlatformFailed(text);
        std::fputs(NoDisplayLine(guardedProgram, why).toLocal8Bit().constData(), stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    const QByteArray category(context.category ? context.category : "");
    if (category.startsWith("qt.qpa")) {
        const QMutexLocker lock(&heldMutex);
        heldMessages.push_back({type, category, text});
        return;
    }
    if (guardedPrevious) guardedPrevious(type, context, text);
}

}  // namespace

QString MissingDisplayMessage(const QStringList& arguments) {
    const QStringList candidates = PlatformCandidates(arguments);
    for (const QString& platform : candidates)
        if (MayStart(platform, arguments)) return {};
    const QString program =
        arguments.isEmpty() ? QStringLiteral("orvik-stroke-editor") : QFileInfo(arguments[0]).fileName();
    bool wayland = false, x11 = false;
    for (const QString& platform : candidates) (platform.startsWith(QLatin1String("wayland")) ? wayland : x11) = true;
    if (wayland && !x11)
        return NoDisplayLine(program, Tr("there is no Wayland compositor (WAYLAND_DISPLAY is not set)"));
    if (wayland) return NoDisplayLine(program, Tr("there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set)"));
    return NoDisplayLine(program, Tr("there is no display (DISPLAY is not set)"));
}

PlatformStartGuard::PlatformStartGuard(QString program) {
    guardedProgram = std::move(program);
    previous_ = qInstallMessageHandler(GuardMessages);
    guardedPrevious = previous_;
}

PlatformStartGuard::~PlatformStartGuard() {
    qInstallMessageHandler(previous_);
    guardedPrevious = nullptr;
    std::vector<HeldMessage> held;
    {
        const QMutexLocker lock(&heldMutex);
        held.swap(heldMessages);
    }
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        if (previous_) previous_(message.type, context, message.text);
    }
}

}  // namespace orvik
