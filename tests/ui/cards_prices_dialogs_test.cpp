// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/ui_test_support.h"
#include "ui/form12_bank.h"
#include "ui/form4_cards.h"
#include "ui/form8_prices.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

namespace {

// Toggles an entry's box as a player does with the keyboard.
void Toggle(QListWidget* list, const QString& name) {
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    QVERIFY(found.size() == 1);
    list->setCurrentItem(found.front());
    QTest::keyClick(list, Qt::Key_Space);
}

// Names the first articles of a kind in this order and makes them known.
void Know(ArticleKind kind, std::initializer_list<const char*> names) {
    int i = 0;
    for (const char* name : names) {
        TArticle& article = Article(Session->state(), kind, ++i);
        SetName(article, name);
        article.Known = true;
    }
}

void OpenDrinksCard() {
    Form1->hide();
    Form4->FormPaint(Form1->Button4);
    Form4->show();
}

} // namespace

class CardsAndPricesDialogs : public QObject {
    Q_OBJECT
private slots:
    void init() { StartProgram(); }
    void cleanup() { DestroyForms(); }

    void fillsOnlyWhenTheMainWindowsButtonAsks() {
        GameState& state = Session->state();
        Know(ArticleKind::Drink, {"Zitronenlimonade", "gelbe Limonade", "Bier", "stilles Wasser",
                                  "Apfelsaft", "Kaffee"});
        state.Drinks[6].OnCard = true;

        Form4->FormPaint(Form1->Button5);
        Form4->FormPaint(nullptr);
        QCOMPARE(Form4->CheckListBox1->count(), 0);

        OpenDrinksCard();
        QCOMPARE(Entries(Form4->CheckListBox1),
                 QStringList({"Apfelsaft", "Bier", "gelbe Limonade", "Kaffee", "stilles Wasser",
                              "Zitronenlimonade"}));
        QCOMPARE(Ticked(Form4->CheckListBox1), QStringList({"Kaffee"}));
        QCOMPARE(Form4->Label2->text(), QStringLiteral("Ihnen sind 6 von 50 Getränken bekannt."));

        // Known later: only the next opening shows it; an ordinary repaint does not.
        state.Drinks[7].Known = true;
        Repaint(Form4);
        QCOMPARE(Form4->CheckListBox1->count(), 6);
        OpenDrinksCard();
        QCOMPARE(Form4->CheckListBox1->count(), 7);
    }

    void winesSortByGermanCollation() {
        Know(ArticleKind::Wine,
             {"Riesling", "Müller-Thurgau", "Nahe Weißburgunder", "Merlot", "muskateller"});
        Form6->FormPaint(Form1->Button6);
        QCOMPARE(Entries(Form6->CheckListBox1),
                 QStringList({"Merlot", "Müller-Thurgau", "muskateller", "Nahe Weißburgunder",
                              "Riesling"}));
        QCOMPARE(Form6->Label2->text(), QStringLiteral("Ihnen sind 5 von 30 Weinen bekannt."));
    }

    void helpTextsKeepTheirBlanks() {
        QCOMPARE(Form4->Label1->text(),
                 QStringLiteral("Um ein Getränk der Karte hinzuzufügen, \nklicken Sie einfach das "
                                "Kästchen vor\ndem jeweiligen Getränk an.\n\nBitte beachten "
                                "Sie:\nFür jedes Getränk auf der Karte  muß ein\nentsprechender "
                                "Vorrat im Lager vorhanden\nsein (Mehrkosten)."));
        QVERIFY(Form5->Label1->text().startsWith(
            QStringLiteral("Um eine Speise der Karte hinzuzufügen, \n")));
        QVERIFY(Form5->Label1->text().contains(
            QStringLiteral("\nder jeweiligen Speise an.\n\nBitte beachten Sie:\nFür jede Speise "
                           "auf der Karte  muß ein\n")));
        QVERIFY(Form6->Label1->text().contains(
            QStringLiteral("des jeweiligen Weines an.\n\nBitte beachten Sie:\nFür jeden Wein auf "
                           "der Karte  muß ein\n")));
        QCOMPARE(Form4->Label3->y(), 125);
        QCOMPARE(Form5->Label3->y(), 124);
        QCOMPARE(Form6->Label3->y(), 125);
        QCOMPARE(Form4->windowTitle(), QStringLiteral("Getränkekarte"));
        QCOMPARE(Form5->windowTitle(), QStringLiteral("Speisekarte"));
        QCOMPARE(Form6->windowTitle(), QStringLiteral("Weinkarte"));
    }

