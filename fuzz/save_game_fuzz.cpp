// Feeds arbitrary bytes to the saved-game decoder. Whatever it accepts must survive a second
// round through the codec unchanged, and its clock and names must be usable by the game.
#include "game/date_time.h"
#include "persistence/save_game.h"

#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

void CheckName(const ShortString50& name) {
    Require(name.Length <= ShortString50::Capacity);
    Require(ShortString50::FromUtf8(name.ToUtf8()) == name);
}

void CheckNames(const GameState& game) {
    for (const TArticle& a : game.Drinks)
        CheckName(a.Name);
    for (const TArticle& a : game.Dishes)
        CheckName(a.Name);
    for (const TArticle& a : game.Wines)
        CheckName(a.Name);
    for (const TLocation& l : game.Locations)
        CheckName(l.Name);
    for (const TStaffMember& m : game.StaffPool)
        CheckName(m.Name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ControlValues current;
    const LoadResult first = DecodeSavedGame(std::span(data, size), current);
    if (!first.Ok)
        return 0;

    const GameState& game = first.Game;
    Require(game.LeasedLocation >= 0 && game.LeasedLocation <= LocationCount);
    Require(game.LocationCursor >= 1 && game.LocationCursor <= LocationCount);
    Require(game.StaffCursor >= 1 && game.StaffCursor <= StaffCount);
    Require(game.Controls.SpeedIndex >= -1 && game.Controls.SpeedIndex <= SpeedPause);
    Require(ClockText(game.GameClock).size() == 16);
    CheckNames(game);

    const std::vector<std::uint8_t> image = EncodeSavedGame(game);
    Require(image.size() == SavedGameSize);
    const LoadResult second = DecodeSavedGame(image, current);
    Require(second.Ok);
    Require(EncodeSavedGame(second.Game) == image);
    return 0;
}
