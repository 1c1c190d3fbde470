// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/tick.h"

#include "game/booking.h"
#include "game/date_time.h"
#include "game/events.h"
#include "game/game.h"
#include "game/goals.h"
#include "game/guests.h"
#include "game/int_math.h"
#include "game/number_format.h"

#include <array>
#include <string_view>

namespace {

constexpr double OneMinute = 1.0 / MinutesPerDay;
// From 00:30 to 09:00 of the same date.
constexpr double NightBreak = 510.0 / MinutesPerDay;

constexpr std::string_view EndOfCalendarMessage =
    "Der Kalender endet am 31.12.9999 um 23:59. Die Zeit bleibt hier stehen.";

constexpr std::array<std::string_view, 7> GoalMessages = {
    "Herzlichen Glückwunsch. Sie haben alle Spielziele erreicht.",
    "Zur Belohnung gibt es jetzt die Cheats.",
    "Halten Sie \"STRG\" + \"ALT\" und \"SHIFT\" und drücken Sie \"F12\" und Ihr Vermögen steigt "
    "um 10.000 €.",
    "Halten Sie \"STRG\" + \"ALT\" und \"SHIFT\" und drücken Sie \"F11\" und Ihnen sind alle "
    "Getränke bekannt.",
    "Halten Sie \"STRG\" + \"ALT\" und \"SHIFT\" und drücken Sie \"F10\" und Ihnen sind alle "
    "Weine bekannt.",
    "Halten Sie \"STRG\" + \"ALT\" und \"SHIFT\" und drücken Sie \"F9\" und Ihnen sind alle "
    "Speisen bekannt.",
    "Das Spiel endet hier. Nochmals herzlichen Glückwunsch!",
};

// Game time stands still while the player reads the message.
void ShowWithTimerStopped(GameHost& host, const std::string& text) {
    host.SetTimerEnabled(false);
    host.ShowMessage(text);
    host.SetTimerEnabled(true);
}

void CelebrateGoals(GameHost& host) {
    for (std::string_view message : GoalMessages) {
        host.SetTimerEnabled(false);
        host.ShowMessage(std::string(message));
    }
    host.Quit();
}

void RollForEvent(Game& game) {
    const int d = game.Rng.Random(1440);
    if (d == 0)
        PickGeneralEvent(game.Event, game.Rng, game.Host);
    else if (d == 1 || d == 2)
        PickUnknownArticleEvent(game.Event, game.State, game.Rng, game.Host);
    else
        return;
    game.Host.ShowEventWindow();
}

void ChargeInterest(Game& game) {
    const GameState& state = game.State;
    if (state.Debt <= 0)
        return;
    const double interest = state.Debt * 1 / 100;
    ShowWithTimerStopped(game.Host,
                         "Die Kreditzinsen von " + FormatGeneral(interest) + " € werden fällig.");
    Book(game, Booking::Interest, -interest);
}

void PayWages(Game& game) {
    GameState& state = game.State;
    for (TStaffMember& member : state.StaffPool) {
        if (!member.Employed)
            continue;
        if (member.WagePerDay > state.Wealth) {
            const std::string name = member.Name.ToUtf8();
            game.Host.ShowMessage("Sie konnten " + name + " nicht bezahlen. " + name + " kündigt.");
            member.Employed = false;
        } else {
            Book(game, Booking::Wages, -static_cast<double>(member.WagePerDay));
        }
    }
}

// Returns false when the rent cannot be paid: the game is lost.
bool PayRent(Game& game) {
    const GameState& state = game.State;
    GameHost& host = game.Host;
    for (const TLocation& location : state.Locations) {
        if (!location.Leased)
            continue;
        if (state.Wealth >= location.RentPerDay) {
            Book(game, Booking::Rent, -location.RentPerDay);
            ShowWithTimerStopped(host, "Die Pacht für ihr Krugheim (Standort: " +
                                           location.Name.ToUtf8() + ") wird fällig.");
        } else {
            host.SetTimerEnabled(false);
            host.ShowMessage(
                "Sie haben nicht genügend Geld um Ihre Pacht zu zahlen. Sie sind pleite.");
            host.Quit();
            return false;
        }
    }
    return true;
}

bool IsDayEnd(double clock) {
    const DateTimeParts now = DecodeDateTime(clock);
    return now.Hour == 0 && now.Minute == 30;
}

// Where the clock goes in this tick: 09:00 after the day end at 00:30, else a minute on.
struct ClockStep {
    bool DayEnd;
    double Next;
};

ClockStep NextClockStep(double clock) {
    const bool dayEnd = IsDayEnd(clock);
    return {dayEnd, clock + (dayEnd ? NightBreak : OneMinute)};
}

// Returns false on bankruptcy.
bool AdvanceClock(Game& game, const ClockStep& step) {
    game.State.GameClock = step.Next;
    if (!step.DayEnd)
        return true;
    ChargeInterest(game);
    PayWages(game);
    if (!PayRent(game))
        return false;
    // The business day runs from 09:00 to 00:30 and settles its interest, wages and rent at its
    // end, so these belong to the day that ends here. What the rest of this tick brings
    // (deliveries and guests at 09:00) belongs to the next day. A bankrupt day is not closed:
    // the game ends in it.
    game.Books.CloseDay(game.State.GameClock);
    return true;
}

// One kind of article as the deliveries see it.
struct DeliveryKind {
    ArticleKind Kind;
    std::string_view Delivered;   // before the name
    std::string_view RefusedHead; // before the name
};

constexpr std::string_view DeliveredTail = " wurde soeben geliefert.";
constexpr std::string_view RefusedTail = " liefern. Sie haben allerdings nicht genügend Geld. "
                                         "Der Lieferant fährt weg, ohne zu liefern.";

void Deliver(Game& game, TArticle& article, int index, const DeliveryKind& kind) {
    const GameState& state = game.State;
    GameHost& host = game.Host;
    const std::int32_t quantity = state.Controls.StorageOrderQuantity;
    const double cost = quantity * article.PurchasePrice;
    const std::string name = article.Name.ToUtf8();
    if (cost > state.Wealth) {
        ShowWithTimerStopped(host, std::string(kind.RefusedHead) + name + std::string(RefusedTail));
        return;
    }
    if (state.Controls.NotifyOnDelivery)
        ShowWithTimerStopped(host, std::string(kind.Delivered) + name + std::string(DeliveredTail));
    BookStockBought(game, Booking::Deliveries, kind.Kind, index, quantity, cost);
    article.Stock = ClampToInt32(std::int64_t{article.Stock} + quantity);
}

// A negative countdown (only a damaged file has one) is never delivered, like 0. Inline: the
// walk runs every minute, and kept inside the tick it costs no calls.
template <int N>
inline void CompleteDeliveries(Game& game, OneBasedArray<TArticle, N>& articles,
                               const DeliveryKind& kind) {
    for (TArticle& article : articles) {
        if (article.DeliveryMinutes > 1)
            --article.DeliveryMinutes;
        if (article.DeliveryMinutes == 1) {
            article.DeliveryMinutes = 0;
            Deliver(game, article, static_cast<int>(&article - articles.begin()) + 1, kind);
        }
    }
}

void CompleteDeliveries(Game& game) {
    GameState& state = game.State;
    CompleteDeliveries(
        game, state.Drinks,
        {ArticleKind::Drink, "Getränk ", "Ein Lieferant wollte gerade das Getränk "});
    CompleteDeliveries(game, state.Wines,
                       {ArticleKind::Wine, "Wein ", "Ein Lieferant wollte gerade den Wein "});
    CompleteDeliveries(game, state.Dishes,
                       {ArticleKind::Dish, "Speise ", "Ein Lieferant wollte gerade die Speise "});
}

} // namespace

