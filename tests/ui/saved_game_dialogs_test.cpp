// SPDX-License-Identifier: GPL-3.0-or-later
// The real file dialogs of "Speichern" and "Laden": where they open, and that a run leaves the
// player's home folder as it found it. The program runs with a home folder of its own, set
// before Qt starts, so that whatever Qt would write there shows up.
#include "ui_test_support.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cstdlib>

namespace {

// Plays the part of the player at every file dialog: notes the folder it opened in, then
// chooses the next answer (an empty one cancels).
class DialogPlayer final : public QObject {
public:
    QStringList OpenedIn;
    QStringList Answers;

    DialogPlayer() {
        connect(&poll_, &QTimer::timeout, this, [this] { Answer(); });
        poll_.start(10);
    }

private:
    void Answer() {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || Answers.isEmpty())
            return;
        OpenedIn << dialog->directory().absolutePath();
        const QString path = Answers.takeFirst();
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        // The player goes to the folder and types the name, then presses the accept button.
        const QFileInfo chosen(path);
        dialog->setDirectory(chosen.absolutePath());
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(chosen.fileName());
        static_cast<QDialog*>(dialog)->accept();
        if (dialog->isVisible()) { // refused: the test fails instead of waiting for ever
            OpenedIn << QStringLiteral("<refused %1>").arg(path);
            dialog->reject();
        }
    }

    QTimer poll_;
};

QStringList EverythingBelow(const QString& folder) {
    QStringList found;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next();
    return found;
}

} // namespace

class SavedGameDialogsTest : public QObject {
    Q_OBJECT
    QTemporaryDir games_;

    QString Home() const { return QDir::homePath(); }
    QString GamesIn(const QString& folder) const {
        QDir(games_.path()).mkpath(folder);
        return games_.filePath(folder);
    }

private slots:
    void dialogsOpenAtHomeThenWhereTheLastFileWasChosen() {
        const QString first = GamesIn("spiele");
        const QString second = GamesIn("andere");
        auto run = std::make_unique<ProgramRun>();
        MessageAnswerer messages;
        DialogPlayer player;
        Form1->Button1Click();
        player.Answers = {first + "/a", "", second + "/b.krg", ""};
        Form1->Button11Click();                                    // save a.krg
        Form1->Button11Click();                                    // cancelled
        QVERIFY(QFile::copy(first + "/a.krg", second + "/b.krg")); // another game elsewhere
        Form1->Button12Click();                                    // load b.krg
        Form1->Button11Click();                                    // cancelled
        QCOMPARE(player.OpenedIn, (QStringList{Home(), first, first, second}));
        QVERIFY(messages.Texts.isEmpty());

        // A new run remembers nothing.
        run.reset();
        run = std::make_unique<ProgramRun>();
        player.OpenedIn.clear();
        player.Answers = {""};
        Form1->Button12Click();
        QCOMPARE(player.OpenedIn, QStringList{Home()});
    }

    void aRunWritesNothingButTheSavedGames() {
        const QString folder = GamesIn("nur_spiele");
        {
            ProgramRun run;
            DialogPlayer player;
            Form1->Button1Click();
            player.Answers = {folder + "/a.krg", folder + "/a.krg", folder + "/b.krg"};
            Form1->Button11Click();
            Form1->Button12Click();
            Form1->Button11Click();
        }
        QCOMPARE(EverythingBelow(Home()), QStringList());
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{"a.krg", "b.krg"}));
    }
};

// The home folder is the program's own from before Qt reads it: Qt looks up its paths once.
int main(int argc, char** argv) {
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/krugheim-home-XXXXXX"));
    if (!home.isValid())
        return 1;
    qputenv("HOME", QFile::encodeName(home.path()));
    for (const char* variable :
         {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
        qunsetenv(variable);
    QApplication app(argc, argv);
    SavedGameDialogsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "saved_game_dialogs_test.moc"
