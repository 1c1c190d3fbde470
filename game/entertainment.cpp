// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/entertainment.h"

#include "game/booking.h"
#include "game/int_math.h"

#include <cstdint>

std::string NotEnoughMoneyForEntertainmentMessage(Entertainment what) {
    if (what == Entertainment::Television)
        return "Sie haben leider nicht genügend Geld für den Kauf des Fernsehers.";
    return "Sie haben leider nicht genügend Geld um die Unterhalter zu bezahlen.";
}

std::optional<int> BuyEntertainment(Game& game, Entertainment what) {
    GameState& state = game.State;
    if (!(state.Wealth >= EntertainmentPrice))
        return std::nullopt;
    TLocation* pub = state.Leased();
    if (pub)
        pub->EntertainmentFactor =
            ClampToInt32(std::int64_t{pub->EntertainmentFactor} + EntertainmentFactorGain);
    Book(game, what == Entertainment::Television ? Booking::Television : Booking::Musicians,
         -EntertainmentPrice);
    game.Host.RefreshMoney();
    if (what == Entertainment::Television)
        state.Controls.TvPurchasable = false;
    else
        state.Controls.MusiciansPurchasable = false;
    return pub ? pub->EntertainmentFactor : 0;
}

bool StillPurchasable(const GameState& state, Entertainment what) {
    return what == Entertainment::Television ? state.Controls.TvPurchasable
                                             : state.Controls.MusiciansPurchasable;
}