TickOutcome Tick(Game& game) {
    GameState& state = game.State;
    GameHost& host = game.Host;

    if (GoalsReached(state)) {
        CelebrateGoals(host);
        return TickOutcome::GameOver;
    }
    // A saved game holds no later clock, so time stands still here; the game can still be
    // saved and loaded, and every further start of the timer says why nothing moves.
    // Nothing before the clock step moves the clock, so its step is worked out once.
    const ClockStep clockStep = NextClockStep(state.GameClock);
    if (!ClockInRange(clockStep.Next)) {
        host.SetTimerEnabled(false);
        host.ShowMessage(std::string(EndOfCalendarMessage));
        return TickOutcome::ClockAtItsEnd;
    }

    const TLocation* location = state.Leased();
    host.SetGauge(Gauge::Entertainment, location ? location->EntertainmentFactor : 0);

    RollForEvent(game);

    const double priceRating = PriceGaugeStep(game);

    if (!AdvanceClock(game, clockStep))
        return TickOutcome::GameOver;
    host.SetClockText(ClockText(state.GameClock));

    CompleteDeliveries(game);

    const GuestRatings ratings = StaffAndAttractivenessStep(game, priceRating);
    GuestStep(game, priceRating, ratings);

    host.RefreshMoney();
    return TickOutcome::Continue;
}
