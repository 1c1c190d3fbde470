// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/ui_test_support.h"
#include "ui/form12_bank.h"
#include "ui/form3_staff.h"
#include "ui/form4_cards.h"
#include "ui/form9_storage.h"

#include <QCheckBox>
#include <QProgressBar>
#include <QtTest>

#include <deque>

namespace {

// Hands out the given draws and records the ranges asked for.
class ListedRandom final : public RandomSource {
public:
    std::deque<int> Draws;
    std::vector<int> Ranges;
    int Random(int n) override {
        Ranges.push_back(n);
        if (Draws.empty())
            return 0;
        const int value = Draws.front();
        Draws.pop_front();
        return value;
    }
    void Randomize() override {}
};

void Stock(TArticle& article, int stock, int deliveryMinutes = 0) {
    article.OnCard = true;
    article.Stock = stock;
    article.DeliveryMinutes = deliveryMinutes;
}

// A pub whose price rating and crowd bring a guest every game minute, at 10:00.
void LeaseBusyPub(GameState& state) {
    state.LeasedLocation = 1;
    state.Locations[1].Leased = true;
    state.Locations[1].PotentialCustomers = 19999;
    state.GameClock = 45000 + 10.0 / 24;
}

void Select(QListWidget* list, const QString& name) {
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    QVERIFY(found.size() == 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.front()).center());
}

} // namespace

class StorageAndStaffDialogs : public QObject {
    Q_OBJECT
    ListedRandom rng_;

private slots:
    void init() {
        rng_.Draws.clear();
        rng_.Ranges.clear();
        StartProgram(&rng_);
        // Running, but no tick comes while a test looks.
        Session->SetTimerInterval(500000000);
        Session->SetTimerEnabled(true);
    }
    void cleanup() { DestroyForms(); }

    void listsSplitAtTheMinimum() {
        GameState& state = Session->state();
        state.Controls.MinStockLevel = 10;
        SetName(state.Drinks[1], "Pils");
        Stock(state.Drinks[1], 10);
        SetName(state.Wines[1], "Müller-Thurgau");
        Stock(state.Wines[1], 11);
        SetName(state.Dishes[1], "Gulasch");
        Stock(state.Dishes[1], 0);
        Stock(state.Dishes[2], 5, 30); // on order: in neither list
        Stock(state.Dishes[3], 50, 30);
        SetName(state.Drinks[2], "gelbe Limonade");
        Stock(state.Drinks[2], 300);
        state.Drinks[3].Stock = 0; // not on a card
        QVERIFY(ShowAndPaint(Form9));
        QCOMPARE(Entries(Form9->ListBox1), QStringList({"Gulasch", "Pils"}));
        QCOMPARE(Entries(Form9->ListBox2),
                 QStringList({"gelbe Limonade", "Müller-Thurgau", "Speise 3"}));
        QCOMPARE(Form9->Label1->text(),
                 QStringLiteral("Folgende Artikel sind nach \nIhren Einstellungen knapp:"));

        Select(Form9->ListBox2, QStringLiteral("Müller-Thurgau"));
        QCOMPARE(Form9->Label4->text(), QStringLiteral("Lagerbestand: 11"));
        // Repaints that change nothing keep the selection and the stock shown.
        Repaint(Form9);
        QCOMPARE(Form9->Label4->text(), QStringLiteral("Lagerbestand: 11"));
        QCOMPARE(Form9->ListBox2->selectedItems().size(), 1);
        // A sale that moves an article to the other list rebuilds both at the next paint.
        state.Wines[1].Stock = 10;
        Repaint(Form9);
        QCOMPARE(Entries(Form9->ListBox1), QStringList({"Gulasch", "Müller-Thurgau", "Pils"}));
        QCOMPARE(Form9->Label4->text(), QString());
        QCOMPARE(Form9->ListBox2->selectedItems().size(), 0);
    }

