// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the game can put in a message box, shown in the real box: the label holds the
// whole text in the font it draws with, and the box leaves room for its title.

#include "ui_test_support.h"

#include "game/bank.h"
#include "game/cards.h"
#include "game/date_time.h"
#include "game/entertainment.h"
#include "game/events.h"
#include "game/prices.h"
#include "game/staff.h"
#include "game/storage.h"
#include "game/tick.h"
#include "persistence/file_system.h"
#include "persistence/save_game.h"
#include "support/recording_host.h"
#include "ui/game_session.h"

#include <QMessageBox>
#include <cerrno>

namespace {

// The longest names of the game's tables, and one a saved game can bring: 50 of a wide letter.
const std::string LongDrink = "Wasser mit Kohlensäure";
const std::string LongWine = "Südtiroler Lagrein";
const std::string LongDish = "Spiegeleier mit Spinat";
const std::string LongPlace = "Gastronomieviertel";
const std::string LongPerson = "Maximilian Groß";
const std::string WideName(50, 'W');

// The messages of one tick of `state` (no event, no guest).
std::vector<std::string> TickMessages(const GameState& state) {
    ControlledRandom rng;
    RecordingHost host;
    Game game(rng, host);
    game.State = state;
    Tick(game);
    return host.Messages;
}

GameState DayEnd(const std::string& person, const std::string& place, double wealth) {
    GameState state;
    state.GameClock = 0.5 / 24; // 00:30
    state.Wealth = wealth;
    state.Debt = 12345.678;
    state.StaffPool[1].Name = ShortString50::FromUtf8(person);
    state.StaffPool[1].Employed = true;
    state.StaffPool[1].WagePerDay = 1000000;
    state.LeasedLocation = 1;
    state.Locations[1].Leased = true;
    state.Locations[1].Name = ShortString50::FromUtf8(place);
    state.Locations[1].RentPerDay = 500;
    return state;
}

GameState Deliveries(const std::string& drink, const std::string& wine, const std::string& dish,
                     double wealth) {
    GameState state;
    state.Wealth = wealth;
    state.Controls.NotifyOnDelivery = true;
    state.Controls.StorageOrderQuantity = 20;
    SetName(state.Drinks[1], drink.c_str());
    SetName(state.Wines[1], wine.c_str());
    SetName(state.Dishes[1], dish.c_str());
    for (const ArticleKind kind : AllArticleKinds) {
        Article(state, kind, 1).DeliveryMinutes = 2;
        Article(state, kind, 1).PurchasePrice = 5;
    }
    return state;
}

std::vector<std::string> GoalMessages() {
    GameState state;
    PutAllOnCard(state);
    state.Wealth = 100000;
    return TickMessages(state);
}

// "Das Getränk ... wurde hinzugefügt." and its wine and dish.
std::vector<std::string> LearnedArticleMessages(const std::string& name) {
    ControlledRandom rng;
    RecordingHost host;
    Game game(rng, host);
    for (const ArticleKind kind : AllArticleKinds)
        SetName(Article(game.State, kind, 1), name.c_str());
    for (int offer = 1; offer <= 3; ++offer) {
        ShowEvent(game.Event, offer);
        game.Event.EventState = 2;
        AnswerYes(game);
    }
    return host.Messages;
}

std::vector<std::string> AllMessages() {
    std::vector<std::string> texts = GoalMessages();
    const auto add = [&texts](const std::vector<std::string>& more) {
        texts.insert(texts.end(), more.begin(), more.end());
    };
    for (const std::string* name : {&LongDrink, &WideName}) {
        add(TickMessages(DayEnd(LongPerson, LongPlace, 10000)));       // interest, wage, rent
        add(TickMessages(DayEnd(*name, *name, 0)));                    // bankrupt
        add(TickMessages(Deliveries(*name, LongWine, LongDish, 1e6))); // delivered
        add(TickMessages(Deliveries(LongDrink, *name, *name, 0)));     // refused
        add(LearnedArticleMessages(*name));
        TStaffMember member;
        member.Name = ShortString50::FromUtf8(*name);
        member.WagePerDay = 2147483647;
        texts.push_back(LastWageMessage(member));
        for (const ArticleKind kind : AllArticleKinds)
            texts.push_back(DeliveryNoticeText(kind, *name, 599));
    }
    GameState lastMinute;
    lastMinute.GameClock = EncodeDateTime(9999, 12, 31, 23, 59);
    add(TickMessages(lastMinute)); // the calendar's end
    for (const std::string& text :
         {SelectArticleToReorderMessage, NotEnoughMoneyForStockMessage, PriceNotANumberMessage,
          PriceNotPositiveMessage, CreditRefusedMessage, RepayMoreThanWealthMessage,
          RepayMoreThanDebtMessage, std::string(DamagedSavedGameText)})
        texts.push_back(text);
    for (const Entertainment what : {Entertainment::Television, Entertainment::Musicians})
        texts.push_back(NotEnoughMoneyForEntertainmentMessage(what));
    for (const char* articles : {"Getränke", "Speisen", "Weine"})
        texts.push_back(std::string("Es konnten nicht alle ") + articles +
                        " ausgewählt werden, da nicht genügend Geld für den Vorrat vorhanden "
                        "ist.");
    for (const IoError error : {ENOENT, InvalidFilename, EMFILE, EACCES, ReadBeyondEndOfFile,
                                ENOSPC, EIO, IoError{-2147483647}})
        texts.push_back(IoErrorText(error));
    return texts;
}

} // namespace

class MessageTextsTest : public QObject {
    Q_OBJECT

private slots:
    void everyMessageIsShownWhole_data() {
        QTest::addColumn<QString>("text");
        for (const std::string& text : AllMessages())
            QTest::newRow(text.substr(0, 60).c_str()) << QString::fromStdString(text);
        QCOMPARE(AllMessages().size(), 67u); // each kind of message is there
    }

    void everyMessageIsShownWhole() {
        QFETCH(QString, text);
        const std::unique_ptr<QMessageBox> box = MakeGameMessageBox(text);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label);
        QCOMPARE(label->text(), text);
        QCOMPARE(label->textFormat(), Qt::PlainText);

        const QRect room = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect needed = label->fontMetrics().boundingRect(room, flags, text);
        QVERIFY2(room.contains(needed), qPrintable(QStringLiteral("%1x%2 in %3x%4")
                                                       .arg(needed.width())
                                                       .arg(needed.height())
                                                       .arg(room.width())
                                                       .arg(room.height())));
        QVERIFY(box->rect().contains(label->geometry()));

        // A window manager's title bar holds the title besides an icon and three buttons.
        QFont titleFont = box->font();
        titleFont.setBold(true);
        const int title = QFontMetrics(titleFont).horizontalAdvance(box->windowTitle());
        QVERIFY2(box->width() >= title + 100, qPrintable(QString::number(box->width())));
    }

    // A control character would break the line or end the text.
    void controlCharactersShowAsMarks() {
        const std::unique_ptr<QMessageBox> box =
            MakeGameMessageBox(QStringLiteral("Wein A\nB\tC") + QChar(0) + QStringLiteral("D"));
        QCOMPARE(box->text(), QStringLiteral("Wein A?B?C?D"));
    }
};

QTEST_MAIN(MessageTextsTest)
#include "message_texts_test.moc"
