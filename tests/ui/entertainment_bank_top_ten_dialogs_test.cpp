// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/ui_test_support.h"
#include "ui/form10_entertainment.h"
#include "ui/form12_bank.h"
#include "ui/form13_top_ten.h"
#include "ui/form4_cards.h"
#include "ui/jpeg_image.h"
#include "widgets/led_meter.h"

#include "ui/spin_edit.h"
#include <QPlainTextEdit>
#include <QtTest>

#include <climits>

namespace {

void EnterAmount(QWidget* field, int amount) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, QString::number(amount));
}

} // namespace

class EntertainmentBankTopTenDialogs : public QObject {
    Q_OBJECT
private slots:
    void init() { StartProgram(); }
    void cleanup() { DestroyForms(); }

    void picturesDecodeToTheirSizes() {
        const QImage tv = LoadJpegResource(QStringLiteral(":/pictures/tv.jpg"));
        const QImage musicians = LoadJpegResource(QStringLiteral(":/pictures/musicians.jpg"));
        QCOMPARE(tv.size(), QSize(300, 177));
        QCOMPARE(musicians.size(), QSize(203, 154));
        QVERIFY(DecodeJpeg(QByteArray("not a picture")).isNull());
        // Cut short: libjpeg either gives up or fills the rest, but never fails the program.
        QFile file(QStringLiteral(":/pictures/tv.jpg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        for (const qint64 length : {2, 200, 3000}) {
            file.seek(0);
            const QImage cut = DecodeJpeg(file.read(length));
            QVERIFY(cut.isNull() || cut.size() == QSize(300, 177));
        }

        QCOMPARE(Form10->Image1->size(), QSize(165, 105));
        QCOMPARE(Form10->Image2->size(), QSize(142, 105));
        QCOMPARE(Form10->Image1->pixmap().size(), QSize(165, 105));
        QCOMPARE(Form10->Image2->pixmap().size(), QSize(142, 105));
        QCOMPARE(Form10->Label1->text(), QStringLiteral("Fernseher\nPreis: 4000 €"));
        QCOMPARE(Form10->Label2->text(), QStringLiteral("Musikanten\n4000 €"));
    }

    void purchasesAtExactlyTheMoneyAndBelow() {
        GameState& state = Session->state();
        state.LeasedLocation = 4;
        state.Wealth = 4000;
        Form10->show();
        QVERIFY(Form10->Button1->isEnabled());

        MessageAnswerer player;
        QTest::mouseClick(Form10->Button1, Qt::LeftButton);
        QVERIFY(player.Texts.isEmpty());
        QCOMPARE(state.Wealth, 0.0);
        QCOMPARE(state.Locations[4].EntertainmentFactor, 50);
        QVERIFY(!state.Controls.TvPurchasable);
        QVERIFY(!Form10->Button1->isEnabled());
        QCOMPARE(Form1->Progressbar2->Position(), 50);
        QCOMPARE(Form4->Label3->text(), Money("0.00"));

        state.Wealth = 3999.99;
        QTest::mouseClick(Form10->Button2, Qt::LeftButton);
        QCOMPARE(player.Texts, QStringList({"Sie haben leider nicht genügend Geld um die "
                                            "Unterhalter zu bezahlen."}));
        QCOMPARE(state.Wealth, 3999.99);
        QVERIFY(Form10->Button2->isEnabled());
        QCOMPARE(state.Locations[4].EntertainmentFactor, 50);

        state.Wealth = 4000.5;
        QTest::mouseClick(Form10->Button2, Qt::LeftButton);
        QCOMPARE(state.Locations[4].EntertainmentFactor, 100);
        QCOMPARE(Form1->Progressbar2->Position(), 100);
        QVERIFY(!Form10->Button2->isEnabled());
    }

    void buttonsFollowTheSavedFlags() {
        GameState& state = Session->state();
        state.Controls.TvPurchasable = false;
        Form10->show();
        QVERIFY(!Form10->Button1->isEnabled());
        QVERIFY(Form10->Button2->isEnabled());
        Form10->hide();
        state.Controls.TvPurchasable = true;
        state.Controls.MusiciansPurchasable = false;
        Form10->show();
        QVERIFY(Form10->Button1->isEnabled());
        QVERIFY(!Form10->Button2->isEnabled());

        MessageAnswerer player;
        state.Wealth = 0;
        QTest::mouseClick(Form10->Button1, Qt::LeftButton);
        QCOMPARE(player.Texts, QStringList({"Sie haben leider nicht genügend Geld für den Kauf des "
                                            "Fernsehers."}));
    }

    void bankFirstDay() {
        GameState& state = Session->state();
        QVERIFY(ShowAndPaint(Form12));
        QCOMPARE(Form12->Label1->text(), Money("10000.00"));
        QCOMPARE(Form12->Label6->text(), QStringLiteral("10000.00 €"));
        QCOMPARE(Form12->Label8->text(), QStringLiteral("0.00 €"));

        MessageAnswerer player;
        EnterAmount(Form12->SpinEdit1, 10000);
        QTest::mouseClick(Form12->Button1, Qt::LeftButton);
        QVERIFY(player.Texts.isEmpty());
        QCOMPARE(state.Debt, 10000.0);
        QCOMPARE(state.Wealth, 20000.0);
        QCOMPARE(Form12->Label1->text(), Money("20000.00"));
        QCOMPARE(Form12->Label6->text(), QStringLiteral("10000.00 €"));
        QCOMPARE(Form12->Label8->text(), QStringLiteral("10000.00 €"));

        EnterAmount(Form12->SpinEdit1, 1);
        QTest::mouseClick(Form12->Button1, Qt::LeftButton);
        QCOMPARE(player.Texts, QStringList({"Die Bank gewährt Ihnen keinen solchen Kredit."}));
        QCOMPARE(state.Debt, 10000.0);

        // Repaying: money is checked before the debt.
        player.Texts.clear();
        EnterAmount(Form12->SpinEdit2, 30000);
        QTest::mouseClick(Form12->Button2, Qt::LeftButton);
        EnterAmount(Form12->SpinEdit2, 15000);
        QTest::mouseClick(Form12->Button2, Qt::LeftButton);
        QCOMPARE(player.Texts, QStringList({"Sie haben nicht genug Geld, um die Schulden um die "
                                            "angegebene Höhe zu tilgen.",
                                            "Sie haben nicht soviel Schulden, wie Sie abbezahlen "
                                            "möchten."}));
        EnterAmount(Form12->SpinEdit2, 10000);
        QTest::mouseClick(Form12->Button2, Qt::LeftButton);
        QCOMPARE(player.Texts.size(), 2);
        QCOMPARE(state.Debt, 0.0);
        QCOMPARE(state.Wealth, 10000.0);
        QCOMPARE(Form12->Label8->text(), QStringLiteral("0.00 €"));
    }

    void bankLimitIsTheOneLastShown() {
        GameState& state = Session->state();
        state.Wealth = -50.5;
        state.Drinks[7].Stock = 100; // not on a card, still counts
        state.Drinks[7].SalePrice = 2;
        QVERIFY(ShowAndPaint(Form12));
        QCOMPARE(Form12->Label1->text(), Money("-50.50"));
        QCOMPARE(Form12->Label6->text(), QStringLiteral("149.50 €"));

        // The stock is sold meanwhile; the next "OK" still tests against the limit shown.
        MessageAnswerer player;
        EnterAmount(Form12->SpinEdit1, 149);
        state.Drinks[7].Stock = 0;
        // click(): a mouse press would repaint the window under the button at once.
        Form12->Button1->click();
        QCOMPARE(player.Texts, QStringList());
        QCOMPARE(state.Debt, 149.0);
        QCOMPARE(Form12->Label6->text(), QStringLiteral("-50.50 €"));
    }

    void topTenAtTheStartAndWithTies() {
        QVERIFY(ShowAndPaint(Form13));
        QStringList lines = Form13->Memo1->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 10);
        QCOMPARE(lines.front(), QStringLiteral("Getränk 1 (0x verkauft.)"));
        QCOMPARE(lines.back(), QStringLiteral("Getränk 10 (0x verkauft.)"));
        QVERIFY(!Form13->Memo1->isEnabled());
        QVERIFY(Form13->Memo1->isReadOnly());
        QCOMPARE(Form13->Label1->text(), QStringLiteral("Top Ten der meistverkauften Artikel"));

        GameState& state = Session->state();
        state.Dishes[1].UnitsSold = 7;
        state.Wines[1].UnitsSold = 7;
        state.Drinks[50].UnitsSold = 7;
        state.Wines[30].UnitsSold = INT_MAX;
        Repaint(Form13);
        lines = Form13->Memo1->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.mid(0, 5),
                 QStringList({"Wein 30 (2147483647x verkauft.)", "Getränk 50 (7x verkauft.)",
                              "Wein 1 (7x verkauft.)", "Speise 1 (7x verkauft.)",
                              "Getränk 1 (0x verkauft.)"}));
        QCOMPARE(lines.size(), 10);
    }
};

QTEST_MAIN(EntertainmentBankTopTenDialogs)
#include "entertainment_bank_top_ten_dialogs_test.moc"