    void leftButtonReordersTheSelectionWithANoticeWhileTheGameStands() {
        GameState& state = Session->state();
        SetName(state.Dishes[4], "Gulasch");
        Stock(state.Dishes[4], 3);
        Stock(state.Drinks[5], 3);
        QVERIFY(ShowAndPaint(Form9));

        MessageAnswerer player;
        QTest::mouseClick(Form9->Button1, Qt::LeftButton);
        QCOMPARE(player.Texts,
                 QStringList({"Bitte die Ware, die Sie nachbestellen wollen auswählen."}));
        QVERIFY(rng_.Ranges.empty());

        player.Texts.clear();
        bool timerDuringNotice = true;
        player.OnMessage = [&](const QString&) { timerDuringNotice = Session->TimerEnabled(); };
        rng_.Draws = {0};
        Select(Form9->ListBox1, QStringLiteral("Gulasch"));
        QCOMPARE(Form9->Label2->text(), QStringLiteral("Lagerbestand: 3"));
        QTest::mouseClick(Form9->Button1, Qt::LeftButton);
        QCOMPARE(player.Texts, QStringList({"Speise \"Gulasch\" wurde nachbestellt. Sie wird in 1 "
                                            "Minuten geliefert."}));
        QCOMPARE(rng_.Ranges, std::vector<int>{600});
        QCOMPARE(state.Dishes[4].DeliveryMinutes, 1);
        QVERIFY(!timerDuringNotice);
        QVERIFY(Session->TimerEnabled());
        QCOMPARE(Entries(Form9->ListBox1), QStringList({"Getränk 5"}));
        QCOMPARE(Form9->Label2->text(), QString());

        // Without delivery times wanted, nothing is shown.
        state.Controls.NotifyDeliveryTime = false;
        player.Texts.clear();
        rng_.Draws = {250};
        Select(Form9->ListBox1, QStringLiteral("Getränk 5"));
        QTest::mouseClick(Form9->Button1, Qt::LeftButton);
        QVERIFY(player.Texts.isEmpty());
        QCOMPARE(state.Drinks[5].DeliveryMinutes, 250);
        QCOMPARE(Form9->ListBox1->count(), 0);
    }

    void reorderAllEmptiesTheShortListSilently() {
        GameState& state = Session->state();
        SetName(state.Wines[1], "Riesling");
        SetName(state.Drinks[1], "Apfelsaft");
        SetName(state.Dishes[1], "Bratwurst");
        Stock(state.Wines[1], 0);
        Stock(state.Drinks[1], 0);
        Stock(state.Dishes[1], 0);
        QVERIFY(ShowAndPaint(Form9));
        Form9->CheckBox1->setChecked(true);

        MessageAnswerer player;
        rng_.Draws = {10, 0, 30};
        QTest::mouseClick(Form9->Button1, Qt::LeftButton);
        QVERIFY(player.Texts.isEmpty());
        QCOMPARE(Form9->ListBox1->count(), 0);
        // Alphabetical order: Apfelsaft, Bratwurst, Riesling.
        QCOMPARE(state.Drinks[1].DeliveryMinutes, 10);
        QCOMPARE(state.Dishes[1].DeliveryMinutes, 1);
        QCOMPARE(state.Wines[1].DeliveryMinutes, 30);
        QCOMPARE(rng_.Ranges.size(), 3u);

        QTest::mouseClick(Form9->Button1, Qt::LeftButton);
        QVERIFY(player.Texts.isEmpty());
        QCOMPARE(rng_.Ranges.size(), 3u);
    }

    void rightButtonAlwaysTellsAndLeavesTheListsAlone() {
        GameState& state = Session->state();
        state.Controls.NotifyDeliveryTime = false;
        SetName(state.Wines[2], "Merlot");
        Stock(state.Wines[2], 40, 200);
        QVERIFY(ShowAndPaint(Form9));

        MessageAnswerer player;
        QTest::mouseClick(Form9->Button2, Qt::LeftButton);
        QCOMPARE(player.Texts,
                 QStringList({"Bitte die Ware, die Sie nachbestellen wollen auswählen."}));

        player.Texts.clear();
        bool timerDuringNotice = false;
        player.OnMessage = [&](const QString&) { timerDuringNotice = Session->TimerEnabled(); };
        rng_.Draws = {77};
        Select(Form9->ListBox2, QStringLiteral("Merlot"));
        QTest::mouseClick(Form9->Button2, Qt::LeftButton);
        QCOMPARE(player.Texts, QStringList({"Wein \"Merlot\" wurde nachbestellt. Er wird in 77 "
                                            "Minuten geliefert."}));
        QVERIFY(timerDuringNotice);
        QCOMPARE(state.Wines[2].DeliveryMinutes, 77);
        QCOMPARE(Form9->Label4->text(), QStringLiteral("Lagerbestand: 40"));
    }

