// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/guests.h"

#include "game/booking.h"
#include "game/game.h"
#include "game/int_math.h"
#include "game/money.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::int64_t VarietyMin = -100;
constexpr std::int64_t VarietyMax = 100;

// Random(n) for a range formed in 64 bits; beyond the int range the draw is Random(0) = 0 or
// the widest range there is.
int Draw(RandomSource& rng, std::int64_t n) {
    return rng.Random(ClampToInt32(n));
}

template <int N, class Add>
void AddMargins(const OneBasedArray<TArticle, N>& articles, double& sum, int& count, Add add) {
    for (const TArticle& article : articles) {
        if (article.OnCard) {
            sum = add(sum, article.SalePrice, article.PurchasePrice);
            ++count;
        }
    }
}

template <class Add> double MeanMargin(const GameState& state, Add add) {
    double sum = 0;
    int count = 0;
    AddMargins(state.Drinks, sum, count, add);
    AddMargins(state.Wines, sum, count, add);
    AddMargins(state.Dishes, sum, count, add);
    return count == 0 ? 0.0 : sum / count;
}

int EmployedCount(const GameState& state) {
    int count = 0;
    for (const TStaffMember& member : state.StaffPool)
        count += member.Employed ? 1 : 0;
    return count;
}

int VarietyOf(const GameState& state) {
    const TLocation* location = state.Leased();
    return location ? location->Variety : 0;
}

// Row by row, every row whose condition holds draws and replaces the earlier result; a
// rating between the bounds of two neighbouring rows therefore draws twice.
int GuestDraw(RandomSource& rng, double p, std::int64_t crowdBonus) {
    int g = 0;
    if (p > 30)
        g = Draw(rng, 5 - crowdBonus);
    if (p > 0 && p < 31)
        g = Draw(rng, 10 - crowdBonus);
    if (p > -20 && p < 1)
        g = Draw(rng, 20 - crowdBonus);
    if (p > -40 && p < -19)
        g = Draw(rng, 40 - crowdBonus);
    if (p > -60 && p < -39)
        g = Draw(rng, 60 - crowdBonus);
    if (p > -100 && p < -59)
        g = Draw(rng, 120 - crowdBonus);
    if (p < -99)
        g = 1;
    return g;
}

struct SearchResult {
    TArticle* Found = nullptr;
    bool Exhausted = false; // the search reached its last visit (index 1 for the third time)
};

// Walks 1..N, 1..N and index 1 once more, drawing for every visit, until a visited article
// is on the card, in stock and wins its popularity draw.
template <int N>
SearchResult SearchArticle(OneBasedArray<TArticle, N>& articles, RandomSource& rng) {
    int i = 0;
    int pass = 0;
    TArticle* found = nullptr;
    do {
        ++i;
        if (i == N + 1) {
            i = 1;
            ++pass;
        }
        TArticle& article = articles[i];
        const int r = Draw(rng, 70 - static_cast<std::int64_t>(article.Popularity));
        if (r == 0 && article.OnCard && article.Stock > 0)
            found = &article;
    } while (found == nullptr && pass != 2);
    return {found, pass == 2};
}

// Variety is kept within -100..100, also when a saved game brought it in from outside.
void SetVariety(Game& game, TLocation& location, std::int64_t variety) {
    location.Variety = static_cast<std::int32_t>(std::clamp(variety, VarietyMin, VarietyMax));
    game.Host.SetGauge(Gauge::Variety, location.Variety);
}

template <int N>
void ServeWish(Game& game, OneBasedArray<TArticle, N>& articles, ArticleKind kind) {
    const SearchResult result = SearchArticle(articles, game.Rng);
    TLocation* location = game.State.Leased();
    if (result.Exhausted && location)
        SetVariety(game, *location, std::int64_t{location->Variety} - 1);
    if (result.Found == nullptr)
        return;
    if (location) {
        const std::int64_t variety = location->Variety;
        SetVariety(game, *location, variety < VarietyMax ? variety + 1 : variety);
    }
    TArticle& article = *result.Found;
    BookSale(game, kind, static_cast<int>(&article - articles.begin()) + 1, article.SalePrice);
    article.UnitsSold = ClampToInt32(std::int64_t{article.UnitsSold} + 1);
    article.Stock -= 1;
}

} // namespace

