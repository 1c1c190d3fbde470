#pragma once

#include "game/date_time.h"
#include "game/game_state.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
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
        l.Variety = -next();
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

inline void ExpectSameArticle(const TArticle& a, const TArticle& b) {
    EXPECT_EQ(a.SalePrice, b.SalePrice);
    EXPECT_EQ(a.PurchasePrice, b.PurchasePrice);
    EXPECT_EQ(a.Stock, b.Stock);
    EXPECT_EQ(a.DeliveryMinutes, b.DeliveryMinutes);
    EXPECT_EQ(a.Known, b.Known);
    EXPECT_EQ(a.OnCard, b.OnCard);
    EXPECT_EQ(a.UnitsSold, b.UnitsSold);
    EXPECT_EQ(a.Popularity, b.Popularity);
    EXPECT_EQ(a.Name.Bytes(), b.Name.Bytes());
}

inline void ExpectSameLocation(const TLocation& a, const TLocation& b) {
    EXPECT_EQ(a.RentPerDay, b.RentPerDay);
    EXPECT_EQ(a.Name.Bytes(), b.Name.Bytes());
    EXPECT_EQ(a.PotentialCustomers, b.PotentialCustomers);
    EXPECT_EQ(a.Leased, b.Leased);
    EXPECT_EQ(a.Reserved1, b.Reserved1);
    EXPECT_EQ(a.EntertainmentFactor, b.EntertainmentFactor);
    EXPECT_EQ(a.LeaseDate, b.LeaseDate);
    EXPECT_EQ(a.Reserved2, b.Reserved2);
    EXPECT_EQ(a.Variety, b.Variety);
}

inline void ExpectSameStaffMember(const TStaffMember& a, const TStaffMember& b) {
    EXPECT_EQ(a.Name.Bytes(), b.Name.Bytes());
    EXPECT_EQ(a.WagePerDay, b.WagePerDay);
    EXPECT_EQ(a.Experience, b.Experience);
    EXPECT_EQ(a.Kind, b.Kind);
    EXPECT_EQ(a.Employed, b.Employed);
    EXPECT_EQ(a.HireDate, b.HireDate);
}

inline void ExpectSameControls(const ControlValues& a, const ControlValues& b) {
    EXPECT_EQ(a.TvPurchasable, b.TvPurchasable);
    EXPECT_EQ(a.MusiciansPurchasable, b.MusiciansPurchasable);
    EXPECT_EQ(a.SpeedIndex, b.SpeedIndex);
    EXPECT_EQ(a.MinStockLevel, b.MinStockLevel);
    EXPECT_EQ(a.CardOrderQuantity, b.CardOrderQuantity);
    EXPECT_EQ(a.StorageOrderQuantity, b.StorageOrderQuantity);
    EXPECT_EQ(a.NotifyOnDelivery, b.NotifyOnDelivery);
    EXPECT_EQ(a.NotifyDeliveryTime, b.NotifyDeliveryTime);
}

inline void ExpectSameGame(const GameState& a, const GameState& b) {
    for (int i = 1; i <= DrinkCount; ++i) {
        SCOPED_TRACE("drink " + std::to_string(i));
        ExpectSameArticle(a.Drinks[i], b.Drinks[i]);
    }
    for (int i = 1; i <= DishCount; ++i) {
        SCOPED_TRACE("dish " + std::to_string(i));
        ExpectSameArticle(a.Dishes[i], b.Dishes[i]);
    }
    for (int i = 1; i <= WineCount; ++i) {
        SCOPED_TRACE("wine " + std::to_string(i));
        ExpectSameArticle(a.Wines[i], b.Wines[i]);
    }
    for (int i = 1; i <= LocationCount; ++i) {
        SCOPED_TRACE("location " + std::to_string(i));
        ExpectSameLocation(a.Locations[i], b.Locations[i]);
    }
    for (int i = 1; i <= StaffCount; ++i) {
        SCOPED_TRACE("staff member " + std::to_string(i));
        ExpectSameStaffMember(a.StaffPool[i], b.StaffPool[i]);
    }
    EXPECT_EQ(a.Wealth, b.Wealth);
    EXPECT_EQ(a.Debt, b.Debt);
    EXPECT_EQ(a.GameClock, b.GameClock);
    EXPECT_EQ(a.LeasedLocation, b.LeasedLocation);
    EXPECT_EQ(a.LocationCursor, b.LocationCursor);
    EXPECT_EQ(a.StaffCursor, b.StaffCursor);
    ExpectSameControls(a.Controls, b.Controls);
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
