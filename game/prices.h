// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game_state.h"

#include <optional>
#include <string>
#include <string_view>

// Setting sale prices, and reading a price as the player types it.

inline const std::string PriceNotANumberMessage =
    "Bitte geben Sie im Feld Verkaufspreis z.B. 2,40 oder auch 3 ein.";
inline const std::string PriceNotPositiveMessage =
    "Sie können keine negativen Verkaufspreise festlegen.";

// Reads a typed price: blanks around, an optional sign, digits with at most one decimal comma,
// an optional exponent (E or e, optional sign, digits). Anything else, and a number too large
// for a double, is not a number. A number too small for a double reads as 0.
std::optional<double> ParsePrice(std::string_view text);

// Index 1..N of the first article of the kind whose name is `utf8Name`, or 0.
int FindArticleByName(const GameState& state, ArticleKind kind, std::string_view utf8Name);

enum class PriceOutcome {
    NotANumber,  // refused with PriceNotANumberMessage
    NotPositive, // refused with PriceNotPositiveMessage
    NoArticle,   // a valid price, but no article of the kind carries the name: nothing happens
    Set,
};

// Sets the sale price of the article of `kind` named `utf8Name` to the typed price, stored as
// typed, without rounding to cents. Without a kind no article carries the name.
PriceOutcome SetSalePrice(GameState& state, std::optional<ArticleKind> kind,
                          std::string_view utf8Name, std::string_view typedPrice);