    // At "Schnell (3)" guests buy every game minute and the lists change under the mouse: the
    // button's hover and press repaint the window, and its rebuild must keep the choice.
    void reorderWithTheMouseWhileGuestsBuyAtFullSpeed() {
        DestroyForms();
        ControlledRandom rng;
        StartProgram(&rng);
        GameState& state = Session->state();
        LeaseBusyPub(state);
        state.Controls.MinStockLevel = 100;
        for (int i = 1; i <= DrinkCount; ++i) {
            Stock(state.Drinks[i], i == 1 ? 0 : 101);
            state.Drinks[i].Popularity = 40;
            state.Drinks[i].SalePrice = 1;
        }
        SetName(state.Drinks[1], "Pils");
        QVERIFY(ShowAndPaint(Form9));
        Select(Form9->ListBox1, QStringLiteral("Pils"));
        QCOMPARE(Form9->Label2->text(), QStringLiteral("Lagerbestand: 0"));

        MessageAnswerer player;
        Session->SetTimerInterval(1);
        Session->SetTimerEnabled(true);
        const QPoint onButton = Form9->Button1->rect().center();
        const int shortBefore = Form9->ListBox1->count();
        QTest::mouseMove(Form9->Button1, onButton);
        QTest::qWait(30);
        QTest::mousePress(Form9->Button1, Qt::LeftButton, {}, onButton);
        QTRY_VERIFY(Form9->ListBox1->count() > shortBefore); // sales moved articles
        QTest::mouseRelease(Form9->Button1, Qt::LeftButton, {}, onButton);
        Session->SetTimerEnabled(false);
        QCOMPARE(player.Texts.size(), 1);
        QVERIFY2(player.Texts.front().startsWith(QStringLiteral("Getränk \"Pils\" wurde")),
                 qPrintable(player.Texts.front()));
        QVERIFY(state.Drinks[1].DeliveryMinutes > 0);
    }

    void staffPagingHiringAndTheBar() {
        GameState& state = Session->state();
        for (int i = 1; i <= StaffCount; ++i) {
            TStaffMember& member = state.StaffPool[i];
            member.Name = ShortString50::FromUtf8("Person " + std::to_string(i));
            member.Experience = i <= 10 ? i : 10;
            member.Kind = i % 2;
            member.WagePerDay = 4 * member.Experience;
        }
        state.StaffCursor = 1;
        QVERIFY(ShowAndPaint(Form3));
        QCOMPARE(Form3->Label4->text(), QStringLiteral("Person 1"));
        QCOMPARE(Form3->Label8->text(), QStringLiteral("Koch"));
        QCOMPARE(Form3->Label6->text(), QStringLiteral("4 € / Tag"));
        QCOMPARE(Form3->ProgressBar1->value(), 1);
        QCOMPARE(Form3->ProgressBar1->minimum(), 1);
        QCOMPARE(Form3->ProgressBar1->maximum(), 10);

        QTest::mouseClick(Form3->Button1, Qt::LeftButton);
        QCOMPARE(state.StaffCursor, 1);
        for (int i = 0; i < 25; ++i)
            QTest::mouseClick(Form3->Button2, Qt::LeftButton);
        QCOMPARE(state.StaffCursor, 20);
        QCOMPARE(Form3->Label4->text(), QStringLiteral("Person 20"));
        QCOMPARE(Form3->Label8->text(), QStringLiteral("Bedienung"));
        QCOMPARE(Form3->ProgressBar1->value(), 10);
        QVERIFY(Form3->Button3->isVisible());
        QVERIFY(!Form3->Button4->isVisible());

        state.Wealth = 500;
        QTest::mouseClick(Form3->Button3, Qt::LeftButton);
        QVERIFY(state.StaffPool[20].Employed);
        QCOMPARE(state.Wealth, 500.0);
        QVERIFY(!Form3->Button3->isVisible());
        QVERIFY(Form3->Button4->isVisible());

        // A damaged game's cursor is brought back into the pool.
        state.StaffCursor = 77;
        Repaint(Form3);
        QCOMPARE(Form3->Label4->text(), QStringLiteral("Person 20"));
        QCOMPARE(state.StaffCursor, 20);
    }

    void dismissalTellsFirstThenPaysTheLastWage() {
        GameState& state = Session->state();
        TStaffMember& member = state.StaffPool[3];
        member.Name = ShortString50::FromUtf8("Günther");
        member.WagePerDay = 40;
        member.Experience = 10;
        member.Employed = true;
        member.HireDate = 45000;
        state.StaffCursor = 3;
        state.Wealth = 10;
        QVERIFY(ShowAndPaint(Form3));
        QVERIFY(Form3->Button4->isVisible());

        MessageAnswerer player;
        double wealthDuringMessage = 0;
        bool employedDuringMessage = true;
        player.OnMessage = [&](const QString&) {
            wealthDuringMessage = state.Wealth;
            employedDuringMessage = member.Employed;
        };
        QTest::mouseClick(Form3->Button4, Qt::LeftButton);
        QCOMPARE(player.Texts, QStringList({"Günther bekommt heute sein letztes Gehalt."}));
        QCOMPARE(wealthDuringMessage, 10.0);
        QVERIFY(!employedDuringMessage);
        QCOMPARE(state.Wealth, -30.0);
        QCOMPARE(member.HireDate, 0.0);
        QCOMPARE(Form4->Label3->text(), Money("-30.00"));
        QVERIFY(Form3->Button3->isVisible());
        QVERIFY(!Form3->Button4->isVisible());
    }
};

QTEST_MAIN(StorageAndStaffDialogs)
#include "storage_staff_dialogs_test.moc"
