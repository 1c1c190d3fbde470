// SPDX-License-Identifier: GPL-3.0-or-later
// A dialog needs the game session and nothing else: no main window, no other dialog.

#include "game/game_state.h"
#include "ui/form12_bank.h"
#include "ui/form2_lease.h"
#include "ui/game_session.h"
#include "ui_test_support.h"

#include <QSignalSpy>

class GameSessionTest : public QObject {
    Q_OBJECT

private slots:
    void dialogsFollowTheSessionAlone() {
        ControlledRandom rng;
        GameSession session(&rng);
        session.EndProgram = [] {};
        TForm2 lease(session);
        TForm12 bank(session);
        QSignalSpy leaseStages(&session, &GameSession::LeaseStageChanged);
        QSignalSpy closed(&lease, &TDialogForm::Closed);

        session.StartNewGame();
        session.SetTimerEnabled(false);
        QCOMPARE(bank.Label1->text(), Money("10000.00"));
        session.state().Wealth = 12.5;
        session.ShowMoney();
        QCOMPARE(bank.Label1->text(), Money("12.50"));

        lease.show();
        lease.close(); // nothing leased: the stage stays
        QCOMPARE(closed.count(), 1);
        QCOMPARE(leaseStages.count(), 0);
        lease.show();
        lease.Button3->click(); // "Pachten", which closes the dialog
        QVERIFY(!lease.isVisible());
        QCOMPARE(closed.count(), 2);
        QCOMPARE(leaseStages.count(), 1);
        QCOMPARE(leaseStages.front().front().toBool(), true);
        QCOMPARE(session.state().LeasedLocation, 1);
    }
};

QTEST_MAIN(GameSessionTest)
#include "game_session_test.moc"
