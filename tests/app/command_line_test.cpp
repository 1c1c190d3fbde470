// SPDX-License-Identifier: GPL-3.0-or-later
// The installed program's answers to its command line, run as a real process: help, version
// and mistakes need no display, and a missing display ends with an error, not a signal.

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

namespace {
struct Finished {
    QProcess::ExitStatus Status;
    int Code;
    QString Out;
    QString Err;
};

// Runs the game with no display at all: nothing it prints here may need one.
Finished RunWithoutDisplay(const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(variable));
    QProcess game;
    game.setProcessEnvironment(environment);
    game.start(QStringLiteral(KRUGHEIM_PROGRAM), arguments);
    if (!game.waitForFinished(60000))
        game.kill();
    return {game.exitStatus(), game.exitCode(), QString::fromUtf8(game.readAllStandardOutput()),
            QString::fromUtf8(game.readAllStandardError())};
}

bool IsOneLine(const QString& text) {
    return text.endsWith(u'\n') && text.count(u'\n') == 1 && text.startsWith("krugheim: ");
}
} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void answersWithoutDisplay_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("expectedOut"); // a part of the standard output
        QTest::newRow("--help") << QStringList{"--help"} << 0 << "-v, --version";
        QTest::newRow("-h") << QStringList{"-h"} << 0 << "[Spielstand]";
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
        const Finished run = RunWithoutDisplay(arguments);
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
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
