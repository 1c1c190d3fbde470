// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

struct Game;
struct GameState;

// Mean margin (SalePrice - PurchasePrice) of the articles on the cards, drinks, wines, dishes;
// 0 when no article is on a card.
double pve(const GameState& state);

// 100 x (2 - pve), capped at 100, no lower limit.
double ComputePriceRating(const GameState& state);

// 0..100, from the employed staff and the leased location's Variety (0 without a pub).
int ComputeStaffRating(const GameState& state);

// Round(price rating) + Variety + EntertainmentFactor + staff rating, unclamped (only brought
// into the int range). Without a pub the location's figures count as 0.
int ComputeAttractiveness(const GameState& state, double priceRating, int staffRating);

// PotentialCustomers in units of 4000, rounded; 0 without a pub.
int ComputeCrowdBonus(const GameState& state);

// Sets all five gauges to the game as it stands, without a draw (after a load: until the next
// guest the variety gauge would otherwise still show the previous game).
void ShowAllGauges(Game& game);

// Tick step 4: computes the price rating, sets the price gauge, returns the rating.
double PriceGaugeStep(Game& game);

struct GuestRatings {
    int StaffRating = 0;
    int Attractiveness = 0;
};

// Tick step 8: staff and attractiveness gauges.
GuestRatings StaffAndAttractivenessStep(Game& game, double priceRating);

// Tick step 9: whether a guest comes this minute and what the guest buys.
void GuestStep(Game& game, double priceRating, const GuestRatings& ratings);
