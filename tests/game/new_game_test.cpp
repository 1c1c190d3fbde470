// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/name_tables.h"
#include "game/new_game.h"
#include "model_test_support.h"

#include <algorithm>
#include <set>
#include <vector>

namespace {

// Every draw of a new game, by entity. Permutation draws are the values Random(n) returns
// (0-based); the defaults deal each table out in its own order.
struct NewGameScript {
    std::vector<int> LocationOrder, StaffOrder, DrinkOrder, DishOrder, WineOrder;
    std::array<int, 30> Customers{}, RentExtra{};
    std::array<int, 20> Experience{}, Kind{}, CookExtra{};
    std::array<int, 50> DrinkPrice{}, DrinkPopularity{};
    std::array<int, 30> DishPrice{}, DishPopularity{}, WinePrice{}, WinePopularity{};

    static std::vector<int> InOrder(int n) {
        std::vector<int> order(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i)
            order[static_cast<std::size_t>(i)] = i;
        return order;
    }
    NewGameScript()
        : LocationOrder(InOrder(30)), StaffOrder(InOrder(20)), DrinkOrder(InOrder(50)),
          DishOrder(InOrder(30)), WineOrder(InOrder(30)) {}

    void ScriptInto(ScriptedRandom& rng) const {
        for (int v : LocationOrder)
            rng.Expect(30, v);
        for (std::size_t i = 0; i < 30; ++i)
            rng.Expect(19900, Customers[i]).Expect(100, RentExtra[i]);
        for (int v : StaffOrder)
            rng.Expect(20, v);
        for (std::size_t i = 0; i < 20; ++i)
            rng.Expect(10, Experience[i]).Expect(2, Kind[i]).Expect(10, CookExtra[i]);
        for (int v : DrinkOrder)
            rng.Expect(50, v);
        for (std::size_t i = 0; i < 50; ++i)
            rng.Expect(8, DrinkPrice[i]).Expect(40, DrinkPopularity[i]);
        for (int v : DishOrder)
            rng.Expect(30, v);
        for (std::size_t i = 0; i < 30; ++i)
            rng.Expect(18, DishPrice[i]).Expect(40, DishPopularity[i]);
        for (int v : WineOrder)
            rng.Expect(30, v);
        for (std::size_t i = 0; i < 30; ++i)
            rng.Expect(12, WinePrice[i]).Expect(40, WinePopularity[i]);
    }
};

// Seeding must come before the first draw, or the game would deal from the previous seed.
class SeedOrderRandom final : public RandomSource {
public:
    explicit SeedOrderRandom(RandomSource& inner) : inner_(inner) {}
    int Random(int n) override {
        drewBeforeSeeding_ = drewBeforeSeeding_ || !seeded_;
        return inner_.Random(n);
    }
    void Randomize() override { seeded_ = true; }
    bool DrewBeforeSeeding() const { return drewBeforeSeeding_; }

private:
    RandomSource& inner_;
    bool seeded_ = false;
    bool drewBeforeSeeding_ = false;
};

template <std::size_t N>
std::set<std::string> NamesOf(const OneBasedArray<TArticle, static_cast<int>(N)>& articles) {
    std::set<std::string> names;
    for (const TArticle& article : articles)
        names.insert(article.Name.ToUtf8());
    return names;
}

template <std::size_t N>
std::set<std::string> TableNames(const std::array<std::string_view, N>& t) {
    return {t.begin(), t.end()};
}

const double Now = 46363.375; // 07.12.2026 09:00

} // namespace

TEST(NewGame, DrawsInTheFixedOrderAndFillsTheState) {
    ScriptedGame g;
    NewGameScript script;
    script.Customers[0] = 0; // 100 customers
    script.RentExtra[0] = 99;
    script.Customers[1] = 19899; // 19999 customers
    script.Experience[0] = 9;    // 10
    script.Kind[0] = 1;          // cook
    script.CookExtra[0] = 9;
    script.Experience[1] = 2; // 3, waiter: the extra draw is made but does not count
    script.CookExtra[1] = 7;
    script.DrinkPrice[0] = 7;       // 8
    script.DrinkPopularity[0] = 39; // 40
    script.DishPrice[0] = 17;       // 18
    script.WinePrice[0] = 11;       // 12
    script.ScriptInto(g.Rng);

    GameState& s = g.State;
    s.Debt = 55;
    s.LeasedLocation = 7;
    s.Locations[3].LeaseDate = 123.5;
    s.Drinks[4].Stock = 17;
    s.Controls.StorageOrderQuantity = 99;
    SeedOrderRandom seedCheck(g.Rng);
    Game game(seedCheck, g.Host);
    game.State = s;

    NewGame(game, Now);

    EXPECT_FALSE(seedCheck.DrewBeforeSeeding());
    const GameState& n = game.State;
    EXPECT_EQ(n.Locations[1].PotentialCustomers, 100);
    EXPECT_EQ(n.Locations[1].RentPerDay, 4 + 99);
    EXPECT_EQ(n.Locations[1].Reserved2, 1254);
    EXPECT_EQ(n.Locations[2].PotentialCustomers, 19999);
    EXPECT_EQ(n.Locations[2].RentPerDay, 896);
    EXPECT_EQ(n.Locations[2].Reserved2, 250787);
    EXPECT_EQ(n.Locations[1].Name.ToUtf8(), "Einkaufszentrum");
    EXPECT_EQ(n.StaffPool[1].WagePerDay, 9 + 40);
    EXPECT_EQ(n.StaffPool[1].Kind, 1);
    EXPECT_EQ(n.StaffPool[2].WagePerDay, 12);
    EXPECT_EQ(n.StaffPool[2].Experience, 3);
    EXPECT_EQ(n.Drinks[1].PurchasePrice, 8);
    EXPECT_EQ(n.Drinks[1].Popularity, 40);
    EXPECT_EQ(n.Dishes[1].PurchasePrice, 18);
    EXPECT_EQ(n.Wines[1].PurchasePrice, 12);
    EXPECT_EQ(n.Wines[2].PurchasePrice, 1);
    EXPECT_EQ(n.Wines[2].Popularity, 1);

    // Left alone: only a load overwrites these.
    EXPECT_EQ(n.Debt, 55);
    EXPECT_EQ(n.LeasedLocation, 7);
    EXPECT_EQ(n.Locations[3].LeaseDate, 123.5);
    EXPECT_EQ(n.Drinks[4].Stock, 17);
    EXPECT_EQ(n.Controls.StorageOrderQuantity, 99);

    EXPECT_EQ(n.Wealth, 10000);
    EXPECT_EQ(n.GameClock, Now);
    EXPECT_EQ(n.LocationCursor, 1);
    EXPECT_EQ(n.StaffCursor, 1);
    EXPECT_EQ(g.Host.ClockText, "07.12.2026 09:00");
    EXPECT_EQ(g.Host.MoneyRefreshes, 1);
}

