#pragma once

#include <QString>
#include <string>

// The game's message to the player: a modal box titled "Das Krugheim" with the text and one
// OK button. Returns when the player has dismissed it. Once the program is ending nothing is
// shown any more.
void ShowGameMessage(const QString& text);
void ShowGameMessage(const std::string& utf8Text);
