// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/short_string.h"

#include <array>
#include <cassert>
#include <cstdint>

// Arrays of the game are indexed from 1, as the player counts them.
template <class T, int N> struct OneBasedArray {
    static constexpr int Size = N;
    std::array<T, N> Items{};

    T& operator[](int i) {
        assert(i >= 1 && i <= N);
        return Items[static_cast<std::size_t>(i - 1)];
    }
    const T& operator[](int i) const {
        assert(i >= 1 && i <= N);
        return Items[static_cast<std::size_t>(i - 1)];
    }
    T* begin() { return Items.data(); }
    T* end() { return Items.data() + N; }
    const T* begin() const { return Items.data(); }
    const T* end() const { return Items.data() + N; }
};

// Drinks, wines and dishes carry the same fields. The saved game stores them in a different
// order per kind; the codec takes care of that, so one record type serves all three.
struct TArticle {
    double SalePrice = 0;
    double PurchasePrice = 0;
    std::int32_t Stock = 0;
    std::int32_t DeliveryMinutes = 0;
    bool Known = false;
    bool OnCard = false;
    std::int32_t UnitsSold = 0;
    std::int32_t Popularity = 0;
    ShortString50 Name;
};
using TDrink = TArticle;
using TWine = TArticle;
using TDish = TArticle;

struct TLocation {
    double RentPerDay = 0;
    ShortString50 Name;
    std::int32_t PotentialCustomers = 0;
    bool Leased = false;
    bool Reserved1 = false;
    std::int32_t EntertainmentFactor = 0;
    double LeaseDate = 0;
    double Reserved2 = 0;
    std::int32_t Variety = 0;
};

struct TStaffMember {
    ShortString50 Name;
    std::int32_t WagePerDay = 0;
    std::int32_t Experience = 0;
    std::int32_t Kind = 0; // 0 = waiter ("Bedienung"), 1 = cook ("Koch")
    bool Employed = false;
    double HireDate = 0;
};

// Speed choices of the settings dialog, by their index in its radio group.
enum SpeedChoice : std::int32_t {
    SpeedFast = 0,   // "Schnell (3)"
    SpeedNormal = 1, // "Normal (2)"
    SpeedSlow = 2,   // "Langsam (1)"
    SpeedPause = 3,  // "Pause (0)"
};

// The eight values that the settings and entertainment dialogs hold in their controls. The
// dialogs keep their controls and this record in step, so every reader sees what is shown.
struct ControlValues {
    bool TvPurchasable = true;
    bool MusiciansPurchasable = true;
    std::int32_t SpeedIndex = SpeedNormal;  // -1 = nothing selected
    std::int32_t MinStockLevel = 10;        // 0..100
    std::int32_t CardOrderQuantity = 20;    // 1..500
    std::int32_t StorageOrderQuantity = 20; // 1..500
    bool NotifyOnDelivery = true;
    bool NotifyDeliveryTime = true;
};

// Timer interval in milliseconds for a speed choice; 0 for -1 (interval left unchanged).
int SpeedInterval(std::int32_t speedIndex);

enum class ArticleKind : int { Drink = 0, Wine = 1, Dish = 2 };
inline constexpr std::array<ArticleKind, 3> AllArticleKinds = {
    ArticleKind::Drink, ArticleKind::Wine, ArticleKind::Dish};

constexpr int DrinkCount = 50;
constexpr int WineCount = 30;
constexpr int DishCount = 30;
constexpr int LocationCount = 30;
constexpr int StaffCount = 20;

struct GameState {
    OneBasedArray<TDrink, DrinkCount> Drinks;
    OneBasedArray<TDish, DishCount> Dishes;
    OneBasedArray<TWine, WineCount> Wines;
    OneBasedArray<TLocation, LocationCount> Locations;
    OneBasedArray<TStaffMember, StaffCount> StaffPool;

    double Wealth = 0;
    double Debt = 0;
    double GameClock = 0; // days since 30 Dec 1899, fraction = time of day
    std::int32_t LeasedLocation = 0;
    std::int32_t LocationCursor = 0;
    std::int32_t StaffCursor = 0;

    ControlValues Controls;

    // The leased location, or nullptr while no pub is leased (LeasedLocation not in 1..30).
    TLocation* Leased();
    const TLocation* Leased() const;
};

// The articles of one kind, walked from index 1 to its end.
int ArticleCount(ArticleKind kind);
TArticle& Article(GameState& state, ArticleKind kind, int index);
const TArticle& Article(const GameState& state, ArticleKind kind, int index);
