// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_test_support.h"

#include "game/game_state.h"
#include "persistence/save_game.h"
#include "ui/form2_lease.h"
#include "ui/form4_cards.h"
#include "ui/form7_settings.h"
#include "ui/spin_edit.h"
#include "widgets/led_meter.h"

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {
// How many of the nine management buttons are visible.
int VisibleManagementButtons() {
    int visible = 0;
    for (const QString& name : VisibleButtons())
        visible += ManagementButtons.contains(name) ? 1 : 0;
    return visible;
}

std::vector<std::uint8_t> Image() {
    return EncodeSavedGame(Session->state());
}
} // namespace

class SaveLoadTest : public QObject {
    Q_OBJECT
    std::unique_ptr<ProgramRun> run_;
    std::unique_ptr<QTemporaryDir> dir_;
    int dialogsShown_ = 0;
    int dialogsWithTimerRunning_ = 0;

    QString PathOf(const QString& name) const { return dir_->filePath(name); }

    // Both file dialogs hand back `path`; an empty path is a cancelled dialog.
    void DialogsAnswer(const QString& path) {
        const auto answer = [this, path] {
            ++dialogsShown_;
            if (Session->TimerEnabled())
                ++dialogsWithTimerRunning_;
            return path;
        };
        Form1->SaveDialog1 = answer;
        Form1->OpenDialog1 = answer;
    }

    void StartAndLease(int location) {
        Form1->Button1Click();
        Session->state().LocationCursor = location;
        Form1->Button2Click();
        QTest::mouseClick(Form2->Button3, Qt::LeftButton);
    }

private slots:
    void init() {
        run_ = std::make_unique<ProgramRun>();
        dir_ = std::make_unique<QTemporaryDir>();
        dialogsShown_ = 0;
        dialogsWithTimerRunning_ = 0;
    }
    void cleanup() {
        QCOMPARE(dialogsWithTimerRunning_, 0); // the timer stops before every file dialog
        run_.reset();
        dir_.reset();
    }

    void savedGameComesBackWithItsSettingsAndStage() {
        StartAndLease(5);
        QTest::mouseClick(Form7->RadioItems[3], Qt::LeftButton);
        Form7->SpinEdit2->SetValue(77);
        Form7->CheckBox2->setChecked(false);
        Session->state().Wealth = 12345.67;
        const std::vector<std::uint8_t> saved = Image();

        DialogsAnswer(PathOf("spielstand.krg"));
        MessageAnswerer answerer;
        Form1->Button11Click();
        QCOMPARE(dialogsShown_, 1);
        QVERIFY(answerer.Texts.isEmpty());
        QVERIFY(Session->TimerEnabled());
        QCOMPARE(QFileInfo(PathOf("spielstand.krg")).size(), qint64(SavedGameSize));

        // Play on, then load.
        QTest::mouseClick(Form7->RadioItems[0], Qt::LeftButton);
        Form7->SpinEdit2->SetValue(5);
        Session->state().Wealth = 1;
        Session->state().Locations[9].Leased = true;
        Form1->Button12Click();

        QVERIFY(answerer.Texts.isEmpty());
        QVERIFY(Image() == saved);
        QCOMPARE(Form7->ItemIndex(), 3);
        QCOMPARE(Form7->SpinEdit2->Value(), 77);
        QVERIFY(!Form7->CheckBox2->isChecked());
        QCOMPARE(Form1->Timer1->interval(), 500000000);
        QVERIFY(Session->TimerEnabled());
        QCOMPARE(VisibleManagementButtons(), 9);
        QVERIFY(!Form1->Button2->isEnabled());
        QVERIFY(!Form1->Button1->isEnabled());
        QCOMPARE(Form1->Label1->text(), QStringLiteral("Vermögen: 12345.67 €"));
    }

    // A load shows the loaded game at once: all five gauges, and a card list left open (the
    // event window shows the main window beside it) lists the loaded game's articles.
    void loadShowsTheLoadedGameEverywhere() {
        StartAndLease(3);
        GameState& state = Session->state();
        TLocation& pub = state.Locations[3];
        pub.Variety = 30;
        pub.EntertainmentFactor = 50;
        state.StaffPool[1].Employed = true;
        SetName(state.Drinks[1], "Pils");
        SetName(state.Drinks[2], "Cola");
        state.Drinks[1].Known = state.Drinks[2].Known = true;
        state.Drinks[3].OnCard = true; // the mean margin 1.5 rates the prices 50
        state.Drinks[3].PurchasePrice = 1;
        state.Drinks[3].SalePrice = 2.5;
        DialogsAnswer(PathOf("a.krg"));
        Form1->Button11Click();

        // Another game: the names swapped, the gauges elsewhere, the drinks card open.
        SetName(state.Drinks[1], "Cola");
        SetName(state.Drinks[2], "Pils");
        for (TLEDMeter* gauge : {Form1->Progressbar1, Form1->Progressbar2, Form1->Progressbar3,
                                 Form1->Progressbar4, Form1->Progressbar5})
            gauge->SetPosition(7);
        Form1->Button4Click();
        Form1->show();
        Form1->Button12Click();

        QCOMPARE(Form1->Progressbar1->Position(), 30);  // "Vielfalt:"
        QCOMPARE(Form1->Progressbar2->Position(), 50);  // "Unterhaltungsfaktor:"
        QCOMPARE(Form1->Progressbar3->Position(), 50);  // "Preise:"
        QCOMPARE(Form1->Progressbar5->Position(), 17);  // "Schnelligkeit Personal:", 5/30
        QCOMPARE(Form1->Progressbar4->Position(), 100); // "Gesamtattraktivität:", 147 shown full
        const QList<QListWidgetItem*> pils =
            Form4->CheckListBox1->findItems(QStringLiteral("Pils"), Qt::MatchExactly);
        QCOMPARE(pils.size(), 1);
        pils.front()->setCheckState(Qt::Checked);
        QVERIFY(state.Drinks[1].OnCard);
        QVERIFY(!state.Drinks[2].OnCard);
    }

