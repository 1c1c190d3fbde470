// SPDX-License-Identifier: GPL-3.0-or-later
// A saved game named on the command line ("krugheim FILE") is loaded exactly as "Laden" loads
// it: the same messages, the same game, the same window drawn.

#include "ui_test_support.h"

#include "app/command_line.h"
#include "persistence/save_game.h"
#include "ui/form2_lease.h"
#include "ui/form7_settings.h"

#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <filesystem>

namespace {
// Everything of a program run that a load can change and the player can see.
struct Outcome {
    QStringList Messages;
    QStringList Buttons; // visible ones; a trailing "-" marks a disabled one
    QString Money;
    QString Clock;
    bool TimerRunning = false;
    int Interval = 0;
    std::vector<std::uint8_t> Game;
    QImage Drawn;
};

Outcome Observe(const MessageAnswerer& answerer) {
    Outcome outcome;
    outcome.Messages = answerer.Texts;
    for (const QString& name : VisibleButtons())
        outcome.Buttons << name + (Form1->findChild<QWidget*>(name)->isEnabled() ? "" : "-");
    outcome.Money = Form1->Label1->isVisibleTo(Form1) ? Form1->Label1->text() : QString();
    outcome.Clock = Form1->Label2->isVisibleTo(Form1) ? Form1->Label2->text() : QString();
    outcome.TimerRunning = Session->TimerEnabled();
    outcome.Interval = Form1->Timer1->interval();
    outcome.Game = EncodeSavedGame(Session->state());
    outcome.Drawn = Form1->grab().toImage();
    return outcome;
}

Outcome LoadedWithLaden(const QString& path) {
    ProgramRun run;
    MessageAnswerer answerer;
    Form1->OpenDialog1 = [path] { return path; };
    Form1->Button12Click();
    return Observe(answerer);
}

// `path` as the program gets it: bytes, which need not be UTF-8.
Outcome LoadedFromCommandLine(const QByteArray& path) {
    ProgramRun run; // the windows created as at start, then what main does with its arguments
    MessageAnswerer answerer;
    const char* const arguments[] = {"krugheim", path.constData()};
    ShowFirstWindow(ParseCommandLine(ArgumentsAsText(2, arguments)).SavedGame);
    return Observe(answerer);
}
} // namespace

class CommandLineLoadTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    QString PathOf(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    // A game saved by the program itself, with or without a leased pub, at "Pause (0)".
    void Save(const char* name, bool leasePub) {
        ProgramRun run;
        Form1->Button1Click();
        if (leasePub) {
            Session->state().LocationCursor = 4;
            Form1->Button2Click();
            QTest::mouseClick(Form2->Button3, Qt::LeftButton);
        }
        QTest::mouseClick(Form7->RadioItems[3], Qt::LeftButton);
        const QString path = PathOf(name);
        Form1->SaveDialog1 = [path] { return path; };
        Form1->Button11Click();
    }

private slots:
    void initTestCase() {
        Save("kneipe.krg", true);
        Save("ohne_kneipe.krg", false);
        QVERIFY(QFile::copy(PathOf("kneipe.krg"), PathOf("kurz.krg")));
        QVERIFY(QFile(PathOf("kurz.krg")).resize(SavedGameSize - 1));
        // A name in another encoding than the system's; Qt would read it as "kneipe\uFFFD.krg".
        std::filesystem::copy_file(QFile::encodeName(PathOf("kneipe.krg")).toStdString(),
                                   QFile::encodeName(dir_.path()).toStdString() +
                                       "/kneipe\xE4.krg");
    }

    void loadsAsLadenDoes_data() {
        QTest::addColumn<QByteArray>("argument"); // the file's name on the command line
        QTest::addColumn<QString>("file");        // the same game for "Laden"
        QTest::addColumn<QString>("message");     // empty: the game is loaded
        QTest::addColumn<int>("managementButtons");
        QTest::newRow("leased pub") << QByteArray("kneipe.krg") << "kneipe.krg"
                                    << "" << 9;
        QTest::newRow("no pub yet") << QByteArray("ohne_kneipe.krg") << "ohne_kneipe.krg"
                                    << "" << 0;
        QTest::newRow("too short") << QByteArray("kurz.krg") << "kurz.krg"
                                   << "Read beyond end of file" << 0;
        QTest::newRow("missing") << QByteArray("fehlt.krg") << "fehlt.krg"
                                 << "File not found" << 0;
        QTest::newRow("name not UTF-8") << QByteArray("kneipe\xE4.krg") << "kneipe.krg"
                                        << "" << 9;
    }
    void loadsAsLadenDoes() {
        QFETCH(QByteArray, argument);
        QFETCH(QString, file);
        QFETCH(QString, message);
        QFETCH(int, managementButtons);
        const Outcome laden = LoadedWithLaden(dir_.filePath(file));
        const Outcome commandLine =
            LoadedFromCommandLine(QFile::encodeName(dir_.path()) + '/' + argument);

        QCOMPARE(commandLine.Messages, laden.Messages);
        QCOMPARE(commandLine.Buttons, laden.Buttons);
        QCOMPARE(commandLine.Money, laden.Money);
        QCOMPARE(commandLine.Clock, laden.Clock);
        QCOMPARE(commandLine.TimerRunning, laden.TimerRunning);
        QCOMPARE(commandLine.Interval, laden.Interval);
        QVERIFY(commandLine.Game == laden.Game);
        QCOMPARE(commandLine.Drawn, laden.Drawn);

        // And what "Laden" does is what the player expects.
        const bool loaded = message.isEmpty();
        QCOMPARE(commandLine.Messages, loaded ? QStringList{} : QStringList{message});
        int shown = 0;
        for (const QString& name : ManagementButtons)
            shown += commandLine.Buttons.contains(name) ? 1 : 0;
        QCOMPARE(shown, managementButtons);
        // A game that cannot be loaded leaves the freshly started program: no game, no time.
        QCOMPARE(commandLine.Buttons.contains("Button1"), !loaded);
        QCOMPARE(commandLine.TimerRunning, loaded);
        QCOMPARE(commandLine.Interval, loaded ? 500000000 : 400);
        QCOMPARE(commandLine.Money.isEmpty(), !loaded);
    }
};

QTEST_MAIN(CommandLineLoadTest)
#include "command_line_load_test.moc"
