// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

// Where everything lives in the 14456-byte saved-game file. Records sit one after another in
// their section; the offsets inside a record are those of the record types with natural
// alignment, which old files fixed for good.
namespace SavedGameLayout {

constexpr std::size_t FileSize = 14456;

constexpr std::size_t DrinksOffset = 0;       // section A
constexpr std::size_t DishesOffset = 4400;    // section B
constexpr std::size_t WinesOffset = 7280;     // section C
constexpr std::size_t ScalarsOffset = 9920;   // section D
constexpr std::size_t LocationsOffset = 9956; // section E
constexpr std::size_t ControlsOffset = 12836; // section F
constexpr std::size_t StaffOffset = 12856;    // section G

// The three article kinds share their fields but not their order.
struct ArticleLayout {
    std::size_t RecordSize;
    std::size_t SalePrice;
    std::size_t PurchasePrice;
    std::size_t Stock;
    std::size_t DeliveryMinutes;
    std::size_t Known;
    std::size_t OnCard;
    std::size_t UnitsSold;
    std::size_t Popularity;
    std::size_t Name;
};

constexpr ArticleLayout Drink{.RecordSize = 88,
                              .SalePrice = 0,
                              .PurchasePrice = 8,
                              .Stock = 16,
                              .DeliveryMinutes = 20,
                              .Known = 24,
                              .OnCard = 25,
                              .UnitsSold = 28,
                              .Popularity = 32,
                              .Name = 36};

constexpr ArticleLayout Dish{.RecordSize = 96,
                             .SalePrice = 0,
                             .PurchasePrice = 16,
                             .Stock = 28,
                             .DeliveryMinutes = 8,
                             .Known = 24,
                             .OnCard = 32,
                             .UnitsSold = 36,
                             .Popularity = 40,
                             .Name = 44};

constexpr ArticleLayout Wine{.RecordSize = 88,
                             .SalePrice = 0,
                             .PurchasePrice = 8,
                             .Stock = 32,
                             .DeliveryMinutes = 16,
                             .Known = 20,
                             .OnCard = 21,
                             .UnitsSold = 28,
                             .Popularity = 24,
                             .Name = 36};

// Section D, offsets inside the section.
namespace Scalars {
constexpr std::size_t Debt = 0;
constexpr std::size_t LocationCursor = 8;
constexpr std::size_t StaffCursor = 12;
constexpr std::size_t Wealth = 16;
constexpr std::size_t LeasedLocation = 24;
constexpr std::size_t GameClock = 28;
} // namespace Scalars

namespace Location {
constexpr std::size_t RecordSize = 96;
constexpr std::size_t RentPerDay = 0;
constexpr std::size_t Name = 8;
constexpr std::size_t PotentialCustomers = 60;
constexpr std::size_t Leased = 64;
constexpr std::size_t Reserved1 = 65;
constexpr std::size_t EntertainmentFactor = 68;
constexpr std::size_t LeaseDate = 72;
constexpr std::size_t Reserved2 = 80;
constexpr std::size_t Variety = 88;
} // namespace Location

// Section F, offsets inside the section.
namespace Controls {
constexpr std::size_t TvPurchasable = 0;
constexpr std::size_t MusiciansPurchasable = 1;
constexpr std::size_t SpeedIndex = 2;
constexpr std::size_t MinStockLevel = 6;
constexpr std::size_t CardOrderQuantity = 10;
constexpr std::size_t StorageOrderQuantity = 14;
constexpr std::size_t NotifyOnDelivery = 18;
constexpr std::size_t NotifyDeliveryTime = 19;
} // namespace Controls

namespace Staff {
constexpr std::size_t RecordSize = 80;
constexpr std::size_t Name = 0;
constexpr std::size_t WagePerDay = 52;
constexpr std::size_t Experience = 56;
constexpr std::size_t Kind = 60;
constexpr std::size_t Employed = 64;
constexpr std::size_t HireDate = 72;
} // namespace Staff

static_assert(DishesOffset == DrinksOffset + 50 * Drink.RecordSize);
static_assert(WinesOffset == DishesOffset + 30 * Dish.RecordSize);
static_assert(ScalarsOffset == WinesOffset + 30 * Wine.RecordSize);
static_assert(LocationsOffset == ScalarsOffset + 36);
static_assert(ControlsOffset == LocationsOffset + 30 * Location::RecordSize);
static_assert(StaffOffset == ControlsOffset + 20);
static_assert(FileSize == StaffOffset + 20 * Staff::RecordSize);

} // namespace SavedGameLayout
