// Writes a few valid saved games into the folder given as argument: the start of the fuzz
// corpus, so that the fuzzer begins with files the decoder accepts.
#include "game/date_time.h"
#include "game/name_tables.h"
#include "persistence/save_game.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

template <class Articles, class Names>
void FillArticles(Articles& articles, const Names& names, int priceStep) {
    for (int i = 1; i <= articles.Size; ++i) {
        TArticle& a = articles[i];
        a.Name = ShortString50::FromUtf8(names[static_cast<std::size_t>(i - 1)]);
        a.PurchasePrice = 1 + i % priceStep;
        a.SalePrice = a.PurchasePrice * 2.5;
        a.Popularity = 1 + i % 40;
        a.Known = i % 2 == 1;
        a.OnCard = i % 4 == 1;
        a.Stock = 20 * (i % 3);
        a.DeliveryMinutes = i % 5 == 0 ? 90 : 0;
        a.UnitsSold = 7 * i;
    }
}

GameState RunningGame() {
    GameState game;
    FillArticles(game.Drinks, DrinkNames, 8);
    FillArticles(game.Dishes, DishNames, 18);
    FillArticles(game.Wines, WineNames, 12);
    for (int i = 1; i <= LocationCount; ++i) {
        TLocation& l = game.Locations[i];
        l.Name = ShortString50::FromUtf8(LocationNames[static_cast<std::size_t>(i - 1)]);
        l.RentPerDay = 50 + 10 * i;
        l.PotentialCustomers = 100 + 650 * i;
        l.Reserved2 = l.PotentialCustomers * 12.54;
        l.Variety = (i * 37) % 201 - 100;
    }
    for (int i = 1; i <= StaffCount; ++i) {
        TStaffMember& m = game.StaffPool[i];
        m.Name = ShortString50::FromUtf8(StaffNames[static_cast<std::size_t>(i - 1)]);
        m.WagePerDay = 40 + 5 * i;
        m.Experience = 1 + i % 10;
        m.Kind = i % 2;
    }
    game.Wealth = 10000;
    game.GameClock = EncodeDateTime(2026, 12, 7, 9, 0);
    game.LocationCursor = 1;
    game.StaffCursor = 1;
    return game;
}

GameState LeasedGame() {
    GameState game = RunningGame();
    game.LeasedLocation = 12;
    game.Locations[12].Leased = true;
    game.Locations[12].EntertainmentFactor = 100;
    game.Locations[12].LeaseDate = game.GameClock;
    game.StaffPool[3].Employed = true;
    game.StaffPool[3].HireDate = game.GameClock + 0.5;
    game.Debt = 25000;
    game.Wealth = -312.75;
    game.Controls = {.TvPurchasable = false,
                     .MusiciansPurchasable = false,
                     .SpeedIndex = SpeedPause,
                     .MinStockLevel = 0,
                     .CardOrderQuantity = 500,
                     .StorageOrderQuantity = 1,
                     .NotifyOnDelivery = false,
                     .NotifyDeliveryTime = false};
    return game;
}

bool WriteSeed(const std::string& path, const GameState& game) {
    const std::vector<std::uint8_t> image = EncodeSavedGame(game);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()),
              static_cast<std::streamsize>(image.size()));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS-FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    GameState empty;
    empty.GameClock = EncodeDateTime(1, 1, 1);
    const bool written = WriteSeed(folder + "/seed-empty.krg", empty) &&
                         WriteSeed(folder + "/seed-running.krg", RunningGame()) &&
                         WriteSeed(folder + "/seed-leased.krg", LeasedGame());
    return written ? 0 : 1;
}
