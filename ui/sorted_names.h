// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game_state.h"

#include <QString>
#include <vector>

// An entry of an article list: the name shown and the article it stands for.
struct ArticleEntry {
    QString Name; // printable
    ArticleKind Kind;
    int Index;
};

// The entry of an article, with its name as the player reads it.
ArticleEntry MakeArticleEntry(const GameState& state, ArticleKind kind, int index);

// Sorts alphabetically by German collation without regard to case, on every machine alike
// (also under a C locale); names equal to the collation keep a fixed order by code points.
void SortByName(std::vector<ArticleEntry>& entries);