    void loadingAGameWithoutPubReopensTheLease() {
        Form1->Button1Click();
        DialogsAnswer(PathOf("ohne_kneipe.krg"));
        Form1->Button11Click();
        Session->state().LocationCursor = 2;
        Form1->Button2Click();
        Form2->Button3->click();
        QCOMPARE(VisibleManagementButtons(), 9);

        Form1->Button12Click();
        QCOMPARE(VisibleManagementButtons(), 0);
        QVERIFY(Form1->Button2->isEnabled());
        QVERIFY(Form1->Button11->isVisible());
        QVERIFY(!Session->state().Locations[2].Leased);
    }

    void loadBeforeAnyGameStartsTheLoadedGame() {
        StartAndLease(1);
        DialogsAnswer(PathOf("a.krg"));
        Form1->Button11Click();
        run_.reset(); // a fresh program
        run_ = std::make_unique<ProgramRun>();
        DialogsAnswer(PathOf("a.krg"));
        Form1->Button12Click();
        QVERIFY(!Form1->Button1->isEnabled());
        QVERIFY(Form1->Label1->isVisible());
        QCOMPARE(VisibleManagementButtons(), 9);
        QVERIFY(Session->TimerEnabled());
        QCOMPARE(Session->state().LeasedLocation, 1);
    }

    void failedLoadLeavesTheGameAsItWas() {
        StartAndLease(3);
        DialogsAnswer(PathOf("kurz.krg"));
        Form1->Button11Click();
        QFile file(PathOf("kurz.krg"));
        QVERIFY(file.resize(SavedGameSize - 1));

        Session->state().Wealth = 4321;
        Form1->vermoegenanzeigen();
        const std::vector<std::uint8_t> before = Image();
        const QString clock = Form1->Label2->text();
        MessageAnswerer answerer;
        Form1->Button12Click();

        QCOMPARE(answerer.Texts, QStringList{"Read beyond end of file"});
        QVERIFY(Image() == before);
        QVERIFY(Session->TimerEnabled());
        QCOMPARE(VisibleManagementButtons(), 9);
        QCOMPARE(Form1->Label1->text(), QStringLiteral("Vermögen: 4321.00 €"));
        QCOMPARE(Form1->Label2->text(), clock);

        DialogsAnswer(PathOf("fehlt.krg"));
        Form1->Button12Click();
        QCOMPARE(answerer.Texts.last(), QStringLiteral("File not found"));
        QVERIFY(Image() == before);
    }

    void failedLoadBeforeAnyGameKeepsTheTimerOff() {
        DialogsAnswer(PathOf("fehlt.krg"));
        MessageAnswerer answerer;
        Form1->Button12Click();
        QCOMPARE(answerer.Texts, QStringList{"File not found"});
        QVERIFY(!Session->TimerEnabled());
        QVERIFY(Form1->Button1->isEnabled());
        QVERIFY(!Form1->Button2->isVisibleTo(Form1));
    }

    void cancelledLoadChangesNothing() {
        Session->SetTimerInterval(1000);
        DialogsAnswer(QString());
        Form1->Button12Click();
        QCOMPARE(dialogsShown_, 1);
        QVERIFY(!Session->TimerEnabled());
        QVERIFY(Form1->Button1->isEnabled());
        QVERIFY(!Form1->Label1->isVisibleTo(Form1));
        QCOMPARE(Form1->Timer1->interval(), 1000);

        Form1->Button1Click();
        Form1->Button12Click();
        QVERIFY(Session->TimerEnabled());
    }

    void cancelledOrFailedSaveRestartsTheTimer() {
        Form1->Button1Click();
        DialogsAnswer(QString());
        Form1->Button11Click();
        QVERIFY(Session->TimerEnabled());

        MessageAnswerer answerer;
        DialogsAnswer(PathOf("kein/ordner/spielstand.krg"));
        Form1->Button11Click();
        QCOMPARE(answerer.Texts, QStringList{"File not found"});
        QVERIFY(Session->TimerEnabled());
    }

    void defaultDialogsAreSetUpAsThePlayerExpects() {
        // The real dialogs, described and then cancelled with Escape as soon as they appear.
        QStringList seen;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            seen << dialog->windowTitle() + " | " + dialog->nameFilters().join(";") + " | " +
                        dialog->defaultSuffix() + " | " +
                        (dialog->acceptMode() == QFileDialog::AcceptSave ? "save" : "open");
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        poll.start(20);
        Form1->Button1Click();
        Form1->Button11Click();
        Form1->Button12Click();
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[0],
                 "Spielstand speichern | \"Das Krugheim\" Spielstände (*.krg) | krg | save");
        // The open dialog keeps the system's own title.
        QVERIFY(seen[1].endsWith(" | \"Das Krugheim\" Spielstände (*.krg) | krg | open"));
        QVERIFY(!seen[1].startsWith("Spielstand"));
        QVERIFY(Session->TimerEnabled());
    }
};

QTEST_MAIN(SaveLoadTest)
#include "save_load_test.moc"
