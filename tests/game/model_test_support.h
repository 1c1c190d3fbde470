// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game.h"
#include "support/recording_host.h"
#include "support/scripted_random.h"

#include <gtest/gtest.h>

#include <string>

// Runs `change(article, kind, index)` on every article of every kind.
template <typename Change> void ForEachArticle(GameState& state, Change change) {
    for (const ArticleKind kind : AllArticleKinds)
        for (int i = 1; i <= ArticleCount(kind); ++i)
            change(Article(state, kind, i), kind, i);
}

// A game on scripted draws and a recording host.
struct ScriptedGame {
    ScriptedRandom Rng;
    RecordingHost Host;
    Game Play{Rng, Host};
    GameState& State = Play.State;
};

// A scripted game whose articles are named after their kind and index: "Drink1" .. "Dish30".
struct DialogGame : ScriptedGame {
    DialogGame() {
        ForEachArticle(State, [](TArticle& article, ArticleKind kind, int i) {
            const char* prefix = kind == ArticleKind::Drink  ? "Drink"
                                 : kind == ArticleKind::Wine ? "Wine"
                                                             : "Dish";
            article.Name = ShortString50::FromUtf8(prefix + std::to_string(i));
        });
    }
};

// Leases location 1 with the given customers (figures otherwise zero).
inline TLocation& LeasePub(GameState& state, int customers) {
    state.LeasedLocation = 1;
    TLocation& pub = state.Locations[1];
    pub.Leased = true;
    pub.PotentialCustomers = customers;
    pub.Name = ShortString50::FromUtf8("Hafen");
    return pub;
}

// The draws of a tick in which no event happens and no guest comes. The defaults fit a game
// with no article on a card, no staff and no pub: price rating 100, so Random(5) for the
// guest and Random(400 - 100) for the tip.
inline void ExpectQuietTick(ScriptedRandom& rng, int guestRange = 5, int tipRange = 300) {
    rng.Expect(1440, 1000).Expect(guestRange, 1).Expect(tipRange, 1);
}

// A fixture of a game with named articles.
class DialogTest : public ::testing::Test, public DialogGame {};
