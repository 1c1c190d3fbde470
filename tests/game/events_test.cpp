// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/events.h"
#include "model_test_support.h"

namespace {

void MakeKnown(GameState& state, ArticleKind kind, int upTo) {
    for (int i = 1; i <= upTo; ++i)
        Article(state, kind, i).Known = true;
}

void MakeAllKnown(GameState& state) {
    ForEachArticle(state, [](TArticle& a, ArticleKind, int) { a.Known = true; });
}

double ShownAmount(int r) {
    EventSession session;
    ShowEvent(session, r);
    return std::stod(session.View.Rows[3]);
}

} // namespace

TEST(EventTable, KeepsItsTextsAndStoredAmounts) {
    EXPECT_EQ(Events[4].Lines[0], "Ihnen sind heute 6 Gläser ");
    EXPECT_EQ(Events[18].Lines[2], "Der Schaden beträgt EUR ");
    EXPECT_EQ(Events[26].Lines[1], "Lokals unterm Tisch einen ");
    EXPECT_EQ(Events[28].Lines[1], "schwäche und hinterlässt Spuren ");
    EXPECT_EQ(Events[12].NoLines[1], "Hause an zu randalieren ");
    EXPECT_EQ(Events[22].YesLines[1], "Erfolg und bringt Ihnen ");
    EXPECT_EQ(Events[34].Lines[2], "verhaftet. Belohnung: EUR");

    EXPECT_EQ(Events[1].YesAmount, 600);
    EXPECT_EQ(Events[1].NoAmount, 0);
    EXPECT_TRUE(Events[2].LearnWine);
    EXPECT_TRUE(Events[3].LearnDish);
    EXPECT_EQ(Events[7].OkAmount, -700);
    EXPECT_EQ(Events[6].OkAmount, 1500);
    EXPECT_EQ(Events[11].YesAmount, 300);
    EXPECT_EQ(Events[11].NoAmount, -300);
    EXPECT_EQ(Events[12].YesAmount, -300);
    EXPECT_EQ(Events[12].Lines, Events[11].Lines);

    // The amount row shows the size of the amount.
    const std::array<double, EventCount + 1> amounts = {
        0,   600,  600, 600,  100, 200, 1500, 700,  800, 100, 500, 300,
        300, 300,  300, 300,  600, 600, 900,  3000, 200, 200, 200, 500,
        500, 1000, 500, 2000, 400, 400, 300,  100,  200, 500, 500};
    for (int r = 1; r <= EventCount; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(ShownAmount(r), amounts[static_cast<std::size_t>(r)]);
        const TEreigniss& e = Events[static_cast<std::size_t>(r)];
        EXPECT_EQ(e.TwoStage, e.YesAmount != 0 && e.NoAmount != 0);
        EXPECT_EQ(e.ShowOk, !e.ShowYes);
    }
}

TEST(EventWindow, ShowsTheStoryAroundTheAmountRow) {
    EventSession session;
    ShowEvent(session, 4);
    const std::array<std::string, 7> rows = {"Ihnen sind heute 6 Gläser ",
                                             "heruntergefallen. Dieser",
                                             "Unfall kostet Sie allerdings EUR",
                                             "100",
                                             "Scherben bringen zwar Glück,",
                                             "jedoch ist Glück nicht immer",
                                             "kostenlos."};
    EXPECT_EQ(session.View.Rows, rows);
    EXPECT_TRUE(session.View.OkVisible);
    EXPECT_FALSE(session.View.YesVisible);
    EXPECT_EQ(session.EventState, 2);

    ShowEvent(session, 5); // missing lines show as empty rows
    EXPECT_EQ(session.View.Rows[4], "");
    EXPECT_EQ(session.View.Rows[3], "200");
}

TEST(EventAnswers, OkPaysOrReceivesAndCloses) {
    ScriptedGame game;
    GameState& state = game.State;
    state.Wealth = 50;
    EventSession& session = game.Play.Event;
    ShowEvent(session, 7);
    EXPECT_TRUE(AnswerOk(game.Play));
    EXPECT_EQ(state.Wealth, 750);
    ShowEvent(session, 6);
    EXPECT_TRUE(AnswerOk(game.Play));
    EXPECT_EQ(state.Wealth, -750); // no money test
}