    void tickingBuysTheFirstStock() {
        GameState& state = Session->state();
        TArticle& pils = state.Drinks[3];
        SetName(pils, "Pils");
        pils.Known = true;
        pils.PurchasePrice = 8;
        OpenDrinksCard();

        MessageAnswerer player;
        Toggle(Form4->CheckListBox1, "Pils");
        QVERIFY(player.Texts.isEmpty());
        QVERIFY(pils.OnCard);
        QCOMPARE(pils.Stock, 20);
        QCOMPARE(pils.SalePrice, 9.5);
        QCOMPARE(state.Wealth, 9840.0);
        for (QLabel* label :
             {Form1->Label1, Form4->Label3, Form5->Label3, Form6->Label3, Form12->Label1})
            QCOMPARE(label->text(), Money("9840.00"));

        // Off the card: nothing comes back; on again: bought again at the first price.
        pils.SalePrice = 12;
        Toggle(Form4->CheckListBox1, "Pils");
        QVERIFY(!pils.OnCard);
        QCOMPARE(pils.Stock, 20);
        QCOMPARE(pils.SalePrice, 12.0);
        Toggle(Form4->CheckListBox1, "Pils");
        QCOMPARE(pils.Stock, 40);
        QCOMPARE(pils.SalePrice, 9.5);
        QCOMPARE(state.Wealth, 9680.0);
    }

    void aTickThatCannotBePaidIsRefused() {
        GameState& state = Session->state();
        state.Wealth = 100;
        TArticle& dish = state.Dishes[2];
        dish.Known = true;
        dish.PurchasePrice = 5.01;
        Form5->FormPaint(Form1->Button5);

        MessageAnswerer player;
        Toggle(Form5->CheckListBox1, "Speise 2");
        QCOMPARE(player.Texts, QStringList({"Sie haben leider nicht genügend Geld, um den Vorrat "
                                            "im Lager zu bezahlen."}));
        QVERIFY(!dish.OnCard);
        QCOMPARE(dish.Stock, 0);
        QCOMPARE(state.Wealth, 100.0);
        // The mark stays as the player set it until the next rebuild.
        QCOMPARE(Ticked(Form5->CheckListBox1), QStringList({"Speise 2"}));
        Form5->FormPaint(Form1->Button5);
        QCOMPARE(Ticked(Form5->CheckListBox1), QStringList());
    }

    void selectAllPaysWhatItCanAndTellsOnce() {
        GameState& state = Session->state();
        state.Wealth = 1000;
        state.Controls.CardOrderQuantity = 10;
        auto know = [&](int i, const char* name, double price, bool onCard = false) {
            SetName(state.Wines[i], name);
            state.Wines[i].Known = true;
            state.Wines[i].OnCard = onCard;
            state.Wines[i].PurchasePrice = price;
        };
        // In list order: Bordeaux 800 paid, Chianti 300 and Dornfelder 500 too much, Elbling
        // 200 paid, Rioja 600 too much. Chianti stays on the card it was on before.
        know(1, "Chianti", 30, true);
        know(2, "Bordeaux", 80);
        know(3, "Dornfelder", 50);
        know(4, "Elbling", 20);
        know(5, "Rioja", 60);
        Form6->FormPaint(Form1->Button6);

        MessageAnswerer player;
        QTest::mouseClick(Form6->Button1, Qt::LeftButton);
        QCOMPARE(player.Texts, QStringList({"Es konnten nicht alle Weine ausgewählt werden, da "
                                            "nicht genügend Geld für den Vorrat vorhanden ist."}));
        QCOMPARE(Ticked(Form6->CheckListBox1), QStringList({"Bordeaux", "Chianti", "Elbling"}));
        QCOMPARE(state.Wealth, 0.0);
        QCOMPARE(state.Wines[1].Stock, 0);
        QCOMPARE(state.Wines[2].Stock, 10);
        QCOMPARE(state.Wines[3].Stock, 0);
        QCOMPARE(state.Wines[4].Stock, 10);
        QVERIFY(!state.Wines[5].OnCard);
        QCOMPARE(Form6->Label3->text(), Money("0.00"));

        // Enough money: everything is bought, also what is on the card, without a message.
        state.Wealth = 10000;
        QTest::mouseClick(Form6->Button1, Qt::LeftButton);
        QCOMPARE(player.Texts.size(), 1);
        QCOMPARE(Ticked(Form6->CheckListBox1).size(), 5);
        QCOMPARE(state.Wines[2].Stock, 20);
        QCOMPARE(state.Wealth, 10000.0 - 2400);
    }

