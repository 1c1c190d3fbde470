// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

class QMessageBox;
struct Game;

// The game's message to the player: a modal box titled "Das Krugheim" with the text and one
// OK button. Returns when the player has dismissed it. Once the game is ending nothing is
// shown any more.
void ShowGameMessage(const Game& game, const QString& text);

// The box ShowGameMessage runs: the whole text as plain text, and room for the title.
std::unique_ptr<QMessageBox> MakeGameMessageBox(const QString& text);
