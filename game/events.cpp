// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/events.h"

#include "game/booking.h"
#include "game/game.h"
#include "game/game_host.h"
#include "game/number_format.h"
#include "game/random.h"

namespace {

constexpr int UnknownArticleAttempts = 150;

const TEreigniss& Entry(int r) {
    return r >= 1 && r <= EventCount ? Events[static_cast<std::size_t>(r)] : Events[0];
}

const TEreigniss& Current(const EventSession& session) {
    return Entry(session.CurrentEvent);
}

// The amount row shows the size of the amount without its sign. The tests run in this order
// and a later one wins.
bool AmountToShow(const TEreigniss& entry, double& amount) {
    bool found = false;
    auto take = [&](bool condition, double value) {
        if (condition) {
            amount = value;
            found = true;
        }
    };
    take(entry.YesAmount > 0, entry.YesAmount);
    take(entry.NoAmount > 0, entry.NoAmount);
    take(entry.OkAmount > 0, entry.OkAmount);
    take(entry.OkAmount < 0, -entry.OkAmount);
    take(entry.YesAmount < 0, -entry.YesAmount);
    take(entry.NoAmount < 0, -entry.NoAmount);
    return found;
}

void ShowResult(EventView& view, const std::array<std::string_view, 4>& lines) {
    for (std::size_t row = 0; row < lines.size(); ++row)
        view.Rows[row] = lines[row];
    for (std::size_t row = lines.size(); row < view.Rows.size(); ++row)
        view.Rows[row].clear();
    view.YesVisible = false;
    view.NoVisible = false;
    view.OkVisible = true;
}

void LearnFirstUnknown(GameState& state, ArticleKind kind, GameHost& host) {
    for (int i = 1; i <= ArticleCount(kind); ++i) {
        TArticle& article = Article(state, kind, i);
        if (article.Known)
            continue;
        article.Known = true;
        const std::string name = article.Name.ToUtf8();
        switch (kind) {
        case ArticleKind::Drink:
            host.ShowMessage("Das Getränk " + name + " wurde hinzugefügt.");
            break;
        case ArticleKind::Wine:
            host.ShowMessage("Der Wein " + name + " wurde hinzugefügt.");
            break;
        case ArticleKind::Dish:
            host.ShowMessage("Die Speise " + name + " wurde hinzugefügt.");
            break;
        }
        return;
    }
}

// An answer subtracts `amount` from Wealth. One that moves no money books nothing.
void PayForAnswer(Game& game, double amount) {
    if (amount == 0)
        return;
    const int r = game.Event.CurrentEvent;
    const Booking category = r >= 1 && r < FirstGeneralEvent ? Booking::ArticleOffers
                             : amount > 0                    ? Booking::EventPayments
                                                             : Booking::EventReceipts;
    Book(game, category, -amount);
}

ArticleKind KindOfOffer(int k) {
    return k == 1 ? ArticleKind::Drink : k == 2 ? ArticleKind::Wine : ArticleKind::Dish;
}

} // namespace

bool HasUnknownArticle(const GameState& state, ArticleKind kind) {
    for (int i = 1; i <= ArticleCount(kind); ++i)
        if (!Article(state, kind, i).Known)
            return true;
    return false;
}

void PickGeneralEvent(EventSession& session, RandomSource& rng, GameHost& host) {
    session.EventState = 0;
    host.SetTimerEnabled(false);
    ShowEvent(session, FirstGeneralEvent + rng.Random(EventCount - FirstGeneralEvent + 1));
}

void PickUnknownArticleEvent(EventSession& session, const GameState& state, RandomSource& rng,
                             GameHost& host) {
    session.EventState = 0;
    host.SetTimerEnabled(false);
    for (int attempt = 0; attempt < UnknownArticleAttempts; ++attempt) {
        const int k = 1 + rng.Random(3);
        if (HasUnknownArticle(state, KindOfOffer(k))) {
            ShowEvent(session, k);
            return;
        }
    }
    PickGeneralEvent(session, rng, host);
}

void ShowEvent(EventSession& session, int r) {
    session.CurrentEvent = r;
    const TEreigniss& entry = Entry(r);
    EventView& view = session.View;
    static constexpr std::array<std::size_t, 6> storyRows = {0, 1, 2, 4, 5, 6};
    for (std::size_t line = 0; line < storyRows.size(); ++line)
        view.Rows[storyRows[line]] = entry.Lines[line];
    double amount = 0;
    if (AmountToShow(entry, amount))
        view.Rows[3] = FormatGeneral(amount);
    view.YesVisible = entry.ShowYes;
    view.NoVisible = entry.ShowNo;
    view.OkVisible = entry.ShowOk;
    session.EventState = entry.TwoStage ? 1 : 2;
}

bool AnswerYes(Game& game) {
    EventSession& session = game.Event;
    GameState& state = game.State;
    GameHost& host = game.Host;
    const TEreigniss& entry = Current(session);
    if (session.EventState == 2) {
        PayForAnswer(game, entry.YesAmount);
        if (entry.LearnDrink)
            LearnFirstUnknown(state, ArticleKind::Drink, host);
        if (entry.LearnWine)
            LearnFirstUnknown(state, ArticleKind::Wine, host);
        if (entry.LearnDish)
            LearnFirstUnknown(state, ArticleKind::Dish, host);
        return true;
    }
    if (session.EventState == 1) {
        ShowResult(session.View, entry.YesLines);
        PayForAnswer(game, entry.YesAmount);
        session.EventState = 2;
    }
    return false;
}

bool AnswerNo(Game& game) {
    EventSession& session = game.Event;
    const TEreigniss& entry = Current(session);
    if (session.EventState == 2) {
        PayForAnswer(game, entry.NoAmount);
        return true;
    }
    if (session.EventState == 1) {
        ShowResult(session.View, entry.NoLines);
        PayForAnswer(game, entry.NoAmount);
        session.EventState = 2;
    }
    return false;
}

bool AnswerOk(Game& game) {
    PayForAnswer(game, Current(game.Event).OkAmount);
    return true;
}
