// SPDX-License-Identifier: GPL-3.0-or-later
// The installed program's answers to its command line, run as a real process: help, version
// and mistakes need no display, and a missing display, or a missing plugin for the display
// that is there, ends with a one-line error, not a signal.

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <optional>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
struct Finished {
    QProcess::ExitStatus Status;
    int Code;
    QString Out;
    QString Err;
};

// The environment with no display at all: nothing the program prints here may need one.
QProcessEnvironment WithoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_PLUGIN_PATH",
                                 "QT_QPA_PLATFORM_PLUGIN_PATH"})
        environment.remove(QString::fromLatin1(variable));
    return environment;
}

Finished Run(const QString& program, const QStringList& arguments,
             const QProcessEnvironment& environment) {
    QProcess game;
    game.setProcessEnvironment(environment);
    game.start(program, arguments);
    if (!game.waitForFinished(60000))
        game.kill();
    return {game.exitStatus(), game.exitCode(), QString::fromUtf8(game.readAllStandardOutput()),
            QString::fromUtf8(game.readAllStandardError())};
}

bool IsOneLine(const QString& text) {
    return text.endsWith(u'\n') && text.count(u'\n') == 1 && text.startsWith("krugheim: ");
}

// A Wayland compositor as far as a client's connect() can tell: a listening socket.
class ListeningSocket {
public:
    explicit ListeningSocket(const QString& path) : Socket(::socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        std::memcpy(address.sun_path, name.constData(), name.size());
        Listening =
            ::bind(Socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
            ::listen(Socket, 4) == 0;
    }
    ~ListeningSocket() { ::close(Socket); }
    ListeningSocket(const ListeningSocket&) = delete;
    ListeningSocket& operator=(const ListeningSocket&) = delete;

    const int Socket;
    bool Listening = false;
};
} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

    QTemporaryDir Scratch;
    // A copy of the program whose Qt finds every platform plugin but Wayland's: a qt.conf
    // beside the program points Qt at a plugin folder without it, so the test holds whether or
    // not qt6-wayland is installed.
    QString ProgramWithoutWayland;

private slots:
    void initTestCase() {
        QVERIFY(Scratch.isValid());
        const QDir scratch(Scratch.path());
        QVERIFY(scratch.mkpath(QStringLiteral("plugins/platforms")));
        const QDir qtPlatforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms");
        for (const QString& plugin : qtPlatforms.entryList(QDir::Files)) {
            if (!plugin.contains(QStringLiteral("wayland")))
                QVERIFY(QFile::link(qtPlatforms.filePath(plugin),
                                    scratch.filePath("plugins/platforms/" + plugin)));
        }
        QVERIFY(scratch.mkpath(QStringLiteral("bin")));
        ProgramWithoutWayland = scratch.filePath(QStringLiteral("bin/krugheim"));
        QVERIFY(QFile::copy(QStringLiteral(KRUGHEIM_PROGRAM), ProgramWithoutWayland));
        QFile qtConf(scratch.filePath(QStringLiteral("bin/qt.conf")));
        QVERIFY(qtConf.open(QIODevice::WriteOnly));
        qtConf.write("[Paths]\nPlugins=" + QFile::encodeName(scratch.filePath("plugins")) + "\n");
    }

    void answersWithoutDisplay_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("expectedOut"); // a part of the standard output
        QTest::newRow("--help") << QStringList{"--help"} << 0 << "-v, --version";
        QTest::newRow("-h names the program, not its path")
            << QStringList{"-h"} << 0 << "Aufruf: krugheim [Optionen] [Spielstand]\n";
        QTest::newRow("--version")
            << QStringList{"--version"} << 0 << "Das Krugheim " KRUGHEIM_VERSION "\n";
        QTest::newRow("unknown option") << QStringList{"--schnell"} << 2 << "";
        QTest::newRow("unknown short option") << QStringList{"-x", "a.krg"} << 2 << "";
        QTest::newRow("--help-all promises nothing") << QStringList{"--help-all"} << 2 << "";
        QTest::newRow("a word after one dash") << QStringList{"-schnell"} << 2 << "";
        QTest::newRow("two saved games") << QStringList{"a.krg", "b.krg"} << 2 << "";
        QTest::newRow("no display") << QStringList{} << 1 << "";
        QTest::newRow("no display for a saved game") << QStringList{"a.krg"} << 1 << "";
        QTest::newRow("Qt's own options go to Qt")
            << QStringList{"-platform", "xcb", "-style=Fusion", "-reverse", "a.krg"} << 1 << "";
    }
    void answersWithoutDisplay() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, expectedOut);
        const Finished run = Run(QStringLiteral(KRUGHEIM_PROGRAM), arguments, WithoutDisplay());
        QCOMPARE(run.Status, QProcess::NormalExit);
        QCOMPARE(run.Code, exitCode);
        if (exitCode == 0) {
            QVERIFY2(run.Out.contains(expectedOut), qPrintable(run.Out));
            QCOMPARE(run.Err, QString());
        } else {
            QCOMPARE(run.Out, QString());
            QVERIFY2(IsOneLine(run.Err), qPrintable(run.Err));
        }
    }

    // Qt without its Wayland plugin: a compositor that is there is a missing plugin, named by
    // its package; a display name nothing answers on is a missing display.
    void tellsAMissingPluginFromAMissingDisplay_data() {
        QTest::addColumn<bool>("compositorListens");
        QTest::addColumn<QString>("platform"); // QT_QPA_PLATFORM, empty: Qt's own choice
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("expectedErr");
        const QString noPlugin = QStringLiteral(
            "krugheim: Qt fehlt das Plugin „wayland“ für die Anzeige (%1); bitte das Paket "
            "qt6-wayland installieren.\n");
        QTest::newRow("a compositor listens")
            << true << "" << 3 << noPlugin.arg("WAYLAND_DISPLAY=wayland-test");
        QTest::newRow("Wayland chosen")
            << false << "wayland" << 3 << noPlugin.arg("QT_QPA_PLATFORM=wayland");
        QTest::newRow("no compositor")
            << false << "" << 1
            << "krugheim: Keine grafische Anzeige erreichbar (DISPLAY nicht gesetzt, "
               "WAYLAND_DISPLAY=wayland-test).\n";
    }
    void tellsAMissingPluginFromAMissingDisplay() {
        QFETCH(bool, compositorListens);
        QFETCH(QString, platform);
        QFETCH(int, exitCode);
        QFETCH(QString, expectedErr);
        QTemporaryDir runtime;
        QVERIFY(runtime.isValid());
        std::optional<ListeningSocket> compositor;
        if (compositorListens) {
            compositor.emplace(runtime.filePath(QStringLiteral("wayland-test")));
            QVERIFY(compositor->Listening);
        }
        QProcessEnvironment environment = WithoutDisplay();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-test"));
        if (!platform.isEmpty())
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        const Finished run = Run(ProgramWithoutWayland, {}, environment);
        QCOMPARE(run.Status, QProcess::NormalExit);
        QCOMPARE(run.Err, expectedErr);
        QCOMPARE(run.Code, exitCode);
        QCOMPARE(run.Out, QString());
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
