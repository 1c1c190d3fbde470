// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/staff.h"

#include "game/booking.h"

#include <algorithm>

int ShownStaffIndex(GameState& state) {
    state.StaffCursor = std::clamp(state.StaffCursor, 1, StaffCount);
    return state.StaffCursor;
}

void ShowPreviousStaffMember(GameState& state) {
    if (ShownStaffIndex(state) > 1)
        --state.StaffCursor;
}

void ShowNextStaffMember(GameState& state) {
    if (ShownStaffIndex(state) < StaffCount)
        ++state.StaffCursor;
}

void HireShownStaffMember(GameState& state) {
    TStaffMember& member = state.StaffPool[ShownStaffIndex(state)];
    member.Employed = true;
    member.HireDate = state.GameClock;
}

void DismissShownStaffMember(Game& game) {
    GameState& state = game.State;
    TStaffMember& member = state.StaffPool[ShownStaffIndex(state)];
    member.Employed = false;
    game.Host.ShowMessage(LastWageMessage(member));
    Book(game, Booking::LastWages, -static_cast<double>(member.WagePerDay));
    game.Host.RefreshMoney();
    member.HireDate = 0;
}

std::string LastWageMessage(const TStaffMember& member) {
    return member.Name.ToUtf8() + " bekommt heute sein letztes Gehalt.";
}

std::string StaffKindText(const TStaffMember& member) {
    if (member.Kind == 0)
        return "Bedienung";
    if (member.Kind == 1)
        return "Koch";
    return "";
}

std::string WageText(const TStaffMember& member) {
    return std::to_string(member.WagePerDay) + " € / Tag";
}