TEST(NewGame, PermutationRedrawsValuesAlreadyPlaced) {
    ScriptedGame g;
    NewGameScript script;
    // Positions 1..3 get 3, 1, 2; the repeated 2s and 0s are redrawn.
    script.LocationOrder = {2, 2, 0, 2, 0, 1};
    for (int v = 3; v < 30; ++v)
        script.LocationOrder.push_back(v);
    script.ScriptInto(g.Rng);
    NewGame(g.Play, Now);
    EXPECT_EQ(g.State.Locations[1].Name.ToUtf8(), "Wanderweg");
    EXPECT_EQ(g.State.Locations[2].Name.ToUtf8(), "Einkaufszentrum");
    EXPECT_EQ(g.State.Locations[3].Name.ToUtf8(), "Bahnhof");
    EXPECT_EQ(g.State.Locations[4].Name.ToUtf8(), "Dorf");
}

TEST(NewGame, RentRoundsExactHalvesToEven) {
    ScriptedGame g;
    NewGameScript script;
    script.Customers[0] = 279 - 100;  // 279 / 22.32 = 12.5 -> 12
    script.Customers[1] = 837 - 100;  // 837 / 22.32 = 37.5 -> 38
    script.Customers[2] = 2000 - 100; // 89.605... -> 90
    script.ScriptInto(g.Rng);
    NewGame(g.Play, Now);
    EXPECT_EQ(g.State.Locations[1].RentPerDay, 12);
    EXPECT_EQ(g.State.Locations[2].RentPerDay, 38);
    EXPECT_EQ(g.State.Locations[3].RentPerDay, 90);
}

TEST(NewGame, RealDrawsDealEveryTableOnceAndKeepTheRanges) {
    GameRandom rng(7);
    RecordingHost host;
    Game game(rng, host);
    NewGame(game, Now);
    const GameState& s = game.State;

    EXPECT_EQ(NamesOf<50>(s.Drinks), TableNames(DrinkNames));
    EXPECT_EQ(NamesOf<30>(s.Dishes), TableNames(DishNames));
    EXPECT_EQ(NamesOf<30>(s.Wines), TableNames(WineNames));
    std::set<std::string> locations, staff;
    for (const TLocation& l : s.Locations) {
        locations.insert(l.Name.ToUtf8());
        EXPECT_GE(l.PotentialCustomers, 100);
        EXPECT_LE(l.PotentialCustomers, 19999);
        EXPECT_GE(l.RentPerDay, 4);
        EXPECT_LE(l.RentPerDay, 995);
    }
    for (const TStaffMember& m : s.StaffPool) {
        staff.insert(m.Name.ToUtf8());
        if (m.Kind == 0)
            EXPECT_EQ(m.WagePerDay, 4 * m.Experience);
        else
            EXPECT_LE(m.WagePerDay, 4 * m.Experience + 9);
    }
    EXPECT_EQ(locations, TableNames(LocationNames));
    EXPECT_EQ(staff, TableNames(StaffNames));

    const auto known = [](const auto& articles) {
        return std::count_if(articles.begin(), articles.end(),
                             [](const TArticle& a) { return a.Known; });
    };
    EXPECT_EQ(known(s.Drinks), 20);
    EXPECT_EQ(known(s.Dishes), 10);
    EXPECT_EQ(known(s.Wines), 10);
    EXPECT_TRUE(s.Drinks[20].Known);
    EXPECT_FALSE(s.Drinks[21].Known);
    for (const TArticle& a : s.Dishes) {
        EXPECT_FALSE(a.OnCard);
        EXPECT_GE(a.PurchasePrice, 1);
        EXPECT_LE(a.PurchasePrice, 18);
        EXPECT_GE(a.Popularity, 1);
        EXPECT_LE(a.Popularity, 40);
    }
}