TEST(EventAnswers, TwoStageShowsTheResultThenOnlyOk) {
    ScriptedGame game;
    GameState& state = game.State;
    state.Wealth = 1000;
    RecordingHost& host = game.Host;
    EventSession& session = game.Play.Event;
    ShowEvent(session, 13);
    EXPECT_EQ(session.EventState, 1);
    EXPECT_TRUE(session.View.YesVisible && session.View.NoVisible);
    EXPECT_FALSE(session.View.OkVisible);

    EXPECT_FALSE(AnswerYes(game.Play));
    const std::array<std::string, 7> rows = {
        "Pech gehabt. Es war", "der linke Hut.", "", "", "", "", ""};
    EXPECT_EQ(session.View.Rows, rows);
    EXPECT_FALSE(session.View.YesVisible || session.View.NoVisible);
    EXPECT_TRUE(session.View.OkVisible);
    EXPECT_EQ(state.Wealth, 700);
    EXPECT_EQ(session.EventState, 2);
    EXPECT_TRUE(AnswerOk(game.Play));
    EXPECT_EQ(state.Wealth, 700);

    ShowEvent(session, 16);
    EXPECT_FALSE(AnswerNo(game.Play));
    EXPECT_EQ(session.View.Rows[1], "und spricht Ihnen EUR 600");
    EXPECT_EQ(state.Wealth, 1300);
    EXPECT_TRUE(host.Messages.empty());
}

TEST(EventAnswers, BuyingANameTeachesTheFirstUnknownArticle) {
    ScriptedGame game;
    GameState& state = game.State;
    state.Wealth = 1000;
    MakeKnown(state, ArticleKind::Drink, 20);
    state.Drinks[21].Name = ShortString50::FromUtf8("Grüner Tee");
    RecordingHost& host = game.Host;
    EventSession& session = game.Play.Event;

    ShowEvent(session, 1);
    EXPECT_TRUE(AnswerNo(game.Play));
    EXPECT_EQ(state.Wealth, 1000);
    EXPECT_FALSE(state.Drinks[21].Known);

    ShowEvent(session, 1);
    EXPECT_TRUE(AnswerYes(game.Play));
    EXPECT_EQ(state.Wealth, 400);
    EXPECT_TRUE(state.Drinks[21].Known);
    EXPECT_FALSE(state.Drinks[22].Known);
    EXPECT_EQ(host.Messages, std::vector<std::string>{"Das Getränk Grüner Tee wurde hinzugefügt."});

    state.Wines[1].Name = ShortString50::FromUtf8("Regent");
    ShowEvent(session, 2);
    AnswerYes(game.Play);
    state.Dishes[1].Name = ShortString50::FromUtf8("Hackse");
    ShowEvent(session, 3);
    AnswerYes(game.Play);
    EXPECT_EQ(host.Messages[1], "Der Wein Regent wurde hinzugefügt.");
    EXPECT_EQ(host.Messages[2], "Die Speise Hackse wurde hinzugefügt.");

    MakeAllKnown(state); // nothing left to learn: the price is paid anyway
    ShowEvent(session, 1);
    AnswerYes(game.Play);
    EXPECT_EQ(host.Messages.size(), 3u);
    EXPECT_EQ(state.Wealth, 400 - 3 * 600);
}

TEST(EventPickers, GeneralPickStopsTheTimerAndShowsEvents4To34) {
    ScriptedRandom rng;
    RecordingHost host;
    host.TimerOn = true;
    EventSession session;
    rng.Expect(31, 3);
    PickGeneralEvent(session, rng, host);
    EXPECT_FALSE(host.TimerOn);
    EXPECT_EQ(session.CurrentEvent, 7);
    EXPECT_EQ(session.View.Rows[3], "700");
    rng.Expect(31, 30);
    PickGeneralEvent(session, rng, host);
    EXPECT_EQ(session.CurrentEvent, 34);
}

TEST(EventPickers, UnknownArticlePickTriesKindsUntilOneHasUnknownArticles) {
    ScriptedRandom rng;
    RecordingHost host;
    host.TimerOn = true;
    GameState state;
    MakeKnown(state, ArticleKind::Drink, DrinkCount);
    MakeKnown(state, ArticleKind::Wine, WineCount);
    EventSession session;
    rng.Expect(3, 0).Expect(3, 1).Expect(3, 2);
    PickUnknownArticleEvent(session, state, rng, host);
    EXPECT_FALSE(host.TimerOn);
    EXPECT_EQ(session.CurrentEvent, 3);
    EXPECT_EQ(session.EventState, 2);
}

TEST(EventPickers, UnknownArticlePickFallsBackAfter150Attempts) {
    ScriptedRandom rng;
    RecordingHost host;
    GameState state;
    MakeAllKnown(state);
    EventSession session;
    rng.ExpectRepeated(150, 3, 1).Expect(31, 0);
    PickUnknownArticleEvent(session, state, rng, host);
    EXPECT_EQ(session.CurrentEvent, 4);

    // Unlucky draws of an all-known kind also end in a general event.
    state.Dishes[30].Known = false;
    rng.ExpectRepeated(150, 3, 0).Expect(31, 30);
    PickUnknownArticleEvent(session, state, rng, host);
    EXPECT_EQ(session.CurrentEvent, 34);
}
