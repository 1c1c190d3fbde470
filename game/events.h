// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game_state.h"

#include <array>
#include <string>
#include <string_view>

class RandomSource;
class GameHost;
struct Game;

// One entry of the event table. Amounts are what an answer subtracts from Wealth, so a gain
// is negative.
struct TEreigniss {
    std::array<std::string_view, 6> Lines{}; // rows of Label2, Label3, Label4, Label6..Label8
    double OkAmount = 0;
    double YesAmount = 0;
    double NoAmount = 0;
    bool ShowYes = false;
    bool ShowNo = false;
    bool ShowOk = false;
    bool LearnDrink = false;
    bool LearnWine = false;
    bool LearnDish = false;
    bool TwoStage = false;
    std::array<std::string_view, 4> YesLines{}; // Label2..Label5 after "Ja"
    std::array<std::string_view, 4> NoLines{};  // Label2..Label5 after "Nein"
};

constexpr int EventCount = 34;
// Events 1..3 offer an unknown drink, wine or dish; 4..34 are the general events.
constexpr int FirstGeneralEvent = 4;
// Events[1..34]; index 0 is an empty entry that moves no money.
extern const std::array<TEreigniss, EventCount + 1> Events;

// What the event window shows: the seven text rows Label2..Label8 and the three buttons.
struct EventView {
    std::array<std::string, 7> Rows; // [0] = Label2 ... [3] = Label5 (amount) ... [6] = Label8
    bool YesVisible = false;
    bool NoVisible = false;
    bool OkVisible = false;
};

// The event window's state; not saved with the game.
struct EventSession {
    int CurrentEvent = 0;
    int EventState = 0; // 0 picking, 1 two-stage question, 2 next press ends the event
    EventView View;
};

// Both pickers disable the game timer first. Neither shows the window: the tick does that.
void PickGeneralEvent(EventSession& session, RandomSource& rng, GameHost& host);
// Offers an article of a kind that still has unknown ones; after 150 fruitless draws of the
// kind it falls back to a general event.
void PickUnknownArticleEvent(EventSession& session, const GameState& state, RandomSource& rng,
                             GameHost& host);

// Shows entry r (1..34) in the view.
void ShowEvent(EventSession& session, int r);

// The answers to the event shown in game.Event, booked as event payments and receipts (the
// offers of an unknown article apart). They return true when the window is to close now;
// closing itself (timer on, main window shown) is the window's part.
bool AnswerYes(Game& game);
bool AnswerNo(Game& game);
bool AnswerOk(Game& game);

// Whether some article of the kind is not known yet.
bool HasUnknownArticle(const GameState& state, ArticleKind kind);