double pve(const GameState& state) {
    // Once a sum leaves the double range it never comes back, so a finite plain sum is the
    // held one. Only prices near the range's ends, from a saved game, need the second pass.
    const double plain = MeanMargin(
        state, [](double sum, double sale, double purchase) { return sum + (sale - purchase); });
    if (std::isfinite(plain))
        return plain;
    return MeanMargin(state, [](double sum, double sale, double purchase) {
        return SaturatedSum(sum, SaturatedDifference(sale, purchase));
    });
}

double ComputePriceRating(const GameState& state) {
    const double m = pve(state);
    const double difference = m - 2;
    const double negated = difference * -1;
    const double rating = negated * 100;
    return rating > 100 ? 100.0 : rating;
}

int ComputeStaffRating(const GameState& state) {
    const int n = EmployedCount(state);
    const int variety = VarietyOf(state);
    std::int64_t rating = 0;
    if (variety == 0)
        rating = n > 0 ? 100 : 0;
    else if (variety > 0)
        rating = Round(static_cast<double>(5 * n) / variety * 100);
    else
        rating = std::int64_t{500} * n;
    return static_cast<int>(std::clamp<std::int64_t>(rating, 0, 100));
}

int ComputeAttractiveness(const GameState& state, double priceRating, int staffRating) {
    const TLocation* location = state.Leased();
    const std::int64_t variety = location ? location->Variety : 0;
    const std::int64_t entertainment = location ? location->EntertainmentFactor : 0;
    return ClampToInt32(std::int64_t{RoundToInt32(priceRating)} + variety + entertainment +
                        staffRating);
}

int ComputeCrowdBonus(const GameState& state) {
    const TLocation* location = state.Leased();
    if (location == nullptr)
        return 0;
    return static_cast<int>(Round(location->PotentialCustomers / 4000.0));
}

void ShowAllGauges(Game& game) {
    const GameState& state = game.State;
    const TLocation* location = state.Leased();
    const double priceRating = ComputePriceRating(state);
    const int staffRating = ComputeStaffRating(state);
    game.Host.SetGauge(Gauge::Variety, VarietyOf(state));
    game.Host.SetGauge(Gauge::Entertainment, location ? location->EntertainmentFactor : 0);
    game.Host.SetGauge(Gauge::Prices, RoundToInt32(priceRating));
    game.Host.SetGauge(Gauge::Staff, staffRating);
    game.Host.SetGauge(Gauge::Attractiveness,
                       ComputeAttractiveness(state, priceRating, staffRating));
}

double PriceGaugeStep(Game& game) {
    const double rating = ComputePriceRating(game.State);
    game.Host.SetGauge(Gauge::Prices, RoundToInt32(rating));
    return rating;
}

GuestRatings StaffAndAttractivenessStep(Game& game, double priceRating) {
    GuestRatings ratings;
    ratings.StaffRating = ComputeStaffRating(game.State);
    ratings.Attractiveness = ComputeAttractiveness(game.State, priceRating, ratings.StaffRating);
    game.Host.SetGauge(Gauge::Staff, ratings.StaffRating);
    game.Host.SetGauge(Gauge::Attractiveness, ratings.Attractiveness);
    return ratings;
}

void GuestStep(Game& game, double priceRating, const GuestRatings& ratings) {
    RandomSource& rng = game.Rng;
    const int g = GuestDraw(rng, priceRating, ComputeCrowdBonus(game.State));
    const int t = Draw(rng, 400 - std::int64_t{ratings.Attractiveness});
    if (g != 0)
        return;
    game.Books.CountGuest();
    if (t == 0)
        Book(game, Booking::Tips, rng.Random(50));
    const bool wantsDrink = rng.Random(2) == 1;
    const bool wantsDish = rng.Random(2) == 1;
    const bool wantsWine = rng.Random(2) == 1;
    if (wantsWine)
        ServeWish(game, game.State.Wines, ArticleKind::Wine);
    if (wantsDrink)
        ServeWish(game, game.State.Drinks, ArticleKind::Drink);
    if (wantsDish)
        ServeWish(game, game.State.Dishes, ArticleKind::Dish);
}
