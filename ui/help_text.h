// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

// The game's manual, "Spielanleitung": how the pub works, written from the game's own rules.
// A section's text is plain UTF-8 in paragraphs separated by an empty line; a line that begins
// with "• " is an item of a list.
struct HelpSection {
    const char* Heading;
    const char* Text;
};

const std::vector<HelpSection>& HelpSections();
