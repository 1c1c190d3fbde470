// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/new_game.h"

#include "game/booking.h"
#include "game/date_time.h"
#include "game/game.h"
#include "game/name_tables.h"

#include <array>

namespace {

constexpr double StartingWealth = 10000;

// A random order of 1..n (n <= 50): each position redraws until it gets a value not placed
// before.
struct Permutation {
    std::array<int, 51> Values{}; // 1-based

    int operator[](int i) const { return Values[static_cast<std::size_t>(i)]; }
};

Permutation DrawPermutation(RandomSource& rng, int n) {
    Permutation perm;
    for (int r = 1; r <= n; ++r) {
        int v = 0;
        bool placed = true;
        while (placed) {
            v = rng.Random(n) + 1;
            placed = false;
            for (int earlier = 1; earlier < r && !placed; ++earlier)
                placed = perm[earlier] == v;
        }
        perm.Values[static_cast<std::size_t>(r)] = v;
    }
    return perm;
}

// Round(numerator / denominator) for whole non-negative numbers, exact halves to the even
// neighbour. Working on the exact decimal constants keeps 279 / 22.32 = 12.5 a true half,
// which binary floating point would miss.
std::int64_t RoundQuotient(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t quotient = numerator / denominator;
    const std::int64_t twiceRemainder = 2 * (numerator % denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 != 0))
        return quotient + 1;
    return quotient;
}

template <std::size_t N>
ShortString50 NameFrom(const std::array<std::string_view, N>& table, int oneBasedIndex) {
    return ShortString50::FromUtf8(table[static_cast<std::size_t>(oneBasedIndex - 1)]);
}

void DealLocations(GameState& state, RandomSource& rng) {
    const Permutation perm = DrawPermutation(rng, LocationCount);
    for (int i = 1; i <= LocationCount; ++i) {
        TLocation& location = state.Locations[i];
        location.PotentialCustomers = rng.Random(19900) + 100;
        const int x = rng.Random(100);
        // The rent base is PotentialCustomers / 22.32 taken as an exact decimal quotient.
        location.RentPerDay =
            static_cast<double>(RoundQuotient(location.PotentialCustomers * 100LL, 2232) + x);
        location.Leased = false;
        location.Reserved1 = false;
        location.Variety = 0;
        location.EntertainmentFactor = 0;
        location.Name = NameFrom(LocationNames, perm[i]);
        location.Reserved2 =
            static_cast<double>(RoundQuotient(location.PotentialCustomers * 1254LL, 100));
    }
}

void DealStaff(GameState& state, RandomSource& rng) {
    const Permutation perm = DrawPermutation(rng, StaffCount);
    for (int i = 1; i <= StaffCount; ++i) {
        TStaffMember& member = state.StaffPool[i];
        member.Name = NameFrom(StaffNames, perm[i]);
        member.Experience = rng.Random(10) + 1;
        member.Kind = rng.Random(2);
        const int y = rng.Random(10);
        member.WagePerDay = y * member.Kind + 4 * member.Experience;
        member.Employed = false;
        member.HireDate = 0;
    }
}

template <int N, std::size_t TableSize>
void DealArticles(OneBasedArray<TArticle, N>& articles,
                  const std::array<std::string_view, TableSize>& names, int knownCount,
                  int highestPurchasePrice, RandomSource& rng) {
    static_assert(N == TableSize);
    const Permutation perm = DrawPermutation(rng, N);
    for (int i = 1; i <= N; ++i) {
        TArticle& article = articles[i];
        article.Name = NameFrom(names, perm[i]);
        article.Known = i <= knownCount;
        article.OnCard = false;
        article.PurchasePrice = rng.Random(highestPurchasePrice) + 1;
        article.SalePrice = 0;
        article.UnitsSold = 0;
        article.DeliveryMinutes = 0;
        article.Popularity = rng.Random(40) + 1;
    }
}

} // namespace

void NewGame(Game& game, double now) {
    GameState& state = game.State;
    RandomSource& rng = game.Rng;
    state.LocationCursor = 1;
    state.StaffCursor = 1;
    rng.Randomize();
    DealLocations(state, rng);
    DealStaff(state, rng);
    DealArticles(state.Drinks, DrinkNames, 20, 8, rng);
    DealArticles(state.Dishes, DishNames, 10, 18, rng);
    DealArticles(state.Wines, WineNames, 10, 12, rng);
    state.GameClock = now;
    game.Host.SetClockText(ClockText(now));
    state.Wealth = StartingWealth;
    game.Host.RefreshMoney();
    BeginBooks(game, BooksOrigin::NewGame);
}
