// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/missing_display.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// The Debian packages that bring Qt's plugins for the two display systems of the desktop.
const char* PackageOf(const QByteArray& plugin) {
    if (plugin == "wayland")
        return "qt6-wayland";
    if (plugin == "xcb")
        return "libqt6gui6";
    return nullptr;
}

// Reads the plugins' metadata only, as Qt does when it chooses one: nothing is loaded.
bool HasPlatformPlugin(const QByteArray& name) {
    QStringList folders;
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM_PLUGIN_PATH"))
        folders << qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    for (const QString& path : QCoreApplication::libraryPaths())
        folders << path + QStringLiteral("/platforms");
    for (const QString& folder : folders) {
        for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files)) {
            const QJsonObject metaData = QPluginLoader(file.filePath()).metaData();
            const QJsonArray keys = metaData.value(QStringLiteral("MetaData"))
                                        .toObject()
                                        .value(QStringLiteral("Keys"))
                                        .toArray();
            if (keys.contains(QString::fromLatin1(name)))
                return true;
        }
    }
    return false;
}

// A compositor listens on its socket; a name left over from one that has ended does not count.
bool WaylandDisplayAnswers() {
    const QByteArray name = qgetenv("WAYLAND_DISPLAY");
    const QByteArray runtimeFolder = qgetenv("XDG_RUNTIME_DIR");
    if (name.isEmpty() || (!name.startsWith('/') && runtimeFolder.isEmpty()))
        return false;
    const QByteArray path = name.startsWith('/') ? name : runtimeFolder + '/' + name;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.constData(), path.size());
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    const bool answers =
        ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(socket);
    return answers;
}

QByteArray Describe(const char* variable) {
    const QByteArray value = qgetenv(variable);
    return value.isEmpty() ? QByteArray(variable) + " nicht gesetzt"
                           : QByteArray(variable) + "=" + value;
}

MissingDisplay NoPlugin(const QByteArray& plugin, const QByteArray& where) {
    QByteArray message =
        "krugheim: Qt fehlt das Plugin „" + plugin + "“ für die Anzeige (" + where + ")";
    if (const char* package = PackageOf(plugin))
        message += QByteArray("; bitte das Paket ") + package + " installieren";
    return {NoPluginExitCode, message + ".\n"};
}

MissingDisplay NoDisplay(const QByteArray& where) {
    return {NoDisplayExitCode, "krugheim: Keine grafische Anzeige erreichbar (" + where + ").\n"};
}
} // namespace

MissingDisplay ExplainMissingDisplay() {
    // A platform the player chose is the only one Qt tried: "name:options;name:options".
    const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    if (!chosen.isEmpty()) {
        const QByteArray where = "QT_QPA_PLATFORM=" + chosen;
        for (const QByteArray& platform : chosen.split(';')) {
            const QByteArray plugin = platform.split(':').constFirst();
            if (!plugin.isEmpty() && !HasPlatformPlugin(plugin))
                return NoPlugin(plugin, where);
        }
        return NoDisplay(where);
    }
    // Otherwise Qt tries Wayland where WAYLAND_DISPLAY is set, and X11.
    if (WaylandDisplayAnswers() && !HasPlatformPlugin("wayland"))
        return NoPlugin("wayland", Describe("WAYLAND_DISPLAY"));
    if (qEnvironmentVariableIsSet("DISPLAY") && !HasPlatformPlugin("xcb"))
        return NoPlugin("xcb", Describe("DISPLAY"));
    return NoDisplay(Describe("DISPLAY") + ", " + Describe("WAYLAND_DISPLAY"));
}
