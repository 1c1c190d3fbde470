// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game_state.h"
#include "persistence/file_system.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The saved-game file ("*.krg"): the byte image of the whole game state and of the eight
// values the settings and entertainment dialogs hold, 14456 bytes, little-endian, no header.
//
// A save replaces the file: the image goes to a new file beside it, which takes the owner,
// group, permissions and extended attributes of the old one and takes its place only when
// every byte is written and on the disk, so that a save that fails or is killed leaves the old
// game whole. A symbolic link stays a link and the file it leads to is saved, except for a
// link that another user put into a shared sticky folder such as /tmp. A file with more names
// is replaced under the chosen one; the other names keep the earlier game. Only where no
// replacement can be made or put in place (a folder closed to the player, another user's
// file, a file that is a mount point) is the file overwritten in place: a failed write or a
// full disk then leaves the old game (see WriteInPlace), but a save killed during that write
// leaves part of each. Such a write holds an exclusive lock on the file and a load a shared
// one, so a load never reads a file that a save of this game is writing. Loading never leaves
// a half-loaded game: the file is read and checked completely before anything is handed out,
// and the caller applies it (after its new-game step) only on success.

constexpr std::size_t SavedGameSize = 14456;

// Shown when a file holds values the game could not have written and cannot work with.
inline constexpr const char* DamagedSavedGameText =
    "Die Datei ist beschädigt und kann nicht geladen werden.";

struct LoadResult {
    bool Ok = false;
    std::string Error; // the text to show when !Ok
    GameState Game;    // the loaded game with its Controls, valid only when Ok
};

struct SaveResult {
    bool Ok = false;
    std::string Error; // the text to show when !Ok
};

// The file image of `state` and `state.Controls`: exactly SavedGameSize bytes, every padding
// byte and every unused name byte 0.
std::vector<std::uint8_t> EncodeSavedGame(const GameState& state);

// Reads an image. Bytes after the first SavedGameSize are ignored; a shorter image fails with
// "Read beyond end of file". The control values start from `current`: a flag byte other than
// 0 or 1 keeps the current value, and the speed index and the three quantities are clamped
// into their ranges. The browse cursors are brought into 1..30 and 1..20. An image with a
// leased location outside 0..30, a name longer than 50, a money, price or date that is not a
// finite number, or a clock outside the years 1..9999 is refused as damaged.
LoadResult DecodeSavedGame(std::span<const std::uint8_t> image, const ControlValues& current);

// Reads and decodes a whole file; on failure Error is the game's text for it ("File not
// found", "File access denied", "Read beyond end of file", "I/O error 5", ...) or
// DamagedSavedGameText.
LoadResult ReadSavedGame(const std::string& path, const ControlValues& current);
LoadResult ReadSavedGame(const std::string& path, const ControlValues& current, FileSystem& fs);

// Writes `state` to `path` as described above. On failure the file at `path` holds the game
// it held before (after a failed write in place, as far as the old bytes could be written
// back), no temporary file is left behind, and Error is the game's text for it ("Disk full",
// "File access denied", "Invalid filename", ...). Temporary files that killed saves left in
// the folder are removed.
SaveResult WriteSavedGame(const std::string& path, const GameState& state);
SaveResult WriteSavedGame(const std::string& path, const GameState& state, FileSystem& fs);

// Puts everything a saved game holds (the five arrays, the six scalars and the Controls) into
// the running game.
void ApplySavedGame(GameState& target, const GameState& loaded);
