// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game.h"
#include "game/game_state.h"

#include <string>

// Paging through the staff pool, hiring and dismissing.

// The member shown, 1..20. A damaged saved game may carry any cursor; it is brought to the
// nearest end of the pool, in the state as well, so it never indexes outside the pool.
int ShownStaffIndex(GameState& state);

void ShowPreviousStaffMember(GameState& state); // "Zurück"
void ShowNextStaffMember(GameState& state);     // "Vor"

// "Einstellen": employed from now on; the first wage is paid at the next day end.
void HireShownStaffMember(GameState& state);

// "Entlassen": no longer employed, a message that the member gets a last wage, which is then
// paid without any test (Wealth may go below 0), the money displays, and the hire date cleared.
void DismissShownStaffMember(Game& game);

std::string LastWageMessage(const TStaffMember& member);

// "Bedienung" or "Koch".
std::string StaffKindText(const TStaffMember& member);
// "40 € / Tag"
std::string WageText(const TStaffMember& member);
