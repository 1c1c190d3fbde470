// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/date_time.h"
#include "game/game_state.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

// A game in which every field holds a value of its own, so that a field written to or read
// from the wrong place shows up as a mismatch.
inline GameState DistinctValueGame() {
    GameState game;
    int counter = 0;
    const auto next = [&counter] { return ++counter; };
    const auto fillArticles = [&](auto& articles, const std::string& prefix) {
        for (int i = 1; i <= articles.Size; ++i) {
            TArticle& a = articles[i];
            a.SalePrice = next() + 0.25;
            a.PurchasePrice = next() + 0.5;
            a.Stock = next();
            a.DeliveryMinutes = next();
            a.Known = i % 2 == 0;
            a.OnCard = i % 3 == 0;
            a.UnitsSold = next();
            a.Popularity = next();
            a.Name = ShortString50::FromUtf8(prefix + " Nr. " + std::to_string(i));
        }
    };
    fillArticles(game.Drinks, "Getränk");
    fillArticles(game.Dishes, "Gericht");
    fillArticles(game.Wines, "Wein");
    for (int i = 1; i <= LocationCount; ++i) {
        TLocation& l = game.Locations[i];
        l.RentPerDay = next();
        l.Name = ShortString50::FromUtf8("Standort " + std::to_string(i));
        l.PotentialCustomers = next();
        l.Leased = i == 17;
        l.Reserved1 = i % 4 == 0;
        l.EntertainmentFactor = next();
        l.LeaseDate = EncodeDateTime(2020, 1, 1) + next();
        l.Reserved2 = next() * 12.54;
        l.Variety = -(next() % 100); // the guests keep it within -100..100
    }
    for (int i = 1; i <= StaffCount; ++i) {
        TStaffMember& m = game.StaffPool[i];
        m.Name = ShortString50::FromUtf8("Jörg Müller " + std::to_string(i));
        m.WagePerDay = next();
        m.Experience = next();
        m.Kind = i % 2;
        m.Employed = i % 3 == 1;
        m.HireDate = EncodeDateTime(2021, 6, 1, 8, 15) + next();
    }
    // The longest possible name must survive as a whole.
    game.Drinks[50].Name = ShortString50::FromBytes(std::string(50, 'x'));
    game.Wealth = 12345.67;
    game.Debt = 2500.5;
    game.GameClock = EncodeDateTime(2026, 12, 7, 9, 30);
    game.LeasedLocation = 17;
    game.LocationCursor = 5;
    game.StaffCursor = 12;
    game.Controls = {.TvPurchasable = false,
                     .MusiciansPurchasable = true,
                     .SpeedIndex = 2,
                     .MinStockLevel = 33,
                     .CardOrderQuantity = 111,
                     .StorageOrderQuantity = 222,
                     .NotifyOnDelivery = false,
                     .NotifyDeliveryTime = true};
    return game;
}

// Every field of a record as one tuple, so that records compare and print as a whole.
inline auto Fields(const TArticle& a) {
    return std::tuple(a.SalePrice, a.PurchasePrice, a.Stock, a.DeliveryMinutes, a.Known, a.OnCard,
                      a.UnitsSold, a.Popularity, a.Name.Bytes());
}
inline auto Fields(const TLocation& l) {
    return std::tuple(l.RentPerDay, l.Name.Bytes(), l.PotentialCustomers, l.Leased, l.Reserved1,
                      l.EntertainmentFactor, l.LeaseDate, l.Reserved2, l.Variety);
}
inline auto Fields(const TStaffMember& m) {
    return std::tuple(m.Name.Bytes(), m.WagePerDay, m.Experience, m.Kind, m.Employed, m.HireDate);
}
inline auto Fields(const ControlValues& c) {
    return std::tuple(c.TvPurchasable, c.MusiciansPurchasable, c.SpeedIndex, c.MinStockLevel,
                      c.CardOrderQuantity, c.StorageOrderQuantity, c.NotifyOnDelivery,
                      c.NotifyDeliveryTime);
}
inline auto Fields(const GameState& g) {
    return std::tuple(g.Wealth, g.Debt, g.GameClock, g.LeasedLocation, g.LocationCursor,
                      g.StaffCursor);
}

template <typename Records>
void ExpectSameRecords(const char* what, const Records& a, const Records& b) {
    for (int i = 1; i <= Records::Size; ++i) {
        SCOPED_TRACE(std::string(what) + " " + std::to_string(i));
        EXPECT_EQ(Fields(a[i]), Fields(b[i]));
    }
}

inline void ExpectSameGame(const GameState& a, const GameState& b) {
    ExpectSameRecords("drink", a.Drinks, b.Drinks);
    ExpectSameRecords("dish", a.Dishes, b.Dishes);
    ExpectSameRecords("wine", a.Wines, b.Wines);
    ExpectSameRecords("location", a.Locations, b.Locations);
    ExpectSameRecords("staff member", a.StaffPool, b.StaffPool);
    EXPECT_EQ(Fields(a), Fields(b));
    EXPECT_EQ(Fields(a.Controls), Fields(b.Controls));
}

// Byte access written independently of the codec, so the tests check it against the format
// rather than against itself.
using Image = std::vector<std::uint8_t>;

inline std::int32_t Int32At(const Image& image, std::size_t offset) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | image.at(offset + static_cast<std::size_t>(i));
    return static_cast<std::int32_t>(value);
}

inline double DoubleAt(const Image& image, std::size_t offset) {
    std::uint64_t value = 0;
    for (int i = 7; i >= 0; --i)
        value = (value << 8) | image.at(offset + static_cast<std::size_t>(i));
    return std::bit_cast<double>(value);
}

inline void PutInt32(Image& image, std::size_t offset, std::int32_t value) {
    for (int i = 0; i < 4; ++i)
        image.at(offset + static_cast<std::size_t>(i)) =
            static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
}

inline void PutDouble(Image& image, std::size_t offset, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i)
        image.at(offset + static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(bits >> (8 * i));
}

inline std::string NameAt(const Image& image, std::size_t offset) {
    const std::size_t length = image.at(offset);
    return {reinterpret_cast<const char*>(image.data() + offset + 1), length};
}
