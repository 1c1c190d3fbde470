// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Saved games the fuzz targets start from, so that they begin with files the game accepts:
// a game running before any lease, one with a pub, one at its day end, one with money at the
// edges of the double range, one at the end of the calendar.
#include "game/date_time.h"
#include "game/game_state.h"
#include "game/name_tables.h"

#include <utility>
#include <vector>

namespace SeedGames {

template <class Articles, class Names>
inline void FillArticles(Articles& articles, const Names& names, int priceStep) {
    for (int i = 1; i <= articles.Size; ++i) {
        TArticle& a = articles[i];
        a.Name = ShortString50::FromUtf8(names[static_cast<std::size_t>(i - 1)]);
        a.PurchasePrice = 1 + i % priceStep;
        a.SalePrice = a.PurchasePrice * 2.5;
        a.Popularity = 1 + i % 40;
        a.Known = i % 2 == 1;
        a.OnCard = i % 4 == 1;
        a.Stock = 20 * (i % 3);
        a.DeliveryMinutes = i % 5 == 0 ? 90 : 0;
        a.UnitsSold = 7 * i;
    }
}

inline GameState RunningGame() {
    GameState game;
    FillArticles(game.Drinks, DrinkNames, 8);
    FillArticles(game.Dishes, DishNames, 18);
    FillArticles(game.Wines, WineNames, 12);
    for (int i = 1; i <= LocationCount; ++i) {
        TLocation& l = game.Locations[i];
        l.Name = ShortString50::FromUtf8(LocationNames[static_cast<std::size_t>(i - 1)]);
        l.RentPerDay = 50 + 10 * i;
        l.PotentialCustomers = 100 + 650 * i;
        l.Reserved2 = l.PotentialCustomers * 12.54;
        l.Variety = (i * 37) % 201 - 100;
    }
    for (int i = 1; i <= StaffCount; ++i) {
        TStaffMember& m = game.StaffPool[i];
        m.Name = ShortString50::FromUtf8(StaffNames[static_cast<std::size_t>(i - 1)]);
        m.WagePerDay = 40 + 5 * i;
        m.Experience = 1 + i % 10;
        m.Kind = i % 2;
    }
    game.Wealth = 10000;
    game.GameClock = EncodeDateTime(2026, 12, 7, 9, 0);
    game.LocationCursor = 1;
    game.StaffCursor = 1;
    return game;
}

inline GameState LeasedGame() {
    GameState game = RunningGame();
    game.LeasedLocation = 12;
    game.Locations[12].Leased = true;
    game.Locations[12].EntertainmentFactor = 100;
    game.Locations[12].LeaseDate = game.GameClock;
    game.StaffPool[3].Employed = true;
    game.StaffPool[3].HireDate = game.GameClock + 0.5;
    game.Debt = 25000;
    game.Wealth = -312.75;
    game.Controls = {.TvPurchasable = false,
                     .MusiciansPurchasable = false,
                     .SpeedIndex = SpeedPause,
                     .MinStockLevel = 0,
                     .CardOrderQuantity = 500,
                     .StorageOrderQuantity = 1,
                     .NotifyOnDelivery = false,
                     .NotifyDeliveryTime = false};
    return game;
}

// A pub at half past midnight with debt, staff and deliveries due: the first tick settles the
// day end and delivers.
inline GameState DayEndGame() {
    GameState game = LeasedGame();
    game.Wealth = 50000;
    game.GameClock = EncodeDateTime(2026, 12, 8, 0, 30);
    for (int i = 1; i <= 5; ++i)
        game.StaffPool[i].Employed = true;
    game.Drinks[4].DeliveryMinutes = 2;
    game.Wines[7].DeliveryMinutes = 1;
    game.Controls.NotifyOnDelivery = true;
    return game;
}

// Money at the edges of the double range with a delivery, the rent and the interest due.
inline GameState EdgeOfMoneyGame() {
    GameState game = DayEndGame();
    game.Wealth = -1.79e308;
    game.Debt = 1e308;
    game.Drinks[4].PurchasePrice = -1e308;
    game.Drinks[1].SalePrice = 1.7e308;
    game.Locations[12].RentPerDay = -1e308;
    return game;
}

// Ten minutes before the last minute the calendar has.
inline GameState LastMinuteGame() {
    GameState game = LeasedGame();
    game.GameClock = EncodeDateTime(9999, 12, 31, 23, 49);
    return game;
}

// Every seed game by the name of its file.
inline std::vector<std::pair<const char*, GameState>> All() {
    GameState empty;
    empty.GameClock = EncodeDateTime(1, 1, 1);
    return {{"seed-empty.krg", empty},
            {"seed-running.krg", RunningGame()},
            {"seed-leased.krg", LeasedGame()},
            {"seed-day-end.krg", DayEndGame()},
            {"seed-edge-of-money.krg", EdgeOfMoneyGame()},
            {"seed-last-minute.krg", LastMinuteGame()}};
}

} // namespace SeedGames