    void pricesListTheCardOfTheChosenKind() {
        GameState& state = Session->state();
        SetName(state.Drinks[9], "Pils");
        state.Drinks[9].OnCard = true;
        state.Drinks[9].PurchasePrice = 8;
        state.Drinks[9].SalePrice = 9.5;
        state.Drinks[10].OnCard = true;
        state.Wines[2].OnCard = true;

        Form8->FormPaint(Form1->Button10);
        QCOMPARE(Form8->ComboBox1->currentIndex(), -1);
        QCOMPARE(Form8->ListBox1->count(), 0);

        Form8->ComboBox1->setCurrentIndex(1);
        QCOMPARE(Entries(Form8->ListBox1), QStringList({"Wein 2"}));
        Form8->ComboBox1->setCurrentIndex(0);
        QCOMPARE(Entries(Form8->ListBox1), QStringList({"Getränk 10", "Pils"}));

        Form8->ListBox1->setCurrentRow(1);
        QCOMPARE(Form8->Label7->text(), QStringLiteral("Pils"));
        QCOMPARE(Form8->Label5->text(), QStringLiteral("8 €"));
        QCOMPARE(Form8->Edit1->text(), QStringLiteral("9,5"));

        // Off the card meanwhile: still listed until the next rebuild.
        state.Drinks[9].OnCard = false;
        Repaint(Form8);
        QCOMPARE(Form8->ListBox1->count(), 2);
    }

    void priceInputs() {
        GameState& state = Session->state();
        TArticle& pils = state.Drinks[9];
        SetName(pils, "Pils");
        pils.OnCard = true;
        pils.SalePrice = 9.5;
        Form8->ComboBox1->setCurrentIndex(0);
        Form8->FormPaint(Form1->Button10);
        Form8->ListBox1->setCurrentRow(0);

        MessageAnswerer player;
        auto enter = [&](const QString& text) {
            player.Texts.clear();
            Form8->Edit1->setText(text);
            QTest::mouseClick(Form8->Button1, Qt::LeftButton);
        };
        const std::pair<const char*, double> accepted[] = {
            {"2,40", 2.4}, {"+3", 3}, {" 3,5 ", 3.5}, {"3,5e1", 35}, {"2,499", 2.499}};
        for (const auto& [text, price] : accepted) {
            enter(QString::fromUtf8(text));
            QVERIFY2(player.Texts.isEmpty(), text);
            QCOMPARE(pils.SalePrice, price);
            QCOMPARE(Form8->Edit1->text(), QString::fromUtf8(text));
        }
        pils.SalePrice = 7;
        for (const char* text : {"0", "-1"}) {
            enter(QString::fromUtf8(text));
            QCOMPARE(player.Texts,
                     QStringList({"Sie können keine negativen Verkaufspreise festlegen."}));
        }
        for (const char* text : {"abc", "", "2.40", "inf", "nan", "0x10", "1e400", "1.000,5"}) {
            enter(QString::fromUtf8(text));
            QCOMPARE(player.Texts, QStringList({"Bitte geben Sie im Feld Verkaufspreis z.B. 2,40 "
                                                "oder auch 3 ein."}));
        }
        QCOMPARE(pils.SalePrice, 7.0);

        QListWidget* list = Form8->ListBox1;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(0)).center());
        QCOMPARE(Form8->Edit1->text(), QStringLiteral("7"));
    }

    void aPriceForTheNameUnderAnotherKindChangesNothing() {
        GameState& state = Session->state();
        state.Drinks[1].OnCard = true;
        state.Drinks[1].SalePrice = 4;
        Form8->ComboBox1->setCurrentIndex(0);
        Form8->ListBox1->setCurrentRow(0);
        QCOMPARE(Form8->Label7->text(), QStringLiteral("Getränk 1"));
        Form8->ComboBox1->setCurrentIndex(2);
        QCOMPARE(Form8->Label7->text(), QStringLiteral("Getränk 1"));

        MessageAnswerer player;
        Form8->Edit1->setText(QStringLiteral("5"));
        QTest::mouseClick(Form8->Button1, Qt::LeftButton);
        QVERIFY(player.Texts.isEmpty());
        QCOMPARE(state.Drinks[1].SalePrice, 4.0);
    }
};

QTEST_MAIN(CardsAndPricesDialogs)
#include "cards_prices_dialogs_test.moc"
