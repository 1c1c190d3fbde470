#pragma once

#include "game/game.h"
#include "support/recording_host.h"
#include "support/scripted_random.h"

#include <string>

// A game for the dialogs' rules: a recording host, scripted draws, named articles.
struct DialogGame {
    ScriptedRandom Rng;
    RecordingHost Host;
    Game Play{Rng, Host};
    GameState& State = Play.State;

    DialogGame() {
        for (const ArticleKind kind : AllArticleKinds)
            for (int i = 1; i <= ArticleCount(kind); ++i)
                Article(State, kind, i).Name =
                    ShortString50::FromUtf8(std::string(KindPrefix(kind)) + std::to_string(i));
    }

    static const char* KindPrefix(ArticleKind kind) {
        return kind == ArticleKind::Drink ? "Drink" : kind == ArticleKind::Wine ? "Wine" : "Dish";
    }
};
