// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the saved-game decoder. Whatever it accepts must survive a second
// round through the codec unchanged, its clock and names must be usable by the game, and it
// must be playable: the load is applied to a running game as "Laden" does, and a few hours
// of game time follow, with a command of the player after each minute and the dialogs rebuilt
// now and then; then the clock moves on to the next day end, which is played too. The game
// must never write a file that it refuses: after the play, save -> load -> save gives the same
// bytes, and the load brings no message.
//
// Input: the first 14456 bytes are the file; the bytes after them steer the random draws of
// the ticks, the answers to events and the player's commands (see FuzzedRandom).
#include "fuzz/fuzz_host.h"
#include "fuzz/fuzzed_random.h"
#include "fuzz/next_day_end.h"
#include "fuzz/player_actions.h"
#include "game/date_time.h"
#include "game/events.h"
#include "game/game.h"
#include "game/new_game.h"
#include "game/tick.h"
#include "persistence/save_game.h"

#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

constexpr int TicksAfterLoad = 150;
constexpr int TicksPerRebuild = 16;
// An event takes at most a question and its result; a third press would be a stuck window.
constexpr int MostPressesPerEvent = 3;

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

void CheckDecoded(const GameState& game) {
    Require(game.LeasedLocation >= 0 && game.LeasedLocation <= LocationCount);
    Require(game.LocationCursor >= 1 && game.LocationCursor <= LocationCount);
    Require(game.StaffCursor >= 1 && game.StaffCursor <= StaffCount);
    Require(game.Controls.SpeedIndex >= -1 && game.Controls.SpeedIndex <= SpeedPause);
    Require(ClockText(game.GameClock).size() == 16);
    CheckNames(game);
}

// Save -> load -> save: the same bytes, and the load is accepted without a message.
void CheckRoundTrip(const GameState& game) {
    const std::vector<std::uint8_t> image = EncodeSavedGame(game);
    Require(image.size() == SavedGameSize);
    const LoadResult second = DecodeSavedGame(image, game.Controls);
    Require(second.Ok && second.Error.empty());
    Require(EncodeSavedGame(second.Game) == image);
}

// Presses the visible buttons of the event window, as a player would, until it closes.
void AnswerEvent(Game& game, FuzzHost& host) {
    EventSession& session = game.Event;
    for (int press = 0; press < MostPressesPerEvent; ++press) {
        const EventView& view = session.View;
        const int button = game.Rng.Random(3);
        bool closes = false;
        if (button == 0 && view.YesVisible)
            closes = AnswerYes(game);
        else if (button == 1 && view.NoVisible)
            closes = AnswerNo(game);
        else if (view.OkVisible)
            closes = AnswerOk(game);
        if (closes)
            break;
    }
    host.EventWindowOpen = false;
}

void PlayMinute(Game& game, FuzzHost& host) {
    Tick(game);
    if (host.EventWindowOpen)
        AnswerEvent(game, host);
    FuzzDialogs::Act(game);
}

void PlayLoadedGame(const GameState& loaded, std::span<const std::uint8_t> script) {
    FuzzedRandom rng;
    FuzzHost host;
    Game game(rng, host);
    NewGame(game, EncodeDateTime(2026, 12, 7, 9, 0));
    ApplySavedGame(game.State, loaded);
    rng.Script(script);
    for (int minute = 0; minute < TicksAfterLoad && !host.Ended; ++minute) {
        PlayMinute(game, host);
        if (minute % TicksPerRebuild == 0)
            FuzzDialogs::Rebuild(game.State);
    }
    game.State.GameClock = NextDayEnd(game.State.GameClock);
    for (int minute = 0; minute < 2 && !host.Ended; ++minute)
        PlayMinute(game, host);
    CheckRoundTrip(game.State);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    const LoadResult loaded = DecodeSavedGame(input, ControlValues{});
    if (!loaded.Ok)
        return 0;
    CheckDecoded(loaded.Game);
    CheckRoundTrip(loaded.Game);
    PlayLoadedGame(loaded.Game, input.subspan(SavedGameSize));
    return 0;
}
