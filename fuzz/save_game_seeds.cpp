// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a few valid saved games into the folder given as argument: the start of the fuzz
// corpus, so that the fuzzer begins with files the decoder accepts.
#include "fuzz/seed_games.h"
#include "persistence/save_game.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

// Bytes after the file steer the draws of the ticks; two zero bytes make the first draw of
// the first tick 0, which raises a general event.
const std::vector<std::uint8_t> EventScript = {0, 0, 5, 0};

bool WriteSeed(const std::string& path, const GameState& game,
               const std::vector<std::uint8_t>& script = {}) {
    std::vector<std::uint8_t> image = EncodeSavedGame(game);
    image.insert(image.end(), script.begin(), script.end());
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
    bool written = true;
    for (const auto& [name, game] : SeedGames::All())
        written = WriteSeed(folder + "/" + name, game) && written;
    written =
        WriteSeed(folder + "/seed-event.krg", SeedGames::LeasedGame(), EventScript) && written;
    return written ? 0 : 1;
}
